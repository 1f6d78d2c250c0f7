#include "cli/CliSampler.h"

#include <CLI/CLI.hpp>
#include <string_view>

#include "cli/CliFailure.h"
#include "samplers/devices/OpenSamplerTransfer.h"
#include "samplers/model/CABCSupportedSampler.h"
#include "samplers/model/CInstalledSampler.h"
#include "samplers/model/SamplerFamily.h"
#include "samplers/preferences/CABCPreferencesEnvironment.h"
#include "samplers/preferences/CQuilletPreferencesFile.h"
#include "samplers/preferences/QuilletPreferences.h"
#include "samplers/search/CABCFoundSamplerQuestion.h"
#include "samplers/search/CSamplerFinder.h"
#include "samplers/transfer/CABCSamplerTransfer.h"

namespace {

// The window program's preferences as the batch tool reads them: only the
// installed samplers matter, and nothing is verified.
class CliPreferencesEnvironment : public CABCPreferencesEnvironment {
public:
    CliPreferencesEnvironment(const CSupportedSamplerRegistry& types, const CABCConnectionDirectory& connections)
        : fTypes(types), fConnections(connections)
    {
    }
    CSoundSetup* Sound() override { return nullptr; }
    bool IsMIDIAvailable() const override { return true; }
    bool IsSCSIAvailable() const override { return true; }
    const CSupportedSamplerRegistry& SupportedSamplers() const override { return fTypes; }
    const CABCConnectionDirectory& Connections() const override { return fConnections; }
    bool VerifyInstalledSamplers() override { return true; }

private:
    const CSupportedSamplerRegistry& fTypes;
    const CABCConnectionDirectory& fConnections;
};

class NoQuestion : public CABCFoundSamplerQuestion {
public:
    bool Ask(const CInstalledSampler&, ResourceId, const CInstalledSamplerList&) override { return false; }
};

// A port or bus by its name or its number in the list.
template <typename NameOf>
std::optional<std::uint16_t> FindByName(const std::string& wanted, std::uint16_t count, NameOf nameOf)
{
    for (std::uint16_t i = 0; i < count; ++i)
        if (nameOf(i) == wanted)
            return i;
    if (!wanted.empty() && wanted.size() <= 5 && wanted.find_first_not_of("0123456789") == std::string::npos &&
        std::stoul(wanted) < count)
        return static_cast<std::uint16_t>(std::stoul(wanted));
    return std::nullopt;
}

}  // namespace

CliSampler::CliSampler() = default;
CliSampler::~CliSampler() = default;

void CliSampler::Define(CLI::App& command, const std::string& nameOption)
{
    command
        .add_option(nameOption, name_,
                    "the sampler: a type name of `quillet-cli samplers` or the name of an installed sampler")
        ->required()
        ->option_text("SAMPLER");
    command.add_option("--sysex-id", sysexId_, "the SysEx ID (SDS channel) to talk on: 0 to 127 (default: the "
                                               "sampler's)")
        ->check(CLI::Range(0, 127))
        ->option_text("N");
    command.add_option("--midi-in", midiIn_, "the MIDI In port the sampler answers on (name or number), no search")
        ->option_text("PORT");
    command.add_option("--midi-out", midiOut_, "the MIDI Out port to the sampler (name or number), no search")
        ->option_text("PORT");
    command.add_option("--scsi", scsi_, "the SCSI bus (name or number) and ID of the sampler, no search")
        ->option_text("BUS:ID");
}

void CliSampler::Check() const
{
    if (midiIn_.empty() != midiOut_.empty())
        throw CliUsageError("--midi-in and --midi-out go together");
    if (!scsi_.empty() && scsi_.find(':') == std::string::npos)
        throw CliUsageError("--scsi takes BUS:ID, such as 0:5");
}

std::unique_ptr<CInstalledSampler> CliSampler::Named() const
{
    for (std::size_t i = 0; i < types_.Count(); ++i)
        if (types_.At(i).Name() == name_)
            return std::make_unique<CInstalledSampler>(types_.At(i));
    CliPreferencesEnvironment environment(types_, devices_);
    QuilletPreferences preferences;
    if (CQuilletPreferencesFile().Load(preferences, environment)) {
        for (std::uint16_t i = 0; i < preferences.samplers.Count(); ++i) {
            const CInstalledSampler& installed = preferences.samplers.At(i);
            if (installed.Name() != name_)
                continue;
            auto copy = std::make_unique<CInstalledSampler>(installed.Type());
            copy->SetName(installed.Name());
            copy->SetMIDIIn(installed.MIDIIn());
            copy->SetMIDIOut(installed.MIDIOut());
            copy->SetSysexID(installed.SysexID());
            copy->SetSCSIBus(installed.SCSIBus());
            copy->SetSCSIID(installed.SCSIID());
            return copy;
        }
    }
    throw CliUsageError("no sampler type and no installed sampler is called \"" + name_ +
                        "\" (quillet-cli samplers lists the types)");
}

