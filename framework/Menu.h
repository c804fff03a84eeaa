#pragma once

// A menu, in this program the system menu of a dialog, to which items can be appended.

#include "framework/WinTypes.h"

class CMenu {
public:
    CMenu() = default;
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    BOOL Attach(HMENU menu);
    [[nodiscard]] HMENU GetSafeHmenu() const { return m_hMenu; }

    // MF_SEPARATOR, or MF_STRING with a command id and its text ("&" marks the access key).
    BOOL AppendMenu(UINT flags, UINT_PTR id = 0, LPCTSTR text = nullptr);

private:
    HMENU m_hMenu = nullptr;
};
