#include "samplers/transfer/SampleFormat.h"

#include <algorithm>

void SampleFormat::Shorten(std::uint32_t frames)
{
    end = std::min(end, frames);
    start = std::min(start, frames);
    for (SampleLoop* loop : {&sustain, &release}) {
        if (loop->mode == LoopMode::kNoLoopData)
            continue;
        loop->start = std::min(loop->start, frames);
        loop->end = std::min(loop->end, frames);
    }
}

std::size_t BytesPerWord(FrameWidth width)
{
    switch (width) {
    case FrameWidth::k8: return 1;
    case FrameWidth::k16: return 2;
    case FrameWidth::k32: return 4;
    }
    return 2;
}
