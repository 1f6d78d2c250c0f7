#include "simulators/CSimulatedRolandSampler.h"

#include <algorithm>

#include "devices/midi/SysexEncoding.h"
#include "samplers/identification/RolandIdentification.h"

namespace {

// Milliseconds between the messages of a file list.
constexpr std::int64_t kFileListSpacing = 20;
constexpr std::size_t kFileListPiece = 320;
// An entry and a piece of the next.
constexpr std::size_t kCutPiece = 25;

}  // namespace

CSimulatedRolandSampler::CSimulatedRolandSampler(std::uint8_t device, std::uint16_t segments)
    : CSimulatedSDSSampler(device), fDevice(device), fMemory(segments)
{
}

CSimulatedRolandSampler::~CSimulatedRolandSampler()
{
    Disconnect();
}

void CSimulatedRolandSampler::SetRolandFaults(const RolandSamplerFaults& faults)
{
    std::lock_guard lock(fRolandMutex);
    fFaults = faults;
}

bool CSimulatedRolandSampler::InRemoteMode() const
{
    std::lock_guard lock(fRolandMutex);
    return fRemote;
}

int CSimulatedRolandSampler::RemoteSwitches() const
{
    std::lock_guard lock(fRolandMutex);
    return fRemoteSwitches;
}

int CSimulatedRolandSampler::Deletes() const
{
    std::lock_guard lock(fRolandMutex);
    return fDeletes;
}

CSimulatedS760Memory CSimulatedRolandSampler::Memory() const
{
    std::lock_guard lock(fRolandMutex);
    return fMemory;
}

void CSimulatedRolandSampler::StoreSample(std::uint16_t number, const std::string& name,
                                          const std::vector<std::int16_t>& samples, std::uint32_t rate)
{
    Store(number, MakeSample(samples, rate));
    std::lock_guard lock(fRolandMutex);
    fMemory.Allocate(number, static_cast<std::uint32_t>(samples.size()), rate, name);
}

void CSimulatedRolandSampler::StorePatch(std::uint16_t number, const S760::Patch& patch)
{
    std::lock_guard lock(fRolandMutex);
    fMemory.patches.at(number) = patch;
}

void CSimulatedRolandSampler::StorePartial(std::uint16_t number, const S760::Partial& partial)
{
    std::lock_guard lock(fRolandMutex);
    fMemory.partials.at(number) = partial;
}

void CSimulatedRolandSampler::OnSampleStored(std::uint16_t number, const Sample& sample)
{
    std::lock_guard lock(fRolandMutex);
    if (number >= S760::kSampleCount)
        return;
    if (fFaults.lostDumps > 0) {
        --fFaults.lostDumps;
        fMemory.Free(number);
        return;
    }
    const std::uint32_t rate = S760::SnapRate(SDS::FormatOf(sample.header).rate);
    fMemory.Allocate(number, sample.header.length, rate, "SDS:SAMPLE " + std::to_string(number));
}

void CSimulatedRolandSampler::OnSysex(const std::vector<std::uint8_t>& message)
{
    if (message.size() < 2 || message[1] != Roland::kManufacturer) {
        CSimulatedSDSSampler::OnSysex(message);
        return;
    }
    std::optional<std::uint16_t> deleted;
    {
        std::lock_guard lock(fRolandMutex);
        if (!fFaults.silent)
            deleted = OnRoland(message);
    }
    if (deleted)
        Erase(*deleted);
}

void CSimulatedRolandSampler::Reply(Roland::Bytes message, std::int64_t delay)
{
    SendSysex(std::move(message), delay);
}

bool CSimulatedRolandSampler::Refused()
{
    for (auto [count, command] :
         {std::pair{&fFaults.rejections, Roland::kRJC}, std::pair{&fFaults.errors, Roland::kERR}}) {
        if (*count > 0) {
            --*count;
            Reply(Roland::ShortMessage(fDevice, command));
            return true;
        }
    }
    return false;
}

std::optional<std::uint16_t> CSimulatedRolandSampler::OnRoland(const Roland::Bytes& message)
{
    if (message == RolandIdentification::Request(fDevice)) {
        std::array<std::uint8_t, RolandIdentification::kIdentityBytes> identity{};
        const std::string text = "S-760 Simulated Sampler";
        std::copy(text.begin(), text.end(), identity.begin());
        Reply(RolandIdentification::ReplyBytes(fDevice, identity));
        return std::nullopt;
    }
    if (message.size() < Roland::kShortLength || message[2] != fDevice || message[3] != Roland::kS760Model)
        return std::nullopt;
    const std::uint8_t command = message[4];
    if (command == Roland::kACK) {
        ContinueReading();
        return std::nullopt;
    }
    if (message.size() < Roland::kFrameLength || message[message.size() - 2] != Roland::ExpectedChecksum(message)) {
        Reply(Roland::ShortMessage(fDevice, Roland::kERR));
        return std::nullopt;
    }
    const std::uint32_t address = Roland::AddressOf(message);
    const Roland::Bytes data(message.begin() + Roland::kDataOffset, message.end() - 2);
    switch (command) {
    case Roland::kRQD: StartReading(address, Unpack7BitBigEndian(4, data.data())); break;
    case Roland::kWSD: OnWantToSend(address, Unpack7BitBigEndian(4, data.data())); break;
    case Roland::kDAT: OnDataPacket(message); break;
    case Roland::kEOD: OnEndOfData(); break;
    case Roland::kDT1: return OnDataSet(address, data);
    default: break;
    }
    return std::nullopt;
}

