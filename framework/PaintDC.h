#pragma once

// Painting: a device context for the duration of one WM_PAINT (begin and end painting), and
// drawing an icon on it.

#include "framework/WinTypes.h"

class CWnd;

class CDC {
public:
    CDC() = default;
    virtual ~CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC m_hDC = nullptr;
    [[nodiscard]] HDC GetSafeHdc() const { return m_hDC; }
    BOOL DrawIcon(int x, int y, HICON icon);
};

class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* window);
    ~CPaintDC() override;

private:
    HWND m_hWnd;
};

#if !defined(_WIN32)
// The size of system elements (SM_CXICON, SM_CYICON). Windows has its own.
int GetSystemMetrics(int index);
#endif
