#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/alerts/Alerts.h"
#include "framework/resources/AlertDefinition.h"
#include "framework/resources/CAlertLayout.h"
#include "framework/resources/ResourceScripts.h"
#include "resources/CaravelResources.h"

TEST(AlertScript, LocatorQuestionHasTwoButtonsWithYesAsDefault)
{
    const AlertDefinition alert = ParseAlertScript(GetAlertScript(Res::kAlertMoveLeftLocator));
    EXPECT_EQ(alert.kind, kAlertKindNote);
    EXPECT_EQ(alert.title, "");
    EXPECT_EQ(alert.message, "Do you want to move the left locator to the first slice point?");
    ASSERT_EQ(alert.buttonCount, 2);

    const CAlertLayout layout(alert);
    EXPECT_EQ(layout.ButtonLabel(1), "Yes");
    EXPECT_EQ(layout.ButtonCode(1), 33);
    EXPECT_EQ(layout.ButtonLabel(2), "No");
    EXPECT_EQ(layout.ButtonCode(2), 34);
    EXPECT_FALSE(layout.HasItem(3));
    EXPECT_EQ(layout.DefaultButton(), 1);
    // The pair is centred: both move right by 29 units.
    EXPECT_EQ(layout.ItemRect(1), (AlertRect{39, 60, 54, 14}));
    EXPECT_EQ(layout.ItemRect(2), (AlertRect{97, 60, 54, 14}));
    EXPECT_EQ(layout.SystemIcon(), CAlertLayout::kInformationIcon);
}

TEST(AlertScript, FileExistsShowsCancelAtTheLeftAsDefault)
{
    const AlertDefinition alert = ParseAlertScript(GetAlertScript(Res::kAlertFileExists), CAlertArguments("Funky #002.aif"));
    EXPECT_EQ(alert.kind, kAlertKindWarning);
    EXPECT_EQ(alert.title, "The file already exists!");
    ASSERT_EQ(alert.buttonCount, 3);

    const CAlertLayout layout(alert);
    EXPECT_EQ(layout.ButtonLabel(1), "Cancel");
    EXPECT_EQ(layout.ButtonCode(1), 33);
    EXPECT_EQ(layout.ButtonLabel(2), "Replace All");
    EXPECT_EQ(layout.ButtonCode(2), 34);
    EXPECT_EQ(layout.ButtonLabel(3), "Replace");
    EXPECT_EQ(layout.ButtonCode(3), 35);
    EXPECT_EQ(layout.ItemRect(1), (AlertRect{10, 60, 54, 14}));
    EXPECT_EQ(layout.ItemRect(3), (AlertRect{126, 60, 54, 14}));
    EXPECT_EQ(layout.Text().rfind("The file already exists! There is already a file by the name \"Funky #002.aif\".", 0), 0u);
    EXPECT_EQ(layout.SystemIcon(), CAlertLayout::kExclamationIcon);
}

TEST(AlertScript, ArgumentsAreCleanedOfBracketsAndCircumflex)
{
    CAlertArguments arguments;
    arguments.Add("x[Evil]^1y");
    arguments.Add("second");
    const AlertDefinition alert = ParseAlertScript("[STOP]Name ^0, then ^1.[OK]", arguments);
    EXPECT_EQ(alert.message, "Name x(Evil)~1y, then second.");
    EXPECT_EQ(alert.buttonCount, 1);
    EXPECT_EQ(alert.buttons[0], "OK");
}

TEST(AlertScript, ArgumentsAreLimitedInLengthAndNumber)
{
    CAlertArguments arguments;
    for (int i = 0; i < 6; ++i)
        arguments.Add(std::string(100, static_cast<char>('a' + i)));
    ASSERT_EQ(arguments.Count(), 4u);
    EXPECT_EQ(arguments[0], std::string(64, 'a'));
}

TEST(AlertScript, EmptyScriptGivesOneUnlabelledButtonReturning33)
{
    const AlertDefinition alert = ParseAlertScript("");
    EXPECT_EQ(alert.kind, kAlertKindNone);
    EXPECT_EQ(alert.buttonCount, 0);

    const CAlertLayout layout(alert);
    EXPECT_EQ(layout.ButtonCount(), 1);
    EXPECT_EQ(layout.ButtonLabel(1), "");
    EXPECT_EQ(layout.ButtonCode(1), 33);
    EXPECT_EQ(layout.ItemRect(1), (AlertRect{68, 60, 54, 14}));
    EXPECT_EQ(layout.Text(), " ");
    // No icon: the text starts at the icon's left edge and keeps its right edge.
    EXPECT_EQ(layout.SystemIcon(), CAlertLayout::kNoIcon);
    EXPECT_EQ(layout.ItemRect(CAlertLayout::kTextItem), (AlertRect{10, 10, 170, 44}));
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

TEST(AlertLayout, ArrowKeysWalkTheButtonsAndWrap)
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
}

TEST(AlertLayout, ReturnAndEnterPressTheDefaultAndEscapeNothing)
{
    const CAlertLayout layout(ParseAlertScript("[STOP]x[Cancel][OK]"));
    EXPECT_EQ(layout.PressedByKey(AlertKey::Return), 1);
    EXPECT_EQ(layout.PressedByKey(AlertKey::Enter), 1);
    EXPECT_EQ(layout.PressedByKey(AlertKey::Escape), CAlertLayout::kNoItem);
    EXPECT_EQ(layout.ButtonCode(layout.PressedByKey(AlertKey::Return)), 33);
    EXPECT_EQ(layout.SystemIcon(), CAlertLayout::kStopIcon);
    EXPECT_EQ(layout.ItemRect(CAlertLayout::kTextItem), (AlertRect{37, 10, 143, 44}));
}

TEST(AlertScript, AlertLineFillsBothNamesOfTheRefusedSCSIDevice)
{
    CAlertArguments names("/dev/sg2");
    names.Add("disk");
    EXPECT_EQ(AlertLine(Res::kAlertSCSIAccessDenied, names),
              "SCSI device not accessible! You may not use the SCSI device \"/dev/sg2\". Please ask your administrator "
              "to add you to the group \"disk\", then log in again.");
}
