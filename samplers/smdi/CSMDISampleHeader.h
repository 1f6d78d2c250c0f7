#pragma once
// The standard SMDI sample header (message 0121/0): the sample number, word
// size, channels, sample period, length, one loop, pitch and name of a
// sample. Its data is 26 bytes and the name.
#include <cstdint>
#include <memory>
#include <string>

#include "samplers/smdi/SMDIMessage.h"
#include "samplers/transfer/SampleFormat.h"

class CSMDISampleHeader {
public:
    static constexpr std::size_t kMaxName = 255;
    // Loop control values.
    static constexpr std::uint8_t kLoopForward = 0x00;
    static constexpr std::uint8_t kLoopAlternating = 0x01;
    static constexpr std::uint8_t kLoopOff = 0x7F;

    virtual ~CSMDISampleHeader() = default;

    // The header message; the name is cut to 255 characters.
    SMDIMessage Message() const;
    // The header a message carries: a standard or an extended one whose
    // data holds all its fields and its name; none for anything else.
    static std::unique_ptr<CSMDISampleHeader> Read(const SMDIMessage& message);

    // Only the extended header carries the key range.
    virtual bool IsExtended() const { return false; }

    // Takes the fields that send `format` (the sample number stays).
    virtual void Describe(const SampleFormat& format);
    // The format of the sample the header describes; raises
    // XSMDIUnexpectedMessage when it describes none (no channels, no bits,
    // a sample period of 0).
    virtual SampleFormat Format() const;

    std::uint32_t sampleNumber = 0;
    std::uint8_t bits = 16;
    std::uint8_t channels = 1;
    std::uint32_t period = 22675;  // nanoseconds
    std::uint32_t length = 0;      // words per channel
    std::uint32_t loopStart = 0;
    std::uint32_t loopEnd = 0;
    std::uint8_t loopControl = kLoopOff;
    std::uint16_t pitch = 60;  // MIDI note
    std::uint16_t pitchFraction = 0;
    std::string name;

protected:
    // The fields between the pitch fraction and the name length.
    virtual void PutKeys(std::vector<std::uint8_t>&) const {}
    virtual void GetKeys(const std::uint8_t*) {}
    virtual std::size_t KeyBytes() const { return 0; }
};
