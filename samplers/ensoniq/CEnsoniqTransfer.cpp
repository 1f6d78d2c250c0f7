#include "samplers/ensoniq/CEnsoniqTransfer.h"

#include <cstdio>

#include "framework/alerts/Alerts.h"
#include "framework/exceptions/CancelExceptions.h"
#include "framework/exceptions/GeneralExceptions.h"
#include "framework/exceptions/SamplerExceptions.h"
#include "framework/progress/CLengthyOperation.h"
#include "framework/resources/AlertDefinition.h"
#include "samplers/devices/CSamplerMIDIConnection.h"
#include "samplers/ensoniq/CEPS16Interface.h"
#include "samplers/ensoniq/CEPSInterface.h"
#include "samplers/ensoniq/CEnsoniqInstrumentParameters.h"
#include "samplers/ensoniq/CEnsoniqLayerParameters.h"
#include "samplers/ensoniq/CEnsoniqSampleReceiver.h"
#include "samplers/ensoniq/CEnsoniqSampleTransmitter.h"
#include "samplers/transfer/LimitSlices.h"
#include "samplers/transfer/SliceNames.h"
#include "samplers/transfer/TransferLoops.h"
#include "slicing/CSliceRenderSet.h"
#include "slicing/Tempo.h"
#include "sound/WAVE_SAMPLE.h"

namespace {

constexpr std::uint32_t kEPSTypeId = 3000;

Ensoniq::Command InstrumentCommand(std::uint8_t code, int instrument)
{
    return {code, static_cast<std::uint16_t>(instrument), 0, 1};
}

Ensoniq::Command LayerCommand(std::uint8_t code, int instrument, int layer)
{
    return {code, static_cast<std::uint16_t>(instrument), static_cast<std::uint16_t>(layer), 1};
}

// The program name asked for, else the loop's name without its extension.
std::string InstrumentName(const TransmitRequest& request, const CSliceRenderSet& slices)
{
    if (!request.programName.empty() || slices.Count() == 0)
        return CABCEnsoniqInterface::CleanName(request.programName);
    return CABCEnsoniqInterface::CleanName(CutExtension(slices.Render(0)->Name()));
}

// The slice's key as its root key; in pitch mode moved down by the
// transposition, its cents as fine tune while the key stays on the keyboard.
void PlaceOnKey(SampleFormat& format, int key, const CSliceRenderSet& slices)
{
    format.rootKey = static_cast<std::uint8_t>(key);
    format.fineTune = 0;
    if (!slices.PitchMode())
        return;
    const TranspositionSplit split = SplitTransposition(slices.Transposition());
    const int root = key - split.semitones;
    if (root < CEnsoniqLayerParameters::kLowestKey || root > CEnsoniqLayerParameters::kHighestKey) {
        format.rootKey = static_cast<std::uint8_t>(root < CEnsoniqLayerParameters::kLowestKey
                                                       ? CEnsoniqLayerParameters::kLowestKey
                                                       : CEnsoniqLayerParameters::kHighestKey);
        return;
    }
    format.rootKey = static_cast<std::uint8_t>(root);
    format.fineTune = static_cast<std::int16_t>(split.cents);
}

void GetInstrument(CABCEnsoniqInterface& sampler, int instrument, CEnsoniqInstrumentParameters& parameters)
{
    sampler.GetBlock(InstrumentCommand(Ensoniq::kRequestInstrument, instrument), Ensoniq::kInstrumentDump,
                     parameters);
}

// Creates the instrument and names it; a failure is told as such before it
// takes its own alert.
void CreateInstrument(CABCEnsoniqInterface& sampler, int instrument, const std::string& name,
                      CEnsoniqInstrumentParameters& parameters, CLengthyOperation& progress)
{
    progress.SetTitle(Res::kStringEnsoniqCreatingInstrument);
    try {
        sampler.Perform(Ensoniq::kCreateInstrument, instrument, 0, 1);
        GetInstrument(sampler, instrument, parameters);
        parameters.SetName(name);
        sampler.PutBlock(InstrumentCommand(Ensoniq::kInstrumentDump, instrument), parameters);
    } catch (const XSampleTransmitCancelled&) {
        throw;
    } catch (...) {
        ShowAlert(Res::kAlertEnsoniqCreateFailed);
        throw;
    }
}

std::string KeyName(int key)
{
    static constexpr const char* kNotes[] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
    return kNotes[key % 12] + std::to_string(key / 12 - 1);
}

}  // namespace

