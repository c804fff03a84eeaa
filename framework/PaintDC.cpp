#include "framework/PaintDC.h"

#include "framework/Backend.h"
#include "framework/Wnd.h"

BOOL CDC::DrawIcon(int x, int y, HICON icon) {
    return fw::CurrentBackend().DrawIcon(m_hDC, x, y, icon);
}

CPaintDC::CPaintDC(CWnd* window) : m_hWnd(window->m_hWnd) {
    m_hDC = fw::CurrentBackend().BeginPaint(m_hWnd);
}

CPaintDC::~CPaintDC() {
    fw::CurrentBackend().EndPaint(m_hWnd, m_hDC);
}

#if !defined(_WIN32)
int GetSystemMetrics(int index) {
    return fw::CurrentBackend().GetSystemMetrics(index);
}
#endif
