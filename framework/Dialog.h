#pragma once

// A modal dialog built from a dialog template in the program's resources. DoModal creates it,
// runs OnInitDialog, then a nested event loop until EndDialog, and returns the result; the
// platform's resource loading picks the template's language. Its message
// map sends IDOK to OnOK and IDCANCEL to OnCancel; a Close command (close box, system menu or
// WM_CLOSE) ends up as IDCANCEL through the platform's default dialog handling.

#include "framework/DataExchange.h"
#include "framework/Wnd.h"

class CDialog : public CWnd, private fw::ModalDialogSink {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    virtual INT_PTR DoModal();
    void EndDialog(int result);

    // TRUE: controls to members (with validation); FALSE: members to controls.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    BOOL OnCmdMsg(UINT id, UINT code) override;

protected:
    // Fills the controls from the template's initialisation data and pushes the members in;
    // TRUE lets the framework focus the first control.
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange* pDX);
    // Pulls the members from the controls, then ends the dialog with IDOK.
    virtual void OnOK();
    // Ends the dialog with IDCANCEL.
    virtual void OnCancel();

    static const AFX_MSGMAP* GetThisMessageMap();
    const AFX_MSGMAP* GetMessageMap() const override;

private:
    BOOL InitDialog(HWND window) override;
    void ForgetMainWindow();

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
};
