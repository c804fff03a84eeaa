// The scripted user on the Win32 backend: a thread timer whose ticks every modal loop (dialogs and
// message boxes) dispatches, finding windows among the thread's own and working their controls
// with the messages a user's input would send.

#include "tests/dialog/User.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace dialogtest {
namespace {

constexpr UINT kTickMs = 5;
// The control ids Windows gives the parts of a message box.
constexpr int kMessageBoxTextId = 0xFFFF;
constexpr int kMessageBoxIconId = 0x0440;
// Set by the framework on the dialogs it runs.
constexpr const wchar_t* kFrameworkDialog = L"Tolvane.ModalRun";

Text TextOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        ::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return Text(text.begin(), text.end());
}

std::vector<HWND> ThreadWindows() {
    std::vector<HWND> windows;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND window, LPARAM found) {
            reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

// A visible window that takes input: the top of the modal stack.
bool TakesInput(HWND window) {
    return ::IsWindowVisible(window) != FALSE && ::IsWindowEnabled(window) != FALSE;
}

HWND FindDialog(const Text& title) {
    for (HWND window : ThreadWindows()) {
        if (TakesInput(window) && ::GetPropW(window, kFrameworkDialog) != nullptr &&
            TextOf(window) == title) {
            return window;
        }
    }
    return nullptr;
}

HWND FindMessageBox() {
    for (HWND window : ThreadWindows()) {
        if (TakesInput(window) && ::GetPropW(window, kFrameworkDialog) == nullptr &&
            ::GetDlgItem(window, kMessageBoxTextId) != nullptr) {
            return window;
        }
    }
    return nullptr;
}

BoxIcon IconOf(HWND box) {
    HWND iconControl = ::GetDlgItem(box, kMessageBoxIconId);
    if (iconControl == nullptr) {
        return BoxIcon::None;
    }
    const auto icon = reinterpret_cast<HICON>(::SendMessageW(iconControl, STM_GETICON, 0, 0));
    if (icon == nullptr) {
        return BoxIcon::None;
    }
    if (icon == ::LoadIconW(nullptr, IDI_HAND)) {
        return BoxIcon::Stop;
    }
    if (icon == ::LoadIconW(nullptr, IDI_ASTERISK)) {
        return BoxIcon::Information;
    }
    return BoxIcon::Other;
}

bool ArrowShowing() {
    return ::GetCursor() == ::LoadCursorW(nullptr, IDC_ARROW);
}

} // namespace

struct User::Impl {
    struct Step {
        std::string description;
        std::function<HWND()> probe;
        Action action;
    };

    std::chrono::milliseconds timeout;
    std::vector<Step> steps;
    std::size_t next = 0;
    std::chrono::steady_clock::time_point stepSince;
    bool failed = false;
    UINT_PTR timer = 0;

    static Impl* running; // the timer procedure has no context of its own

    static void CALLBACK OnTimer(HWND /*window*/, UINT /*message*/, UINT_PTR /*id*/,
                                 DWORD /*time*/) {
        if (running != nullptr) {
            running->Tick();
        }
    }

    // Ticks arrive in whichever modal loop runs, also inside an action that opened a nested one.
    void Tick() {
        if (failed) {
            CloseEverything();
            return;
        }
        if (next >= steps.size()) {
            return;
        }
        const Step& step = steps[next];
        if (HWND window = step.probe()) {
            ++next;
            stepSince = std::chrono::steady_clock::now();
            step.action(window);
            return;
        }
        if (std::chrono::steady_clock::now() - stepSince > timeout) {
            ADD_FAILURE() << "timed out waiting for step " << next + 1 << ": " << step.description;
            failed = true;
            CloseEverything();
        }
    }

    static void CloseEverything() {
        for (HWND window : ThreadWindows()) {
            if (TakesInput(window)) {
                ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
                ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            }
        }
    }
};

User::Impl* User::Impl::running = nullptr;

User::User(std::chrono::milliseconds timeout) : m_impl(std::make_unique<Impl>()) {
    m_impl->timeout = timeout;
}

