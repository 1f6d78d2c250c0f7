// The document views driven by mouse events over a scripted window: locator
// handles, ruler clicks, magnifying drags, playback following, marker clicks
// and drags, and what the waveform view puts on screen.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "document/views/CLocatorRules.h"
#include "document/views/CVisibleRange.h"
#include "document/views/CWaveformPalette.h"
#include "gui/framework/views/CWindowRootGroupView.h"
#include "gui/framework/windows/CABCWindow.h"
#include "gui/views/CRangeScaleView.h"
#include "gui/views/CRangeScrollBarView.h"
#include "gui/views/CSampleSliceView.h"
#include "gui/views/CSliceMarkerBitmaps.h"
#include "gui/views/CSliceView.h"
#include "slicing/CSliceList.h"
#include "sound/WAVE_SAMPLE.h"

namespace {

constexpr std::int64_t kFrames = 64000;
constexpr int kWidth = 640;  // 100 frames per pixel over the whole sound

class ScriptedWindow : public CABCLoopViewHost {
public:
    ScriptedWindow() : sound_("Loop", 44100, kFrames), range_(kFrames) { slices_.Reset(kFrames); }

    const WAVE_SAMPLE& Sound() const override { return sound_; }
    const CSliceList& Slices() const override { return slices_; }
    CVisibleRange& Range() override { return range_; }
    Look ViewLook() const override { return {}; }
    bool IsPenTool() const override { return pen; }
    std::int64_t PlayPosition() const override { return playPosition; }
    void ClickWaveform(std::int64_t frame, bool) override { clicks.push_back(frame); }
    void ClickMarker(int index, bool) override { markerClicks.push_back(index); }
    std::int64_t DragMarker(int index, std::int64_t frame, bool) override
    {
        slices_.Entry(index).position = static_cast<std::uint32_t>(frame);
        return frame;
    }
    void SelectMarkers(std::int64_t from, std::int64_t to) override { selected = {from, to}; }
    bool MoveLeftLocator(std::int64_t frame) override
    {
        const auto left = CLocatorRules::ClickLeft(frame, sound_.LoopEnd());
        if (left)
            sound_.SetLoopStart(static_cast<std::int32_t>(*left));
        return left.has_value();
    }
    bool MoveRightLocator(std::int64_t frame) override
    {
        const auto right = CLocatorRules::ClickRight(frame, sound_.LoopStart(), kFrames);
        if (right)
            sound_.SetLoopEnd(static_cast<std::int32_t>(*right));
        return right.has_value();
    }
    void ViewsChanged() override { ++changes; }

    WAVE_SAMPLE& MutableSound() { return sound_; }
    void AddLockedPoint(std::uint32_t position) { slices_.Insert(position)->state = CSlice::kLocked; }

    bool pen = false;
    std::int64_t playPosition = 0;
    std::vector<std::int64_t> clicks;
    std::vector<int> markerClicks;
    std::optional<std::pair<std::int64_t, std::int64_t>> selected;
    int changes = 0;

private:
    WAVE_SAMPLE sound_;
    CSliceList slices_;
    CVisibleRange range_;
};

CMouseEvent At(int x, std::uint32_t modifiers = 0)
{
    return {x, 5, modifiers, false};
}

void Drag(CView& view, int from, int to, std::uint32_t modifiers = 0)
{
    if (view.MouseDown(At(from, modifiers))) {
        view.TrackMouse(At(to, modifiers));
        view.MouseReleased(At(to, modifiers));
    }
}

QImage Render(CView& view)
{
    QImage image(view.GetFrame().Width(), view.GetFrame().Height(), QImage::Format_RGB32);
    QPainter painter(&image);
    view.Draw(painter);
    return image;
}

int ColumnsWithColor(const QImage& image, QRgb color)
{
    int columns = 0;
    for (int x = 0; x < image.width(); ++x)
        columns += image.pixel(x, image.height() / 4) == color;
    return columns;
}

}  // namespace

