// The K2000/K2500 exclusive messages byte for byte, the bit-stream packing,
// the checks on what the instrument sends, and the keymap and program
// layouts: round trips, the offsets from the instrument checked against the
// data, and the transposition carried into the coarse tune.
#include <gtest/gtest.h>

#include <functional>

#include "framework/exceptions/Exceptions.h"
#include "samplers/kurzweil/CK2000Keymap.h"
#include "samplers/kurzweil/CK2000Program.h"
#include "samplers/kurzweil/KurzweilMessages.h"

namespace {

using Kurzweil::Bytes;

// A write of the one data byte FF as keymap 1 named "K".
const Bytes kWrite = {0xF0, 0x07, 0x03, 0x78, 0x09, 0x01, 0x05, 0x00, 0x01, 0x00, 0x00,
                      0x01, 0x01, 0x4B, 0x00, 0x01, 0x7F, 0x40, 0x3F, 0xF7};

Bytes Changed(Bytes bytes, std::size_t at, std::uint8_t value)
{
    bytes[at] = value;
    return bytes;
}

template <typename Fault>
bool Raises(const std::function<void()>& work)
{
    try {
        work();
    } catch (const Fault&) {
        return true;
    } catch (...) {
    }
    return false;
}

}  // namespace

TEST(KurzweilMessages, BitStreamTakesSevenBitsAWireByteFromTheTop)
{
    const struct {
        Bytes data;
        std::size_t wireLength;
        Bytes wire;  // empty: not checked byte for byte
    } cases[] = {
        {{0xFF}, 2, {0x7F, 0x40}},
        {{0x81, 0, 0, 0, 0, 0, 0x01}, 8, {0x40, 0x40, 0, 0, 0, 0, 0, 0x01}},
        {Bytes(14, 0xAA), 16, {}},
    };
    for (const auto& c : cases) {
        const Bytes wire = Kurzweil::PackBitStream(c.data);
        EXPECT_EQ(wire.size(), c.wireLength);
        EXPECT_TRUE(c.wire.empty() || wire == c.wire);
        EXPECT_EQ(Kurzweil::UnpackBitStream(wire.data(), wire.size()), c.data);
    }
    EXPECT_EQ(Kurzweil::UnpackedLength(9), 7u);
}

