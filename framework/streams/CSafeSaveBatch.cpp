#include "framework/streams/CSafeSaveBatch.h"

#include <algorithm>
#include <exception>
#include <filesystem>
#include <set>
#include <sys/resource.h>


namespace {

// Each waiting file holds a descriptor; a batch takes at most an eighth of
// what the process may open, so that parallel exports and everything else
// still find descriptors.
std::size_t MaxPending()
{
    struct rlimit limit;
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return CSafeSaveBatch::kMinPending;
    return std::max<std::size_t>(CSafeSaveBatch::kMinPending, limit.rlim_cur / 8);
}

} // namespace

CSafeSaveBatch::CSafeSaveBatch()
    : maxPending_(MaxPending())
{
}

CSafeSaveBatch::~CSafeSaveBatch()
{
    try {
        Commit();
    } catch (...) {
        // Reported by an explicit Commit() where it matters.
    }
}

void CSafeSaveBatch::Add(std::unique_ptr<CSafeSaveFile> written)
{
    pending_.push_back(std::move(written));
    if (pending_.size() >= maxPending_)
        Commit();
}

void CSafeSaveBatch::Commit()
{
    std::vector<std::unique_ptr<CSafeSaveFile>> files = std::move(pending_);
    pending_.clear();
    if (files.empty())
        return;
    // One flush of each file system writes out every file of the batch with
    // one journal commit, where a flush per file would wait for one each.
    std::exception_ptr failure;
    std::set<dev_t> flushed;
    for (const auto& file : files) {
        try {
            if (flushed.insert(file->Device()).second)
                file->SyncFileSystem();
        } catch (...) {
            failure = std::current_exception();
        }
    }
    if (failure) {
        // Nothing is known to be on the disk: every target keeps its old contents.
        files.clear();
        std::rethrow_exception(failure);
    }
    std::set<std::string> folders;
    for (auto& file : files) {
        try {
            file->Install();
            folders.insert(std::filesystem::path(file->TargetPath()).parent_path().string());
        } catch (...) {
            if (!failure)
                failure = std::current_exception();
        }
        file.reset();
    }
    for (const std::string& folder : folders)
        SyncFolder(folder);
    if (failure)
        std::rethrow_exception(failure);
}
