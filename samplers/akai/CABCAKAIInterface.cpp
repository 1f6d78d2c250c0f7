#include "samplers/akai/CABCAKAIInterface.h"

#include <algorithm>

#include "framework/exceptions/CancelExceptions.h"
#include "framework/progress/CLengthyOperation.h"
#include "framework/time/CClock.h"
#include "samplers/akai/AKAIText.h"
#include "samplers/sds/CSDSReceiver.h"
#include "samplers/sds/CSDSTransmitter.h"
#include "samplers/sds/SDSMessages.h"

namespace {

// How often a wait looks at Stop.
constexpr std::int64_t kAKAIStopLook = 100;

std::optional<std::uint16_t> AKAINameIndex(const std::vector<std::string>& names, const std::string& name)
{
    const std::string wanted = AKAI::Normalised(name);
    const auto found = std::find(names.begin(), names.end(), wanted);
    if (found == names.end())
        return std::nullopt;
    return static_cast<std::uint16_t>(found - names.begin());
}

}  // namespace

CABCAKAIInterface::CABCAKAIInterface(std::unique_ptr<CABCAKAICom> com) : fCom(std::move(com)) {}

CABCAKAIInterface::~CABCAKAIInterface() = default;

void CABCAKAIInterface::WatchStop(CLengthyOperation* progress, std::int32_t value)
{
    fProgress = progress;
    fProgressValue = value;
}

AKAI::Bytes CABCAKAIInterface::AwaitReply()
{
    CClock& clock = CClock::Current();
    const std::int64_t start = clock.Milliseconds();
    std::int64_t deadline = start + kReplyTimeout;
    for (;;) {
        if (fProgress) {
            fProgress->Update(fProgressValue, 0);
            if (fProgress->WasCancelled())
                throw XSampleTransmitCancelled();
        }
        const std::int64_t now = clock.Milliseconds();
        if (now >= deadline)
            fCom->RaiseTimeOut();
        const auto message = fCom->ReceiveMessage(std::min(kAKAIStopLook, deadline - now));
        if (!message || message->size() < 3 || (*message)[2] != fCom->Channel())
            continue;
        if (SDS::IsHandshake(*message) && (*message)[3] == SDS::kWait) {
            deadline = std::min(clock.Milliseconds() + kReplyTimeout, start + kLongestWait);
            continue;
        }
        return *message;
    }
}

AKAI::Bytes CABCAKAIInterface::Ask(const AKAI::Bytes& request)
{
    fCom->SendMessage(request);
    return AwaitReply();
}

void CABCAKAIInterface::Command(const AKAI::Bytes& message)
{
    AKAI::CheckReply(Ask(message));
}

AKAI::Status CABCAKAIInterface::ReadStatus()
{
    return AKAI::ParseStatus(Ask(AKAI::Request(fCom->Channel(), AKAI::kStatusRequest)));
}

const std::vector<std::string>& CABCAKAIInterface::ProgramList()
{
    if (!fPrograms) {
        const AKAI::Bytes reply = Ask(AKAI::Request(fCom->Channel(), AKAI::kProgramListRequest));
        if (AKAI::IsReply(reply))
            AKAI::CheckReply(reply);
        fPrograms = AKAI::ParseNameList(reply, AKAI::kProgramList);
    }
    return *fPrograms;
}

const std::vector<std::string>& CABCAKAIInterface::SampleList()
{
    if (!fSamples) {
        const AKAI::Bytes reply = Ask(AKAI::Request(fCom->Channel(), AKAI::kSampleListRequest));
        if (AKAI::IsReply(reply))
            AKAI::CheckReply(reply);
        fSamples = AKAI::ParseNameList(reply, AKAI::kSampleList);
    }
    return *fSamples;
}

std::optional<std::uint16_t> CABCAKAIInterface::FindProgram(const std::string& name)
{
    return AKAINameIndex(ProgramList(), name);
}

