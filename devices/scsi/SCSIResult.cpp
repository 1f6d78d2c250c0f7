#include "devices/scsi/SCSIResult.h"

#include <algorithm>

SCSIResult SCSIResult::CheckCondition(const std::uint8_t* bytes, std::size_t count)
{
    SCSIResult result = Of(kCheckCondition);
    std::copy_n(bytes, std::min(count, kSenseLength), result.sense.begin());
    result.senseLength = kSenseLength;
    return result;
}

SCSIResult SCSIResult::FixedSense(std::uint8_t senseKey, std::uint8_t code, std::uint8_t qualifier)
{
    // Current error, 6 additional bytes.
    const std::uint8_t sense[kSenseLength] = {0x70, 0, senseKey, 0, 0, 0, 0, 6, 0, 0, 0, 0, code, qualifier};
    return CheckCondition(sense, kSenseLength);
}
