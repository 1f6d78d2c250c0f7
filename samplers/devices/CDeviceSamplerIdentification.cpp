#include "samplers/devices/CDeviceSamplerIdentification.h"

#include <string_view>

#include "devices/scsi/CSCSIBusTable.h"
#include "framework/exceptions/SamplerExceptions.h"
#include "samplers/devices/CSamplerMIDIConnection.h"
#include "samplers/devices/InquireReadyDevice.h"
#include "samplers/identification/AKAIIdentification.h"
#include "samplers/identification/EMUIdentification.h"
#include "samplers/identification/EnsoniqIdentification.h"
#include "samplers/identification/RolandIdentification.h"
#include "samplers/identification/SamplerRecognition.h"
#include "samplers/identification/UniversalIdentity.h"
#include "samplers/model/CABCSupportedSampler.h"
#include "samplers/model/CInstalledSampler.h"
#include "samplers/model/SamplerFamily.h"

namespace {

bool IsFamily(const CInstalledSampler& sampler, const char* family)
{
    return std::string_view(SamplerFamilyKey(sampler.Type().TypeId())) == family;
}

// The MIDI type a MIDI+SCSI type answers as over MIDI.
std::uint32_t MIDITypeOf(std::uint32_t typeId)
{
    return typeId % 10 == 2 ? typeId - 2 : typeId;
}

}  // namespace

std::optional<CVersion> CDeviceSamplerIdentification::Identify(const CInstalledSampler& sampler)
{
    const ConnectionKind kind = sampler.Type().Kind();
    std::optional<CVersion> found;
    if (UsesMIDI(kind)) {
        found = IdentifyOverMIDI(sampler);
        if (!found)
            return std::nullopt;
    }
    if (UsesSCSI(kind)) {
        const std::optional<CVersion> scsi = IdentifyOverSCSI(sampler);
        if (!scsi)
            return std::nullopt;
        // A MIDI+SCSI sampler keeps the version its MIDI side told.
        if (!found)
            found = scsi;
    }
    return found;
}

std::optional<CVersion> CDeviceSamplerIdentification::IdentifyOverMIDI(const CInstalledSampler& sampler)
{
    CSamplerMIDIConnection connection(fPorts, sampler.MIDIIn(), sampler.MIDIOut());
    const std::uint8_t sysex = sampler.SysexID();
    // The Sample Dump Standard has no identification: ports that open are
    // all that can be checked.
    if (IsFamily(sampler, "sds"))
        return CVersion::Unknown();
    if (IsFamily(sampler, "kurzweil") || IsFamily(sampler, "yamaha"))
        return IdentifyByIdentity(connection, sampler);
    if (IsFamily(sampler, "akai"))
        return IdentifyAKAI(connection, sampler);
    if (IsFamily(sampler, "roland")) {
        connection.Ask(RolandIdentification::Request(sysex), kRolandTimeout, [sysex](const SysexBytes& message) {
            const auto reply = RolandIdentification::RecogniseReply(message);
            return reply && reply->sysexId == sysex;
        });
        return CVersion::Unknown();
    }
    connection.Ask(EnsoniqIdentification::OnlineTest(sysex), kEnsoniqTimeout, [sysex](const SysexBytes& message) {
        return EnsoniqIdentification::IsOnlineAnswer(message, sysex);
    });
    return CVersion::Unknown();
}

std::optional<CVersion> CDeviceSamplerIdentification::IdentifyByIdentity(CSamplerMIDIConnection& connection,
                                                                        const CInstalledSampler& sampler)
{
    const std::uint8_t sysex = sampler.SysexID();
    const SysexBytes reply =
        connection.Ask(UniversalIdentity::Request(sysex), kIdentityTimeout, [sysex](const SysexBytes& message) {
            const auto identity = UniversalIdentity::Parse(message);
            return identity && identity->device == sysex;
        });
    const std::optional<IdentifiedSampler> found = RecogniseMIDIAnswer(reply);
    if (!found || found->typeId != MIDITypeOf(sampler.Type().TypeId()))
        return std::nullopt;
    return found->version;
}

std::optional<CVersion> CDeviceSamplerIdentification::IdentifyAKAI(CSamplerMIDIConnection& connection,
                                                                  const CInstalledSampler& sampler)
{
    const std::uint8_t sysex = sampler.SysexID();
    const SysexBytes status =
        connection.Ask(AKAIIdentification::StatusRequest(sysex), kAKAITimeout, [sysex](const SysexBytes& message) {
            const auto found = AKAIIdentification::RecogniseStatus(message);
            return found && found->sysexId == sysex;
        });
    const IdentifiedSampler found = *AKAIIdentification::RecogniseStatus(status);
    std::uint32_t type = found.typeId;
    if (AKAIIdentification::HasExactModel(type)) {
        const SysexBytes model = connection.Ask(
            AKAIIdentification::ModelRequest(sysex), kAKAITimeout,
            [sysex](const SysexBytes& message) { return AKAIIdentification::RecogniseModel(message, sysex).has_value(); });
        type = *AKAIIdentification::RecogniseModel(model, sysex);
    }
    if (type != sampler.Type().TypeId())
        return std::nullopt;
    return found.version;
}

std::optional<CVersion> CDeviceSamplerIdentification::IdentifyOverSCSI(const CInstalledSampler& sampler)
{
    const std::optional<InquiryIdentity> inquiry =
        InquireReadyDevice(fBuses.Device(sampler.SCSIBus(), sampler.SCSIID(), kSCSITimeout));
    if (!inquiry)
        return std::nullopt;
    const std::uint32_t typeId = sampler.Type().TypeId();
    if (IsFamily(sampler, "emu"))
        return EMUIdentification::Verifies(typeId, *inquiry)
                   ? std::optional<CVersion>(EMUIdentification::RecogniseInquiry(*inquiry)->version)
                   : std::nullopt;
    const std::optional<IdentifiedSampler> found = RecogniseSCSIAnswer(*inquiry);
    if (!found || found->typeId != typeId)
        return std::nullopt;
    return found->version;
}
