#include "formats/sound/SampleBytes.h"

#include <algorithm>

#include "formats/chunks/ByteOrder.h"

void WriteSamplesInOrder(const std::int16_t* samples, std::int64_t count, bool bigEndian,
                         const std::function<void(std::int64_t, const void*)>& write) {
    constexpr std::int64_t kBlockSamples = 8192;
    std::uint8_t block[kBlockSamples * 2];
    for (std::int64_t done = 0; done < count;) {
        const std::int64_t piece = std::min(kBlockSamples, count - done);
        for (std::int64_t i = 0; i < piece; ++i) {
            const auto value = static_cast<std::uint16_t>(samples[done + i]);
            if (bigEndian)
                WriteBigEndian16(block + 2 * i, value);
            else
                WriteLittleEndian16(block + 2 * i, value);
        }
        write(piece * 2, block);
        done += piece;
    }
}
