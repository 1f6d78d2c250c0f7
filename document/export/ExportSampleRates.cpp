#include "document/export/ExportSampleRates.h"

#include <algorithm>

int InitialExportRateIndex(std::uint32_t documentRate) {
    const auto at = std::lower_bound(kExportSampleRates.begin(), kExportSampleRates.end(), documentRate);
    if (at == kExportSampleRates.end()) return static_cast<int>(kExportSampleRates.size()) - 1;
    return static_cast<int>(at - kExportSampleRates.begin());
}
