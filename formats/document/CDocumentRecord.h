#pragma once
// The slicing of a document as its file stores it: an 8160-byte record
// carried in the AIFF file's APPL chunk behind the signature "Quil".
#include <cstddef>
#include <cstdint>
#include <vector>

class CMedia;

// One slice point of the record.
struct CDocumentSliceEntry {
    std::uint32_t position = 0;
    std::int16_t level = 0;
    std::uint8_t state = 0;  // 0 normal, 1 hidden, 2 locked
    bool selected = false;

    bool operator==(const CDocumentSliceEntry&) const = default;
};

class CDocumentRecord {
public:
    static constexpr std::size_t kSize = 8160;
    static constexpr char kSignature[5] = "Quil";
    static constexpr std::uint32_t kMagic = 0xD1DADED0;
    static constexpr std::uint8_t kVersionMajor = 1;
    static constexpr std::uint8_t kVersionMinor = 0;
    static constexpr std::size_t kMaxSlices = 1000;

    std::uint8_t numerator = 4;
    std::uint8_t denominator = 4;
    std::uint16_t bars = 0;
    std::uint8_t beats = 0;
    std::uint32_t newTempo = 120000;
    bool normalize = false;
    bool separateSlices = true;
    bool silenceSelected = false;
    bool pitchMode = false;
    std::uint16_t stretch = 0;
    std::uint16_t sensitivity = 0;
    // In ascending position, at most kMaxSlices.
    std::vector<CDocumentSliceEntry> slices;

    bool operator==(const CDocumentRecord&) const = default;

    // Writes the kSize bytes of the record.
    void Encode(std::uint8_t* out) const;

    // Decodes kSize bytes. A wrong magic or more than kMaxSlices entries
    // throws XBadFormat, a later version XUnsupportedFormat. Every other
    // field is brought into its range: settings are clamped, entries with an
    // unknown state or a repeated position are dropped, and the entries are
    // put in position order.
    static CDocumentRecord Decode(const std::uint8_t* in);

    // Reads the record of a document file from the first APPL chunk of the
    // stream. No APPL chunk or a foreign signature throws XBadFormat.
    static CDocumentRecord Read(CMedia& stream);
};