TEST(RangeScaleView, DraggedHandlesStop256FramesApartAndDragsOrShiftOrCtrlClicksSnap)
{
    ScriptedWindow window;
    CRangeScaleView ruler(nullptr, {0, 0, kWidth, 20}, window);
    Drag(ruler, 0, kWidth - 1);
    EXPECT_EQ(window.Sound().LoopStart(), kFrames - 256);
    Drag(ruler, kWidth - 1, 0);  // both handles under the mouse: the right one is taken
    EXPECT_EQ(window.Sound().LoopEnd(), kFrames - 256 + 256);
    EXPECT_EQ(window.Sound().LoopStart(), kFrames - 256);
    // Shift and Ctrl clicks move the locators to the snapped frame.
    window.AddLockedPoint(10000);
    window.AddLockedPoint(30000);
    ruler.MouseDown(At(110, Qt::ShiftModifier));  // frame 11000 snaps to 10000
    EXPECT_EQ(window.Sound().LoopStart(), 10000);
    ruler.MouseDown(At(110, Qt::ShiftModifier | Qt::AltModifier));
    EXPECT_EQ(window.Sound().LoopStart(), 11000);
    ruler.MouseDown(At(280, Qt::ControlModifier));  // 28000 snaps to 30000
    EXPECT_EQ(window.Sound().LoopEnd(), 30000);
    // Too near the right locator: nothing changes.
    const int changes = window.changes;
    ruler.MouseDown(At(299, Qt::ShiftModifier | Qt::AltModifier));
    EXPECT_EQ(window.Sound().LoopStart(), 11000);
    EXPECT_EQ(window.changes, changes);
    // A dragged handle snaps the same way unless Alt is held.
    Drag(ruler, 110, 60);  // 6000 snaps to 10000
    EXPECT_EQ(window.Sound().LoopStart(), 10000);
    Drag(ruler, 100, 60, Qt::AltModifier);
    EXPECT_EQ(window.Sound().LoopStart(), 6000);
    Drag(ruler, 300, 560);  // 56000 snaps to the end
    EXPECT_EQ(window.Sound().LoopEnd(), kFrames);
}

TEST(SampleSliceView, CtrlDragShowsTheDraggedRangeAndCtrlClicksZoom)
{
    ScriptedWindow window;
    CSampleSliceView view(nullptr, {0, 0, kWidth, 100}, window);
    Drag(view, 100, 199, Qt::ControlModifier);
    EXPECT_EQ(window.Range().Start(), 10000);
    EXPECT_EQ(window.Range().End(), 20000);
    EXPECT_FALSE(view.IsDragging());
    // A click without movement: half the range centred on the click.
    Drag(view, 320, 320, Qt::ControlModifier);
    EXPECT_EQ(window.Range().Start(), 12500);
    EXPECT_EQ(window.Range().End(), 17500);
    view.MouseDown(At(0, Qt::ControlModifier | Qt::AltModifier));
    EXPECT_EQ(window.Range().Length(), 10000);
    EXPECT_TRUE(window.clicks.empty());
    view.MouseDown(At(64));
    ASSERT_EQ(window.clicks.size(), 1u);
    EXPECT_EQ(window.clicks[0], window.Range().Start() + 1000);
}

TEST(SampleSliceView, FollowsThePlayPositionOnlyWhenAsked)
{
    ScriptedWindow window;
    CSampleSliceView view(nullptr, {0, 0, kWidth, 100}, window);
    window.Range().Show(0, 10000);
    window.playPosition = 30000;
    view.FollowPlayback(false);
    EXPECT_EQ(window.Range().Start(), 0);
    view.FollowPlayback(true);
    EXPECT_EQ(window.Range().Start(), 29000);
    EXPECT_EQ(window.Range().Length(), 10000);
}

TEST(SampleSliceView, LocatorsAreDrawnOnlyInsideTheShownRange)
{
    ScriptedWindow window;
    window.MutableSound().SetLoop(20000, 40000, true);
    window.playPosition = -1;
    CSampleSliceView view(nullptr, {0, 0, kWidth, 100}, window);
    const RGBColor16 locator16 = CWaveformPalette(CABCLoopViewHost::Look{}.waveform, 50).LocatorColor();
    const RGBColor locator = CWaveformPalette::ToEightBit(locator16);
    const QRgb color = qRgb(locator.red, locator.green, locator.blue);
    const QImage whole = Render(view);
    EXPECT_EQ(whole.pixel(200, 25), color);
    EXPECT_EQ(whole.pixel(400, 25), color);
    EXPECT_EQ(ColumnsWithColor(whole, color), 2);
    window.Range().Show(0, 10000);
    EXPECT_EQ(ColumnsWithColor(Render(view), color), 0);
}

