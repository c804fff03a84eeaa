// The version record and the manifest as compiled into the program.

#include "framework/resources/ResourceSet.h"
#include "framework/resources/VersionInfo.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace {

using namespace fw::res;

constexpr std::uint16_t kVersionId = 1;
constexpr std::uint16_t kManifestId = 1;

TEST(VersionRecord, HoldsTheFixedAndStringFields) {
    const auto* entry =
        ModuleResources().FindExact(ResId{kTypeVersion, {}}, ResId{kVersionId, {}}, kLangEnglish);
    ASSERT_NE(entry, nullptr);
    const VersionInfo info = DecodeVersionInfo(entry->data);
    const FixedFileInfo& f = info.fixed;
    EXPECT_EQ(f.signature, kFixedFileInfoSignature);
    EXPECT_EQ(f.fileVersionMs, 0x00010000U); // 1.0
    EXPECT_EQ(f.fileVersionLs, 0x00000001U); // .0.1
    EXPECT_EQ(f.productVersionMs, 0x00010000U);
    EXPECT_EQ(f.productVersionLs, 0x00000001U);
    EXPECT_EQ(f.fileFlagsMask, 0x3FU);
    EXPECT_EQ(f.fileFlags, 0U);
    EXPECT_EQ(f.fileOs, 0x00000004U);   // VOS__WINDOWS32
    EXPECT_EQ(f.fileType, 0x00000001U); // VFT_APP
    EXPECT_EQ(f.fileSubtype, 0U);
    EXPECT_EQ(f.fileDateMs, 0U);
    EXPECT_EQ(f.fileDateLs, 0U);

    ASSERT_EQ(info.stringTables.size(), 1U);
    EXPECT_EQ(info.stringTables[0].key, u"041103a4");
    const std::vector<std::pair<std::u16string, std::u16string>> expected = {
        {u"CompanyName", u"Morrick"},
        {u"FileDescription", u"Tolvane"},
        {u"FileVersion", u"1.0.0.1"},
        {u"InternalName", u"Tolvane.exe"},
        {u"LegalCopyright", u"Copyright (C) 2026 Morrick"},
        {u"OriginalFilename", u"Tolvane.exe"},
        {u"ProductName", u"Tolvane"},
        {u"ProductVersion", u"1.0.0.1"},
    };
    EXPECT_EQ(info.stringTables[0].values, expected);

    ASSERT_EQ(info.translations.size(), 1U);
    EXPECT_EQ(info.translations[0].language, 0x0411);
    EXPECT_EQ(info.translations[0].codePage, 932);
}

TEST(Manifest, AsksForCommonControlsSixForThisArchitecture) {
    const auto* entry =
        ModuleResources().FindExact(ResId{kTypeManifest, {}}, ResId{kManifestId, {}}, kLangEnglish);
    ASSERT_NE(entry, nullptr);
    const std::string text(entry->data.begin(), entry->data.end());
    for (const std::string_view part :
         {"<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>",
          "name=\"Microsoft.Windows.Common-Controls\"", "version=\"6.0.0.0\"",
          "processorArchitecture=\"amd64\"", "publicKeyToken=\"6595b64144ccf1df\"",
          "language=\"*\"", "type=\"win32\""}) {
        EXPECT_NE(text.find(part), std::string::npos) << part;
    }
    EXPECT_EQ(text.find('@'), std::string::npos) << "unconfigured placeholder left";
}

} // namespace
