#include "samplers/kurzweil/CK2000Interface.h"

#include <algorithm>

#include "framework/exceptions/SamplerExceptions.h"
#include "samplers/kurzweil/CK2000Program.h"
#include "samplers/kurzweil/CK2000SoundBlock.h"
#include "samplers/sds/CSDSReceiver.h"
#include "samplers/sds/CSDSTransmitter.h"
#include "samplers/smdi/CSMDIReceiver.h"
#include "samplers/smdi/CSMDISamplerInterface.h"
#include "samplers/smdi/CSMDITransmitter.h"

namespace {

constexpr std::uint32_t kSDSChunkFrames = 4096;

}  // namespace

CK2000Interface::CK2000Interface(CSysexMIDIInput& input, CMIDIOutput& output, std::uint8_t device,
                                 std::optional<SCSIDevice> scsi)
    : fConnection(input, output, Kurzweil::kManufacturer, device, Kurzweil::kFamily), fDevice(device)
{
    if (scsi)
        fSMDI = std::make_unique<CSMDISamplerInterface>(*scsi);
}

CK2000Interface::~CK2000Interface() = default;

std::optional<Kurzweil::ObjectInfo> CK2000Interface::RequestInfo(Kurzweil::ObjectId object)
{
    const CRawSysex reply =
        fConnection.Transact(CRawSysex(Kurzweil::DirectoryRequest(fDevice, object)), kTimeout, kAttempts);
    if (Kurzweil::CommandOf(reply.Bytes()) == Kurzweil::kEndOfListing)
        return std::nullopt;
    reply.RequireLength(Kurzweil::kHeadLength);
    if (Kurzweil::CommandOf(reply.Bytes()) != Kurzweil::kObjectInfo)
        throw XKurzweilUnexpectedMessage();
    return Kurzweil::ParseInfo(reply.Bytes());
}

void CK2000Interface::AwaitInfo(const Kurzweil::Bytes& request)
{
    const CRawSysex reply = fConnection.Transact(CRawSysex(request), kTimeout, kAttempts);
    if (Kurzweil::CommandOf(reply.Bytes()) != Kurzweil::kObjectInfo)
        throw XKurzweilUnexpectedMessage();
}

void CK2000Interface::DeleteObject(Kurzweil::ObjectId object)
{
    AwaitInfo(Kurzweil::DeleteRequest(fDevice, object));
}

void CK2000Interface::NameObject(Kurzweil::ObjectId object, const std::string& name)
{
    AwaitInfo(Kurzweil::NameRequest(fDevice, object, name));
}

void CK2000Interface::Refused(const CRawSysex& reply)
{
    switch (Kurzweil::RefusalReason(reply.Bytes())) {
    case Kurzweil::kRefusedInEdit: throw XKurzweilObjectInEdit();
    case Kurzweil::kRefusedChecksum: throw XSysexChecksumFailure();
    case Kurzweil::kRefusedIDOutOfRange: throw XKurzweilIDOutOfRange();
    case Kurzweil::kRefusedNotFound: throw XKurzweilObjectNotFound();
    case Kurzweil::kRefusedOutOfMemory: throw XKurzweilOutOfMemory();
    default: throw XKurzweilRejected();
    }
}

std::uint16_t CK2000Interface::WriteObject(const CKurzweilObject& object, std::uint16_t highest)
{
    Kurzweil::ObjectWrite write;
    write.object = object.Object();
    write.name = object.Name();
    write.data = object.Data();
    std::uint16_t id = 0;
    try {
        const CRawSysex reply = fConnection.Transact(CRawSysex(Kurzweil::WriteMessage(fDevice, write)), kTimeout, 1);
        reply.RequireLength(15);
        switch (Kurzweil::CommandOf(reply.Bytes())) {
        case Kurzweil::kDataRefused: Refused(reply);
        case Kurzweil::kDataAcknowledge: id = Kurzweil::AcknowledgedId(reply.Bytes()); break;
        default: throw XKurzweilUnexpectedMessage();
        }
    } catch (const XSysexTimedOut&) {
        const std::optional<std::uint16_t> found = FindWritten(write);
        if (!found)
            throw;
        id = *found;
    }
    if (id > highest) {
        DeleteObject({write.object.type, id});
        throw XKurzweilIDOutOfRange();
    }
    return id;
}