void CSimulatedRolandSampler::StartReading(std::uint32_t address, std::uint32_t size)
{
    if (Refused())
        return;
    if (!fMemory.IsItem(address, size)) {
        Reply(Roland::ShortMessage(fDevice, Roland::kRJC));
        return;
    }
    fReading = Reading{address, *fMemory.Read(address), 0, false};
    ContinueReading();
}

void CSimulatedRolandSampler::ContinueReading()
{
    if (!fReading)
        return;
    Reading& reading = *fReading;
    if (reading.sent < reading.data.size()) {
        const std::size_t count = std::min(fFaults.packetBytes, reading.data.size() - reading.sent);
        Roland::Bytes packet = Roland::AddressDataMessage(fDevice, Roland::kDAT,
                                                          reading.address + static_cast<std::uint32_t>(reading.sent),
                                                          reading.data.data() + reading.sent, count);
        if (fFaults.badChecksums > 0) {
            --fFaults.badChecksums;
            packet[packet.size() - 2] ^= 0x01;
        }
        reading.sent += count;
        Reply(std::move(packet));
    } else if (!reading.ended) {
        reading.ended = true;
        Reply(Roland::ShortMessage(fDevice, Roland::kEOD));
    } else {
        fReading.reset();
    }
}

void CSimulatedRolandSampler::OnWantToSend(std::uint32_t address, std::uint32_t size)
{
    if (Refused())
        return;
    if (!fMemory.IsItem(address, size)) {
        Reply(Roland::ShortMessage(fDevice, Roland::kRJC));
        return;
    }
    fWriting = Writing{address, size, {}};
    Reply(Roland::ShortMessage(fDevice, Roland::kACK));
}

void CSimulatedRolandSampler::OnDataPacket(const Roland::Bytes& message)
{
    if (!fWriting || Roland::AddressOf(message) != fWriting->address + fWriting->data.size()) {
        Reply(Roland::ShortMessage(fDevice, Roland::kERR));
        return;
    }
    fWriting->data.insert(fWriting->data.end(), message.begin() + Roland::kDataOffset, message.end() - 2);
    Reply(Roland::ShortMessage(fDevice, Roland::kACK));
}

void CSimulatedRolandSampler::OnEndOfData()
{
    if (!fWriting || fWriting->data.size() != fWriting->size || !fMemory.Write(fWriting->address, fWriting->data)) {
        fWriting.reset();
        Reply(Roland::ShortMessage(fDevice, Roland::kERR));
        return;
    }
    fWriting.reset();
    Reply(Roland::ShortMessage(fDevice, Roland::kACK));
}

std::optional<std::uint16_t> CSimulatedRolandSampler::OnDataSet(std::uint32_t address, const Roland::Bytes& data)
{
    if (address == S760::kRemoteSwitch && data.size() == 2) {
        fRemote = data[1] != 0;
        ++fRemoteSwitches;
        if (!fFaults.unconfirmedSwitch)
            Reply(Roland::AddressDataMessage(fDevice, Roland::kDT1, address, data.data(), data.size()));
    } else if (address == S760::kFileListRegister && data.size() == 2 && fRemote) {
        StreamFileList(data[1]);
    } else if (address == S760::kDeleteRegister && data.size() == 4 && fRemote) {
        const auto number = static_cast<std::uint16_t>(data[0] << 12 | data[1] << 8 | data[2] << 4 | data[3]);
        if (number >= S760::kSampleCount)
            return std::nullopt;
        fMemory.Free(number);
        ++fDeletes;
        Reply(Roland::AddressDataMessage(fDevice, Roland::kDT1, address, data.data(), data.size()), fFaults.deleteTime);
        return number;
    }
    return std::nullopt;
}

void CSimulatedRolandSampler::StreamFileList(std::uint32_t category)
{
    std::int64_t delay = kAnswerDelay;
    const std::uint32_t first = category == 0 ? 1 : category;
    const std::uint32_t last = category == 0 ? CS760FileList::kSample : category;
    for (std::uint32_t each = first; each <= last; ++each) {
        Roland::Bytes stream;
        for (CS760FileList::Entry entry : fMemory.Entries(each)) {
            if (fFaults.wrongCategory)
                entry.category = each + 1;
            const Roland::Bytes bytes = CS760FileList::EntryBytes(entry);
            stream.insert(stream.end(), bytes.begin(), bytes.end());
        }
        stream.resize(stream.size() + CS760FileList::kEntryBytes, 0);
        for (std::size_t at = 0; at < stream.size(); delay += kFileListSpacing) {
            std::size_t count = std::min(kFileListPiece, stream.size() - at);
            if (fFaults.cutFileList && count > 2 * CS760FileList::kEntryBytes) {
                fFaults.cutFileList = false;
                count = kCutPiece;
            }
            Reply(Roland::AddressDataMessage(fDevice, Roland::kDT1, S760::kFileListRegister, stream.data() + at, count),
                  delay);
            at += count;
        }
    }
}
