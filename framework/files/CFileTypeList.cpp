#include "framework/files/CFileTypeList.h"

#include "framework/files/CFileType.h"

namespace {

constexpr const char* kAllFilesName = "All files";

// "*.a" + separator + "*.b" ... for the extensions of one type.
std::string Patterns(const CFileType& type, const char* separator)
{
    std::string patterns;
    for (const std::string& extension : type.ExtensionList()) {
        if (!patterns.empty())
            patterns += separator;
        patterns += "*" + extension;
    }
    return patterns;
}

} // namespace

CFileTypeList::CFileTypeList(std::initializer_list<const CFileType*> types)
    : types_(types)
{
}

void CFileTypeList::Add(const CFileType& type)
{
    types_.push_back(&type);
}

const CFileType* CFileTypeList::Find(const std::string& extension) const
{
    for (const CFileType* type : types_) {
        if (type->Matches(extension))
            return type;
    }
    return nullptr;
}

std::string CFileTypeList::DialogFilter(bool withAllFiles) const
{
    std::string filter;
    std::string all;
    const auto addEntry = [&filter](const std::string& name, const std::string& patterns) {
        filter += name + " (" + patterns + ")" + '\0' + patterns + '\0';
    };
    for (const CFileType* type : types_) {
        const std::string patterns = Patterns(*type, ";");
        addEntry(type->DisplayName(), patterns);
        all += (all.empty() ? "" : ";") + patterns;
    }
    if (WantsAllFiles(withAllFiles))
        addEntry(kAllFilesName, all);
    return filter;
}

std::vector<std::string> CFileTypeList::QtFilters(bool withAllFiles) const
{
    std::vector<std::string> filters;
    std::string all;
    for (const CFileType* type : types_) {
        const std::string patterns = Patterns(*type, " ");
        filters.push_back(type->DisplayName() + " (" + patterns + ")");
        all += (all.empty() ? "" : " ") + patterns;
    }
    if (WantsAllFiles(withAllFiles))
        filters.push_back(std::string(kAllFilesName) + " (" + all + ")");
    return filters;
}
