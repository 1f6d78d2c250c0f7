#include "devices/scsi/CSCSITraceWriter.h"

#include <cctype>
#include <cstdarg>
#include <cstdio>

namespace {

void Print(std::string& out, const char* format, ...)
{
    char text[128];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    out += text;
}

}  // namespace

std::string CSCSITraceWriter::KindName(std::int32_t kind)
{
    switch (kind) {
    case SCSIResult::kGood:
        return "good";
    case SCSIResult::kCheckCondition:
        return "check condition";
    case SCSIResult::kBusy:
        return "busy";
    case SCSIResult::kReservationConflict:
        return "reservation conflict";
    case SCSIResult::kQueueFull:
        return "queue full";
    case SCSIResult::kNoDevice:
        return "no device";
    case SCSIResult::kTimedOut:
        return "timed out";
    case SCSIResult::kInterfaceBusy:
        return "interface busy";
    case SCSIResult::kAborted:
        return "aborted";
    case SCSIResult::kShort:
        return "short transfer";
    default:
        return "status " + std::to_string(kind);
    }
}

void CSCSITraceWriter::Record(std::int64_t milliseconds, std::uint8_t id, const SCSICommandBlock& command,
                              SCSIDirection direction, std::uint32_t length, const SCSIResult& result,
                              const std::uint8_t* data, std::uint32_t moved)
{
    static const char* const kDirections[] = {"in", "out", "none"};
    std::string entry;
    Print(entry, "%lld ms  ID %u  %s %u  CDB", static_cast<long long>(milliseconds), id,
          kDirections[static_cast<int>(direction)], length);
    for (std::size_t i = 0; i < command.Length(); ++i)
        Print(entry, " %02X", command[i]);
    Print(entry, "\n  result: %s (%d)", KindName(result.kind).c_str(), result.kind);
    if (result.kind == SCSIResult::kShort)
        Print(entry, ", %u bytes not moved", result.residual);
    if (result.senseLength) {
        entry += ", sense";
        for (std::uint32_t i = 0; i < result.senseLength; ++i)
            Print(entry, " %02X", result.sense[i]);
    }
    entry += '\n';
    if (moved)
        Print(entry, "  data (%u bytes):\n", moved);
    for (std::uint32_t line = 0; line < moved; line += 16) {
        Print(entry, "    %04X ", line);
        std::string text;
        for (std::uint32_t i = line; i < line + 16; ++i) {
            if (i < moved) {
                Print(entry, " %02X", data[i]);
                text += std::isprint(data[i]) ? static_cast<char>(data[i]) : '.';
            } else {
                entry += "   ";
            }
        }
        entry += "  " + text + '\n';
    }
    fFile.Append(entry);
}
