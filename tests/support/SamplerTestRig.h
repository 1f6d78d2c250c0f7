#pragma once
// Stand-ins for what the sampler model meets in the program: devices that
// answer identification as a test says, the names of the MIDI ports and SCSI
// buses, and the environment in which the preferences file is read.
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "devices/sound/CABCSoundSetupHost.h"
#include "devices/sound/CRegisteredNullSoundCard.h"
#include "devices/sound/CSoundSetup.h"
#include "samplers/model/CABCConnectionDirectory.h"
#include "samplers/model/CABCSamplerIdentification.h"
#include "samplers/model/CInstalledSampler.h"
#include "samplers/model/CSupportedSamplerRegistry.h"
#include "samplers/preferences/CABCPreferencesEnvironment.h"

// Answers identification by type id; types not listed do not answer.
class FakeIdentification : public CABCSamplerIdentification {
public:
    std::optional<CVersion> Identify(const CInstalledSampler& sampler) override
    {
        ++asked;
        const auto found = answers.find(sampler.Type().TypeId());
        return found == answers.end() ? std::nullopt : std::optional<CVersion>(found->second);
    }
    std::map<std::uint32_t, CVersion> answers;
    int asked = 0;
};

// Two MIDI ports each way and two SCSI buses, by name.
class FakeConnections : public CABCConnectionDirectory {
public:
    std::vector<PortName> inputs{{"In A", "snd-a"}, {"In B", "snd-b"}};
    std::vector<PortName> outputs{{"Out A", "snd-a"}, {"Out B", "snd-b"}};
    std::vector<BusName> buses{{"Bus 0", "Adapter 0"}, {"Bus 1", "Adapter 1"}};
    // Raised when a name is asked for (a failure in the middle of a save).
    std::function<void()> onNameAsked;

    std::map<std::pair<std::uint16_t, std::uint8_t>, SCSITarget> targets;

    std::uint16_t MIDIInCount() const override { return static_cast<std::uint16_t>(inputs.size()); }
    std::uint16_t MIDIOutCount() const override { return static_cast<std::uint16_t>(outputs.size()); }
    std::uint16_t SCSIBusCount() const override { return static_cast<std::uint16_t>(buses.size()); }
    PortName MIDIInName(std::uint16_t index) const override { return Name(inputs, index); }
    PortName MIDIOutName(std::uint16_t index) const override { return Name(outputs, index); }
    BusName SCSIBusName(std::uint16_t index) const override { return Name(buses, index); }
    std::optional<std::uint16_t> FindMIDIIn(const PortName& name) const override { return Find(inputs, name); }
    std::optional<std::uint16_t> FindMIDIOut(const PortName& name) const override { return Find(outputs, name); }
    std::optional<std::uint16_t> FindSCSIBus(const BusName& name) const override { return Find(buses, name); }
    SCSITarget InquireSCSITarget(std::uint16_t bus, std::uint8_t id) const override
    {
        const auto found = targets.find({bus, id});
        return found == targets.end() ? SCSITarget{} : found->second;
    }

private:
    template <typename Name_>
    Name_ Name(const std::vector<Name_>& list, std::uint16_t index) const
    {
        if (onNameAsked)
            onNameAsked();
        return index < list.size() ? list[index] : Name_{};
    }
    static bool Same(const PortName& a, const PortName& b) { return a.port == b.port && a.driver == b.driver; }
    static bool Same(const BusName& a, const BusName& b) { return a.bus == b.bus && a.hostAdapter == b.hostAdapter; }
    template <typename Name_>
    static std::optional<std::uint16_t> Find(const std::vector<Name_>& list, const Name_& name)
    {
        for (std::size_t i = 0; i < list.size(); ++i)
            if (Same(list[i], name))
                return static_cast<std::uint16_t>(i);
        return std::nullopt;
    }
};

class QuietSoundHost : public CABCSoundSetupHost {
public:
    int ShowAlert(ResourceId, const std::string&) override { return 33; }
    void StopPlayback() override {}
    void ChannelChanged(CSoundChannel*) override {}
};

// The program's side of reading and writing the preferences: two null
// cards, MIDI and SCSI available, verification that only counts its runs.
class FakePreferencesEnvironment : public CABCPreferencesEnvironment {
public:
    FakePreferencesEnvironment()
    {
        sound.Registry().Add(std::make_unique<CRegisteredNullSoundCard>());
        sound.Registry().Add(std::make_unique<CRegisteredNullSoundCard>());
        sound.RequireCards();
    }

    CSoundSetup* Sound() override { return withSound ? &sound : nullptr; }
    bool IsMIDIAvailable() const override { return midi; }
    bool IsSCSIAvailable() const override { return scsi; }
    const CSupportedSamplerRegistry& SupportedSamplers() const override { return types; }
    const CABCConnectionDirectory& Connections() const override { return connections; }
    bool VerifyInstalledSamplers() override
    {
        ++verifications;
        pausedDuringVerification = sound.PauseDepth() > 0;
        return !cancelVerification;
    }

    FakeIdentification identification;
    CSupportedSamplerRegistry types{identification};
    FakeConnections connections;
    QuietSoundHost soundHost;
    static void Silence(std::int16_t* frames, std::uint32_t count, void*) { std::fill(frames, frames + 2 * count, 0); }
    CSoundSetup sound{soundHost, Silence, Silence, nullptr};
    bool withSound = true;
    bool midi = true;
    bool scsi = true;
    bool cancelVerification = false;
    int verifications = 0;
    bool pausedDuringVerification = false;
};

// A new installed sampler of the type with that id.
inline std::unique_ptr<CInstalledSampler> MakeSampler(const CSupportedSamplerRegistry& types, std::uint32_t typeId)
{
    return std::make_unique<CInstalledSampler>(*types.Find(typeId));
}
