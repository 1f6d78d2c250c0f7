#pragma once
// The base of the Ensoniq parameter blocks: a fixed number of 16-bit words
// that travel as one data message. Most words carry one byte in their upper
// eight bits; the first 12 such bytes are the object's name. Words the
// program does not change go back as they were read.
#include <cstdint>
#include <string>
#include <string_view>

#include "samplers/ensoniq/EnsoniqMessages.h"

class CEnsoniqSysex {
public:
    static constexpr std::size_t kNameLength = 12;

    std::size_t WordCount() const { return fWords.size(); }
    const Ensoniq::Words& Words() const { return fWords; }
    // The words of a data message; XEnsoniqInvalidSize unless it has exactly
    // this block's length.
    void Read(const Ensoniq::Bytes& message);
    Ensoniq::Bytes Message(std::uint8_t channel) const { return Ensoniq::DataMessage(channel, fWords); }

    std::uint8_t Byte(std::size_t word) const { return static_cast<std::uint8_t>(fWords.at(word) >> 8); }
    void SetByte(std::size_t word, std::uint8_t value);
    // Blanks at the end are not part of the name.
    std::string Name() const;
    // Blank-padded to 12 characters.
    void SetName(std::string_view name);

protected:
    explicit CEnsoniqSysex(std::size_t words) : fWords(words, 0) {}

    Ensoniq::Words fWords;
};
