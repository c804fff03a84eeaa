#pragma once

// A push button control; attached to a dialog's button by data exchange.

#include "framework/Wnd.h"

class CButton : public CWnd {
public:
    CButton() = default;
    ~CButton() override;
};
