#include <gtest/gtest.h>

#include "document/export/DocumentFile.h"
#include "formats/chunks/ByteOrder.h"
#include "framework/exceptions/Exceptions.h"
#include "tests/support/FileTestSupport.h"
#include "tests/support/LoopFixture.h"

namespace {

std::unique_ptr<CLoopDocument> EditedLoop() {
    auto doc = MakeLoop(30000, 22050, {1000, 9000, 17000, 25000});
    CSlicingSettings& s = doc->Settings();
    s.sensitivity = 550;
    s.bars = 300;
    s.beats = 3;
    s.signature = 4;  // 6/8
    s.newTempo = 97250;
    s.stretch = 7;
    s.pitchMode = true;
    s.normalize = true;
    s.silenceSelected = true;
    s.separateSamples = false;
    CSliceList& list = doc->Slices();
    list.Entry(0).state = CSlice::kNormal;
    list.Entry(0).level = 31000;
    list.Entry(1).state = CSlice::kHidden;
    list.Entry(1).selected = 1;
    list.Entry(1).level = 2000;
    list.Entry(3).selected = 1;
    doc->ApplySensitivity();
    doc->Sound().SetLoop(1000, 25000, true);
    return doc;
}

// Offset of the document record inside a written document file: the
// application chunk's data after its signature.
std::size_t RecordOffset(const std::vector<std::uint8_t>& file) { return ChunkData(file, "APPL") + 4; }

DocumentOpening Reopen(const std::filesystem::path& path) {
    return OpenDocument(CFileSpec(path.string()), CSlicingSettings{});
}

// Saves the document as folder/Funky.qlt and answers the file's bytes.
std::vector<std::uint8_t> Saved(CLoopDocument& doc, const CTempFolder& folder) {
    WriteDocument(CFileSpec((folder / "Funky.qlt").string()), doc);
    return ReadFileBytes(folder / "Funky.qlt");
}

}  // namespace

TEST(DocumentFile, RoundTripKeepsSlicingSettingsAndLocators) {
    CTempFolder folder;
    auto doc = EditedLoop();
    const CFileSpec file((folder / "Funky.qlt").string());
    WriteDocument(file, *doc);
    EXPECT_FALSE(doc->IsDirty());

    DocumentOpening opened = Reopen(folder / "Funky.qlt");
    ASSERT_TRUE(opened.document);
    EXPECT_EQ(opened.alert, 0u);
    EXPECT_EQ(opened.document->Record(), doc->Record());
    EXPECT_EQ(opened.document->Sound().LoopStart(), 1000);
    EXPECT_EQ(opened.document->Sound().LoopEnd(), 25000);
    EXPECT_EQ(opened.document->Tempo(), doc->Tempo());
    EXPECT_EQ(SamplesOf(opened.document->Sound()), SamplesOf(doc->Sound()));
    EXPECT_EQ(opened.document->Slices().CountOf(SliceFilter::kCounted), doc->Slices().CountOf(SliceFilter::kCounted));
    EXPECT_FALSE(opened.document->IsDirty());
}

TEST(DocumentFile, DirtyFollowsChangesAndSaving) {
    CTempFolder folder;
    auto doc = EditedLoop();
    EXPECT_TRUE(doc->IsDirty());
    WriteDocument(CFileSpec((folder / "a.qlt").string()), *doc);
    EXPECT_FALSE(doc->IsDirty());
    ASSERT_TRUE(doc->File().has_value());
    EXPECT_EQ(doc->File()->NameWithExtension(), "a.qlt");
    doc->Slices().Entry(2).selected = 1;
    EXPECT_TRUE(doc->IsDirty());
    doc->Slices().Entry(2).selected = 0;
    EXPECT_FALSE(doc->IsDirty());
    doc->Sound().SetLoopEnd(20000);
    EXPECT_TRUE(doc->IsDirty());
}

