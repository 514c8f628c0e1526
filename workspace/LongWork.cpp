// Long work on a thread of its own or in slices, with the window painted and the step shown meanwhile.
#include "LongWork.h"

#include "KTCaptureLoop.h"
#include "afxpriv.h"
#include "KTStatusBar.h"

#include <exception>
#include <memory>

// Shared with the thread, which may outlive a wait that Esc stopped.
struct CBackgroundWork::Call
{
    std::function<void()> work;
    std::exception_ptr failure;
};

namespace
{

const int kMessagePane = 0;
const DWORD kRepaintMs = 100;
const DWORD kSecondMs = 1000;
const DWORD kSliceMs = 30;

int g_nRunning = 0;  // long work of the window's thread under way, nested ones counted

DWORD WINAPI RunWork(LPVOID pParam)
{
    std::unique_ptr<std::shared_ptr<CBackgroundWork::Call>> pCall(
        static_cast<std::shared_ptr<CBackgroundWork::Call>*>(pParam));
    try
    {
        (*pCall)->work();
    }
    catch (...)
    {
        (*pCall)->failure = std::current_exception();
    }
    return 0;
}

// Esc first among the waiting keys is taken; the others wait for the end of the work.
BOOL TakeEscape()
{
    MSG msg;
    if (!::PeekMessage(&msg, nullptr, WM_KEYDOWN, WM_KEYDOWN, PM_NOREMOVE) || msg.message != WM_KEYDOWN ||
        msg.wParam != VK_ESCAPE)
        return FALSE;
    return ::PeekMessage(&msg, msg.hwnd, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE);
}

// A quit is also given whatever the filter: only the key itself counts.
BOOL IsSysKey(const MSG& msg, WPARAM nKey) { return msg.message == WM_SYSKEYDOWN && msg.wParam == nKey; }

BOOL IsAltF4(const MSG& msg) { return IsSysKey(msg, VK_F4) && (HIWORD(msg.lParam) & KF_ALTDOWN); }

// Alt+F4 among the waiting keys, its Alt press first, is taken; an Alt press of another key goes back.
// The window it was pressed in is closed as the system would close it, once the wait is over.
BOOL TakeCloseKey()
{
    MSG msg;
    if (!::PeekMessage(&msg, nullptr, WM_SYSKEYDOWN, WM_SYSKEYDOWN, PM_NOREMOVE))
        return FALSE;
    if (IsSysKey(msg, VK_MENU))
    {
        MSG alt;
        ::PeekMessage(&alt, msg.hwnd, WM_SYSKEYDOWN, WM_SYSKEYDOWN, PM_REMOVE);
        if (!::PeekMessage(&msg, nullptr, WM_SYSKEYDOWN, WM_SYSKEYDOWN, PM_NOREMOVE) || !IsAltF4(msg))
        {
            ::PostMessage(alt.hwnd, alt.message, alt.wParam, alt.lParam);
            return FALSE;
        }
    }
    if (!IsAltF4(msg) || !::PeekMessage(&msg, msg.hwnd, WM_SYSKEYDOWN, WM_SYSKEYDOWN, PM_REMOVE))
        return FALSE;
    ::PostMessage(::GetAncestor(msg.hwnd, GA_ROOT), WM_SYSCOMMAND, SC_CLOSE, 0);
    return TRUE;
}

}  // namespace

CBackgroundWork::CBackgroundWork(const std::function<void()>& work) : m_pCall(std::make_shared<Call>())
{
    m_pCall->work = work;
    auto pThreadCall = std::make_unique<std::shared_ptr<Call>>(m_pCall);
    m_hThread = ::CreateThread(nullptr, 0, RunWork, pThreadCall.get(), 0, nullptr);
    if (m_hThread)
        pThreadCall.release();  // the thread's now
}

CBackgroundWork::~CBackgroundWork()
{
    if (m_hThread)
        ::CloseHandle(m_hThread);
}

BOOL CBackgroundWork::IsDone() const { return m_hThread && ::WaitForSingleObject(m_hThread, 0) == WAIT_OBJECT_0; }

// Without a thread the work runs here, as it did before: frozen, but done.
void CBackgroundWork::Join()
{
    if (!m_hThread)
        return m_pCall->work();
    ::WaitForSingleObject(m_hThread, INFINITE);
    if (m_pCall->failure)
        std::rethrow_exception(m_pCall->failure);
}

