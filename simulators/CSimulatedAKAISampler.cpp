#include "simulators/CSimulatedAKAISampler.h"

#include <algorithm>

#include "samplers/akai/AKAIBlocks.h"
#include "samplers/akai/AKAIMessages.h"
#include "samplers/akai/AKAIText.h"
#include "samplers/identification/AKAIIdentification.h"
#include "samplers/sds/SDSMessages.h"

namespace {

constexpr std::size_t kAKAIRequestLength = 6;

// The model byte of the status: S1000, S1100, or the S3000 family answering
// as S3000 or (S2000 and S2800) as S2000.
std::uint8_t StatusModel(std::uint32_t typeId)
{
    switch (typeId) {
    case 4000: return AKAIIdentification::kModelS1000;
    case 4010: return AKAIIdentification::kModelS1100;
    case 4110:
    case 4130: return AKAIIdentification::kModelS2000;
    default: return AKAIIdentification::kModelS3000;
    }
}

std::uint16_t NumberAt(const std::vector<std::uint8_t>& message, std::size_t at)
{
    return message.size() > at + 1 ? static_cast<std::uint16_t>(message[at] | (message[at + 1] << 7)) : 0xFFFF;
}

}  // namespace

CSimulatedAKAISampler::CSimulatedAKAISampler(std::uint32_t typeId, const std::string& product, std::uint8_t channel,
                                             CVersion version)
    : CSimulatedSDSSampler(channel, 0), fTypeId(typeId), fChannel(channel), fVersion(version),
      fBlockSize(StatusModel(typeId) < AKAIIdentification::kModelS3000 ? AKAIBlock::kS1000Size
                                                                       : AKAIBlock::kS3000Size)
{
    SetIdentity({"AKAI", product, version.Text().substr(1)});
}

CSimulatedAKAISampler::~CSimulatedAKAISampler()
{
    Disconnect();
}

void CSimulatedAKAISampler::SetAKAIFaults(const AKAISamplerFaults& faults)
{
    std::lock_guard lock(fAKAIMutex);
    fFaults = faults;
}

void CSimulatedAKAISampler::SetMemory(std::uint16_t blocks, std::uint32_t words)
{
    std::lock_guard lock(fAKAIMutex);
    fMaxBlocks = blocks;
    fMaxWords = words;
}

void CSimulatedAKAISampler::StoreProgram(const Program& program)
{
    std::lock_guard lock(fAKAIMutex);
    fPrograms.push_back(program);
}

void CSimulatedAKAISampler::StoreSample(const std::string& name, const std::vector<std::int16_t>& frames,
                                        std::uint32_t rate)
{
    std::lock_guard lock(fAKAIMutex);
    SampleFormat format;
    format.name = name;
    format.rate = rate;
    format.length = static_cast<std::uint32_t>(frames.size());
    format.end = format.length;
    Store(static_cast<std::uint16_t>(fSampleHeaders.size()), MakeSample(frames, rate));
    fSampleHeaders.push_back(AKAIBlock::SampleHeader(fBlockSize, format));
}

std::vector<CSimulatedAKAISampler::Program> CSimulatedAKAISampler::Programs() const
{
    std::lock_guard lock(fAKAIMutex);
    return fPrograms;
}

std::vector<std::string> CSimulatedAKAISampler::ProgramNames() const
{
    std::lock_guard lock(fAKAIMutex);
    std::vector<std::string> names;
    for (const Program& program : fPrograms)
        names.push_back(AKAIBlock::ProgramName(program.header));
    return names;
}

std::vector<std::string> CSimulatedAKAISampler::SampleNames() const
{
    std::lock_guard lock(fAKAIMutex);
    std::vector<std::string> names;
    for (const Bytes& header : fSampleHeaders)
        names.push_back(AKAIBlock::SampleName(header));
    return names;
}

