#include "samplers/roland/CS760MIDIReceiver.h"

#include "samplers/roland/CS760MIDIInterface.h"

namespace {

constexpr std::uint32_t kFramesAfterEnd = 4;

}  // namespace

CS760MIDIReceiver::CS760MIDIReceiver(CS760MIDIInterface& sampler, std::uint16_t number)
    : CSDSReceiver(sampler.Input(), sampler.Output(), sampler.Device(), number, kReplyTimeout),
      fSampler(sampler),
      fNumber(number)
{
}

void CS760MIDIReceiver::Begin(SampleFormat& format, FrameWidth& width)
{
    SampleFormat held = fSampler.SampleFormatOf(fNumber);
    CSDSReceiver::Begin(format, width);
    const std::uint32_t frames = format.length > kFramesAfterEnd ? format.length - kFramesAfterEnd : 0;
    held.Shorten(frames);
    held.length = frames;
    format = held;
}
