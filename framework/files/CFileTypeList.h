#pragma once
// An ordered list of file types offered by an open or save dialog, and the
// dialog filters built from it.
#include <initializer_list>
#include <string>
#include <vector>

class CFileType;

class CFileTypeList {
public:
    CFileTypeList() = default;
    CFileTypeList(std::initializer_list<const CFileType*> types);

    void Add(const CFileType& type);
    const std::vector<const CFileType*>& Types() const { return types_; }
    // The listed type whose extensions include extension (any case), or none.
    const CFileType* Find(const std::string& extension) const;

    // "Name (*.a;*.b)", NUL, "*.a;*.b", NUL for each type, then, when wanted
    // and the list holds more than one type, "All files (...)" with every
    // pattern. The string ends in NUL; c_str() adds the second terminator.
    std::string DialogFilter(bool withAllFiles) const;
    // The same entries in the form "Name (*.a *.b)", one string each, for a
    // Qt file dialog (join them with ";;").
    std::vector<std::string> QtFilters(bool withAllFiles) const;

private:
    bool WantsAllFiles(bool withAllFiles) const { return withAllFiles && types_.size() > 1; }

    std::vector<const CFileType*> types_;
};
