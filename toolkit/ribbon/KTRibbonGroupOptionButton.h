// KTRibbonGroupOptionButton.h: the small button at the right of a group's caption; it runs the group's id.
//
// Classes: CKTRibbonGroupOptionButton.
#pragma once

#include "KTControlButton.h"

class CKTRibbonGroupOptionButton : public CKTControlButton
{
    DECLARE_DYNCREATE(CKTRibbonGroupOptionButton)
public:
    CKTRibbonGroupOptionButton();

    CSize GetSize(CDC* pDC) override;
    void Draw(CDC* pDC) override;
    // An arrow only: the group's caption it carries shows nowhere, so no letter runs it.
    BOOL IsDrawnByItself() const override { return TRUE; }

private:
    // Through the painter of its group's ribbon; FALSE when it has no group to ask.
    BOOL Paint(CDC* pDC, BOOL bDraw, CSize& sz);
};
