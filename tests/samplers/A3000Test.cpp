// The A3000's messages byte for byte, its records, and the names and
// formats it takes.
#include <gtest/gtest.h>

#include <functional>

#include "framework/exceptions/SamplerExceptions.h"
#include "samplers/yamaha/A3000Dump.h"
#include "samplers/yamaha/CA3000ObjectList.h"
#include "samplers/yamaha/CA3000SampleBank.h"
#include "samplers/yamaha/CA3000SampleParameters.h"

namespace {

A3000::Bytes Ascii(std::string_view text)
{
    return A3000::Bytes(text.begin(), text.end());
}

// The block counts of a dump, walked independently of the reader.
std::vector<std::size_t> BlockCounts(const A3000::Bytes& dump)
{
    std::vector<std::size_t> counts;
    for (std::size_t at = 4; at + 1 < dump.size();) {
        const std::size_t count = (std::size_t{dump[at]} << 7) | dump[at + 1];
        std::uint8_t sum = 0;
        for (std::size_t i = 0; i < count; ++i)
            sum ^= dump[at + 2 + i];
        EXPECT_EQ(sum, dump[at + 2 + count]) << "checksum of block " << counts.size();
        counts.push_back(count);
        at += 2 + count + 1;
    }
    return counts;
}

}  // namespace

TEST(A3000Dump, RequestLayout)
{
    A3000::Bytes expected{0xF0, 0x43, 0x23, 0x7A};
    for (const char* part : {"LM  0278", "SP", "Kick"})
        for (const std::uint8_t b : Ascii(part))
            expected.push_back(b);
    expected.resize(expected.size() + 12, 0);
    expected.push_back(0xF7);
    const A3000::Bytes request = A3000::DumpRequest(3, "SP", "Kick");
    EXPECT_EQ(request, expected);
    EXPECT_EQ(request.size(), A3000::kRequestLength);
    std::uint8_t device = 0;
    std::string type, name;
    ASSERT_TRUE(A3000::ReadDumpRequest(request, device, type, name));
    EXPECT_EQ(std::tie(device, type, name), std::tie("\x03"[0], "SP", "Kick"));
}

TEST(A3000Dump, BlocksSplitNibblesAndRoundTrip)
{
    // Data bytes, and the block counts their nibbles take.
    const struct {
        std::size_t bytes;
        std::vector<std::size_t> counts;
    } cases[] = {
        {0, {26}},
        {1, {28}},
        {2035, {4096}},
        {2036, {4096, 2}},
        {2035 + 2048, {4096, 4096}},
        {2035 + 2049, {4096, 4096, 2}},
    };
    for (const auto& c : cases) {
        A3000::Bytes data(c.bytes);
        for (std::size_t i = 0; i < data.size(); ++i)
            data[i] = static_cast<std::uint8_t>(i * 37 + 0xA5);
        const A3000::Bytes dump = A3000::BulkDump(5, "OL", "Object List", data);
        EXPECT_EQ(A3000::Bytes(dump.begin(), dump.begin() + 4), (A3000::Bytes{0xF0, 0x43, 0x05, 0x7A}));
        EXPECT_EQ(BlockCounts(dump), c.counts) << c.bytes;
        if (c.bytes > 0)  // high nibble first
            EXPECT_EQ((A3000::Bytes{dump[32], dump[33]}), (A3000::Bytes{0x0A, 0x05}));
        EXPECT_EQ(A3000::ReadBulkDump(dump, "OL", "Object List"), data) << c.bytes;
    }
}

