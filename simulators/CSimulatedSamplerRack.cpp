#include "simulators/CSimulatedSamplerRack.h"

#include <cmath>

#include "devices/midi/CMIDIPortLists.h"
#include "devices/scsi/CSCSIBusTable.h"
#include "devices/scsi/CSimulatedSCSIBus.h"
#include "samplers/kurzweil/CK2000SoundBlock.h"
#include "samplers/model/SamplerFamily.h"
#include "simulators/CSimulatedAKAISampler.h"
#include "simulators/CSimulatedEMUSampler.h"
#include "simulators/CSimulatedEnsoniqSampler.h"
#include "simulators/CSimulatedIdentitySampler.h"
#include "simulators/CSimulatedKurzweilSampler.h"
#include "simulators/CSimulatedRolandSampler.h"
#include "simulators/CSimulatedSDSSampler.h"
#include "simulators/CSimulatedYamahaSampler.h"

namespace {

// SysEx channel 1 as the samplers show it: 0 on the wire.
constexpr std::uint8_t kChannel = 0;
constexpr std::uint8_t kAKAIId = 2;
constexpr std::uint8_t kKurzweilId = 3;
constexpr std::uint8_t kYamahaId = 4;
constexpr std::uint8_t kEMUId = 5;
constexpr const char* kEnsoniqCable = "Simulated Ensoniq ASR-10";
constexpr const char* kSDSCable = "Simulated SDS Sampler";
constexpr std::uint32_t kASR10TypeId = 3020;

// A decaying 150 Hz tone of 600 frames at 44.1 kHz.
std::vector<std::int16_t> Tom()
{
    std::vector<std::int16_t> samples(600);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<std::int16_t>(28000.0 * std::exp(-double(i) / 150.0) *
                                               std::sin(2.0 * 3.14159265358979 * 150.0 * double(i) / 44100.0));
    return samples;
}

// The simulated bus of the table, added when none was listed.
CSimulatedSCSIBus& SimulatedBus(CSCSIBusTable& buses)
{
    for (std::uint16_t i = 0; i < buses.BusCount(); ++i)
        if (auto* simulated = dynamic_cast<CSimulatedSCSIBus*>(buses.BusAt(i)))
            return *simulated;
    auto bus = std::make_unique<CSimulatedSCSIBus>(CSCSIBusTable::kSimulatedBusName);
    CSimulatedSCSIBus& added = *bus;
    buses.AddBus(std::move(bus));
    return added;
}

// An E4X holding the tom as sample 1.
std::unique_ptr<CSimulatedEMUSampler> SimulatedE4X()
{
    auto e4x = std::make_unique<CSimulatedEMUSampler>(5131, CVersion(4, 10));
    e4x->Store(1, CSimulatedEMUSampler::Sample::Of16Bit("Simulated Tom", 44100, Tom()));
    return e4x;
}

// An AKAI sampler holding the tom as sample 0, "TOM".
std::unique_ptr<CSimulatedAKAISampler> SimulatedAKAI(std::uint32_t typeId, const char* product, CVersion version)
{
    auto sampler = std::make_unique<CSimulatedAKAISampler>(typeId, product, kChannel, version);
    sampler->StoreSample("TOM", Tom(), 44100);
    return sampler;
}

// A K2000 holding the tom as sample object 1, over MIDI and SCSI.
std::unique_ptr<CSimulatedKurzweilSampler> SimulatedK2000()
{
    auto k2000 = std::make_unique<CSimulatedKurzweilSampler>(1, kChannel, std::array<std::uint8_t, 4>{0, 3, 8, 7});
    k2000->Store(0, CSimulatedSDSSampler::MakeSample(Tom(), 44100));
    k2000->SMDISamples().Store(1, CSimulatedSMDITarget::Sample::Of16Bit("Simulated Tom", 44100, Tom()));
    k2000->Put({Kurzweil::kSample, 1}, {"Simulated Tom", CK2000SoundBlock(1, "").Data()});
    return k2000;
}

// An A3000 holding the tom as its only sample.
std::unique_ptr<CSimulatedYamahaSampler> SimulatedA3000()
{
    auto a3000 = std::make_unique<CSimulatedYamahaSampler>(kChannel, std::array<std::uint8_t, 4>{0, 2, 1, 0});
    a3000->Store(CSimulatedYamahaSampler::MakeSample("Simulated Tom", 44100, Tom()));
    return a3000;
}

// An ASR-10 whose instrument 1 plays the tom as wave sample 1 of layer 1
// on keys C2 to B2.
std::unique_ptr<CSimulatedEnsoniqSampler> SimulatedASR10()
{
    auto asr10 = std::make_unique<CSimulatedEnsoniqSampler>(kChannel, kASR10TypeId);
    asr10->Store(0, "SIM TOM", 0, 1, Tom(), 44100, 36, 47);
    return asr10;
}

// An S-760 holding the tom as sample 0, played by partial 0 on key 36 of
// the patch "SIM:Drums", which serves as a template.
std::unique_ptr<CSimulatedRolandSampler> SimulatedS760()
{
    auto s760 = std::make_unique<CSimulatedRolandSampler>(kChannel);
    s760->StoreSample(0, "SIM:Tom", Tom(), 44100);
    S760::Partial partial = S760::Partial::Default();
    partial.SetName("SIM:Tom");
    partial.SetZoneSample(0, 0);
    s760->StorePartial(0, partial);
    S760::Patch patch = S760::Patch::Default();
    patch.SetName("SIM:Drums");
    patch.SetKey(36 - S760::kLowestKey, {0, 0});
    s760->StorePatch(0, patch);
    return s760;
}

}  // namespace

