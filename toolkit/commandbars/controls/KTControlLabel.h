// KTControlLabel.h: a caption on a bar that is never hot and runs nothing.
//
// Classes: CKTControlLabel.
#pragma once

#include "KTControl.h"

class CKTControlLabel : public CKTControl
{
    DECLARE_DYNCREATE(CKTControlLabel)
public:
    CKTControlLabel();

    BOOL OnSetSelected(int nSelected) override { return FALSE; }
    void OnExecute() override {}
    void OnClick(BOOL bKeyboard = FALSE, CPoint pt = CPoint(0, 0)) override;
};
