// The two dialog templates and the main dialog's list data as compiled into the program, compared
// property by property with the layout the dialogs are designed to: every style bit counts, since
// the resource compiler silently drops default bits (WS_GROUP on labels, WS_TABSTOP on lists) and
// the size of an icon control when the script uses its short forms.

#include "app/resource.h"
#include "framework/resources/DialogInitDecoder.h"
#include "framework/resources/ResourceSet.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using namespace fw::res;

// Window and control styles, as documented for Win32.
constexpr std::uint32_t WS_POPUP = 0x80000000;
constexpr std::uint32_t WS_CHILD = 0x40000000;
constexpr std::uint32_t WS_VISIBLE = 0x10000000;
constexpr std::uint32_t WS_CAPTION = 0x00C00000;
constexpr std::uint32_t WS_SYSMENU = 0x00080000;
constexpr std::uint32_t WS_VSCROLL = 0x00200000;
constexpr std::uint32_t WS_GROUP = 0x00020000;
constexpr std::uint32_t WS_TABSTOP = 0x00010000;
constexpr std::uint32_t WS_EX_APPWINDOW = 0x00040000;
constexpr std::uint32_t WS_EX_RIGHT = 0x00001000;
constexpr std::uint32_t DS_FIXEDSYS = 0x0008;
constexpr std::uint32_t DS_SETFONT = 0x0040;
constexpr std::uint32_t DS_MODALFRAME = 0x0080;
constexpr std::uint32_t SS_LEFT = 0x0000;
constexpr std::uint32_t SS_ICON = 0x0003;
constexpr std::uint32_t SS_NOPREFIX = 0x0080;
constexpr std::uint32_t BS_PUSHBUTTON = 0x0000;
constexpr std::uint32_t BS_DEFPUSHBUTTON = 0x0001;
constexpr std::uint32_t CBS_DROPDOWNLIST = 0x0003;

constexpr std::uint16_t kButton = 0x80;
constexpr std::uint16_t kStatic = 0x82;
constexpr std::uint16_t kComboBox = 0x85;
constexpr std::uint32_t kNoId = 0xFFFFFFFF; // IDC_STATIC, -1
constexpr std::uint32_t kIdOk = 1;
constexpr std::uint16_t kCharsetDefault = 1;
constexpr std::uint16_t kWeightNormal = 400;

struct Control {
    std::uint32_t id;
    std::uint16_t windowClass;
    ResId title;
    std::int16_t x, y, cx, cy;
    std::uint32_t style;
    std::uint32_t exStyle;
};

ResId Text(std::u16string text) {
    return ResId{0, std::move(text)};
}

void ExpectControls(const DialogTemplate& dialog, const std::vector<Control>& expected) {
    ASSERT_EQ(dialog.items.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("control " + std::to_string(i));
        const DialogItem& item = dialog.items[i];
        const Control& e = expected[i];
        EXPECT_EQ(item.id, e.id);
        EXPECT_EQ(item.windowClass, (ResId{e.windowClass, {}}));
        EXPECT_EQ(item.title, e.title);
        EXPECT_EQ(item.x, e.x);
        EXPECT_EQ(item.y, e.y);
        EXPECT_EQ(item.cx, e.cx);
        EXPECT_EQ(item.cy, e.cy);
        EXPECT_EQ(item.style, e.style) << std::hex << item.style << " vs " << e.style;
        EXPECT_EQ(item.exStyle, e.exStyle);
        EXPECT_EQ(item.helpId, 0U);
        EXPECT_TRUE(item.creationData.empty());
    }
}

std::string LanguageName(LangId language) {
    return language == kLangGerman ? "German" : language == kLangJapanese ? "Japanese" : "English";
}

// Main dialog 102 ------------------------------------------------------------------------------

struct MainDialogCase {
    LangId language;
    std::u16string read;
    std::u16string write;
};

void PrintTo(const MainDialogCase& c, std::ostream* os) {
    *os << "language " << c.language;
}

class MainDialogTemplate : public ::testing::TestWithParam<MainDialogCase> {};

