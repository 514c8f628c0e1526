// KTTabColorSetDefault.cpp: the colours of the classic look, from the system colours.
#include "KTTabColorSetDefault.h"

#include "KTColorManager.h"
#include "KTTabManager.h"

namespace
{
COLORREF Sys(int nIndex) { return KTColorManager()->GetColor(nIndex); }
}  // namespace

void CKTTabColorSetDefault::RefreshMetrics()
{
    CKTTabColorSet::RefreshMetrics();
    m_clrButtonSelected.SetStandardValue(COLORREF(-2), COLORREF(-2));
    m_clrButtonSelectedBorder.SetStandardValue(Sys(COLOR_BTNSHADOW), Sys(COLOR_BTNHIGHLIGHT), 0.5f);
    COLORREF text = Sys(COLOR_BTNTEXT), shadow = Sys(COLOR_BTNSHADOW), none = COLORREF(-1);
    m_csSelectedEdges = {{text, text, text, Sys(COLOR_WINDOW), shadow, shadow}};
    m_csNormalEdges = {{text, text, text, none, none, none}};
    if (GetAppearance() != 7)
        return;
    m_clrSelectedTab.SetStandardValue(Sys(COLOR_BTNFACE));
    m_clrNormalTab.SetStandardValue(Sys(COLOR_WINDOW));
    m_clrFrameBorder.SetStandardValue(text);
}

void CKTTabColorSetDefault::FillNavigateButton(CDC* pDC, CKTTabManagerNavigateButton* pButton, CRect& rc)
{
    pDC->SetTextColor(Sys(COLOR_BTNTEXT));
    if (!pButton->IsEnabled())
        return;
    if (pButton->IsPressed())
    {
        pDC->Draw3dRect(rc, Sys(COLOR_BTNSHADOW), Sys(COLOR_BTNHIGHLIGHT));
        rc.OffsetRect(1, 1);
    }
    else if (pButton->GetTabManager()->GetHighlightedButton() == pButton)
        pDC->Draw3dRect(rc, Sys(COLOR_BTNHIGHLIGHT), Sys(COLOR_BTNSHADOW));
}
