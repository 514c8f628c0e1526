// KTDockingPaneTheme4.h: the plain theme with unfilled captions whose free room carries two grip bars.
//
// Classes: CKTDockingPaneTheme4.
#pragma once

#include "KTDockingPaneBandedTheme.h"

class CKTDockingPaneTheme4 : public CKTDockingPaneBandedTheme
{
public:
    CKTDockingPaneTheme4() { m_nCaptionButtonStyle = 1; }

    void DrawCaptionBody(CDC* pDC, CKTDockingPaneNode* pOwner, CRect rc, const CString& strTitle, BOOL bActive,
                         BOOL bVertical) override;

protected:
    // The room after the title (from nNear on) up to the buttons, which end at rc's far edge.
    void DrawGripBars(CDC* pDC, const CRect& rc, int nNear, BOOL bVertical);
};