CSimulatedSamplerRack::CSimulatedSamplerRack() = default;

CSimulatedSamplerRack::~CSimulatedSamplerRack()
{
    // The instruments leave their cables and the bus as they go.
    fInstruments.clear();
}

void CSimulatedSamplerRack::Add(std::unique_ptr<CSimulatedInstrument> instrument, CMIDIPortLists* ports,
                                const char* cable, std::optional<std::uint8_t> scsiId)
{
    if (ports) {
        std::shared_ptr<CLoopbackCable> pair = ports->AddLoopbackPair(cable);
        instrument->ConnectMIDI(pair);
        fCables.push_back(std::move(pair));
    }
    fInstruments.push_back({std::move(instrument), scsiId});
}

void CSimulatedSamplerRack::ConnectMIDI(const std::vector<SamplerFamily>& families, CMIDIPortLists& ports)
{
    for (SamplerFamily family : families) {
        switch (family) {
        case SamplerFamily::kAKAI:
            Add(SimulatedAKAI(4150, "S3000XL", CVersion(2, 0)), &ports, "Simulated AKAI S3000XL", kAKAIId);
            Add(SimulatedAKAI(4000, "S1000", CVersion(4, 40)), &ports, "Simulated AKAI S1000", std::nullopt);
            Add(SimulatedAKAI(4100, "S3000", CVersion(2, 0)), &ports, "Simulated AKAI S3000", std::nullopt);
            break;
        case SamplerFamily::kKurzweil:
            Add(SimulatedK2000(), &ports, "Simulated Kurzweil K2000", kKurzweilId);
            break;
        case SamplerFamily::kYamaha:
            Add(SimulatedA3000(), &ports, "Simulated Yamaha A3000", kYamahaId);
            break;
        case SamplerFamily::kRoland:
            Add(SimulatedS760(), &ports, "Simulated Roland S-760", std::nullopt);
            break;
        case SamplerFamily::kEMU:
            Add(SimulatedE4X(), nullptr, "", kEMUId);
            break;
        case SamplerFamily::kEnsoniq:
            Add(SimulatedASR10(), &ports, kEnsoniqCable, std::nullopt);
            fHandAdded.push_back({kASR10TypeId, kEnsoniqCable, kChannel});
            break;
        case SamplerFamily::kSDS: {
            auto sampler = std::make_unique<CSimulatedSDSSampler>(kChannel);
            sampler->Store(0, CSimulatedSDSSampler::MakeSample(Tom(), 44100));
            Add(std::move(sampler), &ports, kSDSCable, std::nullopt);
            fHandAdded.push_back({kSDSTypeId, kSDSCable, kChannel});
            break;
        }
        }
    }
}

void CSimulatedSamplerRack::ConnectSCSI(CSCSIBusTable& buses)
{
    for (Instrument& member : fInstruments)
        if (member.scsiId)
            member.instrument->ConnectSCSI(SimulatedBus(buses), *member.scsiId);
}
