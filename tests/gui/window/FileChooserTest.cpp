// The file dialogs as they start: the open dialog on the entry that shows
// every type it offers, both in the folder last chosen unless told otherwise.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileDialog>
#include <QSettings>

#include "framework/files/FileTypes.h"
#include "gui/framework/application/UserSettings.h"
#include "gui/window/CFileChooser.h"
#include "tests/support/FileTestSupport.h"

namespace {

class FileChooserTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UserSettings().setValue("LastFolder", QString::fromStdString(last.Path().string()));
    }
    void TearDown() override { UserSettings().remove("LastFolder"); }

    static std::string Folder(const QFileDialog& dialog) { return dialog.directory().absolutePath().toStdString(); }

    CTempFolder last;
    CTempFolder loop;
};

TEST_F(FileChooserTest, OpenDialogStartsOnEveryTypeInTheFolderLastUsed)
{
    const CFileTypeList types{&kAIFFFileType, &kWaveFileType, &kQuilletDocumentFileType};
    const auto dialog = CFileChooser::MakeOpenDialog(nullptr, "Open", types);
    const std::string all = types.QtFilters(true).back();
    EXPECT_EQ(all.rfind("All files (", 0), 0u);
    EXPECT_EQ(dialog->selectedNameFilter().toStdString(), all);
    EXPECT_EQ(Folder(*dialog), last.Path().string());
}

TEST_F(FileChooserTest, SaveDialogStartsInTheFolderGivenElseTheOneLastUsed)
{
    const CFileTypeList types{&kAIFFFileType, &kWaveFileType};
    const auto nextToLoop = CFileChooser::MakeSaveDialog(nullptr, "Export Sound", "Beat", types, loop.Path().string());
    EXPECT_EQ(Folder(*nextToLoop), loop.Path().string());
    EXPECT_EQ(nextToLoop->selectedFiles().value(0).toStdString(), (loop / "Beat").string());
    const auto lastUsed = CFileChooser::MakeSaveDialog(nullptr, "Save", "Beat", types, "");
    EXPECT_EQ(Folder(*lastUsed), last.Path().string());
    // A folder that is gone leaves the home folder.
    UserSettings().setValue("LastFolder", QString::fromStdString((last / "gone").string()));
    EXPECT_EQ(CFileChooser::LastFolder(), QDir::homePath().toStdString());
}

}  // namespace
