#pragma once
// The waveform of the shown range, drawn into an off-screen 8-bit bitmap and
// copied to the screen. When the bitmap cannot be had the view says so.
#include "gui/views/CDimensionView.h"
#include "gui/views/CWaveformBitmap.h"

class CWaveSampleView : public CDimensionView {
public:
    static constexpr const char* kNoMemoryText = "There is too little memory left for waveform display!";

    CWaveSampleView(CGroupView* parent, const PixelRect& frame, CABCLoopViewHost& host);

    void Draw(QPainter& painter) override;
    // The samples changed: redraw them even if the range did not.
    void SoundChanged();

protected:
    // Drawn over the waveform; nothing here.
    virtual void DrawOver(QPainter&) {}
    const CWaveformBitmap& Waveform() const { return waveform_; }
    // The palette position of the background.
    virtual std::uint8_t Background() const;

private:
    CWaveformBitmap waveform_;
};
