#pragma once
// An A3000 reached over MIDI for its objects and over SCSI, by SMDI, for
// its wave data. SMDI numbers its samples from 1 in the order of the object
// list.
#include "samplers/smdi/CSMDI.h"
#include "samplers/yamaha/CA3000Interface.h"

class CA3000MIDIAndSCSIInterface : public CA3000Interface {
public:
    // Frames a receiver proposes per packet.
    static constexpr std::uint32_t kReceivePacketFrames = 8192;

    CA3000MIDIAndSCSIInterface(CSysexMIDIInput& input, CMIDIOutput& output, std::uint8_t device,
                               const SCSIDevice& scsi)
        : CA3000Interface(input, output, device), fSMDI(scsi)
    {
    }

    std::uint32_t ChunkFrames() const override;
    // The next sample number after the samples of the kept object list.
    std::unique_ptr<CABCSampleTransmitter> MakeTransmitter(const CA3000SampleParameters& parameters) override;
    // XSampleDoesNotExist when the object list has no sample of that name.
    std::unique_ptr<CABCSampleReceiver> MakeReceiver(const std::string& name) override;

private:
    CSMDI fSMDI;
};
