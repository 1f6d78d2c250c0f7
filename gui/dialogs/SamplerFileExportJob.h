#pragma once
// What an export dialog of a file pseudo-sampler works on: the slices of the
// front document, its sound's name and new tempo, the settings kept for the
// run, the export questions, and the file dialogs (asked through functions
// so that tests can answer them).
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "framework/files/CFileSpec.h"
#include "resources/CaravelResources.h"

class CABCExportFeedback;
class CFileType;
class CSliceRenderSet;
struct SamplerFileExportSettings;

struct SamplerFileExportJob {
    // The save dialog titled title offering name and type; nothing when cancelled.
    using AskFileToWrite = std::function<std::optional<CFileSpec>(ResourceId title, const std::string& name,
                                                                  const CFileType& type)>;
    // The open dialog titled title offering type; nothing when cancelled.
    using AskFileToOpen = std::function<std::optional<std::string>(ResourceId title, const CFileType& type)>;

    CSliceRenderSet& renderSet;
    std::string sampleName;
    std::int32_t newTempo = 0;
    SamplerFileExportSettings& settings;
    CABCExportFeedback& feedback;
    AskFileToWrite askFileToWrite;
    AskFileToOpen askFileToOpen;
};
