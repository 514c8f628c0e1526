// KTCaptureLoop.h: the one modal mouse loop of the toolkit's drags and presses, holding the capture.
//
// Classes: CKTCaptureLoop.
#pragma once

#include <windows.h>

enum KTCaptureLoopFlags
{
    // Pending WM_PAINT is dispatched before each message, so a loop that moves windows or draws over them
    // sees them up to date.
    ktLoopPaintFirst = 0x1,
};

// Captures the mouse for its lifetime and hands out the messages of the loop. Every loop ends the same way:
// the left button's release ends it; Esc, a right press, WM_CANCELMODE, the capture going to another window
// and the application quitting (the quit is posted again for the outer loop) cancel it.
class CKTCaptureLoop
{
public:
    explicit CKTCaptureLoop(HWND hWnd, UINT nFlags = 0);
    ~CKTCaptureLoop();
    CKTCaptureLoop(const CKTCaptureLoop&) = delete;
    CKTCaptureLoop& operator=(const CKTCaptureLoop&) = delete;

    // Waits for the next message for the caller; FALSE once the loop has ended, msg then holding the message
    // that ended it (the release, with its point) when there was one.
    BOOL Next(MSG& msg);
    // As Next without waiting: TRUE with bTaken FALSE when nothing is queued.
    BOOL Poll(MSG& msg, BOOL& bTaken);
    // The loop ended by the left button's release; FALSE while it runs and when it was cancelled.
    BOOL IsReleased() const { return m_eState == EState::Released; }

    static void Dispatch(const MSG& msg);
    // Dispatches the paint waiting for the thread and nothing else. The system hands out a waiting
    // quit whatever the filter: it is posted again at once, or, given pnQuitCode, kept there for the
    // caller to post when its own wait ends (a quit waiting ahead of them would hold back the paints).
    // TRUE when a quit was taken.
    static BOOL DispatchPendingPaint(int* pnQuitCode = NULL);

private:
    enum class EState
    {
        Running,
        Released,
        Cancelled
    };
    BOOL IsHeld();
    BOOL Take(MSG& msg);
    static BOOL IsCancel(const MSG& msg);

    HWND m_hWnd;
    UINT m_nFlags;  // KTCaptureLoopFlags
    EState m_eState = EState::Running;
};
