// Reading dialog templates and converting dialog units to pixels.
#include <gtest/gtest.h>

#include "framework/dialogs/CDialogTemplate.h"
#include "framework/exceptions/Exceptions.h"

namespace {

TEST(DialogUnits, ConvertWithTheFontsAverageWidthAndHeight)
{
    const CDialogUnits units(6, 13);
    EXPECT_EQ(units.ToPixelsX(190), 285);  // 190 * 6 / 4
    EXPECT_EQ(units.ToPixelsY(80), 130);   // 80 * 13 / 8
    EXPECT_EQ(units.ToPixelsY(14), 23);    // 22.75 rounds to 23
    EXPECT_EQ(CDialogUnits::AverageWidthOfAlphabet(312), 6);  // 52 letters of 6 pixels
    EXPECT_EQ(CDialogUnits::AverageWidthOfAlphabet(337), 6);  // 6.48 rounds down
    EXPECT_EQ(CDialogUnits::AverageWidthOfAlphabet(339), 7);  // 6.52 rounds up
}

TEST(DialogTemplate, TemplatesHoldTheirItemsAndTitles)
{
    const CDialogTemplate dialog = CDialogTemplate::Load(10005);
    EXPECT_EQ(dialog.Width(), 190);
    EXPECT_EQ(dialog.Height(), 80);
    EXPECT_EQ(dialog.FontName(), "MS Sans Serif");
    EXPECT_EQ(dialog.PointSize(), 8);
    ASSERT_EQ(dialog.Items().size(), 5u);
    const auto records = dialog.ItemRecords(CDialogUnits(8, 16));
    EXPECT_EQ(records[0].id, 1);
    EXPECT_EQ(records[0].kind, DialogItemKind::kPushButton);
    EXPECT_EQ(records[0].frame, (PixelRect{20, 120, 128, 148}));
    EXPECT_EQ(records[3].kind, DialogItemKind::kStaticText);
    EXPECT_EQ(records[4].kind, DialogItemKind::kIcon);
    // An empty title gives the application's name.
    EXPECT_EQ(CDialogTemplate::Load(10000).WindowTitle("Quillet"), "Quillet");
    EXPECT_EQ(CDialogTemplate::Load(10003).WindowTitle("Quillet"), "Save changes before close?");
}

TEST(DialogTemplate, ReadsEveryKindFlagAndEscapeAndCutsLongTexts)
{
    const CDialogTemplate dialog = CDialogTemplate::Parse(
        "# comment\n"
        "size 100 50\r\n"
        "title \"Say \\\"hi\\\"\"\n"
        "font 10 \"Helv\"\n"
        "item 7 control 1 2 3 4 \"\" class \"msctls_trackbar32\" disabled\n"
        "item 8 checkbox 1 2 3 4 \"Scroll\"\n");
    EXPECT_EQ(dialog.Title(), "Say \"hi\"");
    ASSERT_EQ(dialog.Items().size(), 2u);
    EXPECT_EQ(dialog.Items()[0].kind, DialogItemKind::kClassNamed);
    EXPECT_EQ(dialog.Items()[0].className, "msctls_trackbar32");
    EXPECT_FALSE(dialog.Items()[0].enabled);
    EXPECT_EQ(dialog.Items()[1].kind, DialogItemKind::kCheckBox);
    EXPECT_TRUE(dialog.Items()[1].enabled);
    const auto cut = CDialogTemplate::Parse("size 1 1\nitem 1 static 0 0 1 1 \"" + std::string(300, 'x') + "\"\n");
    EXPECT_EQ(cut.Items()[0].text.size(), DialogItemRecord::kMaxTextLength);
}

TEST(DialogTemplate, MalformedOrMissingTemplatesAreRefused)
{
    const char* bad[] = {
        "",                                           // no size
        "size 10\n",                                  // size needs two numbers
        "size 10 10\nitem 1 button 0 0 1 1\n",        // unknown kind
        "size 10 10\nitem 1 static 0 0 1\n",          // too few numbers
        "size 10 10\nitem 1 static 0 0 -1 1\n",       // negative width
        "size 10 10\nitem 1 static 0 0 1 1 \"open\n", // unterminated text
        "size 10 10\nitem 1 static 0 0 1 1\nitem 1 edit 0 0 1 1\n",  // id twice
        "size 10 10\nitem 1 control 0 0 1 1\n",       // control without a class
        "size 10 10\nitem 70000 static 0 0 1 1\n",    // id out of range
        "size 10 10\nwhatever\n",
    };
    for (const char* text : bad)
        EXPECT_THROW(CDialogTemplate::Parse(text), XBadFormat) << text;
    EXPECT_THROW(CDialogTemplate::Load(4242), XNotFound);
}

}  // namespace
