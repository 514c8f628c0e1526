// KTPressRepeat.cpp: the timer of a held button and the steps it runs.
#include "KTPressRepeat.h"

#include <utility>

CKTPressRepeat::CKTPressRepeat(HWND hWnd, UINT_PTR nTimerId, UINT nFirstDelay, UINT nRepeatDelay,
                               std::function<void()> fnStep, std::function<BOOL()> fnInside)
    : m_hWnd(hWnd), m_nTimerId(nTimerId), m_nFirstDelay(nFirstDelay), m_nRepeatDelay(nRepeatDelay),
      m_fnStep(std::move(fnStep)), m_fnInside(std::move(fnInside))
{
}

void CKTPressRepeat::Press()
{
    Arm(m_nFirstDelay);
    m_bFirstPending = TRUE;
    m_fnStep();
}

void CKTPressRepeat::Resume()
{
    Arm(m_nRepeatDelay);
    m_bFirstPending = FALSE;
    m_fnStep();
}

BOOL CKTPressRepeat::OnMessage(const MSG& msg)
{
    if (msg.message != WM_TIMER || msg.hwnd != m_hWnd || msg.wParam != m_nTimerId || !m_bArmed)
        return FALSE;
    if (m_bFirstPending)
    {
        Arm(m_nRepeatDelay);
        m_bFirstPending = FALSE;
    }
    if (!m_fnInside || m_fnInside())
        m_fnStep();
    return TRUE;
}

void CKTPressRepeat::Stop()
{
    if (!m_bArmed)
        return;
    m_bArmed = FALSE;
    if (::IsWindow(m_hWnd))
        ::KillTimer(m_hWnd, m_nTimerId);
}

void CKTPressRepeat::Arm(UINT nDelay)
{
    // A window gone while the button was held has no timer to set; the loop ends with its capture.
    m_bArmed = ::SetTimer(m_hWnd, m_nTimerId, nDelay, NULL) != 0;
}
