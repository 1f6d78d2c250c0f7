#include "formats/preferences/CSoundPreferences.h"

#include <algorithm>

#include "formats/chunks/ByteOrder.h"
#include "formats/preferences/PreferenceFields.h"
#include "framework/exceptions/GeneralExceptions.h"

namespace {

constexpr std::size_t kKind = 1;
constexpr std::size_t kName = 66;
constexpr std::size_t kModule = 131;
constexpr std::size_t kField = 65;
constexpr std::size_t kSetting = 196;
constexpr std::size_t kRate = 200;

std::string WithoutLineFeeds(std::string text)
{
    std::erase(text, '\n');
    return text;
}

void WriteName(std::uint8_t* dest, const std::string& name)
{
    PreferenceFields::WriteText(dest, kField, CSoundPreferences::kNameLength, WithoutLineFeeds(name));
}

}  // namespace

void CSoundPreferences::Serialize(std::uint8_t* buffer) const
{
    std::fill(buffer, buffer + kSize, 0);
    buffer[0] = PreferenceFields::kVersion;
    WriteName(buffer + kKind, driverKind);
    WriteName(buffer + kName, deviceName);
    WriteName(buffer + kModule, moduleName);
    WriteLittleEndian16(buffer + kSetting, playAheadSetting);
    WriteBigEndian32(buffer + kRate, outputRate);
}

void CSoundPreferences::Deserialize(const std::uint8_t* buffer, std::uint32_t size)
{
    if (size != kSize)
        throw XInvalidPreferencesChunk();
    driverKind = PreferenceFields::ReadText(buffer + kKind, kField);
    deviceName = PreferenceFields::ReadText(buffer + kName, kField);
    moduleName = PreferenceFields::ReadText(buffer + kModule, kField);
    playAheadSetting = ReadLittleEndian16(buffer + kSetting);
    outputRate = ReadBigEndian32(buffer + kRate);
}
