// resdump: prints every resource of a compiled Windows resource file (.res) with its type, name and
// language, and decodes the kinds the program uses (texts, dialog templates, list data, icons,
// version record, manifest) with their texts in UTF-8.
//
// Usage: resdump FILE.res

#include "framework/resources/DialogInitDecoder.h"
#include "framework/resources/DialogTemplateDecoder.h"
#include "framework/resources/IconDecoder.h"
#include "framework/resources/ResourceSet.h"
#include "framework/resources/TextConversion.h"
#include "framework/resources/VersionInfo.h"

#include <cstdio>
#include <exception>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using namespace fw::res;

std::string Hex(std::uint32_t value, int digits) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%0*X", digits, value);
    return buffer;
}

std::string Quoted(std::u16string_view text) {
    return "\"" + Utf16ToUtf8(text) + "\"";
}

std::string IdText(const ResId& id) {
    return id.IsOrdinal() ? std::to_string(id.ordinal) : Quoted(id.name);
}

std::string TypeText(const ResId& type) {
    if (!type.IsOrdinal()) {
        return Quoted(type.name);
    }
    switch (type.ordinal) {
    case kTypeIcon:
        return "ICON";
    case kTypeDialog:
        return "DIALOG";
    case kTypeString:
        return "STRING";
    case kTypeGroupIcon:
        return "GROUP_ICON";
    case kTypeVersion:
        return "VERSION";
    case kTypeManifest:
        return "MANIFEST";
    case kTypeDialogInit:
        return "DLGINIT";
    default:
        return std::to_string(type.ordinal);
    }
}

std::string ClassText(const ResId& windowClass) {
    if (!windowClass.IsOrdinal()) {
        return Quoted(windowClass.name);
    }
    static const char* const names[] = {"Button",  "Edit",      "Static",
                                        "ListBox", "ScrollBar", "ComboBox"};
    const auto index = windowClass.ordinal - 0x80U;
    return Hex(windowClass.ordinal, 4) +
           (index < std::size(names) ? std::string(" ") + names[index] : std::string());
}

std::string TitleText(const ResId& title) {
    return title.IsOrdinal() && title.ordinal != 0 ? "#" + std::to_string(title.ordinal)
                                                   : Quoted(title.name);
}

void DumpStrings(const ResourceSet& set, const ResourceEntry& entry) {
    const std::uint32_t first = (entry.name.ordinal - 1U) * 16U;
    for (std::uint32_t id = first; id < first + 16; ++id) {
        const std::u16string text = set.LoadString(id, entry.language);
        if (!text.empty()) {
            std::printf("    %u: %s\n", id, Quoted(text).c_str());
        }
    }
}

void DumpDialog(const ResourceEntry& entry) {
    const DialogTemplate d = DecodeDialogTemplate(entry.data);
    std::printf("    title %s  at %d,%d size %dx%d  style %s exstyle %s\n", Quoted(d.title).c_str(),
                d.x, d.y, d.cx, d.cy, Hex(d.style, 8).c_str(), Hex(d.exStyle, 8).c_str());
    std::printf("    font %u %s weight %u italic %d charset %u\n", d.pointSize,
                Quoted(d.typeface).c_str(), d.weight, d.italic ? 1 : 0, d.charset);
    for (const auto& item : d.items) {
        std::printf(
            "    control id %d class %s text %s  at %d,%d size %dx%d  style %s exstyle %s\n",
            static_cast<int>(item.id), ClassText(item.windowClass).c_str(),
            TitleText(item.title).c_str(), item.x, item.y, item.cx, item.cy,
            Hex(item.style, 8).c_str(), Hex(item.exStyle, 8).c_str());
    }
}

void DumpDialogInit(const ResourceEntry& entry) {
    for (const auto& record : DecodeDialogInit(entry.data)) {
        std::printf("    control %u message %s \"%s\"\n", record.controlId,
                    Hex(record.message, 4).c_str(), record.text.c_str());
    }
}

