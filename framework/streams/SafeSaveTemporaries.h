#pragma once
// The hidden temporary files that a safe save writes beside its target:
// "." + the target's name + "." + six letters or digits, the name shortened
// (at a character boundary) so that the whole fits the 255 bytes a file name
// may have. While a temporary is written, its writer holds an exclusive
// flock on it; a temporary that nobody holds is left over from a save that
// was killed, and the next save of the same target removes it.
#include <filesystem>
#include <set>
#include <string>

// The longest file name, in bytes, the file systems of the program take.
inline constexpr std::size_t kMaxFileNameBytes = 255;
// The random letters and digits after the prefix.
inline constexpr std::size_t kTemporarySuffixLength = 6;

// "." + the name, shortened to fit, + ".".
std::string TemporaryPrefix(const std::string& targetName);
// True when fileName is a temporary of the prefix: the prefix and six letters or digits.
bool IsTemporaryOf(const std::string& fileName, const std::string& prefix);

// Removes, from folder, the temporaries with these prefixes that no process
// holds locked. Failures to look or to remove are ignored: a leftover is
// only wasted space.
void RemoveStaleTemporaries(const std::filesystem::path& folder, const std::set<std::string>& prefixes);
