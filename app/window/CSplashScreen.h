#pragma once
// The start-up picture: a borderless window in the middle of the screen
// showing a bitmap. It stays at least minimumTicks (1/60 s) on screen so it
// does not just flash, and goes away by itself after maximumMilliseconds;
// closing it never makes start-up wait.
#include <QWidget>
#include <chrono>
#include <memory>

#include "gui/graphics/CABCBitmap.h"

class CSplashScreen : public QWidget {
public:
    CSplashScreen(std::unique_ptr<CABCBitmap> picture, int minimumTicks, int maximumMilliseconds);
    ~CSplashScreen() override;

    // Hides the window and frees the picture once its minimum time is over.
    void Close();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::unique_ptr<CABCBitmap> picture_;
    std::chrono::steady_clock::time_point shownAt_;
    int minimumMilliseconds_;
};
