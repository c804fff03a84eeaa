#pragma once

// The framework's platform operations on Win32: each is the system call of the same name on real
// windows, with the framework's conventions around it (the wait cursor kept off message boxes, the
// small icon loaded at its own size).

#include "framework/Backend.h"

#include <vector>

namespace fw::win32 {

class Win32Backend final : public Backend {
public:
    Win32Backend() = default;
    ~Win32Backend() override = default;
    Win32Backend(const Win32Backend&) = delete;
    Win32Backend& operator=(const Win32Backend&) = delete;

    void DestroyWindow(HWND window) override;

    LRESULT SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT DefWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

    HWND GetDlgItem(HWND dialog, int id) override;
    BOOL EnableWindow(HWND window, BOOL enable) override;
    BOOL IsWindowEnabled(HWND window) override;
    BOOL IsIconic(HWND window) override;
    CRect GetClientRect(HWND window) override;

    int ComboAddString(HWND combo, TStringView text) override;
    int ComboGetCurSel(HWND combo) override;
    int ComboSetCurSel(HWND combo, int index) override;

    HMENU GetSystemMenu(HWND window) override;
    BOOL AppendMenu(HMENU menu, UINT flags, UINT_PTR id, TStringView text) override;

    int MessageBox(HWND owner, TStringView text, LPCTSTR caption, UINT type) override;

    void SetIcon(HWND window, HICON icon, BOOL big) override;

    HDC BeginPaint(HWND window) override;
    void EndPaint(HWND window, HDC dc) override;
    BOOL DrawIcon(HDC dc, int x, int y, HICON icon) override;
    int GetSystemMetrics(int index) override;

    BOOL InitCommonControls(DWORD classes) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;

private:
    struct Painting {
        HWND window;
        PAINTSTRUCT paint;
    };
    std::vector<Painting> m_paintings; // WM_PAINT handlers nest only through nested dialogs
    int m_waitCount = 0;
    HCURSOR m_cursorBeforeWait = nullptr;
};

} // namespace fw::win32
