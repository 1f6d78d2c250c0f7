#pragma once
// A memory block of fixed capacity. It never grows: reading past the end
// raises XRead, writing past it XWrite, positioning outside it XPosition.
#include <cstdint>
#include <memory>

#include "framework/streams/CMedia.h"

class CMemoryMedia : public CMedia {
public:
    // Allocates capacity bytes, all zero. XOutOfMemory when that fails.
    explicit CMemoryMedia(std::int64_t capacity);

    void Read(std::int64_t count, void* buffer) override;
    void Write(std::int64_t count, const void* buffer) override;
    std::int64_t GetPosition() override { return position_; }
    void SetPosition(std::int64_t position) override;
    std::int64_t GetSize() override { return capacity_; }

    std::uint8_t* Data() { return buffer_.get(); }
    const std::uint8_t* Data() const { return buffer_.get(); }
    std::int64_t Capacity() const { return capacity_; }

private:
    std::int64_t position_ = 0;
    std::int64_t capacity_ = 0;
    std::unique_ptr<std::uint8_t[]> buffer_;
};
