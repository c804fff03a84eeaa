#pragma once

// The font of a dialog template on this desktop, and the dialog base units that convert the
// template's dialog units into pixels, computed as Windows computes them.

#include "framework/resources/ResourceSet.h"

#include <QFont>
#include <QRect>

namespace fw::qt {

// The template's typeface at its point size. The Windows shell dialog fonts ("MS Shell Dlg",
// "MS Shell Dlg 2", "MS UI Gothic") become the desktop's user-interface font; glyphs that font
// lacks (Japanese) come from fontconfig's fallback.
QFont DialogFont(const res::DialogTemplate& dialog);

class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);

    [[nodiscard]] int X(int dialogUnits) const;
    [[nodiscard]] int Y(int dialogUnits) const;
    [[nodiscard]] QRect Rect(int x, int y, int cx, int cy) const;
    [[nodiscard]] int BaseX() const { return m_baseX; }
    [[nodiscard]] int BaseY() const { return m_baseY; }

private:
    int m_baseX; // average width of the 52 Latin letters, rounded
    int m_baseY; // height of the font
};

} // namespace fw::qt
