#include "framework/files/CFileType.h"

#include <strings.h>
#include <utility>

CFileType::CFileType(std::string displayName, std::string extensions, std::string typeCode)
    : displayName_(std::move(displayName))
    , extensions_(std::move(extensions))
    , typeCode_(std::move(typeCode))
{
    typeCode_.resize(4, ' ');
}

std::vector<std::string> CFileType::ExtensionList() const
{
    std::vector<std::string> list;
    std::size_t begin = 0;
    while (begin < extensions_.size()) {
        std::size_t end = extensions_.find(';', begin);
        if (end == std::string::npos)
            end = extensions_.size();
        if (end > begin)
            list.push_back(extensions_.substr(begin, end - begin));
        begin = end + 1;
    }
    return list;
}

bool CFileType::Matches(const std::string& extension) const
{
    for (const std::string& own : ExtensionList()) {
        if (::strcasecmp(own.c_str(), extension.c_str()) == 0)
            return true;
    }
    return false;
}
