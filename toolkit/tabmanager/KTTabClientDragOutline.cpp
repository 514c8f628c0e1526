// KTTabClientDragOutline.cpp: the inverted outline on the desktop that shows where a dragged tab would go.
#include "KTTabClientDragOutline.h"

#include "KTCaptureLoop.h"

CKTTabClientDragOutline::CKTTabClientDragOutline(CWnd* pClient) : m_pClient(pClient) {}

CKTTabClientDragOutline::~CKTTabClientDragOutline() { Hide(); }

void CKTTabClientDragOutline::Show(const CRect& rcOutline, HCURSOR hCursor)
{
    if (!m_pDesktop)
    {
        CKTCaptureLoop::DispatchPendingPaint();
        m_pDesktop = std::make_unique<CKTDesktopOutline>();
    }
    ::SetCursor(hCursor);
    CRect rcScreen = rcOutline;
    if (!rcScreen.IsRectEmpty())
        m_pClient->ClientToScreen(rcScreen);
    if (rcScreen == m_rcShown)
        return;
    Invert(m_rcShown);
    Invert(rcScreen);
    m_rcShown = rcScreen;
}

void CKTTabClientDragOutline::Hide()
{
    if (!m_pDesktop)
        return;
    Invert(m_rcShown);
    m_rcShown.SetRectEmpty();
    m_pDesktop.reset();
    ::SetCursor(::LoadCursor(NULL, IDC_ARROW));
}

void CKTTabClientDragOutline::Invert(const CRect& rc) const
{
    if (m_pDesktop)
        m_pDesktop->InvertFrame(rc, CSize(::GetSystemMetrics(SM_CXFRAME), ::GetSystemMetrics(SM_CYFRAME)));
}
