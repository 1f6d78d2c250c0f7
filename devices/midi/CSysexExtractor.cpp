#include "devices/midi/CSysexExtractor.h"

void CSysexExtractor::Feed(const std::uint8_t* bytes, std::size_t count, const MessageHandler& handler)
{
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t b = bytes[i];
        if (b == 0xF0) {
            fMessage.assign(1, b);
            fInside = true;
        } else if (!fInside || b >= 0xF8) {
            continue;
        } else if (b < 0x80) {
            fMessage.push_back(b);
        } else {
            fInside = false;
            if (b == 0xF7) {
                fMessage.push_back(b);
                handler(fMessage);
            }
        }
    }
}
