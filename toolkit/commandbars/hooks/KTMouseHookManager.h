// KTMouseHookManager.h: tracked bars, clicks outside them and mouse-leave emulation, seen through the thread's
// mouse hook.
//
// Classes: CKTMouseHookManager.
#pragma once

#include "KTMouseMonitor.h"

#include <vector>

class CKTCommandBar;

class CKTMouseHookManager : public IKTMouseHookSink
{
public:
    // The manager of the calling thread, made on first use.
    static CKTMouseHookManager* Instance();
    CKTMouseHookManager();
    ~CKTMouseHookManager() override;
    CKTMouseHookManager(const CKTMouseHookManager&) = delete;
    CKTMouseHookManager& operator=(const CKTMouseHookManager&) = delete;

    void AddTrackedBar(CKTCommandBar* pBar);
    void RemoveTrackedBar(CKTCommandBar* pBar);
    BOOL IsTrackedLock(const CKTCommandBar* pBar) const;
    BOOL HasTrackedBars() const { return !m_trackedBars.empty(); }
    // The bar that began tracking last, NULL when none tracks.
    CKTCommandBar* GetTopTrackedBar() const { return m_trackedBars.empty() ? NULL : m_trackedBars.back(); }
    void CloseAllTracked();
    // Raises the recursion lock of every tracked bar; gives the bars it locked.
    std::vector<CKTCommandBar*> LockTrackedBars();
    // Lowers the lock of those of the bars that still track and hold it.
    void UnlockBars(const std::vector<CKTCommandBar*>& bars);
    void CloseUnlockedBars();
    void Lock() { m_nLock++; }
    void Unlock() { m_nLock--; }
    BOOL IsLocked() const { return m_nLock > 0; }
    // Sends WM_MOUSELEAVE once the cursor has left the window.
    void TrackMouseLeave(HWND hWnd);
    void AddExcludedWindow(HWND hWnd);
    void RemoveExcludedWindow(HWND hWnd);
    void SetLastSelectedBar(CKTCommandBar* pBar) { m_pSelectedBar = pBar; }
    // A bar that goes forgets itself here.
    void ForgetBar(CKTCommandBar* pBar);
    void SetIgnoreButtonUp() { m_bIgnoreButtonUp = TRUE; }

    BOOL OnHookMouse(UINT nMessage, const MOUSEHOOKSTRUCT& info) override;

private:
    static void CALLBACK MouseLeaveTimerProc(HWND hWnd, UINT nMessage, UINT_PTR nIDEvent, DWORD dwTime);
    BOOL OnHookMessage(UINT nMessage, POINT pt);
    // The wheel turns a control that holds the keyboard on the innermost tracked bar; TRUE when one took it.
    BOOL OnHookWheel(int nDelta, POINT pt);
    // A move outside the tracked bars reaches each of them, so that they follow the mouse.
    void ForwardMove(POINT pt);
    void OnMouseLeaveTick(HWND hWnd);
    CKTCommandBar* FindBarHolding(POINT pt) const;
    BOOL IsInExcludedWindow(POINT pt) const;

    int m_nLock = 0;
    std::vector<CKTCommandBar*> m_trackedBars;  // in the order they began
    CKTCommandBar* m_pSelectedBar = NULL;       // changed its selection last
    HWND m_hWndLeave = NULL;                    // watched for mouse-leave
    std::vector<HWND> m_excludedWindows;
    BOOL m_bIgnoreButtonUp = FALSE;
    POINT m_ptLast = {-1, -1};
};
