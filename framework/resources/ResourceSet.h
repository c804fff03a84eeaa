#pragma once

// Read access to a compiled Windows resource file (.res), the one format in which every dialog
// template, text, icon and version record of the program is stored. On Windows the loader finds
// these in the executable; on other platforms the .res is embedded in the program and read here.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace fw::res {

using LangId = std::uint16_t;
inline constexpr LangId kLangGerman = 0x0407;
inline constexpr LangId kLangEnglish = 0x0409;
inline constexpr LangId kLangJapanese = 0x0411;

// Standard resource types.
inline constexpr std::uint16_t kTypeIcon = 3;
inline constexpr std::uint16_t kTypeDialog = 5;
inline constexpr std::uint16_t kTypeString = 6;
inline constexpr std::uint16_t kTypeGroupIcon = 14;
inline constexpr std::uint16_t kTypeVersion = 16;
inline constexpr std::uint16_t kTypeManifest = 24;
inline constexpr std::uint16_t kTypeDialogInit = 240;

// A resource type or name, or a class or title inside a dialog template: an ordinal or a string.
struct ResId {
    std::uint16_t ordinal = 0;
    std::u16string name; // used when non-empty
    [[nodiscard]] bool IsOrdinal() const { return name.empty(); }
    friend bool operator==(const ResId&, const ResId&) = default;
};

// One control of an extended dialog template (DLGITEMTEMPLATEEX).
struct DialogItem {
    std::uint32_t helpId = 0;
    std::uint32_t exStyle = 0;
    std::uint32_t style = 0;
    std::int16_t x = 0, y = 0, cx = 0, cy = 0;
    std::uint32_t id = 0;
    ResId windowClass; // ordinals: 0x80 button, 0x81 edit, 0x82 static, 0x83 list box,
                       // 0x84 scroll bar, 0x85 combo box
    ResId title;       // the text, or the ordinal of an icon (SS_ICON)
    std::vector<std::uint8_t> creationData;
};

// An extended dialog template (DLGTEMPLATEEX) with its controls, in template order.
struct DialogTemplate {
    std::uint32_t helpId = 0;
    std::uint32_t exStyle = 0;
    std::uint32_t style = 0;
    std::int16_t x = 0, y = 0, cx = 0, cy = 0;
    ResId menu;
    ResId windowClass;
    std::u16string title;
    std::uint16_t pointSize = 0; // present with DS_SETFONT
    std::uint16_t weight = 0;
    bool italic = false;
    std::uint8_t charset = 0;
    std::u16string typeface;
    std::vector<DialogItem> items;
};

// One record of dialog-initialisation data: a message sent to a control when the dialog starts.
// For a combo box the message is CB_ADDSTRING (0x0143) and `text` the entry, in the ANSI code page.
struct DialogInitEntry {
    std::uint16_t controlId = 0;
    std::uint16_t message = 0;
    std::string text;
};

// One image of an icon group, decoded: pixels top row first, 0xAARRGGBB, not premultiplied, with
// the transparency mask applied.
struct IconImage {
    int width = 0;
    int height = 0;
    int bitCount = 0; // colour depth of the stored image (4, 8, 24 or 32)
    std::vector<std::uint32_t> argb;
};

// The raw bytes of one resource, with where it came from.
struct ResourceEntry {
    ResId type;
    ResId name;
    LangId language = 0;
    std::span<const std::uint8_t> data;
};

// A parsed .res file. Holds spans into the bytes it was built from, which must outlive it.
class ResourceSet {
public:
    // Throws std::runtime_error when the bytes are not a well-formed .res file.
    explicit ResourceSet(std::span<const std::uint8_t> resFile);

    [[nodiscard]] const std::vector<ResourceEntry>& Entries() const { return m_entries; }

    // The resource in exactly that language, or nothing.
    [[nodiscard]] const ResourceEntry* FindExact(const ResId& type, const ResId& name,
                                                 LangId language) const;
    // The resource in the preferred language, else in English, else in any language it exists in.
    [[nodiscard]] const ResourceEntry* Find(const ResId& type, const ResId& name,
                                            LangId preferred) const;

    // String-table text by id; empty when there is no such text.
    [[nodiscard]] std::u16string LoadString(std::uint32_t id, LangId preferred) const;
    [[nodiscard]] std::optional<DialogTemplate> LoadDialog(std::uint16_t id,
                                                           LangId preferred) const;
    [[nodiscard]] std::vector<DialogInitEntry> LoadDialogInit(std::uint16_t id,
                                                              LangId preferred) const;
    // All images of icon group `id`, in the group's order; empty when there is no such group.
    [[nodiscard]] std::vector<IconImage> LoadIcon(std::uint16_t id, LangId preferred) const;

private:
    std::vector<ResourceEntry> m_entries;
};

// The resources linked into this program (see ModuleResources.h for how they get there).
[[nodiscard]] const ResourceSet& ModuleResources();

} // namespace fw::res
