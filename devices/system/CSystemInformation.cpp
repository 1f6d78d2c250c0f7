#include "devices/system/CSystemInformation.h"

#include <fstream>
#include <sstream>
#include <sys/utsname.h>

#include "devices/midi/CMIDIPortLists.h"
#include "devices/scsi/CSCSIBus.h"
#include "devices/scsi/CSCSIBusTable.h"
#include "devices/sound/CSoundCardRegistry.h"

namespace {

std::vector<std::string> Lines(const std::string& path)
{
    std::ifstream file(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);)
        lines.push_back(line);
    return lines;
}

std::string Trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t\"");
    const std::size_t last = text.find_last_not_of(" \t\"");
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

// The value after "key" and its separator ('=' or ':') on the first line that has it.
std::string ValueOf(const std::vector<std::string>& lines, const std::string& key, char separator)
{
    for (const std::string& line : lines) {
        const std::size_t at = line.find(separator);
        if (at != std::string::npos && Trimmed(line.substr(0, at)) == key)
            return Trimmed(line.substr(at + 1));
    }
    return {};
}

CSystemInformation::Section OperatingSystem(const std::string& root)
{
    CSystemInformation::Section section{"Operating system", {}};
    utsname system{};
    if (uname(&system) == 0)
        section.lines.push_back(std::string(system.sysname) + " " + system.release + " (" + system.version + ")");
    const std::string distribution = ValueOf(Lines(root + "/etc/os-release"), "PRETTY_NAME", '=');
    if (!distribution.empty())
        section.lines.push_back(distribution);
    return section;
}

CSystemInformation::Section Processor(const std::string& root)
{
    const std::vector<std::string> cpu = Lines(root + "/proc/cpuinfo");
    int count = 0;
    for (const std::string& line : cpu)
        count += line.rfind("processor", 0) == 0;
    utsname system{};
    const std::string machine = uname(&system) == 0 ? system.machine : "unknown";
    std::string model = ValueOf(cpu, "model name", ':');
    if (model.empty())
        model = "unknown model";
    return {"Processor", {model + ", " + machine + ", " + std::to_string(count) + (count == 1 ? " core" : " cores")}};
}

CSystemInformation::Section Memory(const std::string& root)
{
    std::istringstream total(ValueOf(Lines(root + "/proc/meminfo"), "MemTotal", ':'));
    long kilobytes = 0;
    total >> kilobytes;
    return {"Physical memory", {kilobytes > 0 ? std::to_string(kilobytes / 1024) + " MB" : "unknown"}};
}

CSystemInformation::Section MIDIPorts(const CMIDIPortLists& ports)
{
    CSystemInformation::Section section{"MIDI ports", {}};
    for (std::uint16_t i = 0; i < ports.InputCount(); ++i)
        section.lines.push_back("In: " + ports.InputAt(i).PortName() + " (" + ports.InputAt(i).DriverName() + ")");
    for (std::uint16_t i = 0; i < ports.OutputCount(); ++i)
        section.lines.push_back("Out: " + ports.OutputAt(i).PortName() + " (" + ports.OutputAt(i).DriverName() + ")");
    if (section.lines.empty())
        section.lines.push_back("none");
    return section;
}

CSystemInformation::Section SCSIBuses(const CSCSIBusTable& buses)
{
    CSystemInformation::Section section{"SCSI buses", {}};
    for (std::uint16_t i = 0; i < buses.BusCount(); ++i) {
        const CSCSIBus& bus = *buses.BusAt(i);
        section.lines.push_back(bus.AdapterName() + " [" + bus.BusName() + "], host adapter ID " +
                                std::to_string(bus.AdapterId()));
    }
    if (section.lines.empty())
        section.lines.push_back("none");
    return section;
}

CSystemInformation::Section Sound(const std::string& root, const std::string& standInCards)
{
    CSystemInformation::Section section{"Sound drivers and cards", {}};
    const std::vector<std::string> version = Lines(root + "/proc/asound/version");
    section.lines.push_back(version.empty() ? "ALSA: no driver loaded" : "ALSA: " + version.front());
    for (const std::string& line : Lines(root + "/proc/asound/cards"))
        if (!line.empty() && line.find(']') != std::string::npos)
            section.lines.push_back("  card " + Trimmed(line));
    CSoundCardRegistry standIns;
    standIns.ListStandInCards(standInCards);
    for (std::uint16_t i = 0; i < standIns.Count(); ++i) {
        const CRegisteredSoundCard& card = standIns.CardAt(i);
        section.lines.push_back("Stand-in: " + card.DriverKind() + ", " + card.DeviceName() +
                                (card.ModuleName().empty() ? "" : " (" + card.ModuleName() + ")"));
    }
    return section;
}

}  // namespace

CSystemInformation CSystemInformation::Gather(const std::string& root, const std::string& standInCards,
                                              const CMIDIPortLists& ports, const CSCSIBusTable& buses)
{
    CSystemInformation information;
    information.Add(OperatingSystem(root));
    information.Add(Processor(root));
    information.Add(Memory(root));
    information.Add(MIDIPorts(ports));
    information.Add(SCSIBuses(buses));
    information.Add(Sound(root, standInCards));
    return information;
}

std::string CSystemInformation::Text() const
{
    std::string text = std::string(kHeading) + "\n";
    for (const Section& section : fSections) {
        text += "\n" + section.title + ":\n";
        for (const std::string& line : section.lines)
            text += "  " + line + "\n";
    }
    return text;
}
