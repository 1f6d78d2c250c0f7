#include "samplers/yamaha/CA3000MIDIAndSCSIInterface.h"

#include "framework/exceptions/SamplerExceptions.h"
#include "samplers/smdi/CSMDIReceiver.h"
#include "samplers/yamaha/CA3000SampleTransmitterSCSI.h"

std::uint32_t CA3000MIDIAndSCSIInterface::ChunkFrames() const
{
    return CSMDITransmitter::kMaxPacketFrames;
}

std::unique_ptr<CABCSampleTransmitter> CA3000MIDIAndSCSIInterface::MakeTransmitter(
    const CA3000SampleParameters& parameters)
{
    const auto number = static_cast<std::uint32_t>(ObjectList().Count(CA3000ObjectList::kSample) + 1);
    return std::make_unique<CA3000SampleTransmitterSCSI>(*this, fSMDI, number, parameters);
}

std::unique_ptr<CABCSampleReceiver> CA3000MIDIAndSCSIInterface::MakeReceiver(const std::string& name)
{
    const auto found = ObjectList().Find(CA3000ObjectList::kSample, name);
    if (!found)
        throw XSampleDoesNotExist();
    return std::make_unique<CSMDIReceiver>(fSMDI, static_cast<std::uint32_t>(found->indexOfKind + 1),
                                           kReceivePacketFrames);
}
