#include "simulators/CInstrumentTrace.h"

void CInstrumentTrace::Add(Entry entry)
{
    std::lock_guard lock(fMutex);
    fEntries.push_back(std::move(entry));
}

std::vector<CInstrumentTrace::Entry> CInstrumentTrace::Entries() const
{
    std::lock_guard lock(fMutex);
    return fEntries;
}

std::vector<std::vector<std::uint8_t>> CInstrumentTrace::Bytes(Kind kind) const
{
    std::lock_guard lock(fMutex);
    std::vector<std::vector<std::uint8_t>> bytes;
    for (const Entry& entry : fEntries)
        if (entry.kind == kind)
            bytes.push_back(entry.bytes);
    return bytes;
}
