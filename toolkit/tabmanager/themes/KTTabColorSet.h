// KTTabColorSet.h: every colour of a tab strip, and the filling of its header, client, tabs and buttons.
//
// Classes: CKTTabColorSet.
#pragma once

#include <afxwin.h>

#include "KTPaintManagerColor.h"

class CKTTabPainter;
class CKTTabManager;
class CKTTabManagerItem;
class CKTTabManagerNavigateButton;

// Six outline colours of a tab, read by the trapezoid look and the docking panes.
struct KT_TAB_EDGE_COLORS
{
    COLORREF clr[6];
};

class CKTTabColorSet
{
public:
    CKTTabColorSet() = default;
    virtual ~CKTTabColorSet() = default;
    CKTTabColorSet(const CKTTabColorSet&) = delete;
    CKTTabColorSet& operator=(const CKTTabColorSet&) = delete;

    virtual void RefreshMetrics();
    virtual void SetTextColor(CDC* pDC, CKTTabManagerItem* pItem);
    virtual void FillHeader(CDC* pDC, CRect rc, CKTTabManager* pManager);
    virtual COLORREF FillClient(CDC* pDC, CRect rc, CKTTabManager* pManager);
    virtual void FillSelectedButton(CDC* pDC, CRect rc, CKTTabManagerItem* pItem);
    virtual COLORREF FillItem(CDC* pDC, CRect rc, CKTTabManagerItem* pItem);
    virtual void ExcludeClientCorner(CDC* pDC, CRect rc, CKTTabManager* pManager);
    virtual void FillNavigateButton(CDC* pDC, CKTTabManagerNavigateButton* pButton, CRect& rc) = 0;
    virtual COLORREF GetItemColor(const CKTTabManagerItem* pItem) const;
    virtual BOOL IsVisualStyle() const { return FALSE; }

    // The colour of an index 0x1000000-0x1000007 stored in a tab.
    virtual COLORREF GetIndexedColor(COLORREF clrIndex) const;
    void SetPainter(CKTTabPainter* pPainter) { m_pPainter = pPainter; }
    void FillGradient(CDC* pDC, CRect rc, COLORREF clrLight, COLORREF clrDark, int nPosition) const;
    void FillGradient(CDC* pDC, CRect rc, const CKTPaintManagerColorGradient& grc, int nPosition) const;

    CKTPaintManagerColorGradient m_clrHeaderFace;
    CKTPaintManagerColorGradient m_clrAutoHideFace;
    CKTPaintManagerColor m_clrFrameBorder;
    CKTPaintManagerColor m_clrClientFace;
    CKTPaintManagerColor m_clrPaneFace;
    CKTPaintManagerColor m_clrTabBorder;
    CKTPaintManagerColor m_clrSelectedTab;
    CKTPaintManagerColor m_clrHotTab;
    CKTPaintManagerColor m_clrPressedTab;
    CKTPaintManagerColor m_clrNormalTab;
    CKTPaintManagerColor m_clrTextNormal;
    CKTPaintManagerColor m_clrTextInactive;
    CKTPaintManagerColor m_clrTextSelected;
    CKTPaintManagerColor m_clrTextHot;
    CKTPaintManagerColor m_clrTextDisabled;
    CKTPaintManagerColorGradient m_clrButtonSelected;
    CKTPaintManagerColorGradient m_clrButtonSelectedBorder;
    CKTPaintManagerColor m_clrTabHighlight;
    CKTPaintManagerColor m_clrTabShadow;
    CKTPaintManagerColor m_clrTabDarkShadow;
    CKTPaintManagerColor m_clrEdgeOuter;
    CKTPaintManagerColor m_clrEdgeMiddle;
    CKTPaintManagerColor m_clrEdgeInner;
    CKTPaintManagerColor m_clrEdgeFace;
    KT_TAB_EDGE_COLORS m_csSelectedEdges = {};
    KT_TAB_EDGE_COLORS m_csNormalEdges = {};

protected:
    // The plain fill of a tab in its colour.
    COLORREF FillItemSolid(CDC* pDC, CRect rc, const CKTTabManagerItem* pItem);
    int GetAppearance() const;
    CKTTabManager* ManagerOf(const CKTTabManagerItem* pItem) const;

    CKTTabPainter* m_pPainter = NULL;  // not owned
};
