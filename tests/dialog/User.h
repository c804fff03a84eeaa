#pragma once

// A scripted user of the program's dialogs, the same on every platform: the test queues steps,
// starts the user and then makes the blocking call (DoModal, the program's start-up); each step
// runs inside whichever modal loop is current, as soon as the window it waits for takes input. A
// step that waits longer than the time-out fails the test, and every window is then closed so that
// the blocking call returns: a test never hangs. Each platform's driver (Qt, Win32) implements
// this and the window operations below.

#include "framework/WinTypes.h"

#include <chrono>
#include <functional>
#include <memory>
#include <string>

#if defined(_WIN32)
namespace dialogtest {
using Window = HWND;
}
#else
class QWidget;
namespace dialogtest {
using Window = QWidget*;
}
#endif

namespace dialogtest {

using Text = std::u16string;

enum class BoxIcon { None, Stop, Information, Other };

// What a message box showed, and whether the arrow (not the wait cursor) showed over it.
struct SeenMessage {
    Text text;
    Text caption;
    BoxIcon icon = BoxIcon::None;
    bool arrowCursor = false;
};

class User {
public:
    using Action = std::function<void(Window)>;

    explicit User(std::chrono::milliseconds timeout = std::chrono::seconds(10));
    ~User();
    User(const User&) = delete;
    User& operator=(const User&) = delete;

    // Acts on the dialog with that title once it is the window taking input.
    User& OnDialog(const Text& title, Action action);
    // Waits for a message box, records what it shows into `seen` and presses its OK button.
    User& AnswerMessageBox(SeenMessage* seen);

    void Start();
    // After the blocking call: fails the test unless every step ran.
    void ExpectAllDone() const;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

// A dialog's controls, by id, as the user sees and works them.
Text ListText(Window dialog, int id); // the selected entry; empty with none
void SelectListIndex(Window dialog, int id, int index);
void Click(Window dialog, int id);
bool IsEnabled(Window dialog, int id);
Text ControlText(Window dialog, int id);
bool HasFocus(Window dialog, int id);
// The dialog's own icon (title bar, task bar).
bool HasWindowIcon(Window dialog);
// A static control shows an icon, and one shows exactly `text`.
bool ShowsIcon(Window dialog);
bool ShowsText(Window dialog, const Text& text);
void PressEscape(Window dialog);
// The wait cursor is showing now.
bool WaitCursorShowing();
// Queues the key that ends a window-move started from the keyboard (the system's Move command
// tracks the window until a key or the mouse ends it; where it does not, nothing).
void QueueEndOfMove();
// Ends the dialog through its close box.
void CloseDialog(Window dialog);

} // namespace dialogtest
