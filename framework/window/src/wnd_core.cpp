// CWnd lifetime: the window's object slot, creation hooking, the common window
// procedure, subclassing, attaching and destruction.
#include "handlemap.h"
#include "afxpriv.h"
#include "wnd_internal.h"

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

namespace
{

using CWndMap = CPermanentMap<CWnd, HWND>;

BOOL IsImeWindow(HWND hWnd)
{
    char szClass[32];
    if (!::GetClassName(hWnd, szClass, sizeof szClass))
        return FALSE;
    return lstrcmpi(szClass, "ime") == 0 || lstrcmpi(szClass, "MSCTFIME UI") == 0;
}

LRESULT CALLBACK CbtFilterHook(int code, WPARAM wParam, LPARAM lParam)
{
    _AFX_THREAD_STATE* pState = AfxGetThreadState();
    CWnd* pWndInit = pState->m_pWndInit;
    HWND hWnd = (HWND)wParam;
    if (code != HCBT_CREATEWND || !pWndInit || IsImeWindow(hWnd))
        return ::CallNextHookEx(pState->m_hHookOldCbtFilter, code, wParam, lParam);
    pState->m_pWndInit = nullptr;
    pWndInit->Attach(hWnd);
    AfxCallGuarded([&] { pWndInit->PreSubclassWindow(); });
    WNDPROC pfnOld = (WNDPROC)::SetWindowLongPtr(hWnd, GWLP_WNDPROC, (LONG_PTR)AfxWndProc);
    if (pfnOld != AfxWndProc)
        *pWndInit->GetSuperWndProcAddr() = pfnOld;
    return ::CallNextHookEx(pState->m_hHookOldCbtFilter, code, wParam, lParam);
}

// The last step of every window: the slot is cleared and the original
// procedure put back while the window is still valid, then the object learns.
void FinishNcDestroy(CWnd* pWnd, HWND hWnd)
{
    WNDPROC pfnSuper = *pWnd->GetSuperWndProcAddr();
    if (pfnSuper && (WNDPROC)::GetWindowLongPtr(hWnd, GWLP_WNDPROC) == AfxWndProc)
        ::SetWindowLongPtr(hWnd, GWLP_WNDPROC, (LONG_PTR)pfnSuper);
    *pWnd->GetSuperWndProcAddr() = nullptr;
    pWnd->Detach();
    // The main window's end is the thread's end.
    CWinThread* pThread = AfxGetThread();
    if (pThread && pThread->m_pMainWnd == pWnd)
    {
        pThread->m_pMainWnd = nullptr;
        if (pThread == AfxGetApp())
            ::PostQuitMessage(0);
    }
    pWnd->PostNcDestroy();
}

}  // namespace

void AfxHookWindowCreate(CWnd* pWnd)
{
    _AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (!pState->m_hHookOldCbtFilter)
    {
        pState->m_hHookOldCbtFilter = ::SetWindowsHookEx(WH_CBT, CbtFilterHook, nullptr, ::GetCurrentThreadId());
        if (!pState->m_hHookOldCbtFilter)
            AfxThrowMemoryException();
    }
    pState->m_pWndInit = pWnd;
}

BOOL AfxEndWindowCreateHook()
{
    _AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (!pState->m_pWndInit)
        return TRUE;
    pState->m_pWndInit = nullptr;
    return FALSE;
}

LRESULT AFXAPI AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    _AFX_THREAD_STATE* pState = AfxGetThreadState();
    MSG oldState = pState->m_lastSentMsg;
    pState->m_lastSentMsg = {hWnd, nMsg, wParam, lParam, 0, {0, 0}};
    LRESULT lResult = 0;
    // A handler that failed answers its message as failed.
    if (!AfxCallGuarded([&] { lResult = pWnd->WindowProc(nMsg, wParam, lParam); }))
        lResult = nMsg == WM_CREATE ? -1 : 0;
    // The handler may have destroyed the window and deleted its object: only
    // the object still in the slot is touched.
    if (nMsg == WM_NCDESTROY && CWnd::FromHandlePermanent(hWnd) == pWnd)
        FinishNcDestroy(pWnd, hWnd);
    pState->m_lastSentMsg = oldState;
    return lResult;
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (!pWnd)
        return ::DefWindowProc(hWnd, nMsg, wParam, lParam);
    return AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
}

WNDPROC AFXAPI AfxGetAfxWndProc() { return AfxWndProc; }

CWnd::CWnd(HWND hWnd) { m_hWnd = hWnd; }

CWnd::~CWnd()
{
    // A window outliving its object would call into freed memory.
    if (m_hWnd && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
}

CWnd* PASCAL CWnd::FromHandlePermanent(HWND hWnd) { return hWnd ? CWndMap::Lookup(hWnd) : nullptr; }

CWnd* PASCAL CWnd::FromHandle(HWND hWnd)
{
    if (!hWnd)
        return nullptr;
    if (CWnd* pWnd = FromHandlePermanent(hWnd))
        return pWnd;
    return CTempMap<CWnd, HWND>::FromHandle(hWnd);
}

void PASCAL CWnd::DeleteTempMap() { CTempMap<CWnd, HWND>::DeleteAll(); }

BOOL CWnd::Attach(HWND hWndNew)
{
    if (!hWndNew || FromHandlePermanent(hWndNew))
        return FALSE;
    CWndMap::Set(hWndNew, this);
    m_hWnd = hWndNew;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd && FromHandlePermanent(hWnd) == this)
        CWndMap::Remove(hWnd);
    m_hWnd = nullptr;
    return hWnd;
}

