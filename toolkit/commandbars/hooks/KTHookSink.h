// KTHookSink.h: what an object implements to see messages through the hook managers.
//
// Classes: CKTHookSink.
#pragma once

#include <windows.h>

class CKTHookSink
{
public:
    virtual ~CKTHookSink() = default;
    // ktHookContinue, ktHookHandled (consumed) or ktHookStopHere (the window still handles it).
    virtual int OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT& lResult) = 0;

    BOOL m_bAutoDelete = FALSE;  // the window hook manager deletes the sink when it unhooks it
};
