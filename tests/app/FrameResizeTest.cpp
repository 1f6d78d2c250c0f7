#include "app/commands/CFrameResize.h"

#include <gtest/gtest.h>

using Rect = CFrameResize::Rect;

TEST(CFrameResize, FrameFitsTheDocumentsClippedToTheScreenOrStaysWithoutAny)
{
    struct Case {
        std::vector<Rect> documents;
        Rect frame;
        int borderWidth, borderHeight;
        Rect expected;
    };
    const Case cases[] = {
        {{{10, 10, 300, 200}, {50, 100, 400, 350}}, {100, 50, 900, 650}, 8, 60, {100, 50, 508, 460}},
        // Too large: clipped and moved onto the screen.
        {{{0, 0, 2000, 300}}, {600, 700, 1000, 900}, 10, 50, {0, 450, 1280, 800}},
        {{}, {1, 2, 3, 4}, 0, 0, {1, 2, 3, 4}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CFrameResize::Compute(c.documents, c.frame, c.borderWidth, c.borderHeight, {0, 0, 1280, 800}), c.expected);
}
