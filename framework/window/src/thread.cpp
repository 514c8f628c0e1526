// The thread's state and its message loop: idle processing, pre-translation
// up the parent chain, temporary objects freed at idle, modal loops.
#include "afxwin.h"
#include "afxpriv.h"
#include "afxcmn.h"
#include <vector>

namespace
{

struct ThreadStateHolder
{
    _AFX_THREAD_STATE state;
    ~ThreadStateHolder()
    {
        delete state.m_pToolTip;
        if (state.m_hHookOldCbtFilter)
            ::UnhookWindowsHookEx(state.m_hHookOldCbtFilter);
    }
};

// Walks from the message's window up to hWndStop, asking each window's object.
BOOL WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    for (HWND hWnd = pMsg->hwnd; hWnd; hWnd = ::GetParent(hWnd))
    {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (hWnd == hWndStop)
            break;
    }
    return FALSE;
}

// Top-level windows of this thread, floating frames and other owned popups included.
BOOL CALLBACK CollectWindow(HWND hWnd, LPARAM lParam)
{
    reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hWnd);
    return TRUE;
}

std::vector<HWND> ThreadTopLevelWindows()
{
    std::vector<HWND> windows;
    ::EnumThreadWindows(::GetCurrentThreadId(), CollectWindow, (LPARAM)&windows);
    return windows;
}

// One frame's idle update; looked up again, as an earlier frame's update may
// have destroyed it.
void IdleUpdateFrame(HWND hWnd)
{
    CWnd* pFrame = CWnd::FromHandlePermanent(hWnd);
    if (!pFrame || !pFrame->IsWindowVisible())
        return;
    AfxCallWndProc(pFrame, hWnd, WM_IDLEUPDATECMDUI, TRUE, 0);
    // The frame may have gone inside its own update.
    if (CWnd::FromHandlePermanent(hWnd) == pFrame)
        pFrame->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
}

}  // namespace

_AFX_THREAD_STATE* AFXAPI AfxGetThreadState()
{
    thread_local ThreadStateHolder holder;
    return &holder.state;
}

void AfxRegisterTempMapCleaner(void (*pfnCleaner)())
{
    AfxGetThreadState()->m_pfnTempMapCleaners.push_back(pfnCleaner);
}

void AFXAPI AfxDeleteTempMaps()
{
    for (void (*pfnCleaner)() : AfxGetThreadState()->m_pfnTempMapCleaners)
        pfnCleaner();
}

int AFXAPI AfxGetTempObjectCount() { return AfxGetThreadState()->m_nTempObjects; }

BOOL AFXAPI AfxPreTranslateMessage(MSG* pMsg)
{
    CWinThread* pThread = AfxGetThread();
    if (pThread)
        return pThread->PreTranslateMessage(pMsg);
    return WalkPreTranslateTree(nullptr, pMsg);
}

BOOL AFXAPI AfxPumpMessage()
{
    CWinThread* pThread = AfxGetThread();
    if (pThread)
        return pThread->PumpMessage();
    MSG msg;
    if (::GetMessage(&msg, nullptr, 0, 0) <= 0)
        return FALSE;
    if (msg.message != WM_KICKIDLE && !AfxPreTranslateMessage(&msg))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
    return TRUE;
}

CWinThread* AFXAPI AfxGetThread()
{
    _AFX_THREAD_STATE* pState = AfxGetThreadState();
    return pState->m_pThread ? pState->m_pThread : AfxGetApp();
}

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

CWinThread::CWinThread()
{
    m_hThread = ::GetCurrentThread();
    m_nThreadID = ::GetCurrentThreadId();
}

CWinThread::~CWinThread()
{
    // A worker's handle is ours; the application's is the pseudo handle of its thread.
    if (m_hThread && m_hThread != ::GetCurrentThread())
        ::CloseHandle(m_hThread);
}

BOOL CWinThread::InitInstance() { return FALSE; }
int CWinThread::ExitInstance() { return (int)m_msgCur.wParam; }
CWnd* CWinThread::GetMainWnd() { return m_pActiveWnd ? m_pActiveWnd : m_pMainWnd; }

