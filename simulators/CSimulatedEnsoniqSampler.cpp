#include "simulators/CSimulatedEnsoniqSampler.h"

#include <algorithm>

#include "framework/time/CClock.h"
#include "samplers/ensoniq/CABCEnsoniqInterface.h"
#include "samplers/ensoniq/EnsoniqMessages.h"

namespace {

constexpr std::uint16_t kOnlineTest = 17;
constexpr std::uint32_t kEPSTypeId = 3000;
constexpr std::uint32_t kEPS16TypeId = 3010;
constexpr std::uint8_t kOtherMaker = 0x47;

const char* ModelName(std::uint32_t typeId)
{
    return typeId == kEPSTypeId ? "EPS" : typeId == kEPS16TypeId ? "EPS-16+" : "ASR-10";
}

}  // namespace

CSimulatedEnsoniqSampler::CSimulatedEnsoniqSampler(std::uint8_t channel, std::uint32_t typeId,
                                                   std::uint32_t memoryWords)
    : CSimulatedInstrument({"ENSONIQ", ModelName(typeId), ""}), fChannel(channel), fMemoryWords(memoryWords)
{
}

CSimulatedEnsoniqSampler::~CSimulatedEnsoniqSampler()
{
    Disconnect();
}

void CSimulatedEnsoniqSampler::SetFaults(const EnsoniqSamplerFaults& faults)
{
    std::lock_guard lock(fMutex);
    fFaults = faults;
    fCommandCount = 0;
}

void CSimulatedEnsoniqSampler::SetLoadMode(bool on)
{
    std::lock_guard lock(fMutex);
    fLoadMode = on;
}

void CSimulatedEnsoniqSampler::Store(int instrument, const std::string& name, int layer, int wave,
                                     const std::vector<std::int16_t>& frames, std::uint32_t rate, int low, int high)
{
    std::lock_guard lock(fMutex);
    Instrument& held = fInstruments[instrument];
    held.parameters.SetName(name);
    CEnsoniqLayerParameters& map = held.layers[layer];
    Wave& stored = held.waves[wave];
    SampleFormat format;
    format.name = name;
    format.rate = rate;
    format.length = format.end = static_cast<std::uint32_t>(frames.size());
    format.rootKey = static_cast<std::uint8_t>(low);
    stored.parameters.Describe(format);
    stored.data.assign(frames.begin(), frames.end());
    for (int key = low; key <= high; ++key)
        map.SetWaveAt(key, wave);
    RefreshFlags(held);
}

std::optional<CSimulatedEnsoniqSampler::Instrument> CSimulatedEnsoniqSampler::InstrumentAt(int instrument) const
{
    std::lock_guard lock(fMutex);
    const auto found = fInstruments.find(instrument);
    if (found == fInstruments.end())
        return std::nullopt;
    return found->second;
}

std::uint32_t CSimulatedEnsoniqSampler::MemoryUsed() const
{
    std::uint32_t used = 0;
    for (const auto& [number, instrument] : fInstruments)
        for (const auto& [wave, held] : instrument.waves)
            used += static_cast<std::uint32_t>(held.data.size());
    return used;
}

int CSimulatedEnsoniqSampler::HoldOffViolations() const
{
    std::lock_guard lock(fMutex);
    return fViolations;
}

void CSimulatedEnsoniqSampler::OnSysex(const std::vector<std::uint8_t>& message)
{
    std::lock_guard lock(fMutex);
    if (fLoadMode || !Ensoniq::IsFramed(message, fChannel))
        return;
    if (const std::optional<std::uint16_t> code = Ensoniq::ParseResponse(message)) {
        if (*code != Ensoniq::kAcknowledged)
            return;
        if (fIgnoreAcknowledgements > 0) {
            --fIgnoreAcknowledgements;  // the program's answer to a WAIT
            return;
        }
        if (fAwaiting == Awaiting::kAcknowledgement) {
            fAwaiting = Awaiting::kCommand;
            SendData(std::move(fPending.send));
        }
        return;
    }
    if (Ensoniq::ParseControl(message) == kOnlineTest) {
        Respond(Ensoniq::kAcknowledged);
        return;
    }
    if (CClock::Current().Milliseconds() < fBusyUntil) {
        ++fViolations;
        fAwaiting = Awaiting::kCommand;
        Respond(Ensoniq::kNotAcknowledged);
        return;
    }
    if (fAwaiting == Awaiting::kData) {
        ReceiveData(message);
        return;
    }
    if (const std::optional<Ensoniq::Command> command = Ensoniq::ParseCommand(message))
        ReceiveCommand(*command);
}

