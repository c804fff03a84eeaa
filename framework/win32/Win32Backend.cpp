#include "framework/win32/Win32Backend.h"

#include "framework/CommonControls.h"
#include "framework/win32/ModalDialog.h"
#include "framework/win32/Resources.h"

#include <algorithm>
#include <string>

namespace fw::win32 {
namespace {

// The system calls take NUL-terminated texts.
std::wstring Terminated(TStringView text) {
    return std::wstring(text);
}

// The application's name as Windows knows it when the program gives none: the file name of the
// executable without its extension.
std::wstring ProgramName() {
    std::wstring path(MAX_PATH, L'\0');
    const DWORD length =
        ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    path.resize(length);
    const std::size_t slash = path.find_last_of(L"\\/");
    std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.find_last_of(L'.');
    return dot == std::wstring::npos ? name : name.substr(0, dot);
}

} // namespace

void Win32Backend::DestroyWindow(HWND window) {
    if (window != nullptr && ::IsWindow(window) != FALSE) {
        ::DestroyWindow(window);
    }
}

LRESULT Win32Backend::SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return ::SendMessageW(window, message, wParam, lParam);
}

LRESULT Win32Backend::DefWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefaultWindowProc(window, message, wParam, lParam);
}

HWND Win32Backend::GetDlgItem(HWND dialog, int id) {
    return ::GetDlgItem(dialog, id);
}

BOOL Win32Backend::EnableWindow(HWND window, BOOL enable) {
    return ::EnableWindow(window, enable);
}

BOOL Win32Backend::IsWindowEnabled(HWND window) {
    return ::IsWindowEnabled(window);
}

BOOL Win32Backend::IsIconic(HWND window) {
    return ::IsIconic(window);
}

CRect Win32Backend::GetClientRect(HWND window) {
    RECT rect{};
    ::GetClientRect(window, &rect);
    return CRect{rect.left, rect.top, rect.right, rect.bottom};
}

int Win32Backend::ComboAddString(HWND combo, TStringView text) {
    const std::wstring terminated = Terminated(text);
    return static_cast<int>(
        ::SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(terminated.c_str())));
}

int Win32Backend::ComboGetCurSel(HWND combo) {
    return static_cast<int>(::SendMessageW(combo, CB_GETCURSEL, 0, 0));
}

int Win32Backend::ComboSetCurSel(HWND combo, int index) {
    // An index the list does not have clears the selection.
    const auto count = ::SendMessageW(combo, CB_GETCOUNT, 0, 0);
    const WPARAM selected =
        index >= 0 && index < count ? static_cast<WPARAM>(index) : static_cast<WPARAM>(-1);
    return static_cast<int>(::SendMessageW(combo, CB_SETCURSEL, selected, 0));
}

HMENU Win32Backend::GetSystemMenu(HWND window) {
    return ::GetSystemMenu(window, FALSE);
}

BOOL Win32Backend::AppendMenu(HMENU menu, UINT flags, UINT_PTR id, TStringView text) {
    if ((flags & MF_SEPARATOR) != 0) {
        return ::AppendMenuW(menu, flags, id, nullptr);
    }
    const std::wstring terminated = Terminated(text);
    return ::AppendMenuW(menu, flags, id, terminated.c_str());
}

int Win32Backend::MessageBox(HWND owner, TStringView text, LPCTSTR caption, UINT type) {
    const std::wstring terminated = Terminated(text);
    const std::wstring title = caption != nullptr ? std::wstring(caption) : ProgramName();
    // A message box shows the arrow even while its command keeps the wait cursor.
    if (m_waitCount > 0) {
        ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
    }
    const int result = ::MessageBoxW(owner, terminated.c_str(), title.c_str(), type);
    if (m_waitCount > 0) {
        ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
    }
    return result;
}

void Win32Backend::SetIcon(HWND window, HICON icon, BOOL big) {
    if (big != FALSE) {
        ::SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    } else {
        ::SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(SmallIconOf(icon)));
    }
}

HDC Win32Backend::BeginPaint(HWND window) {
    Painting& painting = m_paintings.emplace_back();
    painting.window = window;
    return ::BeginPaint(window, &painting.paint);
}

void Win32Backend::EndPaint(HWND window, HDC dc) {
    const auto found =
        std::find_if(m_paintings.rbegin(), m_paintings.rend(),
                     [&](const Painting& p) { return p.window == window && p.paint.hdc == dc; });
    if (found == m_paintings.rend()) {
        return;
    }
    ::EndPaint(window, &found->paint);
    m_paintings.erase(std::next(found).base());
}

BOOL Win32Backend::DrawIcon(HDC dc, int x, int y, HICON icon) {
    return ::DrawIcon(dc, x, y, icon);
}

int Win32Backend::GetSystemMetrics(int index) {
    return ::GetSystemMetrics(index);
}

BOOL Win32Backend::InitCommonControls(DWORD classes) {
    INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX), classes};
    return ::InitCommonControlsEx(&init);
}

// As the dialog framework does it: the cursor is set while a command blocks the message loop, and
// the one shown before comes back when the last wait ends.
void Win32Backend::BeginWaitCursor() {
    HCURSOR previous = ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
    if (m_waitCount++ == 0) {
        m_cursorBeforeWait = previous;
    }
}

void Win32Backend::EndWaitCursor() {
    if (m_waitCount == 0) {
        return;
    }
    if (--m_waitCount == 0) {
        ::SetCursor(m_cursorBeforeWait != nullptr ? m_cursorBeforeWait
                                                  : ::LoadCursorW(nullptr, IDC_ARROW));
        m_cursorBeforeWait = nullptr;
    }
}

} // namespace fw::win32
