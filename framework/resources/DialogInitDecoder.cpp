#include "framework/resources/DialogInitDecoder.h"

#include "framework/resources/ByteReader.h"

#include <algorithm>

namespace fw::res {

std::vector<DialogInitEntry> DecodeDialogInit(std::span<const std::uint8_t> data) {
    ByteReader in(data);
    std::vector<DialogInitEntry> entries;
    // The end of the data also ends the list, as it does for the framework that reads it.
    while (!in.AtEnd()) {
        DialogInitEntry entry;
        entry.controlId = in.U16();
        if (entry.controlId == 0) {
            break;
        }
        entry.message = in.U16();
        if (entry.message == kDlgInitComboAddString) {
            entry.message = kComboAddString;
        } else if (entry.message == kDlgInitListAddString) {
            entry.message = kListAddString;
        }
        const auto bytes = in.Bytes(in.U32());
        const auto end = std::find(bytes.begin(), bytes.end(), std::uint8_t{0});
        entry.text.assign(bytes.begin(), end);
        entries.push_back(std::move(entry));
    }
    return entries;
}

} // namespace fw::res
