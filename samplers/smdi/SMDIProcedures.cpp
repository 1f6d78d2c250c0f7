#include "samplers/smdi/SMDIProcedures.h"

#include "framework/exceptions/Exceptions.h"
#include "samplers/smdi/CSMDI.h"
#include "samplers/smdi/CSMDISampleHeader.h"

namespace SMDIProcedures {

namespace {

// An acknowledge, an end or an abort: a message without data.
constexpr std::uint32_t kShortReplyLength = 15;

}  // namespace

std::unique_ptr<CSMDISampleHeader> RequestHeader(CSMDI& smdi, std::uint32_t number)
{
    smdi.SendMessage(SMDI::SampleHeaderRequest(number));
    const SMDIMessage reply = smdi.AwaitMessage(kHeaderLength);
    if (reply.IsReject())
        throw XSMDIHeaderRejected();
    std::unique_ptr<CSMDISampleHeader> header = CSMDISampleHeader::Read(reply);
    if (!header)
        throw XSMDIUnexpectedMessage();
    return header;
}

void Close(CSMDI& smdi)
{
    smdi.SendMessage(SMDI::AbortProcedure());
    if (!smdi.AwaitMessage(kShortReplyLength).IsAcknowledge())
        throw XSMDIUnexpectedMessage();
}

void AwaitEnd(CSMDI& smdi)
{
    const SMDIMessage end = smdi.AwaitMessage(kShortReplyLength);
    if (end.IsEndOfProcedure())
        return;
    if (end.IsAbort())
        throw XSMDIAborted();
    if (end.IsReject())
        throw XSMDIEOPRejected();
    throw XSMDIUnexpectedMessage();
}

void DeleteSample(CSMDI& smdi, std::uint32_t number)
{
    smdi.SendMessage(SMDI::DeleteSample(number));
    AwaitEnd(smdi);
}

}  // namespace SMDIProcedures
