#pragma once
// A SCSI generic device the user may not open, and the group that may.
#include <string>

struct SCSIAccessProblem {
    std::string device;  // e.g. "/dev/sg2"
    std::string group;   // e.g. "disk"

    bool operator==(const SCSIAccessProblem&) const = default;
};
