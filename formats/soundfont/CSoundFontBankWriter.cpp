#include "formats/soundfont/CSoundFontBankWriter.h"

#include <algorithm>
#include <array>

#include "formats/chunks/ByteOrder.h"
#include "framework/exceptions/GeneralExceptions.h"

namespace {

constexpr std::uint32_t kPiece = 1024;

} // namespace

CSoundFontBankWriter::CSoundFontBankWriter(CMedia& media, const SoundFontInfo& info)
    : file_(media)
    , form_(file_.BeginRiff("sfbk"))
    , body_(std::make_unique<CIFFWriter2>(file_, form_))
{
    WriteSoundFontInfo(*body_, info);
    sampleList_ = body_->BeginList("sdta");
    sampleData_ = std::make_unique<CIFFWriter2>(*body_, sampleList_);
    smpl_ = sampleData_->BeginChunk("smpl");
}

CSoundFontBankWriter::~CSoundFontBankWriter() = default;

void CSoundFontBankWriter::WriteFrames(const std::int16_t* frames, std::uint32_t count)
{
    if (std::uint64_t{written_} + count + kSoundFontGuardPoints > UINT32_MAX / 2)
        throw XWrite();
    std::array<std::uint8_t, 2 * kPiece> bytes;
    for (std::uint32_t done = 0; done < count;) {
        const std::uint32_t piece = std::min(kPiece, count - done);
        for (std::uint32_t i = 0; i < piece; ++i)
            WriteLittleEndian16(&bytes[2 * i], static_cast<std::uint16_t>(frames[done + i]));
        sampleData_->Write(2 * piece, bytes.data());
        done += piece;
    }
    written_ += count;
}

void CSoundFontBankWriter::EndSample(const std::string& name, std::uint32_t rate, std::uint8_t key,
                                     std::uint8_t originalPitch, std::int8_t pitchCorrection)
{
    SoundFontSample sample;
    sample.name = name;
    sample.start = sampleStart_;
    sample.end = written_;
    sample.rate = rate;
    sample.key = key;
    sample.originalPitch = originalPitch;
    sample.pitchCorrection = pitchCorrection;
    samples_.push_back(sample);

    const std::array<std::int16_t, kSoundFontGuardPoints> guard{};
    WriteFrames(guard.data(), kSoundFontGuardPoints);
    sampleStart_ = written_;
}

void CSoundFontBankWriter::Finish(const std::string& bankName)
{
    sampleData_->EndChunk(smpl_);
    sampleData_.reset();
    body_->EndChunk(sampleList_);
    WriteSoundFontPresetData(*body_, bankName, samples_);
    body_.reset();
    file_.EndChunk(form_);
}
