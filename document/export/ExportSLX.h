#pragma once
// Writes the SLX file of a loop: every output of the render set rendered at
// the given rate, each on a 512-byte boundary, with the slice table.
#include <cstdint>

class CABCExportFeedback;
class CFileSpec;
class CSliceRenderSet;

inline constexpr std::int64_t kSLXMaxSlices = 1000;

// False when the user stopped the export or declined to write only the
// first slices; no file is written then, and an existing file stays as it
// was. Failures pass on as exceptions, also leaving the old file; a loop
// without frames raises XBadFormat.
bool ExportSLX(CSliceRenderSet& renderSet, const CFileSpec& file, std::uint32_t sampleRate,
               CABCExportFeedback& feedback);
