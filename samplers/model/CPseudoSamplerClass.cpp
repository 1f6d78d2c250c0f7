#include "samplers/model/CPseudoSamplerClass.h"

#include "samplers/model/CABCTransmitHost.h"

bool CPseudoSamplerClass::CanTransmit() const
{
    return Constants().canTransmit;
}

void CPseudoSamplerClass::Transmit(CInstalledSampler& sampler, CABCTransmitHost& host) const
{
    if (!CanTransmit())
        return;
    switch (TypeId()) {
    case kNewWindow: host.OpenSlicesInNewWindows(sampler); break;
    case kSampleCell: host.ExportSampleCell(sampler); break;
    case kSoundFont: host.ExportSoundFont(sampler); break;
    case kMixman: host.ExportMixman(sampler); break;
    case kSFZKit: host.ExportSFZKit(); break;
    default: break;
    }
}
