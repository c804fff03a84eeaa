#include "framework/Dialog.h"

#include "framework/Backend.h"
#include "framework/WinApp.h"

CDialog::CDialog(UINT templateId, CWnd* parent) : m_nIDTemplate(templateId), m_pParentWnd(parent) {}

CDialog::~CDialog() {
    if (m_hWnd != nullptr) {
        fw::CurrentBackend().DestroyWindow(m_hWnd);
        m_hWnd = nullptr;
    }
}

const AFX_MSGMAP* CDialog::GetMessageMap() const {
    return GetThisMessageMap();
}

const AFX_MSGMAP* CDialog::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY entries[] = {
        {WM_COMMAND, CN_COMMAND, IDOK, IDOK,
         fw::CommandHandler{static_cast<void (CCmdTarget::*)()>(&CDialog::OnOK)}},
        {WM_COMMAND, CN_COMMAND, IDCANCEL, IDCANCEL,
         fw::CommandHandler{static_cast<void (CCmdTarget::*)()>(&CDialog::OnCancel)}},
        {0, 0, 0, 0, fw::Handler{}}};
    static const AFX_MSGMAP messageMap = {&CWnd::GetThisMessageMap, &entries[0]};
    return &messageMap;
}

INT_PTR CDialog::DoModal() {
    // The owner: the given parent, else the application's main window (unless that is us).
    CWnd* owner = m_pParentWnd;
    if (owner == nullptr && AfxGetApp() != nullptr && AfxGetApp()->m_pMainWnd != this) {
        owner = AfxGetApp()->m_pMainWnd;
    }

    // Lets go of the window however DoModal is left, an escaping exception included.
    struct WindowGuard {
        CDialog& dialog;
        explicit WindowGuard(CDialog& owner) : dialog(owner) {}
        WindowGuard(const WindowGuard&) = delete;
        WindowGuard& operator=(const WindowGuard&) = delete;
        ~WindowGuard() {
            dialog.m_hWnd = nullptr;
            dialog.ForgetDlgItems();
            dialog.ForgetMainWindow();
        }
    } guard(*this);

    return fw::RunModalDialog(m_nIDTemplate, owner != nullptr ? owner->m_hWnd : nullptr, *this,
                              *this);
}

BOOL CDialog::InitDialog(HWND window) {
    m_hWnd = window;
    return OnInitDialog();
}

// The application's reference to its main window must not outlive the window.
void CDialog::ForgetMainWindow() {
    if (AfxGetApp() != nullptr && AfxGetApp()->m_pMainWnd == this) {
        AfxGetApp()->m_pMainWnd = nullptr;
    }
}

BOOL CDialog::OnCmdMsg(UINT id, UINT code) {
    // Commands the dialog does not handle go on to the application, as Help does.
    if (CWnd::OnCmdMsg(id, code) != FALSE) {
        return TRUE;
    }
    return AfxGetApp() != nullptr ? AfxGetApp()->OnCmdMsg(id, code) : FALSE;
}

void CDialog::EndDialog(int result) {
    fw::EndModalDialog(m_hWnd, result);
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

BOOL CDialog::OnInitDialog() {
    fw::ExecuteDialogInit(m_hWnd, m_nIDTemplate);
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange* /*pDX*/) {}

void CDialog::OnOK() {
    if (UpdateData(TRUE) == FALSE) {
        return;
    }
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}
