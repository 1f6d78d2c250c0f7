#pragma once
// The extended sample header (message 0121/1) of the E-mu samplers: the
// standard fields, then the root key and the key range before the name.
// Its data is 29 bytes and the name.
#include "samplers/smdi/CSMDISampleHeader.h"

class CSMDIExtendedSampleHeader : public CSMDISampleHeader {
public:
    bool IsExtended() const override { return true; }
    void Describe(const SampleFormat& format) override;
    SampleFormat Format() const override;

    std::uint8_t rootKey = 60;
    std::uint8_t lowestKey = 0;
    std::uint8_t highestKey = 127;

protected:
    void PutKeys(std::vector<std::uint8_t>& out) const override;
    void GetKeys(const std::uint8_t* bytes) override;
    std::size_t KeyBytes() const override { return 3; }
};
