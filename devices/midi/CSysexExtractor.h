#pragma once
// Picks the complete system-exclusive messages (F0 ... F7) out of a MIDI byte
// stream fed in pieces of any size. Real-time bytes inside a message are left
// out; a new F0 restarts the message; any other status byte abandons it.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

class CSysexExtractor {
public:
    using MessageHandler = std::function<void(const std::vector<std::uint8_t>& message)>;

    void Feed(const std::uint8_t* bytes, std::size_t count, const MessageHandler& handler);

private:
    std::vector<std::uint8_t> fMessage;
    bool fInside = false;
};
