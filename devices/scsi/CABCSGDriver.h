#pragma once
// The calls the SCSI generic back end makes of the kernel: open a /dev/sg*
// node, run one SG_IO request on it, close it. Each answers 0 or the errno.
#include <scsi/sg.h>

#include <string>

class CABCSGDriver {
public:
    virtual ~CABCSGDriver() = default;
    // Opens `path` for reading and writing; `handle` is set on success.
    virtual int Open(const std::string& path, int& handle) = 0;
    // Runs the request; returns only when the kernel is done with its buffers.
    virtual int Io(int handle, sg_io_hdr_t& request) = 0;
    virtual void Close(int handle) = 0;
};
