#include "app/window/CSplashScreen.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include "gui/graphics/CCanvas.h"

CSplashScreen::CSplashScreen(std::unique_ptr<CABCBitmap> picture, int minimumTicks, int maximumMilliseconds)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint),
      picture_(std::move(picture)),
      shownAt_(std::chrono::steady_clock::now()),
      minimumMilliseconds_(minimumTicks * 100 / 6)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFixedSize(picture_->GetWidth(), picture_->GetHeight());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    show();
    // Paint now: start-up goes on without returning to the event loop.
    repaint();
    QTimer::singleShot(maximumMilliseconds, this, [this] { hide(); });
}

CSplashScreen::~CSplashScreen() = default;

void CSplashScreen::Close()
{
    const auto shown = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - shownAt_);
    const auto left = minimumMilliseconds_ - shown.count();
    QTimer::singleShot(left > 0 ? static_cast<int>(left) : 0, this, [this] {
        hide();
        picture_.reset();
    });
}

void CSplashScreen::paintEvent(QPaintEvent*)
{
    if (!picture_)
        return;
    QPainter painter(this);
    CCanvas canvas(painter);
    canvas.DrawBitmap(*picture_, 0, 0);
}
