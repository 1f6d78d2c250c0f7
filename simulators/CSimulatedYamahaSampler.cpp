#include "simulators/CSimulatedYamahaSampler.h"

#include <algorithm>

#include "framework/time/CClock.h"
#include "samplers/identification/YamahaIdentification.h"
#include "samplers/yamaha/A3000Dump.h"

namespace {

constexpr std::size_t kNameAt = A3000::kFrameBytes + 2 + 10;
constexpr const char* kAnotherName = "Another Object";

UniversalIdentity::Reply A3000Reply(std::uint8_t device, std::array<std::uint8_t, 4> version)
{
    return {device, YamahaIdentification::kManufacturer, YamahaIdentification::kFamily, YamahaIdentification::kA3000,
            version};
}

}  // namespace

CSimulatedYamahaSampler::CSimulatedYamahaSampler(std::uint8_t device, std::array<std::uint8_t, 4> version)
    : CSimulatedIdentitySampler(A3000Reply(device, version),
                                {"YAMAHA", "A3000", UniversalIdentity::DigitsVersion(version).Text().substr(1)}),
      fDevice(device & 0x0F)
{
}

CSimulatedYamahaSampler::~CSimulatedYamahaSampler()
{
    Disconnect();
}

CSimulatedYamahaSampler::Sample CSimulatedYamahaSampler::MakeSample(const std::string& name, std::uint32_t rate,
                                                                    std::vector<std::int16_t> frames)
{
    SampleFormat format;
    format.name = name;
    format.rate = rate;
    format.length = format.end = static_cast<std::uint32_t>(frames.size());
    Sample sample;
    sample.parameters.Describe(format);
    sample.frames = std::move(frames);
    return sample;
}

void CSimulatedYamahaSampler::Store(Sample sample)
{
    const std::string name = sample.parameters.Name();
    std::erase_if(fSamples, [&](const Sample& s) { return s.parameters.Name() == name; });
    fSamples.push_back(std::move(sample));
    Stored(CA3000ObjectList::kSample, name);
}

void CSimulatedYamahaSampler::Store(CA3000SampleBank bank)
{
    const std::string name = bank.Name();
    std::erase_if(fBanks, [&](const CA3000SampleBank& b) { return b.Name() == name; });
    fBanks.push_back(std::move(bank));
    Stored(CA3000ObjectList::kSampleBank, name);
}

void CSimulatedYamahaSampler::Stored(std::uint32_t kind, const std::string& name)
{
    fSMDIStale = true;
    fList.Remove(kind, name);
    fList.Append({kind, name});
}

const CSimulatedYamahaSampler::Sample* CSimulatedYamahaSampler::FindSample(const std::string& name) const
{
    const auto found =
        std::find_if(fSamples.begin(), fSamples.end(), [&](const Sample& s) { return s.parameters.Name() == name; });
    return found == fSamples.end() ? nullptr : &*found;
}

const CA3000SampleBank* CSimulatedYamahaSampler::FindBank(const std::string& name) const
{
    const auto found =
        std::find_if(fBanks.begin(), fBanks.end(), [&](const CA3000SampleBank& b) { return b.Name() == name; });
    return found == fBanks.end() ? nullptr : &*found;
}

void CSimulatedYamahaSampler::OnSysex(const std::vector<std::uint8_t>& message)
{
    std::uint8_t device = 0;
    std::string type;
    std::string name;
    if (A3000::ReadDumpRequest(message, device, type, name)) {
        const bool busy = CClock::Current().Milliseconds() < fBusyUntil;
        if (device == fDevice && !busy && !fFaults.Meets(Fault::kSilent))
            AnswerRequest(type, name);
    } else if (A3000::IsBulkDump(message)) {
        if (message[2] == fDevice && !fBulkProtect)
            TakeDump(message);
    } else {
        CSimulatedIdentitySampler::OnSysex(message);
    }
}

std::vector<std::uint8_t> CSimulatedYamahaSampler::Spoil(std::vector<std::uint8_t> dump)
{
    if (fFaults.Meets(Fault::kBadChecksum))
        dump[A3000::kFrameBytes + 2 + ((std::size_t{dump[4]} << 7) | dump[5])] ^= 0x01;
    if (fFaults.Meets(Fault::kBadHead))
        dump[A3000::kFrameBytes + 2] = 'X';
    return dump;
}