TEST(A3000Dump, BadDumpsAreRefused)
{
    const A3000::Bytes good = A3000::BulkDump(0, "SP", "Snare", A3000::Bytes(10, 0x3C));
    using Spoil = std::function<void(A3000::Bytes&)>;
    const struct {
        const char* what;
        Spoil spoil;
        std::string_view type;
        std::string_view name;
        std::function<void(const A3000::Bytes&)> expectThrow;
    } cases[] = {
        {"checksum", [](A3000::Bytes& d) { d[d.size() - 2] ^= 1; }, "SP", "Snare",
         [](const A3000::Bytes& d) { EXPECT_THROW(A3000::ReadBulkDump(d, "SP", "Snare"), XA3000ChecksumIncorrect); }},
        {"signature", [](A3000::Bytes& d) { d[6] = 'X'; }, "SP", "Snare",
         [](const A3000::Bytes& d) { EXPECT_THROW(A3000::ReadBulkDump(d, "SP", "Snare"), XA3000ReceivedInvalidSysex); }},
        {"short first count", [](A3000::Bytes& d) { d[5] = 25; }, "SP", "Snare",
         [](const A3000::Bytes& d) { EXPECT_THROW(A3000::ReadBulkDump(d, "SP", "Snare"), XA3000ReceivedInvalidSysex); }},
        {"byte before F7", [](A3000::Bytes& d) { d.insert(d.end() - 1, 0); }, "SP", "Snare",
         [](const A3000::Bytes& d) { EXPECT_THROW(A3000::ReadBulkDump(d, "SP", "Snare"), XA3000ReceivedInvalidSysex); }},
        {"block past F7", [](A3000::Bytes& d) { d.erase(d.end() - 2); }, "SP", "Snare",
         [](const A3000::Bytes& d) { EXPECT_THROW(A3000::ReadBulkDump(d, "SP", "Snare"), XA3000ReceivedInvalidSysex); }},
        {"other type", [](A3000::Bytes&) {}, "SB", "Snare",
         [](const A3000::Bytes& d) { EXPECT_THROW(A3000::ReadBulkDump(d, "SB", "Snare"), XMIDICommunicationException); }},
        {"other name", [](A3000::Bytes&) {}, "SP", "snare",
         [](const A3000::Bytes& d) { EXPECT_THROW(A3000::ReadBulkDump(d, "SP", "snare"), XMIDICommunicationException); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        A3000::Bytes dump = good;
        c.spoil(dump);
        c.expectThrow(dump);
    }
}

TEST(A3000Dump, SampleNamesKeepTheAllowedCharacters)
{
    const std::pair<std::string, std::string> cases[] = {
        {"Kick 1", "Kick 1"}, {"a\tb\\c", "abc"}, {"\xC3\x84\xC3\x96", "?"}, {"{x}@\"'`~|^", "{x}@\"'`~|^"}, {"", "?"},
    };
    for (const auto& [name, kept] : cases)
        EXPECT_EQ(A3000::AllowedName(name), kept) << name;
}

TEST(A3000SampleBank, DumpSizeAndRoundTrip)
{
    const std::pair<std::size_t, std::size_t> cases[] = {{0, 436}, {8, 436}, {9, 456}, {92, 2116}};
    for (const auto& [members, bytes] : cases) {
        CA3000SampleBank bank;
        bank.SetName("Break");
        bank.SetTransposition(-70);
        for (std::size_t i = 0; i < members; ++i) {
            const auto key = static_cast<std::uint8_t>(36 + i);
            bank.AddMember({"Break " + std::to_string(i), key, key, key, 100});
        }
        const A3000::Bytes data = bank.Data();
        EXPECT_EQ(data.size(), bytes) << members;
        const CA3000SampleBank back = CA3000SampleBank::Read(data);
        EXPECT_EQ(back.Name(), "Break");
        EXPECT_EQ(back.Transposition(), -63);
        EXPECT_EQ(back.Members(), bank.Members());
    }
    EXPECT_EQ(CA3000SampleBank().Name(), "Unnamed SmpBank");
}

TEST(A3000ObjectList, FindsByExactName)
{
    CA3000ObjectList list;
    list.Append({CA3000ObjectList::kSample, "Kick"});
    list.Append({CA3000ObjectList::kSampleBank, "Kit"});
    list.Append({CA3000ObjectList::kSample, "Snare"});
    const CA3000ObjectList back = CA3000ObjectList::Read(list.Data());
    EXPECT_EQ(back.Count(CA3000ObjectList::kSample), 2u);
    EXPECT_EQ(back.Nth(CA3000ObjectList::kSample, 1)->name, "Snare");
    const auto snare = back.Find(CA3000ObjectList::kSample, "Snare");
    ASSERT_TRUE(snare);
    EXPECT_EQ(std::make_pair(snare->index, snare->indexOfKind), std::make_pair(std::size_t{2}, std::size_t{1}));
    EXPECT_FALSE(back.Find(CA3000ObjectList::kSample, "kick"));
    EXPECT_FALSE(back.Find(CA3000ObjectList::kSample, "Kit"));
    EXPECT_EQ(back.Missing(CA3000ObjectList::kSample, {"Kick", "kick", "Hat"}), (std::vector<std::string>{"kick", "Hat"}));
    EXPECT_THROW(CA3000ObjectList::Read(A3000::Bytes(19)), XA3000ReceivedInvalidSysex);
}

TEST(A3000SampleParameters, FormatsAreAdjustedToTheSampler)
{
    const SampleLoop none{};
    const SampleLoop alternating{LoopMode::kAlternating, 10, 90};
    const struct {
        const char* what;
        SampleFormat in;
        std::function<void(const SampleFormat&)> check;
    } cases[] = {
        {"rate, channels, bits", {"K", 6, 24, 96000, 200, 0, 100}, [](const SampleFormat& f) {
             EXPECT_EQ(std::tie(f.rate, f.channels, f.bits), std::make_tuple(65535u, std::uint8_t{2}, std::uint8_t{16}));
         }},
        {"tail", {"K", 1, 16, 44100, 100, 0, 100}, [](const SampleFormat& f) { EXPECT_EQ(f.length, 104u); }},
        {"no loop data", {"K", 1, 16, 44100, 200, 5, 100, none}, [](const SampleFormat& f) {
             EXPECT_EQ(std::tie(f.sustain.mode, f.sustain.start, f.sustain.end), std::make_tuple(LoopMode::kOff, 5u, 100u));
         }},
        {"alternating", {"K", 1, 16, 44100, 200, 0, 100, alternating}, [](const SampleFormat& f) {
             EXPECT_EQ(f.sustain.mode, LoopMode::kForward);
         }},
        {"release loop", {"K", 1, 16, 44100, 200, 0, 100, {LoopMode::kOff, 0, 9}, alternating},
         [](const SampleFormat& f) {
             EXPECT_EQ(std::make_pair(f.sustain.mode, f.release.mode), std::make_pair(LoopMode::kForward, LoopMode::kOff));
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SampleFormat format = c.in;
        CA3000SampleParameters::AdjustFormat(format);
        c.check(format);
    }
    // Cents on the sampler's step: 0.85333 steps a cent, 1.171875 cents a step.
    const std::pair<std::int32_t, std::int16_t> tunes[] = {{0, 0}, {10, 11}, {-10, -11}, {1, 1}, {50, 50}, {99, 98}};
    for (const auto& [cents, rounded] : tunes)
        EXPECT_EQ(CA3000SampleParameters::RoundFineTune(cents), rounded) << cents;
}

TEST(A3000SampleParameters, RecordRoundTrip)
{
    SampleFormat format{"Hat 3", 1, 16, 32000, 1204, 0, 1200, {LoopMode::kForward, 100, 1200}};
    format.rootKey = format.lowestKey = format.highestKey = 40;
    format.fineTune = 11;
    CA3000SampleParameters record;
    record.Describe(format);
    ASSERT_EQ(record.Data().size(), 172u);
    const SampleFormat back = CA3000SampleParameters::Read(record.Data()).Format();
    EXPECT_EQ(std::tie(back.name, back.rate, back.length, back.end, back.rootKey, back.highestKey, back.fineTune),
              std::tie(format.name, format.rate, format.length, format.end, format.rootKey, format.highestKey,
                       format.fineTune));
    EXPECT_EQ(std::tie(back.sustain.mode, back.sustain.start), std::tie(format.sustain.mode, format.sustain.start));
    EXPECT_THROW(CA3000SampleParameters::Read(A3000::Bytes(171)), XA3000ReceivedInvalidSysex);
}
