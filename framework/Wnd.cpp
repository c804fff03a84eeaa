#include "framework/Wnd.h"

#include "framework/WinApp.h"

namespace {
fw::TStringView ViewOf(LPCTSTR text) {
    return text != nullptr ? fw::TStringView(text) : fw::TStringView();
}
} // namespace

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
    m_hWnd = fw::CurrentBackend().GetDlgItem(parent->m_hWnd, static_cast<int>(id));
    return m_hWnd != nullptr ? TRUE : FALSE;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return fw::CurrentBackend().SendMessage(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const CurrentMessage saved = m_current;
    m_current = {message, wParam, lParam};
    LRESULT result = 0;
    if (OnWndMsg(message, wParam, lParam, &result) == FALSE) {
        result = DefWindowProc(message, wParam, lParam);
    }
    m_current = saved;
    return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (message == WM_COMMAND) {
        if (OnCommand(wParam, lParam) == FALSE) {
            return FALSE;
        }
        *result = 0;
        return TRUE;
    }
    const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(message, 0, 0);
    if (entry == nullptr) {
        return FALSE;
    }
    struct Call {
        CWnd* self;
        WPARAM wParam;
        LPARAM lParam;
        LRESULT* result;
        BOOL operator()(std::monostate) const { return FALSE; }
        BOOL operator()(const fw::CommandHandler&) const { return FALSE; }
        BOOL operator()(const fw::SysCommandHandler& h) const {
            (self->*(h.pfn))(static_cast<UINT>(wParam), lParam);
            return TRUE;
        }
        BOOL operator()(const fw::PaintHandler& h) const {
            (self->*(h.pfn))();
            return TRUE;
        }
        BOOL operator()(const fw::QueryDragIconHandler& h) const {
            // A handle travels in the message result, as on Windows.
            *result = reinterpret_cast<LRESULT>((self->*(h.pfn))());
            return TRUE;
        }
    };
    *result = 0;
    return std::visit(Call{this, wParam, lParam, result}, entry->handler);
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM /*lParam*/) {
    return OnCmdMsg(LOWORD(wParam), HIWORD(wParam));
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return fw::CurrentBackend().DefWindowProc(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
    return DefWindowProc(m_current.message, m_current.wParam, m_current.lParam);
}

void CWnd::OnSysCommand(UINT /*id*/, LPARAM /*lParam*/) {
    Default();
}
void CWnd::OnPaint() {
    Default();
}
HCURSOR CWnd::OnQueryDragIcon() {
    return nullptr;
}

int CWnd::MessageBox(LPCTSTR text, LPCTSTR caption, UINT type) {
    if (caption == nullptr && AfxGetApp() != nullptr) {
        caption = AfxGetApp()->m_pszAppName;
    }
    return fw::CurrentBackend().MessageBox(m_hWnd, ViewOf(text), caption, type);
}

BOOL CWnd::EnableWindow(BOOL enable) {
    return fw::CurrentBackend().EnableWindow(m_hWnd, enable);
}

BOOL CWnd::IsWindowEnabled() const {
    return fw::CurrentBackend().IsWindowEnabled(m_hWnd);
}

CMenu* CWnd::GetSystemMenu(BOOL /*revert*/) {
    if (m_systemMenu.Attach(fw::CurrentBackend().GetSystemMenu(m_hWnd)) == FALSE) {
        return nullptr;
    }
    return &m_systemMenu;
}

HICON CWnd::SetIcon(HICON icon, BOOL bigIcon) {
    fw::CurrentBackend().SetIcon(m_hWnd, icon, bigIcon);
    return nullptr;
}

BOOL CWnd::IsIconic() const {
    return fw::CurrentBackend().IsIconic(m_hWnd);
}

void CWnd::GetClientRect(CRect* rect) const {
    *rect = fw::CurrentBackend().GetClientRect(m_hWnd);
}

CWnd* CWnd::GetDlgItem(int id) {
    HWND item = fw::CurrentBackend().GetDlgItem(m_hWnd, id);
    if (item == nullptr) {
        return nullptr;
    }
    for (CWnd& known : m_items) {
        if (known.m_hWnd == item) {
            return &known;
        }
    }
    CWnd& added = m_items.emplace_back();
    added.m_hWnd = item;
    return &added;
}
