#include "framework/files/CFileType.h"
#include "framework/files/CFileTypeList.h"
#include "framework/files/FileTypes.h"

#include <gtest/gtest.h>

#include <set>

#include "tests/support/MemoryBytes.h"

TEST(FileTypes, TableHoldsFourteenDistinctTypes)
{
    const auto& types = AllFileTypes().Types();
    ASSERT_EQ(types.size(), 14u);
    std::set<std::string> codes;
    for (const CFileType* type : types) {
        EXPECT_EQ(type->TypeCode().size(), 4u) << type->DisplayName();
        codes.insert(type->TypeCode());
    }
    EXPECT_EQ(codes.size(), 14u);
}

TEST(CFileType, ExtensionsMatchIgnoringCase)
{
    EXPECT_TRUE(kAIFFFileType.Matches(".AIFF"));
    EXPECT_TRUE(kAIFFFileType.Matches(".aif"));
    EXPECT_FALSE(kAIFFFileType.Matches(".ai"));
    EXPECT_FALSE(kAIFFFileType.Matches(""));
    EXPECT_EQ(AllFileTypes().Find(".Wave"), &kWaveFileType);
    EXPECT_EQ(AllFileTypes().Find(".xyz"), nullptr);
    const CFileType padded("Short", ".s", "AB");
    EXPECT_EQ(padded.TypeCode(), "AB  ");
}

TEST(CFileTypeList, AllFilesEntryComesLastWhenThereAreSeveralTypes)
{
    CFileTypeList list = {&kWaveFileType};
    EXPECT_EQ(list.DialogFilter(true), Bytes("Wave File (*.wav;*.wave)\0*.wav;*.wave\0"));
    EXPECT_EQ(list.QtFilters(true), std::vector<std::string>{"Wave File (*.wav *.wave)"});
    // With more types an entry for all of them comes last.
    list = {&kAIFFFileType};
    list.Add(kQuilletDocumentFileType);
    EXPECT_EQ(list.DialogFilter(true),
              Bytes("Audio IFF (*.aif;*.aiff)\0*.aif;*.aiff\0"
                          "Quillet! Document File (*.qlt)\0*.qlt\0"
                          "All files (*.aif;*.aiff;*.qlt)\0*.aif;*.aiff;*.qlt\0"));
    EXPECT_EQ(list.DialogFilter(false).find("All files"), std::string::npos);
    EXPECT_EQ(list.QtFilters(true), (std::vector<std::string>{"Audio IFF (*.aif *.aiff)",
                                                              "Quillet! Document File (*.qlt)",
                                                              "All files (*.aif *.aiff *.qlt)"}));
}
