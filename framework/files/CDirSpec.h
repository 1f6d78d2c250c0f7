#pragma once
// Names a directory. The path always ends in "/".
#include <string>

class CDirSpec {
public:
    // Appends "/" when path does not end in one.
    explicit CDirSpec(std::string path);
    // The process's current directory; XBase when it cannot be found.
    static CDirSpec Current();

    const std::string& Path() const { return path_; }

private:
    std::string path_;
};
