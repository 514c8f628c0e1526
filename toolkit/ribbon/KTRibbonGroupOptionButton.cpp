// KTRibbonGroupOptionButton.cpp: the group's option button, drawn and measured by the ribbon's painter.
#include "KTRibbonGroupOptionButton.h"

#include "KTRibbonBar.h"
#include "KTRibbonGroup.h"

IMPLEMENT_DYNCREATE(CKTRibbonGroupOptionButton, CKTControlButton)

CKTRibbonGroupOptionButton::CKTRibbonGroupOptionButton() { m_dwFlags |= ktFlagNoMovable; }

BOOL CKTRibbonGroupOptionButton::Paint(CDC* pDC, BOOL bDraw, CSize& sz)
{
    CKTRibbonBar* pRibbon = GetRibbonGroup() ? GetRibbonGroup()->GetRibbonBar() : NULL;
    if (!pRibbon)
        return FALSE;
    sz = pRibbon->GetRibbonPainter()->DrawOptionButton(pDC, this, bDraw);
    return TRUE;
}

CSize CKTRibbonGroupOptionButton::GetSize(CDC* pDC)
{
    CSize sz;
    return Paint(pDC, FALSE, sz) ? sz : CKTControlButton::GetSize(pDC);
}

void CKTRibbonGroupOptionButton::Draw(CDC* pDC)
{
    CSize sz;
    if (!Paint(pDC, TRUE, sz))
        CKTControlButton::Draw(pDC);
}
