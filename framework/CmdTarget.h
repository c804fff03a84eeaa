#pragma once

// The roots of the framework's class tree: CObject, the common base, and CCmdTarget, an object
// that has a message map and can handle commands (WM_COMMAND) through it.

#include "framework/MessageMap.h"

class CObject {
public:
    CObject() = default;
    virtual ~CObject() = default;
    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;
};

class CCmdTarget : public CObject {
public:
    // Routes a command (id, notification code) to the first matching handler in this object's
    // message map chain; FALSE when there is none.
    virtual BOOL OnCmdMsg(UINT id, UINT code);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

    // The first entry for `message` (and for WM_COMMAND the code and id) in the map chain.
    [[nodiscard]] const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT message, UINT code, UINT id) const;
};
