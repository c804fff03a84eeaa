// The string table as compiled into the program: every text in every language, character for
// character (a text read in the wrong code page comes out mangled and cut short).

#include "app/resource.h"
#include "framework/resources/ResourceSet.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace {

using fw::res::kLangEnglish;
using fw::res::kLangGerman;
using fw::res::kLangJapanese;
using fw::res::LangId;
using fw::res::ModuleResources;

struct Text {
    std::uint32_t id;
    LangId language;
    std::u16string_view expected;
};

void PrintTo(const Text& t, std::ostream* os) {
    *os << "id " << t.id << ", language " << t.language;
}

class StringTable : public ::testing::TestWithParam<Text> {};

TEST_P(StringTable, HoldsTheTextInItsLanguage) {
    const Text& t = GetParam();
    EXPECT_EQ(ModuleResources().LoadString(t.id, t.language), t.expected);
}

constexpr Text kTexts[] = {
    {IDS_ABOUTBOX, kLangGerman, u"Info(&A)..."},
    {IDS_READ_ERROR, kLangGerman, u"Lesefehler"},
    {IDS_ERROR, kLangGerman, u"Fehler"},
    {IDS_WRITE_ERROR, kLangGerman, u"Schreibfehler"},
    {IDS_NO_DRIVER, kLangGerman, u"KeineTreibersoftware für Pellix Einheit installiert."},
    {IDS_NOT_CONNECTED, kLangGerman, u"Pellix Einheit nicht angeschlossen."},
    {IDS_NOT_WORKING, kLangGerman, u"Pellix Einheit arbeitet nicht."},
    {IDS_INCOMPATIBLE, kLangGerman, u"Die daten sind nicht kompatibel mit diesem Servo."},
    {IDS_WRITE_SUCCEEDED, kLangGerman, u"Schreiben erfolgreich."},
    {IDS_ABOUTBOX, kLangEnglish, u"Version information Morrick Tolvane(&A)..."},
    {IDS_READ_ERROR, kLangEnglish, u"Read error"},
    {IDS_ERROR, kLangEnglish, u"Error"},
    {IDS_WRITE_ERROR, kLangEnglish, u"Write error"},
    {IDS_NO_DRIVER, kLangEnglish, u"The device driver for Pellix is not installed."},
    {IDS_NOT_CONNECTED, kLangEnglish, u"A Pellix is not connected."},
    {IDS_NOT_WORKING, kLangEnglish, u"The Pellix is not working."},
    {IDS_INCOMPATIBLE, kLangEnglish, u"This data is not compatible with the connected servo."},
    {IDS_WRITE_SUCCEEDED, kLangEnglish, u"The writing suceeded."},
    {IDS_ABOUTBOX, kLangJapanese, u"バージョン情報 Morrick Tolvane(&A)..."},
    {IDS_READ_ERROR, kLangJapanese, u"読み込みに失敗しました"},
    {IDS_ERROR, kLangJapanese, u"エラー"},
    {IDS_WRITE_ERROR, kLangJapanese, u"書き込みに失敗しました"},
    {IDS_NO_DRIVER, kLangJapanese, u"Pellixのデバイスドライバが見つかりません"},
    {IDS_NOT_CONNECTED, kLangJapanese, u"Pellixが接続されていません"},
    {IDS_NOT_WORKING, kLangJapanese, u"Pellixが動作していません"},
    {IDS_INCOMPATIBLE, kLangJapanese, u"このデータは接続されているサーボと互換性がありません"},
    {IDS_WRITE_SUCCEEDED, kLangJapanese, u"データを書き込みました"},
    // A language the program does not carry gets the English text.
    {IDS_ERROR, 0x040C, u"Error"},
    {IDS_NOT_CONNECTED, 0x0410, u"A Pellix is not connected."},
};
INSTANTIATE_TEST_SUITE_P(AllIdsAllLanguages, StringTable, ::testing::ValuesIn(kTexts),
                         [](const auto& param) {
                             return "Id" + std::to_string(param.param.id) + "_Language" +
                                    std::to_string(param.param.language);
                         });

// Ids without a text: in a block that has other texts (204, 215, 222), in a block that does not
// exist (100, 5000), and the largest id.
TEST(StringTableMissing, IdWithoutTextGivesEmptyText) {
    for (const std::uint32_t id : {204U, 215U, 222U, 100U, 5000U, 0xFFFFFFFFU}) {
        for (const LangId language : {kLangGerman, kLangEnglish, kLangJapanese}) {
            EXPECT_TRUE(ModuleResources().LoadString(id, language).empty())
                << "id " << id << " language " << language;
        }
    }
}

} // namespace
