// The control's side of its tooltip: shown for as long as the pointer stays over what it describes.
#include "KTSyntaxEditCtrl.h"

void CKTSyntaxEditCtrl::ShowTip(const CString& strText, CPoint ptClient, const CRect& rcHot)
{
    if (!m_wndToolTip.GetSafeHwnd())
        return;
    m_rcTipHot = rcHot;
    CPoint ptScreen = ptClient;
    ClientToScreen(&ptScreen);
    m_wndToolTip.SetPosition(ptScreen);
    m_wndToolTip.Activate(strText);
    TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE, m_hWnd, 0};
    if (!::TrackMouseEvent(&tme))
        TRACE("the tooltip cannot follow the pointer out of the window\n");
}

void CKTSyntaxEditCtrl::HideTip() { m_wndToolTip.Hide(); }

void CKTSyntaxEditCtrl::TrackTipPointer(CPoint point)
{
    if (m_wndToolTip.GetSafeHwnd() && m_wndToolTip.IsWindowVisible() && !m_rcTipHot.PtInRect(point))
        HideTip();
}

void CKTSyntaxEditCtrl::OnMouseLeave()
{
    HideTip();
    CWnd::OnMouseLeave();
}
