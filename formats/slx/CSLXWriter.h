#pragma once
// Writes an SLX file: an AIFF file whose SSND chunk holds every slice on a
// 512-byte boundary of the file, followed by the slice table (APPL "SLX "),
// then COMM, INST and MARK.
#include <cstdint>

#include "formats/slx/CSLXRecord.h"
#include "formats/sound/CAIFFWriter.h"

class CSLXWriter : public CAIFFWriter {
public:
    static constexpr std::int64_t kBlockSize = 512;

    // The stream must stand at its start.
    explicit CSLXWriter(CMedia& media);

    // FORM AIFF, then the SSND header with the offset and its zero bytes.
    void Begin();
    // Pads to the next 512-byte boundary; answers the segment's sample offset
    // (16-bit values from the first value after the offset bytes).
    std::uint32_t BeginSegment();
    // Samples in machine order; they are not changed.
    void WriteFrames(const std::int16_t* samples, std::int64_t count);
    // Ends SSND, writes the slice table, COMM with every value written to
    // SSND, INST and MARK, and ends the FORM.
    void Finish(const CSLXRecord& record, std::uint32_t sampleRate);

    std::int64_t FrameTotal() const { return frameTotal_; }

private:
    void WriteZeros(std::int64_t count);

    CMedia& media_;
    std::int64_t frameTotal_ = 0;
};
