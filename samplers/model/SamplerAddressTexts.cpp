#include "samplers/model/SamplerAddressTexts.h"

#include <cstdio>

#include "framework/resources/ResourceScripts.h"
#include "samplers/model/CABCSupportedSampler.h"

std::string SysexIdLabel(const CABCSupportedSampler& type, int sysexId)
{
    return std::to_string(sysexId + (type.Constants().sysexIdsFromOne ? 1 : 0));
}

std::string SCSITargetLabel(int id, const CABCConnectionDirectory::SCSITarget& target)
{
    using State = CABCConnectionDirectory::SCSITarget::State;
    const ResourceId format = target.state == State::kHostAdapter ? Res::kStringSCSIHostAdapter
                              : target.state == State::kReady   ? Res::kStringSCSIDeviceFormat
                                                                : Res::kStringSCSINotReady;
    char text[160];
    std::snprintf(text, sizeof text, GetResourceString(format).c_str(), id, target.vendor.c_str(),
                  target.product.c_str());
    return text;
}

std::string SCSIBusLabel(const CABCConnectionDirectory::BusName& bus)
{
    const std::string format = GetResourceString(Res::kStringSCSIBusFormat);
    char text[160];
    std::snprintf(text, sizeof text, format.c_str(), bus.hostAdapter.c_str(), bus.bus.c_str());
    return text;
}
