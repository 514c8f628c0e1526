// KTNotificationSinkMTWnd.h: the hidden window that brings events onto its own thread.
//
// Classes: CKTNotificationSinkMTWnd. Registered message: KTNotificationSinkMTOnEvent.
#pragma once

#include <windows.h>

// "KTNotificationSinkMTOnEvent", registered once at start-up.
extern const UINT KTNotificationSinkMTOnEvent;

// A popup window without parent, size or visibility, made on the thread
// that is to receive the events; its only handler passes the registered
// message's two values to OnWindowEvent.
class CKTNotificationSinkMTWnd
{
public:
    CKTNotificationSinkMTWnd();
    virtual ~CKTNotificationSinkMTWnd();
    CKTNotificationSinkMTWnd(const CKTNotificationSinkMTWnd&) = delete;
    CKTNotificationSinkMTWnd& operator=(const CKTNotificationSinkMTWnd&) = delete;

    BOOL CreateWnd();
    void DestroyWnd();
    HWND GetSafeHwnd() const { return m_hWnd; }

protected:
    virtual LRESULT OnWindowEvent(WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    static BOOL RegisterClassOnce();

    HWND m_hWnd;  // owned; destroyed with the object
};
