#include "framework/streams/CMemoryMedia.h"

#include <gtest/gtest.h>

#include "framework/exceptions/GeneralExceptions.h"

TEST(CMemoryMedia, BoundsAreChecked)
{
    CMemoryMedia media(4);
    const std::uint8_t bytes[4] = {1, 2, 3, 4};
    media.Write(4, bytes);
    EXPECT_THROW(media.WriteByte(5), XWrite);
    media.SetPosition(2);
    std::uint8_t out[4] = {};
    EXPECT_THROW(media.Read(3, out), XRead);
    EXPECT_EQ(media.GetPosition(), 2);
    media.Read(2, out);
    EXPECT_EQ(out[1], 4);
    EXPECT_THROW(media.SetPosition(5), XPosition);
    EXPECT_THROW(media.SetPosition(-1), XPosition);
    EXPECT_EQ(media.ReadWordAt(0), 0x0201);
}

TEST(CMedia, WriteAtDoesNotSeekWhenAlreadyThere)
{
    // A stream that counts its seeks.
    class CountingMedia : public CMemoryMedia {
    public:
        CountingMedia() : CMemoryMedia(8) {}
        void SetPosition(std::int64_t p) override { ++seeks; CMemoryMedia::SetPosition(p); }
        int seeks = 0;
    } media;
    const std::uint8_t b = 7;
    media.WriteAt(0, 1, &b);
    EXPECT_EQ(media.seeks, 0);
    media.WriteAt(3, 1, &b);
    EXPECT_EQ(media.seeks, 1);
}