std::optional<std::uint16_t> CABCAKAIInterface::FindSample(const std::string& name)
{
    return AKAINameIndex(SampleList(), name);
}

AKAIBlock::Bytes CABCAKAIInterface::ReadProgram(std::uint16_t number)
{
    const AKAI::Bytes reply = Ask(AKAI::NumberedRequest(fCom->Channel(), AKAI::kProgramRequest, number));
    if (AKAI::IsReply(reply))
        AKAI::CheckReply(reply);
    return AKAI::ParseBlock(reply, AKAI::kProgram, BlockSize()).data;
}

AKAIBlock::Bytes CABCAKAIInterface::ReadKeygroup(std::uint16_t program, std::uint8_t keygroup)
{
    const AKAI::Bytes reply = Ask(AKAI::KeygroupRequest(fCom->Channel(), program, keygroup));
    if (AKAI::IsReply(reply))
        AKAI::CheckReply(reply);
    return AKAI::ParseBlock(reply, AKAI::kKeygroup, BlockSize()).data;
}

AKAIBlock::Bytes CABCAKAIInterface::ReadSampleHeader(std::uint16_t number)
{
    const AKAI::Bytes reply = Ask(AKAI::NumberedRequest(fCom->Channel(), AKAI::kSampleHeaderRequest, number));
    if (AKAI::IsReply(reply))
        AKAI::CheckReply(reply);
    return AKAI::ParseBlock(reply, AKAI::kSampleHeader, BlockSize()).data;
}

void CABCAKAIInterface::WriteProgram(std::uint16_t number, const AKAIBlock::Bytes& block)
{
    Forget();
    Command(AKAI::BlockMessage(fCom->Channel(), AKAI::kProgram, number, block));
}

void CABCAKAIInterface::WriteKeygroup(std::uint16_t program, std::uint8_t keygroup, const AKAIBlock::Bytes& block)
{
    Command(AKAI::KeygroupMessage(fCom->Channel(), program, keygroup, block));
}

void CABCAKAIInterface::WriteSampleHeader(std::uint16_t number, const AKAIBlock::Bytes& block)
{
    Forget();
    Command(AKAI::BlockMessage(fCom->Channel(), AKAI::kSampleHeader, number, block));
}

void CABCAKAIInterface::DeleteProgram(std::uint16_t number)
{
    Forget();
    Command(AKAI::NumberedRequest(fCom->Channel(), AKAI::kDeleteProgram, number));
}

void CABCAKAIInterface::DeleteSample(std::uint16_t number)
{
    Forget();
    Command(AKAI::NumberedRequest(fCom->Channel(), AKAI::kDeleteSample, number));
}

void CABCAKAIInterface::Forget()
{
    fPrograms.reset();
    fSamples.reset();
}

AKAIBlock::Bytes CABCAKAIInterface::DefaultProgram(const std::string& name) const
{
    return AKAIBlock::DefaultProgram(BlockSize(), name);
}

AKAIBlock::Bytes CABCAKAIInterface::DefaultKeygroup() const
{
    return AKAIBlock::DefaultKeygroup(BlockSize());
}

void CABCAKAIInterface::AdjustFormat(SampleFormat& format) const
{
    format.channels = 1;
    format.bits = 16;
    format.name = AKAI::Normalised(format.name);
}

std::unique_ptr<CSDSTransmitter> CABCAKAIInterface::MakeTransmitter(std::uint16_t number)
{
    return std::make_unique<CSDSTransmitter>(fCom->Parser(), fCom->Output(), fCom->Channel(), number,
                                             kSampleDataTimeout);
}

std::unique_ptr<CSDSReceiver> CABCAKAIInterface::MakeReceiver(std::uint16_t number)
{
    return std::make_unique<CSDSReceiver>(fCom->Parser(), fCom->Output(), fCom->Channel(), number,
                                          kSampleDataTimeout);
}
