#include "samplers/model/CVersion.h"

#include <cstdio>

#include "framework/resources/ResourceScripts.h"

std::string CVersion::Text() const
{
    const std::string format = GetResourceString(Res::kStringVersionFormat);
    char text[32];
    std::snprintf(text, sizeof text, format.c_str(), int(fMajor), long(fMinor));
    return text;
}
