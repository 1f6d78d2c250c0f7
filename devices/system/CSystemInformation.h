#pragma once
// What the machine is, as Help > System Information and the batch tool's
// sysinfo show it: the operating system and its version, the processor, the
// physical memory, the MIDI ports, the SCSI buses, and the sound drivers and
// cards, each a titled section of lines, under the heading "System
// Information".
#include <string>
#include <vector>

class CMIDIPortLists;
class CSCSIBusTable;

class CSystemInformation {
public:
    static constexpr const char* kHeading = "System Information";

    struct Section {
        std::string title;
        std::vector<std::string> lines;
    };

    // Reads the machine; the files of /proc and /etc are looked for below
    // root. standInCards names the stand-in sound cards as the environment
    // variable does; ports and buses are the lists found at start-up.
    static CSystemInformation Gather(const std::string& root, const std::string& standInCards,
                                     const CMIDIPortLists& ports, const CSCSIBusTable& buses);

    void Add(Section section) { fSections.push_back(std::move(section)); }
    const std::vector<Section>& Sections() const { return fSections; }
    // The heading, then each section's title and its lines, indented.
    std::string Text() const;

private:
    std::vector<Section> fSections;
};
