#pragma once
// A loop ready for export in a folder of its own, and a clock and progress
// presenter under which every export is stopped at its first progress report.
#include <filesystem>
#include <memory>
#include <vector>

#include "document/export/ExportSlices.h"
#include "framework/files/CFileSpec.h"
#include "framework/time/CClock.h"
#include "slicing/CSliceRenderSet.h"
#include "tests/support/FileTestSupport.h"
#include "tests/support/LoopFixture.h"
#include "tests/support/RecordingProgress.h"

inline CFileSpec FileAt(const std::filesystem::path& path) { return CFileSpec(path.string()); }

// A loop with locked slice points, its render set, a folder to export into
// and the answers to the export's questions.
struct ExportRig {
    ExportRig(std::uint32_t frames, const std::vector<std::uint32_t>& slices, bool separate = true, std::int32_t left = 0)
        : doc(Prepared(MakeLoop(frames, 44100, slices), separate, left)), set(doc->Sound(), doc->Slices(), doc->Settings()) {}
    static std::unique_ptr<CLoopDocument> Prepared(std::unique_ptr<CLoopDocument> loop, bool separate, std::int32_t left) {
        loop->Settings().separateSamples = separate;
        loop->Sound().SetLoop(left, static_cast<std::int32_t>(loop->Sound().Frames()), true);
        return loop;
    }
    bool Slices(const char* name, const CFileType& type) {
        return ExportSlices(set, FileAt(folder / name), type, 0, 44100, std::nullopt, kSliceNameLimit, feedback);
    }

    std::unique_ptr<CLoopDocument> doc;
    CSliceRenderSet set;
    CTempFolder folder;
    CScriptedFeedback feedback;
};

// A clock that runs ten seconds ahead at every look, and progress windows
// whose Stop button is pressed at once: the export stops at its first
// progress report after the window appears.
class StopPressed : public CClock {
public:
    StopPressed() : previous_(Install(this)) { presenter_.pressAtOnce = true; }
    ~StopPressed() override { Install(previous_); }
    std::int64_t Milliseconds() const override { return now_ += 10000; }
    void Sleep(std::int64_t ms) override { now_ += ms; }

private:
    mutable std::int64_t now_ = 0;
    CClock* previous_;
    RecordingPresenter presenter_;
};
