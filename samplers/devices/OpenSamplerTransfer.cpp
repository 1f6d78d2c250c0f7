#include "samplers/devices/OpenSamplerTransfer.h"

#include <string_view>

#include "devices/scsi/CSCSIBusTable.h"
#include "samplers/devices/CSamplerMIDIConnection.h"
#include "samplers/emu/CEMUTransfer.h"
#include "samplers/ensoniq/CEnsoniqTransfer.h"
#include "samplers/model/CABCSupportedSampler.h"
#include "samplers/model/CInstalledSampler.h"
#include "samplers/model/SamplerFamily.h"
#include "samplers/sds/CSDSTransfer.h"

std::unique_ptr<CABCSamplerTransfer> OpenSamplerTransfer(const CInstalledSampler& sampler, const CMIDIPortLists& ports,
                                                         const CSCSIBusTable& buses)
{
    const std::string_view family = SamplerFamilyKey(sampler.Type().TypeId());
    if (family == "sds")
        return std::make_unique<CSDSTransfer>(
            std::make_unique<CSamplerMIDIConnection>(ports, sampler.MIDIIn(), sampler.MIDIOut()));
    if (family == "emu")
        return std::make_unique<CEMUTransfer>(buses.Device(sampler.SCSIBus(), sampler.SCSIID(), CSMDI::kTimeout));
    if (family == "ensoniq")
        return std::make_unique<CEnsoniqTransfer>(
            sampler.Type().TypeId(),
            std::make_unique<CSamplerMIDIConnection>(ports, sampler.MIDIIn(), sampler.MIDIOut()));
    return nullptr;
}
