#pragma once
// Chunk PDDP: the toggles and the stretch index with which a new document
// window starts, exactly 7 bytes. The application keeps one of these for
// the whole run; document windows leave their last values in it.
#include <cstdint>

#include "formats/preferences/CABCDataFormat.h"

class CQuilletDefaultDocumentPreferences : public CABCDataFormat {
public:
    static constexpr std::uint32_t kSize = 7;
    static constexpr std::int16_t kMaxStretch = 13;

    std::uint32_t GetSize() const override { return kSize; }
    void Serialize(std::uint8_t* buffer) const override;
    // Invalid: fewer than 7 bytes, a stretch index above 13.
    void Deserialize(const std::uint8_t* buffer, std::uint32_t size) override;

    bool Normalize() const { return fNormalize; }
    void SetNormalize(bool on) { fNormalize = on; }
    bool SilenceSelected() const { return fSilenceSelected; }
    void SetSilenceSelected(bool on) { fSilenceSelected = on; }
    // The inverse of "Transmit as One Sample".
    bool SeparateSamples() const { return fSeparateSamples; }
    void SetSeparateSamples(bool on) { fSeparateSamples = on; }
    bool PitchMode() const { return fPitchMode; }
    void SetPitchMode(bool on) { fPitchMode = on; }
    std::int16_t Stretch() const { return fStretch; }
    void SetStretch(std::int16_t index) { fStretch = index; }

private:
    bool fNormalize = false;
    bool fSilenceSelected = false;
    bool fSeparateSamples = true;
    bool fPitchMode = false;
    std::int16_t fStretch = 0;
};
