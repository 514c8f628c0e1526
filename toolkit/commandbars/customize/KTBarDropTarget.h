// KTBarDropTarget.h: a bar as the target of a control dragged while customising: where the control would land,
// the marker that shows it, and the drop.
//
// Classes: CKTBarDropTarget.
#pragma once

#include <afxwin.h>

class CKTCommandBar;
class CKTControl;

// Held by each bar; the drop source hands it the drag, and the bar's painting draws the marker.
class CKTBarDropTarget
{
public:
    explicit CKTBarDropTarget(CKTCommandBar* pBar) : m_pBar(pBar) {}

    // A control dragged over the bar: whether the bar takes it; while over it the marker shows where it would
    // land, and dropped it is cloned there. The effect (KTCustomizeDropEffect) may be changed by the drop.
    BOOL OnDragEnter(CKTControl* pDragged, CPoint pt);
    void OnDragOver(CKTControl* pDragged, CPoint pt);
    void OnDragLeave() { Set(-1, CRect(0, 0, 0, 0)); }
    void OnDrop(CKTControl* pDragged, int& nEffect, CPoint ptDrop, CPoint ptStart);
    // The control index a drop inserts at; -1 while nothing is dragged over the bar.
    int GetIndex() const { return m_nIndex; }
    // Where the marker stands in the bar's client area; empty while nothing is dragged over the bar.
    CRect GetMarker() const { return m_rcMarker; }
    void DrawMarker(CDC* pDC) const;

private:
    // The insertion index for a point and the marker that shows it.
    int Find(CPoint pt, CRect& rcMarker) const;
    void Set(int nIndex, const CRect& rcMarker);

    CKTCommandBar* m_pBar;  // the owner
    CRect m_rcMarker = CRect(0, 0, 0, 0);
    int m_nIndex = -1;
};
