#include "samplers/smdi/CSMDIExtendedSamplerInterface.h"

#include "samplers/smdi/CSMDIExtendedSampleHeader.h"
#include "samplers/smdi/CSMDIExtendedTransmitter.h"

std::unique_ptr<CSMDITransmitter> CSMDIExtendedSamplerInterface::MakeTransmitter(std::uint32_t number)
{
    return std::make_unique<CSMDIExtendedTransmitter>(Link(), number);
}

std::unique_ptr<CSMDISampleHeader> CSMDIExtendedSamplerInterface::MakeHeader() const
{
    return std::make_unique<CSMDIExtendedSampleHeader>();
}
