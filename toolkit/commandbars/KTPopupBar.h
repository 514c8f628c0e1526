// KTPopupBar.h: the bar a popup control opens.
//
// Classes: CKTPopupBar.
#pragma once

#include "KTCommandBar.h"

class CKTPopupBar : public CKTCommandBar
{
    DECLARE_DYNCREATE(CKTPopupBar)
public:
    CKTPopupBar();

    // A fresh popup bar of the command bars, held by the caller.
    static CKTSmartPtr<CKTPopupBar> CreatePopupBar(CKTCommandBars* pCommandBars);
    BOOL IsPopupBar() const override { return TRUE; }
    CKTCommandBar* GetParentCommandBar() const override;
    void SetOpeningControl(CKTControl* pControl) { m_pControlPopup = pControl; }
    CKTControl* GetOpeningControl() const { return m_pControlPopup; }

protected:
    CKTControl* m_pControlPopup = NULL;  // the control that opens the bar; not held
};
