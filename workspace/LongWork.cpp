// Long work on a thread of its own, with the window painted and the step shown meanwhile.
#include "LongWork.h"

#include "KTStatusBar.h"

#include <exception>
#include <memory>

namespace
{

const int kMessagePane = 0;
const DWORD kRepaintMs = 100;
const DWORD kSecondMs = 1000;

struct WorkCall
{
    const std::function<void()>* pWork;
    std::exception_ptr failure;
};

DWORD WINAPI RunWork(LPVOID pParam)
{
    auto* pCall = static_cast<WorkCall*>(pParam);
    try
    {
        (*pCall->pWork)();
    }
    catch (...)
    {
        pCall->failure = std::current_exception();
    }
    return 0;
}

// Only painting: a click or a key waits in the queue until the work is done.
void PaintPending()
{
    MSG msg;
    while (::PeekMessage(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE))
        ::DispatchMessage(&msg);
}

}  // namespace

CLongWork::CLongWork(CKTStatusBar& statusBar, const CString& strStep)
    : m_statusBar(statusBar), m_strBefore(statusBar.GetPaneText(kMessagePane)), m_strStep(strStep)
{
    ShowText(m_strStep);
}

CLongWork::~CLongWork() { ShowText(m_strBefore); }

// Painted at once: the window's thread is about to be busy.
void CLongWork::ShowText(const CString& strText)
{
    if (!m_statusBar.GetSafeHwnd())
        return;
    m_statusBar.SetPaneText(kMessagePane, strText);
    m_statusBar.UpdateWindow();
}

// Whole seconds, once each, so that a slow step is seen to go on.
void CLongWork::ShowElapsed(DWORD dwStart)
{
    const unsigned nSeconds = unsigned((::GetTickCount() - dwStart) / kSecondMs);
    if (nSeconds == m_nShownSeconds)
        return;
    m_nShownSeconds = nSeconds;
    CString strText;
    strText.Format("%s %u s", (LPCTSTR)m_strStep, nSeconds);
    ShowText(strText);
}

// Without a thread the work runs here, as it did before: frozen, but done.
void CLongWork::Run(const std::function<void()>& work)
{
    WorkCall call = {&work, nullptr};
    std::unique_ptr<void, decltype(&::CloseHandle)> thread(::CreateThread(nullptr, 0, RunWork, &call, 0, nullptr),
                                                           &::CloseHandle);
    if (!thread.get())
        return work();
    const DWORD dwStart = ::GetTickCount();
    m_nShownSeconds = 0;
    HANDLE hThread = thread.get();
    for (;;)
    {
        const DWORD dwWoken = ::MsgWaitForMultipleObjects(1, &hThread, FALSE, kRepaintMs, QS_PAINT | QS_SENDMESSAGE);
        if (dwWoken != WAIT_TIMEOUT && dwWoken != WAIT_OBJECT_0 + 1)
            break;
        ShowElapsed(dwStart);
        PaintPending();
    }
    // The call lives on this stack: the thread must be gone before it.
    ::WaitForSingleObject(hThread, INFINITE);
    if (call.failure)
        std::rethrow_exception(call.failure);
}
