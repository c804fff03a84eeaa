// What the compiled resource file holds, resource by resource, and how a language is looked up.

#include "framework/resources/ResourceSet.h"
#include "app/resource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

namespace {

using namespace fw::res;

struct Inventory {
    std::uint16_t type;
    std::uint16_t name;
    std::set<LangId> languages;
};

// Every resource is an ordinal type and name; each exists in exactly these languages.
TEST(CompiledResources, HoldEachResourceInItsLanguages) {
    const std::set<LangId> all = {kLangGerman, kLangEnglish, kLangJapanese};
    const std::set<LangId> english = {kLangEnglish};
    std::vector<Inventory> expected = {
        {kTypeDialog, IDD_ABOUTBOX, english},
        {kTypeDialog, IDD_TOLVANE_DIALOG, all},
        {kTypeDialogInit, IDD_TOLVANE_DIALOG, all},
        {kTypeGroupIcon, IDR_MAINFRAME, english},
        {kTypeString, IDS_ABOUTBOX / 16 + 1, all},
        {kTypeString, IDS_NO_DRIVER / 16 + 1, all},
        {kTypeVersion, 1, english},
        {kTypeManifest, 1, english},
    };
    for (std::uint16_t icon = 1; icon <= 9; ++icon) {
        expected.push_back({kTypeIcon, icon, english});
    }

    std::vector<Inventory> found;
    for (const auto& entry : ModuleResources().Entries()) {
        ASSERT_TRUE(entry.type.IsOrdinal());
        ASSERT_TRUE(entry.name.IsOrdinal());
        const auto same = [&](const Inventory& i) {
            return i.type == entry.type.ordinal && i.name == entry.name.ordinal;
        };
        auto it = std::find_if(found.begin(), found.end(), same);
        if (it == found.end()) {
            found.push_back({entry.type.ordinal, entry.name.ordinal, {}});
            it = found.end() - 1;
        }
        EXPECT_TRUE(it->languages.insert(entry.language).second)
            << "duplicate " << entry.type.ordinal << "/" << entry.name.ordinal;
    }
    const auto order = [](const Inventory& a, const Inventory& b) {
        return std::pair(a.type, a.name) < std::pair(b.type, b.name);
    };
    std::sort(expected.begin(), expected.end(), order);
    std::sort(found.begin(), found.end(), order);
    ASSERT_EQ(found.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(found[i].type, expected[i].type);
        EXPECT_EQ(found[i].name, expected[i].name);
        EXPECT_EQ(found[i].languages, expected[i].languages)
            << "resource " << expected[i].type << "/" << expected[i].name;
    }
}

TEST(CompiledResources, FindPrefersTheLanguageThenEnglish) {
    const ResId type{kTypeDialog, {}};
    const ResId name{IDD_TOLVANE_DIALOG, {}};
    const auto& set = ModuleResources();
    EXPECT_EQ(set.Find(type, name, kLangJapanese)->language, kLangJapanese);
    EXPECT_EQ(set.Find(type, name, kLangGerman)->language, kLangGerman);
    EXPECT_EQ(set.Find(type, name, 0x040C)->language, kLangEnglish);
    EXPECT_EQ(set.Find(type, ResId{101, {}}, kLangEnglish), nullptr);
    EXPECT_EQ(set.FindExact(type, name, 0x040C), nullptr);
    EXPECT_EQ(set.Find(ResId{0, u"TOLVANE"}, name, kLangEnglish), nullptr);
}

} // namespace
