// Modal dialogs on Win32, as the dialog framework runs them on Windows: DialogBoxParamW makes the
// dialog from the template in the program's resources (so the resource loader picks its language)
// and runs the modal loop. On WM_INITDIALOG the dialog object is attached to its window, and the
// window is subclassed so that from then on every message goes through the object's window
// procedure (its message map), with the system's dialog procedure as the default handling.

#include "framework/win32/ModalDialog.h"

#include "framework/Backend.h"
#include "framework/win32/Resources.h"

#include <exception>

namespace fw {
namespace {

// One running modal dialog, reached from its window through a window property.
struct ModalRun {
    WindowSink* messages = nullptr;
    ModalDialogSink* start = nullptr;
    WNDPROC systemProc = nullptr; // the dialog class's own window procedure
    std::exception_ptr failure;   // an exception that left a handler, passed on by DoModal
};

constexpr const wchar_t* kRunProperty = L"Tolvane.ModalRun";

ModalRun* RunOf(HWND window) {
    return static_cast<ModalRun*>(::GetPropW(window, kRunProperty));
}

// Exceptions must not unwind through the system's frames: one that leaves a handler ends the
// dialog and is thrown again once DialogBoxParamW has returned.
template <typename Function>
LRESULT Guarded(HWND window, ModalRun& run, Function&& function) {
    try {
        return function();
    } catch (...) {
        if (!run.failure) {
            run.failure = std::current_exception();
        }
        ::EndDialog(window, -1);
        return 0;
    }
}

LRESULT CALLBACK DialogWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ModalRun* run = RunOf(window);
    if (run == nullptr) {
        return ::DefDlgProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        const WNDPROC systemProc = run->systemProc;
        ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(systemProc));
        ::RemovePropW(window, kRunProperty);
        return ::CallWindowProcW(systemProc, window, message, wParam, lParam);
    }
    if (run->failure) {
        return ::CallWindowProcW(run->systemProc, window, message, wParam, lParam);
    }
    return Guarded(window, *run,
                   [&] { return run->messages->WindowProc(message, wParam, lParam); });
}

// The dialog procedure proper: only WM_INITDIALOG; everything else reaches the object through the
// subclassed window procedure, and the system's default handling follows when it returns FALSE.
INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM /*wParam*/, LPARAM lParam) {
    if (message != WM_INITDIALOG) {
        return FALSE;
    }
    auto* run = reinterpret_cast<ModalRun*>(lParam);
    ::SetPropW(window, kRunProperty, run);
    run->systemProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&DialogWindowProc)));
    // TRUE: the system focuses the first control that takes it.
    return Guarded(window, *run, [&] { return LRESULT{run->start->InitDialog(window)}; });
}

} // namespace

INT_PTR RunModalDialog(UINT templateId, HWND owner, WindowSink& messages, ModalDialogSink& start) {
    ModalRun run;
    run.messages = &messages;
    run.start = &start;
    const INT_PTR result = ::DialogBoxParamW(win32::ProgramModule(), MAKEINTRESOURCEW(templateId),
                                             owner, &DialogProc, reinterpret_cast<LPARAM>(&run));
    if (run.failure) {
        std::rethrow_exception(run.failure);
    }
    return result;
}

void EndModalDialog(HWND dialog, INT_PTR result) {
    ::EndDialog(dialog, result);
}

namespace win32 {

LRESULT DefaultWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (const ModalRun* run = RunOf(window); run != nullptr && run->systemProc != nullptr) {
        return ::CallWindowProcW(run->systemProc, window, message, wParam, lParam);
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

} // namespace win32
} // namespace fw
