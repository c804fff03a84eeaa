#pragma once

// Message maps: per-class tables that route window messages and commands to member functions.
//
// Each entry names a message (and for commands a notification code and a control id range) and
// holds a member-function pointer whose type tells how to call it. The pointers are converted to
// a base class's member type with static_cast (derived-to-base, which is well-defined for
// non-virtual bases), and the handler's signature is the variant alternative it is stored in, so
// dispatch never reinterprets a pointer. A class's map links to its base class's map; lookup walks
// from the most derived map to the root and the first matching entry wins.

#include "framework/WinTypes.h"

#include <variant>

class CCmdTarget;
class CWnd;

namespace fw {

// Handler signatures, one alternative per way of calling.
struct CommandHandler { // WM_COMMAND: void OnCommand()
    void (CCmdTarget::*pfn)();
};
struct SysCommandHandler { // WM_SYSCOMMAND: void OnSysCommand(UINT nID, LPARAM lParam)
    void (CWnd::*pfn)(UINT, LPARAM);
};
struct PaintHandler { // WM_PAINT: void OnPaint()
    void (CWnd::*pfn)();
};
struct QueryDragIconHandler { // WM_QUERYDRAGICON: HCURSOR OnQueryDragIcon()
    HCURSOR (CWnd::*pfn)();
};

using Handler = std::variant<std::monostate, CommandHandler, SysCommandHandler, PaintHandler,
                             QueryDragIconHandler>;

} // namespace fw

struct AFX_MSGMAP_ENTRY {
    UINT message; // 0 ends the table
    UINT code;    // notification code (WM_COMMAND only)
    UINT id;      // first control or command id (WM_COMMAND only)
    UINT lastId;  // last id of the range
    fw::Handler handler;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// In the class declaration.
#define DECLARE_MESSAGE_MAP()                                                                      \
protected:                                                                                         \
    static const AFX_MSGMAP* GetThisMessageMap();                                                  \
    const AFX_MSGMAP* GetMessageMap() const override;

// In the class's source file.
#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const AFX_MSGMAP* theClass::GetMessageMap() const {                                            \
        return GetThisMessageMap();                                                                \
    }                                                                                              \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {                                              \
        using ThisClass [[maybe_unused]] = theClass;                                               \
        using TheBaseClass = baseClass;                                                            \
        static const AFX_MSGMAP_ENTRY entries[] = {

#define END_MESSAGE_MAP()                                                                          \
    {                                                                                              \
        0, 0, 0, 0, fw::Handler {}                                                                 \
    }                                                                                              \
    }                                                                                              \
    ;                                                                                              \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &entries[0]};          \
    return &messageMap;                                                                            \
    }

#define ON_COMMAND(id, memberFxn)                                                                  \
    {WM_COMMAND, CN_COMMAND, static_cast<UINT>(id), static_cast<UINT>(id),                         \
     fw::CommandHandler{static_cast<void (CCmdTarget::*)()>(memberFxn)}},

#define ON_BN_CLICKED(id, memberFxn)                                                               \
    {WM_COMMAND, BN_CLICKED, static_cast<UINT>(id), static_cast<UINT>(id),                         \
     fw::CommandHandler{static_cast<void (CCmdTarget::*)()>(memberFxn)}},

#define ON_WM_SYSCOMMAND()                                                                         \
    {WM_SYSCOMMAND, 0, 0, 0,                                                                       \
     fw::SysCommandHandler{static_cast<void (CWnd::*)(UINT, LPARAM)>(&ThisClass::OnSysCommand)}},

#define ON_WM_PAINT()                                                                              \
    {WM_PAINT, 0, 0, 0, fw::PaintHandler{static_cast<void (CWnd::*)()>(&ThisClass::OnPaint)}},

#define ON_WM_QUERYDRAGICON()                                                                      \
    {WM_QUERYDRAGICON, 0, 0, 0,                                                                    \
     fw::QueryDragIconHandler{static_cast<HCURSOR (CWnd::*)()>(&ThisClass::OnQueryDragIcon)}},
