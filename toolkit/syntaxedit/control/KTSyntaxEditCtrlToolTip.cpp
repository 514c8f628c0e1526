// The control's side of its tooltip: shown for as long as the pointer stays over what it describes.
#include "KTSyntaxEditCtrl.h"

#include "KTSyntaxEditTipWnd.h"

void CKTSyntaxEditCtrl::ShowTip(const CString& strText, CPoint ptClient, const CRect& rcHot)
{
    if (!m_pToolTip->GetSafeHwnd())
        return;
    m_pToolTip->SetHotArea(rcHot);
    CPoint ptScreen = ptClient;
    ClientToScreen(&ptScreen);
    m_pToolTip->SetPosition(ptScreen);
    m_pToolTip->Activate(strText);
}

CKTSyntaxEditTipWnd& CKTSyntaxEditCtrl::GetTipWnd() { return *m_pToolTip; }

void CKTSyntaxEditCtrl::OnMouseLeave()
{
    m_pToolTip->Hide();
    CWnd::OnMouseLeave();
}
