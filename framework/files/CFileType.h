#pragma once
// A kind of file: the name shown in the open and save dialogs, its extensions
// (each with its dot, separated by ";") and a 4-character type code.
#include <string>
#include <vector>

class CFileType {
public:
    // The type code is padded with blanks to 4 characters.
    CFileType(std::string displayName, std::string extensions, std::string typeCode);

    const std::string& DisplayName() const { return displayName_; }
    const std::string& Extensions() const { return extensions_; }
    const std::string& TypeCode() const { return typeCode_; }

    // The extensions one by one, e.g. ".wav", ".wave".
    std::vector<std::string> ExtensionList() const;
    // True when extension (dot included) is one of the type's, ignoring case.
    bool Matches(const std::string& extension) const;

private:
    std::string displayName_;
    std::string extensions_;
    std::string typeCode_;
};
