// KTRibbonSystemPopupBarPage.h: a page of the system menu, opened from one of its commands over the second column.
//
// Classes: CKTRibbonSystemPopupBarPage.
#pragma once

#include "KTPopupBar.h"

class CKTRibbonSystemPopupBar;

class CKTRibbonSystemPopupBarPage : public CKTPopupBar
{
    DECLARE_DYNCREATE(CKTRibbonSystemPopupBarPage)
public:
    // At least as tall as the menu's inside, so that it covers the second column.
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    // Beside the opening command and level with the menu's first row.
    void AdjustExcludeRect(CRect& rc, BOOL bVertical) override;

private:
    // The system menu whose command opened the page; NULL when something else opened it.
    CKTRibbonSystemPopupBar* GetSystemMenu() const;
};
