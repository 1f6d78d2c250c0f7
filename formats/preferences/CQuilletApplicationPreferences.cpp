#include "formats/preferences/CQuilletApplicationPreferences.h"

#include "formats/chunks/ByteOrder.h"
#include "formats/preferences/PreferenceFields.h"

void CQuilletApplicationPreferences::Serialize(std::uint8_t* buffer) const
{
    buffer[0] = PreferenceFields::kVersion;
    WriteLittleEndian16(buffer + 1, fColour.red);
    WriteLittleEndian16(buffer + 3, fColour.green);
    WriteLittleEndian16(buffer + 5, fColour.blue);
    buffer[7] = fScroll;
    buffer[8] = fMoveLocator;
    WriteLittleEndian16(buffer + 9, fCurrentSampler);
    WriteLittleEndian16(buffer + 11, static_cast<std::uint16_t>(fLook));
    buffer[13] = fReserved;
    buffer[14] = fBarsToOne;
    buffer[15] = fContrast;
    buffer[16] = fShowOpen;
}

void CQuilletApplicationPreferences::Deserialize(const std::uint8_t* buffer, std::uint32_t size)
{
    PreferenceFields::RequireSize(size, kSize);
    const std::uint16_t look = ReadLittleEndian16(buffer + 11);
    PreferenceFields::RequireRange(look, kLookPlain, kLookShaded);
    PreferenceFields::RequireRange(buffer[15], 0, kMaxContrast);
    fColour = {ReadLittleEndian16(buffer + 1), ReadLittleEndian16(buffer + 3), ReadLittleEndian16(buffer + 5)};
    fScroll = buffer[7] != 0;
    fMoveLocator = buffer[8] != 0;
    fCurrentSampler = ReadLittleEndian16(buffer + 9);
    fLook = look;
    fReserved = buffer[13] != 0;
    fBarsToOne = buffer[14] != 0;
    fContrast = buffer[15];
    fShowOpen = buffer[16] != 0;
}
