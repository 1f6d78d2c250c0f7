#pragma once
// The paged sample store: a sound's bytes in fixed 16384-byte pages, so that
// a long sound never needs one large contiguous block. Samples are 16-bit,
// little-endian (the machine's order); sample i lives in page (2i) / 16384.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>

class BAT {
public:
    static constexpr std::uint32_t kPageSize = 16384;
    static constexpr std::uint32_t kFramesPerPage = kPageSize / 2;
    static constexpr std::uint32_t kMaxPages = 4086;
    static constexpr std::uint64_t kMaxSize = std::uint64_t{kMaxPages} * kPageSize;

    // One contiguous piece of a walk: its bytes, its length and its byte
    // offset in the store. Returning false fails the walk with XBase.
    using BlockOperation = std::function<bool(std::uint8_t* block, std::uint32_t length, std::uint32_t offset)>;
    using ConstBlockOperation =
        std::function<bool(const std::uint8_t* block, std::uint32_t length, std::uint32_t offset)>;

    // Allocates every page the size needs, zero-filled. XOutOfMemory when
    // allocation fails or the size needs more than kMaxPages pages.
    explicit BAT(std::uint64_t byteSize);
    // The same holding a copy of byteSize bytes from source (the rest of the
    // last page zero), without filling the pages with zeros first.
    BAT(const void* source, std::uint64_t byteSize);
    // Fills the bytes of one page: length bytes at byte offset of the store.
    using PageFiller = std::function<void(std::uint8_t* page, std::uint32_t length, std::uint32_t offset)>;
    // byteSize bytes, each page filled by fill in order as it is allocated
    // (the rest of the last page zero), so that a sound read from a file
    // lands in its pages without a copy. What fill throws passes on.
    BAT(std::uint64_t byteSize, const PageFiller& fill);
    BAT(const BAT&) = delete;
    BAT& operator=(const BAT&) = delete;

    static std::uint32_t PageCount(std::uint64_t byteSize);

    std::uint32_t Size() const { return size_; }
    std::uint32_t Frames() const { return size_ / 2; }
    std::uint8_t* Page(std::uint32_t index);
    const std::uint8_t* Page(std::uint32_t index) const;

    // Unchecked: callers clamp their indexes into the store first.
    std::int16_t ReadSample(std::uint32_t i) const { return pages_[i / kFramesPerPage][i % kFramesPerPage]; }
    void WriteSample(std::uint32_t i, std::int16_t value) { pages_[i / kFramesPerPage][i % kFramesPerPage] = value; }

    // Calls the operation on each contiguous piece of [start, start + length):
    // up to the end of the first page, whole pages, then the rest. A range
    // outside the store raises XPosition.
    void Walk(std::uint32_t start, std::uint32_t length, const BlockOperation& operation);
    void Walk(std::uint32_t start, std::uint32_t length, const ConstBlockOperation& operation) const;

    void ReadBytes(std::uint32_t start, std::uint32_t length, void* destination) const;
    void WriteBytes(std::uint32_t start, std::uint32_t length, const void* source);
    // Copies length bytes from one store to another (or the same, without overlap).
    static void CopyBytes(const BAT& from, std::uint32_t fromStart, BAT& to, std::uint32_t toStart,
                          std::uint32_t length);
    // Reverses the byte order of every sample (big-endian sources).
    void SwapBytes();

private:
    // Allocates the pages of byteSize bytes, zero-filled when asked.
    void AllocatePages(std::uint64_t byteSize, bool zeroed);
    void CheckRange(std::uint32_t start, std::uint32_t length) const;

    std::uint32_t size_ = 0;
    std::array<std::unique_ptr<std::int16_t[]>, kMaxPages> pages_;
};
