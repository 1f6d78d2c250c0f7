#pragma once
// Resize Application Window to Documents: the frame size whose client area
// just shows every visible document window, kept on the screen.
#include <vector>

class CFrameResize {
public:
    struct Rect {
        int left = 0;
        int top = 0;
        int right = 0;
        int bottom = 0;

        int Width() const { return right - left; }
        int Height() const { return bottom - top; }
        friend bool operator==(const Rect&, const Rect&) = default;
    };

    // documents: visible, non-minimized document windows in the client
    // area's coordinates. frame: the frame's outer rectangle on the screen.
    // border: frame size minus client size. workArea: the usable screen.
    static Rect Compute(const std::vector<Rect>& documents, const Rect& frame, int borderWidth, int borderHeight,
                        const Rect& workArea);
};
