// Arbitrary bytes opened as an AIFF file.
#include "formats/sound/AIFFFile.h"
#include "fuzz/SoundFileFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return FuzzSoundFile(data, size, ReadAIFF);
}
