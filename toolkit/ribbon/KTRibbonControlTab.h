// KTRibbonControlTab.h: the ribbon's row of tabs, one control of the bar that is also the tabs' manager.
//
// Classes: CKTRibbonControlTab.
#pragma once

#include "KTControlPopup.h"
#include "KTRibbonControlTabAccessible.h"
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
    IAccessible* GetAccessible() { return &m_accessible; }

    // Asks the site first, then shows the tab's groups in place of the previous tab's.
    void SetSelectedItem(CKTTabManagerItem* pItem) override;
    BOOL IsAllowReorder() const override { return FALSE; }
    void Reposition() override;
    CKTTabPainter* GetPaintManager() const override;
    void RedrawControl(LPCRECT lpRect, BOOL bAnimate) override;
    BOOL DrawIcon(CDC* pDC, CPoint pt, CKTTabManagerItem* pItem, BOOL bDraw, CSize& szIcon) const override;
    CString GetItemTooltip(const CKTTabManagerItem* pItem) const override;
    BOOL IsMouseLocked() const override;
    // The strip shows its selected tab as the keyboard's while the ribbon tracks.
    BOOL HasFocus() const override;
    // The strip's painter reads the system's colours and fonts again before the bars' layout.
    void OnThemeChanged() override;

    // The ribbon draws the strip with the bar.
    void Draw(CDC*) override {}
    void SetEnabled(int) override {}
    void OnClick(BOOL bKeyboard = FALSE, CPoint pt = CPoint(0, 0)) override;
    // The tab under the mouse is hot; the bar passes (-1, -1) when the mouse leaves the row.
    void OnMouseMove(CPoint pt) override;
    // On the selected tab: the ribbon minimises, or comes back.
    BOOL OnLButtonDblClk(CPoint pt) override;

    // The keyboard on the tab row: Left and Right move between tabs, Up and Down leave the row.
    BOOL IsKeyboardFocus() const { return m_bKeyboardFocus; }
    // Shown focus selects the first tab that can take it when none is selected.
    void SetKeyboardFocus(BOOL bFocus);
    BOOL IsFocused() const override { return m_bKeyboardFocus; }
    BOOL OnSetSelected(int nSelected) override;
    int OnHookKeyDown(UINT nChar, LPARAM lParam) override;

    // Only a minimised ribbon drops its selected tab's groups down; closing clears the selection.
    BOOL OnSetPopup(BOOL bPopup) override;
    void OpenTabPopup(BOOL bKeyboard);

private:
    void NotifyFocus(CKTTabManagerItem* pItem);

    CKTRibbonControlTabAccessible m_accessible{this};
    BOOL m_bKeyboardFocus = FALSE;
};
