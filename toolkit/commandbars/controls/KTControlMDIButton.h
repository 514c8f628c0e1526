// KTControlMDIButton.h: a maximised MDI child's minimise, restore or close button on the menu bar.
//
// Classes: CKTControlMDIButton.
#pragma once

#include "KTControlButton.h"

class CKTControlMDIButton : public CKTControlButton
{
    DECLARE_DYNCREATE(CKTControlMDIButton)
public:
    CKTControlMDIButton();

    CString GetTooltip() const override;
    // The buttons keep together at the end of the bar.
    void SetBeginGroup(BOOL) override {}
    CSize GetSize(CDC*) override { return CSize(16, 16); }
    // The button's frame, then its Marlett glyph (the parameter) at the same pixel size at any resolution.
    void Draw(CDC* pDC) override;
    // Asks the active child, not the frame, to minimise, restore or close.
    void OnExecute() override;
};
