#pragma once
// The AKAI name character set: "0123456789 ABCDEFGHIJKLMNOPQRSTUVWXYZ#+-."
// in code order 0-40 (10 is the blank). Names are 12 characters, padded
// with blanks.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace AKAI {

inline constexpr std::string_view kCharacters = "0123456789 ABCDEFGHIJKLMNOPQRSTUVWXYZ#+-.";
inline constexpr std::uint8_t kBlankCode = 10;

// `width` codes of `text` upper-cased, a character not in the set as a
// blank, cut or blank-padded.
std::vector<std::uint8_t> ToCodes(std::string_view text, std::size_t width = 12);
// `count` codes as text; a code past 40 is a blank.
std::string FromCodes(const std::uint8_t* codes, std::size_t count = 12);
// `text` as the sampler will show it: through the codes and back.
std::string Normalised(std::string_view text, std::size_t width = 12);

}  // namespace AKAI
