// Real input for a modal mouse loop: sent from a second thread, since the loop keeps the test's thread busy.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <thread>
#include <vector>

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
    // The next step waits until the window holds the capture (a loop has started).
    CLoopInput& AwaitCapture();
    // The next step waits until the condition, tested on the sending thread, holds.
    CLoopInput& Await(std::function<bool()> condition);
    // The next step waits the time (a button held down).
    CLoopInput& Hold(DWORD dwMs);
    // Sends the steps and pumps the calling thread's messages until all were handled; true when they were.
    bool Run();

private:
    struct CStep
    {
        std::vector<INPUT> inputs;
        std::function<bool()> await;
        DWORD dwHoldMs = 0;
    };
    CStep& Next();
    void Play();
    bool SendAndWait(std::vector<INPUT> inputs);

    HWND m_hWnd;
    DWORD m_dwThreadId;
    HHOOK m_hHook;
    std::vector<CStep> m_arrSteps;
    std::atomic<bool> m_bFailed{false};
    std::atomic<bool> m_bDone{false};
};
