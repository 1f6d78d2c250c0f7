#include "app/commands/CFrameResize.h"

#include <gtest/gtest.h>

using Rect = CFrameResize::Rect;

TEST(CFrameResize, FrameFitsTheUnionOfTheDocuments)
{
    const Rect result = CFrameResize::Compute({{10, 10, 300, 200}, {50, 100, 400, 350}}, {100, 50, 900, 650}, 8, 60,
                                              {0, 0, 1280, 800});
    EXPECT_EQ(result, (Rect{100, 50, 508, 460}));
}

TEST(CFrameResize, TooLargeIsClippedAndMovedOntoTheScreen)
{
    const Rect result =
        CFrameResize::Compute({{0, 0, 2000, 300}}, {600, 700, 1000, 900}, 10, 50, {0, 0, 1280, 800});
    EXPECT_EQ(result, (Rect{0, 450, 1280, 800}));
}

TEST(CFrameResize, NoDocumentsKeepsTheFrame)
{
    EXPECT_EQ(CFrameResize::Compute({}, {1, 2, 3, 4}, 0, 0, {0, 0, 100, 100}), (Rect{1, 2, 3, 4}));
}
