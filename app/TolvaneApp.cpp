#include "app/TolvaneApp.h"

#include "app/TolvaneDlg.h"
#include "framework/CommonControls.h"

BEGIN_MESSAGE_MAP(CTolvaneApp, CWinApp)
ON_COMMAND(ID_HELP, &CWinApp::OnHelp)
END_MESSAGE_MAP()

CTolvaneApp::CTolvaneApp() noexcept : CWinApp(nullptr) {}

CTolvaneApp::~CTolvaneApp() = default;

CTolvaneApp theApp;

BOOL CTolvaneApp::InitInstance() {
    // The dialog's controls are common controls (visual styles on Windows).
    INITCOMMONCONTROLSEX initCtrls{};
    initCtrls.dwSize = sizeof(initCtrls);
    initCtrls.dwICC = ICC_WIN95_CLASSES;
    InitCommonControlsEx(&initCtrls);

    CWinApp::InitInstance();

    CTolvaneDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();

    // The dialog has closed: no message loop, the framework's exit step ends the program.
    return FALSE;
}