void CSimulatedYamahaSampler::AnswerRequest(const std::string& type, const std::string& name)
{
    const std::string named = fFaults.Meets(Fault::kOtherName) ? kAnotherName : name;
    A3000::Bytes data;
    if (type == A3000::kObjectList) {
        data = fList.Data();
    } else if (const Sample* sample = FindSample(name); sample && type == A3000::kWaveData) {
        return SendWaveData(*sample, named);
    } else if (sample && type == A3000::kSampleParameters) {
        data = sample->parameters.Data();
    } else if (const CA3000SampleBank* bank = FindBank(name); bank && type == A3000::kSampleBank) {
        data = bank->Data();
    } else {
        return;
    }
    SendSysex(Spoil(A3000::BulkDump(fDevice, type, named, data)), kAnswerDelay);
}

void CSimulatedYamahaSampler::SendWaveData(const Sample& sample, const std::string& named)
{
    SendSysex(Spoil(A3000::WaveDumpOpening(fDevice, named, sample.parameters.Data())),
              kAnswerDelay);
    if (fFaults.Meets(Fault::kStopWaveData))
        return;
    std::int64_t delay = kAnswerDelay;
    const bool longBlock = fFaults.Meets(Fault::kLongBlock);
    for (std::size_t at = 0; at < sample.frames.size(); at += kBlockFrames) {
        std::size_t count = std::min(kBlockFrames, sample.frames.size() - at);
        if (longBlock && at == 0 && count < sample.frames.size())
            ++count;
        A3000::Bytes block;
        A3000::AppendWaveBlock(block, &sample.frames[at], count);
        SendSysex(std::move(block), delay += kBlockInterval);
    }
    SendSysex({0xF7}, delay + kBlockInterval);
}

void CSimulatedYamahaSampler::TakeDump(const std::vector<std::uint8_t>& message)
{
    std::string type;
    std::string name;
    A3000::Bytes data;
    try {
        if (!A3000::ReadDumpHead(message, type, name))
            return;
        data = A3000::ReadBulkDump(message, type, name);
    } catch (...) {
        return;  // a dump that is not whole is dropped
    }
    if (fFaults.Meets(Fault::kLoseDump))
        return;
    if (type == A3000::kSampleParameters && data.size() == CA3000SampleParameters::kBytes) {
        const Sample* held = FindSample(name);
        Store(Sample{CA3000SampleParameters::Read(data), held ? held->frames : std::vector<std::int16_t>{}});
    } else if (type == A3000::kSampleBank && data.size() >= CA3000SampleBank::kLeastBytes) {
        Store(CA3000SampleBank::Read(data));
    } else if (type == A3000::kWaveData && data.size() >= CA3000SampleParameters::kBytes) {
        Sample sample;
        sample.parameters = CA3000SampleParameters::Read(
            A3000::Bytes(data.begin(), data.begin() + CA3000SampleParameters::kBytes));
        for (std::size_t at = CA3000SampleParameters::kBytes; at + 1 < data.size(); at += 2)
            sample.frames.push_back(static_cast<std::int16_t>((data[at] << 8) | data[at + 1]));
        if (sample.frames.size() != sample.parameters.Length() || sample.parameters.Name() != name)
            return;
        Store(std::move(sample));
    } else {
        return;
    }
    fBusyUntil = CClock::Current().Milliseconds() + kBusyTime;
}

SCSIResult CSimulatedYamahaSampler::OnSCSICommand(const SCSICommandBlock& command, SCSIDirection direction,
                                                  std::uint8_t* data, std::uint32_t length, std::uint32_t& moved)
{
    ShowSamplesToSMDI();
    const std::optional<SCSIResult> answer = fSMDI.AnswerSMDI(command, direction, data, length, moved);
    if (!answer)
        return CSimulatedIdentitySampler::OnSCSICommand(command, direction, data, length, moved);
    TakeSMDISamples();
    return *answer;
}

void CSimulatedYamahaSampler::ShowSamplesToSMDI()
{
    if (!fSMDIStale)
        return;
    for (std::size_t i = 0; i < fSamples.size(); ++i) {
        const SampleFormat format = fSamples[i].parameters.Format();
        fSMDI.Store(static_cast<std::uint32_t>(i + 1),
                     CSimulatedSMDITarget::Sample::Of16Bit(format.name, format.rate, fSamples[i].frames));
    }
    fSMDIStale = false;
}

void CSimulatedYamahaSampler::TakeSMDISamples()
{
    for (std::uint32_t number = 1;; ++number) {
        const CSimulatedSMDITarget::Sample* taken = fSMDI.Find(number);
        if (!taken)
            return;
        if (number <= fSamples.size() && fSamples[number - 1].parameters.Name() == taken->header.name)
            continue;
        Sample sample = MakeSample(taken->header.name, taken->header.Format().rate, fSMDI.Frames(number));
        A3000::Bytes record = sample.parameters.Data();
        std::copy_n(kSCSIWaveTexts, 4, record.begin() + CA3000SampleParameters::kWaveTexts);
        sample.parameters = CA3000SampleParameters::Read(record);
        Store(std::move(sample));
    }
}
