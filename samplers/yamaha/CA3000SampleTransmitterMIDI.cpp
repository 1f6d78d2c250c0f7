#include "samplers/yamaha/CA3000SampleTransmitterMIDI.h"

#include <algorithm>

#include "devices/midi/CMIDIOutput.h"
#include "devices/midi/CSysexMIDIInput.h"
#include "samplers/yamaha/CA3000Interface.h"

namespace {

constexpr std::uint8_t kSysexEnd = 0xF7;

}  // namespace

FrameWidth CA3000SampleTransmitterMIDI::Begin(const SampleFormat& format)
{
    fParameters.Describe(format);
    const A3000::Bytes opening = A3000::WaveDumpOpening(fA3000.Device(), fParameters.Name(), fParameters.Data());
    CSysexConnection& connection = fA3000.Connection();
    connection.WaitUntilSendable();
    connection.Input().Flush();
    connection.Output().SendLong(opening.data(), opening.size());
    Start(fParameters.Length(), kChunkFrames);
    if (fParameters.Length() == 0)
        Finish();
    return FrameWidth::k16;
}

void CA3000SampleTransmitterMIDI::SendChunk(const void* frames, std::uint32_t count)
{
    const auto* samples = static_cast<const std::int16_t*>(frames);
    A3000::Bytes blocks;
    for (std::uint32_t at = 0; at < count; at += kBlockFrames)
        A3000::AppendWaveBlock(blocks, samples + at, std::min(kBlockFrames, count - at));
    fA3000.Connection().Output().SendLong(blocks.data(), blocks.size());
    CountSent(count);
    if (FramesRemaining() == 0)
        Finish();
}

void CA3000SampleTransmitterMIDI::Cancel()
{
    fA3000.Connection().Output().SendLong(&kSysexEnd, 1);
    End();
}

void CA3000SampleTransmitterMIDI::Finish()
{
    fA3000.Connection().Output().SendLong(&kSysexEnd, 1);
    End();
    fA3000.AfterPut(CA3000ObjectList::kSample, fParameters.Name());
}