TEST(SliceView, ClicksHitMarkersAndRectanglesSelectFrameRanges)
{
    ScriptedWindow window;
    window.AddLockedPoint(20000);
    CSliceView strip(nullptr, {0, 0, kWidth, 16}, window);
    strip.MouseDown(At(205));
    strip.MouseReleased(At(205));
    EXPECT_EQ(window.markerClicks, std::vector<int>{0});
    // Dragging the marker moves it.
    Drag(strip, 200, 300);
    EXPECT_EQ(window.Slices().Entry(0).position, 30000u);
    Drag(strip, 500, 450);
    ASSERT_TRUE(window.selected.has_value());
    EXPECT_EQ(window.selected->first, 45000);
    EXPECT_EQ(window.selected->second, 50100);
}

TEST(SliceMarkerBitmaps, SixPicturesOfOneSizeWithTransparentCorners)
{
    const CSliceMarkerBitmaps& markers = CSliceView::Markers();
    CSlice slice;
    for (const std::uint32_t state : {CSlice::kNormal, CSlice::kHidden, CSlice::kLocked}) {
        for (const std::uint8_t selected : {0, 1}) {
            slice.state = state;
            slice.selected = selected;
            const QImage& image = markers.For(slice);
            EXPECT_EQ(image.size(), QSize(markers.Width(), markers.Height()));
            EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
            EXPECT_EQ(qAlpha(image.pixel(markers.Width() / 2, markers.Height() / 2)), 255);
        }
    }
}

TEST(RangeScrollBarView, ArrowsMoveATenthPagesAWholeLengthAndTheThumbSetsTheStart)
{
    ScriptedWindow host;
    host.Range().Show(0, 10000);
    CABCWindow window;
    CRangeScrollBarView scrollBar(&window.Root(), {0, 0, kWidth, 16}, host);
    auto& bar = static_cast<QScrollBar&>(scrollBar.Widget());
    // The thumb is as long as the range is against the sound.
    EXPECT_EQ(bar.pageStep(), 999 * 10000 / (kFrames - 10000));
    bar.triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(host.Range().Start(), 1000);
    bar.triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(host.Range().Start(), 11000);
    EXPECT_EQ(bar.value(), host.Range().Thumb());
    bar.setSliderPosition(999);
    EXPECT_EQ(host.Range().End(), kFrames);
    EXPECT_EQ(host.changes, 3);
}

TEST(SampleSliceView, PenPreviewsTheZeroCrossingAClickWouldUse)
{
    ScriptedWindow window;
    for (std::uint32_t i = 10000; i < 10150; ++i)
        window.MutableSound().Samples().WriteSample(i, 1000);
    for (std::uint32_t i = 10150; i < 10400; ++i)
        window.MutableSound().Samples().WriteSample(i, -1000);
    CSampleSliceView view(nullptr, {0, 0, kWidth, 100}, window);
    EXPECT_EQ(view.AdjustCursor(At(101)), CursorShape::kArrow);
    window.pen = true;
    EXPECT_EQ(view.AdjustCursor(At(101)), CursorShape::kCross);
    EXPECT_EQ(view.PenFrame(101, false), 10150);
    EXPECT_EQ(view.PenFrame(101, true), 10100);
    EXPECT_EQ(view.AdjustCursor(At(101, Qt::ControlModifier)), CursorShape::kSizeHorizontal);
}

TEST(Views, CursorsShowWhatAPressWouldGrab)
{
    ScriptedWindow window;
    window.AddLockedPoint(20000);
    window.MutableSound().SetLoop(10000, 40000, true);
    CRangeScaleView ruler(nullptr, {0, 0, kWidth, 20}, window);
    EXPECT_EQ(ruler.AdjustCursor(At(104)), CursorShape::kSizeHorizontal);
    EXPECT_EQ(ruler.AdjustCursor(At(200)), CursorShape::kArrow);
    CSliceView strip(nullptr, {0, 0, kWidth, 16}, window);
    EXPECT_EQ(strip.AdjustCursor(At(200)), CursorShape::kPointingHand);
    EXPECT_EQ(strip.AdjustCursor(At(300)), CursorShape::kArrow);
}

TEST(WaveSampleView, SaysSoWhenItsBitmapCannotBeHad)
{
    ScriptedWindow window;
    // Wider than any bitmap can be.
    CSampleSliceView view(nullptr, {0, 0, 40000, 12}, window);
    const QImage image = Render(view);
    // A white field with the text in its middle.
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(10000, 6), qRgb(255, 255, 255));
    int dark = 0;
    for (int x = 19000; x < 21000; ++x)
        dark += qGray(image.pixel(x, 6)) < 128;
    EXPECT_GT(dark, 10);
}
