#include "samplers/akai/CAKAITransfer.h"

#include <algorithm>

#include "devices/midi/SysexEncoding.h"
#include "framework/alerts/Alerts.h"
#include "framework/exceptions/CancelExceptions.h"
#include "framework/exceptions/GeneralExceptions.h"
#include "framework/exceptions/SamplerExceptions.h"
#include "framework/progress/CLengthyOperation.h"
#include "samplers/akai/AKAIText.h"
#include "samplers/sds/CSDSReceiver.h"
#include "samplers/sds/CSDSTransmitter.h"
#include "samplers/sds/SDSMessages.h"
#include "samplers/transfer/LimitSlices.h"
#include "samplers/transfer/SliceNames.h"
#include "samplers/transfer/TransferLoops.h"
#include "slicing/CSliceRenderSet.h"
#include "slicing/Tempo.h"
#include "sound/WAVE_SAMPLE.h"

namespace {

constexpr int kAKAIKeys = 128;

// The sampler's name, blanks at the end dropped, as the alerts show it.
std::string Shown(const std::string& name)
{
    const std::size_t end = name.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : name.substr(0, end + 1);
}

bool Agreed(std::int32_t answer)
{
    return answer == kAlertButtonSlot0;
}

// Clears the sample data mark whichever way the data transfer ends.
class CSampleDataScope {
public:
    explicit CSampleDataScope(CABCAKAICom& com) : fCom(com) { fCom.SetSampleData(true); }
    ~CSampleDataScope() { fCom.SetSampleData(false); }
    CSampleDataScope(const CSampleDataScope&) = delete;
    CSampleDataScope& operator=(const CSampleDataScope&) = delete;

private:
    CABCAKAICom& fCom;
};

// Waits look at Stop of `progress` only while the scope lasts: the
// progress goes with the transfer that made it.
class CAKAIStopScope {
public:
    CAKAIStopScope(CABCAKAIInterface& interface, CLengthyOperation& progress) : fInterface(interface)
    {
        fInterface.WatchStop(&progress, 0);
    }
    ~CAKAIStopScope() { fInterface.WatchStop(nullptr, 0); }
    CAKAIStopScope(const CAKAIStopScope&) = delete;
    CAKAIStopScope& operator=(const CAKAIStopScope&) = delete;

private:
    CABCAKAIInterface& fInterface;
};

}  // namespace

CAKAITransfer::CAKAITransfer(std::unique_ptr<CABCAKAIInterface> interface) : fInterface(std::move(interface)) {}

int CAKAITransfer::SliceLimit() const
{
    return std::min(kMostKeygroups, kAKAIKeys - kBaseKey);
}

std::uint32_t CAKAITransfer::LastSampleNumber() const
{
    return SDS::kLastSampleNumber;
}

std::string CAKAITransfer::SampleName(const std::string& program, int index)
{
    return SliceSampleName(AKAI::Normalised(program), index, AKAI::kNameLength);
}

std::vector<std::string> CAKAITransfer::ProgramNames()
{
    std::vector<std::string> names;
    for (const std::string& name : fInterface->ProgramList())
        names.push_back(Shown(name));
    return names;
}

std::vector<std::string> CAKAITransfer::SampleNames()
{
    std::vector<std::string> names;
    for (const std::string& name : fInterface->SampleList())
        names.push_back(Shown(name));
    return names;
}

