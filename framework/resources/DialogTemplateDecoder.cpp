#include "framework/resources/DialogTemplateDecoder.h"

#include "framework/resources/ByteReader.h"

#include <stdexcept>

namespace fw::res {

namespace {

constexpr std::uint16_t kExtendedVersion = 1;
constexpr std::uint16_t kExtendedSignature = 0xFFFF;

DialogItem DecodeItem(ByteReader& in) {
    // Each control starts on a DWORD boundary of the template.
    in.AlignTo(4);
    DialogItem item;
    item.helpId = in.U32();
    item.exStyle = in.U32();
    item.style = in.U32();
    item.x = in.I16();
    item.y = in.I16();
    item.cx = in.I16();
    item.cy = in.I16();
    item.id = in.U32();
    item.windowClass = in.StringOrOrdinal();
    item.title = in.StringOrOrdinal();
    const std::uint16_t extraSize = in.U16();
    const auto extra = in.Bytes(extraSize);
    item.creationData.assign(extra.begin(), extra.end());
    return item;
}

} // namespace

DialogTemplate DecodeDialogTemplate(std::span<const std::uint8_t> data) {
    ByteReader in(data);
    const std::uint16_t version = in.U16();
    const std::uint16_t signature = in.U16();
    if (version != kExtendedVersion || signature != kExtendedSignature) {
        throw std::runtime_error("dialog template: not an extended dialog template");
    }
    DialogTemplate dialog;
    dialog.helpId = in.U32();
    dialog.exStyle = in.U32();
    dialog.style = in.U32();
    const std::uint16_t itemCount = in.U16();
    dialog.x = in.I16();
    dialog.y = in.I16();
    dialog.cx = in.I16();
    dialog.cy = in.I16();
    dialog.menu = in.StringOrOrdinal();
    dialog.windowClass = in.StringOrOrdinal();
    dialog.title = in.String();
    if ((dialog.style & kDialogStyleSetFont) != 0) {
        dialog.pointSize = in.U16();
        dialog.weight = in.U16();
        dialog.italic = in.U8() != 0;
        dialog.charset = in.U8();
        dialog.typeface = in.String();
    }
    dialog.items.reserve(itemCount);
    for (std::uint16_t i = 0; i < itemCount; ++i) {
        dialog.items.push_back(DecodeItem(in));
    }
    return dialog;
}

} // namespace fw::res
