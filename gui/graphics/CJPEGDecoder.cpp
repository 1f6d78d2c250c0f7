#include "gui/graphics/CJPEGDecoder.h"

#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <vector>

// The library's headers need FILE and size_t declared first.
#include <jerror.h>
#include <jpeglib.h>

#include "framework/exceptions/GeneralExceptions.h"
#include "framework/streams/CMedia.h"
#include "gui/graphics/CBitmap16.h"
#include "gui/graphics/CBitmap24.h"
#include "gui/graphics/CBitmap32.h"
#include "gui/graphics/CBitmap8.h"

namespace {

constexpr std::size_t kSourceChunk = 4096;

struct ErrorManager {
    jpeg_error_mgr library;
    std::jmp_buf jump;
};

// A library source that reads the stream; its end is an error, so a
// truncated picture fails instead of being padded out.
struct StreamSource {
    jpeg_source_mgr library;
    CMedia* media;
    JOCTET buffer[kSourceChunk];
};

// Everything one decoding owns, kept outside the frame that calls setjmp.
struct Decoding {
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    StreamSource source{};
    std::unique_ptr<CABCBitmap> bitmap;
    std::vector<JSAMPLE> row;
    JSAMPLE colorMap[3][256]{};
    JSAMPROW colorMapRows[3]{};
};

[[noreturn]] void JumpOut(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

void IgnoreMessage(j_common_ptr) {}

void StartSource(j_decompress_ptr) {}

void TermSource(j_decompress_ptr) {}

boolean FillSource(j_decompress_ptr info)
{
    auto* source = reinterpret_cast<StreamSource*>(info->src);
    std::int64_t count = 0;
    bool failed = false;
    try {
        const std::int64_t left = source->media->GetSize() - source->media->GetPosition();
        count = left < static_cast<std::int64_t>(kSourceChunk) ? left : static_cast<std::int64_t>(kSourceChunk);
        if (count > 0)
            source->media->Read(count, source->buffer);
    } catch (...) {
        failed = true;
    }
    // The jump out happens outside the handler, so the exception is released.
    if (failed)
        ERREXIT(info, JERR_FILE_READ);
    if (count <= 0)
        ERREXIT(info, JERR_INPUT_EOF);
    source->library.next_input_byte = source->buffer;
    source->library.bytes_in_buffer = static_cast<std::size_t>(count);
    return TRUE;
}

void SkipSource(j_decompress_ptr info, long count)
{
    auto* source = reinterpret_cast<StreamSource*>(info->src);
    if (count <= 0)
        return;
    std::size_t left = static_cast<std::size_t>(count);
    while (left > source->library.bytes_in_buffer) {
        left -= source->library.bytes_in_buffer;
        FillSource(info);
    }
    source->library.next_input_byte += left;
    source->library.bytes_in_buffer -= left;
}

std::unique_ptr<CABCBitmap> MakeBitmap(int width, int height, int depth, const CPalette* colorMap)
{
    switch (depth) {
    case 8: return std::make_unique<CBitmap8>(width, height, *colorMap);
    case 16: return std::make_unique<CBitmap16>(width, height);
    case 24: return std::make_unique<CBitmap24>(width, height);
    default: return std::make_unique<CBitmap32>(width, height);
    }
}

// Stores one scanline of blue, green, red bytes in the bitmap's layout.
void StoreRow(const JSAMPLE* from, std::uint8_t* to, int width, int depth)
{
    for (int x = 0; x < width; ++x) {
        const JSAMPLE blue = from[3 * x];
        const JSAMPLE green = from[3 * x + 1];
        const JSAMPLE red = from[3 * x + 2];
        if (depth == 32) {
            to[4 * x] = blue;
            to[4 * x + 1] = green;
            to[4 * x + 2] = red;
            to[4 * x + 3] = 0;
        } else {
            const unsigned packed = (red / 8u) * 1024u + (green / 8u) * 32u + blue / 8u;
            to[2 * x] = static_cast<std::uint8_t>(packed & 0xFF);
            to[2 * x + 1] = static_cast<std::uint8_t>(packed >> 8);
        }
    }
}

// Runs the library; false when it reported an error. Holds nothing that
// needs destroying, so the jump back from the error exit skips no destructor.
bool RunLibrary(Decoding& d, CMedia& media, int depth, const CPalette* colorMap)
{
    if (setjmp(d.errors.jump) != 0)
        return false;
    jpeg_create_decompress(&d.info);
    d.source.media = &media;
    d.source.library.init_source = StartSource;
    d.source.library.fill_input_buffer = FillSource;
    d.source.library.skip_input_data = SkipSource;
    d.source.library.resync_to_restart = jpeg_resync_to_restart;
    d.source.library.term_source = TermSource;
    d.info.src = &d.source.library;
    // Asked for an image, the library raises an error rather than return without one.
    jpeg_read_header(&d.info, TRUE);
    if (depth == 8) {
        for (int i = 0; i < 256; ++i) {
            d.colorMap[0][i] = (*colorMap)[i].red;
            d.colorMap[1][i] = (*colorMap)[i].green;
            d.colorMap[2][i] = (*colorMap)[i].blue;
        }
        for (int c = 0; c < 3; ++c)
            d.colorMapRows[c] = d.colorMap[c];
        d.info.out_color_space = JCS_RGB;
        d.info.quantize_colors = TRUE;
        d.info.dither_mode = JDITHER_FS;
        d.info.colormap = d.colorMapRows;
        d.info.actual_number_of_colors = 256;
    } else {
        d.info.out_color_space = JCS_EXT_BGR;
    }
    jpeg_start_decompress(&d.info);
    const int width = static_cast<int>(d.info.output_width);
    d.bitmap = MakeBitmap(width, static_cast<int>(d.info.output_height), depth, colorMap);
    std::uint8_t* pixels = d.bitmap->LockPixels();
    const bool direct = depth == 8 || depth == 24;
    if (!direct)
        d.row.resize(static_cast<std::size_t>(width) * 3);
    while (d.info.output_scanline < d.info.output_height) {
        std::uint8_t* to = pixels + static_cast<std::ptrdiff_t>(d.info.output_scanline) * d.bitmap->GetBytesPerRow();
        JSAMPROW row = direct ? to : d.row.data();
        jpeg_read_scanlines(&d.info, &row, 1);
        if (!direct)
            StoreRow(d.row.data(), to, width, depth);
    }
    d.bitmap->UnlockPixels();
    jpeg_finish_decompress(&d.info);
    return true;
}

}  // namespace

std::unique_ptr<CABCBitmap> CJPEGDecoder::Decode(CMedia& media, int depth, const CPalette* colorMap)
{
    if ((depth != 8 && depth != 16 && depth != 24 && depth != 32) || (depth == 8 && colorMap == nullptr))
        throw XInternalError();
    auto d = std::make_unique<Decoding>();
    d->info.err = jpeg_std_error(&d->errors.library);
    d->errors.library.error_exit = JumpOut;
    d->errors.library.output_message = IgnoreMessage;
    bool done = false;
    try {
        done = RunLibrary(*d, media, depth, colorMap);
    } catch (...) {
        jpeg_destroy_decompress(&d->info);
        throw;
    }
    const int code = d->errors.library.msg_code;
    jpeg_destroy_decompress(&d->info);
    if (!done)
        ThrowForMessageCode(code);
    return std::move(d->bitmap);
}

void CJPEGDecoder::ThrowForMessageCode(int code)
{
    switch (code) {
    case JERR_OUT_OF_MEMORY:
        throw XJPegOutOfMemory();

    case JERR_ARITH_NOTIMPL: case JERR_BAD_ALIGN_TYPE: case JERR_BAD_ALLOC_CHUNK:
    case JERR_BAD_BUFFER_MODE: case JERR_BAD_COMPONENT_ID: case JERR_BAD_LIB_VERSION:
    case JERR_BAD_MCU_SIZE: case JERR_BAD_SCAN_SCRIPT: case JERR_BAD_STRUCT_SIZE:
    case JERR_BAD_VIRTUAL_ACCESS: case JERR_EOI_EXPECTED: case JERR_HUFF_CLEN_OVERFLOW:
    case JERR_HUFF_MISSING_CODE: case JERR_IMAGE_TOO_BIG: case JERR_MISMATCHED_QUANT_TABLE:
    case JERR_MISSING_DATA: case JERR_MODE_CHANGE: case JERR_NO_BACKING_STORE:
    case JERR_NO_HUFF_TABLE: case JERR_NO_IMAGE: case JERR_NO_QUANT_TABLE:
    case JERR_VIRTUAL_BUG:
    // Codes of later library releases.
    case JERR_BAD_CROP_SPEC: case JERR_BAD_DROP_SAMPLING:
        throw XJPegInternalError();

    case JERR_BAD_DCTSIZE: case JERR_BAD_LENGTH: case JERR_BAD_POOL_ID:
    case JERR_BAD_PRECISION: case JERR_BAD_PROGRESSION: case JERR_BUFFER_SIZE:
    case JERR_CANT_SUSPEND: case JERR_CCIR601_NOTIMPL: case JERR_COMPONENT_COUNT:
    case JERR_EMPTY_IMAGE: case JERR_FRACT_SAMPLE_NOTIMPL: case JERR_NOTIMPL:
    case JERR_NOT_COMPILED: case JERR_SOF_UNSUPPORTED: case JERR_UNKNOWN_MARKER:
    case JERR_WIDTH_OVERFLOW:
        throw XJPegUnsupportedFormat();

    case JERR_BAD_HUFF_TABLE: case JERR_BAD_IN_COLORSPACE: case JERR_BAD_J_COLORSPACE:
    case JERR_BAD_PROG_SCRIPT: case JERR_BAD_SAMPLING: case JERR_BAD_STATE:
    case JERR_CONVERSION_NOTIMPL: case JERR_DAC_INDEX: case JERR_DAC_VALUE:
    case JERR_DHT_INDEX: case JERR_DQT_INDEX: case JERR_EMS_READ: case JERR_EMS_WRITE:
    case JERR_FILE_READ: case JERR_FILE_WRITE: case JERR_INPUT_EMPTY: case JERR_INPUT_EOF:
    case JERR_NO_SOI: case JERR_QUANT_COMPONENTS: case JERR_QUANT_FEW_COLORS:
    case JERR_QUANT_MANY_COLORS: case JERR_SOF_DUPLICATE: case JERR_SOF_NO_SOS:
    case JERR_SOI_DUPLICATE: case JERR_SOS_NO_SOF: case JERR_TFILE_CREATE:
    case JERR_TFILE_READ: case JERR_TFILE_SEEK: case JERR_TFILE_WRITE:
    case JERR_TOO_LITTLE_DATA: case JERR_XMS_READ: case JERR_XMS_WRITE:
    // Codes of later library releases.
    case JERR_BAD_DCT_COEF:
        throw XJPegBadFormat();

    default:
        // A code this program does not know: still a failure of the library.
        throw XJPegInternalError();
    }
}
