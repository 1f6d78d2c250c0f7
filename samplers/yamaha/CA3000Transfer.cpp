#include "samplers/yamaha/CA3000Transfer.h"

#include "framework/alerts/Alerts.h"
#include "framework/exceptions/CancelExceptions.h"
#include "framework/exceptions/SamplerExceptions.h"
#include "framework/progress/CLengthyOperation.h"
#include "samplers/transfer/CABCSampleReceiver.h"
#include "samplers/transfer/CABCSampleTransmitter.h"
#include "samplers/devices/CSamplerMIDIConnection.h"
#include "samplers/transfer/LimitSlices.h"
#include "samplers/transfer/SliceNames.h"
#include "samplers/transfer/TransferLoops.h"
#include "slicing/CSliceRenderSet.h"
#include "slicing/Tempo.h"
#include "sound/WAVE_SAMPLE.h"

namespace {

// Stops the transmission after `alert` told why.
[[noreturn]] void RefuseName(ResourceId alert, const std::string& name)
{
    ShowAlertWithArgument(alert, name);
    throw XSampleTransmitCancelled();
}

}  // namespace

CA3000Transfer::CA3000Transfer(std::unique_ptr<CSamplerMIDIConnection> connection, InterfaceMaker makeInterface)
    : fConnection(std::move(connection)), fMakeInterface(std::move(makeInterface))
{
}

CA3000Transfer::CA3000Transfer(std::unique_ptr<CSamplerMIDIConnection> connection)
    : CA3000Transfer(std::move(connection), [](CSamplerMIDIConnection& ports, std::uint8_t device) {
          return std::make_unique<CA3000Interface>(ports.Parser(), ports.Output(), device);
      })
{
}

CA3000Transfer::~CA3000Transfer() = default;

CA3000Interface& CA3000Transfer::Interface(std::uint8_t device)
{
    if (!fInterface || fInterface->Device() != (device & 0x0F))
        fInterface = fMakeInterface(*fConnection, device);
    return *fInterface;
}

std::vector<std::string> CA3000Transfer::TemplateNames(std::uint8_t device)
{
    return Names(device, {CA3000ObjectList::kSampleBank, CA3000ObjectList::kSample});
}

std::vector<std::string> CA3000Transfer::SampleNames(std::uint8_t device)
{
    return Names(device, {CA3000ObjectList::kSample});
}

std::vector<std::string> CA3000Transfer::Names(std::uint8_t device, std::initializer_list<std::uint32_t> kinds)
{
    std::vector<std::string> names;
    CA3000Interface& a3000 = Interface(device);
    a3000.DropObjectList();
    for (const std::uint32_t kind : kinds)
        for (const CA3000ObjectList::Record& record : a3000.ObjectList().Records())
            if (record.kind == kind)
                names.push_back(record.name);
    return names;
}

std::string CA3000Transfer::SampleName(const std::string& bank, int index)
{
    return A3000::AllowedName(SliceSampleName(bank, index, A3000::kNameLength));
}

std::string CA3000Transfer::BankName(const std::string& requested)
{
    return A3000::AllowedName(requested.empty() ? CA3000SampleBank::kNewName : requested.substr(0, A3000::kNameLength));
}

CA3000Transfer::Template CA3000Transfer::ReadTemplate(CA3000Interface& a3000, const std::string& name,
                                                      CLengthyOperation& progress)
{
    Template chosen;
    if (name.empty())
        return chosen;
    try {
        const CA3000ObjectList& list = a3000.ObjectList();
        if (list.Find(CA3000ObjectList::kSampleBank, name)) {
            progress.SetTitle(Res::kStringA3000RetrievingBank);
            chosen.bank = a3000.GetSampleBank(name);
            if (!chosen.bank.Members().empty())
                chosen.sample = a3000.GetSampleParameters(chosen.bank.Members().front().name);
        } else if (list.Find(CA3000ObjectList::kSample, name)) {
            progress.SetTitle(Res::kStringA3000RetrievingSample);
            chosen.sample = a3000.GetSampleParameters(name);
        } else {
            throw XSampleDoesNotExist();
        }
    } catch (const XExternalDeviceException&) {
        if (ShowAlert(Res::kAlertA3000TemplateFailed) != 33)
            throw XSampleTransmitCancelled();
        return Template{};
    }
    return chosen;
}

