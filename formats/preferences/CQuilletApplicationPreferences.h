#pragma once
// Chunk PARP: the application's display and behaviour settings, exactly 17
// bytes. The application keeps one of these for the whole run.
#include <cstdint>

#include "formats/preferences/CABCDataFormat.h"

class CQuilletApplicationPreferences : public CABCDataFormat {
public:
    struct Colour {
        std::uint16_t red = 35453;
        std::uint16_t green = 32114;
        std::uint16_t blue = 65535;
        friend bool operator==(const Colour&, const Colour&) = default;
    };
    // The waveform looks: "Plain", "3D", "Shaded".
    static constexpr std::int32_t kLookPlain = 0;
    static constexpr std::int32_t kLookShaded = 2;
    static constexpr std::uint8_t kMaxContrast = 100;
    static constexpr std::uint32_t kSize = 17;

    std::uint32_t GetSize() const override { return kSize; }
    void Serialize(std::uint8_t* buffer) const override;
    // Invalid: fewer than 17 bytes, a look other than 0-2, a contrast above 100.
    void Deserialize(const std::uint8_t* buffer, std::uint32_t size) override;

    Colour WaveformColour() const { return fColour; }
    void SetWaveformColour(Colour colour) { fColour = colour; }
    bool ScrollDuringPlayback() const { return fScroll; }
    void SetScrollDuringPlayback(bool on) { fScroll = on; }
    bool AlwaysMoveLeftLocator() const { return fMoveLocator; }
    void SetAlwaysMoveLeftLocator(bool on) { fMoveLocator = on; }
    // The index of the current installed sampler, as stored.
    std::uint16_t CurrentSampler() const { return fCurrentSampler; }
    void SetCurrentSampler(std::uint16_t index) { fCurrentSampler = index; }
    std::int32_t Look() const { return fLook; }
    void SetLook(std::int32_t look) { fLook = look; }
    // Kept from the file and written back; nothing uses it.
    bool ReservedFlag() const { return fReserved; }
    std::uint8_t Contrast() const { return fContrast; }
    void SetContrast(std::uint8_t contrast) { fContrast = contrast; }
    bool SetBarsToOne() const { return fBarsToOne; }
    void SetSetBarsToOne(bool on) { fBarsToOne = on; }
    bool ShowOpenDialogOnStartup() const { return fShowOpen; }
    void SetShowOpenDialogOnStartup(bool on) { fShowOpen = on; }

private:
    Colour fColour;
    bool fScroll = true;
    bool fMoveLocator = false;
    std::uint16_t fCurrentSampler = 0;
    std::int32_t fLook = kLookShaded;
    bool fReserved = true;
    std::uint8_t fContrast = 50;
    bool fBarsToOne = false;
    bool fShowOpen = true;
};
