// KTTabAppearanceSet.h: the shape of a tab strip: header, row height, client frame and each tab.
//
// Classes: CKTTabAppearanceSet.
#pragma once

#include <afxwin.h>

#include "KTTabLayout.h"

class CKTTabPainter;
class CKTTabManager;
class CKTTabManagerItem;
class CKTTabColorSet;

class CKTTabAppearanceSet
{
public:
    CKTTabAppearanceSet() = default;
    virtual ~CKTTabAppearanceSet() = default;
    CKTTabAppearanceSet(const CKTTabAppearanceSet&) = delete;
    CKTTabAppearanceSet& operator=(const CKTTabAppearanceSet&) = delete;

    virtual void RefreshMetrics();
    virtual CRect GetHeaderRect(CRect rcControl, CKTTabManager* pManager);
    virtual CRect GetClientRect(CRect rcControl, CKTTabManager* pManager);
    virtual CRect GetHeaderMargin() const { return m_rcHeaderMargin; }
    virtual CRect GetClientMargin(const CKTTabManager* pManager) const;
    virtual int GetButtonLength(CDC* pDC, CKTTabManagerItem* pItem);
    virtual int GetButtonHeight(const CKTTabManager* pManager) const;
    virtual CRect GetButtonDrawRect(const CKTTabManagerItem* pItem) const;
    virtual void DrawTabControl(CKTTabManager* pManager, CDC* pDC, CRect rcControl);
    virtual CRect FillClient(CDC* pDC, CRect rcControl, CKTTabManager* pManager);
    // Places the tabs; the header and the scroll offset go into the layout.
    virtual void RepositionTabControl(CKTTabManager* pManager, CDC* pDC, CRect rcControl, KT_TAB_LAYOUT& layout);
    virtual void AdjustClientRect(CKTTabManager* pManager, CRect& rcClient);
    virtual void DrawSingleButton(CDC* pDC, CKTTabManagerItem* pItem);
    // Parts of the MDI workspace frame: 0 the border, 1 the border's room, 2 and 3 the splitters.
    virtual void DrawWorkspacePart(CDC* pDC, LPRECT lpRect, int nPart);
    virtual int GetSupportedColorSets() const { return 1 | 2 | 4 | 8 | 16; }
    virtual int GetDefaultColorSet() const { return 1; }

    void SetPainter(CKTTabPainter* pPainter) { m_pPainter = pPainter; }
    int GetRowSpacing() const { return m_nRowSpacing; }
    int GetTextHeight() const { return m_nTextHeight; }
    BOOL IsLeftToRightOrder() const { return m_bLeftToRightOrder; }

protected:
    CKTTabColorSet* GetColorSet() const;
    // The tab's shape in top co-ordinates, for looks that draw every side through one turned DC.
    virtual void DrawShape(CDC*, CKTTabManagerItem*, CRect) {}
    // The shape turned to the strip's side, then the item's content over it.
    void DrawShapedButton(CDC* pDC, CKTTabManagerItem* pItem);
    // The header, then the client filled and framed in the colours, or one line on its strip side.
    CRect FillFramedClient(CDC* pDC, CRect rcControl, CKTTabManager* pManager, COLORREF clrTopLeft,
                           COLORREF clrBottomRight);
    // The side of the manager's strip.
    int GetPosition(const CKTTabManager* pManager) const;
    // Fills the polygon through the colour set inside a bitmap of its bounding box; returns the fill colour.
    static COLORREF DrawPolygonTab(CDC* pDC, CKTTabManagerItem* pItem, const POINT* pPoints, int nCount,
                                   CKTTabColorSet* pColorSet);
    // The first point is absolute, each further one a step from the one before.
    static void DrawPolyLine(CDC* pDC, COLORREF clr, const POINT* pPoints, int nCount);
    static void DrawLine(CDC* pDC, COLORREF clr, int x1, int y1, int x2, int y2);
    static void DrawEdgeLine(CDC* pDC, const CRect& rc, int nPosition, COLORREF clrNear, COLORREF clrFar);
    static void FillVertical(CDC* pDC, int x, int y, int nHeight, COLORREF clr);
    static void FillHorizontal(CDC* pDC, int x, int y, int nWidth, COLORREF clr);

    CRect m_rcHeaderMargin = CRect(0, 0, 0, 0);  // around the tab row, for the top position
    int m_nRowSpacing = -2;                      // between rows: they overlap by 2 pixels
    int m_nTextHeight = 18;
    CKTTabPainter* m_pPainter = NULL;  // not owned
    BOOL m_bLeftToRightOrder = FALSE;
};
