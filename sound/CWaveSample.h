#pragma once
// A flat sound as file readers and sampler receivers deliver it: mono 16-bit
// samples in one memory stream with 1024 spare bytes behind the last frame.
// A sound that carries an attachment cannot be taken into a document as it is.
#include <array>
#include <cstdint>
#include <memory>

#include "framework/streams/CMemoryMedia.h"

class WAVE_SAMPLE;

class CWaveSample {
public:
    static constexpr std::size_t kNameLength = 67;
    static constexpr std::uint32_t kSpareBytes = 1024;

    // Whatever a reader keeps with a sound that a document cannot take.
    class CAttachment {
    public:
        virtual ~CAttachment() = default;
    };

    // All zeros. XOutOfMemory when the block cannot be allocated.
    CWaveSample(const char* name, std::uint32_t rate, std::uint32_t frames);
    virtual ~CWaveSample();
    CWaveSample(const CWaveSample&) = delete;
    CWaveSample& operator=(const CWaveSample&) = delete;

    const char* Name() const { return name_.data(); }
    void SetName(const char* name);
    std::uint32_t Rate() const { return rate_; }
    std::uint32_t Frames() const { return frames_; }
    CMemoryMedia& Samples() { return *samples_; }
    const CMemoryMedia& Samples() const { return *samples_; }
    std::int16_t* Data() { return reinterpret_cast<std::int16_t*>(samples_->Data()); }
    const std::int16_t* Data() const { return reinterpret_cast<const std::int16_t*>(samples_->Data()); }

    void SetAttachment(std::unique_ptr<CAttachment> attachment) { attachment_ = std::move(attachment); }
    const CAttachment* Attachment() const { return attachment_.get(); }
    bool CanBeTakenIntoDocument() const { return attachment_ == nullptr; }

    // A new document sound with the same name, rate and samples, the loop over
    // the whole sound.
    std::unique_ptr<WAVE_SAMPLE> MakeDocumentSound() const;

private:
    std::array<char, kNameLength + 1> name_{};
    std::uint32_t rate_ = 0;
    std::uint32_t frames_ = 0;
    std::unique_ptr<CMemoryMedia> samples_;
    std::unique_ptr<CAttachment> attachment_;
};