void CA3000Transfer::Transmit(const CSliceRenderSet& slices, const TransmitRequest& request,
                              CLengthyOperation& progress)
{
    fReport.clear();
    CA3000Interface& a3000 = Interface(request.sysexId);
    const std::string bankName = BankName(request.programName);
    a3000.DropObjectList();
    Template chosen = ReadTemplate(a3000, request.templateName, progress);
    const int count = LimitSlices(slices.Count(), kMostSlices);
    const CA3000ObjectList& list = a3000.ObjectList();
    if (list.Find(CA3000ObjectList::kSampleBank, bankName))
        RefuseName(Res::kAlertA3000BankExists, bankName);
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i) {
        names.push_back(SampleName(bankName, i));
        if (list.Find(CA3000ObjectList::kSample, names.back()))
            RefuseName(Res::kAlertA3000SampleExists, names.back());
    }

    CA3000SampleBank& bank = chosen.bank;
    bank.SetName(bankName);
    bank.ClearMembers();
    std::int32_t fineTune = 0;
    if (slices.PitchMode()) {
        const TranspositionSplit split = SplitTransposition(slices.Transposition());
        bank.SetTransposition(split.semitones);
        fineTune = split.cents;
    }
    progress.SetTitle(Res::kStringSlicesLeft);
    int sent = 0;
    try {
        for (; sent < count; ++sent) {
            const std::unique_ptr<WAVE_SAMPLE> sound = slices.Render(sent);
            SampleFormat format = SliceFormat(*sound);
            const auto key = static_cast<std::uint8_t>(kFirstKey + sent);
            format.name = names[static_cast<std::size_t>(sent)];
            format.rootKey = format.lowestKey = format.highestKey = key;
            format.fineTune = static_cast<std::int16_t>(fineTune);
            CA3000SampleParameters::AdjustFormat(format);
            const std::unique_ptr<CABCSampleTransmitter> transmitter = a3000.MakeTransmitter(chosen.sample);
            transmitter->Begin(format);
            SendFrames(*transmitter, *sound, a3000.ChunkFrames(), progress, count - sent);
            bank.AddMember({format.name, key, key, key, 127});
        }
        progress.SetTitle(Res::kStringA3000TransmittingBank);
        a3000.Connection().DelaySending(kBankDelay);
        a3000.PutSampleBank(bank);
    } catch (...) {
        if (sent > 0)
            ShowAlert(Res::kAlertA3000LeftoverSamples);
        throw;
    }

    progress.SetTitle(Res::kStringA3000Verifying);
    a3000.DropObjectList();
    const CA3000ObjectList& after = a3000.ObjectList();
    if (!after.Missing(CA3000ObjectList::kSample, names).empty() || !after.Find(CA3000ObjectList::kSampleBank, bankName))
        throw XA3000BankInconsistent();
    fReport = "sample bank \"" + bankName + "\" with " + std::to_string(count) + " sample(s) on keys " +
              std::to_string(kFirstKey) + " to " + std::to_string(kFirstKey + count - 1);
}

ReceivedSample CA3000Transfer::Receive(const ReceiveRequest& request, CLengthyOperation& progress)
{
    CA3000Interface& a3000 = Interface(request.sysexId);
    a3000.DropObjectList();
    const CA3000ObjectList::Record* sample =
        request.sampleNumber < kFirstSample
            ? nullptr
            : a3000.ObjectList().Nth(CA3000ObjectList::kSample, request.sampleNumber - kFirstSample);
    if (!sample)
        throw XSampleDoesNotExist();
    progress.SetTitle(Res::kStringReceivingSample);
    const std::unique_ptr<CABCSampleReceiver> receiver = a3000.MakeReceiver(sample->name);
    return ReceiveFrames(*receiver, progress);
}
