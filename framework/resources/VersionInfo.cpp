#include "framework/resources/VersionInfo.h"

#include "framework/resources/ByteReader.h"

#include <stdexcept>

namespace fw::res {

namespace {

// One node of the tree: wLength (whole node), wValueLength (in characters for text values, in
// bytes for binary ones), wType (1 text, 0 binary), the key, then the value and the children, each
// starting on a DWORD boundary of the record.
struct Node {
    std::u16string key;
    bool isText = false;
    std::span<const std::uint8_t> value;
    std::vector<std::span<const std::uint8_t>> children; // each the bytes of one child node
};

constexpr std::size_t kNodeHeaderSize = 6;

// Reads the node at the start of `bytes`, which hold at least that node; a child's bytes are
// handed out for reading on demand. Every node starts on a DWORD boundary of the record, so
// alignment counted from a node's own start is the record's alignment.
Node ReadNode(std::span<const std::uint8_t> bytes) {
    ByteReader header(bytes);
    const std::uint16_t length = header.U16();
    const std::uint16_t valueLength = header.U16();
    const std::uint16_t type = header.U16();
    if (length < kNodeHeaderSize || length > bytes.size()) {
        throw std::runtime_error("version record: node length out of range");
    }
    ByteReader in(bytes.first(length));
    in.Seek(kNodeHeaderSize);
    Node node;
    node.key = in.String();
    node.isText = type == 1;
    in.AlignTo(4);
    node.value = in.Bytes(node.isText ? std::size_t{valueLength} * 2 : valueLength);
    in.AlignTo(4);
    while (!in.AtEnd()) {
        const std::size_t start = in.Position();
        const std::uint16_t childLength = in.U16();
        if (childLength < kNodeHeaderSize || childLength > length - start) {
            throw std::runtime_error("version record: node length out of range");
        }
        node.children.push_back(bytes.subspan(start, childLength));
        in.Seek(start + childLength);
        in.AlignTo(4);
    }
    return node;
}

std::u16string TextValue(const Node& node) {
    ByteReader in(node.value);
    std::u16string text = in.Chars(node.value.size() / 2);
    while (!text.empty() && text.back() == u'\0') {
        text.pop_back();
    }
    return text;
}

} // namespace

VersionInfo DecodeVersionInfo(std::span<const std::uint8_t> data) {
    const Node root = ReadNode(data);
    if (root.key != u"VS_VERSION_INFO") {
        throw std::runtime_error("version record: not a VS_VERSION_INFO record");
    }
    VersionInfo info;
    if (!root.value.empty()) {
        ByteReader in(root.value);
        FixedFileInfo& f = info.fixed;
        for (std::uint32_t* field :
             {&f.signature, &f.structVersion, &f.fileVersionMs, &f.fileVersionLs,
              &f.productVersionMs, &f.productVersionLs, &f.fileFlagsMask, &f.fileFlags, &f.fileOs,
              &f.fileType, &f.fileSubtype, &f.fileDateMs, &f.fileDateLs}) {
            *field = in.U32();
        }
        if (f.signature != kFixedFileInfoSignature) {
            throw std::runtime_error("version record: bad fixed file information signature");
        }
    }
    for (const auto& childBytes : root.children) {
        const Node child = ReadNode(childBytes);
        if (child.key == u"StringFileInfo") {
            for (const auto& tableBytes : child.children) {
                const Node table = ReadNode(tableBytes);
                VersionStringTable strings{table.key, {}};
                for (const auto& valueBytes : table.children) {
                    const Node value = ReadNode(valueBytes);
                    strings.values.emplace_back(value.key, TextValue(value));
                }
                info.stringTables.push_back(std::move(strings));
            }
        } else if (child.key == u"VarFileInfo") {
            for (const auto& varBytes : child.children) {
                const Node var = ReadNode(varBytes);
                if (var.key != u"Translation") {
                    continue;
                }
                ByteReader in(var.value);
                while (in.Remaining() >= 4) {
                    VersionTranslation translation;
                    translation.language = in.U16();
                    translation.codePage = in.U16();
                    info.translations.push_back(translation);
                }
            }
        }
    }
    return info;
}

} // namespace fw::res
