#include "samplers/kurzweil/CK2000Transfer.h"

#include <algorithm>

#include "framework/alerts/Alerts.h"
#include "framework/exceptions/CancelExceptions.h"
#include "framework/exceptions/GeneralExceptions.h"
#include "framework/exceptions/SamplerExceptions.h"
#include "framework/progress/CLengthyOperation.h"
#include "samplers/devices/CSamplerMIDIConnection.h"
#include "samplers/kurzweil/CK2000CreatedObjects.h"
#include "samplers/kurzweil/CK2000Interface.h"
#include "samplers/transfer/CABCSampleReceiver.h"
#include "samplers/transfer/CABCSampleTransmitter.h"
#include "samplers/transfer/LimitSlices.h"
#include "samplers/transfer/SliceNames.h"
#include "samplers/transfer/TransferLoops.h"
#include "slicing/CSliceRenderSet.h"
#include "sound/WAVE_SAMPLE.h"

namespace {

constexpr std::int32_t kAnswerYes = 33;  // Yes, Replace: the button written last
constexpr std::size_t kTemplateZone = 7;

// Goes on when the user answers the alert with its last button.
void AskToGoOn(ResourceId alert)
{
    if (ShowAlert(alert) != kAnswerYes)
        throw XSampleTransmitCancelled();
}

std::uint16_t DonePercent(std::size_t done, std::size_t total)
{
    return static_cast<std::uint16_t>(total == 0 ? 100 : done * 100 / total);
}

// "200 to 202" of the samples among `objects` (sent in a row).
std::string SampleIds(const std::vector<Kurzweil::ObjectId>& objects)
{
    std::vector<std::uint16_t> ids;
    for (const Kurzweil::ObjectId& object : objects)
        if (object.type == Kurzweil::kSample)
            ids.push_back(object.id);
    if (ids.empty())
        return "none";
    return std::to_string(ids.front()) + " to " + std::to_string(ids.back());
}

}  // namespace

std::string CK2000Transfer::ProgramNameCharacters()
{
    std::string allowed = " ";
    for (char c = '!'; c <= 'z'; ++c)
        allowed.push_back(c);
    return allowed;
}

