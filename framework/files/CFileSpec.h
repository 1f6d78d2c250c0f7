#pragma once
// Names one file by directory, base name and extension. The directory always
// ends in "/" (or is empty for a name without one); the extension keeps its
// leading dot. Two specs name the same file when their canonical paths match.
#include <string>

class CFileSpec {
public:
    CFileSpec() = default;
    // Joins the three parts as given; a "/" is appended to a non-empty
    // directory that lacks one.
    CFileSpec(std::string directory, std::string name, std::string extension);
    // Splits a path into directory, base name and extension.
    explicit CFileSpec(const std::string& path);
    // A name in the current directory (XBase when that cannot be found).
    static CFileSpec InCurrentDirectory(const std::string& name);

    const std::string& Directory() const { return directory_; }
    const std::string& Name() const { return name_; }
    const std::string& Extension() const { return extension_; }
    // Directory, name and extension joined.
    std::string FullPath() const;
    // Name and extension joined.
    std::string NameWithExtension() const;

    // The same file under its canonical path: absolute, with symbolic links,
    // "." and ".." resolved as far as the path exists.
    CFileSpec Normalised() const;
    // True when both name the same file on disk: their canonical paths are
    // equal (case-sensitive, as the file system is), or both exist and are
    // one file (same device and inode: hard links, bind mounts).
    bool IsSameFile(const CFileSpec& other) const;

private:
    std::string directory_;
    std::string name_;
    std::string extension_;
};

// Splits a file name into base name and extension: the extension is the part
// from the last "." when that part, dot included, has at most 8 characters;
// otherwise the whole name is the base name and the extension is empty.
void SplitFileName(const std::string& fileName, std::string& baseName, std::string& extension);
