#pragma once

#include "framework/Dialog.h"

// The About box: product name, version and the legal notice, in English only. Closed with OK,
// Escape or the close box through the framework's default handling.
class CAboutDlg : public CDialog {
public:
    CAboutDlg();
    ~CAboutDlg() override;

    DECLARE_MESSAGE_MAP()
};