std::optional<std::uint16_t> CK2000Transfer::ProgramIdIn(const std::string& text)
{
    if (text.empty() || text.size() > 5 || text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const unsigned long id = std::stoul(text);
    if (id >= kNoProgram)
        return std::nullopt;
    return static_cast<std::uint16_t>(id);
}

CK2000Transfer::CK2000Transfer(std::unique_ptr<CSamplerMIDIConnection> connection, std::optional<SCSIDevice> scsi)
    : fConnection(std::move(connection)), fSCSI(scsi)
{
}

CK2000Transfer::~CK2000Transfer() = default;

std::uint32_t CK2000Transfer::LastSampleNumber() const
{
    return CK2000Interface::kHighestId;
}

CK2000Interface CK2000Transfer::MakeInterface(std::uint8_t device)
{
    return CK2000Interface(fConnection->Parser(), fConnection->Output(), device, fSCSI);
}

void CK2000Transfer::Transmit(const CSliceRenderSet& slices, const TransmitRequest& request,
                              CLengthyOperation& progress)
{
    fReport.clear();
    const std::string name =
        KeepAllowed(request.programName.substr(0, Kurzweil::kNameLength), ProgramNameCharacters(), kDefaultName);
    if (request.programId == 0 || request.programId > CK2000Interface::kHighestId)
        throw XKurzweilIDOutOfRange();
    CK2000Interface sampler = MakeInterface(request.sysexId);
    const auto destination =
        static_cast<std::uint16_t>(request.programId < 0 ? sampler.FreeProgramId() : request.programId);
    const bool replacing = sampler.ProgramName(destination).has_value();
    if (replacing)
        AskToGoOn(Res::kAlertK2000ReplaceProgram);
    progress.SetTitle(Res::kStringNotApplicable);
    const Template base = RetrieveTemplate(sampler, request.templateName, destination, name, progress);
    const int count = LimitSlices(slices.Count(), kKeys - base.baseKey);
    if (replacing)
        DeleteProgram(sampler, destination, progress);
    Build(sampler, slices, count, name, destination, base, progress);
}

CK2000Transfer::Template CK2000Transfer::Defaults(std::uint16_t destination, const std::string& name) const
{
    return Template{CK2000Program(destination, name), kDefaultEntry, kDefaultBaseKey, std::nullopt};
}

CK2000Transfer::Template CK2000Transfer::RetrieveTemplate(CK2000Interface& sampler, const std::string& templateId,
                                                          std::uint16_t destination, const std::string& name,
                                                          CLengthyOperation& progress) const
{
    if (templateId.empty())
        return Defaults(destination, name);
    const std::optional<std::uint16_t> id = ProgramIdIn(templateId);
    if (!id) {
        AskToGoOn(Res::kAlertK2000NoTemplate);
        return Defaults(destination, name);
    }
    try {
        if (sampler.ProgramName(*id))
            return ReadTemplate(sampler, *id, progress);
    } catch (const XExternalDeviceException&) {
        AskToGoOn(Res::kAlertK2000TemplateFailed);
        return Defaults(destination, name);
    }
    AskToGoOn(Res::kAlertK2000TemplateMissing);
    return Defaults(destination, name);
}

CK2000Transfer::Template CK2000Transfer::ReadTemplate(CK2000Interface& sampler, std::uint16_t id,
                                                      CLengthyOperation& progress) const
{
    progress.SetTitle(Res::kStringK2000RetrievingProgram);
    Template base{CK2000Program(id, ""), kDefaultEntry, kDefaultBaseKey, std::nullopt};
    if (!sampler.ReadObject(base.program))
        throw XKurzweilException();
    progress.SetTitle(Res::kStringK2000RetrievingKeymap);
    base.keymap = base.program.FirstKeymap(0);
    CK2000Keymap keymap(*base.keymap, "");
    if (!sampler.ReadObject(keymap))
        throw XKurzweilException();
    for (int key = std::max(0, keymap.FirstKey()); key < kKeys; ++key) {
        const CK2000Keymap::Entry* entry = keymap.Find(kTemplateZone, key);
        if (!entry)
            break;
        if (entry->sampleId != 0) {
            base.entry = *entry;
            base.baseKey = key;
            break;
        }
    }
    return base;
}

void CK2000Transfer::DeleteProgram(CK2000Interface& sampler, std::uint16_t id, CLengthyOperation& progress) const
{
    CK2000Program old(id, "");
    sampler.ReadObject(old);
    CK2000Keymap keymap(old.FirstKeymap(0), "");
    bool hasKeymap = true;
    try {
        sampler.ReadObject(keymap);
    } catch (const XKurzweilObjectNotFound&) {
        hasKeymap = false;
    }
    if (hasKeymap) {
        progress.SetTitle(Res::kStringK2000DeletingSamples);
        const std::set<std::uint16_t> samples = keymap.SampleIds();
        std::size_t done = 0;
        for (const std::uint16_t sample : samples) {
            progress.Update(static_cast<std::int32_t>(samples.size() - done), DonePercent(done, samples.size()));
            if (progress.WasCancelled()) {
                progress.SetTitle(Res::kStringCancelled);
                throw XK2000DeleteCancelled();
            }
            sampler.DeleteObject({Kurzweil::kSample, sample});
            ++done;
        }
    }
    progress.SetTitle(Res::kStringK2000DeletingKeymap);
    if (hasKeymap)
        sampler.DeleteObject(keymap.Object());
    sampler.DeleteObject(old.Object());
}

std::uint16_t CK2000Transfer::SendSlice(CK2000Interface& sampler, const WAVE_SAMPLE& sound, const std::string& name,
                                        std::uint16_t bank, CK2000CreatedObjects& created, CLengthyOperation& progress,
                                        std::int32_t left) const
{
    SampleFormat format = SliceFormat(sound);
    format.name = name;
    const std::uint32_t n = std::max<std::uint32_t>(format.length, 2);
    format.sustain = {LoopMode::kForward, n - 2, n - 1};
    format.rootKey = kRootKey;
    sampler.AdjustFormat(format);
    const std::uint16_t id = sampler.ReserveSample(bank, format.name);
    created.Add({Kurzweil::kSample, id});
    SampleFormat sent = format;
    if (sent.sustain.end > sent.sustain.start)
        --sent.sustain.end;
    const std::unique_ptr<CABCSampleTransmitter> transmitter = sampler.MakeTransmitter(id);
    transmitter->Begin(sent);
    SendFrames(*transmitter, sound, sampler.ChunkFrames(), progress, left);
    sampler.NameObject({Kurzweil::kSample, id}, format.name);
    return id;
}

void CK2000Transfer::Build(CK2000Interface& sampler, const CSliceRenderSet& slices, int count, const std::string& name,
                           std::uint16_t destination, const Template& base, CLengthyOperation& progress)
{
    CK2000CreatedObjects created(sampler);
    try {
        CK2000Keymap keymap(destination, name);
        progress.SetTitle(Res::kStringSlicesLeft);
        const auto bank = static_cast<std::uint16_t>(destination / 100);
        for (int i = 0; i < count; ++i) {
            progress.Update(count - i, 0);
            if (progress.WasCancelled()) {
                progress.SetTitle(Res::kStringSampleTransmitCancelled);
                throw XSampleTransmitCancelled();
            }
            const std::unique_ptr<WAVE_SAMPLE> sound = slices.Render(i);
            const std::uint16_t sample = SendSlice(sampler, *sound, SliceSampleName(name, i, Kurzweil::kNameLength),
                                                   bank, created, progress, count - i);
            const int key = base.baseKey + i;
            CK2000Keymap::Entry* entry = keymap.Find(0, key);
            if (!entry)
                throw XInternalError();
            *entry = base.entry;
            entry->tuning = static_cast<std::int16_t>(base.entry.tuning - kTemplateTuning + (kRootKey - key) * 100);
            entry->sampleId = sample;
            entry->sampleNumber = 1;
        }
        progress.SetTitle(Res::kStringK2000CreatingKeymap);
        keymap.SetId(sampler.WriteObject(keymap));
        created.Add(keymap.Object());

        progress.SetTitle(Res::kStringK2000CreatingProgram);
        CK2000Program program = base.program;
        program.SetId(destination);
        program.SetName(name);
        for (std::size_t layer = 0; layer < program.LayerCount(); ++layer) {
            const bool first = base.keymap ? program.FirstKeymap(layer) == *base.keymap : layer == 0;
            const bool second = base.keymap && program.SecondKeymap(layer) == *base.keymap;
            if (first)
                program.SetFirstKeymap(layer, keymap.Id());
            if (second)
                program.SetSecondKeymap(layer, keymap.Id());
            if (!first && !second)
                continue;
            program.SetKeys(layer, std::min(base.baseKey, program.LowKey(layer)),
                            std::max(base.baseKey + count - 1, program.HighKey(layer)));
            if (slices.PitchMode())
                program.Transpose(layer, slices.Transposition());
        }
        program.SetId(sampler.WriteObject(program));
        created.Add(program.Object());
        fReport = "program \"" + name + "\" at ID " + std::to_string(program.Id()) + " with keymap " +
                  std::to_string(keymap.Id()) + " over sample IDs " + SampleIds(created.Objects());
        created.Keep();
    } catch (...) {
        created.Undo();
        fReport = created.LeftBehind();
        throw;
    }
}

std::optional<std::string> CK2000Transfer::ProgramName(std::uint8_t sysexId, std::uint16_t id)
{
    return MakeInterface(sysexId).ProgramName(id);
}

ReceivedSample CK2000Transfer::Receive(const ReceiveRequest& request, CLengthyOperation& progress)
{
    if (request.sampleNumber < FirstSampleNumber() || request.sampleNumber > LastSampleNumber())
        throw XInternalError();
    CK2000Interface sampler = MakeInterface(request.sysexId);
    const auto id = static_cast<std::uint16_t>(request.sampleNumber);
    const std::optional<Kurzweil::ObjectInfo> info = sampler.RequestInfo({Kurzweil::kSample, id});
    progress.SetTitle(Res::kStringReceivingSample);
    const std::unique_ptr<CABCSampleReceiver> receiver = sampler.MakeReceiver(id);
    ReceivedSample received = ReceiveFrames(*receiver, progress);
    if (info && info->object.id == id)
        received.format.name = info->name;
    return received;
}
