#include "framework/qt/DialogWindow.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QPushButton>

namespace fw::qt {

DialogWindow::DialogWindow(HWND handle, QWidget* owner, int defaultButtonId)
    : QWidget(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_handle(handle), m_defaultButtonId(defaultButtonId) {}

void DialogWindow::Send(UINT message, WPARAM wParam) {
    if (m_handle->sink != nullptr) {
        m_handle->sink->WindowProc(message, wParam, 0);
    }
}

void DialogWindow::keyPressEvent(QKeyEvent* event) {
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    switch (event->key()) {
    case Qt::Key_Escape:
        if (modifiers == Qt::NoModifier) {
            Send(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED));
            return;
        }
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (modifiers == Qt::NoModifier) {
            if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
                button->click();
            } else {
                Send(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(m_defaultButtonId), BN_CLICKED));
            }
            return;
        }
        break;
    case Qt::Key_Space:
        if (modifiers == Qt::AltModifier) {
            ShowSystemMenu(mapToGlobal(QPoint(0, 0)));
            return;
        }
        break;
    case Qt::Key_F1:
        if (modifiers == Qt::NoModifier) {
            Send(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(ID_HELP), CN_COMMAND));
            return;
        }
        break;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}

void DialogWindow::contextMenuEvent(QContextMenuEvent* event) {
    ShowSystemMenu(event->globalPos());
}

void DialogWindow::ShowSystemMenu(const QPoint& globalPos) {
    QMenu menu(this);
    for (const HMENU__::Item& item : m_handle->systemMenu.items) {
        if ((item.flags & MF_SEPARATOR) != 0) {
            menu.addSeparator();
        } else {
            menu.addAction(item.text)->setData(QVariant::fromValue<qulonglong>(item.id));
        }
    }
    // The command runs after the menu has closed, so it may open windows of its own.
    const QAction* chosen = menu.exec(globalPos);
    if (chosen != nullptr) {
        Send(WM_SYSCOMMAND, static_cast<WPARAM>(chosen->data().toULongLong()));
    }
}

void DialogWindow::closeEvent(QCloseEvent* event) {
    if (m_closing) {
        event->accept();
        return;
    }
    event->ignore();
    Send(WM_CLOSE, 0);
}

void DialogWindow::paintEvent(QPaintEvent* event) {
    // A minimised window is painted by its dialog (its icon), as on Windows.
    if (isMinimized() && m_handle->sink != nullptr) {
        QPainter painter(this);
        m_handle->paintDc.painter = &painter;
        m_handle->sink->WindowProc(WM_PAINT, 0, 0);
        m_handle->paintDc.painter = nullptr;
        return;
    }
    QWidget::paintEvent(event);
}

} // namespace fw::qt
