#include "framework/CmdTarget.h"

namespace {
const AFX_MSGMAP* NoBaseMap() {
    return nullptr;
}
} // namespace

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, fw::Handler{}}};
    static const AFX_MSGMAP messageMap = {&NoBaseMap, &entries[0]};
    return &messageMap;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const {
    return GetThisMessageMap();
}

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(UINT message, UINT code, UINT id) const {
    for (const AFX_MSGMAP* map = GetMessageMap(); map != nullptr; map = map->pfnGetBaseMap()) {
        for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->message != 0; ++entry) {
            if (entry->message != message) {
                continue;
            }
            if (message != WM_COMMAND ||
                (entry->code == code && id >= entry->id && id <= entry->lastId)) {
                return entry;
            }
        }
    }
    return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT id, UINT code) {
    const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(WM_COMMAND, code, id);
    if (entry == nullptr) {
        return FALSE;
    }
    if (const auto* command = std::get_if<fw::CommandHandler>(&entry->handler)) {
        (this->*(command->pfn))();
        return TRUE;
    }
    return FALSE;
}
