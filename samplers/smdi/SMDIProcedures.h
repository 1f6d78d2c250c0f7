#pragma once
// The short SMDI procedures the transfers share: asking for a sample's
// header, closing a procedure, awaiting its end, and deleting a sample.
#include <cstdint>
#include <memory>

class CSMDI;
class CSMDISampleHeader;

namespace SMDIProcedures {

// The longest header message: an extended header with a 255-character name.
inline constexpr std::uint32_t kHeaderLength = 295;
// The begin-sample-transfer acknowledge.
inline constexpr std::uint32_t kAcknowledgeLength = 17;

// Asks for the header of sample `number` and leaves the procedure open.
// XSMDIHeaderRejected when the sampler refuses, XSMDIUnexpectedMessage when
// the reply is no whole header.
std::unique_ptr<CSMDISampleHeader> RequestHeader(CSMDI& smdi, std::uint32_t number);
// Aborts the open procedure; XSMDIUnexpectedMessage unless acknowledged.
void Close(CSMDI& smdi);
// The sampler's end of a procedure; XSMDIAborted, XSMDIEOPRejected or
// XSMDIUnexpectedMessage when anything else comes.
void AwaitEnd(CSMDI& smdi);
// Deletes sample `number`, awaiting the end as above.
void DeleteSample(CSMDI& smdi, std::uint32_t number);

}  // namespace SMDIProcedures
