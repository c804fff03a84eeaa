#include "framework/resources/ResourceSet.h"

#include "framework/resources/ByteReader.h"
#include "framework/resources/DialogInitDecoder.h"
#include "framework/resources/DialogTemplateDecoder.h"
#include "framework/resources/IconDecoder.h"

#include <stdexcept>

namespace fw::res {

namespace {

// A 32-bit .res file opens with an empty entry of exactly this header size, which tells it from
// the 16-bit format.
constexpr std::uint32_t kEmptyEntryHeaderSize = 32;
constexpr std::uint32_t kStringsPerBlock = 16;

struct RawEntry {
    ResourceEntry entry;
    std::size_t next = 0; // offset of the following entry
};

// Header: DataSize, HeaderSize, type, name (each an ordinal or a string), padding to a DWORD,
// DataVersion, MemoryFlags, LanguageId, Version, Characteristics. The data follows the header and
// is padded to a DWORD.
RawEntry ReadEntry(std::span<const std::uint8_t> file, std::size_t offset) {
    ByteReader in(file);
    in.Seek(offset);
    const std::uint32_t dataSize = in.U32();
    const std::uint32_t headerSize = in.U32();
    if (headerSize > file.size() - offset || dataSize > file.size() - offset - headerSize) {
        throw std::runtime_error(".res file: entry extends past the end of the file");
    }
    ByteReader header(file.first(offset + headerSize));
    header.Seek(in.Position());
    RawEntry raw;
    raw.entry.type = header.StringOrOrdinal();
    raw.entry.name = header.StringOrOrdinal();
    header.AlignTo(4);
    (void)header.U32(); // DataVersion
    (void)header.U16(); // MemoryFlags
    raw.entry.language = header.U16();
    (void)header.U32(); // Version
    (void)header.U32(); // Characteristics
    raw.entry.data = file.subspan(offset + headerSize, dataSize);
    in.Seek(offset + headerSize + dataSize);
    in.AlignTo(4);
    raw.next = in.Position();
    return raw;
}

bool Matches(const ResourceEntry& entry, const ResId& type, const ResId& name) {
    return entry.type == type && entry.name == name;
}

ResId Ordinal(std::uint16_t value) {
    return ResId{value, {}};
}

} // namespace

ResourceSet::ResourceSet(std::span<const std::uint8_t> resFile) {
    const RawEntry first = ReadEntry(resFile, 0);
    if (!first.entry.data.empty() || first.entry.type != ResId{} ||
        first.next != kEmptyEntryHeaderSize) {
        throw std::runtime_error(".res file: missing the empty entry that opens a 32-bit file");
    }
    for (std::size_t offset = first.next; offset < resFile.size();) {
        RawEntry raw = ReadEntry(resFile, offset);
        m_entries.push_back(raw.entry);
        offset = raw.next;
    }
}

const ResourceEntry* ResourceSet::FindExact(const ResId& type, const ResId& name,
                                            LangId language) const {
    for (const auto& entry : m_entries) {
        if (Matches(entry, type, name) && entry.language == language) {
            return &entry;
        }
    }
    return nullptr;
}

const ResourceEntry* ResourceSet::Find(const ResId& type, const ResId& name,
                                       LangId preferred) const {
    if (const auto* exact = FindExact(type, name, preferred)) {
        return exact;
    }
    if (const auto* english = FindExact(type, name, kLangEnglish)) {
        return english;
    }
    for (const auto& entry : m_entries) {
        if (Matches(entry, type, name)) {
            return &entry;
        }
    }
    return nullptr;
}

// Strings are stored in blocks of 16: block n + 1 holds ids 16n to 16n + 15, each a length in
// characters followed by that many UTF-16 characters, without terminator.
std::u16string ResourceSet::LoadString(std::uint32_t id, LangId preferred) const {
    const std::uint32_t block = id / kStringsPerBlock + 1;
    if (block > 0xFFFF) {
        return {};
    }
    const auto* entry =
        Find(Ordinal(kTypeString), Ordinal(static_cast<std::uint16_t>(block)), preferred);
    if (entry == nullptr) {
        return {};
    }
    ByteReader in(entry->data);
    for (std::uint32_t i = 0; i < id % kStringsPerBlock; ++i) {
        (void)in.Bytes(std::size_t{in.U16()} * 2);
    }
    return in.Chars(in.U16());
}

std::optional<DialogTemplate> ResourceSet::LoadDialog(std::uint16_t id, LangId preferred) const {
    const auto* entry = Find(Ordinal(kTypeDialog), Ordinal(id), preferred);
    if (entry == nullptr) {
        return std::nullopt;
    }
    return DecodeDialogTemplate(entry->data);
}

std::vector<DialogInitEntry> ResourceSet::LoadDialogInit(std::uint16_t id, LangId preferred) const {
    const auto* entry = Find(Ordinal(kTypeDialogInit), Ordinal(id), preferred);
    if (entry == nullptr) {
        return {};
    }
    return DecodeDialogInit(entry->data);
}

std::vector<IconImage> ResourceSet::LoadIcon(std::uint16_t id, LangId preferred) const {
    const auto* group = Find(Ordinal(kTypeGroupIcon), Ordinal(id), preferred);
    if (group == nullptr) {
        return {};
    }
    std::vector<IconImage> images;
    for (const auto& member : DecodeIconGroup(group->data)) {
        // The images belong to the group's language; the loader looks there first.
        const auto* icon = Find(Ordinal(kTypeIcon), Ordinal(member.iconId), group->language);
        if (icon == nullptr) {
            throw std::runtime_error("icon group: refers to a missing icon image");
        }
        images.push_back(DecodeIconImage(icon->data));
    }
    return images;
}

} // namespace fw::res
