// Port lists: the stand-ins asked for and the names the preferences store.
#include <gtest/gtest.h>

#include "devices/midi/CRegisteredLoopbackMIDIInput.h"
#include "devices/midi/CMIDIPortLists.h"

TEST(MIDIPortLists, ListsTheLoopbackPairAndNamesWhatItDoesNotKnow)
{
    CMIDIPortLists lists;
    EXPECT_EQ(lists.ListStandInPorts("loopback,bogus,"), std::vector<std::string>{"bogus"});
    ASSERT_EQ(lists.InputCount(), 1);
    ASSERT_EQ(lists.OutputCount(), 1);
    EXPECT_EQ(lists.InputAt(0).PortName(), CMIDIPortLists::kLoopbackName);
    EXPECT_EQ(lists.OutputAt(0).DriverName(), CRegisteredLoopbackMIDIInput::kDriverName);
    EXPECT_EQ(lists.FindInput(CMIDIPortLists::kLoopbackName, "Loopback"), 0);
    EXPECT_EQ(lists.FindInput(CMIDIPortLists::kLoopbackName, "ALSA"), CMIDIPortLists::kNotFound);
}

TEST(MIDIPortLists, StoredNamesMatchByTheirFirst32Characters)
{
    CMIDIPortLists lists;
    lists.AddLoopbackPair("A port name that is longer than thirty-two characters");
    EXPECT_EQ(lists.OutputAt(0).PortName(), "A port name that is longer than ");
    EXPECT_EQ(lists.FindOutput("A port name that is longer than thirty-two", "Loopback"), 0);
    EXPECT_EQ(lists.FindOutput("A port name that is longer", "Loopback"), CMIDIPortLists::kNotFound);
}
