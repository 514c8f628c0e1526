// KTBarSizeTracker.h: moves a tool bar with the mouse, docking or floating it, and resizes a floating one.
//
// Classes: CKTBarSizeTracker.
#pragma once

#include <afxwin.h>

class CKTToolBar;

class CKTBarSizeTracker
{
public:
    explicit CKTBarSizeTracker(CKTToolBar* pBar) : m_pBar(pBar) {}
    virtual ~CKTBarSizeTracker() = default;
    CKTBarSizeTracker(const CKTBarSizeTracker&) = delete;
    CKTBarSizeTracker& operator=(const CKTBarSizeTracker&) = delete;

    // A press on the bar outside its controls, at a screen point: the bar follows the mouse.
    virtual void StartDrag(CPoint pt);
    // A press on a floating bar's edge (an HTLEFT..HTBOTTOMRIGHT code): the edge follows the mouse.
    virtual void StartResize(int nHitTest, CPoint pt);
    // A double click: a docked bar floats where it last floated, a floating one docks where it came from.
    virtual BOOL ToggleDocking();

    CPoint GetFloatingPoint() const { return m_ptFloating; }
    // Where the bar was last docked: its dock bar's position and its rectangle there.
    void SetDocked(int nPosition, const CRect& rcDocked);
    void SetDockedPosition(int nPosition) { m_nDockedPosition = nPosition; }
    CRect GetDockedRect() const { return m_rcDocked; }

protected:
    // The modal loop of a drag or resize; ends when the button goes up or the loop is cancelled. TRUE when the
    // button went up. A cancelled drag leaves the bar where the last move put it; a cancelled resize is undone.
    virtual BOOL Track();

private:
    void OnTrackMessage(const MSG& msg);
    void OnDragMove(CPoint pt);
    void OnResizeMove(CPoint pt);
    void OnResizeBothMove(CPoint pt);
    void FloatAt(CPoint pt);
    // The bar's window rectangle in its dock bar's client coordinates.
    CRect GetRectInDockBar() const;
    // Leaves at least a few pixels of the rectangle inside the work area under the cursor.
    static void KeepOnScreen(CRect& rc);

    CKTToolBar* m_pBar;              // the owner
    static const int kDragging = 1;  // no edge's hit code
    int m_nTrackingMode = 0;         // kDragging while dragging, else the hit code of the edge being sized
    CPoint m_ptLast;
    int m_nDockedPosition = 0;
    CRect m_rcDocked = CRect(0, 0, 0, 0);
    CPoint m_ptFloating = CPoint(0, 0);
    CRect m_rcDrag;
    CRect m_rcWindow;
};
