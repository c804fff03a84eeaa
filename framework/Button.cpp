#include "framework/Button.h"

// The button's window belongs to its dialog, which destroys it; the object only lets go of it.
CButton::~CButton() {
    m_hWnd = nullptr;
}