// Counts the work for IsRunning, and posts a quit taken meanwhile once it is over.
class CLongWork::CRunning
{
public:
    explicit CRunning(CLongWork& work) : m_work(work)
    {
        g_nRunning++;
        m_work.m_nShownSeconds = 0;
        m_work.m_nPercent = m_work.m_nShownPercent = -1;
    }
    ~CRunning()
    {
        g_nRunning--;
        if (m_work.m_bQuit)
            ::PostQuitMessage(m_work.m_nQuitCode);
        m_work.m_bQuit = FALSE;
    }
    CRunning(const CRunning&) = delete;
    CRunning& operator=(const CRunning&) = delete;

private:
    CLongWork& m_work;
};

CLongWork::CLongWork(CKTStatusBar& statusBar, const CString& strStep)
    : m_statusBar(statusBar), m_strBefore(statusBar.GetPaneText(kMessagePane)), m_strStep(strStep)
{
    ShowText(m_strStep);
}

// The idle update (the modified marks of the title and the tabs, the commands' states) follows the work:
// work that another program's sent message started ends with the queue empty, and a frame that is not
// active would show what was before it until some message came.
CLongWork::~CLongWork()
{
    ShowText(m_strBefore);
    ::PostThreadMessage(::GetCurrentThreadId(), WM_KICKIDLE, 0, 0);
}

BOOL CLongWork::IsRunning() { return g_nRunning > 0; }

// Painted at once: the window's thread is about to be busy.
void CLongWork::ShowText(const CString& strText)
{
    if (!m_statusBar.GetSafeHwnd())
        return;
    m_statusBar.SetPaneText(kMessagePane, strText);
    m_statusBar.UpdateWindow();
}

// Whole seconds, once each, so that a slow step is seen to go on.
void CLongWork::ShowProgress(DWORD dwStart)
{
    const unsigned nSeconds = unsigned((::GetTickCount() - dwStart) / kSecondMs);
    if (nSeconds == m_nShownSeconds && m_nPercent == m_nShownPercent)
        return;
    m_nShownSeconds = nSeconds;
    m_nShownPercent = m_nPercent;
    CString strText = m_strStep;
    if (m_nPercent >= 0)
        strText.AppendFormat(" %d%%", m_nPercent);
    if (nSeconds > 0)
        strText.AppendFormat(" %u s", nSeconds);
    ShowText(strText);
}

// Only painting: a click, a key or a posted command waits in the queue until the work is done.
// The wait itself answers sent messages.
BOOL CLongWork::Answer(HANDLE hThread, DWORD dwStart, DWORD dwWaitMs)
{
    const DWORD nCount = hThread ? 1 : 0;
    const DWORD dwWoken = ::MsgWaitForMultipleObjects(nCount, &hThread, FALSE, dwWaitMs, QS_PAINT | QS_SENDMESSAGE);
    if (dwWoken != WAIT_TIMEOUT && dwWoken != WAIT_OBJECT_0 + nCount)
        return FALSE;
    ShowProgress(dwStart);
    int nQuitCode = 0;
    if (CKTCaptureLoop::DispatchPendingPaint(&nQuitCode))
    {
        m_bQuit = TRUE;
        m_nQuitCode = nQuitCode;
    }
    return TRUE;
}

BOOL CLongWork::Run(const std::function<void()>& work, BOOL bEscStops)
{
    CBackgroundWork background(work);
    return Wait(background, bEscStops);
}

// A read blocked on a pipe is cancelled; one on a FIFO cannot be, and its thread is left to end when
// the FIFO does.
BOOL CLongWork::Wait(CBackgroundWork& work, BOOL bEscStops)
{
    if (work.Thread())
    {
        CRunning running(*this);
        const DWORD dwStart = ::GetTickCount();
        while (Answer(work.Thread(), dwStart, kRepaintMs))
        {
            if (bEscStops && (TakeEscape() || TakeCloseKey()))
            {
                ::CancelSynchronousIo(work.Thread());
                return FALSE;
            }
        }
    }
    // What the work refers to lives on the caller's stack: the thread must be gone before it.
    work.Join();
    return TRUE;
}

// Slices are cut by time, so the window answers within a slice's length however big each is.
void CLongWork::RunInSlices(const std::function<BOOL()>& slice)
{
    CRunning running(*this);
    const DWORD dwStart = ::GetTickCount();
    for (;;)
    {
        const DWORD dwSlice = ::GetTickCount();
        BOOL bMore = TRUE;
        while (bMore && ::GetTickCount() - dwSlice < kSliceMs)
            bMore = slice();
        if (!bMore)
            return;
        Answer(nullptr, dwStart, 0);
    }
}
