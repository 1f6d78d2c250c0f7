#include "gui/window/CFileChooser.h"

#include <QFileDialog>
#include <QStringList>

#include "framework/files/CFileType.h"

namespace {

QString JoinedFilters(const CFileTypeList& types, bool withAllFiles)
{
    QStringList filters;
    for (const std::string& filter : types.QtFilters(withAllFiles))
        filters << QString::fromStdString(filter);
    return filters.join(QStringLiteral(";;"));
}

}  // namespace

std::optional<std::string> CFileChooser::AskToOpen(QWidget* parent, const std::string& title,
                                                   const CFileTypeList& types)
{
    const QString path =
        QFileDialog::getOpenFileName(parent, QString::fromStdString(title), QString(), JoinedFilters(types, true));
    if (path.isEmpty())
        return std::nullopt;
    return path.toStdString();
}

std::optional<CFileChooser::Choice> CFileChooser::AskToSave(QWidget* parent, const std::string& title,
                                                           const std::string& suggestedName,
                                                           const CFileTypeList& types)
{
    QString selected;
    const QString path = QFileDialog::getSaveFileName(parent, QString::fromStdString(title),
                                                      QString::fromStdString(suggestedName),
                                                      JoinedFilters(types, false), &selected);
    if (path.isEmpty())
        return std::nullopt;
    const std::vector<std::string> filters = types.QtFilters(false);
    const CFileType* type = types.Types().front();
    for (std::size_t i = 0; i < filters.size(); ++i)
        if (selected.toStdString() == filters[i])
            type = types.Types()[i];
    CFileSpec file(path.toStdString());
    if (file.Extension().empty())
        file = CFileSpec(path.toStdString() + type->ExtensionList().front());
    return Choice{file, type};
}
