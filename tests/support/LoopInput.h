// Real input for a modal mouse loop: sent from a second thread, since the loop keeps the test's thread busy.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include "HeldKeys.h"

#include <atomic>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

// The ways a user or the system cancels a modal mouse loop.
enum class ELoopCancel
{
    Escape,
    RightClick,
    CaptureTaken
};
const char* LoopCancelName(ELoopCancel eCancel);

// Every cancel, for a test run once per cancel, and the names of its cases.
inline auto AllLoopCancels()
{
    return ::testing::Values(ELoopCancel::Escape, ELoopCancel::RightClick, ELoopCancel::CaptureTaken);
}
inline std::string LoopCancelCaseName(const ::testing::TestParamInfo<ELoopCancel>& info)
{
    return LoopCancelName(info.param);
}

// Each step is sent once the thread under test handled the step before it and, for a step that asks for it,
// once that thread's capture is on the window.
class CLoopInput
{
public:
    explicit CLoopInput(HWND hWnd);
    ~CLoopInput();
    CLoopInput(const CLoopInput&) = delete;
    CLoopInput& operator=(const CLoopInput&) = delete;

    CLoopInput& Move(POINT ptClient);
    CLoopInput& Press(POINT ptClient, bool bRight = false);
    CLoopInput& Release(bool bRight = false);
    CLoopInput& Key(WORD wVirtualKey);
    // The next step waits until the window (the one under test when NULL) holds the capture: a loop has started.
    CLoopInput& AwaitCapture(HWND hWndCapture = nullptr);
    // The next step waits until the thread under test holds no capture: a loop has ended.
    CLoopInput& AwaitNoCapture();
    // The next step waits until the condition, tested on the sending thread, holds.
    CLoopInput& Await(std::function<bool()> condition);
    // The next step waits the time (a button held down).
    CLoopInput& Hold(DWORD dwMs);
    // Another window of the thread takes the capture, as a window opened during the loop would; it lets the
    // capture go at the next left release.
    CLoopInput& TakeCapture();
    // The modifiers (CTestInput's) go down on the display, as a user's keys do, and stay down through the moves
    // and presses that follow until ReleaseKeys or the end of the run (see CHeldKeys).
    CLoopInput& HoldKeys(unsigned nModifiers);
    CLoopInput& ReleaseKeys();
    // The application quits with the exit code (see QuitPumped in MessagePump.h).
    CLoopInput& Quit(int nExitCode);
    // Posts the message (no parameters) to a window of the thread under test, as another program or the system
    // would: a close, say.
    CLoopInput& Post(HWND hWnd, UINT nMessage);
    // Cancels a running loop as asked, then lets the left button go.
    CLoopInput& CancelAndRelease(ELoopCancel eCancel);
    // Sends the steps and pumps the calling thread's messages until all were handled; true when they were.
    bool Run();

private:
    struct CStep
    {
        std::vector<INPUT> inputs;
        std::function<bool()> await;
        DWORD dwHoldMs = 0;
        std::function<bool()> act;  // done on the sending thread instead of input; false fails the run
    };
    CStep& Next();
    void Play();
    bool SendAndWait(std::vector<INPUT> inputs);

    HWND m_hWnd;
    DWORD m_dwThreadId;
    HHOOK m_hHook;
    HWND m_hWndThief;  // takes the capture
    std::vector<CStep> m_arrSteps;
    std::unique_ptr<CHeldKeys> m_pHeldKeys;  // made, used and dropped on the sending thread
    std::atomic<bool> m_bFailed{false};
    std::atomic<bool> m_bDone{false};
};
