#pragma once
// Receives one sample by the Sample Dump Standard: Begin asks for it with a
// Dump Request and acknowledges its Dump Header; each ReceiveChunk takes one
// Data Packet (a bad or missing one is asked for once more with NAK) and
// acknowledges it.
#include <cstdint>

#include "samplers/sds/CSDSLink.h"
#include "samplers/transfer/CABCSampleReceiver.h"

class CSDSReceiver : public CABCSampleReceiver {
public:
    CSDSReceiver(CSysexMIDIInput& input, CMIDIOutput& output, std::uint8_t channel, std::uint16_t sampleNumber,
                 std::int64_t timeout);

    // XSysexInvalidFormat for a header of period 0 or of bits outside 8-28.
    void Begin(SampleFormat& format, FrameWidth& width) override;
    void ReceiveChunk(void* destination, std::uint32_t count) override;
    void Cancel() override;

private:
    // The expected packet, checked.
    SDS::Bytes ReadPacket();

    CSDSLink fLink;
    std::uint16_t fSampleNumber;
    std::uint8_t fExpected = 0;
    std::uint8_t fBits = 16;
};
