#pragma once
// What the waveform, slice, ruler and overview views of a document window
// read and report. The document window answers from its model: the views
// draw its sound, slicing, locators and shown range, and hand the user's
// clicks and drags back to it.
#include <cstdint>

#include "document/views/RGBColor16.h"
#include "document/views/WaveformStyle.h"

class CSliceList;
class CVisibleRange;
class WAVE_SAMPLE;

class CABCLoopViewHost {
public:
    // The preferences the views are drawn with (their defaults are the
    // preferences' own: the blue waveform colour, contrast 50, Shaded).
    struct Look {
        RGBColor16 waveform{35453, 32114, 65535};
        int contrast = 50;
        WaveformStyle style = WaveformStyle::kShaded;
    };

    virtual ~CABCLoopViewHost() = default;

    virtual const WAVE_SAMPLE& Sound() const = 0;
    virtual const CSliceList& Slices() const = 0;
    virtual CVisibleRange& Range() = 0;
    virtual Look ViewLook() const = 0;
    virtual bool IsPenTool() const = 0;
    // The frame the play-position line marks.
    virtual std::int64_t PlayPosition() const = 0;

    // A click in the waveform (Pen: draw a point; other tools: play the slice).
    virtual void ClickWaveform(std::int64_t frame, bool alt) = 0;
    // A click on a marker, per tool; dragging one (answers its new position).
    virtual void ClickMarker(int index, bool shift) = 0;
    virtual std::int64_t DragMarker(int index, std::int64_t frame, bool alt) = 0;
    // A rectangle dragged over the markers: select the visible points in it.
    virtual void SelectMarkers(std::int64_t from, std::int64_t to) = 0;
    // Locators moved on the ruler; false when the rules refuse the position.
    virtual bool MoveLeftLocator(std::int64_t frame) = 0;
    virtual bool MoveRightLocator(std::int64_t frame) = 0;
    // The mouse was let go: the edits of its drag are one undo step.
    virtual void EndGesture() {}

    // A view changed the shown range, the slicing or the locators: the window
    // redraws its views and brings its scroll bar and title up to date.
    virtual void ViewsChanged() = 0;
};
