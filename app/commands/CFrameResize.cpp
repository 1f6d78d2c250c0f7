#include "app/commands/CFrameResize.h"

#include <algorithm>

CFrameResize::Rect CFrameResize::Compute(const std::vector<Rect>& documents, const Rect& frame, int borderWidth,
                                         int borderHeight, const Rect& workArea)
{
    if (documents.empty())
        return frame;
    Rect all = documents.front();
    for (const Rect& document : documents) {
        all.left = std::min(all.left, document.left);
        all.top = std::min(all.top, document.top);
        all.right = std::max(all.right, document.right);
        all.bottom = std::max(all.bottom, document.bottom);
    }
    // The client area starts at 0, 0: it must reach the union's far edges.
    const int width = std::min(std::max(all.right, 0) + borderWidth, workArea.Width());
    const int height = std::min(std::max(all.bottom, 0) + borderHeight, workArea.Height());
    int left = frame.left;
    int top = frame.top;
    if (left + width > workArea.right)
        left = std::max(workArea.right - width, workArea.left);
    if (top + height > workArea.bottom)
        top = std::max(workArea.bottom - height, workArea.top);
    return {left, top, left + width, top + height};
}
