#include "samplers/roland/CS760LoopTransmission.h"

#include <algorithm>
#include <cstdio>
#include <set>

#include "framework/alerts/Alerts.h"
#include "framework/exceptions/CancelExceptions.h"
#include "framework/exceptions/GeneralExceptions.h"
#include "framework/exceptions/SamplerExceptions.h"
#include "framework/progress/CLengthyOperation.h"
#include "framework/resources/ResourceScripts.h"
#include "samplers/roland/CS760MIDIInterface.h"
#include "samplers/roland/CS760MIDITransmitter.h"
#include "samplers/roland/S760AddressMap.h"
#include "samplers/roland/S760Names.h"
#include "samplers/transfer/LimitSlices.h"
#include "samplers/transfer/SliceNames.h"
#include "samplers/transfer/TransferLoops.h"
#include "slicing/CSliceRenderSet.h"
#include "slicing/Tempo.h"
#include "sound/WAVE_SAMPLE.h"

namespace {

constexpr std::int32_t kAlertYes = 33;     // [No][Yes]
constexpr std::int32_t kAlertCancel = 34;  // [Cancel][Replace]
constexpr int kHighestS760Key = 108;
constexpr int kMostCoarseTune = 48;

// Shows the alert script `id` with `value` printed into its "%d".
void ShowCountAlert(ResourceId id, std::size_t value)
{
    char text[512];
    std::snprintf(text, sizeof text, GetAlertScript(id).c_str(), static_cast<int>(value));
    ShowAlertText(text);
}

}  // namespace

CS760LoopTransmission::CS760LoopTransmission(CS760MIDIInterface& sampler, CLengthyOperation& progress)
    : fSampler(sampler), fProgress(progress)
{
}

std::string CS760LoopTransmission::DefaultPatchName(const std::string& documentName)
{
    std::string printable;
    std::copy_if(documentName.begin(), documentName.end(), std::back_inserter(printable),
                 [](char c) { return c >= ' ' && c <= '~'; });
    return S760::PatchNameForm(printable.empty() ? "New Patch" : printable);
}

void CS760LoopTransmission::StopIfAsked()
{
    if (!fProgress.WasCancelled())
        return;
    fProgress.SetTitle(Res::kStringSampleTransmitCancelled);
    throw XSampleTransmitCancelled();
}

bool CS760LoopTransmission::ReadTemplate(const std::string& templateName)
{
    try {
        fProgress.SetTitle(Res::kStringS760RetrievingPatch);
        const auto index = fList.FindName(CS760FileList::kPatch, templateName);
        if (!index)
            return false;
        fPatch = fSampler.ReadPatch(fList.At(*index).number);
        for (int position = 0; position < S760::kKeys; ++position) {
            const S760::KeyEntry key = fPatch.Key(position);
            if (key.partial == S760::kNoPartial)
                continue;
            fKey = key;
            fBaseKey = S760::kLowestKey + position;
            fProgress.SetTitle(Res::kStringS760RetrievingPartial);
            fPartial = fSampler.ReadPartial(key.partial);
            break;
        }
        return true;
    } catch (const XExternalDeviceException&) {
        return false;
    }
}

void CS760LoopTransmission::RetrieveTemplate(const std::string& templateName)
{
    const auto useDefaults = [this] {
        fPatch = S760::Patch::Default();
        fPartial = S760::Partial::Default();
        fKey = S760::KeyEntry{};
        fBaseKey = kDefaultBaseKey;
    };
    useDefaults();
    if (!templateName.empty() && !ReadTemplate(templateName)) {
        if (ShowAlert(Res::kAlertS760TemplateFailed) != kAlertYes)
            throw XSampleTransmitCancelled();
        useDefaults();
    }
    fPatch.ClearKeys();
}

void CS760LoopTransmission::ReplaceExisting(const std::string& patchName)
{
    const auto index = fList.FindName(CS760FileList::kPatch, patchName);
    if (!index)
        return;
    if (ShowAlertWithArgument(Res::kAlertS760ReplacePatch, patchName) == kAlertCancel)
        throw XSampleTransmitCancelled();
    DeletePatch(fList.At(*index).number);
}

void CS760LoopTransmission::CheckRoom(int count) const
{
    const auto slices = static_cast<std::size_t>(count);
    if (fList.Count(CS760FileList::kPatch) + 1 > S760::kPatchCount) {
        ShowAlert(Res::kAlertS760NoFreePatch);
        throw XSampleTransmitCancelled();
    }
    if (const std::size_t partials = fList.Count(CS760FileList::kPartial) + slices; partials > kUsablePartials) {
        ShowCountAlert(Res::kAlertS760TooFewPartials, partials - kUsablePartials);
        throw XSampleTransmitCancelled();
    }
    if (const std::size_t samples = fList.Count(CS760FileList::kSample) + slices; samples > S760::kSampleCount) {
        ShowCountAlert(Res::kAlertS760TooFewSamples, samples - S760::kSampleCount);
        throw XSampleTransmitCancelled();
    }
}

void CS760LoopTransmission::CheckNames(const std::string& patchName, int count) const
{
    for (int i = 0; i < count; ++i) {
        const std::string name = SliceSampleName(patchName, i, S760::kNameLength);
        for (const auto& [category, alert] : {std::pair{CS760FileList::kPartial, Res::kAlertS760PartialExists},
                                              std::pair{CS760FileList::kSample, Res::kAlertS760SampleExists}}) {
            if (fList.FindName(category, name)) {
                ShowAlertWithArgument(alert, name);
                throw XSampleTransmitCancelled();
            }
        }
    }
}

