#include "framework/streams/CPartialMedia.h"

#include <gtest/gtest.h>

#include <cstring>

#include "framework/exceptions/GeneralExceptions.h"
#include "framework/streams/CMemoryMedia.h"

namespace {

// A 32-byte parent holding 0, 1, 2, ... 31.
struct CountingBytes : CMemoryMedia {
    CountingBytes() : CMemoryMedia(32)
    {
        for (int i = 0; i < 32; ++i)
            Data()[i] = static_cast<std::uint8_t>(i);
    }
};

} // namespace

TEST(CPartialMedia, WindowsOfTenAndNothingRefuseReadsAtTheirEnd)
{
    CountingBytes parent;
    CPartialMedia window(parent, 4, 10);
    window.SetPosition(10);
    std::uint8_t byte = 0;
    EXPECT_THROW(window.Read(1, &byte), XRead);
    EXPECT_THROW(window.SetPosition(11), XPosition);
    EXPECT_THROW(window.SetPosition(-1), XPosition);
    window.SetPosition(9);
    window.Read(1, &byte);
    EXPECT_EQ(byte, 13);
    EXPECT_EQ(window.GetPosition(), 10);
    EXPECT_EQ(window.GetSize(), 10);
    CPartialMedia empty(parent, 8, 0);
    EXPECT_EQ(empty.GetSize(), 0);
    EXPECT_THROW(empty.ReadByte(), XRead);
}

TEST(CPartialMedia, SingleBytesAndPositionedAccessStayInside)
{
    CountingBytes parent;
    CPartialMedia window(parent, 4, 2);
    std::uint8_t byte;
    EXPECT_THROW(window.Read(1, &byte), XRead); // the parent stands before the window
    window.SetPosition(0);
    EXPECT_EQ(window.ReadByte(), 4);
    EXPECT_EQ(window.PeekByte(), 5);
    window.Skip(1);
    EXPECT_THROW(window.ReadByte(), XRead);
    EXPECT_THROW(window.WriteByte(0), XWrite);
    std::uint8_t bytes[3];
    EXPECT_THROW(window.ReadAt(0, 3, bytes), XRead);
    EXPECT_THROW(window.WriteAt(1, 2, bytes), XWrite);
    EXPECT_EQ(window.ReadWordAt(0), 0x0504);
    EXPECT_THROW(window.ReadWordAt(1), XBase);
    EXPECT_THROW(window.Skip(1), XBase);
    EXPECT_THROW(window.Skip(-3), XBase);
    EXPECT_EQ(parent.Data()[6], 6); // nothing written past the window
}

TEST(CPartialMedia, OpenEndedWindowWritesToTheParentsEnd)
{
    CountingBytes parent;
    CPartialMedia window(parent, 30);
    EXPECT_EQ(window.GetSize(), 2);
    window.SetPosition(0);
    window.Write(2, "ab");
    EXPECT_EQ(parent.Data()[31], 'b');
    EXPECT_THROW(window.WriteByte(0), XWrite); // the parent's own bound
    EXPECT_THROW(window.ReadAt(0, 1, parent.Data()), XRead);
}
