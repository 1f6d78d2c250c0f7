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
// A failed write, a full disk included, raises XWrite.
#include <string>

#include "framework/streams/COpenFile.h"

class CFileSpec;

class CSafeSaveFile : public COpenFile {
public:
    // Creates the temporary file; XCreateFailed when the folder does not allow it.
    explicit CSafeSaveFile(const CFileSpec& target);
    // Removes the temporary file unless Commit() succeeded.
    ~CSafeSaveFile() override;

    // Replaces the target with everything written. XWrite when the data cannot
    // be flushed, XFile when the rename fails; either way the target keeps its
    // old contents and the temporary file is gone.
    void Commit();

    const std::string& TemporaryPath() const { return temporaryPath_; }

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
    bool committed_ = false;
};
