#pragma once

// A drop-down list as a dialog template describes it: its text right-aligned when the template
// asks for it (WS_EX_RIGHT), both in the closed box and in the open list, and up to 30 entries
// visible when it drops down, as with the Windows common controls.

#include <QComboBox>

namespace fw::qt {

class ListCombo : public QComboBox {
public:
    ListCombo(QWidget* parent, Qt::Alignment alignment);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Qt::Alignment m_alignment;
};

} // namespace fw::qt
