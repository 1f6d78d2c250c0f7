#pragma once
// Writes a file so that the old one is never lost: the stream writes to a new
// temporary file in the target's folder, and Commit() flushes it to the disk
// and puts it in the target's place in one atomic rename. Until then the
// target is untouched; a stream destroyed without Commit(), or a Commit()
// that fails, removes the temporary file and leaves the target as it was.
//
//     CSafeSaveFile file(target);
//     ...write through file (any CMedia user)...
//     file.Commit();
//
// The temporary's name fits whatever name the target has (SafeSaveTemporaries).
// Its writer holds an exclusive flock on it until it is in place, so that a
// save killed midway leaves a temporary that the next save of the same
// target recognises as stale and removes. Failures carry the system's reason;
// a failed write, a full disk included, raises XWrite.
#include <string>
#include <sys/types.h>

#include "framework/streams/COpenFile.h"

class CFileSpec;

class CSafeSaveFile : public COpenFile {
public:
    // Removes the target's stale temporaries and creates its own;
    // XCreateFailed when the folder does not allow it or the target is not a
    // regular file.
    explicit CSafeSaveFile(const CFileSpec& target);
    // Removes the temporary file unless it was put in place.
    ~CSafeSaveFile() override;

    // Replaces the target with everything written. XWrite when the data cannot
    // be flushed, XFile when the rename fails; either way the target keeps its
    // old contents and the temporary file is gone.
    void Commit();

    // Commit() in parts, for many files flushed together (CSafeSaveBatch):
    // SyncFileSystem() flushes everything written to the file system that
    // holds the temporary (XWrite when that fails); Install() renames the
    // temporary into the target's place and closes it, without flushing the
    // folder. XFile when the rename fails; the temporary is then gone.
    void SyncFileSystem();
    void Install();
    // The device of the file system that holds the temporary.
    dev_t Device() const;

    const std::string& TemporaryPath() const { return temporaryPath_; }
    // The file the save replaces (symbolic links followed).
    const std::string& TargetPath() const { return targetPath_; }

private:
    struct Temporary {
        std::string targetPath;
        std::string path;
        int descriptor;
    };
    static Temporary CreateTemporary(const CFileSpec& target);
    explicit CSafeSaveFile(Temporary temporary);
    void RemoveTemporary();

    std::string targetPath_;
    std::string temporaryPath_;
    bool installed_ = false;
};

// Flushes a folder's entry list so that renames in it survive a crash.
void SyncFolder(const std::string& folder);
