#include "devices/scsi/SCSIResult.h"

#include <algorithm>

SCSIResult SCSIResult::CheckCondition(const std::uint8_t* bytes, std::size_t count)
{
    SCSIResult result = Of(kCheckCondition);
    std::copy_n(bytes, std::min(count, kSenseLength), result.sense.begin());
    result.senseLength = kSenseLength;
    return result;
}
