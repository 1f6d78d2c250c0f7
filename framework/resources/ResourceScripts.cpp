#include "framework/resources/ResourceScripts.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "framework/resources/CResourceTableList.h"

namespace {

constexpr std::size_t kMaxCopy = 3000;

std::string Lookup(std::string_view type, ResourceId id)
{
    const CResourceTextTable& table = CResourceTableList::Instance().Table(type, ResourceNumberOf(id));
    const auto& entry = table.Entry(EntryIndexOf(id));
    return entry ? *entry : std::string();
}

void CopyOut(const std::string& text, char* buffer, std::size_t size)
{
    if (buffer == nullptr)
        return;
    const std::size_t count = std::min({text.size(), size, kMaxCopy});
    std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
}

}  // namespace

std::string GetResourceString(ResourceId id) { return Lookup("SSTR", id); }
std::string GetAlertScript(ResourceId id) { return Lookup("SALR", id); }
std::string GetMenuScript(ResourceId id) { return Lookup("SMNU", id); }

void GetResourceString(ResourceId id, char* buffer, std::size_t size) { CopyOut(GetResourceString(id), buffer, size); }
void GetAlertScript(ResourceId id, char* buffer, std::size_t size) { CopyOut(GetAlertScript(id), buffer, size); }
void GetMenuScript(ResourceId id, char* buffer, std::size_t size) { CopyOut(GetMenuScript(id), buffer, size); }
