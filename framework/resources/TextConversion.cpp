#include "framework/resources/TextConversion.h"

#include <cstdint>

namespace fw::res {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

bool IsLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

void Append(std::string& out, char32_t cp) {
    const auto byte = [&out](std::uint32_t value) { out.push_back(static_cast<char>(value)); };
    if (cp < 0x80) {
        byte(cp);
    } else if (cp < 0x800) {
        byte(0xC0 | (cp >> 6));
        byte(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        byte(0xE0 | (cp >> 12));
        byte(0x80 | ((cp >> 6) & 0x3F));
        byte(0x80 | (cp & 0x3F));
    } else {
        byte(0xF0 | (cp >> 18));
        byte(0x80 | ((cp >> 12) & 0x3F));
        byte(0x80 | ((cp >> 6) & 0x3F));
        byte(0x80 | (cp & 0x3F));
    }
}

} // namespace

std::string Utf16ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            const char16_t low = text[++i];
            Append(out, 0x10000 + ((char32_t{c} - 0xD800) << 10) + (char32_t{low} - 0xDC00));
        } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
            Append(out, kReplacement);
        } else {
            Append(out, c);
        }
    }
    return out;
}

} // namespace fw::res
