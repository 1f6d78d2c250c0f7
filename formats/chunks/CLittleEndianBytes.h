#pragma once
// Bytes of a little-endian record built field by field, to be written in one
// piece: the chunk contents of RIFF-based formats.
#include <cstdint>
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "formats/chunks/ByteOrder.h"

class CLittleEndianBytes {
public:
    void Byte(std::uint8_t value) { data.push_back(value); }
    void Word(std::uint16_t value)
    {
        std::uint8_t field[2];
        WriteLittleEndian16(field, value);
        Raw(field, 2);
    }
    void Long(std::uint32_t value)
    {
        std::uint8_t field[4];
        WriteLittleEndian32(field, value);
        Raw(field, 4);
    }
    // The IEEE double's 8 bytes, least significant first.
    void Double(double value)
    {
        std::uint64_t bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        Long(static_cast<std::uint32_t>(bits));
        Long(static_cast<std::uint32_t>(bits >> 32));
    }
    void Raw(const void* bytes, std::size_t count)
    {
        const auto* from = static_cast<const std::uint8_t*>(bytes);
        data.insert(data.end(), from, from + count);
    }
    template <class Range>
    void Append(const Range& range)
    {
        data.insert(data.end(), std::begin(range), std::end(range));
    }
    // The characters without a terminating zero.
    void Text(const std::string& text) { Raw(text.data(), text.size()); }
    // text in a field of size bytes, zero-padded; at most size - 1 characters.
    void Field(const std::string& text, std::size_t size)
    {
        const std::size_t at = data.size();
        data.resize(at + size, 0);
        std::memcpy(&data[at], text.data(), std::min(text.size(), size - 1));
    }
    void Zeros(std::size_t count) { data.resize(data.size() + count, 0); }

    std::vector<std::uint8_t> data;
};
