#pragma once
// Many safe saves flushed together: each file is written to its temporary
// and handed over; Commit() flushes the file system that holds them once
// (syncfs), renames each into its target's place and flushes each folder
// once. No target is replaced before its new contents are on the disk, and
// a flush per file (a journal commit and a disk round trip each) is avoided.
// The files wait with their descriptors open and locked; when as many wait
// as the descriptor limit allows (an eighth of it), the next Add() commits.
//
//     CSafeSaveBatch batch;
//     for (...) {
//         auto file = std::make_unique<CSafeSaveFile>(target);
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
    // The fewest files a batch lets wait, whatever the descriptor limit.
    static constexpr std::size_t kMinPending = 16;

    CSafeSaveBatch();
    // Commits what is waiting; a failure then goes unreported, so callers
    // that can report one call Commit() themselves.
    ~CSafeSaveBatch();
    CSafeSaveBatch(const CSafeSaveBatch&) = delete;
    CSafeSaveBatch& operator=(const CSafeSaveBatch&) = delete;

    // A file written completely, waiting for the next commit.
    void Add(std::unique_ptr<CSafeSaveFile> written);
    // Puts every waiting file in place (see above). When the flush fails no target is
    // replaced; a file whose rename fails keeps its old target while the
    // others are put in place. The first failure then passes on.
    void Commit();

private:
    std::size_t maxPending_;
    std::vector<std::unique_ptr<CSafeSaveFile>> pending_;
};
