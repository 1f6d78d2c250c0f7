#include "devices/scsi/CLinuxSGDriver.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>

int CLinuxSGDriver::Open(const std::string& path, int& handle)
{
    handle = open(path.c_str(), O_RDWR | O_CLOEXEC);
    return handle < 0 ? errno : 0;
}

int CLinuxSGDriver::Io(int handle, sg_io_hdr_t& request)
{
    // SG_IO is synchronous and copies through the kernel's own buffer: when
    // it returns, time-out or signal, the caller's buffers are no longer
    // written. A command cut short by a signal is not sent again, as it may
    // have reached the target.
    return ioctl(handle, SG_IO, &request) < 0 ? errno : 0;
}

void CLinuxSGDriver::Close(int handle)
{
    close(handle);
}
