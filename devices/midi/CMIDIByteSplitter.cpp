#include "devices/midi/CMIDIByteSplitter.h"

namespace {

std::uint8_t DataBytesOf(std::uint8_t status)
{
    if (status < 0xF0)
        return (status & 0xE0) == 0xC0 ? 1 : 2;  // program change and channel pressure take one
    switch (status) {
    case 0xF1:
    case 0xF3:
        return 1;
    case 0xF2:
        return 2;
    default:
        return 0;
    }
}

}  // namespace

void CMIDIByteSplitter::Split(const std::uint8_t* bytes, std::size_t count, std::uint32_t time, CABCHandler& handler)
{
    std::size_t runStart = 0;
    std::size_t runLength = 0;
    auto flush = [&] {
        if (runLength)
            handler.OnSysexBytes(bytes + runStart, runLength);
        runLength = 0;
    };
    auto keep = [&](std::size_t i) {
        if (!runLength)
            runStart = i;
        ++runLength;
    };

    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t b = bytes[i];
        if (b >= 0xF8) {
            flush();
            handler.OnShortEvent({time, b, 0, 0});
        } else if (b == 0xF0 || b == 0xF7) {
            keep(i);
            fInSysex = b == 0xF0;
            fStatus = 0;
            fRunning = false;
        } else if (b >= 0x80) {
            if (fInSysex)
                keep(i);
            fInSysex = false;
            flush();
            StartShort(b, time, handler);
        } else if (fInSysex || fStatus == 0) {
            keep(i);
        } else {
            fData[fCollected++] = b;
            if (fCollected == fNeeded) {
                handler.OnShortEvent({time, fStatus, fData[0], fNeeded > 1 ? fData[1] : std::uint8_t{0}});
                fCollected = 0;
                if (!fRunning)
                    fStatus = 0;
            }
        }
    }
    flush();
}

void CMIDIByteSplitter::StartShort(std::uint8_t status, std::uint32_t time, CABCHandler& handler)
{
    fNeeded = DataBytesOf(status);
    fCollected = 0;
    fRunning = status < 0xF0;
    fStatus = status;
    if (fNeeded == 0) {
        handler.OnShortEvent({time, status, 0, 0});
        fStatus = 0;
        fRunning = false;
    }
}
