#include "samplers/akai/AKAIText.h"

namespace AKAI {

std::vector<std::uint8_t> ToCodes(std::string_view text, std::size_t width)
{
    std::vector<std::uint8_t> codes(width, kBlankCode);
    for (std::size_t i = 0; i < width && i < text.size(); ++i) {
        char c = text[i];
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        const std::size_t code = kCharacters.find(c);
        codes[i] = code == std::string_view::npos ? kBlankCode : static_cast<std::uint8_t>(code);
    }
    return codes;
}

std::string FromCodes(const std::uint8_t* codes, std::size_t count)
{
    std::string text(count, ' ');
    for (std::size_t i = 0; i < count; ++i)
        if (codes[i] < kCharacters.size())
            text[i] = kCharacters[codes[i]];
    return text;
}

std::string Normalised(std::string_view text, std::size_t width)
{
    const std::vector<std::uint8_t> codes = ToCodes(text, width);
    return FromCodes(codes.data(), codes.size());
}

}  // namespace AKAI
