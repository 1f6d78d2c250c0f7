#pragma once
// The sound parameters of a SampleCell instrument (RIFF form SCin): six
// sections of little-endian 16-bit words that an instrument file carries
// unchanged, and the zone value of its key entries. They start from
// built-in defaults; a template instrument file may replace them section by
// section.
#include <array>
#include <cstdint>
#include <optional>

#include "framework/exceptions/GeneralExceptions.h"

class CMedia;

// A template file that is no RIFF file or whose chunks do not fit it.
QUILLET_EXCEPTION(XBadSampleCellTemplate, XBadFormat);

struct SampleCellTemplate {
    // One section: entries of a fixed size and the chunk that holds them.
    struct Section {
        const char* id;
        std::uint16_t entries;
        std::uint16_t entrySize;
    };
    static constexpr Section kEnvelopes{"EnvP", 3, 16};
    static constexpr Section kLFOs{"LFOP", 2, 8};
    static constexpr Section kRamp{"Ramp", 1, 2};
    static constexpr Section kTracking{"TrkP", 2, 20};
    static constexpr Section kModulation{"ModP", 20, 8};
    static constexpr std::size_t kGeneralSize = 60;

    std::array<std::uint8_t, kGeneralSize> general{};  // GenP
    std::array<std::uint8_t, 3 * 16> envelopes{};
    std::array<std::uint8_t, 2 * 8> lfos{};
    std::array<std::uint8_t, 1 * 2> ramp{};
    std::array<std::uint8_t, 2 * 20> tracking{};
    std::array<std::uint8_t, 20 * 8> modulation{};
    // From a template's KeyP chunk; without one nothing sets it.
    std::optional<std::uint16_t> zoneValue;

    // The built-in defaults.
    static SampleCellTemplate Defaults();
};

// Fills tmpl from a template file: KeyP's first zone value, GenP, and each
// entry section whose 4-byte header (count, size) is the expected one; a
// missing chunk, or a header of another shape, leaves that section as it
// was. XBadSampleCellTemplate when the outer group is not RIFF, or a chunk
// runs past its group or is shorter than what is read from it, or the
// stream cannot be read.
void ReadSampleCellTemplate(SampleCellTemplate& tmpl, CMedia& file);
