// KTPaintManagerKeyboardTip.cpp: the plain look of a keyboard tip: tooltip colours, a raised frame, its keys.
#include "KTPaintManager.h"

#include "KTCommandBarKeyboardTip.h"
#include "KTDrawObjects.h"

void CKTPaintManager::DrawKeyboardTip(CDC* pDC, CKTCommandBarKeyboardTip* pTip, BOOL bSetRegion)
{
    if (bSetRegion || !pDC)
        return;
    CRect rc = CKTClientRect(pTip);
    CKTFontDC font(pDC, &m_fontStatus, GetColor(pTip->IsEnabled() ? COLOR_INFOTEXT : COLOR_GRAYTEXT));
    pDC->FillSolidRect(rc, GetColor(COLOR_INFOBK));
    Draw3dRect(pDC, rc, COLOR_BTNSHADOW, COLOR_BTNSHADOW);
    DrawKeyboardTipText(pDC, pTip, rc);
}

void CKTPaintManager::DrawKeyboardTipText(CDC* pDC, CKTCommandBarKeyboardTip* pTip, CRect rc)
{
    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    CString strText;
    pTip->GetWindowText(strText);
    pDC->DrawText(strText, rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    pDC->SetBkMode(nOldMode);
}
