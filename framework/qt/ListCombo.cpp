#include "framework/qt/ListCombo.h"

#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QStyledItemDelegate>

namespace fw::qt {
namespace {

// Entries of the open list, aligned as the closed box is.
class AlignedItemDelegate : public QStyledItemDelegate {
public:
    AlignedItemDelegate(QObject* parent, Qt::Alignment alignment)
        : QStyledItemDelegate(parent), m_alignment(alignment) {}

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->displayAlignment = m_alignment | Qt::AlignVCenter;
    }

private:
    Qt::Alignment m_alignment;
};

} // namespace

ListCombo::ListCombo(QWidget* parent, Qt::Alignment alignment)
    : QComboBox(parent), m_alignment(alignment) {
    setMaxVisibleItems(30);
    setItemDelegate(new AlignedItemDelegate(this, alignment));
}

void ListCombo::paintEvent(QPaintEvent* event) {
    if (!(m_alignment & Qt::AlignRight)) {
        QComboBox::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QString text = option.currentText;
    option.currentText.clear();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(field.adjusted(0, 0, -2, 0), Qt::AlignRight | Qt::AlignVCenter, text);
}

} // namespace fw::qt
