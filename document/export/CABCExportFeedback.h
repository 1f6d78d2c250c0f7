#pragma once
// The questions an export may have to ask while it runs. The window answers
// them with alerts; the batch tool answers from its options.
#include <string>

class CABCExportFeedback {
public:
    enum class ExportKind { kSLX, kMIDI, kSoundFont, kMixman, kSampleCell };
    enum class ReplaceAnswer { kCancel, kReplace, kReplaceAll };

    virtual ~CABCExportFeedback() = default;

    // "Too many slices!": only the first limit slices fit in the file.
    // True to go on with them, false to write nothing.
    virtual bool AcceptFirstSlices(ExportKind kind, int limit) = 0;
    // The same question naming the count of slices there are.
    virtual bool AcceptFirstSlices(ExportKind kind, int count, int limit)
    {
        (void)count;
        return AcceptFirstSlices(kind, limit);
    }
    // A slice file of that name (with its extension) exists already.
    virtual ReplaceAnswer AskReplace(const std::string& fileName) = 0;
};
