// The description of the machine, read from a made-up /proc and /etc.
#include <gtest/gtest.h>

#include <fstream>
#include <sys/utsname.h>

#include "devices/midi/CMIDIPortLists.h"
#include "devices/scsi/CSCSIBusTable.h"
#include "devices/system/CSystemInformation.h"
#include "tests/support/FileTestSupport.h"

namespace {

void Write(const std::filesystem::path& file, const std::string& text)
{
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file) << text;
}

const std::vector<std::string>& Lines(const CSystemInformation& information, const std::string& title)
{
    for (const CSystemInformation::Section& section : information.Sections())
        if (section.title == title)
            return section.lines;
    static const std::vector<std::string> kNone;
    return kNone;
}

}  // namespace

TEST(SystemInformation, ReadsTheMachineFromProcAndEtc)
{
    CTempFolder root;
    Write(root / "etc/os-release", "NAME=\"Debian\"\nPRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\n");
    Write(root / "proc/cpuinfo", "processor\t: 0\nmodel name\t: Test CPU 3000\n\nprocessor\t: 1\nmodel name\t: Test CPU 3000\n");
    Write(root / "proc/meminfo", "MemTotal:        2097152 kB\nMemFree: 1 kB\n");
    Write(root / "proc/asound/version", "Advanced Linux Sound Architecture Driver Version k6.1.0.\n");
    Write(root / "proc/asound/cards", " 0 [PCH            ]: HDA-Intel - HDA Intel PCH\n"
                                      "                      HDA Intel PCH at 0xf7f10000 irq 32\n");
    CMIDIPortLists ports;
    ports.AddLoopbackPair("Loopback 1");
    CSCSIBusTable buses;
    buses.ListStandInBuses("simulated");
    const CSystemInformation information = CSystemInformation::Gather(root.Path().string(), "null", ports, buses);

    utsname system{};
    ASSERT_EQ(uname(&system), 0);
    EXPECT_EQ(Lines(information, "Operating system").back(), "Debian GNU/Linux 12 (bookworm)");
    EXPECT_EQ(Lines(information, "Processor"),
              std::vector<std::string>{std::string("Test CPU 3000, ") + system.machine + ", 2 cores"});
    EXPECT_EQ(Lines(information, "Physical memory"), std::vector<std::string>{"2048 MB"});
    EXPECT_EQ(Lines(information, "Sound drivers and cards"),
              (std::vector<std::string>{"ALSA: Advanced Linux Sound Architecture Driver Version k6.1.0.",
                                        "  card 0 [PCH            ]: HDA-Intel - HDA Intel PCH",
                                        "Stand-in: Null, Null output"}));

    EXPECT_EQ(Lines(information, "MIDI ports"),
              (std::vector<std::string>{"In: Loopback 1 (Loopback)", "Out: Loopback 1 (Loopback)"}));
    EXPECT_EQ(Lines(information, "SCSI buses"),
              std::vector<std::string>{"Simulated host adapter [Simulated SCSI bus], host adapter ID 7"});

    const CSystemInformation empty =
        CSystemInformation::Gather((root / "nothing").string(), "", CMIDIPortLists(), CSCSIBusTable());
    EXPECT_EQ(Lines(empty, "MIDI ports"), std::vector<std::string>{"none"});
    EXPECT_EQ(Lines(empty, "Physical memory"), std::vector<std::string>{"unknown"});
    EXPECT_EQ(Lines(empty, "Sound drivers and cards"), std::vector<std::string>{"ALSA: no driver loaded"});
}

TEST(SystemInformation, TextHasTheHeadingAndIndentedSections)
{
    CSystemInformation information;
    information.Add({"Processor", {"One"}});
    information.Add({"Physical memory", {"2 MB", "more"}});
    EXPECT_EQ(information.Text(), "System Information\n\nProcessor:\n  One\n\nPhysical memory:\n  2 MB\n  more\n");
}
