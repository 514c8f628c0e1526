// KTToolBarExpandButton.h: the button at the end of a tool bar that shows what did not fit.
//
// Classes: CKTToolBarExpandButton.
#pragma once

#include "KTControlPopup.h"

class CKTToolBarExpandButton : public CKTControlPopup
{
    DECLARE_DYNCREATE(CKTToolBarExpandButton)
public:
    CKTToolBarExpandButton();

    // The bar's expand button, made (temporary, with its popup) when it has none.
    static CKTControl* FindOrCreate(CKTCommandBar* pBar);
    // Fills the popup with the bar's clipped controls and its bar list before it opens.
    BOOL OnSetPopup(BOOL bPopup) override;
    // The caption names the button for tips only: its strip is too narrow for text.
    BOOL IsCaptionVisible() const override { return FALSE; }
    // The paint manager's expand glyph, with the mark for hidden buttons when the bar clipped some.
    void Draw(CDC* pDC) override;
};
