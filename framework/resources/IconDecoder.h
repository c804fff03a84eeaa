#pragma once

// Decoding of icon resources: the group directory (GRPICONDIR) that lists an icon's images, and
// each image (RT_ICON), a device-independent bitmap of double height whose lower half is the
// colour image and upper half the transparency (AND) mask.

#include "framework/resources/ResourceSet.h"

#include <cstdint>
#include <span>
#include <vector>

namespace fw::res {

// One entry of an icon group: what the image claims to be and the RT_ICON resource holding it.
struct IconGroupEntry {
    int width = 0; // 256 when stored as 0
    int height = 0;
    int colourCount = 0;
    int planes = 0;
    int bitCount = 0;
    std::uint32_t bytesInResource = 0;
    std::uint16_t iconId = 0;
};

// Throws std::runtime_error when the bytes are not a complete icon group directory.
[[nodiscard]] std::vector<IconGroupEntry> DecodeIconGroup(std::span<const std::uint8_t> data);

// Decodes an uncompressed bitmap of 1, 4, 8, 24 or 32 bits per pixel. A pixel whose mask bit is
// set becomes fully transparent (0x00000000); other pixels are opaque unless a 32-bit image
// carries its own alpha. Throws std::runtime_error for anything else or a truncated image.
[[nodiscard]] IconImage DecodeIconImage(std::span<const std::uint8_t> data);

} // namespace fw::res
