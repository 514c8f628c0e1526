// KTControlButton.h: the plain command button and menu item.
//
// Classes: CKTControlButton.
#pragma once

#include "KTControl.h"

class CKTControlButton : public CKTControl
{
    DECLARE_DYNCREATE(CKTControlButton)
public:
    CKTControlButton() { m_nType = ktControlButton; }

    void OnClick(BOOL bKeyboard = FALSE, CPoint pt = CPoint(0, 0)) override;
    void OnLButtonUp(CPoint pt) override;
    void DoPropExchange(CKTPropExchange* pPX) override;
};
