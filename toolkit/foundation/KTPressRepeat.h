// KTPressRepeat.h: the repeat of a held button: a step on the press, then again and again while it stays held.
//
// Classes: CKTPressRepeat.
#pragma once

#include <windows.h>

#include <functional>

// Runs beside a CKTCaptureLoop on the same window, which hands it each message of the loop. The step runs on
// the press, again after the first delay, then after each repeat delay; a tick while the inside test fails (the
// pointer left the button) skips the step. The timer ends with the object.
class CKTPressRepeat
{
public:
    // No inside test: every tick steps.
    CKTPressRepeat(HWND hWnd, UINT_PTR nTimerId, UINT nFirstDelay, UINT nRepeatDelay, std::function<void()> fnStep,
                   std::function<BOOL()> fnInside = {});
    ~CKTPressRepeat() { Stop(); }
    CKTPressRepeat(const CKTPressRepeat&) = delete;
    CKTPressRepeat& operator=(const CKTPressRepeat&) = delete;

    // The press: the step now, the next one after the first delay.
    void Press();
    // Back on the button after leaving it: the step now, the next one after the repeat delay.
    void Resume();
    // TRUE when the message is the repeat's tick, which it has handled; FALSE for every other message.
    BOOL OnMessage(const MSG& msg);
    void Stop();

private:
    void Arm(UINT nDelay);

    HWND m_hWnd;
    UINT_PTR m_nTimerId;
    UINT m_nFirstDelay;
    UINT m_nRepeatDelay;
    std::function<void()> m_fnStep;
    std::function<BOOL()> m_fnInside;
    BOOL m_bArmed = FALSE;
    BOOL m_bFirstPending = FALSE;  // the next tick ends the first delay
};
