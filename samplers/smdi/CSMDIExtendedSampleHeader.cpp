#include "samplers/smdi/CSMDIExtendedSampleHeader.h"

void CSMDIExtendedSampleHeader::PutKeys(std::vector<std::uint8_t>& out) const
{
    out.insert(out.end(), {rootKey, lowestKey, highestKey});
}

void CSMDIExtendedSampleHeader::GetKeys(const std::uint8_t* bytes)
{
    rootKey = bytes[0];
    lowestKey = bytes[1];
    highestKey = bytes[2];
}

void CSMDIExtendedSampleHeader::Describe(const SampleFormat& format)
{
    CSMDISampleHeader::Describe(format);
    rootKey = format.rootKey;
    lowestKey = format.lowestKey;
    highestKey = format.highestKey;
}

SampleFormat CSMDIExtendedSampleHeader::Format() const
{
    SampleFormat format = CSMDISampleHeader::Format();
    format.lowestKey = lowestKey;
    format.highestKey = highestKey;
    return format;
}
