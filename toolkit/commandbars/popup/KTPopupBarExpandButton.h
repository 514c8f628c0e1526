// KTPopupBarExpandButton.h: the row at the bottom of a personalised menu that shows its rarely used commands.
//
// Classes: CKTPopupBarExpandButton.
#pragma once

#include "KTControlButton.h"

class CKTPopupBarExpandButton : public CKTControlButton
{
    DECLARE_DYNCREATE(CKTPopupBarExpandButton)
public:
    CKTPopupBarExpandButton();

    // Expands the popup that holds it instead of running a command.
    void OnExecute() override;
    void Draw(CDC* pDC) override;
};
