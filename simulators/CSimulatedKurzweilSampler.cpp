#include "simulators/CSimulatedKurzweilSampler.h"

#include "framework/exceptions/Exceptions.h"
#include "samplers/identification/KurzweilIdentification.h"
#include "samplers/identification/UniversalIdentity.h"
#include "samplers/kurzweil/CK2000SoundBlock.h"

namespace {

SimulatedIdentity KurzweilIdentity(std::uint16_t member, const std::array<std::uint8_t, 4>& version)
{
    return {"Kurzweil", member == KurzweilIdentification::kK2000 ? "K2000" : "K2500",
            UniversalIdentity::DigitsVersion(version).Text().substr(1)};
}

}  // namespace

CSimulatedKurzweilSampler::CSimulatedKurzweilSampler(std::uint16_t member, std::uint8_t device,
                                                     std::array<std::uint8_t, 4> version)
    : CSimulatedSDSSampler(KurzweilIdentity(member, version), device, kSDSTurnaround),
      fDevice(device),
      fIdentityReply(UniversalIdentity::ReplyBytes(
          {device, KurzweilIdentification::kManufacturer, KurzweilIdentification::kFamily, member, version}))
{
}

CSimulatedKurzweilSampler::~CSimulatedKurzweilSampler()
{
    Disconnect();
}

void CSimulatedKurzweilSampler::SetKurzweilFaults(const Faults& faults)
{
    std::lock_guard lock(fObjectsMutex);
    fFaults = faults;
}

void CSimulatedKurzweilSampler::Put(Kurzweil::ObjectId object, Object contents)
{
    std::lock_guard lock(fObjectsMutex);
    fObjects[{object.type, object.id}] = std::move(contents);
}

std::optional<CSimulatedKurzweilSampler::Object> CSimulatedKurzweilSampler::Find(Kurzweil::ObjectId object) const
{
    std::lock_guard lock(fObjectsMutex);
    const auto found = fObjects.find({object.type, object.id});
    if (found == fObjects.end())
        return std::nullopt;
    return found->second;
}

std::vector<std::uint16_t> CSimulatedKurzweilSampler::Ids(std::uint16_t type) const
{
    std::lock_guard lock(fObjectsMutex);
    std::vector<std::uint16_t> ids;
    for (const auto& [key, object] : fObjects)
        if (key.first == type)
            ids.push_back(key.second);
    return ids;
}

int CSimulatedKurzweilSampler::WritesTaken() const
{
    std::lock_guard lock(fObjectsMutex);
    return fWrites;
}

void CSimulatedKurzweilSampler::OnSysex(const std::vector<std::uint8_t>& message)
{
    if (message == UniversalIdentity::Request(fDevice)) {
        SendSysex(fIdentityReply, kAnswerDelay);
        return;
    }
    const std::uint8_t command = Kurzweil::CommandOf(message);
    if (command == 0 || message[2] != fDevice) {
        CSimulatedSDSSampler::OnSysex(message);
        return;
    }
    std::lock_guard lock(fObjectsMutex);
    try {
        switch (command) {
        case Kurzweil::kDirectoryRequest: List(Kurzweil::ObjectOf(message)); break;
        case Kurzweil::kDelete: Delete(Kurzweil::ObjectOf(message)); break;
        case Kurzweil::kNameObject: Name(Kurzweil::ObjectOf(message), Kurzweil::ParseName(message)); break;
        case Kurzweil::kWriteObject: Write(message); break;
        case Kurzweil::kReadObject: Read(Kurzweil::ObjectOf(message)); break;
        default: break;  // acknowledgements of what it sent
        }
    } catch (const XBase&) {  // a message it cannot read goes unanswered
    }
}

SCSIResult CSimulatedKurzweilSampler::OnSCSICommand(const SCSICommandBlock& command, SCSIDirection direction,
                                                    std::uint8_t* data, std::uint32_t length, std::uint32_t& moved)
{
    std::lock_guard lock(fObjectsMutex);
    if (const std::optional<SCSIResult> answer = fSMDI.AnswerSMDI(command, direction, data, length, moved))
        return *answer;
    return CSimulatedInstrument::OnSCSICommand(command, direction, data, length, moved);
}

