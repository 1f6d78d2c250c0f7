#include "framework/streams/CSafeSaveBatch.h"

#include <exception>
#include <filesystem>
#include <map>
#include <set>

#include "framework/streams/SafeSaveTemporaries.h"

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
    if (pending_.size() >= kMaxPending)
        Commit();
}

void CSafeSaveBatch::Commit()
{
    std::vector<std::unique_ptr<CSafeSaveFile>> files = std::move(pending_);
    pending_.clear();
    for (const auto& file : files)
        file->StartWriteBack();
    std::exception_ptr failure;
    std::map<std::filesystem::path, std::set<std::string>> folders;
    for (auto& file : files) {
        const std::filesystem::path target(file->TargetPath());
        try {
            file->Sync();
            file->Install();
            folders[target.parent_path()].insert(TemporaryPrefix(target.filename().string()));
        } catch (...) {
            if (!failure)
                failure = std::current_exception();
        }
        file.reset();
    }
    for (const auto& [folder, prefixes] : folders) {
        SyncFolder(folder.string());
        RemoveStaleTemporaries(folder, prefixes);
    }
    if (failure)
        std::rethrow_exception(failure);
}