WNDPROC* CWnd::GetSuperWndProcAddr() { return &m_pfnSuper; }

void CWnd::PreSubclassWindow() {}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!Attach(hWnd))
        return FALSE;
    PreSubclassWindow();
    WNDPROC pfnOld = (WNDPROC)::SetWindowLongPtr(hWnd, GWLP_WNDPROC, (LONG_PTR)AfxWndProc);
    if (pfnOld != AfxWndProc)
        m_pfnSuper = pfnOld;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    HWND hWndControl = ::GetDlgItem(pParent->GetSafeHwnd(), (int)nID);
    return hWndControl && SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow()
{
    if (m_pfnSuper)
        ::SetWindowLongPtr(m_hWnd, GWLP_WNDPROC, (LONG_PTR)m_pfnSuper);
    m_pfnSuper = nullptr;
    return Detach();
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!cs.lpszClass)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW), (HBRUSH)(COLOR_WINDOW + 1));
    return TRUE;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x, int y,
                    int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam)
{
    CREATESTRUCT cs = {lpParam, AfxGetInstanceHandle(), nIDorHMenu,     hWndParent,    nHeight,  nWidth, y,
                       x,       (LONG)dwStyle,          lpszWindowName, lpszClassName, dwExStyle};
    return AfxCreateHookedWindow(this, cs) == AfxCreateOutcome::Created;
}

AfxCreateOutcome AfxCreateHookedWindow(CWnd* pWnd, CREATESTRUCT& cs)
{
    // Failure before the window exists: the object is told as it would be at
    // WM_NCDESTROY, so a self-deleting object is deleted exactly once.
    if (!pWnd->PreCreateWindow(cs))
    {
        pWnd->PostNcDestroy();
        return AfxCreateOutcome::NeverAttached;
    }
    AfxHookWindowCreate(pWnd);
    HWND hWnd = ::CreateWindowEx(cs.dwExStyle, cs.lpszClass, cs.lpszName, (DWORD)cs.style, cs.x, cs.y, cs.cx, cs.cy,
                                 cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    if (!AfxEndWindowCreateHook())
    {
        pWnd->PostNcDestroy();
        return AfxCreateOutcome::NeverAttached;
    }
    // When the window was destroyed during creation its WM_NCDESTROY already
    // ran PostNcDestroy; the object may be gone.
    return hWnd ? AfxCreateOutcome::Created : AfxCreateOutcome::DestroyedInCreation;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                    CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, pParentWnd->GetSafeHwnd(), (HMENU)(UINT_PTR)nID, lpParam);
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                  UINT nID, CCreateContext* pContext)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID, (LPVOID)pContext);
}

BOOL CWnd::DestroyWindow()
{
    if (!m_hWnd)
        return FALSE;
    // For a permanent object, ::DestroyWindow ends in FinishNcDestroy; a
    // temporary one is only unbound.
    HWND hWnd = m_hWnd;
    BOOL bPermanent = FromHandlePermanent(hWnd) == this;
    BOOL bResult = ::DestroyWindow(hWnd);
    if (!bPermanent)
        m_hWnd = nullptr;
    // Attached without our procedure, the object never saw WM_NCDESTROY: its
    // entry goes, or a later window given the same handle would find it.
    else if (bResult && FromHandlePermanent(hWnd) == this)
        Detach();
    return bResult;
}

void CWnd::PostNcDestroy() {}

LPCTSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    thread_local char szName[96];
    HINSTANCE hInst = AfxGetInstanceHandle();
    wsprintf(szName, "Afx:%p:%x:%p:%p:%p", (void*)hInst, nClassStyle, (void*)hCursor, (void*)hbrBackground,
             (void*)hIcon);
    WNDCLASS wc{};
    if (::GetClassInfo(hInst, szName, &wc))
        return szName;
    wc.style = nClassStyle;
    wc.lpfnWndProc = ::DefWindowProc;
    wc.hInstance = hInst;
    wc.hIcon = hIcon;
    wc.hCursor = hCursor;
    wc.hbrBackground = hbrBackground;
    wc.lpszClassName = szName;
    if (!AfxRegisterClass(&wc))
        AfxThrowResourceException();
    return szName;
}

BOOL AFXAPI AfxRegisterClass(WNDCLASS* lpWndClass)
{
    WNDCLASS wc;
    if (::GetClassInfo(lpWndClass->hInstance, lpWndClass->lpszClassName, &wc))
        return TRUE;
    return ::RegisterClass(lpWndClass) != 0;
}
