#include "samplers/devices/OpenSamplerTransfer.h"

#include <string_view>

#include "devices/scsi/CSCSIBusTable.h"
#include "samplers/akai/CAKAIMIDICom.h"
#include "samplers/akai/CAKAISCSICom.h"
#include "samplers/akai/CAKAITransfer.h"
#include "samplers/akai/CS1000Interface.h"
#include "samplers/akai/CS3000Interface.h"
#include "samplers/devices/CSamplerMIDIConnection.h"
#include "samplers/emu/CEMUTransfer.h"
#include "samplers/kurzweil/CK2000Transfer.h"
#include "samplers/ensoniq/CEnsoniqTransfer.h"
#include "samplers/model/CABCSupportedSampler.h"
#include "samplers/model/CInstalledSampler.h"
#include "samplers/model/SamplerFamily.h"
#include "samplers/roland/CS760Transfer.h"
#include "samplers/sds/CSDSTransfer.h"
#include "samplers/yamaha/CA3000MIDIAndSCSIInterface.h"
#include "samplers/yamaha/CA3000Transfer.h"

namespace {

// The AKAI transfer over the sampler's MIDI ports or SCSI address; the
// S1000 and S1100 (types 4000 and 4010) speak with 150-byte blocks.
std::unique_ptr<CABCSamplerTransfer> OpenAKAITransfer(const CInstalledSampler& sampler, const CMIDIPortLists& ports,
                                                      const CSCSIBusTable& buses)
{
    std::unique_ptr<CABCAKAICom> com;
    if (sampler.Type().Constants().kind == ConnectionKind::kSCSI)
        com = std::make_unique<CAKAISCSICom>(buses.Device(sampler.SCSIBus(), sampler.SCSIID(), CAKAISCSILink::kTimeout),
                                             sampler.SysexID());
    else
        com = std::make_unique<CAKAIMIDICom>(
            std::make_unique<CSamplerMIDIConnection>(ports, sampler.MIDIIn(), sampler.MIDIOut()), sampler.SysexID());
    const std::uint32_t type = sampler.Type().TypeId();
    if (type == 4000 || type == 4010)
        return std::make_unique<CAKAITransfer>(std::make_unique<CS1000Interface>(std::move(com)));
    return std::make_unique<CAKAITransfer>(std::make_unique<CS3000Interface>(std::move(com)));
}

}  // namespace

std::unique_ptr<CABCSamplerTransfer> OpenSamplerTransfer(const CInstalledSampler& sampler, const CMIDIPortLists& ports,
                                                         const CSCSIBusTable& buses)
{
    const std::string_view family = SamplerFamilyKey(sampler.Type().TypeId());
    if (family == "sds")
        return std::make_unique<CSDSTransfer>(
            std::make_unique<CSamplerMIDIConnection>(ports, sampler.MIDIIn(), sampler.MIDIOut()));
    if (family == "akai")
        return OpenAKAITransfer(sampler, ports, buses);
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
    if (family == "yamaha") {
        auto connection = std::make_unique<CSamplerMIDIConnection>(ports, sampler.MIDIIn(), sampler.MIDIOut());
        if (sampler.Type().Kind() != ConnectionKind::kMIDIAndSCSI)
            return std::make_unique<CA3000Transfer>(std::move(connection));
        const SCSIDevice scsi = buses.Device(sampler.SCSIBus(), sampler.SCSIID(), CSMDI::kTimeout);
        return std::make_unique<CA3000Transfer>(
            std::move(connection), [scsi](CSamplerMIDIConnection& midi, std::uint8_t device) {
                return std::make_unique<CA3000MIDIAndSCSIInterface>(midi.Parser(), midi.Output(), device, scsi);
            });
    }
    if (family == "ensoniq")
        return std::make_unique<CEnsoniqTransfer>(
            sampler.Type().TypeId(),
            std::make_unique<CSamplerMIDIConnection>(ports, sampler.MIDIIn(), sampler.MIDIOut()));
    return nullptr;
}
