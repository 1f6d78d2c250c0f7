#pragma once
// A simulated Ensoniq EPS, EPS-16+ or ASR-10 on its MIDI channel. It keeps
// up to 8 instruments of up to 8 layers, each instrument with up to 127
// wave samples in a sample memory of a given size; it sends and takes their
// parameter blocks and wave data, creates and deletes them, and answers
// with the response codes of the protocol. It refuses (response 23) a
// command or data message that comes within the time it needs after a block
// it sent or took, or after a create or delete. In Load mode it ignores
// everything. Faults a test asks for meet the next replies they concern.
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "samplers/ensoniq/CEnsoniqInstrumentParameters.h"
#include "samplers/ensoniq/CEnsoniqLayerParameters.h"
#include "samplers/ensoniq/CEnsoniqWaveParameters.h"
#include "simulators/CSimulatedInstrument.h"

struct EnsoniqSamplerFaults {
    int waits = 0;                     // WAITs sent before an acknowledgement,
    int waitsAfter = 0;                // the one after this many others
    std::int64_t waitSpacing = 1000;   // milliseconds between those WAITs
    std::optional<std::uint16_t> errorCode;  // answers command number `errorAt` with this code
    int errorAt = 0;                   // commands counted from 0
    std::optional<int> cancelAt;       // a cancel message answers this command
    std::optional<int> wrongAnnouncementAt;  // this command's announcement names the next wave sample
    std::optional<int> shortDataAt;    // the data message after this command lacks a word
    bool strayMessages = false;        // another channel's and another maker's message before each reply
};

class CSimulatedEnsoniqSampler : public CSimulatedInstrument {
public:
    static constexpr std::uint32_t kDefaultMemoryWords = 1u << 20;
    // The time it needs after sending a block, and after taking one or a
    // create or delete command, in milliseconds.
    static constexpr std::int64_t kBusyAfterSend = 600;
    static constexpr std::int64_t kBusyAfterTake = 900;

    struct Wave {
        CEnsoniqWaveParameters parameters;
        std::vector<std::uint16_t> data;
    };
    struct Instrument {
        CEnsoniqInstrumentParameters parameters;
        std::map<int, CEnsoniqLayerParameters> layers;  // by layer 0 … 7
        std::map<int, Wave> waves;                      // by wave sample 1 … 127
    };

    // `typeId` 3000 (EPS), 3010 (EPS-16+) or 3020 (ASR-10).
    CSimulatedEnsoniqSampler(std::uint8_t channel, std::uint32_t typeId = 3020,
                             std::uint32_t memoryWords = kDefaultMemoryWords);
    ~CSimulatedEnsoniqSampler() override;

    void SetFaults(const EnsoniqSamplerFaults& faults);
    void SetLoadMode(bool on);

    // Puts a wave sample of these 16-bit frames in instrument `instrument`
    // (made, with its layer, when missing) and maps it onto keys `low` to
    // `high` of the layer.
    void Store(int instrument, const std::string& name, int layer, int wave, const std::vector<std::int16_t>& frames,
               std::uint32_t rate, int low, int high);
    std::optional<Instrument> InstrumentAt(int instrument) const;
    // Messages it refused for coming too soon.
    int HoldOffViolations() const;

protected:
    void OnSysex(const std::vector<std::uint8_t>& message) override;

private:
    enum class Awaiting { kCommand, kAcknowledgement, kData };
    // What a data message from the program, or the program's acknowledgement
    // of an announcement, is about.
    struct Pending {
        std::uint8_t code = 0;
        int instrument = 0;
        int layer = 0;
        int wave = 0;
        std::uint32_t start = 0;
        std::uint32_t end = 0;
        std::size_t words = 0;
        std::vector<std::uint16_t> send;  // the data to send once acknowledged
    };

    void ReceiveCommand(const Ensoniq::Command& command);
    void RequestBlock(const Ensoniq::Command& command);
    void TakeAnnouncement(const Ensoniq::Command& command);
    void ReceiveData(const std::vector<std::uint8_t>& message);
    void Create(const Ensoniq::Command& command);
    void Delete(const Ensoniq::Command& command);
    // Checks instrument, layer and wave sample as far as `depth` (1 to 3);
    // the response code that refuses them, or nullopt.
    std::optional<std::uint16_t> Missing(int instrument, int layer, int wave, int depth) const;
    void Reply(std::vector<std::uint8_t> message);
    void Respond(std::uint16_t code);
    void Acknowledge(std::int64_t busy);
    void Announce(Ensoniq::Command command, std::vector<std::uint16_t> data);
    void SendData(std::vector<std::uint16_t> data);
    void RefreshFlags(Instrument& instrument) const;
    // Words of wave data held.
    std::uint32_t MemoryUsed() const;

    mutable std::mutex fMutex;
    std::uint8_t fChannel;
    std::uint32_t fMemoryWords;
    bool fLoadMode = false;
    EnsoniqSamplerFaults fFaults;
    std::map<int, Instrument> fInstruments;
    Awaiting fAwaiting = Awaiting::kCommand;
    Pending fPending;
    int fCommandCount = 0;
    int fIgnoreAcknowledgements = 0;
    std::int64_t fBusyUntil = 0;
    std::int64_t fNextReply = 0;
    int fViolations = 0;
};
