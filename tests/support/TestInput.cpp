// Real keyboard and mouse input through SendInput, waited for until the target thread has handled it.
#include "TestInput.h"

#include "DisplayTool.h"
#include "HeldKeys.h"
#include "InputBuilder.h"
#include "MessagePump.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace InputBuilder;

namespace
{

// Input is queued, not handled, when SendInput returns. Each batch ends with a press of a key no
// program uses; once the thread's keyboard hook sees it released, the batch before it was dispatched.
const WORD kMarkerKey = VK_F24;
thread_local bool t_bMarkerSeen = false;

LRESULT CALLBACK MarkerHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode < 0 || wParam != kMarkerKey)
        return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
    if (lParam & 0x80000000)  // released: reached, whether peeked or taken
        t_bMarkerSeen = true;
    return 1;  // swallowed: the window under test never sees the marker
}

// The system's focus is not enough. A window that gives the focus to a child before it is shown, as a dialog
// does, is refused the display's keyboard, and Wine asks again once it hears of the mapping, which on a busy
// machine can come after the input: meanwhile the window behind keeps the keyboard, is raised over the new
// one, and a click is lost. On a busy start the display may refuse Wine's requests for good (see
// DisplayTool::GiveKeyboard), so the wait asks the display itself. (Wine asks only for that case, so a
// top-level window with the focus itself may leave the keyboard where it is.)
bool DisplayKeyboardFollowsTheFocus()
{
    HWND hFocus = ::GetFocus();
    HWND hRoot = ::GetAncestor(hFocus, GA_ROOT);
    if (!hFocus || hFocus == hRoot)
        return true;
    HWND hKeyboard = DisplayTool::KeyboardWindow();
    if (!hKeyboard || hKeyboard == hRoot)
        return true;
    DisplayTool::GiveKeyboard(hRoot);
    return false;
}

POINT ToScreen(HWND hWnd, POINT pt)
{
    ::ClientToScreen(hWnd, &pt);
    return pt;
}

// The system pairs two presses close in time and place into a double click; presses of separate
// calls must not pair, so a press near the last one waits out the double-click time first.
thread_local DWORD t_dwLastPress = 0;
thread_local POINT t_ptLastPress = {};

void WaitOutDoubleClick(POINT ptScreen)
{
    const DWORD dwSince = ::GetTickCount() - t_dwLastPress;
    const bool bNear = std::abs(ptScreen.x - t_ptLastPress.x) <= ::GetSystemMetrics(SM_CXDOUBLECLK) &&
                       std::abs(ptScreen.y - t_ptLastPress.y) <= ::GetSystemMetrics(SM_CYDOUBLECLK);
    if (t_dwLastPress && bNear && dwSince <= ::GetDoubleClickTime())
        ::Sleep(::GetDoubleClickTime() - dwSince + 1);
}

void NotePress(POINT ptScreen)
{
    t_dwLastPress = ::GetTickCount();
    t_ptLastPress = ptScreen;
}

}  // namespace

CTestInput::CTestInput(HWND hWndTarget)
    : m_hWnd(hWndTarget), m_hHook(::SetWindowsHookExA(WH_KEYBOARD, MarkerHook, nullptr, ::GetCurrentThreadId()))
{
    if (!m_hHook)
        ADD_FAILURE() << "the input wait could not hook the thread";
    if (!BringToForeground())
        ADD_FAILURE() << "the window could not be brought to the foreground";
    ::SetFocus(m_hWnd);
    if (!PumpUntil(DisplayKeyboardFollowsTheFocus, kColdWineDeadlineMs))
        ADD_FAILURE() << "the display kept its keyboard on another window";
}

CTestInput::~CTestInput()
{
    if (m_hHook)
        ::UnhookWindowsHookEx(m_hHook);
}

