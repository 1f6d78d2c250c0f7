#include "app/window/CWebBrowser.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>
#include <cstdlib>

bool CWebBrowser::IsInstalled()
{
    if (const char* browser = std::getenv("BROWSER"); browser != nullptr && *browser != '\0')
        return true;
    QProcess query;
    query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"),
                                             QStringLiteral("x-scheme-handler/https")});
    if (!query.waitForFinished(2000)) {
        query.kill();
        query.waitForFinished(500);
        return false;
    }
    return query.exitCode() == 0 && !query.readAllStandardOutput().trimmed().isEmpty();
}

bool CWebBrowser::OpenAddress(const std::string& address)
{
    return QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
}

bool CWebBrowser::OpenFile(const std::string& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}
