#pragma once
// Sends one sample as a new wave sample of an instrument's layer: Begin
// creates the wave sample, takes its parameter block from the sampler as a
// template and puts it back describing the sample; the frames follow as wave
// data of at most 4096 words a message. A stop deletes the wave sample being
// sent. After the transmitter, finished or not, the sampler is left alone
// for a second.
#include "samplers/transfer/CABCSampleTransmitter.h"

class CABCEnsoniqInterface;

class CEnsoniqSampleTransmitter : public CABCSampleTransmitter {
public:
    // `wave` is the number the sampler gives the wave sample it creates: the
    // lowest its instrument does not use.
    CEnsoniqSampleTransmitter(CABCEnsoniqInterface& sampler, int instrument, int layer, int wave);
    ~CEnsoniqSampleTransmitter() override;
    CEnsoniqSampleTransmitter(const CEnsoniqSampleTransmitter&) = delete;
    CEnsoniqSampleTransmitter& operator=(const CEnsoniqSampleTransmitter&) = delete;

    // `format` adjusted by the interface.
    FrameWidth Begin(const SampleFormat& format) override;
    void SendChunk(const void* frames, std::uint32_t count) override;
    void Cancel() override;

private:
    CABCEnsoniqInterface& fSampler;
    int fInstrument;
    int fLayer;
    int fWave;
};
