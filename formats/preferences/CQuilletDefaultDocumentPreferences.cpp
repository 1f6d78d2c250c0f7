#include "formats/preferences/CQuilletDefaultDocumentPreferences.h"

#include "formats/chunks/ByteOrder.h"
#include "formats/preferences/PreferenceFields.h"

void CQuilletDefaultDocumentPreferences::Serialize(std::uint8_t* buffer) const
{
    buffer[0] = PreferenceFields::kVersion;
    buffer[1] = fNormalize;
    buffer[2] = fSilenceSelected;
    buffer[3] = fSeparateSamples;
    buffer[4] = fPitchMode;
    WriteLittleEndian16(buffer + 5, static_cast<std::uint16_t>(fStretch));
}

void CQuilletDefaultDocumentPreferences::Deserialize(const std::uint8_t* buffer, std::uint32_t size)
{
    PreferenceFields::RequireSize(size, kSize);
    const std::uint16_t stretch = ReadLittleEndian16(buffer + 5);
    PreferenceFields::RequireRange(stretch, 0, kMaxStretch);
    fNormalize = buffer[1] != 0;
    fSilenceSelected = buffer[2] != 0;
    fSeparateSamples = buffer[3] != 0;
    fPitchMode = buffer[4] != 0;
    fStretch = static_cast<std::int16_t>(stretch);
}
