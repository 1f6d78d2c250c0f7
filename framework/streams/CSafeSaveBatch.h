#pragma once
// Many safe saves flushed together: each file is written to its temporary
// and handed over; Commit() asks the system to write all of them out at
// once, waits for each, renames each into its target's place and flushes
// each folder once. No target is replaced before its new contents are on
// the disk, and a flush per file (which costs a disk round trip each) is
// avoided. At most kMaxPending files wait; the next Add() commits them.
//
//     CSafeSaveBatch batch;
//     for (...) {
//         auto file = std::make_unique<CSafeSaveFile>(target, CSafeSaveFile::StaleTemporaries::kKeep);
//         ...write through *file...
//         batch.Add(std::move(file));
//     }
//     batch.Commit();
#include <cstddef>
#include <memory>
#include <vector>

#include "framework/streams/CSafeSaveFile.h"

class CSafeSaveBatch {
public:
    // Open files waiting for their flush; few enough for the descriptor limit.
    static constexpr std::size_t kMaxPending = 128;

    CSafeSaveBatch() = default;
    // Commits what is waiting; a failure then goes unreported, so callers
    // that can report one call Commit() themselves.
    ~CSafeSaveBatch();
    CSafeSaveBatch(const CSafeSaveBatch&) = delete;
    CSafeSaveBatch& operator=(const CSafeSaveBatch&) = delete;

    // A file written completely, waiting for the next commit.
    void Add(std::unique_ptr<CSafeSaveFile> written);
    // Puts every waiting file in place (see above) and removes the stale
    // temporaries of their targets. A file whose flush or rename fails keeps
    // its old target; the others are put in place, then the first failure
    // passes on.
    void Commit();

private:
    std::vector<std::unique_ptr<CSafeSaveFile>> pending_;
};
