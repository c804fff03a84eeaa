#pragma once

// Decoding of dialog-initialisation data (resource type 240): the records that fill a dialog's
// list and combo boxes when the dialog starts.

#include "framework/resources/ResourceSet.h"

#include <cstdint>
#include <span>
#include <vector>

namespace fw::res {

// The messages as the records store them: the 16-bit window messages WM_USER + 3 and WM_USER + 1.
inline constexpr std::uint16_t kDlgInitComboAddString = 0x0403;
inline constexpr std::uint16_t kDlgInitListAddString = 0x0401;
// The 32-bit messages that the two stand for, and that DialogInitEntry::message carries.
inline constexpr std::uint16_t kComboAddString = 0x0143; // CB_ADDSTRING
inline constexpr std::uint16_t kListAddString = 0x0180;  // LB_ADDSTRING

// Each record is a control id (WORD), a message (WORD), a data length (DWORD) and that many bytes
// of data, packed without padding; a zero control id ends the list. The stored 16-bit add-string
// messages are translated to their 32-bit values, as the dialog framework does when it sends them;
// other messages pass unchanged. The text is the data up to its first NUL.
// Throws std::runtime_error when a record runs past the end of the data.
[[nodiscard]] std::vector<DialogInitEntry> DecodeDialogInit(std::span<const std::uint8_t> data);

} // namespace fw::res
