#include "simulators/CSimulatedInstrument.h"

#include <algorithm>

#include "framework/time/CClock.h"

namespace {

void PutText(std::vector<std::uint8_t>& data, std::size_t at, std::size_t width, const std::string& text)
{
    for (std::size_t i = 0; i < width; ++i)
        data[at + i] = i < text.size() ? static_cast<std::uint8_t>(text[i]) : ' ';
}

}  // namespace

CSimulatedInstrument::CSimulatedInstrument(SimulatedIdentity identity)
    : fIdentity(std::move(identity)), fClock(CClock::Current())
{
}

CSimulatedInstrument::~CSimulatedInstrument()
{
    Disconnect();
    std::set<ClockEventId> pending;
    {
        std::lock_guard lock(fPendingMutex);
        pending.swap(fPending);
    }
    for (const ClockEventId id : pending)
        fClock.Cancel(id);
}

void CSimulatedInstrument::ConnectMIDI(std::shared_ptr<CLoopbackCable> cable)
{
    if (fCable)
        fCable->AttachFarEnd(nullptr);
    fCable = std::move(cable);
    fCable->AttachFarEnd(this);
}

void CSimulatedInstrument::ConnectSCSI(CSimulatedSCSIBus& bus, std::uint8_t id)
{
    if (fBus)
        fBus->Detach(fSCSIId);
    fBus = &bus;
    fSCSIId = id;
    bus.Attach(id, *this);
}

void CSimulatedInstrument::Disconnect()
{
    if (fCable)
        fCable->AttachFarEnd(nullptr);
    if (fBus)
        fBus->Detach(fSCSIId);
    fBus = nullptr;
}

void CSimulatedInstrument::SendSysex(std::vector<std::uint8_t> message, std::int64_t delay)
{
    std::lock_guard lock(fPendingMutex);
    auto id = std::make_shared<ClockEventId>(0);
    *id = fClock.Schedule(fClock.Milliseconds() + delay, [this, id, message = std::move(message)] {
        fTrace.Add({CInstrumentTrace::Kind::kSentSysex, fClock.Milliseconds(), message});
        DeliverToProgram(message);
        std::lock_guard done(fPendingMutex);
        fPending.erase(*id);
    });
    fPending.insert(*id);
}

void CSimulatedInstrument::OnSysex(const std::vector<std::uint8_t>&) {}

void CSimulatedInstrument::DeliverToProgram(const std::vector<std::uint8_t>& message)
{
    if (fCable)
        fCable->SendToProgram(message.data(), message.size());
}

SCSIResult CSimulatedInstrument::OnSCSICommand(const SCSICommandBlock& command, SCSIDirection direction,
                                               std::uint8_t* data, std::uint32_t length, std::uint32_t& moved)
{
    if (command.OperationCode() == kOpTestUnitReady && direction == SCSIDirection::kNone)
        return SCSIResult::Of(SCSIResult::kGood);
    if (command.OperationCode() != kOpInquiry || direction != SCSIDirection::kIn)
        return SCSIResult::FixedSense(5, 0x20);  // illegal request: invalid command operation code
    std::vector<std::uint8_t> inquiry(36, 0);
    inquiry[0] = fIdentity.peripheralType;
    inquiry[2] = 0x02;  // SCSI-2
    inquiry[3] = 0x02;  // response data format
    inquiry[4] = 31;    // additional length
    PutText(inquiry, 8, 8, fIdentity.vendor);
    PutText(inquiry, 16, 16, fIdentity.product);
    PutText(inquiry, 32, 4, fIdentity.revision);
    moved = std::min<std::uint32_t>({length, command[4], 36});
    std::copy_n(inquiry.begin(), moved, data);
    return SCSIResult::Of(SCSIResult::kGood);
}

void CSimulatedInstrument::ReceiveBytes(const std::uint8_t* bytes, std::size_t count)
{
    fExtractor.Feed(bytes, count, [this](const std::vector<std::uint8_t>& message) {
        fTrace.Add({CInstrumentTrace::Kind::kReceivedSysex, fClock.Milliseconds(), message});
        OnSysex(message);
    });
}

SCSIResult CSimulatedInstrument::Answer(const SCSICommandBlock& command, SCSIDirection direction, std::uint8_t* data,
                                        std::uint32_t length, std::uint32_t& moved)
{
    const SCSIResult result = OnSCSICommand(command, direction, data, length, moved);
    fTrace.Add({CInstrumentTrace::Kind::kSCSICommand, fClock.Milliseconds(),
                std::vector<std::uint8_t>(command.Data(), command.Data() + command.Length()), result.kind});
    return result;
}
