#pragma once

// The application object: CWinThread, the thread that runs the user interface and owns the main
// window, and CWinApp, the one object per program that the framework starts (InitInstance) and
// ends (ExitInstance). The program defines exactly one global object of a class derived from
// CWinApp; the framework's process entry finds it through AfxGetApp().

#include "framework/CmdTarget.h"

class CWnd;

class CWinThread : public CCmdTarget {
public:
    CWnd* m_pMainWnd = nullptr;

    // Sets the thread up; TRUE to enter the message loop (Run), FALSE to end at once.
    virtual BOOL InitInstance();
    // Runs the message loop until the main window is gone, then ExitInstance.
    virtual int Run();
    // The last step before the process ends; returns the exit code.
    virtual int ExitInstance();
};

class CWinApp : public CWinThread {
public:
    // Registers this object as the program's application; `appName` null takes the default.
    explicit CWinApp(LPCTSTR appName = nullptr) noexcept;
    ~CWinApp() override;

    // The application's name; null means the platform's default (the executable's name).
    LPCTSTR m_pszAppName = nullptr;

    BOOL InitInstance() override;

    // Icon resource `id` from the program's resources (shared; never released).
    [[nodiscard]] HICON LoadIcon(UINT id) const;

    // The framework's Help command (ID_HELP).
    void OnHelp();

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    const AFX_MSGMAP* GetMessageMap() const override;
};

// The program's application object, or null when there is none.
CWinApp* AfxGetApp();

// The framework's start-up, run by the process entry once the backend is up: InitInstance, then
// either the message loop or, when it returns FALSE, ExitInstance. Returns the exit code.
int AfxWinMain();
