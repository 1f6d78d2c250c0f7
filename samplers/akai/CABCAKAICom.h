#pragma once
// How the program reaches an AKAI sampler: a system-exclusive input and an
// output on its exclusive channel, over MIDI or wrapped in AKAI's SCSI
// commands. Sample data goes by the Sample Dump Standard over the same
// input and output.
#include <cstdint>
#include <optional>
#include <vector>

class CMIDIOutput;
class CSysexMIDIInput;

class CABCAKAICom {
public:
    explicit CABCAKAICom(std::uint8_t channel) : fChannel(channel) {}
    virtual ~CABCAKAICom() = default;
    CABCAKAICom(const CABCAKAICom&) = delete;
    CABCAKAICom& operator=(const CABCAKAICom&) = delete;

    std::uint8_t Channel() const { return fChannel; }
    virtual CSysexMIDIInput& Parser() = 0;
    virtual CMIDIOutput& Output() = 0;

    // Empties the input, then sends.
    void SendMessage(const std::vector<std::uint8_t>& message);
    void FlushInput();
    // The next message within `timeout` milliseconds, or none.
    std::optional<std::vector<std::uint8_t>> ReceiveMessage(std::int64_t timeout);
    // Whether what follows is sample data (it matters over SCSI).
    virtual void SetSampleData(bool) {}
    // The time-out of the transport.
    [[noreturn]] virtual void RaiseTimeOut() const = 0;

private:
    std::uint8_t fChannel;
};
