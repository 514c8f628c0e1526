// KTRibbonBar.h: the menu bar shown as a ribbon: a caption strip, a row of tabs and the selected tab's groups.
//
// Classes: CKTRibbonBar.
#pragma once

#include "KTControl.h"
#include "KTMenuBar.h"
#include "KTRibbonContextHeaders.h"
#include "KTRibbonPainter.h"
#include "KTRibbonTabGroups.h"

class CKTRibbonControlTab;

// What the tab row tells its site about a tab change.
struct KT_NMRIBBONTAB : KT_NMCONTROL
{
    CKTRibbonTab* pTab;
};
class CKTRibbonTab;

// The control ids the ribbon keeps for itself.
const int KT_ID_RIBBONCONTROLTAB = 9604;

// Hide flags the ribbon sets on controls, beside those of every bar.
const DWORD KT_HIDE_RIBBONTAB = 0x80;  // a control of another tab's group, or of a minimised ribbon

class CKTRibbonBar : public CKTMenuBar
{
    DECLARE_DYNCREATE(CKTRibbonBar)
public:
    CKTRibbonBar();
    ~CKTRibbonBar() override;

    CKTRibbonControlTab* GetControlTab() const { return m_pControlTab; }
    CKTRibbonTab* AddTab(LPCSTR lpszCaption, UINT nId = 0);
    CKTRibbonTab* GetSelectedTab() const;
    CKTRibbonGroupsScroller* GetGroupsScroller() { return &m_scroller; }
    // Shows the controls of the tab's groups and hides those of the other tabs' (all for NULL).
    void ShowTabGroups(CKTRibbonTab* pTab);
    // The ribbon operations of the paint manager, or the plain stand-in when it has none.
    IKTRibbonPainter* GetRibbonPainter() const;

    // Sizes.
    virtual int GetTabsHeight() const;
    virtual int GetGroupsHeight() const;
    virtual int CalcGroupHeight() const;
    int GetCaptionHeight() const;
    int GetMinimumWidth() const { return m_nMinWidth; }
    void SetGroupsHeight(int nHeight) { m_nFixedGroupHeight = nHeight; }

    // States read by the drawing.
    BOOL IsRibbonShown() const { return m_bShown; }
    BOOL IsCaptionVisible() const { return m_bCaptionVisible; }
    void SetCaptionVisible(BOOL bVisible);
    BOOL IsSystemButtonVisible() const { return m_bTabsVisible; }
    void SetTabsVisible(BOOL bVisible);
    BOOL IsRibbonVisible() const { return m_bRibbonVisible; }
    void SetRibbonVisible(BOOL bVisible);
    BOOL IsGroupsVisible() const;
    BOOL IsRibbonMinimized() const { return m_bMinimized; }
    void SetMinimized(BOOL bMinimized);
    BOOL IsMinimizeAllowed() const { return m_bMinimizeAllowed; }
    void SetMinimizeAllowed(BOOL bAllowed) { m_bMinimizeAllowed = bAllowed; }

    // TCN_SELCHANGING to the site; non-zero cancels the change.
    virtual LRESULT OnTabChanging(CKTRibbonTab* pTab);
    // TCN_SELCHANGE to the site.
    virtual void OnTabChanged(CKTRibbonTab* pTab);

    CRect GetTabRowRect() const { return m_rcTabRow; }
    CRect GetGroupsRect() const { return m_rcGroups; }
    CRect GetCaptionRect() const { return m_rcCaption; }
    // The headers over the context tabs, placed in the caption by each layout.
    const CKTRibbonContextHeaders& GetContextHeaders() const { return m_contextHeaders; }

    CSize CalcDockingLayout(int nLength, DWORD dwMode) override;
    void DrawCommandBar(CDC* pDC, CRect rcClipBox) override;
    void OnRemoved() override;
    BOOL IsRibbonBar() const override { return TRUE; }

protected:
    afx_msg LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    LRESULT NotifyTabChange(int nCode, CKTRibbonTab* pTab);
    void Layout(int nWidth, int nHeight);
    void LayoutGroups(CDC* pDC);
    void DrawGroups(CDC* pDC, CRect rcClipBox);

    CKTRibbonGroupsScroller m_scroller;
    CKTRibbonContextHeaders m_contextHeaders;
    CRect m_rcTabRow, m_rcGroups, m_rcCaption;
    BOOL m_bShown = TRUE;
    BOOL m_bRibbonVisible = TRUE;
    BOOL m_bTabsVisible = TRUE;
    BOOL m_bMinimized = FALSE;
    BOOL m_bCaptionVisible = TRUE;
    BOOL m_bUpdatePending = FALSE;
    BOOL m_bMinimizeAllowed = TRUE;
    int m_nMinWidth = 250;
    int m_nFixedGroupHeight = 0;                // 0 computes it
    CKTRibbonControlTab* m_pControlTab = NULL;  // one of the bar's controls
    mutable CKTRibbonPlainPainter m_plainPainter;
};
