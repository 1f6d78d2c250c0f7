#pragma once
// S-760 names: 16 characters, a 3-character prefix, a colon and up to 12
// characters. A stereo half is marked by byte 14 = 7F and byte 15 = "L" or
// "R" of the name blank-padded to 16.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace S760 {

inline constexpr std::size_t kNameLength = 16;
inline constexpr std::uint8_t kStereoMark = 0x7F;

// `name` when its fourth character is a colon (at most 16 characters),
// else "   :" and the first 12 characters of it.
std::string SampleNameForm(std::string_view name);
// The patch name the transmit dialog makes: the text before the first colon
// (at most 3 characters) over the start of "   :", then at most 12
// characters after it; without a colon the prefix is "QLT:".
std::string PatchNameForm(std::string_view name);
// `name` blank-padded to 16 with the stereo mark of the left or right half.
std::string StereoHalfName(std::string_view name, bool right);
// Whether `name` is 16 long and carries a stereo mark.
bool HasStereoMark(std::string_view name);
// A name as read from the sampler, shown: the stereo mark blanked, trailing
// blanks and NULs removed.
std::string ShownName(std::string_view name);

// A name in the 16 bytes of a block, blank-padded; and back, as read.
std::array<std::uint8_t, kNameLength> NameBytes(std::string_view name);
std::string NameText(const std::uint8_t* bytes);

}  // namespace S760
