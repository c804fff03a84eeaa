#pragma once

// Dialog data exchange: moving values between a dialog's members and its controls in one place
// (the dialog's DoDataExchange), in either direction.

#include "framework/WinTypes.h"

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate)
        : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

    BOOL m_bSaveAndValidate; // TRUE: controls to members; FALSE: members to controls
    CWnd* m_pDlgWnd;

    // The handle of control `id` of the dialog.
    [[nodiscard]] HWND PrepareCtrl(int id) const;
};

// The selected index of a drop-down list: saving gives -1 when nothing is selected; loading an
// index outside the list clears the selection.
void DDX_CBIndex(CDataExchange* pDX, int id, int& index);
// Attaches `control` to control `id` the first time.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);
