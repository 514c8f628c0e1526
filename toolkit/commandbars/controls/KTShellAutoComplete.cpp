// KTShellAutoComplete.cpp: the shell's completion entry point, kept loaded, and the suggestion list's watch.
#include "KTShellAutoComplete.h"

#include "KTCommandBarsDefs.h"
#include "KTKeyboardHookManager.h"
#include "KTKeyState.h"
#include "KTMouseHookManager.h"
#include "KTSystemLibrary.h"

namespace
{
// One watch at a time: the field with the focus.
HHOOK g_hHook = NULL;
CKTShellAutoCompleteHook* g_pOwner = NULL;

BOOL IsSuggestWindow(HWND hWnd)
{
    char szClass[64] = {};
    return ::GetClassNameA(hWnd, szClass, sizeof(szClass)) && lstrcmpA(szClass, "Auto-Suggest Dropdown") == 0;
}
}  // namespace

HRESULT CKTShellAutoCompleteHook::ShellAutoComplete(HWND hWndEdit, DWORD dwFlags)
{
    typedef HRESULT(WINAPI * PFNSHAUTOCOMPLETE)(HWND, DWORD);
    static CKTSystemLibrary s_shell("shlwapi.dll");
    PFNSHAUTOCOMPLETE pfn = NULL;
    if (!s_shell.GetProc("SHAutoComplete", pfn))
        return E_FAIL;
    return pfn(hWndEdit, dwFlags);
}

CKTShellAutoCompleteHook::~CKTShellAutoCompleteHook() { Uninstall(); }

void CKTShellAutoCompleteHook::Install()
{
    if (!g_hHook)
    {
        g_hHook = ::SetWindowsHookEx(WH_CALLWNDPROC, CallWndProc, NULL, ::GetCurrentThreadId());
        g_pOwner = g_hHook ? this : NULL;
    }
    CKTKeyboardHookManager::Instance()->SetHook(this);
}

void CKTShellAutoCompleteHook::Uninstall()
{
    if (g_pOwner == this)
    {
        ::UnhookWindowsHookEx(g_hHook);
        g_hHook = NULL;
        g_pOwner = NULL;
    }
    CKTKeyboardHookManager::Instance()->RemoveHook(this);
    ForgetSuggestWindow();
}

void CKTShellAutoCompleteHook::ForgetSuggestWindow()
{
    if (m_hWndSuggest)
        CKTMouseHookManager::Instance()->RemoveExcludedWindow(m_hWndSuggest);
    m_hWndSuggest = NULL;
}

BOOL CKTShellAutoCompleteHook::HideSuggestWindow()
{
    if (!m_hWndSuggest || !::IsWindowVisible(m_hWndSuggest))
        return FALSE;
    ::ShowWindow(m_hWndSuggest, SW_HIDE);
    return TRUE;
}

BOOL CKTShellAutoCompleteHook::ProcessKey(UINT nChar, LPARAM lParam)
{
    BOOL bMoves = nChar == VK_UP || nChar == VK_DOWN || nChar == VK_PRIOR || nChar == VK_NEXT;
    if (!m_hWndSuggest || !::IsWindowVisible(m_hWndSuggest) || !bMoves || KTIsKeyDown(VK_MENU))
        return FALSE;
    HWND hWndList = ::GetWindow(::GetWindow(m_hWndSuggest, GW_CHILD), GW_HWNDLAST);
    if (!hWndList)
        return FALSE;
    MSG msg = {hWndList, WM_KEYDOWN, nChar, lParam};
    ::IsDialogMessage(hWndList, &msg);
    return TRUE;
}

int CKTShellAutoCompleteHook::OnHookMessage(HWND, UINT nMessage, WPARAM&, LPARAM&, LRESULT&)
{
    return nMessage == WM_MOUSEWHEEL && m_hWndSuggest ? ktHookStopHere : ktHookContinue;
}

void CKTShellAutoCompleteHook::OnWindowPosChanging(HWND hWnd, const WINDOWPOS& pos)
{
    if (!m_hWndSuggest && (pos.flags & SWP_SHOWWINDOW) && IsSuggestWindow(hWnd))
    {
        m_hWndSuggest = hWnd;
        CKTMouseHookManager::Instance()->AddExcludedWindow(hWnd);
        ::PostMessage(m_hWndEdit, KTWM_SUGGESTSHOWN, 0, 0);
    }
    else if (hWnd == m_hWndSuggest && (pos.flags & SWP_HIDEWINDOW))
        ForgetSuggestWindow();
}

LRESULT CALLBACK CKTShellAutoCompleteHook::CallWndProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* pMsg = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (nCode == HC_ACTION && pMsg->message == WM_WINDOWPOSCHANGING && g_pOwner)
        g_pOwner->OnWindowPosChanging(pMsg->hwnd, *reinterpret_cast<const WINDOWPOS*>(pMsg->lParam));
    return ::CallNextHookEx(g_hHook, nCode, wParam, lParam);
}