TEST_P(MainDialogTemplate, MatchesTheLayout) {
    const MainDialogCase& c = GetParam();
    ASSERT_NE(ModuleResources().FindExact(ResId{kTypeDialog, {}}, ResId{IDD_TOLVANE_DIALOG, {}},
                                          c.language),
              nullptr);
    const auto dialog = ModuleResources().LoadDialog(IDD_TOLVANE_DIALOG, c.language);
    ASSERT_TRUE(dialog.has_value());
    EXPECT_EQ(dialog->style, WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME |
                                 DS_SETFONT | DS_FIXEDSYS);
    EXPECT_EQ(dialog->exStyle, WS_EX_APPWINDOW);
    EXPECT_EQ(dialog->helpId, 0U);
    EXPECT_EQ(dialog->x, 0);
    EXPECT_EQ(dialog->y, 0);
    EXPECT_EQ(dialog->cx, 191);
    EXPECT_EQ(dialog->cy, 87);
    EXPECT_EQ(dialog->menu, ResId{});
    EXPECT_EQ(dialog->windowClass, ResId{});
    EXPECT_EQ(dialog->title, u"Tolvane");
    EXPECT_EQ(dialog->pointSize, 9);
    EXPECT_EQ(dialog->weight, kWeightNormal);
    EXPECT_FALSE(dialog->italic);
    EXPECT_EQ(dialog->charset, kCharsetDefault);
    EXPECT_EQ(dialog->typeface, u"MS Shell Dlg");

    const std::uint32_t list = WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
    const std::uint32_t label = WS_CHILD | WS_VISIBLE | SS_LEFT | WS_GROUP;
    const std::uint32_t button = WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON | WS_TABSTOP;
    ExpectControls(*dialog, {
                                {IDC_SX1, kComboBox, ResId{}, 54, 12, 48, 30, list, WS_EX_RIGHT},
                                {IDC_SX2, kComboBox, ResId{}, 54, 36, 48, 30, list, WS_EX_RIGHT},
                                {IDC_SX3, kComboBox, ResId{}, 54, 60, 48, 30, list, WS_EX_RIGHT},
                                {kNoId, kStatic, Text(u"SX1"), 27, 15, 18, 8, label, 0},
                                {kNoId, kStatic, Text(u"SX2"), 27, 39, 18, 8, label, 0},
                                {kNoId, kStatic, Text(u"SX3"), 27, 63, 18, 8, label, 0},
                                {IDC_READ, kButton, Text(c.read), 120, 11, 55, 25, button, 0},
                                {IDC_WRITE, kButton, Text(c.write), 120, 48, 56, 26, button, 0},
                            });
}

INSTANTIATE_TEST_SUITE_P(AllLanguages, MainDialogTemplate,
                         ::testing::Values(MainDialogCase{kLangGerman, u"Lesen", u"Schreiben"},
                                           MainDialogCase{kLangEnglish, u"Read", u"Write"},
                                           MainDialogCase{kLangJapanese, u"読み込み", u"書き込み"}),
                         [](const auto& param) { return LanguageName(param.param.language); });

// The list data: 18 entries for each list, in channel order, in every language.
class MainDialogLists : public ::testing::TestWithParam<LangId> {};

TEST_P(MainDialogLists, AddTheChannelsInOrder) {
    const LangId language = GetParam();
    const auto* raw = ModuleResources().FindExact(ResId{kTypeDialogInit, {}},
                                                  ResId{IDD_TOLVANE_DIALOG, {}}, language);
    ASSERT_NE(raw, nullptr);

    const std::vector<std::string> channels = {"1",  "2",  "3",  "4",  "5",   "6",
                                               "7",  "8",  "9",  "10", "11",  "12",
                                               "13", "14", "15", "16", "DG1", "DG2"};
    std::vector<DialogInitEntry> expected;
    for (const int control : {IDC_SX1, IDC_SX2, IDC_SX3}) {
        for (const auto& channel : channels) {
            expected.push_back({static_cast<std::uint16_t>(control), kComboAddString, channel});
        }
    }
    const auto entries = DecodeDialogInit(raw->data);
    ASSERT_EQ(entries.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(entries[i].controlId, expected[i].controlId) << i;
        EXPECT_EQ(entries[i].message, expected[i].message) << i;
        EXPECT_EQ(entries[i].text, expected[i].text) << i;
    }
    EXPECT_EQ(ModuleResources().LoadDialogInit(IDD_TOLVANE_DIALOG, language).size(),
              expected.size());

    // As stored: the first record is control 1005, the 16-bit CB_ADDSTRING, 2 bytes "1\0"; each
    // record is packed and the data ends with a zero WORD.
    const std::vector<std::uint8_t> first = {0xED, 0x03, 0x03, 0x04, 0x02,
                                             0x00, 0x00, 0x00, '1',  0x00};
    ASSERT_GE(raw->data.size(), first.size() + 2);
    EXPECT_EQ(std::vector<std::uint8_t>(raw->data.begin(), raw->data.begin() + 10), first);
    const std::size_t recordBytes = std::size_t{3} * (9 * (8 + 2) + 7 * (8 + 3) + 2 * (8 + 4));
    EXPECT_EQ(raw->data.size(), recordBytes + 2);
    EXPECT_EQ(raw->data[recordBytes], 0);
    EXPECT_EQ(raw->data[recordBytes + 1], 0);
}

