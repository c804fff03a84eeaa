#pragma once

// What a user must see in each interface language, written down independently of the resources.
// The language a test run expects is the one its LANGUAGE variable names (set per ctest entry).

#include <QString>

namespace dialogtest {

struct ExpectedTexts {
    QString aboutItem; // system-menu item
    QString closeItem;
    QString readButton;
    QString writeButton;
    QString readError;    // 201
    QString error;        // 202, caption of every error box
    QString writeError;   // 203
    QString noDriver;     // 212
    QString notConnected; // 213
    QString notWorking;   // 214
    QString incompatible; // 220
    QString written;      // 221
};

const ExpectedTexts& Expected();

} // namespace dialogtest
