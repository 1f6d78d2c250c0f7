#pragma once
// Receives one wave sample: Begin reads its parameter block (name, length,
// loop, root key, the model's sample word), the frames follow as wave data
// in pieces of 256 to 4096 words.
#include "samplers/transfer/CABCSampleReceiver.h"

class CABCEnsoniqInterface;

class CEnsoniqSampleReceiver : public CABCSampleReceiver {
public:
    static constexpr std::uint32_t kSmallestPiece = 256;

    CEnsoniqSampleReceiver(CABCEnsoniqInterface& sampler, int instrument, int layer, int wave);

    // XSampleDoesNotExist for a wave sample without frames.
    void Begin(SampleFormat& format, FrameWidth& width) override;
    void ReceiveChunk(void* destination, std::uint32_t count) override;

private:
    CABCEnsoniqInterface& fSampler;
    int fInstrument;
    int fLayer;
    int fWave;
};
