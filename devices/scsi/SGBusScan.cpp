#include "devices/scsi/SGBusScan.h"

#include <grp.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>

namespace fs = std::filesystem;

namespace {

// The first line of a sysfs attribute, without trailing blanks; empty when missing.
std::string Attribute(const fs::path& file)
{
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    line.erase(std::find_if(line.rbegin(), line.rend(), [](unsigned char c) { return !std::isspace(c); }).base(),
               line.end());
    return line;
}

std::string WithoutHexPrefix(const std::string& text)
{
    return text.rfind("0x", 0) == 0 ? text.substr(2) : text;
}

std::string AdapterName(const fs::path& sysRoot, unsigned host, const std::string& driver)
{
    std::error_code error;
    const fs::path hostDevice = fs::canonical(sysRoot / "class/scsi_host" / ("host" + std::to_string(host)) / "device", error);
    if (error)
        return driver;
    const fs::path parent = hostDevice.parent_path();
    for (const fs::path& candidate : {parent, parent.parent_path()})
        if (const std::string product = Attribute(candidate / "product"); !product.empty())
            return product;
    const std::string vendor = Attribute(parent / "vendor");
    const std::string device = Attribute(parent / "device");
    if (!vendor.empty() && !device.empty())
        return "PCI " + WithoutHexPrefix(vendor) + ":" + WithoutHexPrefix(device);
    return driver;
}

}  // namespace

std::vector<SGBusDescription> ScanSGBuses(const std::string& sysRootText, const std::string& devRoot)
{
    const fs::path sysRoot(sysRootText);
    std::map<std::pair<unsigned, unsigned>, SGBusDescription> buses;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(sysRoot / "class/scsi_generic", error)) {
        std::error_code linkError;
        const fs::path device = fs::canonical(entry.path() / "device", linkError);
        unsigned host, channel, target, lun;
        char end;
        if (linkError ||
            std::sscanf(device.filename().c_str(), "%u:%u:%u:%u%c", &host, &channel, &target, &lun, &end) != 4 ||
            lun != 0 || target >= 32)
            continue;
        SGBusDescription& bus = buses[{host, channel}];
        bus.host = host;
        bus.channel = channel;
        bus.targets.push_back({static_cast<std::uint8_t>(target), (fs::path(devRoot) / entry.path().filename()).string()});
    }

    std::vector<SGBusDescription> ordered;
    std::map<std::string, std::vector<unsigned>> hostsOfDriver;
    for (auto& [key, bus] : buses) {
        std::string driver = Attribute(sysRoot / "class/scsi_host" / ("host" + std::to_string(bus.host)) / "proc_name");
        if (driver.empty())
            driver = "SCSI";
        auto& hosts = hostsOfDriver[driver];
        if (std::find(hosts.begin(), hosts.end(), bus.host) == hosts.end())
            hosts.push_back(bus.host);
        bus.adapterName = AdapterName(sysRoot, bus.host, driver);
        bus.busName = driver + (hosts.size() > 1 ? " #" + std::to_string(hosts.size()) : "") +
                      (bus.channel ? " channel " + std::to_string(bus.channel) : "");
        std::sort(bus.targets.begin(), bus.targets.end(), [](const auto& a, const auto& b) { return a.id < b.id; });
        ordered.push_back(std::move(bus));
    }
    return ordered;
}

std::string OwningGroup(const std::string& node)
{
    struct stat status;
    if (stat(node.c_str(), &status) != 0)
        return "disk";
    char buffer[1024];
    group entry;
    group* found = nullptr;
    if (getgrgid_r(status.st_gid, &entry, buffer, sizeof buffer, &found) == 0 && found)
        return found->gr_name;
    return std::to_string(status.st_gid);
}