void CSimulatedEnsoniqSampler::ReceiveCommand(const Ensoniq::Command& command)
{
    const int number = fCommandCount++;
    if (fFaults.cancelAt == number) {
        Reply(Ensoniq::CancelMessage(fChannel));
        return;
    }
    if (fFaults.errorCode && fFaults.errorAt == number) {
        Respond(*fFaults.errorCode);
        return;
    }
    switch (command.code) {
    case Ensoniq::kRequestInstrument:
    case Ensoniq::kRequestLayer:
    case Ensoniq::kRequestWave:
    case Ensoniq::kRequestWaveData: RequestBlock(command); break;
    case Ensoniq::kInstrumentDump:
    case Ensoniq::kLayerDump:
    case Ensoniq::kWaveDump:
    case Ensoniq::kWaveDataDump: TakeAnnouncement(command); break;
    case Ensoniq::kCreateInstrument:
    case Ensoniq::kCreateLayer:
    case Ensoniq::kCreateWave: Create(command); break;
    case Ensoniq::kDeleteWave:
    case Ensoniq::kDeleteInstrument: Delete(command); break;
    default: Respond(Ensoniq::kInvalidParameter); break;
    }
}

std::optional<std::uint16_t> CSimulatedEnsoniqSampler::Missing(int instrument, int layer, int wave, int depth) const
{
    const auto held = fInstruments.find(instrument);
    if (held == fInstruments.end())
        return Ensoniq::kNoSuchInstrument;
    if (depth >= 2 && layer >= 0 && !held->second.layers.contains(layer))
        return Ensoniq::kNoSuchLayer;
    if (depth >= 3 && !held->second.waves.contains(wave))
        return Ensoniq::kNoSuchWave;
    return std::nullopt;
}

void CSimulatedEnsoniqSampler::RequestBlock(const Ensoniq::Command& command)
{
    const int instrument = command.instrument;
    const int layer = command.code == Ensoniq::kRequestLayer ? command.layer : -1;
    const int depth = command.code == Ensoniq::kRequestInstrument ? 1 : command.code == Ensoniq::kRequestLayer ? 2 : 3;
    if (const auto refused = Missing(instrument, layer, command.third, depth)) {
        Respond(*refused);
        return;
    }
    Instrument& held = fInstruments.at(instrument);
    Ensoniq::Command announcement = command;
    switch (command.code) {
    case Ensoniq::kRequestInstrument:
        announcement.code = Ensoniq::kInstrumentDump;
        Announce(announcement, held.parameters.Words());
        break;
    case Ensoniq::kRequestLayer:
        announcement.code = Ensoniq::kLayerDump;
        Announce(announcement, held.layers.at(layer).Words());
        break;
    case Ensoniq::kRequestWave:
        announcement.code = Ensoniq::kWaveDump;
        Announce(announcement, held.waves.at(command.third).parameters.Words());
        break;
    default: {
        const std::vector<std::uint16_t>& data = held.waves.at(command.third).data;
        if (command.start >= command.end || command.end > data.size() ||
            command.end - command.start > CABCEnsoniqInterface::kPieceWords) {
            Respond(Ensoniq::kInvalidParameter);
            return;
        }
        Acknowledge(0);
        announcement.code = Ensoniq::kWaveDataDump;
        Announce(announcement, {data.begin() + command.start, data.begin() + command.end});
    }
    }
}

void CSimulatedEnsoniqSampler::TakeAnnouncement(const Ensoniq::Command& command)
{
    Pending pending{command.code, command.instrument, command.layer, command.third, command.start, command.end};
    std::optional<std::uint16_t> refused;
    switch (command.code) {
    case Ensoniq::kInstrumentDump:
        refused = Missing(pending.instrument, -1, 0, 1);
        pending.words = CEnsoniqInstrumentParameters::kWords;
        break;
    case Ensoniq::kLayerDump:
        refused = Missing(pending.instrument, pending.layer, 0, 2);
        pending.words = CEnsoniqLayerParameters::kWords;
        break;
    case Ensoniq::kWaveDump:
        refused = Missing(pending.instrument, -1, pending.wave, 3);
        pending.words = CEnsoniqWaveParameters::kWords;
        break;
    default:
        refused = Missing(pending.instrument, -1, pending.wave, 3);
        if (!refused && (command.start >= command.end ||
                         command.end - command.start > CABCEnsoniqInterface::kPieceWords ||
                         command.end > fInstruments.at(pending.instrument).waves.at(pending.wave).data.size()))
            refused = Ensoniq::kInvalidParameter;
        pending.words = command.end - command.start;
        break;
    }
    if (refused) {
        Respond(*refused);
        return;
    }
    fPending = std::move(pending);
    fAwaiting = Awaiting::kData;
    Acknowledge(0);
}

void CSimulatedEnsoniqSampler::ReceiveData(const std::vector<std::uint8_t>& message)
{
    fAwaiting = Awaiting::kCommand;
    const std::optional<Ensoniq::Words> words = Ensoniq::ParseData(message, fPending.words);
    if (!words) {
        Respond(Ensoniq::kInvalidParameter);
        return;
    }
    Instrument& held = fInstruments.at(fPending.instrument);
    switch (fPending.code) {
    case Ensoniq::kInstrumentDump:
        held.parameters.Read(message);
        RefreshFlags(held);
        break;
    case Ensoniq::kLayerDump: held.layers.at(fPending.layer).Read(message); break;
    case Ensoniq::kWaveDump: {
        Wave& wave = held.waves.at(fPending.wave);
        CEnsoniqWaveParameters parameters;
        parameters.Read(message);
        if (MemoryUsed() - wave.data.size() + parameters.Frames() > fMemoryWords) {
            Respond(Ensoniq::kOutOfMemory);
            return;
        }
        wave.parameters = parameters;
        wave.data.resize(parameters.Frames());
        break;
    }
    default:
        std::copy(words->begin(), words->end(),
                  held.waves.at(fPending.wave).data.begin() + static_cast<std::ptrdiff_t>(fPending.start));
        break;
    }
    Acknowledge(kBusyAfterTake);
}

