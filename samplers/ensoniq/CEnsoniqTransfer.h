#pragma once
// Transfers with an Ensoniq EPS, EPS-16+ or ASR-10 over MIDI. A sliced loop
// becomes one instrument (the destination asked for as the program ID, 1 to
// 8; the first when none) named after the program name (else the loop),
// whose first layer plays one wave sample per slice on the keys from 36
// upward, named after the sample name (else the instrument's) and numbered. A sample is
// received by its reference: (instrument × 8 + layer) × 128 + wave sample,
// each counted from 0 (wave samples from 1). The MIDI ports stay open while
// it lives.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "samplers/transfer/CABCSamplerTransfer.h"

class CABCEnsoniqInterface;
class CSamplerMIDIConnection;

class CEnsoniqTransfer : public CABCSamplerTransfer {
public:
    static constexpr int kFirstKey = 36;
    static constexpr int kMostSlices = 108 - kFirstKey + 1;
    static constexpr int kInstruments = 8;
    static constexpr int kLayers = 8;
    static constexpr int kLastWave = 127;

    // `typeId`: 3000 (EPS), 3010 (EPS-16+) or 3020 (ASR-10).
    CEnsoniqTransfer(std::uint32_t typeId, std::unique_ptr<CSamplerMIDIConnection> connection);
    ~CEnsoniqTransfer() override;

    static std::uint32_t SampleReference(int instrument, int layer, int wave);

    int SliceLimit() const override { return kMostSlices; }
    std::uint32_t FirstSampleNumber() const override { return SampleReference(0, 0, 1); }
    std::uint32_t LastSampleNumber() const override { return SampleReference(7, 7, kLastWave); }
    // XInternalError for a program ID outside 1 … 8.
    void Transmit(const CSliceRenderSet& slices, const TransmitRequest& request,
                  CLengthyOperation& progress) override;
    std::string TransmitReport() const override { return fReport; }
    // XInternalError for a reference outside the range or of wave sample 0.
    ReceivedSample Receive(const ReceiveRequest& request, CLengthyOperation& progress) override;

    // What the sampler holds, for the receive dialog.
    struct Entry {
        int instrument = 0;
        int layer = 0;
        std::uint32_t reference = 0;  // of the wave sample; 0 for a layer
        std::string text;
    };
    // Every layer of every instrument: 'Ins #1: "NAME"        Layer #1'.
    std::vector<Entry> ListLayers(std::uint8_t sysexId, CLengthyOperation& progress);
    // The wave samples of a layer by the keys that play them:
    // "WS #1   C2-D#2".
    std::vector<Entry> ListWaves(std::uint8_t sysexId, int instrument, int layer);

private:
    // The interface on `channel`, kept from one call to the next so that
    // its hold-off carries over; its waits honour `progress`'s Stop.
    CABCEnsoniqInterface& Open(std::uint8_t channel, CLengthyOperation* progress);

    std::uint32_t fTypeId;
    std::unique_ptr<CSamplerMIDIConnection> fConnection;
    std::unique_ptr<CABCEnsoniqInterface> fSampler;
    std::string fReport;
};
