// KTRibbonControlTab.h: the ribbon's row of tabs, one control of the bar that is also the tabs' manager.
//
// Classes: CKTRibbonControlTab.
#pragma once

#include "KTControlPopup.h"
#include "KTTabManager.h"

class CKTRibbonBar;
class CKTRibbonTab;

class CKTRibbonControlTab : public CKTControlPopup, public CKTTabManager
{
    DECLARE_DYNCREATE(CKTRibbonControlTab)
public:
    CKTRibbonControlTab();

    CKTRibbonBar* GetRibbonBar() const;
    // A new tab at the end, owned by the strip.
    CKTRibbonTab* AddTab(LPCSTR lpszCaption, UINT nId);
    CKTRibbonTab* GetTab(int nIndex) const;
    CKTRibbonTab* GetSelectedTab() const;

    // Shows the tab's groups in place of the previous tab's.
    void SetSelectedItem(CKTTabManagerItem* pItem) override;
    void Reposition() override;
    CKTTabPainter* GetPaintManager() const override;
    void RedrawControl(LPCRECT lpRect, BOOL bAnimate) override;
    BOOL DrawIcon(CDC* pDC, CPoint pt, CKTTabManagerItem* pItem, BOOL bDraw, CSize& szIcon) const override;
    CString GetItemTooltip(const CKTTabManagerItem* pItem) const override;

    // The ribbon draws the strip with the bar.
    void Draw(CDC*) override {}
    void SetEnabled(int) override {}
};
