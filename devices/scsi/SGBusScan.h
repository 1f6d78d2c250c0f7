#pragma once
// The SCSI buses behind the Linux SCSI generic devices, read from sysfs. A
// bus is one channel of one host adapter; its targets are the devices of
// logical unit 0 on it. Names come from fields that stay the same from one
// start to the next: the adapter's driver (with the channel, and a number
// when one driver runs several adapters) and the adapter's product name or
// PCI ids.
#include <cstdint>
#include <string>
#include <vector>

struct SGTargetNode {
    std::uint8_t id;
    std::string node;  // "<devRoot>/sgN"
};

struct SGBusDescription {
    unsigned host = 0;
    unsigned channel = 0;
    std::string busName;
    std::string adapterName;
    std::vector<SGTargetNode> targets;  // by ID
};

// `sysRoot` and `devRoot` stand for /sys and /dev. Nothing when there is no
// SCSI generic device; buses in host and channel order.
std::vector<SGBusDescription> ScanSGBuses(const std::string& sysRoot, const std::string& devRoot);

// The name of the group that owns `node`, or its number when it has no name.
std::string OwningGroup(const std::string& node);