void CAKAITransfer::Transmit(const CSliceRenderSet& slices, const TransmitRequest& request,
                             CLengthyOperation& progress)
{
    fReport.clear();
    // Without a name asked for, the program is named after the loop.
    const std::string name = AKAI::Normalised(
        !request.programName.empty() || slices.Count() == 0 ? request.programName
                                                            : CutExtension(slices.Render(0)->Name()));
    if (Shown(name).empty()) {
        ShowAlert(Res::kAlertAKAINoName);
        throw XSampleTransmitCancelled();
    }
    const CAKAIStopScope watched(*fInterface, progress);
    Program program = StartProgram(name, request.templateName, progress);
    Retune(program.header, slices);
    const int count = LimitSlices(slices.Count(), SliceLimit());
    if (count == 0)
        return;
    if (const auto existing = fInterface->FindProgram(name)) {
        if (!Agreed(ShowAlertWithArgument(Res::kAlertAKAIReplaceProgram, Shown(name))))
            throw XSampleTransmitCancelled();
        ReplaceProgram(*existing, progress);
    }
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i) {
        names.push_back(SampleName(name, i));
        if (fInterface->FindSample(names.back())) {
            ShowAlertWithArgument(Res::kAlertAKAISampleExists, Shown(names.back()));
            throw XSampleTransmitCancelled();
        }
    }
    CheckRoom(slices, count);
    SendSamples(slices, names, progress);
    CreateProgram(program, names, progress);
    fReport = "program \"" + Shown(name) + "\" with " + std::to_string(count) + " keygroups";
}

CAKAITransfer::Program CAKAITransfer::StartProgram(const std::string& name, const std::string& templateName,
                                                   CLengthyOperation& progress)
{
    if (!templateName.empty()) {
        progress.SetTitle(Res::kStringAKAIRetrievingTemplate);
        try {
            const auto number = fInterface->FindProgram(templateName);
            if (!number)
                throw XAKAIUnexpectedCommand();
            Program program{fInterface->ReadProgram(*number), fInterface->ReadKeygroup(*number, 0)};
            AKAIBlock::SetProgramName(program.header, name);
            return program;
        } catch (const XExternalDeviceException&) {
            if (!Agreed(ShowAlert(Res::kAlertAKAITemplateFailed)))
                throw XSampleTransmitCancelled();
        }
    }
    return {fInterface->DefaultProgram(name), fInterface->DefaultKeygroup()};
}

void CAKAITransfer::Retune(AKAIBlock::Bytes& header, const CSliceRenderSet& slices) const
{
    if (!slices.PitchMode())
        return;
    const TranspositionSplit split = SplitTransposition(slices.Transposition());
    AKAIBlock::SetProgramTune(header, AKAIBlock::ProgramTune(header) + split.semitones * 256 +
                                          static_cast<std::int32_t>(RoundedMulDiv(split.cents, 256, 100)));
}

void CAKAITransfer::ReplaceProgram(std::uint16_t number, CLengthyOperation& progress)
{
    progress.SetTitle(Res::kStringAKAIDeletingProgram);
    // The keygroups name the samples to delete: read them while the program
    // is still there.
    const AKAIBlock::Bytes header = fInterface->ReadProgram(number);
    std::vector<std::string> samples;
    for (int k = 0; k < AKAIBlock::KeygroupCount(header); ++k) {
        const AKAIBlock::Bytes keygroup = fInterface->ReadKeygroup(number, static_cast<std::uint8_t>(k));
        for (int zone = 0; zone < AKAIBlock::kZones; ++zone) {
            const std::string sample = AKAIBlock::ZoneSample(keygroup, zone);
            if (!Shown(sample).empty() && std::find(samples.begin(), samples.end(), sample) == samples.end())
                samples.push_back(sample);
        }
    }
    try {
        fInterface->DeleteProgram(number);
        for (std::size_t i = 0; i < samples.size(); ++i) {
            fInterface->WatchStop(&progress, static_cast<std::int32_t>(samples.size() - i));
            progress.Update(static_cast<std::int32_t>(samples.size() - i),
                            static_cast<std::uint16_t>(i * 100 / samples.size()));
            if (progress.WasCancelled())
                throw XSampleTransmitCancelled();
            if (const auto sample = fInterface->FindSample(samples[i]))
                fInterface->DeleteSample(*sample);
        }
    } catch (const XSampleTransmitCancelled&) {
        throw XAKAIDeleteCancelled();
    }
}

void CAKAITransfer::CheckRoom(const CSliceRenderSet& slices, int count)
{
    // A sample header and a keygroup per slice, and the program header.
    const AKAI::Status status = fInterface->ReadStatus();
    std::uint64_t words = 0;
    for (int i = 0; i < count; ++i)
        words += slices.RenderedLength(i);
    if (status.freeBlocks < 2 * count + 1 || std::uint64_t{status.freeWords} < words)
        throw XExternalDeviceOutOfMemory();
}

