// KTBarScrollBar.h: a scroll bar drawn inside a bar element and driven by the bar window's mouse: its layout from
// the owner's scroll data, its hit test and its press-and-hold loop.
//
// Classes: CKTBarScrollBar. Types: KT_SCROLLBARPOSINFO.
#pragma once

#include <afxwin.h>

class CKTCommandBar;
class CKTGalleryPaintManager;

// Where the parts of the bar lie, along its axis (y of a vertical bar, x of a horizontal one).
struct KT_SCROLLBARPOSINFO
{
    int posMin = 0, posMax = 0, page = 0, pos = 0;
    int pxTop = 0, pxBottom = 0;  // the bar's extent along its axis
    int pxLeft = 0, pxRight = 0;  // across it
    int cpxThumb = 0;
    int pxUpArrow = 0;    // end of the up arrow
    int pxDownArrow = 0;  // start of the down arrow
    int pxStart = 0;      // thumb position when a drag began
    int pxThumbBottom = 0, pxThumbTop = 0;
    int pxPopup = 0;  // start of the popup button; 0 without one
    int cpx = 0;      // travel of the thumb
    int pxMin = 0;    // first pixel of the track
    CRect rc;
    int ht = 0;  // the hot part
    BOOL fVert = TRUE;
};

// The parts the hit test names.
enum KTScrollBarPart
{
    ktScrollNowhere = 0,
    ktScrollUpArrow = 60,
    ktScrollDownArrow = 61,
    ktScrollPageUp = 62,
    ktScrollPageDown = 63,
    ktScrollThumb = 64,
    ktScrollPopup = 65,
};

class CKTBarScrollBar
{
public:
    virtual ~CKTBarScrollBar();

    virtual BOOL IsScrollBarEnabled() const = 0;
    virtual CKTCommandBar* GetParentCommandBar() const = 0;
    // In the bar window's client coordinates.
    virtual CRect GetScrollBarRect() = 0;
    virtual void GetScrollInfo(SCROLLINFO* pSI) = 0;
    virtual void DoScroll(int nCode, int nPos) = 0;
    virtual void RedrawScrollBar() = 0;
    // The standard layout: arrows at the ends, the thumb scaled to the page.
    virtual void CalcScrollBarPosInfo(CRect rc, KT_SCROLLBARPOSINFO* pInfo, const SCROLLINFO& si);
    virtual CKTGalleryPaintManager* GetGalleryPaintManager() const = 0;

    void CalcScrollBar();
    int HitTestScrollBar(CPoint pt) const;
    // The scroll position a thumb at that pixel stands for.
    int PosFromPx(int px) const;
    // Runs a press on the bar until the button is released or the loop is cancelled; with bDirect a page press
    // drags the thumb from the cursor.
    void PerformTrackInit(HWND hWnd, CPoint pt, BOOL bDirect);
    const KT_SCROLLBARPOSINFO& GetPosInfo() const { return m_spi; }
    // The look: 0 takes it from the theme.
    int GetScrollBarStyle() const;
    void SetScrollBarStyle(int nStyle) { m_nStyle = nStyle; }
    // The part held down while the cursor stays on it or drags the thumb; 0 for none.
    int GetPressedPart() const;
    // The part under the cursor while nothing is held.
    int GetHotPart() const { return m_pTracking ? 0 : m_spi.ht; }
    void SetHotPart(int nPart) { m_spi.ht = nPart; }

protected:
    struct CTracking;
    // The part under the press, the rectangle that keeps it held, and what it repeats.
    void PickPressedPart(int px);
    // A press on the thumb, or a direct one on a page: the thumb follows the cursor; FALSE when it has no room.
    BOOL BeginThumbDrag(int px, BOOL bPage);
    void RunTrackLoop(HWND hWnd, CPoint pt);
    void EndTracking(HWND hWnd, BOOL bDrag, int nPos);
    // Whether the point keeps the pressed part held; the part is redrawn when that changes.
    BOOL TrackInside(CPoint pt);
    void OnPartMessage(const MSG& msg);
    void OnDragMessage(const MSG& msg);
    void MoveThumbTo(int px);
    int AxisOf(CPoint pt) const { return m_spi.fVert ? pt.y : pt.x; }
    // The pressed page area follows the thumb.
    void UpdatePressedRect();

    KT_SCROLLBARPOSINFO m_spi;
    CTracking* m_pTracking = NULL;  // only while the button is held on the bar
    int m_nStyle = 0;               // 0: from the theme
};
