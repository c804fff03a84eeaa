#pragma once

// Decoding of an extended dialog template (DLGTEMPLATEEX followed by its DLGITEMTEMPLATEEX
// controls), the form in which the resource compiler stores a DIALOGEX statement.

#include "framework/resources/ResourceSet.h"

#include <cstdint>
#include <span>

namespace fw::res {

inline constexpr std::uint32_t kDialogStyleSetFont = 0x0040;  // DS_SETFONT: a font record follows
inline constexpr std::uint32_t kDialogStyleFixedSys = 0x0008; // DS_FIXEDSYS

// Throws std::runtime_error when the bytes are not a complete extended dialog template.
[[nodiscard]] DialogTemplate DecodeDialogTemplate(std::span<const std::uint8_t> data);

} // namespace fw::res
