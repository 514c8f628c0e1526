// KTCaptureLoop.h: the message taking of a modal mouse loop that holds the capture.
//
// Classes: CKTCaptureLoop.
#pragma once

#include <windows.h>

// Captures the mouse for its lifetime and hands out the messages of the loop.
class CKTCaptureLoop
{
public:
    explicit CKTCaptureLoop(HWND hWnd);
    ~CKTCaptureLoop();
    CKTCaptureLoop(const CKTCaptureLoop&) = delete;
    CKTCaptureLoop& operator=(const CKTCaptureLoop&) = delete;

    // Waits for the next message; FALSE when the loop must end: the capture went elsewhere (the message
    // taken is dispatched) or the application is quitting (the quit is posted again for the outer loop).
    BOOL Next(MSG& msg);
    // As Next without waiting: FALSE with bTaken FALSE when nothing is queued.
    BOOL Poll(MSG& msg, BOOL& bTaken);
    // A right press, Esc or a cancel request.
    static BOOL IsCancel(const MSG& msg);
    static void Dispatch(const MSG& msg);
    // Paints what waits to be painted, so a loop that draws over windows sees them up to date.
    static void DispatchPendingPaint();

private:
    BOOL Take(MSG& msg);

    HWND m_hWnd;
};
