#pragma once
// Saving and opening the program's document file: an AIFF file of the
// loop's sound, its locators as markers, and the slicing in an APPL chunk.
#include <memory>

#include "resources/CaravelResources.h"

class CFileSpec;
class CLoopDocument;
class CMedia;
class CSlicingSettings;

// Writes the document to file through a safe save: the old file stays
// untouched until the new one is complete. On success the document is
// clean and belongs to file; on failure the exception passes on.
void WriteDocument(const CFileSpec& file, CLoopDocument& document);

struct DocumentOpening {
    std::unique_ptr<CLoopDocument> document;
    // 0, or the alert that says the slicing could not be used and the sound
    // was opened as a new loop (damaged slicing, or a later version).
    ResourceId alert = 0;
};

// Opens a document file. The sound and its locators are always taken; when
// the stored slicing is missing, damaged or of a later version, the sound is
// analysed as a new loop with the defaults instead. Nothing (a null
// document) when the analysis was stopped. Failures to read the sound pass
// on as the sound-file exceptions.
DocumentOpening OpenDocument(const CFileSpec& file, const CSlicingSettings& defaults);
// The same from a stream; the sound is named name and the document belongs
// to no file.
DocumentOpening OpenDocumentMedia(CMedia& stream, const char* name, const CSlicingSettings& defaults);