INSTANTIATE_TEST_SUITE_P(AllLanguages, MainDialogLists,
                         ::testing::Values(kLangGerman, kLangEnglish, kLangJapanese),
                         [](const auto& param) { return LanguageName(param.param); });

// About box 100 --------------------------------------------------------------------------------

TEST(AboutBoxTemplate, MatchesTheLayout) {
    const auto dialog = ModuleResources().LoadDialog(IDD_ABOUTBOX, kLangEnglish);
    ASSERT_TRUE(dialog.has_value());
    EXPECT_EQ(dialog->style, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT);
    EXPECT_EQ(dialog->exStyle, 0U);
    EXPECT_EQ(dialog->x, 0);
    EXPECT_EQ(dialog->y, 0);
    EXPECT_EQ(dialog->cx, 235);
    EXPECT_EQ(dialog->cy, 55);
    EXPECT_EQ(dialog->menu, ResId{});
    EXPECT_EQ(dialog->windowClass, ResId{});
    EXPECT_EQ(dialog->title, u"Morrick Tolvane");
    EXPECT_EQ(dialog->pointSize, 9);
    EXPECT_EQ(dialog->weight, kWeightNormal);
    EXPECT_FALSE(dialog->italic);
    EXPECT_EQ(dialog->charset, kCharsetDefault);
    EXPECT_EQ(dialog->typeface, u"MS UI Gothic");

    const std::uint32_t child = WS_CHILD | WS_VISIBLE;
    ExpectControls(
        *dialog, {
                     {kNoId, kStatic, ResId{IDR_MAINFRAME, {}}, 11, 17, 20, 20, child | SS_ICON, 0},
                     {kNoId, kStatic, Text(u"Tolvane Version 1.0"), 40, 10, 119, 8,
                      child | SS_LEFT | SS_NOPREFIX | WS_GROUP, 0},
                     {kNoId, kStatic, Text(u"Copyright (C) 2026 Morrick"), 40, 25, 128, 8,
                      child | SS_LEFT | WS_GROUP, 0},
                     {kIdOk, kButton, Text(u"OK"), 178, 7, 50, 16,
                      child | BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, 0},
                 });
}

// The About box exists in English only and is what every interface language gets.
TEST(AboutBoxTemplate, IsEnglishInEveryLanguage) {
    const ResId type{kTypeDialog, {}};
    const ResId name{IDD_ABOUTBOX, {}};
    EXPECT_EQ(ModuleResources().FindExact(type, name, kLangGerman), nullptr);
    EXPECT_EQ(ModuleResources().FindExact(type, name, kLangJapanese), nullptr);
    for (const LangId language : {kLangGerman, kLangJapanese, LangId{0x040C}}) {
        const auto* entry = ModuleResources().Find(type, name, language);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->language, kLangEnglish);
        EXPECT_EQ(ModuleResources().LoadDialog(IDD_ABOUTBOX, language)->title, u"Morrick Tolvane");
    }
}

TEST(DialogTemplates, MissingTemplateGivesNothing) {
    EXPECT_FALSE(ModuleResources().LoadDialog(101, kLangEnglish).has_value());
    EXPECT_TRUE(ModuleResources().LoadDialogInit(IDD_ABOUTBOX, kLangEnglish).empty());
}

} // namespace
