#include "devices/scsi/SCSIInquiry.h"

#include <algorithm>

namespace {

std::string Field(const std::uint8_t* bytes, std::size_t length)
{
    std::string text(reinterpret_cast<const char*>(bytes), length);
    text.resize(std::min(text.find('\0'), text.size()));
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

}  // namespace

SCSIInquiry ParseInquiry(const std::uint8_t* data, std::size_t received)
{
    std::array<std::uint8_t, SCSIInquiry::kLength> bytes{};
    std::copy_n(data, std::min(received, bytes.size()), bytes.begin());
    SCSIInquiry inquiry;
    std::copy_n(bytes.begin(), inquiry.header.size(), inquiry.header.begin());
    inquiry.vendor = Field(&bytes[8], 8);
    inquiry.product = Field(&bytes[16], 16);
    inquiry.revision = Field(&bytes[32], 4);
    return inquiry;
}
