#include "framework/resources/Language.h"

#include <cstdlib>
#include <optional>
#include <string_view>

namespace fw::res {

namespace {

// The language of a locale name such as "de_DE.UTF-8", "ja_JP.eucJP", "en_US@euro" or "ja".
// Nothing for a name that names no language we carry; English for the C and POSIX locales.
std::optional<LangId> CarriedLanguage(std::string_view locale) {
    if (locale == "C" || locale == "POSIX" || locale.starts_with("C.")) {
        return kLangEnglish;
    }
    const std::string_view language = locale.substr(0, locale.find_first_of("_.@"));
    if (language == "de") {
        return kLangGerman;
    }
    if (language == "en") {
        return kLangEnglish;
    }
    if (language == "ja") {
        return kLangJapanese;
    }
    return std::nullopt;
}

bool IsSet(const char* value) {
    return value != nullptr && *value != '\0';
}

} // namespace

// LANGUAGE is a list of preferences: the first one we carry wins, and when it names none we carry
// the locale decides. Of the locale variables the first one that is set decides alone, as it does
// for the C library: a locale in a language we do not carry gets English.
LangId LanguageFromEnvironment(const char* language, const char* lcAll, const char* lcMessages,
                               const char* lang) {
    if (IsSet(language)) {
        std::string_view list(language);
        while (!list.empty()) {
            const std::size_t colon = list.find(':');
            if (const auto carried = CarriedLanguage(list.substr(0, colon))) {
                return *carried;
            }
            list = colon == std::string_view::npos ? std::string_view{} : list.substr(colon + 1);
        }
    }
    for (const char* locale : {lcAll, lcMessages, lang}) {
        if (IsSet(locale)) {
            return CarriedLanguage(locale).value_or(kLangEnglish);
        }
    }
    return kLangEnglish;
}

LangId UserInterfaceLanguage() {
    return LanguageFromEnvironment(std::getenv("LANGUAGE"), std::getenv("LC_ALL"),
                                   std::getenv("LC_MESSAGES"), std::getenv("LANG"));
}

} // namespace fw::res
