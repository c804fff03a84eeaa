#pragma once

// Decoding of a version record (VS_VERSIONINFO): the fixed file information and the tree of
// string tables and translations beneath it, as the Windows shell shows them in a file's
// properties.

#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace fw::res {

// VS_FIXEDFILEINFO; versions are kept as their two DWORDs (major << 16 | minor, build << 16 | rev).
struct FixedFileInfo {
    std::uint32_t signature = 0; // 0xFEEF04BD
    std::uint32_t structVersion = 0;
    std::uint32_t fileVersionMs = 0;
    std::uint32_t fileVersionLs = 0;
    std::uint32_t productVersionMs = 0;
    std::uint32_t productVersionLs = 0;
    std::uint32_t fileFlagsMask = 0;
    std::uint32_t fileFlags = 0;
    std::uint32_t fileOs = 0;
    std::uint32_t fileType = 0;
    std::uint32_t fileSubtype = 0;
    std::uint32_t fileDateMs = 0;
    std::uint32_t fileDateLs = 0;
};

// One string block, keyed by language and code page in hex ("041103a4"), with its values in order.
struct VersionStringTable {
    std::u16string key;
    std::vector<std::pair<std::u16string, std::u16string>> values;
};

struct VersionTranslation {
    std::uint16_t language = 0;
    std::uint16_t codePage = 0;
};

struct VersionInfo {
    FixedFileInfo fixed;
    std::vector<VersionStringTable> stringTables;
    std::vector<VersionTranslation> translations;
};

inline constexpr std::uint32_t kFixedFileInfoSignature = 0xFEEF04BD;

// Throws std::runtime_error when the bytes are not a well-formed version record.
[[nodiscard]] VersionInfo DecodeVersionInfo(std::span<const std::uint8_t> data);

} // namespace fw::res