CEnsoniqTransfer::CEnsoniqTransfer(std::uint32_t typeId, std::unique_ptr<CSamplerMIDIConnection> connection)
    : fTypeId(typeId), fConnection(std::move(connection))
{
}

CEnsoniqTransfer::~CEnsoniqTransfer() = default;

std::uint32_t CEnsoniqTransfer::SampleReference(int instrument, int layer, int wave)
{
    return static_cast<std::uint32_t>((instrument * kLayers + layer) * (kLastWave + 1) + wave);
}

CABCEnsoniqInterface& CEnsoniqTransfer::Open(std::uint8_t channel, CLengthyOperation* progress)
{
    if (!fSampler || fSampler->Channel() != channel) {
        if (fTypeId == kEPSTypeId)
            fSampler = std::make_unique<CEPSInterface>(fConnection->Parser(), fConnection->Output(), channel);
        else
            fSampler = std::make_unique<CEPS16Interface>(fConnection->Parser(), fConnection->Output(), channel);
    }
    fSampler->SetStopSource(progress);
    return *fSampler;
}

void CEnsoniqTransfer::Transmit(const CSliceRenderSet& slices, const TransmitRequest& request,
                                CLengthyOperation& progress)
{
    fReport.clear();
    const int instrument = request.programId < 0 ? 0 : request.programId - 1;
    if (instrument < 0 || instrument >= kInstruments)
        throw XInternalError();
    const std::string name = InstrumentName(request, slices);
    if (CABCEnsoniqInterface::IsBlank(name)) {
        ShowAlert(Res::kAlertEnsoniqNoName);
        throw XSampleTransmitCancelled();
    }
    const std::string base = request.sampleName.empty() ? name : CABCEnsoniqInterface::CleanName(request.sampleName);
    const int count = LimitSlices(slices.Count(), kMostSlices);
    CABCEnsoniqInterface& sampler = Open(request.sysexId, &progress);

    CEnsoniqInstrumentParameters parameters;
    CEnsoniqLayerParameters layer;
    bool exists = true;
    try {
        GetInstrument(sampler, instrument, parameters);
    } catch (const XEnsoniqInvalidTarget&) {
        exists = false;
    }
    if (exists && count == 1) {
        // One sample joins the instrument there, on its first free key.
        sampler.GetBlock(LayerCommand(Ensoniq::kRequestLayer, instrument, 0), Ensoniq::kLayerDump, layer);
    } else {
        if (exists) {
            if (ShowAlert(Res::kAlertEnsoniqReplaceInstrument) != kAlertButtonSlot0)
                throw XSampleTransmitCancelled();
            sampler.Perform(Ensoniq::kDeleteInstrument, instrument, 0, 1);
        }
        CreateInstrument(sampler, instrument, name, parameters, progress);
        progress.SetTitle(Res::kStringEnsoniqCreatingLayer);
        sampler.Perform(Ensoniq::kCreateLayer, instrument, 0, 1);
        sampler.GetBlock(LayerCommand(Ensoniq::kRequestLayer, instrument, 0), Ensoniq::kLayerDump, layer);
        layer.ClearKeyMap();
    }

    progress.SetTitle(Res::kStringSlicesLeft);
    std::vector<int> keys;
    int wave = 0;
    for (int k = 0; k < count; ++k) {
        const std::unique_ptr<WAVE_SAMPLE> sound = slices.Render(k);
        wave = parameters.FirstFreeWave();
        if (wave == 0)
            throw XEnsoniqAllWavesUsedUp();
        layer.RemoveWave(wave);
        keys.push_back(layer.FreeKeyFrom(kFirstKey + k));
        SampleFormat format = SliceFormat(*sound);
        format.name = count == 1 ? base : SliceSampleName(base, k, CEnsoniqSysex::kNameLength);
        PlaceOnKey(format, keys.back(), slices);
        sampler.AdjustFormat(format);
        {
            CEnsoniqSampleTransmitter transmitter(sampler, instrument, 0, wave);
            transmitter.Begin(format);
            parameters.SetWaveInUse(wave, true);
            SendFrames(transmitter, *sound, CABCEnsoniqInterface::kPieceWords, progress, count - k);
        }
        layer.SetWaveAt(keys.back(), wave);
    }

    progress.SetTitle(Res::kStringEnsoniqBuildingLayer);
    sampler.PutBlock(LayerCommand(Ensoniq::kLayerDump, instrument, 0), layer);
    fReport = "instrument " + std::to_string(instrument + 1) + " \"" + parameters.Name() + "\" with layer 1";
    if (keys.size() == 1)
        fReport += " playing wave sample " + std::to_string(wave) + " on key " + KeyName(keys.front());
    else if (!keys.empty())
        fReport += " over keys " + KeyName(keys.front()) + " to " + KeyName(keys.back());
}

