#pragma once
// Verifies an installed sampler over the MIDI ports and SCSI buses by its
// family's identification: the Universal Identity exchange (Kurzweil,
// Yamaha), the identity request (Roland S-760), the status and exact-model
// requests (AKAI over MIDI), INQUIRY (AKAI over SCSI, E-mu, and the SCSI
// side of the MIDI+SCSI types) and the on-line test (Ensoniq). The MIDI
// ports are open only while it asks.
#include "samplers/model/CABCSamplerIdentification.h"

class CMIDIPortLists;
class CSCSIBusTable;
class CSamplerMIDIConnection;

class CDeviceSamplerIdentification : public CABCSamplerIdentification {
public:
    // How long each family's sampler may take to answer, in milliseconds.
    static constexpr std::int64_t kIdentityTimeout = 2000;
    static constexpr std::int64_t kRolandTimeout = 5000;
    static constexpr std::int64_t kAKAITimeout = 1000;
    static constexpr std::int64_t kEnsoniqTimeout = 1000;
    static constexpr std::uint32_t kSCSITimeout = 8000;

    CDeviceSamplerIdentification(const CMIDIPortLists& ports, const CSCSIBusTable& buses)
        : fPorts(ports), fBuses(buses)
    {
    }

    std::optional<CVersion> Identify(const CInstalledSampler& sampler) override;

private:
    std::optional<CVersion> IdentifyOverMIDI(const CInstalledSampler& sampler);
    std::optional<CVersion> IdentifyOverSCSI(const CInstalledSampler& sampler);
    std::optional<CVersion> IdentifyByIdentity(CSamplerMIDIConnection& connection, const CInstalledSampler& sampler);
    std::optional<CVersion> IdentifyAKAI(CSamplerMIDIConnection& connection, const CInstalledSampler& sampler);

    const CMIDIPortLists& fPorts;
    const CSCSIBusTable& fBuses;
};
