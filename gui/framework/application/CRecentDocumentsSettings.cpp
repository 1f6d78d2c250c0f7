#include "gui/framework/application/CRecentDocumentsSettings.h"

#include <QStringList>

#include "gui/framework/application/UserSettings.h"

namespace {
const QString kKey = QStringLiteral("RecentDocuments");
}  // namespace

CRecentDocuments CRecentDocumentsSettings::Load()
{
    const QStringList paths = UserSettings().value(kKey).toStringList();
    CRecentDocuments documents;
    // Added oldest first, so the most recent ends first.
    for (auto path = paths.crbegin(); path != paths.crend(); ++path) {
        if (!path->isEmpty())
            documents.Add(CFileSpec(path->toLocal8Bit().toStdString()));
    }
    return documents;
}

void CRecentDocumentsSettings::Store(const CRecentDocuments& documents)
{
    QStringList paths;
    for (std::size_t i = 0; i < documents.Count(); ++i)
        paths.append(QString::fromLocal8Bit(documents[i].FullPath().c_str()));
    UserSettings().setValue(kKey, paths);
}
