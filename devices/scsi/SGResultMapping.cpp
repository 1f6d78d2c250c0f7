#include "devices/scsi/SGResultMapping.h"

#include <cerrno>

#include "framework/exceptions/DeviceExceptions.h"

namespace {

// Host adapter codes of the Linux SCSI midlayer.
constexpr unsigned kHostOk = 0x00, kNoConnect = 0x01, kBusBusy = 0x02, kHostTimeOut = 0x03, kBadTarget = 0x04,
                   kHostAbort = 0x05, kHostReset = 0x08, kSoftError = 0x0B, kImmediateRetry = 0x0C,
                   kRequeue = 0x0D, kTransportDisrupted = 0x0E;
// Driver codes (low nibble of the driver status).
constexpr unsigned kDriverOk = 0x00, kDriverBusy = 0x01, kDriverTimeOut = 0x06, kDriverSense = 0x08;

}  // namespace

SCSIResult MapSGResult(int error, const sg_io_hdr_t& request)
{
    switch (error) {
    case 0:
        break;
    case ENODEV:
    case ENXIO:
        return SCSIResult::Of(SCSIResult::kNoDevice);
    case EBUSY:
        return SCSIResult::Of(SCSIResult::kInterfaceBusy);
    case EINTR:
        return SCSIResult::Of(SCSIResult::kAborted);
    case EACCES:
    case EPERM:
        throw XSCSIAccessDenied();
    default:
        throw XSCSI();
    }

    switch (request.host_status) {
    case kHostOk:
        break;
    case kNoConnect:
    case kBadTarget:
        return SCSIResult::Of(SCSIResult::kNoDevice);
    case kBusBusy:
    case kSoftError:
    case kImmediateRetry:
    case kRequeue:
    case kTransportDisrupted:
        return SCSIResult::Of(SCSIResult::kInterfaceBusy);
    case kHostTimeOut:
        return SCSIResult::Of(SCSIResult::kTimedOut);
    case kHostAbort:
    case kHostReset:
        return SCSIResult::Of(SCSIResult::kAborted);
    default:
        throw XSCSI();
    }

    const unsigned status = request.status & 0xFE;
    if (status == SCSIResult::kCheckCondition)
        return SCSIResult::CheckCondition(request.sbp, request.sb_len_wr);
    if (status != SCSIResult::kGood)
        return SCSIResult::Of(static_cast<std::int32_t>(status));

    switch (request.driver_status & 0x0F) {
    case kDriverOk:
    case kDriverSense:
        break;
    case kDriverTimeOut:
        return SCSIResult::Of(SCSIResult::kTimedOut);
    case kDriverBusy:
        return SCSIResult::Of(SCSIResult::kInterfaceBusy);
    default:
        throw XSCSI();
    }
    if (request.sb_len_wr > 0)
        return SCSIResult::CheckCondition(request.sbp, request.sb_len_wr);
    return SCSIResult::Moved(request.resid > 0 ? static_cast<std::uint32_t>(request.resid) : 0);
}
