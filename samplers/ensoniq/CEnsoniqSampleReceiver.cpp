#include "samplers/ensoniq/CEnsoniqSampleReceiver.h"

#include <algorithm>
#include <cstring>

#include "framework/exceptions/SamplerExceptions.h"
#include "samplers/ensoniq/CABCEnsoniqInterface.h"
#include "samplers/ensoniq/CEnsoniqWaveParameters.h"

CEnsoniqSampleReceiver::CEnsoniqSampleReceiver(CABCEnsoniqInterface& sampler, int instrument, int layer, int wave)
    : fSampler(sampler), fInstrument(instrument), fLayer(layer), fWave(wave)
{
}

void CEnsoniqSampleReceiver::Begin(SampleFormat& format, FrameWidth& width)
{
    CEnsoniqWaveParameters parameters;
    fSampler.GetBlock({Ensoniq::kRequestWave, static_cast<std::uint16_t>(fInstrument),
                       static_cast<std::uint16_t>(fLayer), static_cast<std::uint16_t>(fWave)},
                      Ensoniq::kWaveDump, parameters);
    format = parameters.Format(fSampler.SampleBits());
    if (format.length == 0)
        throw XSampleDoesNotExist();
    width = FrameWidth::k16;
    Start(format.length, std::clamp(format.length, kSmallestPiece, CABCEnsoniqInterface::kPieceWords));
}

void CEnsoniqSampleReceiver::ReceiveChunk(void* destination, std::uint32_t count)
{
    const Ensoniq::Words words = fSampler.GetWaveData(fInstrument, fWave, FramesReceived(), count);
    std::memcpy(destination, words.data(), words.size() * sizeof(std::uint16_t));
    CountReceived(count);
    if (FramesRemaining() == 0)
        End();
}
