#include "samplers/yamaha/CA3000ObjectList.h"

#include <algorithm>

#include "framework/exceptions/SamplerExceptions.h"

CA3000ObjectList CA3000ObjectList::Read(const A3000::Bytes& data)
{
    if (data.size() % kRecordBytes != 0)
        throw XA3000ReceivedInvalidSysex();
    CA3000ObjectList list;
    for (std::size_t at = 0; at < data.size(); at += kRecordBytes)
        list.Append({A3000::Get32(&data[at]), A3000::GetName(&data[at + 4])});
    return list;
}

A3000::Bytes CA3000ObjectList::Data() const
{
    A3000::Bytes data(fRecords.size() * kRecordBytes);
    for (std::size_t i = 0; i < fRecords.size(); ++i) {
        A3000::Put32(&data[i * kRecordBytes], fRecords[i].kind);
        A3000::PutName(&data[i * kRecordBytes + 4], fRecords[i].name);
    }
    return data;
}

std::size_t CA3000ObjectList::Count(std::uint32_t kind) const
{
    return static_cast<std::size_t>(
        std::count_if(fRecords.begin(), fRecords.end(), [kind](const Record& r) { return r.kind == kind; }));
}

const CA3000ObjectList::Record* CA3000ObjectList::Nth(std::uint32_t kind, std::size_t n) const
{
    for (const Record& record : fRecords)
        if (record.kind == kind && n-- == 0)
            return &record;
    return nullptr;
}

std::optional<CA3000ObjectList::Position> CA3000ObjectList::Find(std::uint32_t kind, std::string_view name) const
{
    std::size_t ofKind = 0;
    for (std::size_t i = 0; i < fRecords.size(); ++i) {
        if (fRecords[i].kind != kind)
            continue;
        if (fRecords[i].name == name)
            return Position{i, ofKind};
        ++ofKind;
    }
    return std::nullopt;
}

void CA3000ObjectList::Remove(std::uint32_t kind, std::string_view name)
{
    std::erase_if(fRecords, [&](const Record& r) { return r.kind == kind && r.name == name; });
}

std::vector<std::string> CA3000ObjectList::Missing(std::uint32_t kind, const std::vector<std::string>& names) const
{
    std::vector<std::string> missing;
    for (const std::string& name : names)
        if (!Find(kind, name))
            missing.push_back(name);
    return missing;
}