int CSimulatedAKAISampler::SampleIndex(const std::string& name) const
{
    const std::string wanted = AKAI::Normalised(name);
    for (std::size_t i = 0; i < fSampleHeaders.size(); ++i)
        if (AKAIBlock::SampleName(fSampleHeaders[i]) == wanted)
            return static_cast<int>(i);
    return -1;
}

std::vector<std::int16_t> CSimulatedAKAISampler::SampleFrames(const std::string& name) const
{
    std::lock_guard lock(fAKAIMutex);
    const int index = SampleIndex(name);
    if (index < 0 || !Samples().count(static_cast<std::uint16_t>(index)))
        return {};
    return Samples16(static_cast<std::uint16_t>(index));
}

CSimulatedAKAISampler::Bytes CSimulatedAKAISampler::SampleHeader(const std::string& name) const
{
    std::lock_guard lock(fAKAIMutex);
    const int index = SampleIndex(name);
    return index < 0 ? Bytes{} : fSampleHeaders[static_cast<std::size_t>(index)];
}

std::uint16_t CSimulatedAKAISampler::FreeBlocks() const
{
    std::size_t used = fSampleHeaders.size();
    for (const Program& program : fPrograms)
        used += 1 + program.keygroups.size();
    return static_cast<std::uint16_t>(used >= fMaxBlocks ? 0 : fMaxBlocks - used);
}

std::uint32_t CSimulatedAKAISampler::FreeWords() const
{
    std::uint64_t used = 0;
    for (const Bytes& header : fSampleHeaders)
        used += AKAIBlock::SampleLength(header);
    return used >= fMaxWords ? 0 : static_cast<std::uint32_t>(fMaxWords - used);
}

void CSimulatedAKAISampler::DeliverToProgram(const std::vector<std::uint8_t>& message)
{
    if (fOverSCSI) {
        std::lock_guard lock(fOutboxMutex);
        fOutbox.insert(fOutbox.end(), message.begin(), message.end());
        return;
    }
    CSimulatedSDSSampler::DeliverToProgram(message);
}

void CSimulatedAKAISampler::Answer(Bytes message, std::int64_t extraDelay)
{
    SendSysex(std::move(message), fFaults.answerDelay + extraDelay);
}

void CSimulatedAKAISampler::Reply(bool done, std::int64_t extraDelay)
{
    Answer(AKAI::ReplyMessage(fChannel, done ? 0 : 1), extraDelay);
}

bool CSimulatedAKAISampler::FailsNow(std::uint8_t operation)
{
    if (fFaults.errorReplyOperation != operation)
        return false;
    fFaults.errorReplyOperation = -1;
    return true;
}

void CSimulatedAKAISampler::OnSysex(const std::vector<std::uint8_t>& message)
{
    fOverSCSI = fReceivingSCSI.load();
    if (message.size() >= kAKAIRequestLength && message[1] == AKAI::kManufacturer && message[2] == fChannel &&
        message[4] == AKAI::kFamily) {
        std::lock_guard lock(fAKAIMutex);
        Handle(message);
        return;
    }
    CSimulatedSDSSampler::OnSysex(message);
}

