#include "samplers/smdi/CSMDIExtendedTransmitter.h"

#include "samplers/smdi/CSMDIExtendedSampleHeader.h"

std::unique_ptr<CSMDISampleHeader> CSMDIExtendedTransmitter::MakeHeader() const
{
    return std::make_unique<CSMDIExtendedSampleHeader>();
}
