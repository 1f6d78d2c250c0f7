#pragma once
// Fields of the preferences chunks: texts zero-padded in fixed-width fields,
// and the checks every chunk's reader makes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace PreferenceFields {

// The first maxLength characters of text, then zeros up to width bytes.
void WriteText(std::uint8_t* dest, std::size_t width, std::size_t maxLength, std::string_view text);
// The characters up to the first zero, at most width of them.
std::string ReadText(const std::uint8_t* src, std::size_t width);
// XInvalidPreferencesChunk when a chunk of size bytes is shorter than needed.
void RequireSize(std::uint32_t size, std::uint32_t needed);
// XInvalidPreferencesChunk when value lies outside low..high.
void RequireRange(long long value, long long low, long long high);
// The format version every chunk starts with.
inline constexpr std::uint8_t kVersion = 1;

}  // namespace PreferenceFields
