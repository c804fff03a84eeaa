#pragma once

// The Windows-style types, constants and small value classes that dialog code is written in. On
// Windows they are the system's own, from its headers, so dialog code and the Win32 backend share
// one set of declarations; elsewhere they are our own declarations with the values Windows
// documents, so the same dialog code builds against every backend.

#include <cstdint>
#include <string>
#include <string_view>

#if defined(_WIN32)

#include <windows.h>

#include <tchar.h>

#else

using BOOL = int;
inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;

using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = unsigned int;
using INT_PTR = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

// Texts are UTF-16 throughout, as with the wide-character Windows interfaces.
using TCHAR = char16_t;
using LPCTSTR = const char16_t*;
#define _T(text) u##text

// Opaque handles. Each backend gives them their meaning; dialog code only passes them on.
struct HWND__;
struct HICON__;
struct HMENU__;
struct HDC__;
using HWND = HWND__*;
using HICON = HICON__*;
using HCURSOR = HICON; // as on Windows, a cursor is an icon
using HMENU = HMENU__*;
using HDC = HDC__*;

constexpr WORD LOWORD(WPARAM value) {
    return static_cast<WORD>(value & 0xFFFFU);
}
constexpr WORD HIWORD(WPARAM value) {
    return static_cast<WORD>((value >> 16U) & 0xFFFFU);
}
constexpr WPARAM MAKEWPARAM(WORD low, WORD high) {
    return static_cast<WPARAM>(low) | (static_cast<WPARAM>(high) << 16U);
}

// Window messages.
inline constexpr UINT WM_PAINT = 0x000F;
inline constexpr UINT WM_CLOSE = 0x0010;
inline constexpr UINT WM_ICONERASEBKGND = 0x0027;
inline constexpr UINT WM_QUERYDRAGICON = 0x0037;
inline constexpr UINT WM_SETICON = 0x0080;
inline constexpr UINT WM_INITDIALOG = 0x0110;
inline constexpr UINT WM_COMMAND = 0x0111;
inline constexpr UINT WM_SYSCOMMAND = 0x0112;

// Notification code of a button click in WM_COMMAND.
inline constexpr UINT BN_CLICKED = 0;

// System commands (WM_SYSCOMMAND); the low four bits are used by the system itself.
inline constexpr UINT SC_MOVE = 0xF010;
inline constexpr UINT SC_CLOSE = 0xF060;

// Dialog results.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

// Message box types.
inline constexpr UINT MB_OK = 0x00000000;
inline constexpr UINT MB_ICONSTOP = 0x00000010;
inline constexpr UINT MB_ICONERROR = MB_ICONSTOP;
inline constexpr UINT MB_ICONINFORMATION = 0x00000040;
inline constexpr UINT MB_ICONMASK = 0x000000F0;

// Menu item flags.
inline constexpr UINT MF_STRING = 0x00000000;
inline constexpr UINT MF_SEPARATOR = 0x00000800;

// WM_SETICON sizes.
inline constexpr WPARAM ICON_SMALL = 0;
inline constexpr WPARAM ICON_BIG = 1;

// GetSystemMetrics indexes.
inline constexpr int SM_CXICON = 11;
inline constexpr int SM_CYICON = 12;

// Window and control styles, as found in dialog templates.
inline constexpr DWORD WS_TABSTOP = 0x00010000;
inline constexpr DWORD WS_GROUP = 0x00020000;
inline constexpr DWORD WS_DISABLED = 0x08000000;
inline constexpr DWORD WS_VISIBLE = 0x10000000;
inline constexpr DWORD WS_EX_RIGHT = 0x00001000;
inline constexpr DWORD BS_TYPEMASK = 0x0000000F;
inline constexpr DWORD BS_DEFPUSHBUTTON = 0x00000001;
inline constexpr DWORD SS_TYPEMASK = 0x0000001F;
inline constexpr DWORD SS_ICON = 0x00000003;
inline constexpr DWORD SS_NOPREFIX = 0x00000080;

// Combo box messages used by dialog-initialisation data.
inline constexpr UINT CB_ADDSTRING = 0x0143;
inline constexpr int CB_ERR = -1;

#endif

// The framework's own: the notification code of a menu or accelerator command, and the standard
// Help command id.
inline constexpr UINT CN_COMMAND = 0;
inline constexpr UINT ID_HELP = 0xE146;

namespace fw {
// Texts in the character type of the platform's wide-character interfaces (UTF-16 everywhere).
using TString = std::basic_string<TCHAR>;
using TStringView = std::basic_string_view<TCHAR>;
} // namespace fw

struct CPoint {
    int x = 0;
    int y = 0;
};

struct CRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    [[nodiscard]] int Width() const { return right - left; }
    [[nodiscard]] int Height() const { return bottom - top; }
};
