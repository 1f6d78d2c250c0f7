#include "samplers/ensoniq/CEnsoniqSampleTransmitter.h"

#include "framework/exceptions/SamplerExceptions.h"
#include "samplers/ensoniq/CABCEnsoniqInterface.h"
#include "samplers/ensoniq/CEnsoniqWaveParameters.h"

CEnsoniqSampleTransmitter::CEnsoniqSampleTransmitter(CABCEnsoniqInterface& sampler, int instrument, int layer,
                                                     int wave)
    : fSampler(sampler), fInstrument(instrument), fLayer(layer), fWave(wave)
{
}

CEnsoniqSampleTransmitter::~CEnsoniqSampleTransmitter()
{
    fSampler.HoldOff(CABCEnsoniqInterface::kAfterSample);
}

FrameWidth CEnsoniqSampleTransmitter::Begin(const SampleFormat& format)
{
    const auto instrument = static_cast<std::uint16_t>(fInstrument);
    const auto layer = static_cast<std::uint16_t>(fLayer);
    const auto wave = static_cast<std::uint16_t>(fWave);
    fSampler.Perform(Ensoniq::kCreateWave, fInstrument, fLayer, 1);
    CEnsoniqWaveParameters parameters;
    fSampler.GetBlock({Ensoniq::kRequestWave, instrument, layer, wave}, Ensoniq::kWaveDump, parameters);
    parameters.Describe(format);
    fSampler.PutBlock({Ensoniq::kWaveDump, instrument, layer, wave}, parameters);
    SetResultNumber(fWave);
    Start(format.length, CABCEnsoniqInterface::kPieceWords);
    return FrameWidth::k16;
}

void CEnsoniqSampleTransmitter::SendChunk(const void* frames, std::uint32_t count)
{
    const auto* samples = static_cast<const std::int16_t*>(frames);
    Ensoniq::Words words(count);
    for (std::uint32_t i = 0; i < count; ++i)
        words[i] = fSampler.ModelWord(samples[i]);
    fSampler.PutWaveData(fInstrument, fWave, FramesSent(), words);
    CountSent(count);
    if (FramesRemaining() == 0)
        End();
}

void CEnsoniqSampleTransmitter::Cancel()
{
    End();
    try {
        fSampler.Perform(Ensoniq::kDeleteWave, fInstrument, fLayer, fWave);
    } catch (const XExternalDeviceException&) {
        // The user stopped; a wave sample the sampler would not delete stays.
    }
}
