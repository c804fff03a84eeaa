#pragma once

// A window: a handle to a platform window with the operations dialog code calls on it, and the
// window procedure that sends its messages through the message map. Messages that the map does not
// handle get the platform's default handling.

#include "framework/Backend.h"
#include "framework/CmdTarget.h"
#include "framework/Menu.h"

#include <list>

class CWnd : public CCmdTarget, public fw::WindowSink {
public:
    CWnd() = default;
    ~CWnd() override = default;

    HWND m_hWnd = nullptr;
    [[nodiscard]] HWND GetSafeHwnd() const { return m_hWnd; }

    // Attaches this object to control `id` of `parent`.
    BOOL SubclassDlgItem(UINT id, CWnd* parent);

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    int MessageBox(LPCTSTR text, LPCTSTR caption = nullptr, UINT type = MB_OK);
    BOOL EnableWindow(BOOL enable = TRUE);
    [[nodiscard]] BOOL IsWindowEnabled() const;
    // The system menu (the `revert` argument of Windows is always FALSE here); null if none.
    CMenu* GetSystemMenu(BOOL revert);
    HICON SetIcon(HICON icon, BOOL bigIcon);
    [[nodiscard]] BOOL IsIconic() const;
    void GetClientRect(CRect* rect) const;
    // The control with that id, as a window object that lives as long as this one.
    CWnd* GetDlgItem(int id);

protected:
    // Message handlers with the framework's default behaviour.
    void OnSysCommand(UINT id, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();

    // Handles a message through the message map; FALSE when the map has no entry for it.
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The default handling of the message being handled now.
    LRESULT Default();
    // Drops the objects GetDlgItem handed out, once the controls are gone.
    void ForgetDlgItems() { m_items.clear(); }

private:
    struct CurrentMessage {
        UINT message = 0;
        WPARAM wParam = 0;
        LPARAM lParam = 0;
    };
    CurrentMessage m_current;
    CMenu m_systemMenu;
    std::list<CWnd> m_items; // objects for GetDlgItem
};
