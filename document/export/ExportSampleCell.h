#pragma once
// Writes the loop as a SampleCell instrument: every output of the render set
// at the sound's own rate, 1000 frames longer, as a WAV file beside the
// instrument file (Funky001.wav, Funky002.wav, ...), and the instrument that
// maps them onto the keys from 36 up with the parameters of a template
// instrument file or the defaults.
#include <cstddef>
#include <cstdint>
#include <optional>

#include "framework/exceptions/XBase.h"

class CABCExportFeedback;
class CFileSpec;
class CSliceRenderSet;

inline constexpr int kSampleCellMaxSlices = 60;
inline constexpr std::uint32_t kSampleCellExtraFrames = 1000;
// Slice file names: the instrument's name cut to 5 characters and the number.
inline constexpr std::size_t kSampleCellNameLimit = 8;

// The instrument file could not be made or written.
QUILLET_EXCEPTION(XSampleCellInstrument, XBase);

// Writes the first count outputs (SlicesToExport with kSampleCellMaxSlices).
// False when the user stopped or cancelled a replace question. The instrument and its slice files are put in place together
// (safe saves): after a false result or a failure none of them exists and
// old files stay as they were. Failures pass on as exceptions:
// XBadSampleCellTemplate for a template that cannot be read,
// XSampleCellInstrument for the instrument file.
bool ExportSampleCell(CSliceRenderSet& renderSet, const CFileSpec& file, const std::optional<CFileSpec>& templateFile,
                      int count, CABCExportFeedback& feedback);
