#pragma once
// The fixed name field shared by both sound buffers.
#include <array>
#include <cstring>

// Copies name into the field, cut to its length and always terminated; null clears it.
template <std::size_t N>
void CopySoundName(std::array<char, N>& field, const char* name)
{
    field.fill('\0');
    if (name != nullptr)
        std::strncpy(field.data(), name, N - 1);
}
