#include "framework/String.h"

#include "framework/Backend.h"

BOOL CString::LoadString(UINT id) {
    m_text = fw::LoadStringResource(id);
    return m_text.empty() ? FALSE : TRUE;
}
