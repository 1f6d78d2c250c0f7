#include "samplers/devices/OpenSamplerTransfer.h"

#include <string_view>

#include "devices/scsi/CSCSIBusTable.h"
#include "samplers/devices/CSamplerMIDIConnection.h"
#include "samplers/emu/CEMUTransfer.h"
#include "samplers/kurzweil/CK2000Transfer.h"
#include "samplers/model/CABCSupportedSampler.h"
#include "samplers/model/CInstalledSampler.h"
#include "samplers/model/SamplerFamily.h"
#include "samplers/roland/CS760Transfer.h"
#include "samplers/sds/CSDSTransfer.h"

std::unique_ptr<CABCSamplerTransfer> OpenSamplerTransfer(const CInstalledSampler& sampler, const CMIDIPortLists& ports,
                                                         const CSCSIBusTable& buses)
{
    const std::string_view family = SamplerFamilyKey(sampler.Type().TypeId());
    if (family == "sds")
        return std::make_unique<CSDSTransfer>(
            std::make_unique<CSamplerMIDIConnection>(ports, sampler.MIDIIn(), sampler.MIDIOut()));
    if (family == "roland")
        return std::make_unique<CS760Transfer>(
            std::make_unique<CSamplerMIDIConnection>(ports, sampler.MIDIIn(), sampler.MIDIOut()), sampler.SysexID());
    if (family == "emu")
        return std::make_unique<CEMUTransfer>(buses.Device(sampler.SCSIBus(), sampler.SCSIID(), CSMDI::kTimeout));
    if (family == "kurzweil") {
        std::optional<SCSIDevice> scsi;
        if (sampler.Type().Kind() == ConnectionKind::kMIDIAndSCSI)
            scsi = buses.Device(sampler.SCSIBus(), sampler.SCSIID(), CSMDI::kTimeout);
        return std::make_unique<CK2000Transfer>(
            std::make_unique<CSamplerMIDIConnection>(ports, sampler.MIDIIn(), sampler.MIDIOut()), scsi);
    }
    return nullptr;
}
