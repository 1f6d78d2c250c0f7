#pragma once
// The parameter record of one A3000 sample (172 bytes; an "SP" dump's data
// and the head of its wave data): name, length, rate, start and end, loop,
// original key, fine tune in the sampler's steps, key range, and two texts
// the sampler fills in itself. Fields this program does not set keep what
// a template gave them. Numbers are big-endian.
#include <cstdint>
#include <string>

#include "samplers/transfer/SampleFormat.h"
#include "samplers/yamaha/A3000Dump.h"

class CA3000SampleParameters {
public:
    static constexpr std::size_t kBytes = 172;
    static constexpr std::uint32_t kDefaultRate = 44100;
    static constexpr std::uint32_t kHighestRate = 65535;
    static constexpr std::uint8_t kLoopOff = 1;
    static constexpr std::uint8_t kLoopForward = 2;
    // Offsets of the fields.
    static constexpr std::size_t kName = 0;
    static constexpr std::size_t kLength = 16;
    static constexpr std::size_t kRate = 20;
    static constexpr std::size_t kStart = 24;
    static constexpr std::size_t kEnd = 28;
    static constexpr std::size_t kLoopStart = 32;
    static constexpr std::size_t kLoopEnd = 36;
    static constexpr std::size_t kLoopMode = 40;
    static constexpr std::size_t kKey = 41;
    static constexpr std::size_t kFineTune = 42;
    static constexpr std::size_t kLowKey = 43;
    static constexpr std::size_t kHighKey = 44;
    static constexpr std::size_t kLevel = 45;
    static constexpr std::size_t kPan = 46;
    // The two texts the sampler fills in when it stores wave data.
    static constexpr std::size_t kWaveTexts = 48;
    static constexpr std::size_t kWaveTextsLength = 32;

    // The defaults of a new sample: 44100 Hz, loop off, key 60, full level,
    // centred.
    CA3000SampleParameters();
    // XA3000ReceivedInvalidSysex unless `data` is 172 bytes.
    static CA3000SampleParameters Read(const A3000::Bytes& data);
    const A3000::Bytes& Data() const { return fData; }

    // Takes the name, length, rate, points, loop, keys and fine tune of an
    // adjusted format (AdjustFormat).
    void Describe(const SampleFormat& format);
    SampleFormat Format() const;
    std::string Name() const { return A3000::GetName(&fData[kName]); }
    void SetName(const std::string& name) { A3000::PutName(&fData[kName], name); }
    std::uint32_t Length() const { return A3000::Get32(&fData[kLength]); }
    void SetKeys(std::uint8_t key, std::uint8_t low, std::uint8_t high);
    // Copies the texts the sampler filled in from `stored`.
    void TakeWaveTexts(const CA3000SampleParameters& stored);

    // Makes `format` what the A3000 takes: the name filtered (AllowedName),
    // at most 2 channels, 16 bits, at most 65535 Hz, at least 4 frames past
    // the end, loops the sampler plays, the fine tune on its step.
    static void AdjustFormat(SampleFormat& format);
    // Cents on the sampler's fine-tune step, and the step in the record.
    static std::int16_t RoundFineTune(std::int32_t cents);
    static std::int8_t FineTuneSteps(std::int32_t cents);

private:
    A3000::Bytes fData;
};
