#include "framework/String.h"

#include "framework/resources/Language.h"

BOOL CString::LoadString(UINT id) {
    m_text = fw::res::ModuleResources().LoadString(id, fw::res::UserInterfaceLanguage());
    return m_text.empty() ? FALSE : TRUE;
}
