#include "sound/BAT.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "framework/exceptions/GeneralExceptions.h"
#include "sound/SampleBlock.h"

BAT::BAT(std::uint64_t byteSize)
{
    AllocatePages(byteSize, true);
}

BAT::BAT(const void* source, std::uint64_t byteSize)
    : BAT(byteSize, [in = static_cast<const std::uint8_t*>(source)](std::uint8_t* page, std::uint32_t length,
                                                                      std::uint32_t offset) {
          std::memcpy(page, in + offset, length);
      })
{
}

BAT::BAT(std::uint64_t byteSize, const PageFiller& fill)
{
    AllocatePages(byteSize, false);
    for (std::uint32_t k = 0; k < PageCount(byteSize); ++k) {
        const std::uint32_t piece = std::min<std::uint32_t>(kPageSize, size_ - k * kPageSize);
        std::memset(Page(k) + piece, 0, kPageSize - piece);
        fill(Page(k), piece, k * kPageSize);
    }
}

void BAT::AllocatePages(std::uint64_t byteSize, bool zeroed)
{
    if (byteSize > kMaxSize)
        throw XOutOfMemory();
    size_ = static_cast<std::uint32_t>(byteSize);
    try {
        const std::uint32_t count = PageCount(byteSize);
        for (std::uint32_t k = 0; k < count; ++k)
            pages_[k] = zeroed ? std::make_unique<std::int16_t[]>(kFramesPerPage)
                               : std::make_unique_for_overwrite<std::int16_t[]>(kFramesPerPage);
    } catch (const std::bad_alloc&) {
        throw XOutOfMemory();
    }
}

std::uint32_t BAT::PageCount(std::uint64_t byteSize)
{
    return static_cast<std::uint32_t>((byteSize + kPageSize - 1) / kPageSize);
}

std::uint8_t* BAT::Page(std::uint32_t index)
{
    return index < kMaxPages ? reinterpret_cast<std::uint8_t*>(pages_[index].get()) : nullptr;
}

const std::uint8_t* BAT::Page(std::uint32_t index) const
{
    return index < kMaxPages ? reinterpret_cast<const std::uint8_t*>(pages_[index].get()) : nullptr;
}

void BAT::CheckRange(std::uint32_t start, std::uint32_t length) const
{
    if (std::uint64_t{start} + length > size_)
        throw XPosition();
}

void BAT::Walk(std::uint32_t start, std::uint32_t length, const BlockOperation& operation)
{
    CheckRange(start, length);
    std::uint32_t offset = start;
    const std::uint32_t end = start + length;
    while (offset < end) {
        const std::uint32_t inPage = offset % kPageSize;
        const std::uint32_t piece = std::min(kPageSize - inPage, end - offset);
        if (!operation(Page(offset / kPageSize) + inPage, piece, offset))
            throw XBase();
        offset += piece;
    }
}

void BAT::Walk(std::uint32_t start, std::uint32_t length, const ConstBlockOperation& operation) const
{
    // The mutable walk never writes by itself; the const operation cannot.
    const_cast<BAT*>(this)->Walk(start, length, [&](std::uint8_t* block, std::uint32_t piece, std::uint32_t offset) {
        return operation(block, piece, offset);
    });
}

void BAT::ReadBytes(std::uint32_t start, std::uint32_t length, void* destination) const
{
    auto* out = static_cast<std::uint8_t*>(destination);
    Walk(start, length, [&](const std::uint8_t* block, std::uint32_t piece, std::uint32_t offset) {
        std::memcpy(out + (offset - start), block, piece);
        return true;
    });
}

void BAT::WriteBytes(std::uint32_t start, std::uint32_t length, const void* source)
{
    const auto* in = static_cast<const std::uint8_t*>(source);
    Walk(start, length, [&](std::uint8_t* block, std::uint32_t piece, std::uint32_t offset) {
        std::memcpy(block, in + (offset - start), piece);
        return true;
    });
}

void BAT::CopyBytes(const BAT& from, std::uint32_t fromStart, BAT& to, std::uint32_t toStart, std::uint32_t length)
{
    from.CheckRange(fromStart, length);
    to.CheckRange(toStart, length);
    std::uint8_t scratch[kPageSize];
    for (std::uint32_t done = 0; done < length;) {
        const std::uint32_t step = std::min(kPageSize, length - done);
        from.ReadBytes(fromStart + done, step, scratch);
        to.WriteBytes(toStart + done, step, scratch);
        done += step;
    }
}

void BAT::SwapBytes()
{
    Walk(0, size_ & ~1u, [](std::uint8_t* block, std::uint32_t piece, std::uint32_t) {
        SwapSampleBytes(reinterpret_cast<std::int16_t*>(block), piece / 2);
        return true;
    });
}
