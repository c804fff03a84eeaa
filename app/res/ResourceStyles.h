#pragma once

// Numeric values of the Windows window styles, resource types and language ids that Tolvane.rc
// uses, so that the script compiles with nothing but the resource compiler and a C preprocessor
// (no Windows SDK headers on the Linux build host). Values as documented for the Win32 API.

// Window styles.
#define WS_POPUP 0x80000000L
#define WS_CHILD 0x40000000L
#define WS_VISIBLE 0x10000000L
#define WS_CAPTION 0x00C00000L
#define WS_SYSMENU 0x00080000L
#define WS_VSCROLL 0x00200000L
#define WS_GROUP 0x00020000L
#define WS_TABSTOP 0x00010000L

// Extended window styles.
#define WS_EX_APPWINDOW 0x00040000L
#define WS_EX_RIGHT 0x00001000L

// Dialog styles. DS_SETFONT | DS_FIXEDSYS together select the shell dialog font.
#define DS_FIXEDSYS 0x0008L
#define DS_SETFONT 0x0040L
#define DS_MODALFRAME 0x0080L

// Control styles.
#define SS_LEFT 0x0000L
#define SS_ICON 0x0003L
#define SS_NOPREFIX 0x0080L
#define BS_PUSHBUTTON 0x0000L
#define BS_DEFPUSHBUTTON 0x0001L
#define CBS_DROPDOWNLIST 0x0003L

// Ordinals of the predefined window classes in a dialog template.
#define CLASS_BUTTON 0x0080
#define CLASS_STATIC 0x0082
#define CLASS_COMBOBOX 0x0085

// Font weight of the dialog templates.
#define FW_NORMAL 400

// Control ids with a fixed meaning.
#define IDOK 1
#define IDC_STATIC (-1)

// Version record.
#define VS_VERSION_INFO 1
#define VS_FFI_FILEFLAGSMASK 0x0000003FL
#define VOS__WINDOWS32 0x00000004L
#define VFT_APP 0x00000001L
#define VFT2_UNKNOWN 0x00000000L

// Manifest.
#define RT_MANIFEST 24
#define CREATEPROCESS_MANIFEST_RESOURCE_ID 1

// Languages: primary language id and sublanguage id.
#define LANG_GERMAN 0x07
#define SUBLANG_GERMAN 0x01
#define LANG_ENGLISH 0x09
#define SUBLANG_ENGLISH_US 0x01
#define LANG_JAPANESE 0x11
#define SUBLANG_DEFAULT 0x01
