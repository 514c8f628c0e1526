// KTTabColorSet2.cpp: the colours of the flat looks, from the toolkit's own colours.
#include "KTTabColorSet2.h"

#include "KTColorManager.h"
#include "KTTabManager.h"

namespace
{
COLORREF Sys(int nIndex) { return KTColorManager()->GetColor(nIndex); }
}  // namespace

void CKTTabColorSet2::RefreshMetrics()
{
    CKTTabColorSet::RefreshMetrics();
    int nAppearance = GetAppearance();
    if (nAppearance != 4 && nAppearance != 7)
        m_clrHeaderFace.SetStandardValue(Sys(KTCOLOR_TAB_HEADER_FACE), Sys(KTCOLOR_TAB_HEADER_FACE));
    if (nAppearance == 5)
    {
        m_clrTextNormal.SetStandardValue(Sys(KTCOLOR_TAB_TEXT));
        m_clrTextInactive.SetStandardValue(Sys(KTCOLOR_TAB_TEXT));
    }
    COLORREF clrAutoHide = CKTColorManager::IsLowResolution() ? Sys(COLOR_BTNFACE) : m_clrHeaderFace.clrDark;
    m_clrAutoHideFace.SetStandardValue(clrAutoHide, clrAutoHide);
}

void CKTTabColorSet2::FillNavigateButton(CDC* pDC, CKTTabManagerNavigateButton* pButton, CRect& rc)
{
    int nAppearance = GetAppearance();
    if (nAppearance == 4 || nAppearance == 7)
    {
        pDC->SetTextColor(Sys(COLOR_BTNTEXT));
        return;
    }
    pDC->SetTextColor(Sys(KTCOLOR_TAB_TEXT));
    if (!pButton->IsEnabled())
        return;
    if (pButton->IsPressed())
        pDC->Draw3dRect(rc, Sys(COLOR_BTNTEXT), Sys(COLOR_BTNFACE));
    else if (pButton->GetTabManager()->GetHighlightedButton() == pButton)
        pDC->Draw3dRect(rc, Sys(COLOR_BTNFACE), Sys(COLOR_BTNTEXT));
}
