#pragma once
// Pictures for the tests, made by ImageMagick's convert into the build folder.
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "framework/streams/CMemoryMedia.h"

namespace graphics_test {

// Runs convert with the arguments and writes the named file, with an output
// format prefix such as "BMP3:"; the file's bytes, or none when it failed.
inline std::vector<std::uint8_t> Convert(const std::string& arguments, const std::string& name,
                                         const std::string& format = "")
{
    const std::string path = std::string(QUILLET_BINARY_DIR) + "/tests/graphics/" + name;
    const std::string command = "convert " + arguments + " '" + format + path + "' 2>/dev/null";
    if (std::system(command.c_str()) != 0)
        return {};
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

inline CMemoryMedia MediaOf(const std::vector<std::uint8_t>& bytes)
{
    CMemoryMedia media(static_cast<std::int64_t>(bytes.size()));
    if (!bytes.empty())
        media.Write(static_cast<std::int64_t>(bytes.size()), bytes.data());
    media.SetPosition(0);
    return media;
}

}  // namespace graphics_test
