// Arbitrary bytes opened as a WAV file.
#include "formats/sound/WAVFile.h"
#include "fuzz/SoundFileFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return FuzzSoundFile(data, size, ReadWAV);
}
