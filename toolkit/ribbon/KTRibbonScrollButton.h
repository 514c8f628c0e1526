// KTRibbonScrollButton.h: a button at one end of the groups row that scrolls it while held.
//
// Classes: CKTRibbonScrollButton.
#pragma once

#include "KTControlButton.h"

class CKTRibbonGroupsScroller;

class CKTRibbonScrollButton : public CKTControlButton
{
public:
    CKTRibbonScrollButton(CKTRibbonGroupsScroller* pScroller, BOOL bLeft);

    BOOL IsLeft() const { return m_bLeft; }
    CSize GetSize(CDC*) override { return m_rcControl.Size(); }
    void Draw(CDC* pDC) override;
    // Scrolls once, then again and again while the button is held.
    void OnClick(BOOL bKeyboard = FALSE, CPoint pt = CPoint(0, 0)) override;

private:
    CKTRibbonGroupsScroller* m_pScroller;  // the owner
    BOOL m_bLeft;
};
