#pragma once
// Writes a SoundFont 2 bank sample by sample: the RIFF form sfbk with its
// INFO list, the sdta list whose smpl chunk receives every sample followed
// by its zero guard points, and at Finish the pdta list that maps the
// samples onto their keys. Only the sample being written is held.
//
//     CSoundFontBankWriter bank(stream, info);
//     for each sample: bank.WriteFrames(...)...; bank.EndSample(rate, key, ...);
//     bank.Finish(bankName);
//
// Nothing is patched or closed by the destructor: a bank abandoned midway
// (an exception, a stop) is simply incomplete, and its stream is discarded.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "formats/soundfont/CSoundFontFileWriter.h"
#include "formats/soundfont/SoundFontChunks.h"

class CSoundFontBankWriter {
public:
    // The stream must stand at its start.
    CSoundFontBankWriter(CMedia& media, const SoundFontInfo& info);
    ~CSoundFontBankWriter();
    CSoundFontBankWriter(const CSoundFontBankWriter&) = delete;
    CSoundFontBankWriter& operator=(const CSoundFontBankWriter&) = delete;

    // 16-bit mono sample points of the current sample, in machine order.
    void WriteFrames(const std::int16_t* frames, std::uint32_t count);
    // Ends the current sample: its guard points, and its header with the
    // name, the rate, the key it sits on and the pitch it plays there.
    void EndSample(const std::string& name, std::uint32_t rate, std::uint8_t key, std::uint8_t originalPitch,
                   std::int8_t pitchCorrection);
    // Ends smpl and sdta, writes pdta and patches the form's size.
    void Finish(const std::string& bankName);

    const std::vector<SoundFontSample>& Samples() const { return samples_; }

private:
    CSoundFontFileWriter file_;
    CIFFChunkInfo form_;
    std::unique_ptr<CIFFWriter2> body_;
    CIFFChunkInfo sampleList_;
    std::unique_ptr<CIFFWriter2> sampleData_;
    CIFFChunkInfo smpl_;
    std::uint32_t written_ = 0;      // sample points in smpl, guard points included
    std::uint32_t sampleStart_ = 0;  // where the current sample began
    std::vector<SoundFontSample> samples_;
};
