// KTDockingPaneTabColorSet.cpp: docking tabs blend into the caption theme rather than the tab strip's own look.
#include "KTDockingPaneTabColorSet.h"

#include "KTColorManager.h"
#include "KTDockingPaneTabStrip.h"
#include "KTDockingPaneTheme6.h"
#include "KTDrawHelpers.h"
#include "KTDrawObjects.h"
#include "KTTabManager.h"
#include "KTTabManagerItem.h"
#include "KTTabPainter.h"

namespace
{
COLORREF Sys(int nIndex) { return KTColorManager()->GetColor(nIndex); }
}  // namespace

void CKTDockingPaneTabColorSet::RefreshMetrics()
{
    CKTTabColorSet::RefreshMetrics();
    if (m_bFilledSelectedTab)
    {
        m_clrSelectedTab.SetStandardValue(Sys(COLOR_WINDOW));
        m_clrTextSelected.SetStandardValue(Sys(COLOR_WINDOWTEXT));
    }
    else
        m_clrTextSelected.SetStandardValue(Sys(COLOR_3DDKSHADOW));
    COLORREF clrFace = Sys(COLOR_3DFACE);
    m_clrHeaderFace.SetStandardValue(clrFace, CKTColorManager::BlendColors(clrFace, Sys(COLOR_WINDOW), 205), 0.5f);
    m_clrTextNormal.SetStandardValue(Sys(COLOR_3DDKSHADOW));
    int nScheme = CKTDockingPaneTheme6::CurrentScheme();
    ApplyDockingScheme(nScheme);
    m_clrAutoHideFace.SetStandardValue(m_clrHeaderFace);
    if (!m_bMutedText)
        return;
    m_bSchemeColors = FALSE;
    if (nScheme == ktSystemThemeNone)
        return;
    m_clrTextNormal.SetStandardValue(RGB(113, 111, 100));
    if (!m_bFilledSelectedTab)
        m_clrTextSelected.SetStandardValue(RGB(113, 111, 100));
}

void CKTDockingPaneTabColorSet::ApplyDockingScheme(int nScheme)
{
    m_bSchemeColors = FALSE;
    switch (nScheme)
    {
    case ktSystemThemeBlue:
    case ktSystemThemeOlive:
        m_clrHeaderFace.SetStandardValue(RGB(229, 229, 215), RGB(244, 241, 231));
        break;
    case ktSystemThemeSilver:
        m_clrNormalTab.SetStandardValue(RGB(242, 242, 247));
        m_clrEdgeOuter.SetStandardValue(RGB(145, 155, 156));
        m_clrEdgeMiddle.SetStandardValue(RGB(145, 155, 156));
        m_clrEdgeInner.SetStandardValue(RGB(190, 190, 216));
        m_clrHeaderFace.SetStandardValue(RGB(215, 215, 229), RGB(243, 243, 247));
        break;
    default:
        return;
    }
    m_bSchemeColors = TRUE;
    m_clrEdgeFace.SetStandardValue(RGB(255, 255, 255));
}

COLORREF CKTDockingPaneTabColorSet::FillItem(CDC* pDC, CRect rc, CKTTabManagerItem* pItem)
{
    if (m_bTransparentTabs && !(m_bFilledSelectedTab && pItem->IsSelected()))
        return COLORREF(-1);
    return m_bSchemeColors ? CKTTabColorSet4::FillItem(pDC, rc, pItem) : CKTTabColorSet::FillItem(pDC, rc, pItem);
}

void CKTDockingPaneTabColorSet::FillHeader(CDC* pDC, CRect rc, CKTTabManager* pManager)
{
    auto* pStrip = dynamic_cast<IKTDockingPaneTabStrip*>(pManager);
    CWnd* pWindow = pStrip ? pStrip->GetStripWindow() : nullptr;
    CWnd* pSite = pStrip ? pStrip->GetSiteWindow() : nullptr;
    if (!pWindow || !pSite || !pWindow->GetSafeHwnd() || !pSite->GetSafeHwnd())
    {
        CKTTabColorSet::FillHeader(pDC, rc, pManager);
        return;
    }
    CRect rcSite = CKTWindowRect(pSite->GetSafeHwnd());
    pWindow->ScreenToClient(&rcSite);
    const int nPosition = m_pPainter->GetDrawPosition(pManager);
    const BOOL bHorizontalStrip = nPosition == ktTabPositionTop || nPosition == ktTabPositionBottom;
    KTDrawHelpers()->GradientFill(pDC, rcSite, m_clrHeaderFace, !bHorizontalStrip, rc);
}
