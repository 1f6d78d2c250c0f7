#pragma once
// The hidden temporary files that a safe save writes beside its target:
// "." + the target's name + "." + a six-digit candidate number, the name
// shortened (at a character boundary) so that the whole fits the 255 bytes a
// file name may have. While a temporary is written, its writer holds an
// exclusive flock on it. A temporary that nobody holds is left over from a
// save that was killed; since a target's temporaries have a few fixed names,
// the next save of the same target finds and removes them without listing
// the folder, which may hold thousands of files.
#include <string>

// The longest file name, in bytes, the file systems of the program take.
inline constexpr std::size_t kMaxFileNameBytes = 255;
// The candidate names a save looks at first: saves of one target at once.
inline constexpr int kTemporaryCandidates = 8;

// The path of candidate number k of the temporaries of targetPath.
std::string TemporaryCandidate(const std::string& targetPath, int k);

// Removes the temporary at path when nobody holds it locked. False when it
// is there and held (a save still running), true when the name is free now.
bool RemoveIfStale(const std::string& path);
