#include "framework/Menu.h"

#include "framework/Backend.h"

BOOL CMenu::Attach(HMENU menu) {
    m_hMenu = menu;
    return menu != nullptr ? TRUE : FALSE;
}

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR id, LPCTSTR text) {
    if (m_hMenu == nullptr) {
        return FALSE;
    }
    return fw::CurrentBackend().AppendMenu(
        m_hMenu, flags, id, text != nullptr ? fw::TStringView(text) : fw::TStringView());
}