TEST(DocumentFile, DamagedOrLaterSlicingOpensTheSoundUnsliced) {
    CTempFolder folder;
    auto doc = EditedLoop();
    const auto path = folder / "Funky.qlt";
    const std::vector<std::uint8_t> good = Saved(*doc, folder);
    const std::size_t record = RecordOffset(good);
    ASSERT_NE(record, 4u);

    std::vector<std::uint8_t> bytes = good;
    WriteBigEndian16(&bytes[record + 158], 65535);  // more entries than the table holds
    WriteFileBytes(path, bytes);
    DocumentOpening damaged = Reopen(path);
    ASSERT_TRUE(damaged.document);
    EXPECT_EQ(damaged.alert, Res::kAlertDocumentInfoDamaged);
    EXPECT_EQ(SamplesOf(damaged.document->Sound()), SamplesOf(doc->Sound()));
    EXPECT_EQ(damaged.document->Settings().bars, 0);  // the defaults of a new document

    bytes = good;
    bytes[record + 5] = 1;  // version 1.1
    WriteFileBytes(path, bytes);
    EXPECT_EQ(Reopen(path).alert, Res::kAlertDocumentTooNew);

    bytes = good;
    bytes[record - 4] = 'X';  // another program's signature
    WriteFileBytes(path, bytes);
    EXPECT_EQ(Reopen(path).alert, Res::kAlertDocumentInfoDamaged);
}

TEST(DocumentFile, StoredValuesAreMappedAsTheWindowShowsThem) {
    CTempFolder folder;
    const auto path = folder / "Funky.qlt";
    std::vector<std::uint8_t> bytes = Saved(*EditedLoop(), folder);
    const std::size_t record = RecordOffset(bytes);
    WriteBigEndian16(&bytes[record + 20], 999);
    bytes[record + 6] = 9;  // 9/8 is not offered
    bytes[record + 7] = 8;
    WriteBigEndian32(&bytes[record + 160 + 1], 40000);  // first point past the end of the sound
    WriteFileBytes(path, bytes);
    DocumentOpening opened = Reopen(path);
    ASSERT_TRUE(opened.document);
    EXPECT_EQ(opened.document->Settings().sensitivity, 990);
    EXPECT_EQ(opened.document->Settings().signature, 0);  // 2/4
    EXPECT_EQ(opened.document->Slices().Count(), 3);
    EXPECT_EQ(opened.document->Slices().Entry(0).position, 9000u);
}

TEST(DocumentFile, LocatorsOutsideTheSoundAreValidated) {
    CTempFolder folder;
    auto doc = EditedLoop();
    doc->Sound().SetLoop(0, 30000, true);
    const auto path = folder / "Funky.qlt";
    std::vector<std::uint8_t> bytes = Saved(*doc, folder);
    // MARK holds marker 1 then marker 2: move the end far beyond the sound.
    const std::size_t mark = ChunkData(bytes, "MARK");
    ASSERT_NE(mark, 0u);
    WriteBigEndian32(&bytes[mark + 2 + 18 + 2], 0x7FFFFFF0);
    WriteFileBytes(path, bytes);
    DocumentOpening opened = Reopen(path);
    ASSERT_TRUE(opened.document);
    EXPECT_EQ(opened.document->Sound().LoopStart(), 0);
    EXPECT_EQ(opened.document->Sound().LoopEnd(), 30000);
}

TEST(DocumentFile, AFailedSaveKeepsTheOldFile) {
    CTempFolder folder;
    const auto path = folder / "Funky.qlt";
    auto small = MakeLoop(100, 44100, {10});
    WriteDocument(CFileSpec(path.string()), *small);
    const std::vector<std::uint8_t> before = ReadFileBytes(path);

    // A file size limit stands in for a full disk: the write fails midway.
    auto big = EditedLoop();
    {
        CFileSizeLimit limit(20000);
        EXPECT_THROW(WriteDocument(CFileSpec(path.string()), *big), XWrite);
    }
    EXPECT_TRUE(big->IsDirty());
    EXPECT_EQ(ReadFileBytes(path), before);
    EXPECT_EQ(FileCount(folder.Path()), 1);
}
