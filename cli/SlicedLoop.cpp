#include "cli/SlicedLoop.h"

#include <iostream>

#include "cli/CliFailure.h"
#include "document/export/DocumentFile.h"
#include "formats/sound/SoundFileOpen.h"
#include "framework/exceptions/GeneralExceptions.h"
#include "framework/files/CFileSpec.h"
#include "framework/files/FileTypes.h"
#include "sound/WAVE_SAMPLE.h"

SlicedLoop SlicedLoop::Load(const std::string& path, const SliceOptions& options) {
    SlicedLoop loop;
    const CFileSpec file(path);
    if (kQuilletDocumentFileType.Matches(file.Extension())) {
        DocumentOpening opening = OpenDocument(file, SliceOptions::Defaults());
        if (!opening.document) throw XInternalError();
        if (opening.alert != 0) std::cerr << FailureLine(path, opening.alert) << '\n';
        loop.document = std::move(opening.document);
    } else {
        loop.document = std::make_unique<CLoopDocument>(OpenSoundFile(path, options.channel),
                                                        SliceOptions::Defaults());
        if (!loop.document->Analyse()) throw XInternalError();
    }
    options.ApplyTo(*loop.document);
    return loop;
}
