#pragma once
// Names the sound file of one exported slice: the chosen file's name without
// its extension, a running number (" #001") and the file type's extension,
// in the chosen file's folder.
#include <cstddef>
#include <filesystem>
#include <string>

// Longest file name (bytes) a Linux file system takes.
inline constexpr std::size_t kFileNameBytes = 255;

// index counts from 0; nameLimit bounds the base name with its number
// (in characters). The name with its extension is further cut to
// kFileNameBytes, always at a character boundary of the UTF-8 text.
std::filesystem::path SliceFileName(const std::filesystem::path& file, int index,
                                    const std::string& extension, std::size_t nameLimit);
