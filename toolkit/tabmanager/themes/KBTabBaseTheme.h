// KBTabBaseTheme.h: the default look of the themed tab control: the common control's own tabs, or visual-style
// and classic edges where it draws them itself; the base of the other two looks.
//
// Classes: CKBTabBaseTheme.
#pragma once

#include <afxwin.h>

#include "KBThemeManager.h"
#include "KTWinThemeWrapper.h"

class CKBTabCtrlItem;

// Where the tabs stand, from the control style.
enum KBTabPosition
{
    kbTabTop = 0,
    kbTabBottom = 0x2,
    kbTabLeft = 0x80,
    kbTabRight = 0x82
};

class CKBTabBaseTheme : public CKBThemeManagerStyle
{
public:
    // Arrow-window buttons.
    enum
    {
        kbButtonClose,
        kbButtonLeft,
        kbButtonRight
    };
    // Arrow-window button states.
    enum
    {
        kbButtonDisabled = 0x100,
        kbButtonPressed = 0x1000,
        kbButtonHot = 0x4000
    };

    explicit CKBTabBaseTheme(int nTheme);

    static int PositionOf(DWORD dwStyle) { return int(dwStyle & (TCS_VERTICAL | TCS_BOTTOM)); }

    void RefreshMetrics() override;
    // The common control paints itself in this look.
    virtual BOOL PaintsNatively(DWORD dwStyle) const;
    virtual BOOL DrawsChildFrame() const { return FALSE; }
    virtual BOOL ShowsArrows() const { return FALSE; }
    // The frame drawn around the whole control before the tabs.
    virtual void DrawControlBorder(CDC* pDC, const CRect& rcClient);
    virtual void DrawHeader(CDC* pDC, const CRect& rcHeader, int nPosition, const CRect& rcClient);
    virtual void DrawTab(CDC* pDC, const CRect& rcTab, BOOL bSelected, int nPosition, const CRect& rcClient);
    // A tab joined the control; its record is the theme's to fill.
    virtual void OnItemInserted(CKBTabCtrlItem&) {}
    // The frame around the display area, grown by one pixel.
    virtual void DrawChildFrame(CDC*, const CRect&) {}
    // Fills the arrow window; returns the colour of the glyphs.
    virtual COLORREF DrawArrowBackground(CDC*, const CRect&, DWORD) { return m_clrTextNormal; }
    void DrawArrowButton(CDC* pDC, const CRect& rc, DWORD dwState, int nButton, COLORREF clrGlyph) const;

    COLORREF m_clrPage = 0;
    COLORREF m_clrTextNormal = 0;
    COLORREF m_clrTextSelected = 0;
    int m_nBorderWidth = 2;

protected:
    BOOL IsStyled() const;
    static void DrawLine(CDC* pDC, int x, int y, int cx, int cy, COLORREF clr)
    {
        pDC->FillSolidRect(x, y, cx, cy, clr);
    }

    CKTWinThemeWrapper m_themeTab;
    BOOL m_bUseVisualStyles = TRUE;

private:
    void DrawClassicTab(CDC* pDC, CRect rc, BOOL bSelected, int nPosition) const;
    // The styled tab as it would stand on top, turned to its side.
    void DrawStyledTab(CDC* pDC, const CRect& rcTab, BOOL bSelected, int nPosition);
};
