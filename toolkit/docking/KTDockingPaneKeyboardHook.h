// KTDockingPaneKeyboardHook.h: the thread keyboard hook that opens the window selector from a site frame.
#pragma once

#include <afxwin.h>

#include <map>

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

    // Flags 0 take the site out; the hook is installed while any site is in.
    BOOL Enable(CWnd* pSite, int nFlags);
    CKTDockingPaneWindowSelect* GetRunningSelector() const { return m_pRunning; }

private:
    static LRESULT CALLBACK HookProc(int nCode, WPARAM wParam, LPARAM lParam);
    BOOL OnKey(UINT nKey, LPARAM lParam);
    HWND FindSite(int* pnFlags) const;
    BOOL RunSelector(HWND hWndSite, UINT nKey);

    HHOOK m_hHook = NULL;
    std::map<HWND, int> m_sites;
    CKTDockingPaneWindowSelect* m_pRunning = nullptr;  // lives only inside RunSelector
    UINT m_nOpeningKey = 0;                            // the key that opened it, while still held
};

// The process-wide hook, made on first use.
CKTDockingPaneKeyboardHook* KTDockingPaneKeyboardHook();
