#include "samplers/smdi/CSMDISamplerInterface.h"

#include "samplers/smdi/CSMDIReceiver.h"
#include "samplers/smdi/CSMDISampleHeader.h"
#include "samplers/smdi/CSMDITransmitter.h"
#include "samplers/smdi/SMDIProcedures.h"

SampleFormat CSMDISamplerInterface::GetSampleHeader(std::uint32_t number)
{
    const SampleFormat format = SMDIProcedures::RequestHeader(fSMDI, number)->Format();
    SMDIProcedures::Close(fSMDI);
    return format;
}

std::unique_ptr<CSMDIReceiver> CSMDISamplerInterface::MakeReceiver(std::uint32_t number,
                                                                   std::uint32_t framesPerPacket)
{
    return std::make_unique<CSMDIReceiver>(fSMDI, number, framesPerPacket);
}

std::unique_ptr<CSMDITransmitter> CSMDISamplerInterface::MakeTransmitter(std::uint32_t number)
{
    return std::make_unique<CSMDITransmitter>(fSMDI, number);
}

void CSMDISamplerInterface::DeleteSample(std::uint32_t number)
{
    SMDIProcedures::DeleteSample(fSMDI, number);
}

void CSMDISamplerInterface::AdjustFormat(SampleFormat& format) const
{
    const std::unique_ptr<CSMDISampleHeader> header = MakeHeader();
    header->Describe(format);
    format = header->Format();
}

std::unique_ptr<CSMDISampleHeader> CSMDISamplerInterface::MakeHeader() const
{
    return std::make_unique<CSMDISampleHeader>();
}
