// The program's compiled resources as the Windows loader finds them in an executable that links the
// resource object: the manifest names the processor architecture of the build, and the loader picks
// each text in the user's interface language (under Wine, the one the locale environment names).

#include "app/resource.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <string_view>

namespace {

#if defined(__x86_64__)
constexpr std::string_view kArchitecture = "amd64";
#elif defined(__i386__)
constexpr std::string_view kArchitecture = "x86";
#endif

TEST(ResourceObject, ManifestNamesTheArchitectureOfTheBuild) {
    HRSRC found = FindResourceA(nullptr, CREATEPROCESS_MANIFEST_RESOURCE_ID, RT_MANIFEST);
    ASSERT_NE(found, nullptr);
    const auto* bytes = static_cast<const char*>(LockResource(LoadResource(nullptr, found)));
    ASSERT_NE(bytes, nullptr);
    const std::string_view manifest(bytes, SizeofResource(nullptr, found));
    EXPECT_NE(manifest.find("processorArchitecture=\"" + std::string(kArchitecture) + "\""),
              std::string_view::npos)
        << manifest;
}

struct Language {
    const char* name;
    LANGID id;
    std::u16string_view noDriver;
};

void PrintTo(const Language& language, std::ostream* os) {
    *os << language.name;
}

class UserLanguage : public ::testing::TestWithParam<Language> {};

TEST_P(UserLanguage, TextsComeInTheUserInterfaceLanguage) {
    const Language& language = GetParam();
    ASSERT_EQ(GetUserDefaultUILanguage(), language.id)
        << "the test must run with the locale environment of " << language.name;
    wchar_t text[256];
    const int length = LoadStringW(GetModuleHandleW(nullptr), IDS_NO_DRIVER, text, 256);
    EXPECT_EQ(std::u16string_view(reinterpret_cast<const char16_t*>(text),
                                  static_cast<std::size_t>(length)),
              language.noDriver);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, UserLanguage,
    ::testing::Values(
        Language{"German", 0x0407, u"KeineTreibersoftware für Pellix Einheit installiert."},
        Language{"English", 0x0409, u"The device driver for Pellix is not installed."},
        Language{"Japanese", 0x0411, u"Pellixのデバイスドライバが見つかりません"}),
    [](const ::testing::TestParamInfo<Language>& language) {
        return std::string(language.param.name);
    });

} // namespace
