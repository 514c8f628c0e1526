// The control's side of its tooltip: shown for as long as the pointer stays over what it describes.
#include "KTSyntaxEditCtrl.h"

#include "KTSyntaxEditTipWnd.h"

void CKTSyntaxEditCtrl::ShowTip(const CString& strText, CPoint ptClient, const CRect& rcHot)
{
    if (!m_pToolTip->GetSafeHwnd())
        return;
    m_rcTipHot = rcHot;
    CPoint ptScreen = ptClient;
    ClientToScreen(&ptScreen);
    m_pToolTip->SetPosition(ptScreen);
    m_pToolTip->Activate(strText);
}

void CKTSyntaxEditCtrl::HideTip() { m_pToolTip->Hide(); }

CKTSyntaxEditTipWnd& CKTSyntaxEditCtrl::GetTipWnd() { return *m_pToolTip; }

BOOL CKTSyntaxEditCtrl::IsTipShownFor(const CRect& rcHot) const { return m_pToolTip->IsShown() && m_rcTipHot == rcHot; }

void CKTSyntaxEditCtrl::TrackTipPointer(CPoint point)
{
    if (m_pToolTip->IsShown() && !m_rcTipHot.PtInRect(point))
        HideTip();
}

void CKTSyntaxEditCtrl::OnMouseLeave()
{
    HideTip();
    CWnd::OnMouseLeave();
}
