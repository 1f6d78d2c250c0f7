#include <gtest/gtest.h>

#include "formats/midi/CGrooveMIDIFile.h"
#include "formats/midi/CMIDIFileWriter.h"
#include "framework/exceptions/Exceptions.h"
#include "framework/streams/CMemoryMedia.h"
#include "tests/support/FileTestSupport.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes VariableLength(std::uint32_t value) {
    CMemoryMedia media(8);
    CMIDIFileWriter writer(media, false);
    writer.WriteVariableLength(value);
    return Bytes(media.Data(), media.Data() + media.GetPosition());
}

// One bar of 4/4 at 120 BPM over 88200 frames, cut into equal slices.
CGrooveMIDIFile OneBar(int slices) {
    CGrooveMIDIFile groove;
    groove.numerator = 4;
    groove.denominator = 4;
    groove.tempo = 120000;
    groove.loopTicks = 3840;
    groove.left = 0;
    groove.loopFrames = 88200;
    for (int i = 0; i < slices; ++i)
        groove.segments.push_back({88200LL * i / slices, 88200LL * (i + 1) / slices});
    return groove;
}

// The file as python mido sees it: one line per message of track 2 with
// its absolute tick, and the tempo-track messages.
std::string MidoDump(const Bytes& file) {
    CTempFolder folder;
    WriteFileBytes(folder / "groove.mid", file);
    return RunPython(
        "import mido,sys\n"
        "f=mido.MidiFile(sys.argv[1])\n"
        "print(f.type,f.ticks_per_beat,len(f.tracks))\n"
        "for m in f.tracks[0]:\n"
        "  print(m.time,m.type,*[getattr(m,a) for a in ('numerator','denominator','clocks_per_click','notated_32nd_notes_per_beat','tempo') if hasattr(m,a)])\n"
        "t=0\n"
        "for m in f.tracks[1]:\n"
        "  t+=m.time\n"
        "  print(t,m.type,getattr(m,'note',''),getattr(m,'velocity',''),getattr(m,'channel',''))\n",
        (folder / "groove.mid").string());
}

}  // namespace

TEST(MIDIFileWriter, VariableLengthQuantities) {
    EXPECT_EQ(VariableLength(127), (Bytes{0x7F}));
    EXPECT_EQ(VariableLength(128), (Bytes{0x81, 0x00}));
    EXPECT_EQ(VariableLength(0x0FFFFFFF), (Bytes{0xFF, 0xFF, 0xFF, 0x7F}));
    EXPECT_EQ(VariableLength(0xFFFFFFFF), (Bytes{0x8F, 0xFF, 0xFF, 0xFF, 0x7F}));
}

TEST(GrooveMIDIFile, FourEqualSlicesAsMidoReadsThem) {
    const std::string expected =
        "1 960 2\n"
        "0 time_signature 4 4 24 8\n"
        "0 set_tempo 500000\n"
        "0 end_of_track\n"
        "0 note_on 36 127 0\n960 note_on 36 0 0\n"
        "960 note_on 37 127 0\n1920 note_on 37 0 0\n"
        "1920 note_on 38 127 0\n2880 note_on 38 0 0\n"
        "2880 note_on 39 127 0\n3840 note_on 39 0 0\n"
        "3840 end_of_track   \n";
    EXPECT_EQ(MidoDump(OneBar(4).Build()), expected);
}

TEST(GrooveMIDIFile, NoSegmentsGiveAnEmptyNoteTrackAndNoFramesNoFile) {
    const Bytes file = OneBar(0).Build();
    const Bytes track2 = {'M', 'T', 'r', 'k', 0, 0, 0, 4, 0x00, 0xFF, 0x2F, 0x00};
    EXPECT_EQ(Bytes(file.end() - 12, file.end()), track2);
    CGrooveMIDIFile noFrames = OneBar(1);
    noFrames.loopFrames = 0;
    EXPECT_THROW(noFrames.Build(), XBadFormat);
}

TEST(GrooveMIDIFile, TicksOfALongLoopDoNotOverflow) {
    // Four bars of 4/4 at 44.1 kHz and 30 BPM: 1411200 frames x 15360 ticks.
    CGrooveMIDIFile groove;
    groove.loopTicks = 4 * 3840;
    groove.left = 1000;
    groove.loopFrames = 1411200;
    EXPECT_EQ(groove.TickOf(1000 + 1411200 / 2), 7680u);
    EXPECT_EQ(groove.TickOf(1000 + 1411200), 15360u);
    EXPECT_EQ(groove.TickOf(1000), 0u);
}

TEST(GrooveMIDIFile, TempoIsClampedIntoThreeBytes) {
    EXPECT_EQ(CGrooveMIDIFile::MicrosecondsPerQuarter(120000), 500000u);
    EXPECT_EQ(CGrooveMIDIFile::MicrosecondsPerQuarter(999999), 60000u);
    EXPECT_EQ(CGrooveMIDIFile::MicrosecondsPerQuarter(3577), 16773832u);
    EXPECT_EQ(CGrooveMIDIFile::MicrosecondsPerQuarter(3576), 0xFFFFFFu);
    EXPECT_EQ(CGrooveMIDIFile::MicrosecondsPerQuarter(0), 0xFFFFFFu);
}
