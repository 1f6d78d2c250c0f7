#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/alerts/Alerts.h"
#include "framework/resources/AlertDefinition.h"
#include "framework/resources/CAlertLayout.h"
#include "framework/resources/ResourceScripts.h"
#include "resources/CaravelResources.h"

TEST(AlertLayout, ButtonsRunFromTheLastWrittenAtTheLeftCentredUnderTheText)
{
    struct Case {
        std::string script;
        std::vector<std::string> labels;  // left to right, answering 33, 34, 35
        int firstLeft;                    // in dialog units; buttons are 54 × 14, 4 apart
        int icon;
        AlertRect text;
    };
    const Case cases[] = {
        {GetAlertScript(Res::kAlertMoveLeftLocator), {"Yes", "No"}, 39, CAlertLayout::kInformationIcon, {37, 10, 143, 44}},
        {GetAlertScript(Res::kAlertFileExists), {"Cancel", "Replace All", "Replace"}, 10, CAlertLayout::kExclamationIcon,
         {37, 10, 143, 44}},
        {"[STOP]x[Cancel][OK]", {"OK", "Cancel"}, 39, CAlertLayout::kStopIcon, {37, 10, 143, 44}},
        // No buttons written: one unlabelled; no icon: the text starts at the icon's left edge.
        {"", {""}, 68, CAlertLayout::kNoIcon, {10, 10, 170, 44}},
    };
    for (const Case& c : cases) {
        const CAlertLayout layout(ParseAlertScript(c.script));
        ASSERT_EQ(layout.ButtonCount(), static_cast<int>(c.labels.size())) << c.script;
        for (int item = CAlertLayout::kButton1; item <= layout.ButtonCount(); ++item) {
            EXPECT_EQ(layout.ButtonLabel(item), c.labels[static_cast<std::size_t>(item - 1)]) << c.script;
            EXPECT_EQ(layout.ButtonCode(item), 32 + item) << c.script;
            EXPECT_EQ(layout.ItemRect(item), (AlertRect{c.firstLeft + 58 * (item - 1), 60, 54, 14})) << c.script;
        }
        EXPECT_EQ(layout.HasItem(3), layout.ButtonCount() == 3) << c.script;
        EXPECT_EQ(layout.DefaultButton(), 1);
        EXPECT_EQ(layout.SystemIcon(), c.icon) << c.script;
        EXPECT_EQ(layout.ItemRect(CAlertLayout::kTextItem), c.text) << c.script;
    }
    EXPECT_EQ(CAlertLayout(ParseAlertScript("")).Text(), " ");
}

TEST(AlertScript, ArgumentsAreCleanedOfBracketsAndCircumflex)
{
    CAlertArguments arguments;
    arguments.Add("x[Evil]^1y");
    arguments.Add("second");
    const AlertDefinition alert = ParseAlertScript("[STOP]Name ^0, then ^1.[OK]", arguments);
    EXPECT_EQ(alert.message, "Name x(Evil)~1y, then second.");
    // The title leads the text of the box.
    const CAlertLayout exists(ParseAlertScript(GetAlertScript(Res::kAlertFileExists), CAlertArguments("Funky #002.aif")));
    EXPECT_EQ(exists.Text().rfind("The file already exists! There is already a file by the name \"Funky #002.aif\".", 0), 0u);
}

TEST(AlertScript, ArgumentsAreLimitedInLengthAndNumber)
{
    CAlertArguments arguments;
    for (int i = 0; i < 6; ++i)
        arguments.Add(std::string(100, static_cast<char>('a' + i)));
    ASSERT_EQ(arguments.Count(), 4u);
    EXPECT_EQ(arguments[0], std::string(64, 'a'));
}

TEST(AlertScript, ParsesKindTitleMessageAndButtons)
{
    struct Case {
        const char* script;
        AlertKind kind;
        const char* title;
        const char* message;
        std::vector<std::string> buttons;
    };
    const Case cases[] = {
        // Scripts shorter than the tag are not read past their end.
        {"[", kAlertKindNone, "", "", {}},
        {"[NOTE", kAlertKindNone, "", "", {}},
        {"[ST", kAlertKindNone, "", "", {}},
        {"ab", kAlertKindNone, "", "", {}},
        // Only the first occurrence of a marker is replaced.
        {"[NOTE]^0 and ^0 and ^2[OK]", kAlertKindNote, "", "A and ^0 and ^2", {"OK"}},
        // More than three buttons keep the last three, last first.
        {"[WARN]Pick one[A][B][C][D]", kAlertKindWarning, "", "Pick one", {"D", "C", "B"}},
        {"[STOP][\r\nTitle\r]\r\nFirst\rSecond\n\r[OK]", kAlertKindStop, "Title", "First\rSecond", {"OK"}},
        // An unknown tag gives no icon but still skips six characters.
        {"[HELP]Text[OK]", kAlertKindNone, "", "Text", {"OK"}},
        // An unclosed title or button runs to the end.
        {"[NOTE][Title only", kAlertKindNote, "Title only", "", {}},
        {"[NOTE]Text[OK", kAlertKindNote, "", "Text", {"OK"}},
    };
    for (const Case& c : cases) {
        const AlertDefinition alert = ParseAlertScript(c.script, CAlertArguments("A"));
        EXPECT_EQ(alert.kind, c.kind) << c.script;
        EXPECT_EQ(alert.title, c.title) << c.script;
        EXPECT_EQ(alert.message, c.message) << c.script;
        EXPECT_EQ(std::vector<std::string>(alert.buttons.begin(), alert.buttons.begin() + alert.buttonCount), c.buttons) << c.script;
    }
}

TEST(AlertLayout, ArrowKeysWalkTheButtonsAndWrapReturnAndEnterPressTheDefault)
{
    const CAlertLayout three(ParseAlertScript("[NOTE]x[A][B][C]"));
    EXPECT_EQ(three.InitialFocus(), 1);
    EXPECT_EQ(three.MoveFocus(1, AlertKey::Left), 3);
    EXPECT_EQ(three.MoveFocus(3, AlertKey::Left), 2);
    EXPECT_EQ(three.MoveFocus(2, AlertKey::Left), 1);
    EXPECT_EQ(three.MoveFocus(1, AlertKey::Right), 2);
    EXPECT_EQ(three.MoveFocus(3, AlertKey::Right), 1);
    const CAlertLayout two(ParseAlertScript("[NOTE]x[No][Yes]"));
    EXPECT_EQ(two.MoveFocus(2, AlertKey::Right), 1);
    EXPECT_EQ(two.MoveFocus(1, AlertKey::Left), 2);
    const CAlertLayout one(ParseAlertScript("[NOTE]x[OK]"));
    EXPECT_EQ(one.MoveFocus(1, AlertKey::Left), 1);
    EXPECT_EQ(one.MoveFocus(1, AlertKey::Right), 1);
    EXPECT_EQ(two.PressedByKey(AlertKey::Return), 1);
    EXPECT_EQ(two.PressedByKey(AlertKey::Enter), 1);
    EXPECT_EQ(two.PressedByKey(AlertKey::Escape), CAlertLayout::kNoItem);
}

TEST(AlertScript, AlertLineFillsBothNamesOfTheRefusedSCSIDevice)
{
    CAlertArguments names("/dev/sg2");
    names.Add("disk");
    EXPECT_EQ(AlertLine(Res::kAlertSCSIAccessDenied, names),
              "SCSI device not accessible! You may not use the SCSI device \"/dev/sg2\". Please ask your administrator "
              "to add you to the group \"disk\", then log in again.");
}
