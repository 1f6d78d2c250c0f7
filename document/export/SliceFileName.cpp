#include "document/export/SliceFileName.h"

#include <algorithm>
#include <cstdio>

namespace {

// Byte length of the longest prefix of text with at most limit characters
// and at most maxBytes bytes, never splitting a UTF-8 sequence.
std::size_t PrefixBytes(const std::string& text, std::size_t limit, std::size_t maxBytes) {
    std::size_t bytes = 0;
    std::size_t characters = 0;
    while (bytes < text.size() && characters < limit) {
        std::size_t next = bytes + 1;
        while (next < text.size() && (static_cast<unsigned char>(text[next]) & 0xC0) == 0x80) ++next;
        if (next > maxBytes) break;
        bytes = next;
        ++characters;
    }
    return bytes;
}

}  // namespace

std::filesystem::path SliceFileName(const std::filesystem::path& file, int index,
                                    const std::string& extension, std::size_t nameLimit) {
    char number[32];
    std::snprintf(number, sizeof number, " #%03d", index + 1);
    std::string numberText = number;
    if (2 * numberText.size() > nameLimit) {
        std::snprintf(number, sizeof number, "%03d", index + 1);
        numberText = number;
    }

    const std::string base = file.stem().string();
    const std::size_t room = nameLimit > numberText.size() ? nameLimit - numberText.size() : 0;
    const std::size_t fixedBytes = numberText.size() + extension.size();
    const std::size_t byteRoom = kFileNameBytes > fixedBytes ? kFileNameBytes - fixedBytes : 0;
    const std::string name = base.substr(0, PrefixBytes(base, room, byteRoom)) + numberText + extension;
    return file.parent_path() / name;
}
