#include "document/export/MarkedLoop.h"

#include "document/export/CLoopDocument.h"
#include "formats/sound/MarkedSoundFile.h"
#include "framework/files/CFileSpec.h"
#include "framework/files/FileTypes.h"
#include "framework/streams/COpenFile.h"

void ExportMarkedLoop(const CLoopDocument& document, const CFileSpec& file, const CFileType& type)
{
    const CSliceList& slices = document.Slices();
    std::vector<std::uint32_t> starts;
    for (int i = slices.First(SliceFilter::kCounted); i >= 0; i = slices.Next(i, SliceFilter::kCounted))
        starts.push_back(slices.Entry(i).position);
    if (&type == &kWaveFileType)
        WriteMarkedWAV(file, document.Sound(), starts);
    else
        WriteMarkedAIFF(file, document.Sound(), starts);
}

const CFileType& MarkedLoopType(const std::string& path)
{
    return kWaveFileType.Matches(CFileSpec(path).Extension()) ? kWaveFileType : kAIFFFileType;
}

bool RestoreMarkedSlices(CLoopDocument& document, CMedia& stream)
{
    const std::optional<SoundMarks> marks = ReadSoundMarks(stream, document.Sound().Frames());
    if (!marks)
        return false;
    CSliceList& slices = document.Slices();
    slices.Reset(static_cast<std::int32_t>(document.Sound().Frames()));
    for (const std::uint32_t position : marks->slices) {
        CSlice* slice = slices.Insert(position);
        if (!slice)
            break;
        slice->state = CSlice::kLocked;
        slice->level = CSliceList::kDrawnLevel;
    }
    if (marks->loop)
        document.Sound().SetLoop(static_cast<std::int32_t>(marks->loop->first),
                                 static_cast<std::int32_t>(marks->loop->second), true);
    document.ApplySensitivity();
    return true;
}

bool RestoreMarkedSlices(CLoopDocument& document, const std::string& path)
{
    COpenFile stream{CFileSpec(path)};
    return RestoreMarkedSlices(document, stream);
}
