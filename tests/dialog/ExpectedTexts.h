#pragma once

// What a user must see in each interface language, written down independently of the resources.
// The language a test run expects is the one its LANGUAGE variable names (set per ctest entry).

#include <string>

namespace dialogtest {

struct ExpectedTexts {
    std::u16string aboutItem; // system-menu item
    std::u16string closeItem;
    std::u16string readButton;
    std::u16string writeButton;
    std::u16string readError;    // 201
    std::u16string error;        // 202, caption of every error box
    std::u16string writeError;   // 203
    std::u16string noDriver;     // 212
    std::u16string notConnected; // 213
    std::u16string notWorking;   // 214
    std::u16string incompatible; // 220
    std::u16string written;      // 221
};

const ExpectedTexts& Expected();

} // namespace dialogtest
