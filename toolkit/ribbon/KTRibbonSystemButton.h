// KTRibbonSystemButton.h: the ribbon's application button and the system menu it opens: a column of commands, a
// column of recent files under a caption, and a row of buttons along the bottom edge.
//
// Classes: CKTRibbonControlSystemButton, CKTRibbonSystemPopupBar, CKTRibbonControlSystemPopupBarButton,
// CKTRibbonControlSystemPopupBarListItem, CKTRibbonControlSystemPopupBarListCaption,
// CKTRibbonControlSystemRecentFileList.
#pragma once

#include "KTControlPopup.h"
#include "KTPopupBar.h"

class CKTRibbonBar;

class CKTRibbonControlSystemButton : public CKTControlPopup
{
    DECLARE_DYNCREATE(CKTRibbonControlSystemButton)
public:
    CKTRibbonControlSystemButton();
    void Draw(CDC* pDC) override;
    // As big as what the ribbon's painter draws.
    CSize GetSize(CDC* pDC) override;
    // Only where the ribbon's painter draws it: its letter runs nothing the user cannot see.
    BOOL IsCaptionVisible() const override;
    // Closes the frame, as a double click on a window's icon does.
    BOOL OnLButtonDblClk(CPoint pt) override;
    // Over the large caption button the menu covers the button's lower part.
    void AdjustExcludeRect(CRect& rc, BOOL bVertical) override;
};

class CKTRibbonSystemPopupBar : public CKTPopupBar
{
    DECLARE_DYNCREATE(CKTRibbonSystemPopupBar)
public:
    static const CRect s_rcBorders;

    // The face is the style's whole image: no strip for icons down the side.
    CKTRibbonSystemPopupBar() { SetShowGripper(FALSE); }

    // The popup bar's own layout, then the bottom-row buttons from the right edge leftwards.
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    CRect GetBorders() override { return s_rcBorders; }
    // The style's menu face; opened by a ribbon's system button, that button again over the menu and the second
    // column in the recent-file colour.
    void FillCommandBarEntry(CDC* pDC) override;

protected:
    void DrawOpeningButton(CDC* pDC, CKTRibbonBar* pRibbon);
    CRect SecondColumnRect() const;
    // The opening button stays clickable through the menu.
    afx_msg LRESULT OnNcHitTest(CPoint point);
    DECLARE_MESSAGE_MAP()
};

// A button of the menu's bottom row.
class CKTRibbonControlSystemPopupBarButton : public CKTControlButton
{
    DECLARE_DYNCREATE(CKTRibbonControlSystemPopupBarButton)
public:
    BOOL IsCaptionVisible() const override { return TRUE; }
    CSize GetSize(CDC* pDC) override;
    void Draw(CDC* pDC) override;
    // Small buttons whatever the menu's sizes.
    CSize GetButtonSize() const override { return CSize(22, 22); }
    CSize GetIconSize() const override { return CSize(16, 16); }
};

// One entry of the second column.
class CKTRibbonControlSystemPopupBarListItem : public CKTControlButton
{
    DECLARE_DYNCREATE(CKTRibbonControlSystemPopupBarListItem)
public:
    CKTRibbonControlSystemPopupBarListItem();
    CSize GetSize(CDC*) override { return CSize(m_nWidth, m_nHeight); }
    void Draw(CDC* pDC) override;
};

// The caption over the second column.
class CKTRibbonControlSystemPopupBarListCaption : public CKTControl
{
    DECLARE_DYNCREATE(CKTRibbonControlSystemPopupBarListCaption)
public:
    CKTRibbonControlSystemPopupBarListCaption();
    CSize GetSize(CDC*) override { return CSize(m_nWidth, m_nHeight); }
    void Draw(CDC* pDC) override;
};

// The recent-file caption: expands into one list item per file of the application's list.
class CKTRibbonControlSystemRecentFileList : public CKTRibbonControlSystemPopupBarListCaption
{
    DECLARE_DYNCREATE(CKTRibbonControlSystemRecentFileList)
public:
    void OnCalcDynamicSize(DWORD dwMode) override;
};