User::~User() {
    if (m_impl->timer != 0) {
        ::KillTimer(nullptr, m_impl->timer);
    }
    if (Impl::running == m_impl.get()) {
        Impl::running = nullptr;
    }
}

User& User::OnDialog(const Text& title, Action action) {
    m_impl->steps.push_back({"dialog \"" + std::string(title.begin(), title.end()) + "\"",
                             [title] { return FindDialog(title); }, std::move(action)});
    return *this;
}

User& User::AnswerMessageBox(SeenMessage* seen) {
    m_impl->steps.push_back({"message box", [] { return FindMessageBox(); },
                             [seen](HWND box) {
                                 seen->text = TextOf(::GetDlgItem(box, kMessageBoxTextId));
                                 seen->caption = TextOf(box);
                                 seen->icon = IconOf(box);
                                 seen->arrowCursor = ArrowShowing();
                                 ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                                                reinterpret_cast<LPARAM>(::GetDlgItem(box, IDOK)));
                             }});
    return *this;
}

void User::Start() {
    Impl::running = m_impl.get();
    m_impl->stepSince = std::chrono::steady_clock::now();
    m_impl->timer = ::SetTimer(nullptr, 0, kTickMs, &Impl::OnTimer);
}

void User::ExpectAllDone() const {
    EXPECT_EQ(m_impl->next, m_impl->steps.size()) << "steps left undone";
}

Text ListText(Window dialog, int id) {
    HWND list = ::GetDlgItem(dialog, id);
    const auto index = ::SendMessageW(list, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(
                          ::SendMessageW(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0)) +
                          1,
                      L'\0');
    text.resize(static_cast<std::size_t>(::SendMessageW(
        list, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()))));
    return Text(text.begin(), text.end());
}

void SelectListIndex(Window dialog, int id, int index) {
    ::SendDlgItemMessageW(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void Click(Window dialog, int id) {
    ::SendDlgItemMessageW(dialog, id, BM_CLICK, 0, 0);
}

bool IsEnabled(Window dialog, int id) {
    return ::IsWindowEnabled(::GetDlgItem(dialog, id)) != FALSE;
}

Text ControlText(Window dialog, int id) {
    return TextOf(::GetDlgItem(dialog, id));
}

bool HasFocus(Window dialog, int id) {
    return ::GetFocus() == ::GetDlgItem(dialog, id);
}

bool HasWindowIcon(Window dialog) {
    return ::SendMessageW(dialog, WM_GETICON, ICON_BIG, 0) != 0 &&
           ::SendMessageW(dialog, WM_GETICON, ICON_SMALL, 0) != 0;
}

namespace {
std::vector<HWND> Children(HWND dialog) {
    std::vector<HWND> children;
    ::EnumChildWindows(
        dialog,
        [](HWND window, LPARAM found) {
            reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&children));
    return children;
}
} // namespace

bool ShowsIcon(Window dialog) {
    const auto children = Children(dialog);
    return std::any_of(children.begin(), children.end(),
                       [](HWND child) { return ::SendMessageW(child, STM_GETICON, 0, 0) != 0; });
}

bool ShowsText(Window dialog, const Text& text) {
    const auto children = Children(dialog);
    return std::any_of(children.begin(), children.end(),
                       [&](HWND child) { return TextOf(child) == text; });
}

// As the key reaches the dialog's modal loop, which turns it into the Cancel command.
void PressEscape(Window dialog) {
    HWND focus = ::GetFocus();
    HWND target = focus != nullptr && ::IsChild(dialog, focus) != FALSE ? focus : dialog;
    ::PostMessageW(target, WM_KEYDOWN, VK_ESCAPE, 1);
    ::PostMessageW(target, WM_KEYUP, VK_ESCAPE, (1U << 31U) | (1U << 30U) | 1U);
}

bool WaitCursorShowing() {
    return ::GetCursor() == ::LoadCursorW(nullptr, IDC_WAIT);
}

// Enter, taken by the move loop from the thread's queue, keeps the window where it is.
void QueueEndOfMove() {
    ::PostMessageW(::GetActiveWindow(), WM_KEYDOWN, VK_RETURN, 1);
}

void CloseDialog(Window dialog) {
    ::PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
}

} // namespace dialogtest
