#pragma once
// A window onto a stretch of another stream. Position 0 of the window lies at
// offset in the parent. A bounded window refuses to read, write or move past
// its end; an open-ended one (used by writers) only refuses to move before
// its start. Every access, single bytes included, is checked.
#include <cstdint>
#include <optional>

#include "framework/streams/CMedia.h"

class CPartialMedia : public CMedia {
public:
    // A window of length bytes from offset in parent (not owned).
    CPartialMedia(CMedia& parent, std::int64_t offset, std::int64_t length);
    // A window from offset in parent with no end of its own.
    CPartialMedia(CMedia& parent, std::int64_t offset);

    // XRead when the bytes do not all lie inside the window.
    void Read(std::int64_t count, void* buffer) override;
    // XWrite when a bounded window would be overrun.
    void Write(std::int64_t count, const void* buffer) override;
    std::int64_t GetPosition() override;
    // XPosition outside 0 .. length.
    void SetPosition(std::int64_t position) override;
    // The length, or for an open-ended window the rest of the parent.
    std::int64_t GetSize() override;
    // XBase when the word does not lie inside the window.
    std::uint16_t ReadWordAt(std::int64_t position) override;
    // XBase when the new position lies outside the window.
    void Skip(std::int64_t delta) override;

private:
    bool Contains(std::int64_t parentPosition, std::int64_t count) const;

    CMedia& parent_;
    std::int64_t offset_;
    std::optional<std::int64_t> length_;
};
