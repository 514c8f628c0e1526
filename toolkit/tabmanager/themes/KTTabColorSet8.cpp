// KTTabColorSet8.cpp: tabs, client and buttons drawn by the system's visual styles when they are on.
#include "KTTabColorSet8.h"

#include "KTColorManager.h"
#include "KTTabManager.h"
#include "KTTabPainter.h"

namespace
{
// Parts and states of the visual-style classes.
const int kTabItem = 5, kTabItemLeftEdge = 6, kTabItemRightEdge = 7, kTabPane = 9;
const int kToolbarButton = 1;
const int kFillColorHint = 3821;
}  // namespace

void CKTTabColorSet8::RefreshMetrics()
{
    CKTTabColorSetDefault::RefreshMetrics();
    m_themeTab.OpenThemeData(NULL, "TAB");
    if (m_themeTab.IsAppThemed())
    {
        m_clrTabHighlight.SetStandardValue(COLORREF(-1));
        m_clrTabShadow.SetStandardValue(COLORREF(-1));
        m_clrTabDarkShadow.SetStandardValue(COLORREF(-1));
        m_clrTextHot.SetStandardValue(m_clrTextNormal);
        COLORREF clrPane = 0;
        if (SUCCEEDED(m_themeTab.GetThemeColor(kTabPane, 0, kFillColorHint, clrPane)))
            m_clrPaneFace.SetStandardValue(clrPane);
    }
    m_themeToolbar.OpenThemeData(NULL, "TOOLBAR");
}

BOOL CKTTabColorSet8::IsVisualStyle() const { return m_themeTab.GetThemeHandle() && m_themeTab.IsAppThemed(); }

BOOL CKTTabColorSet8::IsToolbarThemed() const
{
    return m_themeToolbar.GetThemeHandle() && m_themeToolbar.IsAppThemed();
}

// Drawn as on a top strip: the looks turn the tab for the other positions themselves.
COLORREF CKTTabColorSet8::FillItem(CDC* pDC, CRect rc, CKTTabManagerItem* pItem)
{
    if (!IsVisualStyle())
        return FillItemSolid(pDC, rc, pItem);
    CKTTabManager* pManager = pItem->GetTabManager();
    BOOL bSelected = pItem->IsSelected();
    if (bSelected)
        rc.bottom += 2;
    rc.InflateRect(1, 1, 1, 0);
    int nPart = kTabItem;
    if (pItem->GetIndex() == 0)
        nPart = kTabItemLeftEdge;
    else if (!bSelected && pItem->GetIndex() == pManager->GetItemCount() - 1)
        nPart = kTabItemRightEdge;
    int nState = bSelected ? 3 : pItem->IsHighlighted() ? 2 : 1;
    m_themeTab.DrawThemeBackground(pDC->GetSafeHdc(), nPart, nState, rc, NULL);
    return COLORREF(-1);
}

COLORREF CKTTabColorSet8::FillClient(CDC* pDC, CRect rc, CKTTabManager* pManager)
{
    if (!IsVisualStyle())
        return CKTTabColorSetDefault::FillClient(pDC, rc, pManager);
    int nPosition = m_pPainter->PositionOf(pManager);
    if (nPosition == ktTabPositionBottom)
        rc.bottom++;
    else if (nPosition == ktTabPositionRight)
        rc.right++;
    m_themeTab.DrawThemeBackground(pDC->GetSafeHdc(), kTabPane, 0, rc, NULL);
    return m_clrPaneFace;
}

void CKTTabColorSet8::FillSelectedButton(CDC* pDC, CRect rc, CKTTabManagerItem* pItem)
{
    if (!IsToolbarThemed() || !pItem->IsSelected())
    {
        CKTTabColorSetDefault::FillSelectedButton(pDC, rc, pItem);
        return;
    }
    m_themeToolbar.DrawThemeBackground(pDC->GetSafeHdc(), kToolbarButton, pItem->IsHighlighted() ? 6 : 5, rc, NULL);
}

void CKTTabColorSet8::FillNavigateButton(CDC* pDC, CKTTabManagerNavigateButton* pButton, CRect& rc)
{
    if (!IsToolbarThemed())
    {
        CKTTabColorSetDefault::FillNavigateButton(pDC, pButton, rc);
        return;
    }
    pDC->SetTextColor(KTColorManager()->GetColor(COLOR_BTNTEXT));
    if (!pButton->IsEnabled())
        return;
    BOOL bHot = pButton->GetTabManager()->GetHighlightedButton() == pButton;
    int nState = pButton->IsPressed() ? 3 : bHot ? 2 : 1;
    m_themeToolbar.DrawThemeBackground(pDC->GetSafeHdc(), kToolbarButton, nState, rc, NULL);
}

// Keeps the client frame's corner pixel where the tab row begins.
void CKTTabColorSet8::ExcludeClientCorner(CDC* pDC, CRect rc, CKTTabManager* pManager)
{
    if (!IsVisualStyle())
        return;
    switch (m_pPainter->PositionOf(pManager))
    {
    case ktTabPositionBottom:
        pDC->ExcludeClipRect(rc.left, rc.bottom - 2, rc.left + 1, rc.bottom - 1);
        break;
    case ktTabPositionRight:
        pDC->ExcludeClipRect(rc.right - 2, rc.top, rc.right - 1, rc.top + 1);
        break;
    default:
        pDC->ExcludeClipRect(rc.left, rc.top, rc.left + 1, rc.top + 1);
        break;
    }
}
