#pragma once

// Numeric ids of the program's resources. Read both by the resource compiler, when it builds
// Tolvane.rc, and by the C++ code that loads the resources, so plain #defines only.

// Dialog templates.
#define IDD_ABOUTBOX 100
#define IDD_TOLVANE_DIALOG 102

// Application icon (icon group).
#define IDR_MAINFRAME 128

// Controls of the main dialog.
#define IDC_SX1 1005
#define IDC_SX2 1006
#define IDC_SX3 1007
#define IDC_READ 1008
#define IDC_WRITE 1009

// System-menu command that opens the About box; the low four bits are free for the system.
#define IDM_ABOUTBOX 0x0010

// String table.
#define IDS_ABOUTBOX 200
#define IDS_READ_ERROR 201
#define IDS_ERROR 202
#define IDS_WRITE_ERROR 203
#define IDS_NO_DRIVER 212
#define IDS_NOT_CONNECTED 213
#define IDS_NOT_WORKING 214
#define IDS_INCOMPATIBLE 220
#define IDS_WRITE_SUCCEEDED 221