void CliSampler::Place(CInstalledSampler& sampler) const
{
    if (!midiIn_.empty()) {
        const auto in = FindByName(midiIn_, devices_.MIDIInCount(), [&](auto i) { return devices_.MIDIInName(i).port; });
        const auto out =
            FindByName(midiOut_, devices_.MIDIOutCount(), [&](auto i) { return devices_.MIDIOutName(i).port; });
        if (!in || !out)
            throw CliUsageError("no MIDI port is called \"" + (in ? midiOut_ : midiIn_) + "\"");
        sampler.SetMIDIIn(*in);
        sampler.SetMIDIOut(*out);
    }
    if (!scsi_.empty()) {
        const std::string bus = scsi_.substr(0, scsi_.find(':'));
        const std::string id = scsi_.substr(scsi_.find(':') + 1);
        const auto index =
            FindByName(bus, devices_.SCSIBusCount(), [&](auto i) { return devices_.SCSIBusName(i).bus; });
        if (!index)
            throw CliUsageError("no SCSI bus is called \"" + bus + "\"");
        if (id.size() != 1 || id[0] < '0' || id[0] > '7')
            throw CliUsageError("a SCSI ID is 0 to 7");
        sampler.SetSCSIBus(*index);
        sampler.SetSCSIID(static_cast<std::uint8_t>(id[0] - '0'));
    }
}

bool CliSampler::Search(CInstalledSampler& sampler)
{
    const ConnectionKind kind = sampler.Type().Kind();
    // The Sample Dump Standard and the Ensoniq samplers answer no scan.
    const std::string_view family = SamplerFamilyKey(sampler.Type().TypeId());
    const bool scanned = family != "sds" && family != "ensoniq";
    NoQuestion question;
    CSamplerFinder finder(types_, devices_, question);
    const CInstalledSamplerList found =
        scanned ? finder.FindSamplers(UsesMIDI(kind), UsesSCSI(kind)) : CInstalledSamplerList();
    for (std::uint16_t i = 0; i < found.Count(); ++i) {
        const CInstalledSampler& candidate = found.At(i);
        if (candidate.Type().TypeId() != sampler.Type().TypeId())
            continue;
        sampler.SetMIDIIn(candidate.MIDIIn());
        sampler.SetMIDIOut(candidate.MIDIOut());
        sampler.SetSysexID(candidate.SysexID());
        sampler.SetSCSIBus(candidate.SCSIBus());
        sampler.SetSCSIID(candidate.SCSIID());
        return true;
    }
    for (const auto& address : lists_.simulated.HandAddedAddresses()) {
        if (address.typeId != sampler.Type().TypeId())
            continue;
        const auto in = FindByName(address.port, devices_.MIDIInCount(), [&](auto i) { return devices_.MIDIInName(i).port; });
        const auto out =
            FindByName(address.port, devices_.MIDIOutCount(), [&](auto i) { return devices_.MIDIOutName(i).port; });
        if (!in || !out)
            continue;
        sampler.SetMIDIIn(*in);
        sampler.SetMIDIOut(*out);
        sampler.SetSysexID(address.sysexId);
        return true;
    }
    return false;
}

void CliSampler::Connect(const std::string& prefix)
{
    if (!lists_.ListFromEnvironment(prefix, std::cerr))
        throw CliUsageError("the environment names devices that do not exist");
    sampler_ = Named();
    if (!HasTransferProtocol(sampler_->Type().TypeId()))
        throw CliUsageError("transfers with " + sampler_->Type().Name() + " samplers are not available");
    const bool placed = !midiIn_.empty() || !scsi_.empty();
    const bool installed = sampler_->Type().Name() != name_;
    if (placed)
        Place(*sampler_);
    else if (!installed && !Search(*sampler_))
        throw CliSamplerNotFound("no " + sampler_->Type().Name() +
                                 " sampler answered; give --midi-in and --midi-out or --scsi to say where it is");
    if (sysexId_ >= 0)
        sampler_->SetSysexID(static_cast<std::uint8_t>(sysexId_));
}

std::unique_ptr<CABCSamplerTransfer> CliSampler::OpenTransfer() const
{
    return OpenSamplerTransfer(*sampler_, lists_.ports, lists_.buses);
}
