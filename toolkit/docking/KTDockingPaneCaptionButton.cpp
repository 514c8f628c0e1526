// KTDockingPaneCaptionButton.cpp: a caption button's place, state and hover.
#include "KTDockingPaneCaptionButton.h"

#include "KTDockingPane.h"
#include "KTDockingPanePaintManager.h"

void CKTDockingPaneCaptionButton::SetRect(const CRect& rc)
{
    if (rc == m_rc)
        return;
    m_rc = rc;
    m_pOwner->RedrawPane();
}

BOOL CKTDockingPaneCaptionButton::IsVisible() const
{
    return m_pOwner->IsCaptionButtonVisible(const_cast<CKTDockingPaneCaptionButton*>(this));
}

BOOL CKTDockingPaneCaptionButton::IsEnabled() const
{
    CKTDockingPane* pPane = CKTDockingPanePaintManager::CaptionPaneOf(m_pOwner);
    return !pPane || (pPane->GetEnabled() & ktPaneEnableActions);
}

void CKTDockingPaneCaptionButton::SetPressed(BOOL bPressed)
{
    if (bPressed == m_bPressed)
        return;
    m_bPressed = bPressed;
    m_pOwner->RedrawPane();
}

BOOL CKTDockingPaneCaptionButton::CheckHover(CPoint pt)
{
    BOOL bInside = m_rc.PtInRect(pt);
    if (!bInside && m_bHot)
    {
        m_bHot = FALSE;
        m_pOwner->RedrawPane();
        return FALSE;
    }
    if (!bInside || m_bHot || !IsEnabled())
        return FALSE;
    m_bHot = TRUE;
    TrackLeave();
    m_pOwner->RedrawPane();
    return TRUE;
}

void CKTDockingPaneCaptionButton::TrackLeave() const
{
    TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE, m_pOwner->GetPaneHwnd(), 0};
    if (tme.hwndTrack)
        ::TrackMouseEvent(&tme);
}
