// The Ensoniq messages byte for byte, the addresses of a wave-sample block,
// and the model's rules for names and sample formats.
#include <gtest/gtest.h>

#include "devices/midi/CMIDIPortLists.h"
#include "samplers/devices/CSamplerMIDIConnection.h"
#include "samplers/ensoniq/CEPS16Interface.h"
#include "samplers/ensoniq/CEPSInterface.h"
#include "samplers/ensoniq/CEnsoniqLayerParameters.h"
#include "samplers/ensoniq/CEnsoniqWaveParameters.h"
#include "samplers/ensoniq/EnsoniqMessages.h"
#include "samplers/ensoniq/EnsoniqTransmitChoices.h"

using Ensoniq::Bytes;

TEST(EnsoniqMessages, ByteLayouts)
{
    const struct {
        const char* name;
        Bytes built;
        Bytes expected;
    } cases[] = {
        {"command", Ensoniq::CommandMessage(2, {0x03, 5, 0, 1}),
         {0xF0, 0x0F, 0x03, 0x02, 0x03, 0x00, 0x05, 0x00, 0x00, 0x00, 0x01, 0xF7}},
        {"12-bit values split 6 and 6", Ensoniq::CommandMessage(0, {0x19, 0xFFF, 0x041, 127}),
         {0xF0, 0x0F, 0x03, 0x00, 0x19, 0x3F, 0x3F, 0x01, 0x01, 0x01, 0x3F, 0xF7}},
        {"command with range", Ensoniq::CommandMessage(1, {0x0F, 2, 0, 3, true, 0x123456, 0xABCDEF}),
         {0xF0, 0x0F, 0x03, 0x01, 0x0F, 0x00, 0x02, 0x00, 0x00, 0x00, 0x03,
          0x04, 0x23, 0x11, 0x16, 0x2A, 0x3C, 0x37, 0x2F, 0xF7}},
        {"response", Ensoniq::ResponseMessage(3, 12), {0xF0, 0x0F, 0x03, 0x03, 0x01, 0x00, 0x0C, 0xF7}},
        {"control", Ensoniq::ControlMessage(0, 17), {0xF0, 0x0F, 0x03, 0x00, 0x40, 0x00, 0x11, 0xF7}},
        {"data words 4, 6 and 6 bits", Ensoniq::DataMessage(0, {0xABCD, 0x8000, 0x0001}),
         {0xF0, 0x0F, 0x03, 0x00, 0x0A, 0x2F, 0x0D, 0x08, 0x00, 0x00, 0x00, 0x00, 0x01, 0xF7}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.built, c.expected) << c.name;
}

TEST(EnsoniqMessages, EachKindIsTakenOnlyAtItsExactLength)
{
    const Bytes response = Ensoniq::ResponseMessage(0, 1);
    // A one-word data message whose word begins with 1 looks like a response.
    const Bytes data = Ensoniq::DataMessage(0, {0x1042});
    Bytes longer = response;
    longer.insert(longer.end() - 1, 0x00);
    const Bytes command = Ensoniq::CommandMessage(0, {0x05, 1, 2, 3});
    const Bytes ranged = Ensoniq::CommandMessage(0, {0x06, 1, 0, 3, true, 10, 20});
    const struct {
        const char* name;
        Bytes message;
        bool response, command, oneWord;
    } cases[] = {
        {"response (as long as one data word)", response, true, false, true},
        {"one data word", data, true, false, true},
        {"response one byte long", longer, false, false, false},
        {"command", command, false, true, false},
        {"ranged command", ranged, false, true, false},
        {"command cut short", Bytes(command.begin() + 1, command.end()), false, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Ensoniq::ParseResponse(c.message).has_value(), c.response);
        EXPECT_EQ(Ensoniq::ParseCommand(c.message).has_value(), c.command);
        EXPECT_EQ(Ensoniq::ParseData(c.message, 1).has_value(), c.oneWord);
    }
    EXPECT_EQ(Ensoniq::ParseData(data, 1)->front(), 0x1042);
    const Ensoniq::Command parsed = *Ensoniq::ParseCommand(ranged);
    EXPECT_EQ(parsed, (Ensoniq::Command{0x06, 1, 0, 3, true, 10, 20}));
    EXPECT_TRUE(Ensoniq::IsCancel({0xF0, 0x0F, 0x03, 0x00, 0x02, 0xF7}));
}

TEST(EnsoniqWaveParameters, AddressesReadBackAsWritten)
{
    for (const std::uint32_t address : {0u, 1u, 7u, 8u, 0x7FFu, 0x800u, 0x12345u, 0x1FFFFFu, 0x5A5A5A5u, 0x7FFFFFFu}) {
        CEnsoniqWaveParameters wave;
        wave.SetAddress(CEnsoniqWaveParameters::kLoopEnd, address);
        EXPECT_EQ(wave.AddressOf(CEnsoniqWaveParameters::kLoopEnd), address) << address;
        EXPECT_EQ(Ensoniq::DecodeAddress(Ensoniq::EncodeAddress(address).data()), address) << address;
    }
    const auto words = Ensoniq::EncodeAddress(0x7FFFFFF);
    EXPECT_EQ(words, (std::array<std::uint16_t, 4>{0xFF00, 0xFF00, 0xFF00, 0xE000}));
}

TEST(EnsoniqInterface, NamesAndFormatsTheModelTakes)
{
    EXPECT_EQ(CABCEnsoniqInterface::CleanName("Drum loop #1!"), "DRUM LOOP #1");
    EXPECT_EQ(CABCEnsoniqInterface::CleanName("a_b/c+d"), "A B C+D");


    CMIDIPortLists lists;
    lists.AddLoopbackPair("cable");
    CSamplerMIDIConnection connection(lists, 0, 0);
    const CEPSInterface eps(connection.Parser(), connection.Output(), 0);
    const CEPS16Interface eps16(connection.Parser(), connection.Output(), 0);
    using L = SampleLoop;
    const struct {
        const char* name;
        const CABCEnsoniqInterface& model;
        std::uint32_t length;
        L sustain, release;
        std::uint8_t rootKey;
        std::uint32_t adjustedLength;
        L adjustedSustain, adjustedRelease;
        std::uint8_t adjustedRoot, bits;
    } cases[] = {
        {"short, no loop", eps16, 150, {}, {}, 36, 200, {LoopMode::kOff, 0, 198}, {}, 36, 16},
        {"EPS words", eps, 1000, {}, {}, 60, 1000, {LoopMode::kOff, 0, 998}, {}, 60, 13},
        {"forward keeps a release near the end", eps16, 4000, {LoopMode::kForward, 100, 5000},
         {LoopMode::kForward, 10, 20}, 10, 4000, {LoopMode::kForward, 100, 3998}, {LoopMode::kOff, 3997, 3998}, 21,
         16},
        {"alternating drops the release", eps16, 4000, {LoopMode::kAlternating, 3000, 3000},
         {LoopMode::kForward, 10, 20}, 120, 4000, {LoopMode::kAlternating, 2999, 3000}, {}, 108, 16},
        {"loop off from frame 0", eps16, 500, {LoopMode::kOff, 0, 0}, {}, 50, 500, {LoopMode::kOff, 0, 1}, {}, 50, 16},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SampleFormat format;
        format.name = "loop";
        format.channels = 2;
        format.length = format.end = c.length;
        format.sustain = c.sustain;
        format.release = c.release;
        format.rootKey = c.rootKey;
        c.model.AdjustFormat(format);
        EXPECT_EQ(format.name, "LOOP");
        EXPECT_EQ(format.channels, 1);
        EXPECT_EQ(format.bits, c.bits);
        EXPECT_EQ(format.length, c.adjustedLength);
        EXPECT_EQ(format.end, c.adjustedLength);
        EXPECT_EQ(format.sustain.mode, c.adjustedSustain.mode);
        EXPECT_EQ(format.sustain.start, c.adjustedSustain.start);
        EXPECT_EQ(format.sustain.end, c.adjustedSustain.end);
        EXPECT_EQ(format.release.mode, c.adjustedRelease.mode);
        EXPECT_EQ(format.release.start, c.adjustedRelease.start);
        EXPECT_EQ(format.release.end, c.adjustedRelease.end);
        EXPECT_EQ(format.rootKey, c.adjustedRoot);
    }
    EXPECT_EQ(eps.ModelWord(-1), 0xFFF8);
    EXPECT_EQ(eps16.ModelWord(-1), 0xFFFF);
}

TEST(EnsoniqLayerParameters, FreeKeyWrapsAroundTheKeyboard)
{
    CEnsoniqLayerParameters layer;
    for (const int key : {60, 61, 108, 21})
        layer.SetWaveAt(key, 1);
    const std::pair<int, int> cases[] = {{60, 62}, {108, 22}, {40, 40}};
    for (const auto& [from, free] : cases)
        EXPECT_EQ(layer.FreeKeyFrom(from), free) << from;
    for (int key = 21; key <= 108; ++key)
        layer.SetWaveAt(key, 2);
    EXPECT_EQ(layer.FreeKeyFrom(50), 50);
}

TEST(EnsoniqTransmitChoices, RateNameAndDestination)
{
    const std::pair<std::uint32_t, std::uint32_t> rates[] = {{8000, 22050}, {22050, 22050}, {32000, 44100},
                                                             {48000, 44100}};
    EnsoniqTransmitChoices choices;
    for (const auto& [document, offered] : rates)
        EXPECT_EQ(choices.RateFor(document), offered) << document;
    choices.rate = 22050;
    EXPECT_EQ(choices.RateFor(48000), 22050u);

    choices.instrumentName = "!?";
    EXPECT_EQ(std::get<ResourceId>(choices.Check(0)), Res::kAlertEnsoniqNoName);
    choices.instrumentName = "funk kit";
    choices.destination = 7;
    const TransmitRequest request = std::get<TransmitRequest>(choices.Check(4));
    EXPECT_EQ(request.programName, "FUNK KIT");
    EXPECT_EQ(request.programId, 8);
    EXPECT_EQ(request.sysexId, 4);
    EXPECT_EQ(request.sampleRate, 22050u);
}
