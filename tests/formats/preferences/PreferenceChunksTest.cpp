// The chunks of the preferences file byte for byte, their checks on
// reading, and the PREF group that holds them.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "formats/preferences/CColorTablePreferences.h"
#include "formats/preferences/CPreferencesReader.h"
#include "formats/preferences/CPreferencesWriter.h"
#include "formats/preferences/CQuilletApplicationPreferences.h"
#include "formats/preferences/CQuilletDefaultDocumentPreferences.h"
#include "formats/preferences/CSoundPreferences.h"
#include "framework/exceptions/GeneralExceptions.h"
#include "tests/formats/chunks/ChunkTestBytes.h"

namespace {

using Bytes8 = std::vector<std::uint8_t>;

// "01 7d 8a" and runs like "00*61" (61 zero bytes).
Bytes8 Hex(const std::string& text)
{
    Bytes8 bytes;
    std::istringstream words(text);
    std::string word;
    while (words >> word) {
        const std::size_t star = word.find('*');
        const int count = star == std::string::npos ? 1 : std::stoi(word.substr(star + 1));
        bytes.insert(bytes.end(), count, static_cast<std::uint8_t>(std::stoi(word.substr(0, star), nullptr, 16)));
    }
    return bytes;
}

Bytes8 Text(const std::string& text)
{
    return Bytes8(text.begin(), text.end());
}

Bytes8 Join(std::initializer_list<Bytes8> parts)
{
    Bytes8 all;
    for (const Bytes8& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

Bytes8 Serialized(const CABCDataFormat& data)
{
    Bytes8 bytes(data.GetSize());
    data.Serialize(bytes.data());
    return bytes;
}

CSoundPreferences StoredCard()
{
    CSoundPreferences sound;
    sound.driverKind = "ALSA";
    sound.deviceName = "Card\nOne";
    sound.moduleName = "hw:1,0";
    sound.playAheadSetting = 0x0203;
    sound.outputRate = 48000;
    return sound;
}

CQuilletApplicationPreferences ChangedApplication()
{
    CQuilletApplicationPreferences application;
    application.SetWaveformColour({0x0102, 0x0304, 0x0506});
    application.SetScrollDuringPlayback(false);
    application.SetAlwaysMoveLeftLocator(true);
    application.SetCurrentSampler(0x0107);
    application.SetLook(1);
    application.SetSetBarsToOne(true);
    application.SetContrast(99);
    application.SetShowOpenDialogOnStartup(false);
    return application;
}

CQuilletDefaultDocumentPreferences ChangedDocument()
{
    CQuilletDefaultDocumentPreferences document;
    document.SetNormalize(true);
    document.SetSilenceSelected(true);
    document.SetSeparateSamples(false);
    document.SetPitchMode(true);
    document.SetStretch(13);
    return document;
}

CColorTablePreferences GreyRamp()
{
    CColorTablePreferences::Table table;
    for (std::size_t k = 0; k < table.size(); ++k)
        table[k] = {std::uint16_t(k * 0x1000), std::uint16_t(k), std::uint16_t(0xFF00)};
    return CColorTablePreferences(table);
}

Bytes8 GreyRampBytes()
{
    Bytes8 bytes = Hex("01 10 00");
    for (int k = 0; k < 16; ++k)
        bytes = Join({bytes, Hex("00"), {std::uint8_t(k * 0x10)}, {std::uint8_t(k)}, Hex("00 00 ff")});
    return bytes;
}

// A chunk as make() gives it, and bytes to compare with or read into it.
struct ChunkCase {
    const char* name;
    std::function<std::unique_ptr<CABCDataFormat>()> make;
    Bytes8 bytes;
};

template <typename T>
std::function<std::unique_ptr<CABCDataFormat>()> Maker(std::function<T()> make)
{
    return [make] { return std::make_unique<T>(make()); };
}

const std::vector<ChunkCase>& GoldenCases()
{
    static const std::vector<ChunkCase> cases = {
        {"sound, line feed dropped, rate big-endian", Maker<CSoundPreferences>(StoredCard),
         Join({Hex("01"), Text("ALSA"), Hex("00*61"), Text("CardOne"), Hex("00*58"), Text("hw:1,0"),
               Hex("00*59 03 02 00 00 00 00 bb 80")})},
        {"application defaults", Maker<CQuilletApplicationPreferences>([] { return CQuilletApplicationPreferences(); }),
         Hex("01 7d 8a 72 7d ff ff 01 00 00 00 02 00 01 00 32 01")},
        {"application, bars before contrast", Maker<CQuilletApplicationPreferences>(ChangedApplication),
         Hex("01 02 01 04 03 06 05 00 01 07 01 01 00 01 01 63 00")},
        {"default document defaults",
         Maker<CQuilletDefaultDocumentPreferences>([] { return CQuilletDefaultDocumentPreferences(); }),
         Hex("01 00 00 01 00 00 00")},
        {"default document changed", Maker<CQuilletDefaultDocumentPreferences>(ChangedDocument),
         Hex("01 01 01 00 01 0d 00")},
        {"sixteen colours", Maker<CColorTablePreferences>(GreyRamp), GreyRampBytes()},
    };
    return cases;
}

}  // namespace

TEST(PreferenceChunks, GoldenBytesAndRoundTrip)
{
    for (const ChunkCase& golden : GoldenCases()) {
        SCOPED_TRACE(golden.name);
        const std::unique_ptr<CABCDataFormat> data = golden.make();
        EXPECT_EQ(Serialized(*data), golden.bytes);
        std::unique_ptr<CABCDataFormat> read = golden.make();
        read->Deserialize(golden.bytes.data(), static_cast<std::uint32_t>(golden.bytes.size()));
        EXPECT_EQ(Serialized(*read), golden.bytes);
    }
    EXPECT_EQ(GoldenCases()[0].bytes.size(), 204u);
    EXPECT_EQ(GoldenCases().back().bytes.size(), 99u);
}

TEST(PreferenceChunks, OutOfRangeOrShortChunksAreInvalidAndChangeNothing)
{
    const Bytes8 application = Hex("01 02 01 04 03 06 05 00 01 07 01 01 00 01 01 63 00");
    auto with = [](Bytes8 bytes, std::size_t at, std::uint8_t value) {
        bytes[at] = value;
        return bytes;
    };
    const ChunkCase cases[] = {
        {"sound 203 bytes", Maker<CSoundPreferences>(StoredCard), Hex("01 00*202")},
        {"sound 205 bytes", Maker<CSoundPreferences>(StoredCard), Hex("01 00*204")},
        {"application 16 bytes", Maker<CQuilletApplicationPreferences>(ChangedApplication), Hex("01 00*15")},
        {"look 3", Maker<CQuilletApplicationPreferences>(ChangedApplication), with(application, 11, 3)},
        {"contrast 101", Maker<CQuilletApplicationPreferences>(ChangedApplication), with(application, 15, 101)},
        {"document 6 bytes", Maker<CQuilletDefaultDocumentPreferences>(ChangedDocument), Hex("01 00 00 01 00 00")},
        {"stretch 14", Maker<CQuilletDefaultDocumentPreferences>(ChangedDocument), Hex("01 00 00 01 00 0e 00")},
        {"colours shorter than count", Maker<CColorTablePreferences>(GreyRamp), Hex("01 10 00 00*90")},
        {"colours without count", Maker<CColorTablePreferences>(GreyRamp), Hex("01 10")},
    };
    for (const ChunkCase& bad : cases) {
        SCOPED_TRACE(bad.name);
        const std::unique_ptr<CABCDataFormat> data = bad.make();
        const Bytes8 before = Serialized(*data);
        EXPECT_THROW(data->Deserialize(bad.bytes.data(), static_cast<std::uint32_t>(bad.bytes.size())),
                     XInvalidPreferencesChunk);
        EXPECT_EQ(Serialized(*data), before);
    }
}

TEST(PreferenceChunks, ColourTableOfOtherCountIsReadButNotCopied)
{
    CColorTablePreferences fifteen;
    fifteen.entries.resize(15, {1, 2, 3});
    const Bytes8 bytes = Serialized(fifteen);
    CColorTablePreferences read;
    read.Deserialize(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
    CColorTablePreferences::Table table;
    EXPECT_FALSE(read.CopyTo(table));
    EXPECT_EQ(table[0], CColorTablePreferences::Entry{});
}

TEST(PreferencesGroup, LayoutAndSearchByName)
{
    CMemoryMedia media(256);
    {
        CPreferencesWriter writer(media);
        writer.WriteDataChunk("PDDP", CQuilletDefaultDocumentPreferences());
        writer.Finish();
    }
    EXPECT_EQ(Contents(media, 28),
              Bytes("CAT \0\0\0\x14" "PREF" "PDDP\0\0\0\x07" "\x01\0\0\x01\0\0\0" "\0"));

    BytesMedia file(Contents(media, 28));
    CPreferencesReader reader(file);
    EXPECT_TRUE(reader.HasChunk("PDDP"));
    EXPECT_FALSE(reader.HasChunk("PARP"));
    CQuilletApplicationPreferences application;
    EXPECT_THROW(reader.ReadDataChunk("PARP", application), XPreferencesChunkNotFound);
    CQuilletDefaultDocumentPreferences document = ChangedDocument();
    reader.ReadDataChunk("PDDP", document);
    EXPECT_TRUE(document.SeparateSamples());
}

TEST(PreferencesGroup, WholeFileFaultsAndDamagedChunks)
{
    const std::string good = Bytes("CAT \0\0\0\x24" "PREF" "PDDP\0\0\0\x07" "\x01\0\0\x01\0\0\0" "\0"
                                   "PARP\0\0\0\x08" "01234567");
    struct Case {
        const char* name;
        std::string bytes;
    };
    for (const Case& bad : {Case{"one byte after the group", good + '\0'},
                            Case{"not a group", Bytes("PDDP\0\0\0\x07" "\x01\0\0\x01\0\0\0" "\0")},
                            Case{"no PREF group", Bytes("CAT \0\0\0\x04" "PRFX")}}) {
        SCOPED_TRACE(bad.name);
        BytesMedia file(bad.bytes);
        EXPECT_THROW(CPreferencesReader reader(file), XInvalidPreferencesFile);
    }

    // PARP claims more bytes than the group holds: PDDP before it still reads.
    std::string damaged = good;
    damaged[35] = '\x40';
    BytesMedia file(damaged);
    CPreferencesReader reader(file);
    CQuilletDefaultDocumentPreferences document;
    EXPECT_NO_THROW(reader.ReadDataChunk("PDDP", document));
    EXPECT_THROW(reader.HasChunk("PARP"), XInvalidPreferencesChunk);
}
