#pragma once
// The application's frame: a main window whose inside is the area holding the
// document windows. Closing it asks the application to quit.
#include <QMainWindow>

class CApplication;
class QMdiArea;

class CFrameWindow : public QMainWindow {
public:
    explicit CFrameWindow(CApplication& application);

    QMdiArea& Area() const { return *fArea; }

    // Placement and stay-on-top, kept in the per-user settings.
    void RestorePlacement();
    void StorePlacement() const;
    // Files dropped on the frame go to the application's open operation.
    void OpenDropped(const QList<QUrl>& urls);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    CApplication& fApplication;
    QMdiArea* fArea;
};
