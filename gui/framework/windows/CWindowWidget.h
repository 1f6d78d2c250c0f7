#pragma once
// The Qt widget of a framework window: draws the view tree and hands every
// event to its CABCWindow.
#include <QWidget>

class CABCWindow;

class CWindowWidget : public QWidget {
public:
    explicit CWindowWidget(CABCWindow& window);

    // Hands a key press or release to `window`; answers whether it was used up.
    static bool ForwardKey(CABCWindow& window, QKeyEvent* event);
    // The size the window's views were laid out for.
    QSize sizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool PassedUpFromControl() const;

    CABCWindow& fWindow;
};