ReceivedSample CEnsoniqTransfer::Receive(const ReceiveRequest& request, CLengthyOperation& progress)
{
    const std::uint32_t reference = request.sampleNumber;
    const auto wave = static_cast<int>(reference % (kLastWave + 1));
    if (reference > LastSampleNumber() || wave == 0)
        throw XInternalError();
    const auto layer = static_cast<int>(reference / (kLastWave + 1) % kLayers);
    const auto instrument = static_cast<int>(reference / (kLastWave + 1) / kLayers);
    progress.SetTitle(Res::kStringReceivingSample);
    CABCEnsoniqInterface& sampler = Open(request.sysexId, &progress);
    CEnsoniqSampleReceiver receiver(sampler, instrument, layer, wave);
    return ReceiveFrames(receiver, progress);
}

std::vector<CEnsoniqTransfer::Entry> CEnsoniqTransfer::ListLayers(std::uint8_t sysexId, CLengthyOperation& progress)
{
    CABCEnsoniqInterface& sampler = Open(sysexId, &progress);
    std::vector<Entry> entries;
    for (int instrument = 0; instrument < kInstruments; ++instrument) {
        progress.Update(kInstruments - instrument, static_cast<std::uint16_t>(instrument * 100 / kInstruments));
        CEnsoniqInstrumentParameters parameters;
        try {
            GetInstrument(sampler, instrument, parameters);
        } catch (const XEnsoniqInvalidTarget&) {
            continue;
        }
        const std::string name = parameters.Name();
        for (int layer = 0; layer < kLayers; ++layer) {
            if (!parameters.HasLayer(layer))
                continue;
            char text[64];
            std::snprintf(text, sizeof text, "Ins #%d: \"%s\"%*s  Layer #%d", instrument + 1, name.c_str(),
                          static_cast<int>(13 - name.size()), "", layer + 1);
            entries.push_back({instrument, layer, 0, text});
        }
    }
    return entries;
}

std::vector<CEnsoniqTransfer::Entry> CEnsoniqTransfer::ListWaves(std::uint8_t sysexId, int instrument, int layer)
{
    CABCEnsoniqInterface& sampler = Open(sysexId, nullptr);
    CEnsoniqLayerParameters parameters;
    sampler.GetBlock(LayerCommand(Ensoniq::kRequestLayer, instrument, layer), Ensoniq::kLayerDump, parameters);
    struct Run {
        int wave;
        int low;
        int high;
    };
    std::vector<Run> runs;
    for (int key = CEnsoniqLayerParameters::kLowestKey; key <= CEnsoniqLayerParameters::kHighestKey; ++key) {
        const int wave = parameters.WaveAt(key);
        if (wave == 0)
            continue;
        Run* found = nullptr;
        for (Run& run : runs)
            if (run.wave == wave)
                found = &run;
        if (found)
            found->high = key;
        else
            runs.push_back({wave, key, key});
    }
    std::vector<Entry> entries;
    for (const Run& run : runs) {
        char text[64];
        std::snprintf(text, sizeof text, "WS #%-3d %s-%s", run.wave, KeyName(run.low).c_str(),
                      KeyName(run.high).c_str());
        entries.push_back({instrument, layer, SampleReference(instrument, layer, run.wave), text});
    }
    return entries;
}
