#include "platform/pictures/jpeg_picture.h"

// jpeglib.h needs FILE and size_t declared before it.
#include <cstdio>

#include <jpeglib.h>

#include <algorithm>
#include <bit>
#include <climits>
#include <csetjmp>
#include <cstdint>
#include <cstring>
#include <system_error>
#include <thread>
#include <vector>

#if defined(__linux__)
#include <sys/mman.h>
#endif
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "platform/services.h"

namespace glint::platform::pictures::jpeg {

namespace {

// libjpeg writes four bytes a pixel, blue, green, red and a padding byte of 0xFF, so that in
// memory each pixel reads as 0xFFRRGGBB; the padding is masked off while the row is copied.
constexpr J_COLOR_SPACE kOutputSpace =
    std::endian::native == std::endian::little ? JCS_EXT_BGRX : JCS_EXT_XRGB;
constexpr Rgb kColourBits = 0x00FFFFFFu;

// Rows asked of libjpeg at a time; it gives one or two, a few at most.
constexpr int kBandRows = 8;

constexpr int kExifOrientationTag = 0x0112;
constexpr int kExifShort = 3;

// libjpeg's default on an error is to end the process. Ours jumps back to the setjmp of the
// function that called libjpeg (see readHeader and readRows).
struct ErrorManager {
    jpeg_error_mgr base;  // first: libjpeg's pointer to it is a pointer to the whole
    std::jmp_buf jump;
};

[[noreturn]] void jumpBack(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

// Warnings are damage libjpeg decodes around (data cut short, stray bytes): the picture shows
// grey where data is missing, and there is nobody to tell.
void dropMessage(j_common_ptr) {}

struct Decompression {
    jpeg_decompress_struct info{};
    ErrorManager error{};

    Decompression() {
        info.err = jpeg_std_error(&error.base);
        error.base.error_exit = jumpBack;
        error.base.output_message = dropMessage;
    }
    ~Decompression() { jpeg_destroy_decompress(&info); }  // safe after a failed create too
    Decompression(const Decompression&) = delete;
    Decompression& operator=(const Decompression&) = delete;
};

// readHeader and readRows call libjpeg behind a setjmp that its errors jump back to. Nothing with
// a destructor lives in their frames, so the jump skips no clean-up; they answer how it went.
bool readHeader(Decompression& d, std::FILE* file, long memoryLimit) {
    if (setjmp(d.error.jump)) return false;
    jpeg_create_decompress(&d.info);
    // Caps what libjpeg itself allocates: the coefficients of a progressive photo are kept whole.
    d.info.mem->max_memory_to_use = memoryLimit;
    jpeg_stdio_src(&d.info, file);
    jpeg_save_markers(&d.info, JPEG_APP0 + 1, 0xFFFF);
    jpeg_read_header(&d.info, TRUE);
    // libjpeg gives the inks of CMYK photos (YCCK ones turned into CMYK), four bytes a pixel too.
    const bool cmyk = d.info.jpeg_color_space == JCS_CMYK || d.info.jpeg_color_space == JCS_YCCK;
    d.info.out_color_space = cmyk ? JCS_CMYK : kOutputSpace;
    jpeg_calc_output_dimensions(&d.info);
    return d.info.output_components == 4;
}

// Where the stored pixel (x, y) goes in the upright picture: at origin + x * stepX + y * stepY.
struct Placement {
    std::ptrdiff_t origin;
    std::ptrdiff_t stepX;
    std::ptrdiff_t stepY;
};

// For a stored picture of w x h; orientations 5 to 8 give an upright picture of h x w.
Placement placementFor(int orientation, std::ptrdiff_t w, std::ptrdiff_t h) {
    switch (orientation) {
        case 2:
            return {w - 1, -1, w};  // mirrored left to right
        case 3:
            return {w * h - 1, -1, -w};  // upside down
        case 4:
            return {(h - 1) * w, 1, -w};  // mirrored top to bottom
        case 5:
            return {0, h, 1};  // mirrored along the top-left diagonal
        case 6:
            return {h - 1, h, -1};  // shown turned a quarter clockwise
        case 7:
            return {w * h - 1, -h, -1};  // mirrored along the top-right diagonal
        case 8:
            return {(w - 1) * h, -h, 1};  // shown turned a quarter anticlockwise
        default:
            return {0, 1, w};
    }
}

// Copies a decoded row into the picture without its padding bytes. The picture is written once
// and not read during the decode, so where the processor allows, the stores go to memory without
// first reading each line of it into the cache.
void copyRow(const Rgb* from, Rgb* to, std::size_t count) {
#if defined(__SSE2__)
    for (; count > 0 && reinterpret_cast<std::uintptr_t>(to) % 16 != 0; --count) {
        *to++ = *from++ & kColourBits;
    }
    const __m128i colour = _mm_set1_epi32(static_cast<int>(kColourBits));
    for (; count >= 4; count -= 4, from += 4, to += 4) {
        const __m128i four = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
        _mm_stream_si128(reinterpret_cast<__m128i*>(to), _mm_and_si128(four, colour));
    }
#endif
    for (; count > 0; --count) *to++ = *from++ & kColourBits;
}

void placeRow(const Rgb* row, std::size_t width, std::size_t y, Rgb* pixels,
              const Placement& placement) {
    Rgb* to = pixels + placement.origin + static_cast<std::ptrdiff_t>(y) * placement.stepY;
    if (placement.stepX == 1) {
        copyRow(row, to, width);
        return;
    }
    for (std::size_t x = 0; x < width; ++x, to += placement.stepX) *to = row[x] & kColourBits;
}

// Photoshop stores the inks of CMYK photos inverted (and marks them so), as nearly every CMYK
// photo is: each colour is then its ink's value scaled by the black's, as Qt's reader gives them.
void inksToColours(Rgb* row, std::size_t count) {
    const auto* inks = reinterpret_cast<const unsigned char*>(row);
    for (std::size_t x = 0; x < count; ++x, inks += 4) {
        const int black = inks[3];
        row[x] = rgb(inks[0] * black / 255, inks[1] * black / 255, inks[2] * black / 255);
    }
}

bool readRows(Decompression& d, Rgb* band, Rgb* pixels, const Placement& placement) {
    if (setjmp(d.error.jump)) return false;
    jpeg_start_decompress(&d.info);
    const std::size_t width = d.info.output_width;
    JSAMPROW rows[kBandRows];
    for (int r = 0; r < kBandRows; ++r) {
        rows[r] = reinterpret_cast<JSAMPROW>(band + static_cast<std::size_t>(r) * width);
    }
    while (d.info.output_scanline < d.info.output_height) {
        const std::size_t first = d.info.output_scanline;
        const JDIMENSION count = jpeg_read_scanlines(&d.info, rows, kBandRows);
        if (count == 0) return false;  // only a suspending source gives none, and ours never does
        for (JDIMENSION r = 0; r < count; ++r) {
            if (d.info.out_color_space == JCS_CMYK) inksToColours(band + r * width, width);
            placeRow(band + r * width, width, first + r, pixels, placement);
        }
    }
#if defined(__SSE2__)
    _mm_sfence();  // the streamed stores are in memory before anyone else reads the picture
#endif
    // Not jpeg_finish_decompress: every row is in, and whatever follows them (markers, stray
    // bytes) cannot change the picture any more.
    return true;
}

// While the photo decodes, another thread has the system provide the picture's memory ahead of
// it: the system clears every page it hands out, which for a large photo costs a tenth of the
// decode when done on the way. Only asks for pages to be present, and never writes to them.
class PagesAhead {
public:
    PagesAhead(Rgb* pixels, std::size_t count) {
#if defined(__linux__) && defined(MADV_POPULATE_WRITE)
        if (count * sizeof(Rgb) < kWorthFrom) return;
        const auto page = static_cast<std::uintptr_t>(kChunk);
        const auto start = (reinterpret_cast<std::uintptr_t>(pixels) + page - 1) / page * page;
        const auto end = reinterpret_cast<std::uintptr_t>(pixels + count) / page * page;
        if (end <= start) return;
        try {
            m_thread = std::thread([start, end] {
                for (std::uintptr_t at = start; at < end; at += kChunk) {
                    // Older systems refuse the request: the decode then meets the pages itself.
                    if (madvise(reinterpret_cast<void*>(at), kChunk, MADV_POPULATE_WRITE) != 0) {
                        return;
                    }
                }
            });
        } catch (const std::system_error&) {
            // No thread to spare: the decode meets the pages itself.
        }
#else
        (void)pixels;
        (void)count;
#endif
    }
    ~PagesAhead() {
        if (m_thread.joinable()) m_thread.join();
    }
    PagesAhead(const PagesAhead&) = delete;
    PagesAhead& operator=(const PagesAhead&) = delete;

private:
    static constexpr std::size_t kWorthFrom = std::size_t{32} << 20;
    static constexpr std::size_t kChunk = std::size_t{2} << 20;  // a huge page
    std::thread m_thread;
};

int orientationOf(const jpeg_decompress_struct& info) {
    for (jpeg_saved_marker_ptr marker = info.marker_list; marker; marker = marker->next) {
        if (marker->marker != JPEG_APP0 + 1) continue;
        if (const int orientation = exifOrientation(marker->data, marker->data_length)) {
            return orientation;
        }
    }
    return 1;
}

}  // namespace

bool looksLikeJpeg(const unsigned char* start, std::size_t size) {
    return size >= 3 && start[0] == 0xFF && start[1] == 0xD8 && start[2] == 0xFF;
}

int exifOrientation(const unsigned char* data, std::size_t size) {
    static constexpr unsigned char kExifMark[] = {'E', 'x', 'i', 'f', 0, 0};
    if (size < sizeof kExifMark || std::memcmp(data, kExifMark, sizeof kExifMark) != 0) return 0;
    // A TIFF block: byte order, 42, where the first directory starts; then that directory: the
    // number of its entries, and entries of 12 bytes (tag, type, count, value or where it is).
    const unsigned char* tiff = data + sizeof kExifMark;
    const std::uint64_t length = size - sizeof kExifMark;
    if (length < 8) return 1;
    const bool bigEndian = tiff[0] == 'M' && tiff[1] == 'M';
    if (!bigEndian && !(tiff[0] == 'I' && tiff[1] == 'I')) return 1;
    // Unsigned numbers of the block's byte order; -1 for any that would reach past its end.
    const auto number = [&](std::uint64_t at, int bytes) -> std::int64_t {
        if (at + static_cast<std::uint64_t>(bytes) > length) return -1;
        std::int64_t value = 0;
        for (int k = 0; k < bytes; ++k) {
            const int place = bigEndian ? k : bytes - 1 - k;
            value = value << 8 | tiff[at + static_cast<std::uint64_t>(place)];
        }
        return value;
    };
    if (number(2, 2) != 42) return 1;
    const std::int64_t directory = number(4, 4);
    const std::int64_t entries = directory < 0 ? -1 : number(directory, 2);
    for (std::int64_t k = 0; k < entries; ++k) {
        const auto entry = static_cast<std::uint64_t>(directory + 2 + 12 * k);
        const std::int64_t tag = number(entry, 2);
        if (tag < 0) return 1;  // the directory is cut off
        if (tag != kExifOrientationTag) continue;
        const std::int64_t value = number(entry + 8, 2);
        const bool valid = number(entry + 2, 2) == kExifShort && number(entry + 4, 4) == 1 &&
                           value >= 1 && value <= 8;
        return valid ? static_cast<int>(value) : 1;
    }
    return 1;
}

Image decode(std::FILE* file, const std::string& path, std::size_t limitBytes) {
    Decompression d;
    const long memoryLimit = static_cast<long>(std::min<std::size_t>(limitBytes, LONG_MAX));
    if (!readHeader(d, file, memoryLimit)) throw PictureError(path);
    const std::size_t width = d.info.output_width;
    const std::size_t height = d.info.output_height;
    // At most 65500 each, so the product cannot overflow.
    if (width == 0 || height == 0 ||
        static_cast<std::uint64_t>(width) * height * sizeof(Rgb) > limitBytes) {
        throw PictureError(path);
    }
    const int orientation = orientationOf(d.info);
    const bool turned = orientation >= 5;
    const Placement placement = placementFor(orientation, static_cast<std::ptrdiff_t>(width),
                                             static_cast<std::ptrdiff_t>(height));
    try {
        std::vector<Rgb> band(width * kBandRows);
        return Image::painted(static_cast<int>(turned ? height : width),
                              static_cast<int>(turned ? width : height), [&](Rgb* pixels) {
                                  const PagesAhead ahead(pixels, width * height);
                                  if (!readRows(d, band.data(), pixels, placement)) {
                                      throw PictureError(path);
                                  }
                              });
    } catch (const std::bad_alloc&) {
        throw PictureError(path);  // too large for this machine: as for one over the limit
    }
}

}  // namespace glint::platform::pictures::jpeg
