#pragma once

// The seam between the framework and the platform: every operation the framework needs from a
// windowing system, as one interface. The framework's classes call only this; a backend library
// (Qt on Linux, Win32 on Windows) implements it and is chosen when the program is linked. Nothing
// in here names a platform type.

#include "framework/WinTypes.h"

namespace fw {

// What a backend delivers to a framework window: the window procedure.
class WindowSink {
public:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) = 0;

protected:
    ~WindowSink() = default;
};

class Backend {
public:
    virtual ~Backend() = default;

    virtual void DestroyWindow(HWND window) = 0;

    // Sends a message to a window: to its sink when it has one, else to the default handling.
    virtual LRESULT SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;
    // The platform's default handling of a message (DefWindowProc / DefDlgProc).
    virtual LRESULT DefWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;

    virtual HWND GetDlgItem(HWND dialog, int id) = 0;
    virtual BOOL EnableWindow(HWND window, BOOL enable) = 0;
    virtual BOOL IsWindowEnabled(HWND window) = 0;
    virtual BOOL IsIconic(HWND window) = 0;
    virtual CRect GetClientRect(HWND window) = 0;

    virtual int ComboAddString(HWND combo, TStringView text) = 0;
    virtual int ComboGetCurSel(HWND combo) = 0;
    virtual int ComboSetCurSel(HWND combo, int index) = 0;

    virtual HMENU GetSystemMenu(HWND window) = 0;
    virtual BOOL AppendMenu(HMENU menu, UINT flags, UINT_PTR id, TStringView text) = 0;

    // A modal message box with an OK button; returns IDOK. A null caption means the application's
    // name as the platform knows it (the executable's name).
    virtual int MessageBox(HWND owner, TStringView text, LPCTSTR caption, UINT type) = 0;

    virtual void SetIcon(HWND window, HICON icon, BOOL big) = 0;

    virtual HDC BeginPaint(HWND window) = 0;
    virtual void EndPaint(HWND window, HDC dc) = 0;
    virtual BOOL DrawIcon(HDC dc, int x, int y, HICON icon) = 0;
    virtual int GetSystemMetrics(int index) = 0;

    // Registers the common control classes `classes` (ICC_* flags) where the platform needs it.
    virtual BOOL InitCommonControls(DWORD classes) = 0;

    // The wait cursor; calls nest.
    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;
};

// What a backend delivers to a modal dialog once its window and controls exist: the dialog attaches
// itself to `window` and runs its OnInitDialog. TRUE lets the backend focus the first control.
class ModalDialogSink {
public:
    virtual BOOL InitDialog(HWND window) = 0;

protected:
    ~ModalDialogSink() = default;
};

// The operations that work on the program's resources. Windows has a resource loader that picks
// the language of each resource, and the Win32 backend library defines these with it; on other
// platforms fw_embedded defines them over the program's embedded compiled resources and the
// backend's DialogHost part.

// Runs dialog template `templateId` modally: messages for the dialog go to `messages`, and
// `start` is told when the window exists. Returns the result given to EndModalDialog, or -1 when
// the dialog cannot be made. An exception that leaves a handler ends the dialog and passes on
// from here.
INT_PTR RunModalDialog(UINT templateId, HWND owner, WindowSink& messages, ModalDialogSink& start);
void EndModalDialog(HWND dialog, INT_PTR result);
// Fills the dialog's lists from the dialog-initialisation data of template `templateId`.
void ExecuteDialogInit(HWND dialog, UINT templateId);
// String-table text `id` in the user's interface language; empty when there is none.
TString LoadStringResource(UINT id);
// Icon group `id`, shared and never released; null when there is none.
HICON LoadIconResource(UINT id);

// The backend in use; set by the backend's start-up before any window exists.
Backend& CurrentBackend();
void SetCurrentBackend(Backend* backend);

// The process entry of the backend: sets itself up, runs the application (AfxWinMain) and returns
// its exit code. Defined by the backend library the program links.
int PlatformMain(int argc, char** argv);

} // namespace fw
