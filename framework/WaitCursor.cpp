#include "framework/WaitCursor.h"

#include "framework/Backend.h"

CWaitCursor::CWaitCursor() {
    fw::CurrentBackend().BeginWaitCursor();
}

CWaitCursor::~CWaitCursor() {
    fw::CurrentBackend().EndWaitCursor();
}
