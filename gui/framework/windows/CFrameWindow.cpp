#include "gui/framework/windows/CFrameWindow.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QMdiArea>

#include "gui/framework/application/CApplication.h"
#include "gui/framework/application/UserSettings.h"
#include "gui/framework/windows/CModalWindows.h"

CFrameWindow::CFrameWindow(CApplication& application)
    : fApplication(application), fArea(new QMdiArea)
{
    setCentralWidget(fArea);
    setWindowTitle(QString::fromStdString(CLowLevelApplication::Name()));
    resize(800, 600);
    setAcceptDrops(true);
}

void CFrameWindow::RestorePlacement()
{
    const QSettings settings = UserSettings();
    const QByteArray placement = settings.value(QStringLiteral("MainFramePlacement")).toByteArray();
    if (!placement.isEmpty())
        restoreGeometry(placement);
    if (settings.value(QStringLiteral("StayOnTop"), false).toBool())
        setWindowFlag(Qt::WindowStaysOnTopHint, true);
}

void CFrameWindow::StorePlacement() const
{
    QSettings settings = UserSettings();
    settings.setValue(QStringLiteral("MainFramePlacement"), saveGeometry());
    settings.setValue(QStringLiteral("StayOnTop"),
                      windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

void CFrameWindow::closeEvent(QCloseEvent* event)
{
    // The main loop closes the documents and ends; nothing closes while a
    // modal window is up.
    event->ignore();
    if (!CModalWindows::AnyUp())
        fApplication.RequestQuit();
}

void CFrameWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls() && !CModalWindows::AnyUp())
        event->acceptProposedAction();
}

void CFrameWindow::dropEvent(QDropEvent* event)
{
    OpenDropped(event->mimeData()->urls());
    event->acceptProposedAction();
}

void CFrameWindow::OpenDropped(const QList<QUrl>& urls)
{
    if (CModalWindows::AnyUp())
        return;
    for (const QUrl& url : urls) {
        if (!url.isLocalFile())
            continue;
        CLowLevelApplication::RunGuarded(
            [&] { fApplication.OpenDocumentFile(url.toLocalFile().toLocal8Bit().toStdString()); });
    }
}
