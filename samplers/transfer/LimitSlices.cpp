#include "samplers/transfer/LimitSlices.h"

#include <cstdio>
#include <string>

#include "framework/alerts/Alerts.h"
#include "framework/exceptions/CancelExceptions.h"
#include "framework/resources/ResourceScripts.h"

namespace {

constexpr std::int32_t kOK = 33;  // [Cancel][OK]

}  // namespace

int LimitSlices(int count, int limit, ResourceId alert)
{
    if (count <= limit)
        return count;
    const std::string format = GetAlertScript(alert);
    char text[512];
    std::snprintf(text, sizeof text, format.c_str(), count, limit, limit);
    if (ShowAlertText(text) != kOK)
        throw XSampleTransmitCancelled();
    return limit;
}
