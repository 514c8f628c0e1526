// KTDockingPaneKeyboardHook.h: the site frames' navigation keys, seen through the thread's keyboard hook.
#pragma once

#include <afxwin.h>

#include "KTKeyboardHook.h"

#include <map>

class CKTDockingPaneManager;
class CKTDockingPaneWindowSelect;

// Keyboard shortcuts a site frame can switch on.
enum KTDockingPaneKeyboardFlags
{
    ktKeyboardNavigateMenu = 1,     // Alt+'-'
    ktKeyboardNavigatePanes = 2,    // Alt+F6
    ktKeyboardNavigateSelect = 4,   // Alt+F7
    ktKeyboardNavigateCtrlTab = 8,  // Ctrl+Tab
};

class CKTDockingPaneKeyboardHook : public IKTKeyboardHookSink
{
public:
    CKTDockingPaneKeyboardHook() = default;
    CKTDockingPaneKeyboardHook(const CKTDockingPaneKeyboardHook&) = delete;
    CKTDockingPaneKeyboardHook& operator=(const CKTDockingPaneKeyboardHook&) = delete;

    // The manager's site takes the shortcuts of the flags; flags 0 take it out. The keys are watched while any
    // site is in.
    BOOL Enable(CKTDockingPaneManager* pManager, int nFlags);
    CKTDockingPaneWindowSelect* GetRunningSelector() const { return m_pRunning; }

    BOOL OnHookKey(UINT nKey, LPARAM lParam) override;

private:
    struct SSite
    {
        CKTDockingPaneManager* pManager;
        int nFlags;
    };
    const SSite* FindSite() const;
    BOOL RunSelector(CKTDockingPaneManager* pManager, UINT nKey);
    BOOL OnPaneMenuKey();

    std::map<HWND, SSite> m_sites;
    CKTDockingPaneWindowSelect* m_pRunning = nullptr;  // lives only inside RunSelector
    UINT m_nOpeningKey = 0;                            // the key that opened it, while still held
};

// The process-wide hook, made on first use.
CKTDockingPaneKeyboardHook* KTDockingPaneKeyboardHook();
