#pragma once
// Writes every output of the render set as a sound file of its own, named
// after the chosen file with a running number (SliceFileName).
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class CABCExportFeedback;
class CFileSpec;
class CFileType;
class CSafeSaveFile;
class CSliceExportProgress;
class CSliceRenderSet;

// The name limit the Export Sound command passes.
inline constexpr std::size_t kSliceNameLimit = 260;

// fileType is kAIFFFileType or kWaveFileType. At most sliceLimit files
// when one is given. False when the user stopped the export or cancelled a
// replace question; the files written before stay. A failure passes on as
// an exception after the file being written was removed; a loop without
// frames raises XBadFormat.
bool ExportSlices(CSliceRenderSet& renderSet, const CFileSpec& file, const CFileType& fileType,
                  std::uint32_t extraFrames, std::uint32_t sampleRate, std::optional<int> sliceLimit,
                  std::size_t nameLimit, CABCExportFeedback& feedback);

// The loop of ExportSlices for exports that put slice files beside a file
// of their own: renders outputs 0..count-1 (at the rate and extra length the
// render set has) into slice files of fileType and hands each, written but
// not yet in place, to keep. False when the user stopped or cancelled a
// replace question; failures pass on as exceptions.
bool WriteSliceFiles(CSliceRenderSet& renderSet, const CFileSpec& file, const CFileType& fileType, int count,
                     std::size_t nameLimit, CABCExportFeedback& feedback, CSliceExportProgress& progress,
                     const std::function<void(std::unique_ptr<CSafeSaveFile>)>& keep);
