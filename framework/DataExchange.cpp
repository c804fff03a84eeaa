#include "framework/DataExchange.h"

#include "framework/Backend.h"
#include "framework/Wnd.h"

HWND CDataExchange::PrepareCtrl(int id) const {
    return fw::CurrentBackend().GetDlgItem(m_pDlgWnd->m_hWnd, id);
}

void DDX_CBIndex(CDataExchange* pDX, int id, int& index) {
    HWND combo = pDX->PrepareCtrl(id);
    if (pDX->m_bSaveAndValidate != FALSE) {
        index = fw::CurrentBackend().ComboGetCurSel(combo);
    } else {
        fw::CurrentBackend().ComboSetCurSel(combo, index);
    }
}

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
    if (control.m_hWnd == nullptr) {
        control.SubclassDlgItem(static_cast<UINT>(id), pDX->m_pDlgWnd);
    }
}
