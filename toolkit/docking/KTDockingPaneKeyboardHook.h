// KTDockingPaneKeyboardHook.h: the thread keyboard hook that opens the window selector from a site frame.
#pragma once

#include <afxwin.h>

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

class CKTDockingPaneKeyboardHook
{
public:
    CKTDockingPaneKeyboardHook() = default;
    ~CKTDockingPaneKeyboardHook();
    CKTDockingPaneKeyboardHook(const CKTDockingPaneKeyboardHook&) = delete;
    CKTDockingPaneKeyboardHook& operator=(const CKTDockingPaneKeyboardHook&) = delete;

    // The manager's site takes the shortcuts of the flags; flags 0 take it out. The hook is installed while any
    // site is in.
    BOOL Enable(CKTDockingPaneManager* pManager, int nFlags);
    CKTDockingPaneWindowSelect* GetRunningSelector() const { return m_pRunning; }

private:
    static LRESULT CALLBACK HookProc(int nCode, WPARAM wParam, LPARAM lParam);
    BOOL OnKey(UINT nKey, LPARAM lParam);
    struct SSite
    {
        CKTDockingPaneManager* pManager;
        int nFlags;
    };
    const SSite* FindSite() const;
    BOOL RunSelector(CKTDockingPaneManager* pManager, UINT nKey);
    BOOL OnPaneMenuKey();

    HHOOK m_hHook = NULL;
    std::map<HWND, SSite> m_sites;
    CKTDockingPaneWindowSelect* m_pRunning = nullptr;  // lives only inside RunSelector
    UINT m_nOpeningKey = 0;                            // the key that opened it, while still held
};

// The process-wide hook, made on first use.
CKTDockingPaneKeyboardHook* KTDockingPaneKeyboardHook();
