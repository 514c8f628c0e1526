// KTKeyboardHook.h: the thread's one keyboard hook, shared by every module that watches keys.
//
// Classes: IKTKeyboardHookSink, CKTKeyboardHook.
#pragma once

#include <windows.h>

#include "KTHookSinkList.h"

// What a module implements to see the thread's keys before their windows do.
class IKTKeyboardHookSink
{
public:
    virtual ~IKTKeyboardHookSink() = default;
    // A key pressed or released (the hook's key data in lParam); TRUE takes it from the thread.
    virtual BOOL OnHookKey(UINT nKey, LPARAM lParam) = 0;
};

// The WH_KEYBOARD hook of the calling thread, installed while any sink listens; the latest sink is asked first.
class CKTKeyboardHook
{
public:
    static CKTKeyboardHook* Instance();
    ~CKTKeyboardHook();

    // FALSE when the hook could not be installed (the sink is not added).
    BOOL AddSink(IKTKeyboardHookSink* pSink);
    void RemoveSink(IKTKeyboardHookSink* pSink);
    BOOL IsHooked() const { return m_hHook != NULL; }

private:
    CKTKeyboardHook() = default;
    static LRESULT CALLBACK HookProc(int nCode, WPARAM wParam, LPARAM lParam);

    HHOOK m_hHook = NULL;
    CKTHookSinkList<IKTKeyboardHookSink> m_sinks;
};
