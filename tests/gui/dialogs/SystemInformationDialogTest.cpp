// Help > System Information shows the text and puts it on the clipboard.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>

#include "gui/dialogs/CSystemInformationDialog.h"

TEST(SystemInformationDialog, ShowsTheTextAndCopiesIt)
{
    const std::string text = "System Information\n\nProcessor:\n  One\n";
    CSystemInformationDialog dialog(text);
    EXPECT_EQ(dialog.ShownText(), text);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), text);
}
