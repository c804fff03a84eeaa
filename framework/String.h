#pragma once

// A UTF-16 text value with the operations dialog code uses, loading from the string table included.

#include "framework/WinTypes.h"

class CString {
public:
    CString() = default;
    CString(LPCTSTR text)
        : m_text(text != nullptr ? text : _T("")) {} // implicit, as texts are passed
    explicit CString(fw::TString text) : m_text(std::move(text)) {}

    // Replaces the text with string-table entry `id` in the user's interface language. An id
    // without text gives an empty text and FALSE.
    BOOL LoadString(UINT id);

    [[nodiscard]] BOOL IsEmpty() const { return m_text.empty() ? TRUE : FALSE; }
    [[nodiscard]] int GetLength() const { return static_cast<int>(m_text.size()); }
    [[nodiscard]] LPCTSTR GetString() const { return m_text.c_str(); }
    operator LPCTSTR() const { return m_text.c_str(); }
    [[nodiscard]] fw::TStringView View() const { return m_text; }

    friend bool operator==(const CString&, const CString&) = default;

private:
    fw::TString m_text;
};
