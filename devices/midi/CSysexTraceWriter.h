#pragma once
// Writes the system-exclusive messages of one port and direction, as they
// went over the wire, into a standard .syx file: the raw F0 ... F7 bytes of
// each complete message and nothing else, each message reaching the file at
// once so that it survives a crash. A file that exists is appended to.
#include <cstddef>
#include <cstdint>
#include <string>

#include "devices/midi/CSysexExtractor.h"
#include "framework/files/CTraceFile.h"

class CSysexTraceWriter {
public:
    enum class Direction { kIn, kOut };

    // "<folder>/<port name>.in.syx" or ".out.syx".
    static std::string PathFor(const std::string& folder, const std::string& portName, Direction direction)
    {
        return CTraceFile::PathFor(folder, portName, direction == Direction::kIn ? ".in.syx" : ".out.syx");
    }

    // Raises XCreateFailed when the file cannot be opened.
    explicit CSysexTraceWriter(const std::string& path) : fFile(path) {}

    // The bytes as they went over the wire, in order.
    void Record(const std::uint8_t* bytes, std::size_t count)
    {
        fExtractor.Feed(bytes, count, [this](const std::vector<std::uint8_t>& m) { fFile.Append(m.data(), m.size()); });
    }

private:
    CTraceFile fFile;
    CSysexExtractor fExtractor;
};
