// Real input for a modal mouse loop: sent from a second thread, since the loop keeps the test's thread busy.
#include "LoopInput.h"

#include "InputBuilder.h"
#include "MessagePump.h"

using namespace InputBuilder;

namespace
{
// Marks the end of each step; the thread under test swallows it in its hook.
const WORD kMarkerKey = VK_F23;
std::atomic<bool> g_bMarkerSeen{false};

LRESULT CALLBACK MarkerHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode < 0 || wParam != kMarkerKey)
        return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
    // Seen also when a loop only peeks: the swallowed key is gone then.
    if (lParam & 0x80000000)
        g_bMarkerSeen = true;
    return 1;
}

POINT ToScreen(HWND hWnd, POINT pt)
{
    ::ClientToScreen(hWnd, &pt);
    return pt;
}

bool WaitOnWorker(const std::function<bool()>& condition)
{
    for (int i = 0; i < 500; i++)
    {
        if (condition())
            return true;
        ::Sleep(10);
    }
    return false;
}
}  // namespace

CLoopInput::CLoopInput(HWND hWnd)
    : m_hWnd(hWnd), m_dwThreadId(::GetCurrentThreadId()),
      m_hHook(::SetWindowsHookExA(WH_KEYBOARD, MarkerHook, nullptr, ::GetCurrentThreadId()))
{
    HWND hRoot = ::GetAncestor(hWnd, GA_ROOT);
    ::SetForegroundWindow(hRoot);
    PumpUntil([hRoot] { return ::GetForegroundWindow() == hRoot; }, 2000);
}

CLoopInput::~CLoopInput()
{
    if (m_hHook)
        ::UnhookWindowsHookEx(m_hHook);
}

CLoopInput::CStep& CLoopInput::Next()
{
    m_arrSteps.emplace_back();
    return m_arrSteps.back();
}

CLoopInput& CLoopInput::Move(POINT ptClient)
{
    AddMove(Next().inputs, ToScreen(m_hWnd, ptClient));
    return *this;
}

CLoopInput& CLoopInput::Press(POINT ptClient, bool bRight)
{
    CStep& step = Next();
    AddMove(step.inputs, ToScreen(m_hWnd, ptClient));
    AddButton(step.inputs, bRight ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
    return *this;
}

CLoopInput& CLoopInput::Release(bool bRight)
{
    AddButton(Next().inputs, bRight ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
    return *this;
}

CLoopInput& CLoopInput::Key(WORD wVirtualKey)
{
    CStep& step = Next();
    AddKey(step.inputs, wVirtualKey, true);
    AddKey(step.inputs, wVirtualKey, false);
    return *this;
}

CLoopInput& CLoopInput::AwaitCapture()
{
    HWND hWnd = m_hWnd;
    DWORD dwThreadId = m_dwThreadId;
    return Await(
        [hWnd, dwThreadId]
        {
            GUITHREADINFO info{};
            info.cbSize = sizeof(info);
            return ::GetGUIThreadInfo(dwThreadId, &info) && info.hwndCapture == hWnd;
        });
}

CLoopInput& CLoopInput::Await(std::function<bool()> condition)
{
    Next().await = std::move(condition);
    return *this;
}

CLoopInput& CLoopInput::Hold(DWORD dwMs)
{
    Next().dwHoldMs = dwMs;
    return *this;
}

bool CLoopInput::SendAndWait(std::vector<INPUT> inputs)
{
    if (inputs.empty())
        return true;
    AddKey(inputs, kMarkerKey, true);
    AddKey(inputs, kMarkerKey, false);
    g_bMarkerSeen = false;
    const UINT nCount = static_cast<UINT>(inputs.size());
    if (::SendInput(nCount, inputs.data(), sizeof(INPUT)) != nCount)
        return false;
    return WaitOnWorker([] { return g_bMarkerSeen.load(); });
}

void CLoopInput::Play()
{
    for (CStep& step : m_arrSteps)
    {
        if (step.await && !WaitOnWorker(step.await))
            m_bFailed = true;
        ::Sleep(step.dwHoldMs);
        if (!SendAndWait(step.inputs))
            m_bFailed = true;
    }
    m_bDone = true;
}

bool CLoopInput::Run()
{
    if (!m_hHook)
        return false;
    std::thread worker([this] { Play(); });
    bool bDone = PumpUntil([this] { return m_bDone.load(); }, 10000);
    worker.join();
    PumpMessages();
    return bDone && !m_bFailed;
}
