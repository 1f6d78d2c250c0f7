#include "samplers/roland/CS760MIDITransmitter.h"

#include "framework/exceptions/SamplerExceptions.h"
#include "samplers/roland/CS760MIDIInterface.h"
#include "samplers/roland/S760Names.h"

namespace {

constexpr std::int64_t kSettleAfterDump = 500;
// The pause on either side of a cancelled dump, so the sampler has given up
// on it before anything else is sent.
constexpr std::int64_t kCancelPause = 3000;

}  // namespace

CS760MIDITransmitter::CS760MIDITransmitter(CS760MIDIInterface& sampler, std::uint16_t number, S760::Half half)
    : CSDSTransmitter(sampler.Input(), sampler.Output(), sampler.Device(), number, kReplyTimeout),
      fSampler(sampler),
      fNumber(number),
      fHalf(half)
{
}

FrameWidth CS760MIDITransmitter::Begin(const SampleFormat& format)
{
    if (fHalf != S760::Half::kRight && fSampler.FindSampleName(format.name))
        throw XS760SampleNameAlreadyExists();
    fFormat = format;
    const FrameWidth width = CSDSTransmitter::Begin(format);
    const std::string name =
        fHalf == S760::Half::kMono ? format.name : S760::StereoHalfName(format.name, fHalf == S760::Half::kRight);
    fSampler.SampleList().Add({CS760FileList::kSample, fNumber, name});
    SetResultNumber(fNumber);
    return width;
}

void CS760MIDITransmitter::SendChunk(const void* frames, std::uint32_t count)
{
    CSDSTransmitter::SendChunk(frames, count);
    if (!IsActive())
        WriteParameters();
}

void CS760MIDITransmitter::WriteParameters()
{
    fSampler.Link().DelaySending(kSettleAfterDump);
    const S760::SampleParameters held = fSampler.ReadSampleParameters(fNumber);
    if (held.IsEmpty()) {
        fSampler.SampleList().Remove(CS760FileList::kSample, fNumber);
        throw XS760SampleLostInSpace();
    }
    fSampler.WriteSampleParameters(
        fNumber, S760::FormatToParameters(fFormat, held.firstSegment, held.segmentCount, fHalf));
}

void CS760MIDITransmitter::Cancel()
{
    fSampler.Link().Pause(kCancelPause);
    CSDSTransmitter::Cancel();
    fSampler.Link().Pause(kCancelPause);
    fSampler.SampleList().Remove(CS760FileList::kSample, fNumber);
}
