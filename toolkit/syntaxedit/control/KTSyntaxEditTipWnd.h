// The syntax-edit control's tooltip: word-wrapped text over the control that hides itself after a while.
// Classes: CKTSyntaxEditTipWnd.
#pragma once

#include "KTTipWnd.h"

class CKTSyntaxEditTipWnd : public CKTTipWnd
{
public:
    enum
    {
        ktShowTime = 5000,  // ms the tip stays up after the last Activate
    };

    CKTSyntaxEditTipWnd();

    virtual BOOL Create(CWnd* pOwner);
    // The tip's top left corner in screen coordinates, taken by the next layout.
    void SetPosition(CPoint ptScreen) { m_ptTopLeft = ptScreen; }
    void Activate(const CString& strText);
    // Up while the pointer stays in rcHot, in the owner's client coordinates.
    void SetHotArea(const CRect& rcHot) { m_rcHot = rcHot; }
    BOOL IsShownFor(const CRect& rcHot) const { return IsShown() && m_rcHot == rcHot; }
    // The pointer now at ptClient: the tip goes once it leaves the area.
    void TrackPointer(CPoint ptClient);

protected:
    // As wide as the text needs, wrapped before the work area's right edge.
    CRect Layout() const;

    CPoint m_ptTopLeft;  // screen position of the tip
    CRect m_rcHot;       // owner's client area the pointer may roam while the tip is up
};
