#pragma once

// Conversion of the resources' UTF-16 texts to UTF-8, for toolkits and terminals that want it.

#include <string>
#include <string_view>

namespace fw::res {

// Surrogate pairs become one code point; an unpaired surrogate becomes U+FFFD.
[[nodiscard]] std::string Utf16ToUtf8(std::u16string_view text);

} // namespace fw::res
