#pragma once

// A UTF-16 text value with the operations dialog code uses, loading from the string table included.

#include "framework/WinTypes.h"

#include <string>
#include <string_view>

class CString {
public:
    CString() = default;
    CString(LPCTSTR text) : m_text(text != nullptr ? text : u"") {} // implicit, as texts are passed
    explicit CString(std::u16string text) : m_text(std::move(text)) {}

    // Replaces the text with string-table entry `id` in the user's interface language. An id
    // without text gives an empty text and FALSE.
    BOOL LoadString(UINT id);

    [[nodiscard]] BOOL IsEmpty() const { return m_text.empty() ? TRUE : FALSE; }
    [[nodiscard]] int GetLength() const { return static_cast<int>(m_text.size()); }
    [[nodiscard]] LPCTSTR GetString() const { return m_text.c_str(); }
    operator LPCTSTR() const { return m_text.c_str(); }
    [[nodiscard]] std::u16string_view View() const { return m_text; }

    friend bool operator==(const CString&, const CString&) = default;

private:
    std::u16string m_text;
};
