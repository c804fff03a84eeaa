#include "framework/qt/DialogFont.h"

#include <QApplication>
#include <QFontMetrics>

namespace fw::qt {

QFont DialogFont(const res::DialogTemplate& dialog) {
    const QString face = QString::fromStdU16String(dialog.typeface);
    QFont font = QApplication::font();
    const bool shellFont = face.isEmpty() ||
                           face.compare(u"MS Shell Dlg", Qt::CaseInsensitive) == 0 ||
                           face.compare(u"MS Shell Dlg 2", Qt::CaseInsensitive) == 0 ||
                           face.compare(u"MS UI Gothic", Qt::CaseInsensitive) == 0;
    if (!shellFont) {
        font.setFamilies({face, QApplication::font().family()});
    }
    if (dialog.pointSize != 0) {
        font.setPointSize(dialog.pointSize);
    }
    if (dialog.weight >= 600) {
        font.setBold(true);
    }
    font.setItalic(dialog.italic);
    return font;
}

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    m_baseX = (width / 26 + 1) / 2;
    m_baseY = metrics.height();
}

// MulDiv rounding, as Windows' MapDialogRect.
int DialogUnits::X(int dialogUnits) const {
    return (dialogUnits * m_baseX + 2) / 4;
}
int DialogUnits::Y(int dialogUnits) const {
    return (dialogUnits * m_baseY + 4) / 8;
}

QRect DialogUnits::Rect(int x, int y, int cx, int cy) const {
    return {X(x), Y(y), X(cx), Y(cy)};
}

} // namespace fw::qt
