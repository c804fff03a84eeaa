// Choice of the interface language from the locale environment.

#include "framework/resources/Language.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <string>

namespace {

using namespace fw::res;

struct Environment {
    const char* name;
    const char* language;
    const char* lcAll;
    const char* lcMessages;
    const char* lang;
    LangId expected;
};

void PrintTo(const Environment& e, std::ostream* os) {
    *os << e.name;
}

class InterfaceLanguage : public ::testing::TestWithParam<Environment> {};

TEST_P(InterfaceLanguage, FollowsTheEnvironment) {
    const Environment& e = GetParam();
    EXPECT_EQ(LanguageFromEnvironment(e.language, e.lcAll, e.lcMessages, e.lang), e.expected)
        << e.name;
}

const Environment kEnvironments[] = {
    {"German", nullptr, nullptr, nullptr, "de_DE.UTF-8", kLangGerman},
    {"Austrian German", nullptr, nullptr, nullptr, "de_AT@euro", kLangGerman},
    {"Japanese", nullptr, nullptr, nullptr, "ja_JP.UTF-8", kLangJapanese},
    {"Japanese EUC", nullptr, nullptr, nullptr, "ja_JP.eucJP", kLangJapanese},
    {"English", nullptr, nullptr, nullptr, "en_GB.UTF-8", kLangEnglish},
    {"C", nullptr, nullptr, nullptr, "C", kLangEnglish},
    {"C.UTF-8", nullptr, nullptr, nullptr, "C.UTF-8", kLangEnglish},
    {"POSIX", nullptr, nullptr, nullptr, "POSIX", kLangEnglish},
    {"French", nullptr, nullptr, nullptr, "fr_FR.UTF-8", kLangEnglish},
    {"nothing set", nullptr, nullptr, nullptr, nullptr, kLangEnglish},
    {"all empty", "", "", "", "", kLangEnglish},
    {"LANGUAGE list, first carried wins", "fr:de", nullptr, nullptr, "en_US.UTF-8", kLangGerman},
    {"LANGUAGE ja", "ja", nullptr, nullptr, nullptr, kLangJapanese},
    {"LANGUAGE with regions", "fr_FR:ja_JP:de_DE", nullptr, nullptr, nullptr, kLangJapanese},
    {"LANGUAGE empty entries", "::de", nullptr, nullptr, nullptr, kLangGerman},
    {"LANGUAGE before LC_ALL", "de", "ja_JP.UTF-8", nullptr, nullptr, kLangGerman},
    {"LANGUAGE naming nothing carried", "fr:it", nullptr, nullptr, "ja_JP.UTF-8", kLangJapanese},
    {"LC_ALL over LANG", nullptr, "de_DE.UTF-8", nullptr, "ja_JP.UTF-8", kLangGerman},
    {"LC_ALL C over LANG", nullptr, "C", nullptr, "de_DE.UTF-8", kLangEnglish},
    {"LC_ALL French over LANG", nullptr, "fr_FR.UTF-8", nullptr, "de_DE.UTF-8", kLangEnglish},
    {"LC_MESSAGES over LANG", nullptr, nullptr, "ja_JP.UTF-8", "de_DE.UTF-8", kLangJapanese},
    {"LC_ALL over LC_MESSAGES", nullptr, "de_DE.UTF-8", "ja_JP.UTF-8", nullptr, kLangGerman},
    {"empty LC_ALL is unset", nullptr, "", nullptr, "ja_JP.UTF-8", kLangJapanese},
    {"not a prefix match", nullptr, nullptr, nullptr, "des_XX", kLangEnglish},
};
INSTANTIATE_TEST_SUITE_P(Environments, InterfaceLanguage, ::testing::ValuesIn(kEnvironments),
                         [](const auto& param) {
                             std::string name = param.param.name;
                             for (char& c : name) {
                                 c = std::isalnum(static_cast<unsigned char>(c)) != 0 ? c : '_';
                             }
                             return name;
                         });

// The process's own environment is read in the same order.
TEST(InterfaceLanguageOfProcess, ReadsTheEnvironmentVariables) {
    ASSERT_EQ(::unsetenv("LANGUAGE"), 0);
    ASSERT_EQ(::unsetenv("LC_MESSAGES"), 0);
    ASSERT_EQ(::setenv("LC_ALL", "ja_JP.UTF-8", 1), 0);
    ASSERT_EQ(::setenv("LANG", "de_DE.UTF-8", 1), 0);
    EXPECT_EQ(UserInterfaceLanguage(), kLangJapanese);
    ASSERT_EQ(::unsetenv("LC_ALL"), 0);
    EXPECT_EQ(UserInterfaceLanguage(), kLangGerman);
    ASSERT_EQ(::unsetenv("LANG"), 0);
    EXPECT_EQ(UserInterfaceLanguage(), kLangEnglish);
}

} // namespace
