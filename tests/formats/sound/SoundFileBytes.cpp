#include "tests/formats/sound/SoundFileBytes.h"

namespace {

void Put16BE(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v >> 8));
    out.push_back(static_cast<std::uint8_t>(v));
}

void Put32BE(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16BE(out, v >> 16);
    Put16BE(out, v & 0xFFFF);
}

void Put16LE(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32LE(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16LE(out, v & 0xFFFF);
    Put16LE(out, v >> 16);
}

void PutId(std::vector<std::uint8_t>& out, const std::string& id) { out.insert(out.end(), id.begin(), id.end()); }

}  // namespace

std::vector<std::uint8_t> AIFFImage::Bytes() const {
    const bool aifc = !compression.empty();
    std::vector<std::uint8_t> body;
    PutId(body, aifc ? "AIFC" : "AIFF");
    PutId(body, "COMM");
    Put32BE(body, aifc ? 22 : 18);
    Put16BE(body, channels);
    Put32BE(body, frames);
    Put16BE(body, bits);
    body.insert(body.end(), rate.begin(), rate.end());
    if (aifc) PutId(body, compression);
    if (withSSND) {
        PutId(body, "SSND");
        Put32BE(body, static_cast<std::uint32_t>(8 + ssndOffset + samples.size() * 2));
        Put32BE(body, ssndOffset);
        Put32BE(body, 0);
        body.insert(body.end(), ssndOffset, 0xEE);
        for (std::int16_t s : samples) {
            if (compression == "sowt")
                Put16LE(body, static_cast<std::uint16_t>(s));
            else
                Put16BE(body, static_cast<std::uint16_t>(s));
        }
    }
    std::vector<std::uint8_t> file;
    PutId(file, "FORM");
    Put32BE(file, static_cast<std::uint32_t>(body.size()));
    file.insert(file.end(), body.begin(), body.end());
    return file;
}

std::vector<std::uint8_t> WAVImage::Bytes() const {
    std::vector<std::uint8_t> body;
    PutId(body, "WAVE");
    PutId(body, "fmt ");
    const bool extensible = format == 0xFFFE;
    Put32LE(body, extensible ? 40 : 16);
    Put16LE(body, format);
    Put16LE(body, channels);
    Put32LE(body, rate);
    Put32LE(body, rate * channels * bits / 8);
    Put16LE(body, static_cast<std::uint32_t>(channels * bits / 8));
    Put16LE(body, bits);
    if (extensible) {
        Put16LE(body, 22);
        Put16LE(body, bits);
        Put32LE(body, 3);  // front left, front right
        Put16LE(body, subformat);
        const std::uint8_t tail[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                       0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
        body.insert(body.end(), tail, tail + sizeof tail);
    }
    PutId(body, "data");
    Put32LE(body, static_cast<std::uint32_t>(samples.size() * 2));
    for (std::int16_t s : samples) Put16LE(body, static_cast<std::uint16_t>(s));
    std::vector<std::uint8_t> file;
    PutId(file, "RIFF");
    Put32LE(file, static_cast<std::uint32_t>(body.size()));
    file.insert(file.end(), body.begin(), body.end());
    return file;
}
