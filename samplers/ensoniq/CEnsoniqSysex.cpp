#include "samplers/ensoniq/CEnsoniqSysex.h"

#include "framework/exceptions/SamplerExceptions.h"

void CEnsoniqSysex::Read(const Ensoniq::Bytes& message)
{
    std::optional<Ensoniq::Words> words = Ensoniq::ParseData(message, fWords.size());
    if (!words)
        throw XEnsoniqInvalidSize();
    fWords = std::move(*words);
}

void CEnsoniqSysex::SetByte(std::size_t word, std::uint8_t value)
{
    fWords.at(word) = static_cast<std::uint16_t>((fWords[word] & 0x00FF) | value << 8);
}

std::string CEnsoniqSysex::Name() const
{
    std::string name;
    for (std::size_t i = 0; i < kNameLength; ++i)
        name.push_back(static_cast<char>(Byte(i)));
    return name.substr(0, name.find_last_not_of(' ') + 1);
}

void CEnsoniqSysex::SetName(std::string_view name)
{
    for (std::size_t i = 0; i < kNameLength; ++i)
        SetByte(i, static_cast<std::uint8_t>(i < name.size() ? name[i] : ' '));
}
