#pragma once
// The Windows menu's arrangements of the document windows inside the frame:
// cascade, tile one above the other, tile side by side, and fitting the
// frame around the documents. Minimized and hidden windows stay where they are.
#include <vector>

class QMainWindow;
class QMdiArea;
class QMdiSubWindow;

class CWindowArranger {
public:
    explicit CWindowArranger(QMdiArea& area) : area_(area) {}

    void Cascade();
    void TileHorizontally();
    void TileVertically();
    void ResizeFrameToDocuments(QMainWindow& frame);

    // Visible, non-minimized document windows, in the area's order.
    std::vector<QMdiSubWindow*> ShownWindows() const;

private:
    void Tile(bool aboveEachOther);

    QMdiArea& area_;
};
