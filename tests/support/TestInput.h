// Real keyboard and mouse input through SendInput, waited for until the target thread has handled it.
#pragma once

#include <windows.h>

#include <vector>

// Sends input to a window of the calling thread: brings its top-level window to the foreground and
// gives it the focus first, until the display agrees, and returns from each call only once the thread
// has dispatched that input. Points are in the target window's client coordinates. Presses of separate
// calls never pair into a double click.
class CTestInput
{
public:
    enum EModifier : unsigned
    {
        kNone = 0,
        kShift = 1,
        kControl = 2,
        kAlt = 4
    };

    explicit CTestInput(HWND hWndTarget);
    ~CTestInput();
    CTestInput(const CTestInput&) = delete;
    CTestInput& operator=(const CTestInput&) = delete;

    bool Key(WORD wVirtualKey, unsigned nModifiers = kNone);
    bool Text(const char* pszText);
    bool Click(POINT ptClient, bool bRight = false);
    bool DoubleClick(POINT ptClient);
    // The modifiers are held on the display (CHeldKeys) from before the press until after the release.
    bool Drag(POINT ptFrom, POINT ptTo, unsigned nModifiers = kNone);
    bool Wheel(POINT ptClient, int nDelta);
    // Input made with InputBuilder, sent at once: a loop that runs its own GetMessage from a press on would
    // wait forever for a drag sent step by step.
    bool Send(std::vector<INPUT> inputs);

private:
    bool Press(POINT ptClient, int nTimes, bool bRight);
    bool BringToForeground() const;

    HWND m_hWnd;
    HHOOK m_hHook;
};
