#pragma once

// The user's interface language, chosen as the Windows resource loader would for the languages the
// program carries: German, English and Japanese map to their language ids, anything else to
// English.

#include "framework/resources/ResourceSet.h"

namespace fw::res {

// Pure form for tests: each argument is the value of that environment variable, or null when unset.
// Looked at in the usual order: LANGUAGE (a colon-separated list, first entry we carry wins),
// LC_ALL, LC_MESSAGES, LANG. "C" and "POSIX" mean English.
[[nodiscard]] LangId LanguageFromEnvironment(const char* language, const char* lcAll,
                                             const char* lcMessages, const char* lang);

// The language of this process's user interface.
[[nodiscard]] LangId UserInterfaceLanguage();

} // namespace fw::res