void CSimulatedAKAISampler::Handle(const Bytes& message)
{
    const std::uint8_t operation = message[3];
    switch (operation) {
    case AKAI::kStatusRequest: {
        AKAI::Status status{fChannel, fVersion.Minor(),
                            static_cast<std::uint8_t>(StatusModel(fTypeId) + fVersion.Major()),
                            fMaxBlocks, FreeBlocks(), fMaxWords, FreeWords()};
        Bytes reply = AKAI::StatusMessage(status);
        if (fFaults.shortStatus)
            reply = {reply.begin(), reply.begin() + 7};
        Answer(reply);
        break;
    }
    case 0x10:
        if (StatusModel(fTypeId) >= AKAIIdentification::kModelS3000)
            Answer(AKAIIdentification::ModelReply(fChannel, fTypeId));
        break;
    case AKAI::kProgramListRequest: Answer(AKAI::NameListMessage(fChannel, AKAI::kProgramList, ProgramNames())); break;
    case AKAI::kSampleListRequest: Answer(AKAI::NameListMessage(fChannel, AKAI::kSampleList, SampleNames())); break;
    case AKAI::kProgramRequest: {
        const std::uint16_t number = NumberAt(message, 5);
        if (number < fPrograms.size())
            Answer(AKAI::BlockMessage(fChannel, AKAI::kProgram, number, fPrograms[number].header));
        else
            Reply(false);
        break;
    }
    case AKAI::kKeygroupRequest: {
        const std::uint16_t number = NumberAt(message, 5);
        const std::uint8_t keygroup = message.size() > 8 ? message[7] : 0xFF;
        if (number < fPrograms.size() && keygroup < fPrograms[number].keygroups.size())
            Answer(AKAI::KeygroupMessage(fChannel, number, keygroup, fPrograms[number].keygroups[keygroup]));
        else
            Reply(false);
        break;
    }
    case AKAI::kSampleHeaderRequest: {
        const std::uint16_t number = NumberAt(message, 5);
        if (number < fSampleHeaders.size())
            Answer(AKAI::BlockMessage(fChannel, AKAI::kSampleHeader, number, fSampleHeaders[number]));
        else
            Reply(false);
        break;
    }
    case AKAI::kProgram:
    case AKAI::kKeygroup:
    case AKAI::kSampleHeader: {
        if (message.size() != AKAI::BlockMessageLength(operation, fBlockSize) || FailsNow(operation)) {
            Reply(false);
            break;
        }
        const AKAI::Block block = AKAI::ParseBlock(message, operation, fBlockSize);
        if (operation == AKAI::kProgram)
            WriteProgram(block.number, block.data);
        else if (operation == AKAI::kKeygroup)
            WriteKeygroup(block.number, block.keygroup, block.data);
        else
            WriteSampleHeader(block.number, block.data);
        break;
    }
    case AKAI::kDeleteProgram:
    case AKAI::kDeleteSample: Delete(operation, NumberAt(message, 5)); break;
    default: break;
    }
}

void CSimulatedAKAISampler::WriteProgram(std::uint16_t number, const Bytes& block)
{
    if (number < fPrograms.size()) {
        fPrograms[number].header = block;
        Reply(true);
        return;
    }
    const std::size_t groups = AKAIBlock::KeygroupCount(block);
    const std::string name = AKAIBlock::ProgramName(block);
    const auto same = std::find_if(fPrograms.begin(), fPrograms.end(),
                                   [&](const Program& p) { return AKAIBlock::ProgramName(p.header) == name; });
    if (same != fPrograms.end())
        fPrograms.erase(same);
    if (groups == 0 || FreeBlocks() < 1 + groups) {
        Reply(false);
        return;
    }
    fPrograms.push_back({block, std::vector<Bytes>(groups, AKAIBlock::DefaultKeygroup(fBlockSize))});
    Reply(true);
}

void CSimulatedAKAISampler::WriteKeygroup(std::uint16_t program, std::uint8_t keygroup, const Bytes& block)
{
    if (program >= fPrograms.size()) {
        Reply(false);
        return;
    }
    Program& target = fPrograms[program];
    if (keygroup < target.keygroups.size()) {
        target.keygroups[keygroup] = block;
    } else if (FreeBlocks() > 0) {
        target.keygroups.push_back(block);
        AKAIBlock::SetKeygroupCount(target.header, static_cast<int>(target.keygroups.size()));
    } else {
        Reply(false);
        return;
    }
    Reply(true);
}

void CSimulatedAKAISampler::WriteSampleHeader(std::uint16_t number, const Bytes& block)
{
    if (number < fSampleHeaders.size()) {
        fSampleHeaders[number] = block;
        Reply(true);
        return;
    }
    std::int64_t waited = 0;
    if (const int same = SampleIndex(AKAIBlock::SampleName(block)); same >= 0) {
        // Deleting the sample of that name first takes a while.
        SendSysex(SDS::HandshakeMessage(fChannel, SDS::kWait, 0), fFaults.answerDelay);
        waited = fFaults.waitSpacing;
        RemoveSample(static_cast<std::size_t>(same));
    }
    if (FreeBlocks() == 0 || FreeWords() < AKAIBlock::SampleLength(block)) {
        Reply(false, waited);
        return;
    }
    if (!fFaults.loseSamples)
        fSampleHeaders.push_back(block);
    Reply(true, waited);
}

