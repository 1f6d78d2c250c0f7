#include "samplers/yamaha/CA3000Interface.h"

#include "devices/midi/CMIDIInput.h"
#include "framework/time/CClock.h"
#include "samplers/yamaha/CA3000SampleReceiverMIDI.h"
#include "samplers/yamaha/CA3000SampleTransmitterMIDI.h"

CA3000Interface::CA3000Interface(CSysexMIDIInput& input, CMIDIOutput& output, std::uint8_t device)
    : fConnection(input, output, A3000::kManufacturer, device & 0x0F), fDevice(device & 0x0F)
{
}

const CA3000ObjectList& CA3000Interface::ObjectList()
{
    if (!fObjectList) {
        const std::string name(A3000::kObjectListName);
        fObjectList = CA3000ObjectList::Read(Request(A3000::kObjectList, name, kListTimeout, 1));
    }
    return *fObjectList;
}

CA3000SampleParameters CA3000Interface::GetSampleParameters(const std::string& name)
{
    const A3000::Bytes data = Request(A3000::kSampleParameters, name, kObjectTimeout, kObjectAttempts);
    fConnection.DelaySending(kHoldOff);
    return CA3000SampleParameters::Read(data);
}

CA3000SampleBank CA3000Interface::GetSampleBank(const std::string& name)
{
    const A3000::Bytes data = Request(A3000::kSampleBank, name, kObjectTimeout, kObjectAttempts);
    fConnection.DelaySending(kHoldOff);
    return CA3000SampleBank::Read(data);
}

void CA3000Interface::PutSampleParameters(const CA3000SampleParameters& parameters)
{
    Put(A3000::kSampleParameters, CA3000ObjectList::kSample, parameters.Name(), parameters.Data());
}

void CA3000Interface::PutSampleBank(const CA3000SampleBank& bank)
{
    Put(A3000::kSampleBank, CA3000ObjectList::kSampleBank, bank.Name(), bank.Data());
}

void CA3000Interface::Put(std::string_view type, std::uint32_t kind, const std::string& name, const A3000::Bytes& data)
{
    fConnection.Send(CRawSysex(A3000::BulkDump(fDevice, type, name, data)));
    AfterPut(kind, name);
}

void CA3000Interface::AfterPut(std::uint32_t kind, const std::string& name)
{
    fConnection.DelaySending(kHoldOff);
    fBusyUntil = CClock::Current().Milliseconds() + kBusyTime;
    Listed(kind, name);
}

void CA3000Interface::Listed(std::uint32_t kind, const std::string& name)
{
    if (fObjectList) {
        fObjectList->Remove(kind, name);
        fObjectList->Append({kind, name});
    }
}

void CA3000Interface::WaitWhileBusy()
{
    while (CClock::Current().Milliseconds() < fBusyUntil)
        PollMIDIInputs();
}

A3000::Bytes CA3000Interface::Request(std::string_view type, const std::string& name, std::int64_t timeout,
                                      int attempts)
{
    WaitWhileBusy();
    const CRawSysex reply = fConnection.Transact(CRawSysex(A3000::DumpRequest(fDevice, type, name)), timeout, attempts);
    return A3000::ReadBulkDump(reply.Bytes(), type, name);
}

std::uint32_t CA3000Interface::ChunkFrames() const
{
    return CA3000SampleTransmitterMIDI::kChunkFrames;
}

std::unique_ptr<CABCSampleTransmitter> CA3000Interface::MakeTransmitter(const CA3000SampleParameters& parameters)
{
    return std::make_unique<CA3000SampleTransmitterMIDI>(*this, parameters);
}

std::unique_ptr<CABCSampleReceiver> CA3000Interface::MakeReceiver(const std::string& name)
{
    return std::make_unique<CA3000SampleReceiverMIDI>(*this, name);
}
