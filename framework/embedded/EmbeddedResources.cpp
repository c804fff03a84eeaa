// The resource operations of the framework on a platform without a resource loader: the program's
// compiled resources are embedded in it (fw::res::ModuleResources), each is taken in the user's
// interface language as Windows would pick it, and dialogs are built by the backend from their
// decoded templates and run in its modal loops.

#include "framework/Backend.h"
#include "framework/embedded/DialogHost.h"
#include "framework/resources/Language.h"

#include <algorithm>
#include <vector>

namespace fw {
namespace {

// One running modal dialog; they nest (a message box or the About box over the main dialog).
struct ModalRun {
    HWND window = nullptr;
    bool ended = false;
    INT_PTR result = -1;
};

std::vector<ModalRun*> modalRuns;

// On these platforms the backend in use is also the dialog host.
DialogHost& Host() {
    return dynamic_cast<DialogHost&>(CurrentBackend());
}

} // namespace

INT_PTR RunModalDialog(UINT templateId, HWND owner, WindowSink& messages, ModalDialogSink& start) {
    const auto dialog = res::ModuleResources().LoadDialog(static_cast<std::uint16_t>(templateId),
                                                          res::UserInterfaceLanguage());
    if (!dialog) {
        return -1;
    }
    DialogHost& host = Host();
    ModalRun run;
    run.window = host.CreateDialogWindow(*dialog, owner, messages);
    if (run.window == nullptr) {
        return -1;
    }

    // Destroys the window however the dialog is left, an escaping exception included.
    struct RunGuard {
        ModalRun& run;
        explicit RunGuard(ModalRun& current) : run(current) { modalRuns.push_back(&run); }
        RunGuard(const RunGuard&) = delete;
        RunGuard& operator=(const RunGuard&) = delete;
        ~RunGuard() {
            std::erase(modalRuns, &run);
            CurrentBackend().DestroyWindow(run.window);
        }
    } guard(run);

    if (start.InitDialog(run.window) != FALSE && !run.ended) {
        host.FocusFirstControl(run.window);
    }
    if (!run.ended) {
        host.ShowWindow(run.window);
        host.RunModalLoop(run.window);
    }
    return run.result;
}

void EndModalDialog(HWND dialog, INT_PTR result) {
    const auto found =
        std::find_if(modalRuns.begin(), modalRuns.end(),
                     [dialog](const ModalRun* run) { return run->window == dialog; });
    if (found == modalRuns.end()) {
        return;
    }
    ModalRun& run = **found;
    run.result = result;
    if (!run.ended) {
        run.ended = true;
        Host().EndModalLoop(dialog);
    }
}

void ExecuteDialogInit(HWND dialog, UINT templateId) {
    const auto entries = res::ModuleResources().LoadDialogInit(
        static_cast<std::uint16_t>(templateId), res::UserInterfaceLanguage());
    Backend& backend = CurrentBackend();
    for (const res::DialogInitEntry& entry : entries) {
        if (entry.message == CB_ADDSTRING) {
            // The data is in the ANSI code page; the lists of this program hold ASCII only.
            TString text;
            for (const char c : entry.text) {
                text.push_back(static_cast<unsigned char>(c));
            }
            backend.ComboAddString(backend.GetDlgItem(dialog, entry.controlId), text);
        }
    }
}

TString LoadStringResource(UINT id) {
    return res::ModuleResources().LoadString(id, res::UserInterfaceLanguage());
}

HICON LoadIconResource(UINT id) {
    const std::vector<res::IconImage> images = res::ModuleResources().LoadIcon(
        static_cast<std::uint16_t>(id), res::UserInterfaceLanguage());
    if (images.empty()) {
        return nullptr;
    }
    return Host().CreateIcon(images);
}

} // namespace fw
