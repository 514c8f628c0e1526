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

const UINT kTakeCapture = WM_APP + 0x3C1;

LRESULT CALLBACK ThiefProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    if (nMessage == kTakeCapture)
        ::SetCapture(hWnd);
    else if (nMessage == WM_LBUTTONUP && ::GetCapture() == hWnd)
        ::ReleaseCapture();
    return ::DefWindowProcA(hWnd, nMessage, wParam, lParam);
}

HWND CreateThief()
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ThiefProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "KestovaCaptureThief";
    ::RegisterClassA(&wc);  // fails harmlessly once registered
    return ::CreateWindowExA(WS_EX_TOOLWINDOW, wc.lpszClassName, "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                             wc.hInstance, nullptr);
}

HWND CaptureOf(DWORD dwThreadId)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    return ::GetGUIThreadInfo(dwThreadId, &info) ? info.hwndCapture : nullptr;
}

bool WaitOnWorker(const std::function<bool()>& condition)
{
    const DWORD dwStart = ::GetTickCount();
    while (!condition())
    {
        if (::GetTickCount() - dwStart > kColdWineDeadlineMs)
            return false;
        ::Sleep(10);
    }
    return true;
}
}  // namespace

CLoopInput::CLoopInput(HWND hWnd)
    : m_hWnd(hWnd), m_dwThreadId(::GetCurrentThreadId()),
      m_hHook(::SetWindowsHookExA(WH_KEYBOARD, MarkerHook, nullptr, ::GetCurrentThreadId())), m_hWndThief(CreateThief())
{
    HWND hRoot = ::GetAncestor(hWnd, GA_ROOT);
    ::SetForegroundWindow(hRoot);
    if (!PumpUntil([hRoot] { return ::GetForegroundWindow() == hRoot; }, kColdWineDeadlineMs))
        ADD_FAILURE() << "the window could not be brought to the foreground";
}

CLoopInput::~CLoopInput()
{
    if (m_hHook)
        ::UnhookWindowsHookEx(m_hHook);
    if (m_hWndThief)
        ::DestroyWindow(m_hWndThief);
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

CLoopInput& CLoopInput::AwaitCapture(HWND hWndCapture)
{
    HWND hWnd = hWndCapture ? hWndCapture : m_hWnd;
    DWORD dwThreadId = m_dwThreadId;
    return Await([hWnd, dwThreadId] { return CaptureOf(dwThreadId) == hWnd; });
}

CLoopInput& CLoopInput::AwaitNoCapture()
{
    DWORD dwThreadId = m_dwThreadId;
    return Await([dwThreadId] { return CaptureOf(dwThreadId) == nullptr; });
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

CLoopInput& CLoopInput::TakeCapture()
{
    HWND hWndThief = m_hWndThief;
    Next().act = [hWndThief] { return ::PostMessageA(hWndThief, kTakeCapture, 0, 0) != FALSE; };
    DWORD dwThreadId = m_dwThreadId;
    return Await([hWndThief, dwThreadId] { return CaptureOf(dwThreadId) == hWndThief; });
}

CLoopInput& CLoopInput::Quit(int nExitCode)
{
    DWORD dwThreadId = m_dwThreadId;
    Next().act = [dwThreadId, nExitCode] { return ::PostThreadMessageA(dwThreadId, WM_QUIT, nExitCode, 0) != FALSE; };
    return *this;
}

CLoopInput& CLoopInput::Post(HWND hWnd, UINT nMessage)
{
    Next().act = [hWnd, nMessage] { return ::PostMessageA(hWnd, nMessage, 0, 0) != FALSE; };
    return *this;
}

CLoopInput& CLoopInput::HoldKeys(unsigned nModifiers)
{
    Next().act = [this, nModifiers]
    {
        m_pHeldKeys = std::make_unique<CHeldKeys>(nModifiers);
        return m_pHeldKeys->IsHeld();
    };
    return *this;
}

CLoopInput& CLoopInput::ReleaseKeys()
{
    Next().act = [this]
    {
        m_pHeldKeys.reset();
        return true;
    };
    return *this;
}

CLoopInput& CLoopInput::CancelAndRelease(ELoopCancel eCancel)
{
    switch (eCancel)
    {
    case ELoopCancel::Escape:
        Key(VK_ESCAPE);
        break;
    case ELoopCancel::RightClick:
        AddButton(Next().inputs, MOUSEEVENTF_RIGHTDOWN);
        Release(true);
        break;
    case ELoopCancel::CaptureTaken:
        TakeCapture();
        break;
    }
    return Release();
}

const char* LoopCancelName(ELoopCancel eCancel)
{
    switch (eCancel)
    {
    case ELoopCancel::Escape:
        return "Escape";
    case ELoopCancel::RightClick:
        return "RightClick";
    default:
        return "CaptureTaken";
    }
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
        if (step.act && !step.act())
            m_bFailed = true;
        if (!SendAndWait(step.inputs))
            m_bFailed = true;
    }
    m_pHeldKeys.reset();  // a key left down on the display would spoil later tests
    m_bDone = true;
}

bool CLoopInput::Run()
{
    if (!m_hHook || !m_hWndThief)
        return false;
    std::thread worker([this] { Play(); });
    // Every step's wait is bounded, so the worker always ends: the steps are pumped until it has.
    PumpUntil([this] { return m_bDone.load(); }, INFINITE);
    worker.join();
    PumpMessages();
    return !m_bFailed;
}
