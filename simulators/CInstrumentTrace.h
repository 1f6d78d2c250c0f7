#pragma once
// What a simulated instrument received and sent, in order and with the
// program clock's time, for tests to check. Safe to read from another thread
// while the instrument runs on the clock's event thread.
#include <cstdint>
#include <mutex>
#include <vector>

class CInstrumentTrace {
public:
    enum class Kind { kReceivedSysex, kSentSysex, kSCSICommand };

    struct Entry {
        Kind kind;
        std::int64_t time;
        std::vector<std::uint8_t> bytes;  // the message, or the command block
        std::int32_t result = 0;          // the SCSI result kind

        bool operator==(const Entry&) const = default;
    };

    void Add(Entry entry);
    std::vector<Entry> Entries() const;
    // The bytes of every entry of one kind, in order.
    std::vector<std::vector<std::uint8_t>> Bytes(Kind kind) const;

private:
    mutable std::mutex fMutex;
    std::vector<Entry> fEntries;
};
