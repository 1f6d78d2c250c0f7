#pragma once
// The S-760 on one MIDI connection: its remote mode (counted, so nested
// users switch it once), its file lists, the sample parameters, partials
// and patches read and written by Roland's handshake, the deletion of
// samples, and a cached list of its samples that follows every transmit,
// cancel and delete. Sample data goes by SDS through the transmitters and
// receivers it makes.
#include <cstdint>
#include <memory>
#include <optional>

#include "samplers/roland/CRolandLink.h"
#include "samplers/roland/CS760FileList.h"
#include "samplers/roland/S760Blocks.h"
#include "samplers/roland/S760SampleParameters.h"

class CLengthyOperation;
class CS760MIDIReceiver;
class CS760MIDITransmitter;

class CS760MIDIInterface {
public:
    static constexpr std::int64_t kTimeout = 5000;
    static constexpr std::int64_t kDeleteTimeout = 40000;
    static constexpr std::uint16_t kSampleListCapacity = 512;

    // With `beginRemote` the sampler goes into remote mode at once.
    CS760MIDIInterface(CSysexMIDIInput& input, CMIDIOutput& output, std::uint8_t device, bool beginRemote = false);
    // Leaves remote mode if still in it. Never throws: when the sampler
    // cannot be told, one line on the trace stream (std::clog) says that it
    // was left in remote mode.
    ~CS760MIDIInterface();
    CS760MIDIInterface(const CS760MIDIInterface&) = delete;
    CS760MIDIInterface& operator=(const CS760MIDIInterface&) = delete;

    void BeginRemote();
    void EndRemote();
    int RemoteCount() const { return fRemoteCount; }
    // Ends remote mode the way the destructor does; true when the sampler
    // was told.
    bool EndRemoteQuietly() noexcept;

    // Reads the file list of `category` (0: categories 1 to 5 in turn) into
    // `list`, with progress (entries against capacity) when given one.
    void ReadFileList(std::uint32_t category, CS760FileList& list, CLengthyOperation* progress);

    S760::SampleParameters ReadSampleParameters(std::uint16_t sample);
    void WriteSampleParameters(std::uint16_t sample, const S760::SampleParameters& parameters);
    S760::Partial ReadPartial(std::uint16_t partial);
    void WritePartial(std::uint16_t partial, const S760::Partial& block);
    void ClearPartial(std::uint16_t partial) { WritePartial(partial, S760::Partial::Default(true)); }
    S760::Patch ReadPatch(std::uint16_t patch);
    void WritePatch(std::uint16_t patch, const S760::Patch& block);
    void ClearPatch(std::uint16_t patch) { WritePatch(patch, S760::Patch::Default()); }
    // Deletes the sample in the sampler and from the cached list.
    void DeleteSample(std::uint16_t sample);

    // The cached list of samples, read from the sampler on first need.
    CS760FileList& SampleList();
    // XS760AllSamplesUsedUp when every number is taken.
    std::uint16_t LowestFreeSample();
    // The number of the sample of that name, or of either stereo half of it.
    std::optional<std::uint16_t> FindSampleName(const std::string& name);
    // XSampleDoesNotExist for an empty slot.
    SampleFormat SampleFormatOf(std::uint16_t sample);
    // The samples held, stereo halves joined under one name.
    std::vector<CS760FileList::Entry> ListSamples();

    std::unique_ptr<CS760MIDITransmitter> MakeTransmitter(S760::Half half);
    std::unique_ptr<CS760MIDIReceiver> MakeReceiver(std::uint16_t sample);
    // The format put in the form the S-760 takes: its name form, mono 16
    // bits at a table rate, no fine tune, loop points fitted.
    static void AdjustFormat(SampleFormat& format);

    CSysexMIDIInput& Input() const { return fInput; }
    CMIDIOutput& Output() const { return fOutput; }
    std::uint8_t Device() const { return fLink.Device(); }
    CRolandLink& Link() { return fLink; }

private:
    void SwitchRemote(bool on);
    void ReadCategory(std::uint32_t category, CS760FileList& list, CLengthyOperation* progress);

    CSysexMIDIInput& fInput;
    CMIDIOutput& fOutput;
    CRolandLink fLink;
    int fRemoteCount = 0;
    std::unique_ptr<CS760FileList> fSamples;
};

// Remote mode for as long as it lives; Close ends it where a failure may
// still be reported, the destructor ends it quietly on the way out of one.
class CS760RemoteScope {
public:
    explicit CS760RemoteScope(CS760MIDIInterface& sampler) : fSampler(sampler) { fSampler.BeginRemote(); }
    ~CS760RemoteScope()
    {
        if (!fClosed)
            fSampler.EndRemoteQuietly();
    }
    CS760RemoteScope(const CS760RemoteScope&) = delete;
    CS760RemoteScope& operator=(const CS760RemoteScope&) = delete;
    void Close()
    {
        fClosed = true;
        fSampler.EndRemote();
    }

private:
    CS760MIDIInterface& fSampler;
    bool fClosed = false;
};
