// KTToolBarCloseButton.h: the button in a floating tool bar's caption that hides the bar.
//
// Classes: CKTToolBarCloseButton.
#pragma once

#include "KTControlButton.h"

class CKTToolBarCloseButton : public CKTControlButton
{
    DECLARE_DYNCREATE(CKTToolBarCloseButton)
public:
    CKTToolBarCloseButton();

    // The bar's close button, made (temporary) when it has none.
    static CKTControl* FindOrCreate(CKTCommandBar* pBar);
    BOOL IsCaptionVisible() const override { return FALSE; }
    void Draw(CDC* pDC) override;
    void OnExecute() override;
};
