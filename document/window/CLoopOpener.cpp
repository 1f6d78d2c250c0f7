#include "document/window/CLoopOpener.h"

#include <algorithm>
#include <cctype>

#include "document/export/CLoopDocument.h"
#include "document/export/DocumentFile.h"
#include "document/export/MarkedLoop.h"
#include "document/window/CABCOpenQuestions.h"
#include "formats/sound/SoundFileOpen.h"
#include "framework/exceptions/Exceptions.h"
#include "framework/files/CFileSpec.h"
#include "framework/files/FileTypes.h"
#include "framework/progress/CLengthyOperation.h"
#include "slicing/synth/CDrumLoopSynthesizer.h"

namespace {
constexpr std::uint32_t kPercent = 100;

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}
}  // namespace

bool CLoopOpener::IsDocumentFile(const std::string& path)
{
    return kQuilletDocumentFileType.Matches(Lower(CFileSpec(path).Extension()));
}

ResourceId CLoopOpener::AlertFor(const std::exception_ptr& failure)
{
    try {
        std::rethrow_exception(failure);
    } catch (const XOutOfMemory&) {
        return Res::kAlertNotEnoughMemory;
    } catch (...) {
        return SoundFileAlert(failure);
    }
}

std::unique_ptr<CLoopDocument> CLoopOpener::Open(const std::string& path, const CSlicingSettings& defaults)
{
    try {
        std::unique_ptr<CLoopDocument> document;
        if (IsDocumentFile(path)) {
            DocumentOpening opening = OpenDocument(CFileSpec(path), defaults);
            if (opening.document && opening.alert != 0)
                fQuestions.ShowAlert(opening.alert, CFileSpec(path).NameWithExtension());
            document = std::move(opening.document);
        } else {
            document = OpenSound(path, defaults);
        }
        if (document)
            document->SetOrigin(CFileSpec(path));
        return document;
    } catch (...) {
        fQuestions.ShowAlert(AlertFor(std::current_exception()), CFileSpec(path).NameWithExtension());
        return nullptr;
    }
}

std::unique_ptr<CLoopDocument> CLoopOpener::OpenSound(const std::string& path, const CSlicingSettings& defaults)
{
    const SoundFileInfo info = ReadSoundFileInfo(path);
    CheckSoundFileLimits(info);
    const std::optional<ChannelChoice> channel = fQuestions.AskChannel(path, info);
    if (!channel)
        return nullptr;
    auto document = std::make_unique<CLoopDocument>(OpenSoundFile(path, *channel), defaults);
    if (!RestoreMarkedSlices(*document, path) && !Analyse(*document))
        return nullptr;
    return document;
}

std::unique_ptr<CLoopDocument> CLoopOpener::DemoLoop(const CSlicingSettings& defaults)
{
    const DrumLoop loop =
        CDrumLoopSynthesizer(kDemoRate).RenderPattern(CDrumLoopSynthesizer::DemoPattern(), kDemoTempo);
    const std::vector<std::int16_t> mono = loop.Mono();
    auto sound = std::make_unique<WAVE_SAMPLE>(kDemoName, loop.rate, loop.Frames());
    for (std::uint32_t i = 0; i < loop.Frames(); ++i)
        sound->Samples().WriteSample(i, mono[i]);
    CSlicingSettings settings = defaults;
    settings.bars = kDemoBars;
    settings.beats = 0;
    settings.signature = CSlicingSettings::kDefaultSignature;
    settings.sensitivity = kDemoSensitivity;
    return FromSound(std::move(sound), settings);
}

std::unique_ptr<CLoopDocument> CLoopOpener::FromSound(std::unique_ptr<WAVE_SAMPLE> sound,
                                                      const CSlicingSettings& defaults)
{
    auto document = std::make_unique<CLoopDocument>(std::move(sound), defaults);
    if (!Analyse(*document))
        return nullptr;
    return document;
}

bool CLoopOpener::Analyse(CLoopDocument& document)
{
    CLengthyOperation operation(Res::kStringExaminingSound, Res::kStringStop);
    return document.Analyse([&operation](std::uint32_t done, std::uint32_t total) {
        const std::uint64_t percent = total == 0 ? kPercent : std::uint64_t{done} * kPercent / total;
        operation.Update(static_cast<std::int32_t>(done), static_cast<std::uint16_t>(percent));
        return !operation.WasCancelled();
    });
}
