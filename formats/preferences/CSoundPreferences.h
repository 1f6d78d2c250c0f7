#pragma once
// Chunk PSNP: the sound card the channel was open on (driver kind, device
// name and module name), the channel's play-ahead setting and the output
// sample rate; exactly 204 bytes.
#include <cstdint>
#include <string>

#include "formats/preferences/CABCDataFormat.h"

class CSoundPreferences : public CABCDataFormat {
public:
    static constexpr std::uint32_t kSize = 204;
    static constexpr std::size_t kNameLength = 64;
    static constexpr std::uint32_t kDefaultRate = 44100;

    std::uint32_t GetSize() const override { return kSize; }
    // Line feeds in the names are dropped.
    void Serialize(std::uint8_t* buffer) const override;
    // Any size other than 204 is invalid.
    void Deserialize(const std::uint8_t* buffer, std::uint32_t size) override;

    std::string driverKind;
    std::string deviceName;
    std::string moduleName;
    std::uint16_t playAheadSetting = 0;
    std::uint32_t outputRate = kDefaultRate;
};
