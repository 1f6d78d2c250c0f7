#pragma once
// An open file as a byte stream, over a POSIX file descriptor.
#include <cstdint>

#include "framework/streams/CMedia.h"

class CFileSpec;

class COpenFile : public CMedia {
public:
    enum class Access {
        kRead,  // the file must exist
        kWrite, // the file is created, or truncated when it exists
    };

    // Opens the file; XCreateFailed when that fails (a folder included),
    // carrying the system's reason.
    explicit COpenFile(const CFileSpec& file, Access access = Access::kRead);
    // Closes the file without reporting errors; call Close() to hear of them.
    ~COpenFile() override;
    COpenFile(const COpenFile&) = delete;
    COpenFile& operator=(const COpenFile&) = delete;

    // XRead when the bytes cannot all be read (end of file included).
    void Read(std::int64_t count, void* buffer) override;
    // XWrite when the bytes cannot all be written (a full disk included).
    void Write(std::int64_t count, const void* buffer) override;
    // XFile when the position cannot be told.
    std::int64_t GetPosition() override;
    // XPosition when the seek fails.
    void SetPosition(std::int64_t position) override;
    // XPosition when the size cannot be told.
    std::int64_t GetSize() override;

    // Flushes written data to the disk; XWrite when that fails.
    void Sync();
    // Closes the file; XWrite when the system reports that written data were lost.
    void Close();
    bool IsOpen() const { return descriptor_ >= 0; }

protected:
    // Takes over an open descriptor.
    explicit COpenFile(int descriptor);
    int Descriptor() const { return descriptor_; }

private:
    int descriptor_ = -1;
};

// True when the file can be opened for reading.
bool FileExists(const CFileSpec& file);
