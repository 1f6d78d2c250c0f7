#include "cli/SlicedLoop.h"

#include "cli/CliFailure.h"
#include "document/export/DocumentFile.h"
#include "document/export/MarkedLoop.h"
#include "formats/sound/SoundFileOpen.h"
#include "framework/exceptions/GeneralExceptions.h"
#include "framework/files/CFileSpec.h"
#include "framework/files/FileTypes.h"
#include "sound/WAVE_SAMPLE.h"

namespace {

const char* ChannelName(ChannelChoice choice) {
    switch (choice) {
        case ChannelChoice::Left: return "left";
        case ChannelChoice::Right: return "right";
        case ChannelChoice::Mix: return "mix";
    }
    return "left";
}

}  // namespace

SlicedLoop SlicedLoop::Load(const std::string& path, const SliceOptions& options) {
    SlicedLoop loop;
    loop.file = ReadSoundFileInfo(path);
    const CFileSpec file(path);
    if (kQuilletDocumentFileType.Matches(file.Extension())) {
        DocumentOpening opening = OpenDocument(file, SliceOptions::Defaults());
        if (!opening.document) throw XInternalError();
        if (opening.alert != 0) loop.warning = FailureLine(path, opening.alert);
        loop.document = std::move(opening.document);
        loop.channel = loop.file.channels == 1 ? "mono" : "left";
    } else {
        loop.document =
            std::make_unique<CLoopDocument>(OpenSoundFile(path, options.Channel()), SliceOptions::Defaults());
        if (!RestoreMarkedSlices(*loop.document, path) && !loop.document->Analyse()) throw XInternalError();
        loop.channel = loop.file.channels == 1 ? "mono" : ChannelName(options.Channel());
    }
    options.ApplyTo(*loop.document);
    return loop;
}
