#include "framework/resources/IconDecoder.h"

#include "framework/resources/ByteReader.h"

#include <stdexcept>

namespace fw::res {

namespace {

constexpr std::uint32_t kInfoHeaderSize = 40; // BITMAPINFOHEADER
constexpr std::uint32_t kRgbCompression = 0;  // BI_RGB
constexpr std::int32_t kMaxSide = 1024;       // far above any icon; keeps allocations bounded

std::size_t RowStride(std::size_t width, std::size_t bitCount) {
    return (width * bitCount + 31) / 32 * 4;
}

} // namespace

std::vector<IconGroupEntry> DecodeIconGroup(std::span<const std::uint8_t> data) {
    ByteReader in(data);
    const std::uint16_t reserved = in.U16();
    const std::uint16_t type = in.U16();
    if (reserved != 0 || type != 1) {
        throw std::runtime_error("icon group: not an icon directory");
    }
    const std::uint16_t count = in.U16();
    std::vector<IconGroupEntry> entries;
    entries.reserve(count);
    for (std::uint16_t i = 0; i < count; ++i) {
        IconGroupEntry entry;
        const std::uint8_t width = in.U8();
        const std::uint8_t height = in.U8();
        entry.width = width == 0 ? 256 : width;
        entry.height = height == 0 ? 256 : height;
        entry.colourCount = in.U8();
        (void)in.U8();
        entry.planes = in.U16();
        entry.bitCount = in.U16();
        entry.bytesInResource = in.U32();
        entry.iconId = in.U16();
        entries.push_back(entry);
    }
    return entries;
}

IconImage DecodeIconImage(std::span<const std::uint8_t> data) {
    ByteReader in(data);
    const std::uint32_t headerSize = in.U32();
    const auto width = static_cast<std::int32_t>(in.U32());
    const auto doubleHeight = static_cast<std::int32_t>(in.U32());
    (void)in.U16(); // planes
    const std::uint16_t bitCount = in.U16();
    const std::uint32_t compression = in.U32();
    (void)in.U32(); // image size
    (void)in.U32(); // horizontal resolution
    (void)in.U32(); // vertical resolution
    const std::uint32_t coloursUsed = in.U32();
    if (headerSize < kInfoHeaderSize || compression != kRgbCompression) {
        throw std::runtime_error("icon image: not an uncompressed bitmap");
    }
    if (width <= 0 || width > kMaxSide || doubleHeight <= 0 || doubleHeight % 2 != 0 ||
        doubleHeight / 2 > kMaxSide) {
        throw std::runtime_error("icon image: bad dimensions");
    }
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24 && bitCount != 32) {
        throw std::runtime_error("icon image: unsupported colour depth");
    }
    in.Seek(headerSize);

    std::vector<std::uint32_t> palette;
    if (bitCount <= 8) {
        const std::uint32_t maxColours = 1U << bitCount;
        const std::uint32_t colours = coloursUsed == 0 ? maxColours : coloursUsed;
        if (colours > maxColours) {
            throw std::runtime_error("icon image: palette too large");
        }
        for (std::uint32_t i = 0; i < colours; ++i) {
            const std::uint32_t blue = in.U8();
            const std::uint32_t green = in.U8();
            const std::uint32_t red = in.U8();
            (void)in.U8();
            palette.push_back((red << 16) | (green << 8) | blue);
        }
    }

    const auto w = static_cast<std::size_t>(width);
    const auto h = static_cast<std::size_t>(doubleHeight / 2);
    const auto colourBits = in.Bytes(RowStride(w, bitCount) * h);
    const auto maskBits = in.Bytes(RowStride(w, 1) * h);

    IconImage image;
    image.width = width;
    image.height = doubleHeight / 2;
    image.bitCount = bitCount;
    image.argb.resize(w * h);
    // A 32-bit image whose alpha bytes are all zero has no alpha channel: it is opaque.
    bool hasAlpha = false;
    if (bitCount == 32) {
        for (std::size_t i = 3; i < colourBits.size(); i += 4) {
            hasAlpha = hasAlpha || colourBits[i] != 0;
        }
    }
    const std::size_t depth = bitCount;
    for (std::size_t row = 0; row < h; ++row) {
        // Rows are stored bottom row first.
        const auto colourRow = colourBits.subspan((h - 1 - row) * RowStride(w, bitCount));
        const auto maskRow = maskBits.subspan((h - 1 - row) * RowStride(w, 1));
        for (std::size_t x = 0; x < w; ++x) {
            std::uint32_t pixel = 0;
            if (depth <= 8) {
                const std::size_t bit = x * depth;
                const std::size_t shift = 8 - depth - bit % 8;
                const std::size_t index =
                    (std::size_t{colourRow[bit / 8]} >> shift) & ((1U << depth) - 1);
                if (index >= palette.size()) {
                    throw std::runtime_error("icon image: colour index outside the palette");
                }
                pixel = 0xFF000000U | palette[index];
            } else {
                const auto p = colourRow.subspan(x * (depth / 8));
                pixel = (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[1]} << 8) | p[0];
                pixel |= hasAlpha ? std::uint32_t{p[3]} << 24 : 0xFF000000U;
            }
            const bool transparent = ((std::size_t{maskRow[x / 8]} >> (7 - x % 8)) & 1U) != 0;
            image.argb[row * w + x] = transparent ? 0 : pixel;
        }
    }
    return image;
}

} // namespace fw::res
