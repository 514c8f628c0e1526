// KTMouseMonitor.h: the thread's one mouse hook: presses outside a popup close it, and modules that
// follow the mouse across windows see each mouse message first.
//
// Classes: IKTMouseHookSink, CKTMouseMonitor.
#pragma once

#include <windows.h>

#include "KTHookSinkList.h"

// What a module implements to see the thread's mouse messages before their windows do.
class IKTMouseHookSink
{
public:
    virtual ~IKTMouseHookSink() = default;
    // TRUE takes the message from the thread.
    virtual BOOL OnHookMouse(UINT nMessage, const MOUSEHOOKSTRUCT& info) = 0;
};

// The WH_MOUSE hook of the calling thread, installed while a popup is watched or any sink listens.
class CKTMouseMonitor
{
public:
    static CKTMouseMonitor* Instance();
    ~CKTMouseMonitor();

    // A press outside hWnd's window rectangle posts WM_CLOSE to it, once; NULL stops watching.
    void SetupHook(HWND hWnd);
    HWND GetWatched() const { return m_hWndWatched; }
    // The latest sink is asked first. FALSE when the hook could not be installed (the sink is not added).
    BOOL AddSink(IKTMouseHookSink* pSink);
    void RemoveSink(IKTMouseHookSink* pSink);
    // A button going down, in the client area or not.
    static BOOL IsPress(UINT nMessage);

private:
    CKTMouseMonitor() = default;
    static LRESULT CALLBACK HookProc(int nCode, WPARAM wParam, LPARAM lParam);
    BOOL Hook();
    void UnhookWhenIdle();
    void CloseWatchedOutside(UINT nMessage, POINT pt);

    HHOOK m_hHook = NULL;
    HWND m_hWndWatched = NULL;
    CKTHookSinkList<IKTMouseHookSink> m_sinks;
};
