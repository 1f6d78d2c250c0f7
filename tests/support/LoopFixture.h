#pragma once
// Small loops with known samples and slice points for the export tests, and
// an export feedback that answers as told and counts the questions.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "document/export/CABCExportFeedback.h"
#include "document/export/CLoopDocument.h"
#include "tests/support/SoundBuilder.h"

// A sound of frames frames at rate whose sample i is SampleAt(i), with a
// locked slice point at each position; locators over the whole sound, one
// bar of 4/4.
std::unique_ptr<CLoopDocument> MakeLoop(std::uint32_t frames, std::uint32_t rate,
                                        const std::vector<std::uint32_t>& slicePositions);
std::int16_t SampleAt(std::uint32_t i);

class CScriptedFeedback : public CABCExportFeedback {
public:
    bool acceptFirstSlices = true;
    ReplaceAnswer replaceAnswer = ReplaceAnswer::kReplace;
    int lastLimit = 0;
    int lastCount = 0;
    std::vector<std::string> replaceQuestions;

    bool AcceptFirstSlices(ExportKind, int limit) override {
        lastLimit = limit;
        return acceptFirstSlices;
    }
    bool AcceptFirstSlices(ExportKind kind, int count, int limit) override {
        lastCount = count;
        return AcceptFirstSlices(kind, limit);
    }
    ReplaceAnswer AskReplace(const std::string& fileName) override {
        replaceQuestions.push_back(fileName);
        return replaceAnswer;
    }
};
