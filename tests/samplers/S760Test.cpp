// The S-760's wire layouts and encodings: Roland messages and the address
// map, the sample parameter block with its stored addresses, loop fitting,
// rates, names, and file-list messages taken apart without reading past
// their end.
#include <gtest/gtest.h>

#include "framework/exceptions/Exceptions.h"
#include "samplers/roland/CRolandLink.h"
#include "samplers/roland/CS760FileList.h"
#include "samplers/roland/S760AddressMap.h"
#include "samplers/roland/S760Names.h"
#include "samplers/roland/S760SampleParameters.h"

using Roland::Bytes;

TEST(S760Messages, LayoutsOnTheWire)
{
    const std::uint8_t digits[] = {0x00, 0x01, 0x02, 0x0C};  // sample 300
    const struct {
        const char* name;
        Bytes message;
        Bytes expected;
    } cases[] = {
        {"identity request", Roland::AddressSizeMessage(0, Roland::kRQ1, S760::kIdentityAddress, 32),
         {0xF0, 0x41, 0x00, 0x34, 0x11, 0, 0, 0, 0, 0, 0, 0, 0x20, 0x60, 0xF7}},
        {"sample 0 parameters read", Roland::AddressSizeMessage(3, Roland::kRQD, S760::SampleAddress(0), 96),
         {0xF0, 0x41, 0x03, 0x34, 0x41, 0x00, 0x0C, 0x00, 0x00, 0, 0, 0, 0x60, 0x14, 0xF7}},
        {"remote mode on", Roland::AddressDataMessage(0, Roland::kDT1, S760::kRemoteSwitch, Bytes{0, 1}.data(), 2),
         {0xF0, 0x41, 0x00, 0x34, 0x12, 0x01, 0x00, 0x00, 0x08, 0x00, 0x01, 0x76, 0xF7}},
        {"delete sample 300", Roland::AddressDataMessage(0, Roland::kDT1, S760::kDeleteRegister, digits, 4),
         {0xF0, 0x41, 0x00, 0x34, 0x12, 0x01, 0x00, 0x00, 0x20, 0x00, 0x01, 0x02, 0x0C, 0x50, 0xF7}},
        {"acknowledge", Roland::ShortMessage(5, Roland::kACK), {0xF0, 0x41, 0x05, 0x34, 0x43, 0xF7}},
        {"patch 0 at 00 04 00 00", Roland::AddressSizeMessage(0, Roland::kWSD, S760::PatchAddress(0), 512),
         {0xF0, 0x41, 0x00, 0x34, 0x40, 0x00, 0x04, 0x00, 0x00, 0, 0, 0x04, 0x00, 0x78, 0xF7}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.message, c.expected) << c.name;
}

TEST(S760Messages, ParsedDataIsCheckedAgainstTheMessage)
{
    const Bytes data = {1, 2, 3};
    const Bytes good = Roland::AddressDataMessage(0, Roland::kDT1, 0x1000, data.data(), data.size());
    Bytes badSum = good;
    badSum[badSum.size() - 2] ^= 1;
    EXPECT_EQ(CRolandLink::ParseData(good, Roland::kDT1, 0x1000, 3), data);
    EXPECT_THROW(CRolandLink::ParseData(good, Roland::kDAT, 0x1000, 3), XRolandUnexpectedCommand);
    EXPECT_THROW(CRolandLink::ParseData(good, Roland::kDT1, 0x1001, 3), XRolandUnexpectedAddress);
    EXPECT_THROW(CRolandLink::ParseData(good, Roland::kDT1, 0x1000, 2), XSysexTooBig);
    EXPECT_THROW(CRolandLink::ParseData(badSum, Roland::kDT1, 0x1000, 3), XSysexChecksumFailure);
    EXPECT_NO_THROW(CRolandLink::CheckCommand(Roland::kACK, Roland::kACK));
    EXPECT_THROW(CRolandLink::CheckCommand(Roland::kERR, Roland::kACK), XSysexCommunicationException);
    EXPECT_THROW(CRolandLink::CheckCommand(Roland::kRJC, Roland::kACK), XRolandRejectException);
    EXPECT_THROW(CRolandLink::CheckCommand(Roland::kDAT, Roland::kACK), XRolandUnexpectedCommand);
}

TEST(S760SampleParameters, SliceFittedStoredAndReadBack)
{
    SampleFormat slice;
    slice.name = "BRK:LOOP       2";
    slice.rate = 44100;
    slice.length = slice.end = 10000;
    slice.sustain = {LoopMode::kOff, 0, 10000};
    slice.rootKey = 37;
    S760::FitLoopPoints(slice);
    EXPECT_EQ(slice.length, 13820u);
    EXPECT_EQ(slice.end, 10000u);
    EXPECT_EQ(slice.release.start, 10010u);
    EXPECT_EQ(slice.release.end, 10014u);

    const S760::SampleParameters parameters = S760::FormatToParameters(slice, 2, 3, S760::Half::kMono);
    const auto block = parameters.Encode();
    // Frame 0 of segment 2: 2 × 4608 × 256, stored plus 2048.
    const std::uint8_t start[] = {0x00, 0x08, 0x24, 0x00};
    EXPECT_TRUE(std::equal(start, start + 4, block.begin() + 16));
    EXPECT_EQ(block[36], 2);  // loop off: the sample ends at the sustain loop's end
    EXPECT_EQ(block[40], 2);
    EXPECT_EQ(block[42], 3);
    EXPECT_EQ(block[44], 1);  // 44100
    EXPECT_EQ(block[45], 37);
    EXPECT_EQ(std::string(block.begin(), block.begin() + 16), slice.name);

    const SampleFormat back = S760::ParametersToFormat(S760::SampleParameters::Decode(block));
    EXPECT_EQ(back.name, slice.name);
    EXPECT_EQ(back.length, 13820u);
    EXPECT_EQ(back.start, 0u);
    EXPECT_EQ(back.end, 10000u);
    EXPECT_EQ(back.sustain.mode, LoopMode::kOff);
    EXPECT_EQ(back.sustain.end, 10000u);
    EXPECT_EQ(back.rate, 44100u);
    EXPECT_EQ(back.rootKey, 37);
    EXPECT_TRUE(S760::SampleParameters::Empty().IsEmpty());
}

TEST(S760SampleParameters, RatesSnapUpToTheTable)
{
    const std::pair<std::uint32_t, std::uint32_t> rates[] = {
        {46000, 48000}, {44100, 44100}, {11025, 15000}, {50000, 48000}, {23000, 24000}, {30000, 30000}};
    for (const auto& [rate, snapped] : rates)
        EXPECT_EQ(S760::SnapRate(rate), snapped) << rate;
    EXPECT_EQ(S760::RateOfIndex(9), 44100u);
}

TEST(S760Names, Forms)
{
    const struct {
        std::string made;
        std::string expected;
    } cases[] = {
        {S760::SampleNameForm("Kick"), "   :Kick"},
        {S760::SampleNameForm("DRM:A very long name"), "DRM:A very long "},
        {S760::PatchNameForm("Amen Break Loop"), "QLT:Amen Break L"},
        {S760::PatchNameForm("AB:Loop"), "AB :Loop"},
        {S760::PatchNameForm("ABCD:Loop"), "ABC:Loop"},
        {S760::ShownName(S760::StereoHalfName("   :Pad", true)), "   :Pad"},
        {S760::StereoHalfName("   :Pad", false).substr(14), "\x7FL"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.made, c.expected);
}

TEST(S760FileList, MessagesTakenApartEntryByEntry)
{
    const auto entry = [](std::uint32_t category, std::uint16_t number, const char* name) {
        return CS760FileList::EntryBytes({category, number, name});
    };
    const auto join = [](std::initializer_list<Bytes> parts) {
        Bytes all;
        for (const Bytes& part : parts)
            all.insert(all.end(), part.begin(), part.end());
        return all;
    };
    const Bytes two = join({entry(5, 300, "   :Kick"), entry(5, 7, "   :Snare")});
    const struct {
        const char* name;
        Bytes data;
        bool ended;
        std::size_t entries;
    } good[] = {
        {"two, more to come", two, false, 2},
        {"two and the end", join({two, Bytes(20, 0)}), true, 2},
        {"ended at once", Bytes(20, 0), true, 0},
        {"an end shorter than an entry", join({two, Bytes{0}}), true, 2},
    };
    for (const auto& c : good) {
        CS760FileList list(16);
        EXPECT_EQ(list.AddFromMessage(c.data.data(), c.data.size(), 5), c.ended) << c.name;
        EXPECT_EQ(list.Count(), c.entries) << c.name;
    }
    CS760FileList list(16);
    list.AddFromMessage(two.data(), two.size(), 5);
    EXPECT_EQ(list.At(0).number, 300);
    EXPECT_EQ(list.At(1).name, "   :Snare");
    EXPECT_EQ(list.LowestFree(5, 512), 0);

    // A piece of an entry at the end is refused, not read past.
    const Bytes cut(two.begin(), two.begin() + 25);
    EXPECT_THROW(CS760FileList(16).AddFromMessage(cut.data(), cut.size(), 5), XSysexInvalidSize);
    EXPECT_THROW(CS760FileList(16).AddFromMessage(two.data(), two.size(), 4), XS760UnexpectedCategoryReceived);
    EXPECT_THROW(CS760FileList(1).AddFromMessage(two.data(), two.size(), 5), XS760FileListTooSmall);
}

TEST(S760FileList, StereoHalvesJoined)
{
    const std::string left = S760::StereoHalfName("   :Pad", false);
    const std::string right = S760::StereoHalfName("   :Pad", true);
    const std::vector<CS760FileList::Entry> held = {
        {5, 1, left}, {5, 2, right}, {5, 3, "   :Kick"}, {5, 4, right}, {5, 5, left}};
    std::vector<std::pair<std::uint16_t, std::string>> listed;
    for (const CS760FileList::Entry& entry : CS760FileList::JoinStereoHalves(held))
        listed.emplace_back(entry.number, entry.name);
    // A right half before its left one is no pair.
    EXPECT_EQ(listed, (std::vector<std::pair<std::uint16_t, std::string>>{
                          {1, "   :Pad"}, {3, "   :Kick"}, {4, "   :Pad"}, {5, "   :Pad"}}));
}
