#pragma once
// A sound block (sample object): a 12-byte head with its base ID, its flags
// and the number of its sound headers, then 32 bytes per sound header. The
// program writes only empty blocks, to reserve a sample ID.
#include <array>
#include <vector>

#include "samplers/kurzweil/CKurzweilObject.h"

class CK2000SoundBlock : public CKurzweilObject {
public:
    static constexpr std::size_t kHeadLength = 12;
    static constexpr std::size_t kHeaderLength = 32;
    static constexpr std::size_t kMostHeaders = 128;
    static constexpr std::uint16_t kStereo = 0x0001;

    CK2000SoundBlock(std::uint16_t id, std::string name) : CKurzweilObject(Kurzweil::kSample, id, std::move(name)) {}

    Kurzweil::Bytes Data() const override;
    // XK2000InvalidFormat for a short head, more than 128 headers or data
    // shorter than its headers.
    void Read(const Kurzweil::Bytes& data) override;

    std::uint16_t Flags() const { return fFlags; }
    std::size_t HeaderCount() const { return fHeaders.size(); }

private:
    std::uint16_t fFlags = 0;
    std::vector<std::array<std::uint8_t, kHeaderLength>> fHeaders;
};