bool CTestInput::BringToForeground() const
{
    HWND hRoot = ::GetAncestor(m_hWnd, GA_ROOT);
    ::SetForegroundWindow(hRoot);
    return PumpUntil([hRoot] { return ::GetForegroundWindow() == hRoot; }, kColdWineDeadlineMs);
}

bool CTestInput::Send(std::vector<INPUT> inputs)
{
    if (!m_hHook || ::GetForegroundWindow() != ::GetAncestor(m_hWnd, GA_ROOT))
        return false;
    AddKey(inputs, kMarkerKey, true);
    AddKey(inputs, kMarkerKey, false);
    t_bMarkerSeen = false;
    const UINT nCount = static_cast<UINT>(inputs.size());
    if (::SendInput(nCount, inputs.data(), sizeof(INPUT)) != nCount)
        return false;
    return PumpUntil([] { return t_bMarkerSeen; }, kColdWineDeadlineMs);
}

bool CTestInput::Key(WORD wVirtualKey, unsigned nModifiers)
{
    std::vector<INPUT> inputs;
    AddModifiers(inputs, nModifiers, true);
    AddKey(inputs, wVirtualKey, true);
    AddKey(inputs, wVirtualKey, false);
    AddModifiers(inputs, nModifiers, false);
    return Send(inputs);
}

bool CTestInput::Text(const char* pszText)
{
    for (; *pszText; ++pszText)
    {
        // The display's layout here has no key for some characters, '(' among them.
        const SHORT nScan = ::VkKeyScanA(*pszText);
        if (nScan == -1)
        {
            std::vector<INPUT> inputs;
            AddChar(inputs, *pszText);
            if (!Send(inputs))
                return false;
            continue;
        }
        if (!Key(LOBYTE(nScan), HIBYTE(nScan)))
            return false;
    }
    return true;
}

bool CTestInput::Click(POINT ptClient, bool bRight) { return Press(ptClient, 1, bRight); }

bool CTestInput::DoubleClick(POINT ptClient) { return Press(ptClient, 2, false); }

bool CTestInput::Press(POINT ptClient, int nTimes, bool bRight)
{
    const POINT ptScreen = ToScreen(m_hWnd, ptClient);
    WaitOutDoubleClick(ptScreen);
    std::vector<INPUT> inputs;
    AddMove(inputs, ptScreen);
    for (int i = 0; i < nTimes; i++)
    {
        AddButton(inputs, bRight ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
        AddButton(inputs, bRight ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
    }
    const bool bSent = Send(inputs);
    NotePress(ptScreen);
    return bSent;
}

// In stages: the system picks the window for each mouse event when it is queued, so the moves
// must wait until the press was handled and could take the capture.
bool CTestInput::Drag(POINT ptFrom, POINT ptTo, unsigned nModifiers)
{
    const int kSteps = 8;
    const POINT ptStart = ToScreen(m_hWnd, ptFrom);
    WaitOutDoubleClick(ptStart);
    std::vector<INPUT> press, moves, release;
    AddMove(press, ptStart);
    AddButton(press, MOUSEEVENTF_LEFTDOWN);
    for (int i = 1; i <= kSteps; i++)
    {
        POINT pt = {ptFrom.x + (ptTo.x - ptFrom.x) * i / kSteps, ptFrom.y + (ptTo.y - ptFrom.y) * i / kSteps};
        AddMove(moves, ToScreen(m_hWnd, pt));
    }
    AddButton(release, MOUSEEVENTF_LEFTUP);
    CHeldKeys held(nModifiers);
    if (!held.IsHeld())
        return false;
    const bool bMoved = Send(press) && Send(moves);
    NotePress(ptStart);
    return Send(release) && bMoved;  // released on every path: a held button would spoil later tests
}

bool CTestInput::Wheel(POINT ptClient, int nDelta)
{
    std::vector<INPUT> inputs;
    AddMove(inputs, ToScreen(m_hWnd, ptClient));
    AddWheel(inputs, nDelta);
    return Send(inputs);
}