void CSimulatedEnsoniqSampler::Create(const Ensoniq::Command& command)
{
    const int instrument = command.instrument;
    if (command.code == Ensoniq::kCreateInstrument) {
        if (instrument >= CEnsoniqInstrumentParameters::kLayers || fInstruments.contains(instrument)) {
            Respond(Ensoniq::kInvalidParameter);
            return;
        }
        fInstruments[instrument].parameters.SetName("NEW INSTR");
        Acknowledge(kBusyAfterTake);
        return;
    }
    const int depth = command.code == Ensoniq::kCreateLayer ? 1 : 2;
    if (const auto refused = Missing(instrument, command.layer, 0, depth)) {
        Respond(*refused);
        return;
    }
    Instrument& held = fInstruments.at(instrument);
    if (command.code == Ensoniq::kCreateLayer) {
        int layer = 0;
        while (layer < CEnsoniqInstrumentParameters::kLayers && held.layers.contains(layer))
            ++layer;
        if (layer == CEnsoniqInstrumentParameters::kLayers) {
            Respond(Ensoniq::kInvalidParameter);
            return;
        }
        held.layers[layer];
    } else {
        const int wave = held.parameters.FirstFreeWave();
        if (wave == 0) {
            Respond(Ensoniq::kOutOfMemory);
            return;
        }
        held.waves[wave].parameters.SetName("NEW WAVE");
    }
    RefreshFlags(held);
    Acknowledge(kBusyAfterTake);
}

void CSimulatedEnsoniqSampler::Delete(const Ensoniq::Command& command)
{
    const bool wave = command.code == Ensoniq::kDeleteWave;
    if (const auto refused = Missing(command.instrument, -1, command.third, wave ? 3 : 1)) {
        Respond(*refused);
        return;
    }
    if (wave) {
        Instrument& held = fInstruments.at(command.instrument);
        held.waves.erase(command.third);
        for (auto& [number, layer] : held.layers)
            layer.RemoveWave(command.third);
        RefreshFlags(held);
    } else {
        fInstruments.erase(command.instrument);
    }
    Acknowledge(kBusyAfterTake);
}

void CSimulatedEnsoniqSampler::RefreshFlags(Instrument& instrument) const
{
    for (int layer = 0; layer < CEnsoniqInstrumentParameters::kLayers; ++layer)
        instrument.parameters.SetLayer(layer, instrument.layers.contains(layer));
    for (int wave = 1; wave <= CEnsoniqInstrumentParameters::kLastWave; ++wave)
        instrument.parameters.SetWaveInUse(wave, instrument.waves.contains(wave));
}

void CSimulatedEnsoniqSampler::Reply(std::vector<std::uint8_t> message)
{
    const std::int64_t now = CClock::Current().Milliseconds();
    if (fFaults.strayMessages) {
        fNextReply = std::max(now + kAnswerDelay, fNextReply + 1);
        SendSysex(Ensoniq::ResponseMessage(static_cast<std::uint8_t>(fChannel + 1), Ensoniq::kAcknowledged),
                  fNextReply - now);
        SendSysex({0xF0, kOtherMaker, 0x00, 0x01, 0x00, 0x00, 0xF7}, fNextReply - now);
    }
    fNextReply = std::max(now + kAnswerDelay, fNextReply + 1);
    SendSysex(std::move(message), fNextReply - now);
}

void CSimulatedEnsoniqSampler::Respond(std::uint16_t code)
{
    Reply(Ensoniq::ResponseMessage(fChannel, code));
}

void CSimulatedEnsoniqSampler::Acknowledge(std::int64_t busy)
{
    for (; fFaults.waits > 0 && fFaults.waitsAfter-- <= 0; --fFaults.waits) {
        Respond(Ensoniq::kWait);
        ++fIgnoreAcknowledgements;
        fNextReply += fFaults.waitSpacing;
    }
    Respond(Ensoniq::kAcknowledged);
    fBusyUntil = fNextReply + busy;
}

void CSimulatedEnsoniqSampler::Announce(Ensoniq::Command command, std::vector<std::uint16_t> data)
{
    if (fFaults.wrongAnnouncementAt == fCommandCount - 1)
        ++command.third;
    Reply(Ensoniq::CommandMessage(fChannel, command));
    fPending.send = std::move(data);
    fAwaiting = Awaiting::kAcknowledgement;
}

void CSimulatedEnsoniqSampler::SendData(std::vector<std::uint16_t> data)
{
    if (fFaults.shortDataAt == fCommandCount - 1 && !data.empty())
        data.pop_back();
    Reply(Ensoniq::DataMessage(fChannel, data));
    fBusyUntil = fNextReply + kBusyAfterSend;
}
