#pragma once

// What a backend provides on a platform without a resource loader, so that dialogs and icons can be
// made from the program's embedded resources: windows built from decoded templates, the backend's
// own modal loops, and icons from decoded images. Windows makes these from the program's resources
// itself, so its backend has no such part.

#include "framework/Backend.h"
#include "framework/resources/ResourceSet.h"

#include <vector>

namespace fw {

class DialogHost {
public:
    // Creates the (hidden) dialog window and its controls from `dialog`; messages for the dialog
    // go to `sink`. Null on failure.
    virtual HWND CreateDialogWindow(const res::DialogTemplate& dialog, HWND owner,
                                    WindowSink& sink) = 0;
    virtual void ShowWindow(HWND window) = 0;
    // Runs a nested event loop until EndModalLoop(window); the owner takes no input meanwhile.
    virtual void RunModalLoop(HWND window) = 0;
    virtual void EndModalLoop(HWND window) = 0;
    // Focus to the first control that takes it, in tab order.
    virtual void FocusFirstControl(HWND dialog) = 0;
    // An icon built from the decoded images of one icon group; owned by the host for the life of
    // the process, as icons loaded from resources are on Windows.
    virtual HICON CreateIcon(const std::vector<res::IconImage>& images) = 0;

protected:
    ~DialogHost() = default;
};

} // namespace fw