void CSimulatedAKAISampler::RemoveSample(std::size_t index)
{
    // Later samples move up one place, data with them.
    fSampleHeaders.erase(fSampleHeaders.begin() + static_cast<std::ptrdiff_t>(index));
    const auto data = Samples();
    Erase(static_cast<std::uint16_t>(index));
    for (const auto& [number, sample] : data) {
        if (number <= index)
            continue;
        Store(static_cast<std::uint16_t>(number - 1), sample);
        Erase(number);
    }
}

void CSimulatedAKAISampler::Delete(std::uint8_t operation, std::uint16_t number)
{
    std::int64_t delay = 0;
    for (int i = 0; i < fFaults.deleteWaits; ++i) {
        SendSysex(SDS::HandshakeMessage(fChannel, SDS::kWait, 0), fFaults.answerDelay + delay);
        delay += fFaults.waitSpacing;
    }
    const bool program = operation == AKAI::kDeleteProgram;
    const std::size_t count = program ? fPrograms.size() : fSampleHeaders.size();
    if (number >= count || FailsNow(operation)) {
        Reply(false, delay);
        return;
    }
    if (program)
        fPrograms.erase(fPrograms.begin() + number);
    else
        RemoveSample(number);
    Reply(true, delay);
}

SCSIResult CSimulatedAKAISampler::OnSCSICommand(const SCSICommandBlock& command, SCSIDirection direction,
                                                std::uint8_t* data, std::uint32_t length, std::uint32_t& moved)
{
    const std::uint32_t asked = (std::uint32_t{command[2]} << 16) | (std::uint32_t{command[3]} << 8) | command[4];
    AKAISamplerFaults faults;
    {
        std::lock_guard lock(fAKAIMutex);
        faults = fFaults;
    }
    switch (command.OperationCode()) {
    case kOpTestUnitReady:
        if (faults.notReady)
            return SCSIResult::Of(SCSIResult::kBusy);
        break;
    case 0x09: return SCSIResult::Of(SCSIResult::kGood);
    case 0x0C:
        if (direction != SCSIDirection::kOut || asked != length)
            return SCSIResult::FixedSense(5, 0x24);
        fReceivingSCSI = true;
        fSCSIExtractor.Feed(data, length, [this](const std::vector<std::uint8_t>& message) { OnSysex(message); });
        fReceivingSCSI = false;
        return SCSIResult::Of(SCSIResult::kGood);
    case 0x0D: {
        std::lock_guard lock(fOutboxMutex);
        const auto waiting = static_cast<std::uint32_t>(fOutbox.size());
        const std::uint8_t count[3] = {static_cast<std::uint8_t>(waiting >> 16),
                                       static_cast<std::uint8_t>(waiting >> 8), static_cast<std::uint8_t>(waiting)};
        moved = std::min<std::uint32_t>(length, 3);
        std::copy_n(count, moved, data);
        return SCSIResult::Of(SCSIResult::kGood);
    }
    case 0x0E: {
        std::lock_guard lock(fOutboxMutex);
        moved = std::min<std::uint32_t>({length, asked, static_cast<std::uint32_t>(fOutbox.size())});
        if (moved > faults.withheldBytes)
            moved -= faults.withheldBytes;
        std::copy_n(fOutbox.begin(), moved, data);
        fOutbox.erase(fOutbox.begin(), fOutbox.begin() + moved);
        return SCSIResult::Moved(length - moved);
    }
    default: break;
    }
    return CSimulatedSDSSampler::OnSCSICommand(command, direction, data, length, moved);
}
