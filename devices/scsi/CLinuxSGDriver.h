#pragma once
// The real kernel calls: open(2), ioctl(SG_IO), close(2).
#include "devices/scsi/CABCSGDriver.h"

class CLinuxSGDriver final : public CABCSGDriver {
public:
    int Open(const std::string& path, int& handle) override;
    int Io(int handle, sg_io_hdr_t& request) override;
    void Close(int handle) override;
};
