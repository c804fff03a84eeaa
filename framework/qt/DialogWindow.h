#pragma once

// The top-level window of a dialog under Qt, with the keyboard and mouse rules of a Windows dialog:
// Escape cancels (IDCANCEL), Enter presses the focused button or else the default button (IDOK),
// F1 asks for help (ID_HELP), Alt+Space and a right-click open the system menu, and the close box
// sends WM_CLOSE. Tab and Shift+Tab move through the controls in template order (Qt's focus chain).
// Everything is delivered to the dialog's window procedure as the Windows message.

#include "framework/qt/Handles.h"

#include <QWidget>

namespace fw::qt {

class DialogWindow : public QWidget {
public:
    DialogWindow(HWND handle, QWidget* owner, int defaultButtonId);

    // Opens the system menu at `globalPos` and delivers the chosen command as WM_SYSCOMMAND.
    void ShowSystemMenu(const QPoint& globalPos);
    // Allows the next close to go through (the framework destroys the window).
    void AllowClose() { m_closing = true; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Send(UINT message, WPARAM wParam);

    HWND m_handle;
    int m_defaultButtonId;
    bool m_closing = false;
};

} // namespace fw::qt
