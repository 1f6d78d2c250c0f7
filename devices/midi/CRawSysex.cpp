#include "devices/midi/CRawSysex.h"

#include <algorithm>

#include "framework/exceptions/SamplerExceptions.h"

bool CRawSysex::IsWellFormed() const
{
    return fBytes.size() >= 2 && fBytes.front() == 0xF0 && fBytes.back() == 0xF7 &&
           std::all_of(fBytes.begin() + 1, fBytes.end() - 1, [](std::uint8_t b) { return b < 0x80; });
}

void CRawSysex::RequireLength(std::size_t length) const
{
    if (fBytes.size() < length)
        throw XSysexTooSmall();
}
