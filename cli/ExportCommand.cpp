#include "cli/ExportCommand.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <iostream>

#include "cli/CliExportFeedback.h"
#include "cli/CliFailure.h"
#include "cli/SlicedLoop.h"
#include "document/export/DocumentFile.h"
#include "document/export/ExportGrooveMIDI.h"
#include "document/export/ExportSLX.h"
#include "document/export/ExportSampleRates.h"
#include "document/export/ExportSlices.h"
#include "formats/sound/SoundFileOpen.h"
#include "framework/exceptions/Exceptions.h"
#include "framework/files/FileTypes.h"
#include "slicing/CSliceRenderSet.h"
#include "slicing/Tempo.h"

namespace {

struct ExportRequest {
    std::optional<std::string> save;
    std::optional<std::string> slx;
    std::optional<std::string> midi;
    std::optional<std::string> slicesFolder;
    const CFileType* sliceType = &kAIFFFileType;
    std::optional<std::string> base;
    std::optional<std::uint32_t> rate;
    bool force = false;
};

// The export toggles and amounts: toggles given switch on, amounts given
// replace the document's.
struct ExportSettingsOptions {
    std::optional<std::int16_t> stretch;
    bool normalize = false;
    bool silenceSelected = false;
    bool oneSample = false;
    bool pitchMode = false;
    std::optional<std::int32_t> newTempo;

    static ExportSettingsOptions Take(CliArguments& arguments) {
        ExportSettingsOptions options;
        if (const auto stretch = arguments.TakeNumber("stretch", 0, CSlicingSettings::kStretchSteps - 1))
            options.stretch = static_cast<std::int16_t>(*stretch);
        options.normalize = arguments.TakeFlag("normalize");
        options.silenceSelected = arguments.TakeFlag("silence-selected");
        options.oneSample = arguments.TakeFlag("one-sample");
        options.pitchMode = arguments.TakeFlag("pitch-mode");
        if (const auto text = arguments.TakeValue("new-tempo")) {
            options.newTempo = ParseNewTempo(*text);
            if (!options.newTempo) throw CliUsageError("--new-tempo takes a tempo in BPM, such as 96.5");
        }
        return options;
    }

    void ApplyTo(CSlicingSettings& settings) const {
        if (stretch) settings.stretch = *stretch;
        settings.normalize |= normalize;
        settings.silenceSelected |= silenceSelected;
        settings.separateSamples &= !oneSample;
        settings.pitchMode |= pitchMode;
        if (newTempo) settings.newTempo = *newTempo;
    }
};

ExportRequest TakeRequest(CliArguments& arguments) {
    ExportRequest request;
    request.save = arguments.TakeValue("save");
    request.slx = arguments.TakeValue("slx");
    request.midi = arguments.TakeValue("midi");
    request.slicesFolder = arguments.TakeValue("slices");
    if (const auto type = arguments.TakeValue("type")) {
        if (*type == "wav")
            request.sliceType = &kWaveFileType;
        else if (*type != "aiff")
            throw CliUsageError("--type takes aiff or wav");
    }
    request.base = arguments.TakeValue("base");
    if (const auto rate = arguments.TakeNumber("rate", 1, UINT32_MAX)) {
        if (std::find(kExportSampleRates.begin(), kExportSampleRates.end(), *rate) == kExportSampleRates.end())
            throw CliUsageError("--rate takes 22050, 32000, 44100, 48000 or 96000");
        request.rate = static_cast<std::uint32_t>(*rate);
    }
    request.force = arguments.TakeFlag("force");
    if (!request.save && !request.slx && !request.midi && !request.slicesFolder)
        throw CliUsageError("nothing to write: give --save, --slx, --midi or --slices");
    return request;
}

ResourceId FailureAlert(ResourceId exportAlert) {
    try {
        throw;
    } catch (const XOutOfMemory&) {
        return Res::kAlertOutOfMemory;
    } catch (...) {
        return exportAlert;
    }
}

// Runs one export; prints what it wrote, or the reason it wrote nothing.
bool Run(const std::string& output, ResourceId failureAlert, CliExportFeedback& feedback, std::ostream& out,
         const std::function<bool()>& write, const std::string& written) {
    try {
        if (write()) {
            out << "wrote " << written << '\n';
            return true;
        }
        std::cerr << output << ": " << feedback.Refusal() << '\n';
    } catch (...) {
        std::cerr << FailureLine(output, FailureAlert(failureAlert)) << '\n';
    }
    return false;
}

int RunExport(CliArguments& arguments, std::ostream& out) {
    const SliceOptions options = SliceOptions::Take(arguments);
    const ExportSettingsOptions exportSettings = ExportSettingsOptions::Take(arguments);
    const ExportRequest request = TakeRequest(arguments);
    SlicedLoop loop = SlicedLoop::Load(arguments.TakeFile(), options);
    CLoopDocument& document = *loop.document;
    exportSettings.ApplyTo(document.Settings());

    const std::uint32_t rate =
        request.rate.value_or(kExportSampleRates[InitialExportRateIndex(document.Sound().Rate())]);
    CliExportFeedback feedback(request.force);
    bool ok = true;

    if (request.save) {
        const CFileSpec file(*request.save);
        ok &= Run(*request.save, Res::kAlertDocumentSaveFailed, feedback, out,
                  [&] { WriteDocument(file, document); return true; }, *request.save);
    }
    if (request.slx) {
        CSliceRenderSet renderSet(document.Sound(), document.Slices(), document.Settings());
        ok &= Run(*request.slx, Res::kAlertSLXExportFailed, feedback, out,
                  [&] { return ExportSLX(renderSet, CFileSpec(*request.slx), rate, feedback); }, *request.slx);
    }
    if (request.midi) {
        CSliceRenderSet renderSet(document.Sound(), document.Slices(), document.Settings());
        ok &= Run(*request.midi, Res::kAlertMIDIFileFailed, feedback, out,
                  [&] { return ExportGrooveMIDI(renderSet, CFileSpec(*request.midi), feedback); }, *request.midi);
    }
    if (request.slicesFolder) {
        std::string base = request.base.value_or("");
        if (base.empty()) {
            std::string extension;
            SplitFileName(document.Sound().Name(), base, extension);
        }
        const std::string extension = request.sliceType->ExtensionList().front();
        const CFileSpec file((std::filesystem::path(*request.slicesFolder) / (base + extension)).string());
        CSliceRenderSet renderSet(document.Sound(), document.Slices(), document.Settings());
        const std::string written = std::to_string(renderSet.Count()) + " slice file(s) to " + *request.slicesFolder;
        ok &= Run(*request.slicesFolder, Res::kAlertSliceExportFailed, feedback, out,
                  [&] {
                      std::filesystem::create_directories(*request.slicesFolder);
                      return ExportSlices(renderSet, file, *request.sliceType, 0, rate, std::nullopt, kSliceNameLimit,
                                          feedback);
                  },
                  written);
    }
    return ok ? 0 : 1;
}

}  // namespace

const CliCommand kExportCommand = {
    "export",
    "FILE [options] [--stretch 0..13] [--normalize] [--silence-selected] [--one-sample] "
    "[--pitch-mode --new-tempo BPM] [--rate HZ] [--save DOC.qlt] [--slx OUT.slx] [--midi OUT.mid] "
    "[--slices DIR [--type aiff|wav] [--base NAME]] [--force]",
    RunExport, SoundFileAlert};