std::uint16_t CS760LoopTransmission::SendSlice(const WAVE_SAMPLE& sound, const std::string& name, int index, int count)
{
    fProgress.SetTitle(Res::kStringS760SlicesLeftSample);
    SampleFormat format = SliceFormat(sound);
    format.name = name;
    format.sustain = {LoopMode::kOff, 0, format.length};
    format.rootKey = static_cast<std::uint8_t>(fBaseKey + index);
    CS760MIDIInterface::AdjustFormat(format);
    const std::unique_ptr<CS760MIDITransmitter> transmitter = fSampler.MakeTransmitter(S760::Half::kMono);
    if (transmitter->Begin(format) != FrameWidth::k16)
        throw XExternalDeviceException();
    SendFrames(*transmitter, sound, kChunkFrames, fProgress, count - index);
    fList.Add({CS760FileList::kSample, transmitter->Number(), name});

    fProgress.SetTitle(Res::kStringS760SlicesLeftPartial);
    const auto number = fList.LowestFree(CS760FileList::kPartial, kUsablePartials);
    if (!number)
        throw XInternalError();
    S760::Partial partial = fPartial;
    partial.SetName(name);
    partial.SetZoneSample(0, transmitter->Number());
    fSampler.WritePartial(*number, partial);
    fList.Add({CS760FileList::kPartial, *number, name});
    fPatch.SetKey(fBaseKey + index - S760::kLowestKey, {static_cast<std::uint8_t>(*number), fKey.extra});
    return transmitter->Number();
}

std::uint16_t CS760LoopTransmission::WritePatch(const std::string& patchName, const CSliceRenderSet& slices)
{
    fProgress.SetTitle(Res::kStringS760TransmittingPatch);
    const auto number = fList.LowestFree(CS760FileList::kPatch, S760::kPatchCount);
    if (!number)
        throw XInternalError();
    S760::Patch patch = fPatch;
    patch.SetName(patchName);
    if (slices.PitchMode()) {
        // The transposition folded into the tuning, the cents carried into
        // semitones; past the coarse range the fine tune is left alone.
        const TranspositionSplit split =
            SplitTransposition(patch.CoarseTune() * 100 + patch.FineTune() + slices.Transposition());
        if (std::abs(split.semitones) > kMostCoarseTune)
            patch.SetTune(std::clamp(split.semitones, -kMostCoarseTune, kMostCoarseTune), patch.FineTune());
        else
            patch.SetTune(split.semitones, split.cents);
    }
    fSampler.WritePatch(*number, patch);
    fList.Add({CS760FileList::kPatch, *number, patchName});
    return *number;
}

void CS760LoopTransmission::DeletePatch(std::uint16_t patch)
{
    fProgress.SetTitle(Res::kStringS760DeletingPartials);
    const S760::Patch block = fSampler.ReadPatch(patch);
    std::set<std::uint8_t> partials;
    for (int position = 0; position < S760::kKeys; ++position)
        if (const std::uint8_t partial = block.Key(position).partial; partial != S760::kNoPartial)
            partials.insert(partial);
    std::size_t done = 0;
    for (const std::uint8_t partial : partials) {
        fProgress.Update(static_cast<std::int32_t>(partials.size() - done),
                         static_cast<std::uint16_t>(done * 100 / partials.size()));
        ++done;
        if (!fList.Find(CS760FileList::kPartial, partial))
            continue;
        const S760::Partial zones = fSampler.ReadPartial(partial);
        std::set<std::uint16_t> samples;
        for (int zone = 0; zone < S760::kZones; ++zone)
            if (const std::uint16_t sample = zones.ZoneSample(zone); sample != S760::kNoSample)
                samples.insert(sample);
        for (const std::uint16_t sample : samples) {
            if (!fList.Find(CS760FileList::kSample, sample))
                continue;
            if (fProgress.WasCancelled())
                throw XS760DeleteCancelled();
            fSampler.DeleteSample(sample);
            fList.Remove(CS760FileList::kSample, sample);
        }
        fSampler.ClearPartial(partial);
        fList.Remove(CS760FileList::kPartial, partial);
    }
    fProgress.SetTitle(Res::kStringS760DeletingPatch);
    fSampler.ClearPatch(patch);
    fList.Remove(CS760FileList::kPatch, patch);
}

CS760LoopTransmission::Result CS760LoopTransmission::Run(const CSliceRenderSet& slices, const std::string& patchName,
                                                         const std::string& templateName)
{
    fProgress.SetTitle(Res::kStringReceivingSampleNames);
    fList.Clear();
    fSampler.ReadFileList(0, fList, &fProgress);
    RetrieveTemplate(templateName);
    const int count = LimitSlices(slices.Count(), std::min(S760::kKeys, kHighestS760Key + 1 - fBaseKey));
    ReplaceExisting(patchName);
    CheckRoom(count);
    CheckNames(patchName, count);

    Result result{patchName, 0, fBaseKey, 0};
    try {
        for (; result.slices < count; ++result.slices) {
            fProgress.SetTitle(Res::kStringSlicesLeft);
            fProgress.Update(count - result.slices, 0);
            StopIfAsked();
            const std::unique_ptr<WAVE_SAMPLE> sound = slices.Render(result.slices);
            result.samples.push_back(
                SendSlice(*sound, SliceSampleName(patchName, result.slices, S760::kNameLength), result.slices, count));
        }
    } catch (...) {
        if (result.slices == 0)
            throw;
        try {
            WritePatch(patchName, slices);
            ShowAlert(Res::kAlertS760PatchIncomplete);
        } catch (...) {
            // The failure that stopped the slices is the one to report.
        }
        throw;
    }
    result.patch = WritePatch(patchName, slices);
    return result;
}