int CWinThread::Run()
{
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    for (;;)
    {
        while (bIdle && !::PeekMessage(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE))
        {
            if (!OnIdle(lIdleCount++))
                bIdle = FALSE;
        }
        do
        {
            if (!PumpMessage())
                return ExitInstance();
            if (IsIdleMessage(&m_msgCur))
            {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessage(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE));
    }
}

BOOL CWinThread::PumpMessage()
{
    if (::GetMessage(&m_msgCur, nullptr, 0, 0) <= 0)
        return FALSE;
    if (m_msgCur.message != WM_KICKIDLE && !PreTranslateMessage(&m_msgCur))
    {
        ::TranslateMessage(&m_msgCur);
        ::DispatchMessage(&m_msgCur);
    }
    return TRUE;
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg)
{
    _AFX_THREAD_STATE* pState = AfxGetThreadState();
    // A mouse move that did not move and the timer-driven system messages do not end idleness.
    if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE)
    {
        if (pState->m_nMsgLast == pMsg->message && pState->m_ptCursorLast.x == pMsg->pt.x &&
            pState->m_ptCursorLast.y == pMsg->pt.y)
            return FALSE;
        pState->m_ptCursorLast = pMsg->pt;
        pState->m_nMsgLast = pMsg->message;
        return TRUE;
    }
    return pMsg->message != WM_PAINT && pMsg->message != 0x0118;
}

BOOL CWinThread::DispatchThreadMessage(MSG* pMsg)
{
    LRESULT lResult = 0;
    return DispatchMapEntry(pMsg->message, pMsg->wParam, pMsg->lParam, &lResult);
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
    if (!pMsg->hwnd && DispatchThreadMessage(pMsg))
        return TRUE;
    CWnd* pMainWnd = AfxGetMainWnd();
    if (WalkPreTranslateTree(pMainWnd->GetSafeHwnd(), pMsg))
        return TRUE;
    // A modeless window outside the main frame still gets the frame's accelerators.
    if (pMainWnd && pMainWnd->m_hWnd && pMsg->hwnd && ::GetAncestor(pMsg->hwnd, GA_ROOT) != pMainWnd->m_hWnd)
        return pMainWnd->PreTranslateMessage(pMsg);
    return FALSE;
}

void CWinThread::IdleUpdateFrames()
{
    HWND hWndMain = m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr;
    std::vector<HWND> frames;
    if (hWndMain)
        frames.push_back(hWndMain);
    for (HWND hWnd : ThreadTopLevelWindows())
        if (hWnd != hWndMain && dynamic_cast<CFrameWnd*>(CWnd::FromHandlePermanent(hWnd)))
            frames.push_back(hWnd);
    for (HWND hWnd : frames)
        IdleUpdateFrame(hWnd);
}

BOOL CWinThread::OnIdle(LONG lCount)
{
    if (lCount <= 0)
    {
        IdleUpdateFrames();
        return TRUE;
    }
    AfxDeleteTempMaps();
    return FALSE;
}

BOOL CWnd::ContinueModal() { return (m_nFlags & WF_CONTINUEMODAL) != 0; }

void CWnd::EndModalLoop(int nResult)
{
    m_nModalResult = nResult;
    if (m_nFlags & WF_CONTINUEMODAL)
    {
        m_nFlags &= ~WF_CONTINUEMODAL;
        PostMessage(WM_NULL);
    }
}

int CWnd::RunModalLoop(DWORD dwFlags)
{
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    BOOL bShowIdle = (dwFlags & MLF_SHOWONIDLE) && !(GetStyle() & WS_VISIBLE);
    HWND hWndParent = ::GetParent(m_hWnd);
    m_nFlags |= WF_MODALLOOP | WF_CONTINUEMODAL;
    MSG msg;
    for (;;)
    {
        while (bIdle && !::PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE))
        {
            if (bShowIdle)
            {
                ShowWindow(SW_SHOWNORMAL);
                UpdateWindow();
                bShowIdle = FALSE;
            }
            if (!(dwFlags & MLF_NOIDLEMSG) && hWndParent && lIdleCount == 0)
                ::SendMessage(hWndParent, WM_ENTERIDLE, MSGF_DIALOGBOX, (LPARAM)m_hWnd);
            if ((dwFlags & MLF_NOKICKIDLE) || !SendMessage(WM_KICKIDLE, MSGF_DIALOGBOX, lIdleCount++))
                bIdle = FALSE;
        }
        do
        {
            if (!AfxPumpMessage())
            {
                ::PostQuitMessage(0);
                m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
                return -1;
            }
            if (!ContinueModal())
            {
                m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
                return m_nModalResult;
            }
            bIdle = TRUE;
            lIdleCount = 0;
        } while (::PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE));
    }
}
