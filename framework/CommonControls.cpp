#include "framework/CommonControls.h"

#include "framework/Backend.h"

#if !defined(_WIN32)
BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* init) {
    if (init == nullptr || init->dwSize != sizeof(INITCOMMONCONTROLSEX)) {
        return FALSE;
    }
    return fw::CurrentBackend().InitCommonControls(init->dwICC);
}
#endif
