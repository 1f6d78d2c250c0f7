#pragma once
// Opens a loop for a new document window: a document file with its stored
// slicing, or a sound file read through the Open Audio File question and
// analysed under the lengthy operation "Examining sound..." (a sound file
// with slice markers takes them instead of the analysis). Also makes the
// synthesized demo loop that the program shows when it starts without a file.
#include <cstdint>
#include <exception>
#include <memory>
#include <string>

#include "resources/CaravelResources.h"

class CABCOpenQuestions;
class CLoopDocument;
class CSlicingSettings;
class WAVE_SAMPLE;

class CLoopOpener {
public:
    static constexpr const char* kDemoName = "Demo Loop";
    static constexpr double kDemoTempo = 120.0;
    static constexpr unsigned kDemoRate = 44100;
    static constexpr std::int16_t kDemoBars = 2;
    // A middle sensitivity, so that the demo shows its slices at once.
    static constexpr std::int16_t kDemoSensitivity = 500;

    explicit CLoopOpener(CABCOpenQuestions& questions) : fQuestions(questions) {}

    // The opened loop with `path` as its origin, or nothing when the user
    // cancelled or stopped the analysis, or when opening failed (the alert
    // has been shown then).
    // defaults: the settings of a newly analysed sound.
    std::unique_ptr<CLoopDocument> Open(const std::string& path, const CSlicingSettings& defaults);
    // Two bars of 4/4 at 120 BPM, analysed and shown with two bars at a
    // middle sensitivity; nothing when the analysis was stopped.
    static std::unique_ptr<CLoopDocument> DemoLoop(const CSlicingSettings& defaults);
    // A sound made in the program (a slice of another document), analysed;
    // nothing when the analysis was stopped.
    static std::unique_ptr<CLoopDocument> FromSound(std::unique_ptr<WAVE_SAMPLE> sound,
                                                    const CSlicingSettings& defaults);

    // The alert for a failure while opening: not enough memory, or the
    // sound-file alerts.
    static ResourceId AlertFor(const std::exception_ptr& failure);
    static bool IsDocumentFile(const std::string& path);

private:
    std::unique_ptr<CLoopDocument> OpenSound(const std::string& path, const CSlicingSettings& defaults);
    static bool Analyse(CLoopDocument& document);

    CABCOpenQuestions& fQuestions;
};
