#include "document/export/CExportNameMemory.h"

const std::string& CExportNameMemory::Propose(const std::string& sampleName) {
    if (sampleName != sampleName_) {
        sampleName_ = sampleName;
        name_ = sampleName.substr(0, sampleName.find('.'));
    }
    return name_;
}
