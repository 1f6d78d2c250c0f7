#include "document/export/DocumentFile.h"

#include <vector>

#include "document/export/CLoopDocument.h"
#include "formats/document/CDocumentRecord.h"
#include "formats/document/LoopMarkers.h"
#include "formats/sound/AIFFFile.h"
#include "formats/sound/SoundFileOpen.h"
#include "framework/exceptions/Exceptions.h"
#include "framework/files/CFileSpec.h"
#include "framework/streams/COpenFile.h"
#include "sound/WAVE_SAMPLE.h"

void WriteDocument(const CFileSpec& file, CLoopDocument& document) {
    std::vector<std::uint8_t> record(CDocumentRecord::kSize);
    document.Record().Encode(record.data());
    WriteAIFF(file, document.Sound(), CDocumentRecord::kSignature, record.data(),
              static_cast<std::int64_t>(record.size()));
    document.MarkClean(file);
}

DocumentOpening OpenDocument(const CFileSpec& file, const CSlicingSettings& defaults) {
    COpenFile stream(file);
    DocumentOpening opening = OpenDocumentMedia(stream, file.Name().c_str(), defaults);
    if (opening.document) opening.document->MarkClean(file);
    return opening;
}

DocumentOpening OpenDocumentMedia(CMedia& stream, const char* name, const CSlicingSettings& defaults) {
    std::unique_ptr<WAVE_SAMPLE> sound = OpenSoundMedia(stream, name, ChannelChoice::Left);
    try {
        if (const auto markers = ReadLoopMarkers(stream))
            sound->SetLoop(static_cast<std::int32_t>(markers->first), static_cast<std::int32_t>(markers->second),
                           true);
    } catch (const XBadFormat&) {
        // Damaged markers: the loop stays the whole sound.
    }

    DocumentOpening opening;
    opening.document = std::make_unique<CLoopDocument>(std::move(sound), defaults);
    try {
        opening.document->ApplyRecord(CDocumentRecord::Read(stream));
    } catch (const XBadFormat&) {
        opening.alert = Res::kAlertDocumentInfoDamaged;
    } catch (const XUnsupportedFormat&) {
        opening.alert = Res::kAlertDocumentTooNew;
    }
    if (opening.alert != 0 && !opening.document->Analyse()) return {};
    opening.document->MarkClean(std::nullopt);
    return opening;
}
