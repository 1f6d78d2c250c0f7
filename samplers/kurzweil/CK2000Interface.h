#pragma once
// A K2000 or K2500 as the transfers use it: its objects by exclusive
// messages (3 attempts per request, every write once), sample data by the
// Sample Dump Standard on its SysEx ID or, for the MIDI+SCSI types, by SMDI
// on its SCSI device. Sample object s is SDS sample s - 1 and SMDI sample s.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "devices/midi/CSysexConnection.h"
#include "devices/scsi/SCSIDevice.h"
#include "samplers/kurzweil/CKurzweilObject.h"
#include "samplers/transfer/SampleFormat.h"

class CABCSampleReceiver;
class CABCSampleTransmitter;
class CSMDISamplerInterface;

class CK2000Interface {
public:
    static constexpr std::int64_t kTimeout = 4000;
    static constexpr int kAttempts = 3;
    static constexpr std::uint16_t kHighestId = 1000;
    static constexpr std::uint16_t kTemporaryProgramId = 200;
    static constexpr const char* kTemporaryName = "%temp%";
    static constexpr std::uint32_t kReceivePacketFrames = 8192;

    // `scsi` for the MIDI+SCSI types.
    CK2000Interface(CSysexMIDIInput& input, CMIDIOutput& output, std::uint8_t device,
                    std::optional<SCSIDevice> scsi = std::nullopt);
    ~CK2000Interface();

    // The first object of the type from the ID upward, as the directory
    // lists it; none at the end of the listing. XSysexTooSmall for a short
    // reply, XKurzweilUnexpectedMessage for another command.
    std::optional<Kurzweil::ObjectInfo> RequestInfo(Kurzweil::ObjectId object);
    // Both raise XKurzweilUnexpectedMessage unless the instrument answers
    // with the object's information.
    void DeleteObject(Kurzweil::ObjectId object);
    void NameObject(Kurzweil::ObjectId object, const std::string& name);
    // Writes the object at the lowest free ID from its own upward and answers
    // that ID. Sent once: when no answer comes, the directory is searched
    // for the object (by name and size) and its ID answered, else
    // XSysexTimedOut. A refusal raises by its reason (XKurzweilObjectInEdit,
    // XSysexChecksumFailure, XKurzweilIDOutOfRange, XKurzweilObjectNotFound,
    // XKurzweilOutOfMemory, XKurzweilRejected); an ID above `highest` is
    // deleted again and raises XKurzweilIDOutOfRange.
    std::uint16_t WriteObject(const CKurzweilObject& object, std::uint16_t highest = kHighestId);
    // Reads the object into `object` (and its name), acknowledges the data
    // and answers whether it has any. The exceptions of Kurzweil::ParseWrite,
    // of a refusal, and XKurzweilUnexpectedMessage for another reply.
    bool ReadObject(CKurzweilObject& object);

    // The name of the program at `id`; none when there is no program there
    // or it is empty.
    std::optional<std::string> ProgramName(std::uint16_t id);
    // Where the instrument would put a new program (a temporary one is
    // written at ID 200 and deleted again).
    std::uint16_t FreeProgramId();
    // An empty sample object written from ID bank × 100 upward: its ID.
    std::uint16_t ReserveSample(std::uint16_t bank, const std::string& name);

    // The name cut to 16 characters, at least 2 frames, a forward sustain
    // loop ending before the end when there was none; then what the sample
    // link takes.
    void AdjustFormat(SampleFormat& format) const;
    std::unique_ptr<CABCSampleTransmitter> MakeTransmitter(std::uint16_t sampleId);
    std::unique_ptr<CABCSampleReceiver> MakeReceiver(std::uint16_t sampleId);
    // Chunk frames the transmit loop hands a transmitter.
    std::uint32_t ChunkFrames() const;

private:
    // The object a write whose answer was lost left, by name and size.
    std::optional<std::uint16_t> FindWritten(const Kurzweil::ObjectWrite& write);
    // Raises the exception of a refusal's reason.
    [[noreturn]] static void Refused(const CRawSysex& reply);
    void AwaitInfo(const Kurzweil::Bytes& request);

    CSysexConnection fConnection;
    std::uint8_t fDevice;
    std::unique_ptr<CSMDISamplerInterface> fSMDI;
};