void CAKAITransfer::SendSamples(const CSliceRenderSet& slices, const std::vector<std::string>& names,
                                CLengthyOperation& progress)
{
    progress.SetTitle(Res::kStringSlicesLeft);
    const int count = static_cast<int>(names.size());
    try {
        for (int i = 0; i < count; ++i)
            SendSample(slices, i, names[static_cast<std::size_t>(i)], count - i, progress);
    } catch (const XSampleTransmitCancelled&) {
        ShowAlert(Res::kAlertAKAIProgramIncomplete);
        throw;
    }
    for (const std::string& name : names)
        if (!fInterface->FindSample(name))
            throw XAKAITransmittedSampleLost();
}

void CAKAITransfer::SendSample(const CSliceRenderSet& slices, int index, const std::string& name, int left,
                               CLengthyOperation& progress)
{
    fInterface->WatchStop(&progress, left);
    const std::unique_ptr<WAVE_SAMPLE> sound = slices.Render(index);
    SampleFormat format = SliceFormat(*sound);
    format.name = name;
    format.rootKey = kRootKey;
    format.sustain = {LoopMode::kOff, 0, format.length > 0 ? format.length - 1 : 0};
    fInterface->AdjustFormat(format);
    const std::uint16_t number = fInterface->NextSampleNumber();
    fInterface->WriteSampleHeader(number, AKAIBlock::SampleHeader(fInterface->BlockSize(), format));
    const CSampleDataScope data(fInterface->Com());
    const std::unique_ptr<CSDSTransmitter> transmitter = fInterface->MakeTransmitter(number);
    if (transmitter->Begin(format) != FrameWidth::k16)
        throw XInternalError();
    SendFrames(*transmitter, *sound, kChunkFrames, progress, left);
}

void CAKAITransfer::CreateProgram(Program& program, const std::vector<std::string>& names,
                                  CLengthyOperation& progress)
{
    progress.SetTitle(Res::kStringAKAICreatingProgram);
    fInterface->WatchStop(&progress, 0);
    const int count = static_cast<int>(names.size());
    AKAIBlock::SetKeygroupCount(program.header, count);
    const std::uint16_t number = fInterface->NextProgramNumber();
    fInterface->WriteProgram(number, program.header);
    for (int i = 0; i < count; ++i) {
        progress.Update(count - i, static_cast<std::uint16_t>(i * 100 / count));
        AKAIBlock::Bytes keygroup = program.keygroup;
        AKAIBlock::SetKeyRange(keygroup, kBaseKey + i, kBaseKey + i);
        AKAIBlock::SetZone(keygroup, 0, names[static_cast<std::size_t>(i)], 0, 127);
        fInterface->WriteKeygroup(number, static_cast<std::uint8_t>(i), keygroup);
    }
}

ReceivedSample CAKAITransfer::Receive(const ReceiveRequest& request, CLengthyOperation& progress)
{
    if (request.sampleNumber > LastSampleNumber())
        throw XInternalError();
    progress.SetTitle(Res::kStringReceivingSample);
    const CAKAIStopScope watched(*fInterface, progress);
    const auto number = static_cast<std::uint16_t>(request.sampleNumber);
    const AKAIBlock::Bytes header = fInterface->ReadSampleHeader(number);
    ReceivedSample received;
    {
        const CSampleDataScope data(fInterface->Com());
        const std::unique_ptr<CSDSReceiver> receiver = fInterface->MakeReceiver(number);
        received = ReceiveFrames(*receiver, progress);
    }
    received.format.name = Shown(AKAIBlock::SampleName(header));
    received.format.rootKey = static_cast<std::uint8_t>(AKAIBlock::SampleRootKey(header));
    if (const std::uint32_t rate = AKAIBlock::SampleRate(header))
        received.format.rate = rate;
    return received;
}
