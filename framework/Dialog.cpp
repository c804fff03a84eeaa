#include "framework/Dialog.h"

#include "framework/Backend.h"
#include "framework/WinApp.h"
#include "framework/resources/Language.h"

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
    const std::uint16_t id = static_cast<std::uint16_t>(m_nIDTemplate);
    const auto dialog = fw::res::ModuleResources().LoadDialog(id, fw::res::UserInterfaceLanguage());
    if (!dialog) {
        ForgetMainWindow();
        return -1;
    }
    fw::Backend& backend = fw::CurrentBackend();

    // The owner: the given parent, else the application's main window (unless that is us).
    CWnd* owner = m_pParentWnd;
    if (owner == nullptr && AfxGetApp() != nullptr && AfxGetApp()->m_pMainWnd != this) {
        owner = AfxGetApp()->m_pMainWnd;
    }
    m_hWnd = backend.CreateDialogWindow(*dialog, owner != nullptr ? owner->m_hWnd : nullptr, *this);
    if (m_hWnd == nullptr) {
        ForgetMainWindow();
        return -1;
    }
    m_ended = false;
    m_nModalResult = -1;

    // Destroys the window however DoModal is left, an escaping exception included.
    struct WindowGuard {
        CDialog& dialog;
        explicit WindowGuard(CDialog& owner) : dialog(owner) {}
        WindowGuard(const WindowGuard&) = delete;
        WindowGuard& operator=(const WindowGuard&) = delete;
        ~WindowGuard() {
            fw::CurrentBackend().DestroyWindow(dialog.m_hWnd);
            dialog.m_hWnd = nullptr;
            dialog.ForgetDlgItems();
            dialog.ForgetMainWindow();
        }
    } guard(*this);

    if (OnInitDialog() != FALSE && !m_ended) {
        backend.FocusFirstControl(m_hWnd);
    }
    if (!m_ended) {
        backend.ShowWindow(m_hWnd);
        backend.RunModalLoop(m_hWnd);
    }
    return m_nModalResult;
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
    m_nModalResult = result;
    if (!m_ended) {
        m_ended = true;
        fw::CurrentBackend().EndModalLoop(m_hWnd);
    }
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

BOOL CDialog::OnInitDialog() {
    const auto entries = fw::res::ModuleResources().LoadDialogInit(
        static_cast<std::uint16_t>(m_nIDTemplate), fw::res::UserInterfaceLanguage());
    fw::Backend& backend = fw::CurrentBackend();
    for (const fw::res::DialogInitEntry& entry : entries) {
        if (entry.message == CB_ADDSTRING) {
            // The data is in the ANSI code page; the lists of this program hold ASCII only.
            std::u16string text;
            for (const char c : entry.text) {
                text.push_back(static_cast<unsigned char>(c));
            }
            backend.ComboAddString(backend.GetDlgItem(m_hWnd, entry.controlId), text);
        }
    }
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
