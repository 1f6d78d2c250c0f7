#pragma once
// Pictures for the tests, made by ImageMagick's convert into the build folder.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/support/MemoryBytes.h"

namespace graphics_test {

// Runs convert with the arguments and writes the named file, with an output
// format prefix such as "BMP3:"; the file's bytes, or none when it failed.
inline std::vector<std::uint8_t> Convert(const std::string& arguments, const std::string& name,
                                         const std::string& format = "")
{
    const std::string folder = std::string(QUILLET_BINARY_DIR) + "/tests/gui/graphics/";
    std::filesystem::create_directories(folder);
    const std::string path = folder + name;
    const std::string command = "convert " + arguments + " '" + format + path + "' 2>/dev/null";
    if (std::system(command.c_str()) != 0)
        return {};
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace graphics_test
