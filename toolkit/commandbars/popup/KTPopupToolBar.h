// KTPopupToolBar.h: a popup laid out like a toolbar, its buttons wrapping at its width: palette-like drop-downs.
//
// Classes: CKTPopupToolBar.
#pragma once

#include "KTPopupBar.h"

class CKTPopupToolBar : public CKTPopupBar
{
    DECLARE_DYNCREATE(CKTPopupToolBar)
public:
    CKTPopupToolBar();

    // A fresh popup toolbar of the command bars, held by the caller.
    static CKTSmartPtr<CKTPopupToolBar> CreatePopupToolBar(CKTCommandBars* pCommandBars);
    // Rows as wide as the bar's remembered width (SetMRUWidth).
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
};
