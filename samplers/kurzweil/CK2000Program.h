#pragma once
// A program: a 48-byte head of tagged segments, then one 224-byte layer per
// layer. The program changes a layer's key range (layer bytes 4 and 5), its
// keymap references (second at 136-137, first at 140-141) and its tuning
// (coarse semitones at 146, fine cents at 147); every other byte goes back
// as it was read.
#include <cstdint>

#include "samplers/kurzweil/CKurzweilObject.h"

class CK2000Program : public CKurzweilObject {
public:
    static constexpr std::size_t kHeadLength = 48;
    static constexpr std::size_t kLayerLength = 224;
    static constexpr std::size_t kShortest = 256;

    // A default program of one layer over every key, its first keymap
    // reference `keymap`, no transposition.
    CK2000Program(std::uint16_t id, std::string name, std::uint16_t keymap = 0);

    Kurzweil::Bytes Data() const override { return fData; }
    // XK2000InvalidTag for a segment with a wrong tag; XK2000InvalidFormat
    // for an unknown format, no layer, or data shorter than 256 bytes or
    // than its layers.
    void Read(const Kurzweil::Bytes& data) override;

    std::size_t LayerCount() const { return fData[2]; }
    int LowKey(std::size_t layer) const { return fData[At(layer, 4)]; }
    int HighKey(std::size_t layer) const { return fData[At(layer, 5)]; }
    void SetKeys(std::size_t layer, int low, int high);
    std::uint16_t FirstKeymap(std::size_t layer) const { return Word(At(layer, 140)); }
    std::uint16_t SecondKeymap(std::size_t layer) const { return Word(At(layer, 136)); }
    void SetFirstKeymap(std::size_t layer, std::uint16_t id) { PutWord(At(layer, 140), id); }
    void SetSecondKeymap(std::size_t layer, std::uint16_t id) { PutWord(At(layer, 136), id); }
    int Coarse(std::size_t layer) const { return static_cast<std::int8_t>(fData[At(layer, 146)]); }
    int Fine(std::size_t layer) const { return static_cast<std::int8_t>(fData[At(layer, 147)]); }
    // Adds `cents` to the layer's tuning: the whole carried into the coarse
    // transposition (nearest semitone, -128 … 127) and the rest (-50 … 50)
    // into the fine tune; a coarse transposition held at its limit leaves
    // the fine tune 0.
    void Transpose(std::size_t layer, std::int32_t cents);

private:
    std::size_t At(std::size_t layer, std::size_t offset) const { return kHeadLength + layer * kLayerLength + offset; }
    std::uint16_t Word(std::size_t at) const { return static_cast<std::uint16_t>(fData[at] << 8 | fData[at + 1]); }
    void PutWord(std::size_t at, std::uint16_t value);

    Kurzweil::Bytes fData;
};
