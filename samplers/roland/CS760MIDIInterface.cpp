#include "samplers/roland/CS760MIDIInterface.h"

#include <iostream>

#include "framework/exceptions/SamplerExceptions.h"
#include "framework/progress/CLengthyOperation.h"
#include "samplers/roland/CS760MIDIReceiver.h"
#include "samplers/roland/CS760MIDITransmitter.h"
#include "samplers/roland/NibbleWire.h"
#include "samplers/roland/S760AddressMap.h"
#include "samplers/roland/S760Names.h"

namespace {

constexpr std::int64_t kRemoteAnswerTimeout = 2000;
constexpr std::int64_t kRemoteSettle = 1000;
constexpr std::int64_t kFileListSettle = 250;
constexpr std::int64_t kDeleteSettle = 1000;
// Entries one file-list message holds at most.
constexpr std::size_t kFileListRoom = 16 * CS760FileList::kEntryBytes;

}  // namespace

CS760MIDIInterface::CS760MIDIInterface(CSysexMIDIInput& input, CMIDIOutput& output, std::uint8_t device,
                                       bool beginRemote)
    : fInput(input), fOutput(output), fLink(input, output, device)
{
    if (beginRemote)
        BeginRemote();
}

CS760MIDIInterface::~CS760MIDIInterface()
{
    if (fRemoteCount > 0) {
        fRemoteCount = 1;
        EndRemoteQuietly();
    }
}

void CS760MIDIInterface::SwitchRemote(bool on)
{
    fLink.SendDataSet(S760::kRemoteSwitch, {0, static_cast<std::uint8_t>(on ? 1 : 0)});
    try {
        fLink.ReceiveDataSet(S760::kRemoteSwitch, 2, kRemoteAnswerTimeout);
    } catch (const XExternalDeviceException&) {
        // Some systems do not confirm the switch; it took effect all the same.
    }
    fLink.DelaySending(kRemoteSettle);
}

void CS760MIDIInterface::BeginRemote()
{
    if (fRemoteCount++ == 0) {
        try {
            SwitchRemote(true);
        } catch (...) {
            fRemoteCount = 0;
            throw;
        }
    }
}

void CS760MIDIInterface::EndRemote()
{
    if (fRemoteCount > 0 && --fRemoteCount == 0)
        SwitchRemote(false);
}

bool CS760MIDIInterface::EndRemoteQuietly() noexcept
{
    try {
        EndRemote();
        return true;
    } catch (...) {
        try {
            std::clog << "S-760 on SysEx ID " << int{Device()} + 1
                      << ": could not leave remote mode; switch the sampler back to Performance mode by hand\n";
        } catch (...) {
        }
        return false;
    }
}

void CS760MIDIInterface::ReadCategory(std::uint32_t category, CS760FileList& list, CLengthyOperation* progress)
{
    for (;;) {
        const Roland::Bytes data = fLink.ReceiveDataSet(S760::kFileListRegister, kFileListRoom, kTimeout);
        const bool ended = list.AddFromMessage(data.data(), data.size(), category);
        if (progress)
            progress->Update(static_cast<std::int32_t>(list.Count()),
                             static_cast<std::uint16_t>(list.Count() * 100 / list.Capacity()));
        if (ended)
            return;
    }
}

void CS760MIDIInterface::ReadFileList(std::uint32_t category, CS760FileList& list, CLengthyOperation* progress)
{
    CS760RemoteScope remote(*this);
    fLink.SendDataSet(S760::kFileListRegister, {0, static_cast<std::uint8_t>(category)});
    if (category == 0) {
        for (std::uint32_t each = 1; each <= CS760FileList::kSample; ++each)
            ReadCategory(each, list, progress);
    } else {
        ReadCategory(category, list, progress);
    }
    fLink.DelaySending(kFileListSettle);
    remote.Close();
}

S760::SampleParameters CS760MIDIInterface::ReadSampleParameters(std::uint16_t sample)
{
    const Roland::Bytes wire = fLink.RequestData(S760::SampleAddress(sample), S760::kSampleWireSize, kTimeout);
    return S760::SampleParameters::Decode(S760::FromNibbleWire<S760::kParameterBytes>(wire));
}

void CS760MIDIInterface::WriteSampleParameters(std::uint16_t sample, const S760::SampleParameters& parameters)
{
    fLink.WantToSend(S760::SampleAddress(sample), S760::NibbleWire(parameters.Encode()), kTimeout);
}