void DumpIconGroup(const ResourceEntry& entry) {
    for (const auto& member : DecodeIconGroup(entry.data)) {
        std::printf("    icon %u: %dx%d, %d bits per pixel, %u bytes\n", member.iconId,
                    member.width, member.height, member.bitCount, member.bytesInResource);
    }
}

void DumpIcon(const ResourceEntry& entry) {
    const IconImage image = DecodeIconImage(entry.data);
    std::size_t transparent = 0;
    for (const auto pixel : image.argb) {
        transparent += (pixel >> 24) == 0 ? 1 : 0;
    }
    std::printf("    %dx%d, %d bits per pixel, %zu of %zu pixels transparent\n", image.width,
                image.height, image.bitCount, transparent, image.argb.size());
}

std::string VersionText(std::uint32_t ms, std::uint32_t ls) {
    return std::to_string(ms >> 16) + "." + std::to_string(ms & 0xFFFF) + "." +
           std::to_string(ls >> 16) + "." + std::to_string(ls & 0xFFFF);
}

void DumpVersion(const ResourceEntry& entry) {
    const VersionInfo info = DecodeVersionInfo(entry.data);
    const FixedFileInfo& f = info.fixed;
    std::printf("    file version %s product version %s\n",
                VersionText(f.fileVersionMs, f.fileVersionLs).c_str(),
                VersionText(f.productVersionMs, f.productVersionLs).c_str());
    std::printf("    flags mask %s flags %s os %s type %s subtype %s\n",
                Hex(f.fileFlagsMask, 2).c_str(), Hex(f.fileFlags, 2).c_str(),
                Hex(f.fileOs, 8).c_str(), Hex(f.fileType, 2).c_str(),
                Hex(f.fileSubtype, 2).c_str());
    for (const auto& table : info.stringTables) {
        std::printf("    block %s\n", Quoted(table.key).c_str());
        for (const auto& [key, value] : table.values) {
            std::printf("      %s = %s\n", Quoted(key).c_str(), Quoted(value).c_str());
        }
    }
    for (const auto& translation : info.translations) {
        std::printf("    translation %s, code page %u\n", Hex(translation.language, 4).c_str(),
                    translation.codePage);
    }
}

void DumpManifest(const ResourceEntry& entry) {
    std::fwrite(entry.data.data(), 1, entry.data.size(), stdout);
    if (!entry.data.empty() && entry.data.back() != '\n') {
        std::printf("\n");
    }
}

void Dump(const ResourceSet& set, const ResourceEntry& entry) {
    std::printf("%s %s language %s, %zu bytes\n", TypeText(entry.type).c_str(),
                IdText(entry.name).c_str(), Hex(entry.language, 4).c_str(), entry.data.size());
    if (!entry.type.IsOrdinal()) {
        return;
    }
    switch (entry.type.ordinal) {
    case kTypeString:
        DumpStrings(set, entry);
        break;
    case kTypeDialog:
        DumpDialog(entry);
        break;
    case kTypeDialogInit:
        DumpDialogInit(entry);
        break;
    case kTypeGroupIcon:
        DumpIconGroup(entry);
        break;
    case kTypeIcon:
        DumpIcon(entry);
        break;
    case kTypeVersion:
        DumpVersion(entry);
        break;
    case kTypeManifest:
        DumpManifest(entry);
        break;
    default:
        break;
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: resdump FILE.res\n");
        return 2;
    }
    std::ifstream file(argv[1], std::ios::binary);
    if (!file) {
        std::fprintf(stderr, "resdump: cannot open %s\n", argv[1]);
        return 1;
    }
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                          std::istreambuf_iterator<char>());
    try {
        const ResourceSet set(bytes);
        for (const auto& entry : set.Entries()) {
            Dump(set, entry);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "resdump: %s: %s\n", argv[1], e.what());
        return 1;
    }
    return 0;
}
