#include "samplers/yamaha/CA3000SampleTransmitterSCSI.h"

#include "framework/exceptions/SamplerExceptions.h"
#include "samplers/yamaha/CA3000Interface.h"

FrameWidth CA3000SampleTransmitterSCSI::Begin(const SampleFormat& format)
{
    if (fA3000.ObjectList().Find(CA3000ObjectList::kSample, format.name))
        throw XA3000SampleNameNotUnique();
    fParameters.Describe(format);
    try {
        return CSMDITransmitter::Begin(format);
    } catch (const XSMDISCSICommunicationException&) {
        throw XA3000SCSIRejected();
    }
}

void CA3000SampleTransmitterSCSI::SendChunk(const void* frames, std::uint32_t count)
{
    CSMDITransmitter::SendChunk(frames, count);
    if (IsActive())
        return;
    fA3000.Listed(CA3000ObjectList::kSample, fParameters.Name());
    fParameters.TakeWaveTexts(fA3000.GetSampleParameters(fParameters.Name()));
    fA3000.PutSampleParameters(fParameters);
}