std::optional<std::uint16_t> CK2000Interface::FindWritten(const Kurzweil::ObjectWrite& write)
{
    const std::string name = Kurzweil::WireName(write.name);
    std::uint32_t from = write.object.id;
    while (from <= 0xFFFF) {
        const std::optional<Kurzweil::ObjectInfo> info =
            RequestInfo({write.object.type, static_cast<std::uint16_t>(from)});
        if (!info || info->object.type != write.object.type || info->object.id < from)
            return std::nullopt;
        if (info->name == name && info->size == write.data.size())
            return info->object.id;
        from = std::uint32_t{info->object.id} + 1;
    }
    return std::nullopt;
}

bool CK2000Interface::ReadObject(CKurzweilObject& object)
{
    const CRawSysex reply =
        fConnection.Transact(CRawSysex(Kurzweil::ReadRequest(fDevice, object.Object())), kTimeout, kAttempts);
    reply.RequireLength(17);
    const std::uint8_t command = Kurzweil::CommandOf(reply.Bytes());
    if (command == Kurzweil::kDataRefused)
        Refused(reply);
    if (command != Kurzweil::kWriteObject)
        throw XKurzweilUnexpectedMessage();
    const Kurzweil::ObjectWrite write = Kurzweil::ParseWrite(reply.Bytes());
    object.Read(write.data);
    object.SetName(write.name);
    fConnection.SendUnflushed(CRawSysex(Kurzweil::Acknowledge(fDevice, object.Object(), 0, write.size)));
    return write.size != 0;
}

std::optional<std::string> CK2000Interface::ProgramName(std::uint16_t id)
{
    const std::optional<Kurzweil::ObjectInfo> info = RequestInfo({Kurzweil::kProgram, id});
    if (!info || info->object != Kurzweil::ObjectId{Kurzweil::kProgram, id} || info->size == 0)
        return std::nullopt;
    return info->name;
}

std::uint16_t CK2000Interface::FreeProgramId()
{
    const std::uint16_t id = WriteObject(CK2000Program(kTemporaryProgramId, kTemporaryName));
    DeleteObject({Kurzweil::kProgram, id});
    return id;
}

std::uint16_t CK2000Interface::ReserveSample(std::uint16_t bank, const std::string& name)
{
    return WriteObject(CK2000SoundBlock(static_cast<std::uint16_t>(bank * 100), name));
}

void CK2000Interface::AdjustFormat(SampleFormat& format) const
{
    if (fSMDI)
        fSMDI->AdjustFormat(format);
    format.name = format.name.substr(0, Kurzweil::kNameLength);
    format.length = std::max<std::uint32_t>(format.length, 2);
    format.end = std::max<std::uint32_t>(format.end, 2);
    format.sustain.end = std::max<std::uint32_t>(format.sustain.end, 1);
    if (format.sustain.mode == LoopMode::kNoLoopData || format.sustain.mode == LoopMode::kOff)
        format.sustain = {LoopMode::kForward, format.end - 2, format.end - 1};
    if (fSMDI)
        fSMDI->AdjustFormat(format);
    else
        format.channels = 1;
}

std::unique_ptr<CABCSampleTransmitter> CK2000Interface::MakeTransmitter(std::uint16_t sampleId)
{
    if (fSMDI)
        return fSMDI->MakeTransmitter(sampleId);
    return std::make_unique<CSDSTransmitter>(fConnection.Input(), fConnection.Output(), fDevice,
                                             static_cast<std::uint16_t>(sampleId - 1), kTimeout);
}

std::unique_ptr<CABCSampleReceiver> CK2000Interface::MakeReceiver(std::uint16_t sampleId)
{
    if (fSMDI)
        return fSMDI->MakeReceiver(sampleId, kReceivePacketFrames);
    return std::make_unique<CSDSReceiver>(fConnection.Input(), fConnection.Output(), fDevice,
                                          static_cast<std::uint16_t>(sampleId - 1), kTimeout);
}

std::uint32_t CK2000Interface::ChunkFrames() const
{
    return fSMDI ? CSMDITransmitter::kMaxPacketFrames : kSDSChunkFrames;
}