void CSimulatedKurzweilSampler::Answer(const Kurzweil::Bytes& message)
{
    SendSysex(message, kAnswerDelay);
}

void CSimulatedKurzweilSampler::SendInfo(Kurzweil::ObjectId object, const Object& contents)
{
    Answer(Kurzweil::InfoMessage(fDevice, {object, static_cast<std::uint32_t>(contents.data.size()), 0, contents.name}));
}

void CSimulatedKurzweilSampler::List(Kurzweil::ObjectId from)
{
    const auto found = fObjects.lower_bound({from.type, from.id});
    if (found == fObjects.end() || found->first.first != from.type)
        return Answer(Kurzweil::EndOfListing(fDevice));
    SendInfo({found->first.first, found->first.second}, found->second);
}

void CSimulatedKurzweilSampler::Delete(Kurzweil::ObjectId object)
{
    if (fFaults.ignoreDeletes)
        return;
    const auto found = fObjects.find({object.type, object.id});
    if (found == fObjects.end())
        return Answer(Kurzweil::Refusal(fDevice, object, Kurzweil::kRefusedNotFound));
    const Object gone = found->second;
    fObjects.erase(found);
    if (object.type == Kurzweil::kSample) {
        Erase(static_cast<std::uint16_t>(object.id - 1));
        fSMDI.Erase(object.id);
    }
    SendInfo(object, gone);
}

void CSimulatedKurzweilSampler::Name(Kurzweil::ObjectId object, const std::string& name)
{
    const auto found = fObjects.find({object.type, object.id});
    if (found == fObjects.end())
        return Answer(Kurzweil::Refusal(fDevice, object, Kurzweil::kRefusedNotFound));
    found->second.name = name;
    SendInfo(object, found->second);
}

std::uint16_t CSimulatedKurzweilSampler::LowestFree(Kurzweil::ObjectId from) const
{
    std::uint16_t id = from.id;
    while (fObjects.count({from.type, id}))
        ++id;
    return id;
}

void CSimulatedKurzweilSampler::Write(const Kurzweil::Bytes& message)
{
    ++fWrites;
    Kurzweil::ObjectWrite write;
    try {
        write = Kurzweil::ParseWrite(message);
        if (write.object.type == Kurzweil::kSample)
            CK2000SoundBlock(write.object.id, write.name).Read(write.data);
    } catch (const XBase&) {
        return Answer(Kurzweil::Refusal(fDevice, Kurzweil::ObjectOf(message), Kurzweil::kRefusedChecksum));
    }
    const WriteFault fault = fFaults.afterWrites-- == 0 ? fFaults.write : WriteFault::kNone;
    if (fault == WriteFault::kRefuse)
        return Answer(Kurzweil::Refusal(fDevice, write.object, fFaults.reason));
    Kurzweil::ObjectId stored = write.object;
    if (fault == WriteFault::kStoreAboveRange)
        stored.id = LowestFree({stored.type, kAboveRange});
    else if (write.mode == Kurzweil::kModeNextFree)
        stored.id = LowestFree(stored);
    fObjects[{stored.type, stored.id}] = {write.name, write.data};
    if (fault != WriteFault::kLoseAcknowledgement)
        Answer(Kurzweil::Acknowledge(fDevice, stored, 0, write.size));
}

void CSimulatedKurzweilSampler::Read(Kurzweil::ObjectId object)
{
    const auto found = fObjects.find({object.type, object.id});
    if (found == fObjects.end())
        return Answer(Kurzweil::Refusal(fDevice, object, Kurzweil::kRefusedNotFound));
    Kurzweil::ObjectWrite write{object, static_cast<std::uint32_t>(found->second.data.size()), Kurzweil::kModeReplace,
                                found->second.name, Kurzweil::kBitStream, found->second.data};
    Answer(Kurzweil::WriteMessage(fDevice, write));
}
