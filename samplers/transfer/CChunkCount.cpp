#include "samplers/transfer/CChunkCount.h"

#include <algorithm>

void CChunkCount::Start(std::uint32_t total, std::uint32_t framesPerChunk)
{
    fActive = true;
    fTotal = total;
    fDone = 0;
    fFramesPerChunk = framesPerChunk;
}

void CChunkCount::Count(std::uint32_t frames)
{
    fDone = std::min(fTotal, fDone + frames);
}

std::uint32_t CChunkCount::NextChunkSize() const
{
    return std::min(fFramesPerChunk, Remaining());
}
