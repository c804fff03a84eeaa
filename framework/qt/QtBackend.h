#pragma once

// The framework's platform operations on Qt 6 Widgets: dialogs built from their templates, modal
// event loops, message boxes, icons, the system menu and the wait cursor.

#include "framework/embedded/DialogHost.h"
#include "framework/qt/Handles.h"

#include <deque>
#include <memory>
#include <vector>

namespace fw::qt {

class QtBackend final : public Backend, public DialogHost {
public:
    QtBackend() = default;
    ~QtBackend() override;
    QtBackend(const QtBackend&) = delete;
    QtBackend& operator=(const QtBackend&) = delete;

    HWND CreateDialogWindow(const res::DialogTemplate& dialog, HWND owner,
                            WindowSink& sink) override;
    void DestroyWindow(HWND window) override;
    void ShowWindow(HWND window) override;
    void RunModalLoop(HWND window) override;
    void EndModalLoop(HWND window) override;
    void FocusFirstControl(HWND dialog) override;

    LRESULT SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT DefWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

    HWND GetDlgItem(HWND dialog, int id) override;
    BOOL EnableWindow(HWND window, BOOL enable) override;
    BOOL IsWindowEnabled(HWND window) override;
    BOOL IsIconic(HWND window) override;
    CRect GetClientRect(HWND window) override;

    int ComboAddString(HWND combo, std::u16string_view text) override;
    int ComboGetCurSel(HWND combo) override;
    int ComboSetCurSel(HWND combo, int index) override;

    HMENU GetSystemMenu(HWND window) override;
    BOOL AppendMenu(HMENU menu, UINT flags, UINT_PTR id, std::u16string_view text) override;

    int MessageBox(HWND owner, std::u16string_view text, LPCTSTR caption, UINT type) override;

    HICON CreateIcon(const std::vector<res::IconImage>& images) override;
    void SetIcon(HWND window, HICON icon, BOOL big) override;

    HDC BeginPaint(HWND window) override;
    void EndPaint(HWND window, HDC dc) override;
    BOOL DrawIcon(HDC dc, int x, int y, HICON icon) override;
    int GetSystemMetrics(int index) override;

    BOOL InitCommonControls(DWORD classes) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;

private:
    void AddControl(HWND dialog, const res::DialogItem& item, const QFont& font,
                    const class DialogUnits& units);

    std::vector<std::unique_ptr<HWND__>> m_dialogs;
    std::deque<HICON__> m_icons;
};

} // namespace fw::qt
