#include "gui/views/CWaveformBitmap.h"

#include "document/views/CWaveformDrawer.h"
#include "document/views/CWaveformPalette.h"
#include "framework/exceptions/GeneralExceptions.h"

CWaveformBitmap::CWaveformBitmap() = default;
CWaveformBitmap::~CWaveformBitmap() = default;

bool CWaveformBitmap::Update(const WAVE_SAMPLE& sound, const CFrameScale& scale, int height,
                             const CABCLoopViewHost::Look& look, std::uint8_t background)
{
    const bool newPalette = look.waveform != paletteColor_ || look.contrast != paletteContrast_;
    if (newPalette) {
        const CWaveformPalette colors(look.waveform, look.contrast);
        palette_ = CPalette::MakeApplicationPalette(colors.EightBitEntries());
        locator_ = CWaveformPalette::ToEightBit(colors.LocatorColor());
        paletteColor_ = look.waveform;
        paletteContrast_ = look.contrast;
    }
    const Key key{&sound, scale.Start(), scale.Length(), scale.Width(), height, look.style, background};
    if (!bitmap_ || newPalette || key.width != key_.width || key.height != key_.height) {
        bitmap_.reset();
        try {
            bitmap_ = std::make_unique<CBitmap8>(key.width, key.height, palette_);
        } catch (const XOutOfMemory&) {
            return false;
        }
        drawn_ = false;
    }
    if (!drawn_ || !(key == key_)) {
        try {
            // Zoomed out, the first drawing builds the sound's overview.
            CWaveformDrawer::Draw(sound, scale, look.style, background,
                                  {bitmap_->LockPixels(), bitmap_->GetBytesPerRow(), bitmap_->GetWidth(),
                                   bitmap_->GetHeight()});
        } catch (const XOutOfMemory&) {
            return false;
        }
        key_ = key;
        drawn_ = true;
    }
    return true;
}
