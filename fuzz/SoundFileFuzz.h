#pragma once
// Opens arbitrary bytes as a sound file: the open path with its limits with
// every channel choice, the slice markers, then the format's plain reader, which has no length
// limit and must still never allocate more than the input holds. Refusals are
// exceptions of the program's tree; anything else (a crash, a leak, a hang,
// an allocation beyond the input) is a finding.
#include <cstdint>
#include <cstring>

#include "formats/sound/MarkedSoundFile.h"
#include "formats/sound/SoundFileOpen.h"
#include "framework/exceptions/XBase.h"
#include "framework/streams/CMemoryMedia.h"
#include "sound/CWaveSample.h"
#include "sound/WAVE_SAMPLE.h"

template <class PlainReader>
int FuzzSoundFile(const std::uint8_t* data, std::size_t size, PlainReader read) {
    CMemoryMedia media(static_cast<std::int64_t>(size));
    if (size) std::memcpy(media.Data(), data, size);
    for (ChannelChoice choice : {ChannelChoice::Left, ChannelChoice::Right, ChannelChoice::Mix}) {
        try {
            OpenSoundMedia(media, "fuzz", choice);
        } catch (const XBase&) {
        }
    }
    try {
        ReadSoundMarks(media, UINT32_MAX);
    } catch (const XBase&) {
    }
    try {
        read(media, "fuzz", ChannelChoice::Mix);
    } catch (const XBase&) {
    }
    return 0;
}
