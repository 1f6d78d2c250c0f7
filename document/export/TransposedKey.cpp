#include "document/export/TransposedKey.h"

#include <algorithm>

#include "slicing/Tempo.h"

TransposedKey TransposeKey(std::uint8_t key, bool pitchMode, std::int32_t transposition) {
    TransposedKey placed;
    placed.rootKey = key;
    if (!pitchMode) return placed;
    const TranspositionSplit split = SplitTransposition(transposition);
    const std::int32_t root = key - split.semitones;
    placed.rootKey = static_cast<std::uint8_t>(std::clamp(root, 0, 127));
    if (root == placed.rootKey) placed.cents = static_cast<std::int8_t>(split.cents);
    return placed;
}
