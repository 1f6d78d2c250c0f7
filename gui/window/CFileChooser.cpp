#include "gui/window/CFileChooser.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>

#include "framework/files/CFileType.h"
#include "gui/framework/application/UserSettings.h"
#include "gui/framework/windows/CModalWindows.h"

namespace {

constexpr const char* kLastFolderKey = "LastFolder";

QStringList Filters(const CFileTypeList& types, bool withAllFiles)
{
    QStringList filters;
    for (const std::string& filter : types.QtFilters(withAllFiles))
        filters << QString::fromStdString(filter);
    return filters;
}

}  // namespace

std::string CFileChooser::LastFolder()
{
    const QString folder = UserSettings().value(QString::fromLatin1(kLastFolderKey)).toString();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return QDir::homePath().toStdString();
    return folder.toStdString();
}

bool CFileChooser::Run(QFileDialog& dialog)
{
    // The dialog may be drawn outside Qt's view of modal windows: the program counts it itself.
    const CModalWindows::CScope modal;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    UserSettings().setValue(QString::fromLatin1(kLastFolderKey),
                                              QFileInfo(dialog.selectedFiles().front()).absolutePath());
    return true;
}

std::unique_ptr<QFileDialog> CFileChooser::MakeOpenDialog(QWidget* parent, const std::string& title,
                                                          const CFileTypeList& types)
{
    auto dialog = std::make_unique<QFileDialog>(parent, QString::fromStdString(title),
                                                QString::fromStdString(LastFolder()));
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    const QStringList filters = Filters(types, true);
    dialog->setNameFilters(filters);
    // The last entry shows every type offered.
    dialog->selectNameFilter(filters.back());
    return dialog;
}

std::unique_ptr<QFileDialog> CFileChooser::MakeSaveDialog(QWidget* parent, const std::string& title,
                                                          const std::string& suggestedName,
                                                          const CFileTypeList& types, const std::string& folder)
{
    const QString start = QString::fromStdString(folder.empty() ? LastFolder() : folder);
    auto dialog = std::make_unique<QFileDialog>(parent, QString::fromStdString(title), start);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilters(Filters(types, false));
    dialog->selectFile(QDir(start).filePath(QString::fromStdString(suggestedName)));
    return dialog;
}

std::optional<std::string> CFileChooser::AskToOpen(QWidget* parent, const std::string& title,
                                                   const CFileTypeList& types)
{
    const std::unique_ptr<QFileDialog> dialog = MakeOpenDialog(parent, title, types);
    if (!Run(*dialog))
        return std::nullopt;
    return dialog->selectedFiles().front().toStdString();
}

std::optional<CFileChooser::Choice> CFileChooser::AskToSave(QWidget* parent, const std::string& title,
                                                           const std::string& suggestedName,
                                                           const CFileTypeList& types, const std::string& folder)
{
    const std::unique_ptr<QFileDialog> dialog = MakeSaveDialog(parent, title, suggestedName, types, folder);
    if (!Run(*dialog))
        return std::nullopt;
    const std::string path = dialog->selectedFiles().front().toStdString();
    const std::string selected = dialog->selectedNameFilter().toStdString();
    const std::vector<std::string> filters = types.QtFilters(false);
    const CFileType* type = types.Types().front();
    for (std::size_t i = 0; i < filters.size(); ++i)
        if (selected == filters[i])
            type = types.Types()[i];
    CFileSpec file(path);
    if (file.Extension().empty())
        file = CFileSpec(path + type->ExtensionList().front());
    // A typed extension of an offered type wins over the filter, so that
    // "Beat.wav" holds WAV whatever filter was showing.
    for (const CFileType* offered : types.Types())
        if (offered->Matches(file.Extension()))
            type = offered;
    return Choice{file, type};
}
