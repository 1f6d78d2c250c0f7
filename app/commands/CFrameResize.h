#pragma once
// Resize Application Window to Documents: the frame size whose client area
// just shows every visible document window, kept on the screen.
#include <vector>

#include "framework/dialogs/DialogItemRecord.h"

class CFrameResize {
public:
    using Rect = PixelRect;

    // documents: visible, non-minimized document windows in the client
    // area's coordinates. frame: the frame's outer rectangle on the screen.
    // border: frame size minus client size. workArea: the usable screen.
    static Rect Compute(const std::vector<Rect>& documents, const Rect& frame, int borderWidth, int borderHeight,
                        const Rect& workArea);
};