TEST(KurzweilMessages, EveryMessageHasItsLayout)
{
    const struct {
        const char* what;
        Bytes built;
        Bytes expected;
    } cases[] = {
        {"directory", Kurzweil::DirectoryRequest(3, {132, 250}), {0xF0, 7, 3, 0x78, 4, 1, 4, 1, 0x7A, 0xF7}},
        {"delete", Kurzweil::DeleteRequest(3, {133, 5}), {0xF0, 7, 3, 0x78, 7, 1, 5, 0, 5, 0xF7}},
        {"name", Kurzweil::NameRequest(3, {134, 200}, "AB"),
         {0xF0, 7, 3, 0x78, 8, 1, 6, 1, 0x48, 1, 0x48, 0x41, 0x42, 0, 0xF7}},
        {"read", Kurzweil::ReadRequest(3, {132, 1}), {0xF0, 7, 3, 0x78, 0x0A, 1, 4, 0, 1, 1, 0xF7}},
        {"acknowledge", Kurzweil::Acknowledge(3, {134, 201}, 0, 12),
         {0xF0, 7, 3, 0x78, 2, 1, 6, 1, 0x49, 0, 0, 0, 0, 0, 0x0C, 0xF7}},
        {"refusal", Kurzweil::Refusal(3, {132, 7}, 5),
         {0xF0, 7, 3, 0x78, 3, 1, 4, 0, 7, 0, 0, 0, 0, 0, 0, 5, 0xF7}},
        {"information", Kurzweil::InfoMessage(3, {{132, 250}, 272, 0, "X"}),
         {0xF0, 7, 3, 0x78, 5, 1, 4, 1, 0x7A, 0, 2, 0x10, 0, 0x58, 0, 0xF7}},
        {"write", Kurzweil::WriteMessage(3, {{133, 1}, 1, 1, "K", 1, {0xFF}}), kWrite},
        {"end of listing", Kurzweil::EndOfListing(3), {0xF0, 7, 3, 0x78, 0x0D, 0xF7}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.built, c.expected) << c.what;

    const Kurzweil::ObjectWrite write = Kurzweil::ParseWrite(kWrite);
    EXPECT_EQ(write.object, (Kurzweil::ObjectId{133, 1}));
    EXPECT_EQ(write.name, "K");
    EXPECT_EQ(write.data, Bytes{0xFF});
    EXPECT_EQ(Kurzweil::ParseInfo(cases[6].built).size, 272u);
}

TEST(KurzweilMessages, WhatTheInstrumentSendsIsCheckedAgainstItsLength)
{
    const Bytes info = Kurzweil::InfoMessage(3, {{132, 250}, 272, 0, "NAME"});
    Bytes unended = info;
    unended.erase(unended.end() - 2);
    Bytes truncated = kWrite;
    truncated.resize(15);
    truncated.push_back(0xF7);
    const struct {
        const char* what;
        std::function<void()> parse;
        bool (*raises)(const std::function<void()>&);
    } cases[] = {
        {"name without its end", [&] { Kurzweil::ParseInfo(unended); }, Raises<XSysexTooSmall>},
        {"information under 15 bytes", [&] { Kurzweil::ParseInfo(Bytes(info.begin(), info.begin() + 14)); },
         Raises<XSysexTooSmall>},
        {"form 02", [] { Kurzweil::ParseWrite(Changed(kWrite, 15, 0x02)); }, Raises<XKurzweilNotBitStream>},
        {"checksum", [] { Kurzweil::ParseWrite(Changed(kWrite, 18, 0x3E)); }, Raises<XSysexChecksumFailure>},
        {"size above the data", [] { Kurzweil::ParseWrite(Changed(kWrite, 11, 0x02)); }, Raises<XSysexTooSmall>},
        {"write cut after its name", [&] { Kurzweil::ParseWrite(truncated); }, Raises<XSysexTooSmall>},
        {"short acknowledgement", [] { Kurzweil::AcknowledgedId(Bytes(15, 0)); }, Raises<XSysexTooSmall>},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(c.raises(c.parse)) << c.what;
}

TEST(K2000Keymap, LayoutRoundTripsAndBadOffsetsAreRefused)
{
    CK2000Keymap keymap(250, "LOOP", 128);
    *keymap.Find(0, 36) = {-2400, 7, 201, 1};
    const Bytes data = keymap.Data();
    ASSERT_EQ(data.size(), 28u + 128 * 6);
    EXPECT_EQ(data[9], 127);                    // entries - 1
    EXPECT_EQ(data[11], 6);                     // bytes per entry
    EXPECT_EQ((Bytes{data[26], data[27]}), (Bytes{0, 2}));  // zone 7: -14 + 16
    EXPECT_EQ((Bytes(data.begin() + 28 + 24 * 6, data.begin() + 28 + 25 * 6)),
              (Bytes{0xF6, 0xA0, 7, 0, 201, 1}));
    CK2000Keymap back(250, "");
    back.Read(data);
    EXPECT_EQ(*back.Find(7, 36), *keymap.Find(0, 36));
    EXPECT_EQ(back.SampleIds(), std::set<std::uint16_t>{201});

    const struct {
        const char* what;
        Bytes data;
    } bad[] = {
        {"129 entries", Changed(data, 9, 128)},
        {"5 bytes per entry", Changed(data, 11, 5)},
        {"offset inside a table", Changed(data, 27, 3)},
        {"table past the data", Changed(data, 26, 0x03)},
        {"no tables", Bytes(data.begin(), data.begin() + 27)},
    };
    for (const auto& c : bad) {
        CK2000Keymap read(1, "");
        EXPECT_THROW(read.Read(c.data), XK2000InvalidFormat) << c.what;
    }
}

TEST(K2000Program, TagsAndLayersAreCheckedAndTranspositionCarries)
{
    const Bytes data = CK2000Program(250, "LOOP", 77).Data();
    CK2000Program program(1, "");
    program.Read(data);
    EXPECT_EQ(program.FirstKeymap(0), 77);
    EXPECT_EQ(program.HighKey(0), 127);

    const struct {
        const char* what;
        Bytes data;
        bool tag;
    } bad[] = {
        {"head tag", Changed(data, 0, 0x09), true},
        {"segment tag", Changed(data, 36, 0x00), true},
        {"keymap segment tag", Changed(data, 48 + 128, 0x41), true},
        {"format 3", Changed(data, 1, 3), false},
        {"two layers, data of one", Changed(data, 2, 2), false},
        {"under 256 bytes", Bytes(data.begin(), data.begin() + 255), false},
    };
    for (const auto& c : bad) {
        CK2000Program read(1, "");
        if (c.tag)
            EXPECT_THROW(read.Read(c.data), XK2000InvalidTag) << c.what;
        else
            EXPECT_THROW(read.Read(c.data), XK2000InvalidFormat) << c.what;
    }

    const struct {
        std::int8_t coarse, fine;
        std::int32_t cents;
        int wantCoarse, wantFine;
    } tunes[] = {
        {0, 40, 20, 1, -40},      // 60 cents of fine tune carry into coarse
        {0, 0, -150, -2, 50},
        {2, -10, 0, 2, -10},
        {127, 0, 100, 127, 0},    // held at the top: fine 0
        {0, 0, -12850, -128, 0},
    };
    for (const auto& t : tunes) {
        Bytes tuned = data;
        tuned[48 + 146] = static_cast<std::uint8_t>(t.coarse);
        tuned[48 + 147] = static_cast<std::uint8_t>(t.fine);
        CK2000Program layer(1, "");
        layer.Read(tuned);
        layer.Transpose(0, t.cents);
        EXPECT_EQ(layer.Coarse(0), t.wantCoarse) << t.cents;
        EXPECT_EQ(layer.Fine(0), t.wantFine) << t.cents;
    }
}
