#pragma once
// A readable log of every command on one SCSI bus: the time, the target, the
// command block, the result with its sense data, and the data moved, each
// line flushed as it is written. A file that exists is appended to.
#include <cstdint>
#include <string>

#include "devices/scsi/SCSICommandBlock.h"
#include "devices/scsi/SCSIResult.h"
#include "framework/files/CTraceFile.h"

class CSCSITraceWriter {
public:
    // "<folder>/<bus name>.scsi.txt".
    static std::string PathFor(const std::string& folder, const std::string& busName)
    {
        return CTraceFile::PathFor(folder, busName, ".scsi.txt");
    }

    // Raises XCreateFailed when the file cannot be opened.
    explicit CSCSITraceWriter(const std::string& path) : fFile(path) {}

    // `moved` bytes of `data` went in or out.
    void Record(std::int64_t milliseconds, std::uint8_t id, const SCSICommandBlock& command, SCSIDirection direction,
                std::uint32_t length, const SCSIResult& result, const std::uint8_t* data, std::uint32_t moved);

    static std::string KindName(std::int32_t kind);

private:
    CTraceFile fFile;
};
