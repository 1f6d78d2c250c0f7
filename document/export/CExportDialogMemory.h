#pragma once
// What the export save dialog remembers until the program quits: the title
// it was last shown with, the file type and the sample rate last chosen.
// The dialog itself asks this where to start and tells it what was chosen.
#include <cstdint>
#include <string>
#include <vector>

class CFileType;

class CExportDialogMemory {
public:
    struct Start {
        int typeIndex = 0;  // into the types offered
        int rateIndex = 0;  // into kExportSampleRates
    };

    // Where the dialog titled title starts for a document at documentRate.
    // A new title (or nothing chosen yet) starts the rates on the document's
    // own, else on the initial rate for it; the same title on the rate last
    // chosen. The types start on the one last chosen when it is offered.
    Start Open(const std::string& title, const std::vector<const CFileType*>& types, std::uint32_t documentRate);
    // OK in the dialog: remembers the choice and answers the rate chosen.
    std::uint32_t Accept(const CFileType& type, int rateIndex);

private:
    std::string title_;
    const CFileType* type_ = nullptr;
    int rateIndex_ = 2;  // 44100 Hz
};
