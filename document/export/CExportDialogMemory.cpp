#include "document/export/CExportDialogMemory.h"

#include <algorithm>

#include "document/export/ExportSampleRates.h"

CExportDialogMemory::Start CExportDialogMemory::Open(const std::string& title,
                                                     const std::vector<const CFileType*>& types,
                                                     std::uint32_t documentRate) {
    Start start;
    if (title != title_ || type_ == nullptr) {
        title_ = title;
        start.rateIndex = InitialExportRateIndex(documentRate);
    } else {
        start.rateIndex = rateIndex_;
    }
    const auto remembered = std::find(types.begin(), types.end(), type_);
    start.typeIndex = remembered == types.end() ? 0 : static_cast<int>(remembered - types.begin());
    return start;
}

std::uint32_t CExportDialogMemory::Accept(const CFileType& type, int rateIndex) {
    type_ = &type;
    rateIndex_ = std::clamp(rateIndex, 0, static_cast<int>(kExportSampleRates.size()) - 1);
    return kExportSampleRates[static_cast<std::size_t>(rateIndex_)];
}
