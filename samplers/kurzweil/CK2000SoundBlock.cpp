#include "samplers/kurzweil/CK2000SoundBlock.h"

#include <algorithm>

#include "framework/exceptions/SamplerExceptions.h"

Kurzweil::Bytes CK2000SoundBlock::Data() const
{
    Kurzweil::Bytes data(kHeadLength, 0);
    data[0] = static_cast<std::uint8_t>(Id() >> 8);
    data[1] = static_cast<std::uint8_t>(Id());
    data[2] = static_cast<std::uint8_t>(fFlags >> 8);
    data[3] = static_cast<std::uint8_t>(fFlags);
    data[4] = static_cast<std::uint8_t>(fHeaders.size() >> 8);
    data[5] = static_cast<std::uint8_t>(fHeaders.size());
    for (const auto& header : fHeaders)
        data.insert(data.end(), header.begin(), header.end());
    return data;
}

void CK2000SoundBlock::Read(const Kurzweil::Bytes& data)
{
    if (data.size() < kHeadLength)
        throw XK2000InvalidFormat();
    const std::size_t count = std::size_t{data[4]} << 8 | data[5];
    if (count > kMostHeaders || data.size() < kHeadLength + count * kHeaderLength)
        throw XK2000InvalidFormat();
    fFlags = static_cast<std::uint16_t>(data[2] << 8 | data[3]);
    fHeaders.assign(count, {});
    for (std::size_t k = 0; k < count; ++k)
        std::copy_n(data.begin() + static_cast<std::ptrdiff_t>(kHeadLength + k * kHeaderLength), kHeaderLength,
                    fHeaders[k].begin());
}