S760::Partial CS760MIDIInterface::ReadPartial(std::uint16_t partial)
{
    S760::Partial block;
    block.first = S760::FromNibbleWire<S760::kPartialHalfBytes>(
        fLink.RequestData(S760::PartialAddress(partial), S760::kPartialHalfWireSize, kTimeout));
    block.second = S760::FromNibbleWire<S760::kPartialHalfBytes>(
        fLink.RequestData(S760::PartialSecondHalfAddress(partial), S760::kPartialHalfWireSize, kTimeout));
    return block;
}

void CS760MIDIInterface::WritePartial(std::uint16_t partial, const S760::Partial& block)
{
    fLink.WantToSend(S760::PartialAddress(partial), S760::NibbleWire(block.first), kTimeout);
    fLink.WantToSend(S760::PartialSecondHalfAddress(partial), S760::NibbleWire(block.second), kTimeout);
}

S760::Patch CS760MIDIInterface::ReadPatch(std::uint16_t patch)
{
    S760::Patch block;
    block.bytes = S760::FromNibbleWire<S760::kPatchBytes>(
        fLink.RequestData(S760::PatchAddress(patch), S760::kPatchWireSize, kTimeout));
    return block;
}

void CS760MIDIInterface::WritePatch(std::uint16_t patch, const S760::Patch& block)
{
    fLink.WantToSend(S760::PatchAddress(patch), S760::NibbleWire(block.bytes), kTimeout);
}

void CS760MIDIInterface::DeleteSample(std::uint16_t sample)
{
    CS760RemoteScope remote(*this);
    const Roland::Bytes digits = {static_cast<std::uint8_t>(sample >> 12 & 0x0F),
                                  static_cast<std::uint8_t>(sample >> 8 & 0x0F),
                                  static_cast<std::uint8_t>(sample >> 4 & 0x0F),
                                  static_cast<std::uint8_t>(sample & 0x0F)};
    fLink.SendDataSet(S760::kDeleteRegister, digits);
    fLink.ReceiveDataSet(S760::kDeleteRegister, digits.size(), kDeleteTimeout);
    if (fSamples)
        fSamples->Remove(CS760FileList::kSample, sample);
    fLink.DelaySending(kDeleteSettle);
    remote.Close();
}

CS760FileList& CS760MIDIInterface::SampleList()
{
    if (!fSamples) {
        auto list = std::make_unique<CS760FileList>(kSampleListCapacity);
        ReadFileList(CS760FileList::kSample, *list, nullptr);
        fSamples = std::move(list);
    }
    return *fSamples;
}

std::uint16_t CS760MIDIInterface::LowestFreeSample()
{
    const auto free = SampleList().LowestFree(CS760FileList::kSample, S760::kSampleCount);
    if (!free)
        throw XS760AllSamplesUsedUp();
    return *free;
}

std::optional<std::uint16_t> CS760MIDIInterface::FindSampleName(const std::string& name)
{
    const CS760FileList& list = SampleList();
    for (const std::string& form : {name, S760::StereoHalfName(name, false), S760::StereoHalfName(name, true)})
        if (const auto index = list.FindName(CS760FileList::kSample, form))
            return list.At(*index).number;
    return std::nullopt;
}

SampleFormat CS760MIDIInterface::SampleFormatOf(std::uint16_t sample)
{
    const S760::SampleParameters parameters = ReadSampleParameters(sample);
    if (parameters.IsEmpty())
        throw XSampleDoesNotExist();
    return S760::ParametersToFormat(parameters);
}

std::vector<CS760FileList::Entry> CS760MIDIInterface::ListSamples()
{
    return CS760FileList::JoinStereoHalves(SampleList().OfCategory(CS760FileList::kSample));
}

std::unique_ptr<CS760MIDITransmitter> CS760MIDIInterface::MakeTransmitter(S760::Half half)
{
    return std::make_unique<CS760MIDITransmitter>(*this, LowestFreeSample(), half);
}

std::unique_ptr<CS760MIDIReceiver> CS760MIDIInterface::MakeReceiver(std::uint16_t sample)
{
    return std::make_unique<CS760MIDIReceiver>(*this, sample);
}

void CS760MIDIInterface::AdjustFormat(SampleFormat& format)
{
    format.name = S760::SampleNameForm(format.name);
    format.bits = 16;
    format.channels = 1;
    format.rate = S760::SnapRate(format.rate);
    format.fineTune = 0;
    S760::FitLoopPoints(format);
}
