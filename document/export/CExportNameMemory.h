#pragma once
// The name an export dialog offers (a bank, track or instrument name),
// kept until the program quits. It follows the document: for a sound other
// than the one it was last proposed for, it becomes that sound's name up to
// its first "."; for the same sound it stays as the user left it.
#include <string>

class CExportNameMemory {
public:
    // The name to show for a document whose sound is named sampleName.
    const std::string& Propose(const std::string& sampleName);
    void Set(std::string name) { name_ = std::move(name); }
    const std::string& Name() const { return name_; }

private:
    std::string name_;
    std::string sampleName_;
};
