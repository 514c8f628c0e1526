// KTDialogBarCaption.cpp: drawing and clicks of a dialog bar's caption strip.
#include "KTDialogBarCaption.h"

#include "KTDrawObjects.h"
#include "KTPaintManager.h"

IMPLEMENT_DYNCREATE(CKTDialogBarCloseButton, CKTToolBarCloseButton)
IMPLEMENT_DYNCREATE(CKTDialogBarCaptionControl, CKTControlPopup)
IMPLEMENT_DYNCREATE(CKTDialogBarCaptionPopup, CKTPopupBar)

void CKTDialogBarCloseButton::Draw(CDC* pDC)
{
    CKTPaintManager* pPaintManager = GetPaintManager();
    CFont font;
    // Eight points whatever the screen's resolution.
    if (!font.CreatePointFont(80 * 96 / pDC->GetDeviceCaps(LOGPIXELSX), "Marlett"))
        return;
    pPaintManager->DrawControlState(pDC, this);
    CKTFontDC fontDC(pDC, &font, pPaintManager->GetColor(pPaintManager->GetControlTextColor(this)));
    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    CRect rc = m_rcControl;
    pDC->DrawText("r", rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    pDC->SetBkMode(nOldMode);
}

CKTDialogBarCaptionControl::CKTDialogBarCaptionControl()
{
    m_dwFlags = ktFlagSkipFocus | ktFlagPopupLeftwards | ktFlagManualUpdate | ktFlagNoMovable;
}

void CKTDialogBarCaptionControl::Draw(CDC* pDC)
{
    CKTPaintManager* pPaintManager = GetPaintManager();
    CKTFontDC font(pDC, pPaintManager->GetSmallCaptionFont());
    int nText = COLOR_BTNTEXT;
    if (m_bCaptionEnabled)
    {
        pPaintManager->DrawControlState(pDC, this);
        nText = pPaintManager->GetControlTextColor(this);
    }
    COLORREF clrText = pPaintManager->GetColor(nText);
    font.SetColor(clrText);
    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    CRect rcText(m_rcControl.left + 2, m_rcControl.top, m_rcControl.right - (m_bCaptionEnabled ? 15 : 2),
                 m_rcControl.bottom);
    pDC->DrawText(m_strCaption, rcText, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
    pDC->SetBkMode(nOldMode);
    if (!m_bCaptionEnabled)
        return;
    int nMid = m_rcControl.CenterPoint().y, nRight = m_rcControl.right;
    POINT triangle[] = {{nRight - 13, nMid - 2}, {nRight - 5, nMid - 2}, {nRight - 9, nMid + 2}};
    CKTPenDC pen(pDC->GetSafeHdc(), clrText);
    CKTBrushDC brush(pDC->GetSafeHdc(), clrText);
    pDC->Polygon(triangle, 3);
}

void CKTDialogBarCaptionControl::OnClick(BOOL bKeyboard, CPoint pt)
{
    if (m_bCaptionEnabled)
        CKTControlPopup::OnClick(bKeyboard, pt);
}

BOOL CKTDialogBarCaptionControl::OnSetPopup(BOOL bPopup)
{
    return (m_bCaptionEnabled || !bPopup) && CKTControlPopup::OnSetPopup(bPopup);
}

void CKTDialogBarCaptionPopup::UpdateLocation()
{
    CKTPopupBar::UpdateLocation();
    m_ptPopup = CPoint(m_rcExclude.left, m_rcExclude.bottom);
    m_dwPopupFlags = ktPopupVertical;
}
