#include "framework/WinApp.h"

#include "framework/Backend.h"

namespace {
CWinApp* theApplication = nullptr;
} // namespace

BOOL CWinThread::InitInstance() {
    return FALSE;
}

// The program runs its dialogs modally from InitInstance and has no main message loop of its own,
// so a Run that is reached has nothing left to wait for.
int CWinThread::Run() {
    return ExitInstance();
}

int CWinThread::ExitInstance() {
    return 0;
}

CWinApp::CWinApp(LPCTSTR appName) noexcept : m_pszAppName(appName) {
    theApplication = this;
}

CWinApp::~CWinApp() {
    if (theApplication == this) {
        theApplication = nullptr;
    }
}

BOOL CWinApp::InitInstance() {
    return TRUE;
}

HICON CWinApp::LoadIcon(UINT id) const {
    return fw::LoadIconResource(id);
}

// The program ships no help file, so the default Help command has nothing to open.
void CWinApp::OnHelp() {}

const AFX_MSGMAP* CWinApp::GetMessageMap() const {
    return GetThisMessageMap();
}

const AFX_MSGMAP* CWinApp::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, fw::Handler{}}};
    static const AFX_MSGMAP messageMap = {&CWinThread::GetThisMessageMap, &entries[0]};
    return &messageMap;
}

CWinApp* AfxGetApp() {
    return theApplication;
}

int AfxWinMain() {
    CWinApp* app = AfxGetApp();
    if (app == nullptr) {
        return -1;
    }
    if (app->InitInstance() == FALSE) {
        return app->ExitInstance();
    }
    return app->Run();
}
