// KTToolBar.h: a bar of buttons docked in a row of a dock bar.
//
// Classes: CKTToolBar.
#pragma once

#include "KTCommandBar.h"

class CKTDockBar;

class CKTToolBar : public CKTCommandBar
{
    DECLARE_DYNCREATE(CKTToolBar)
public:
    CKTToolBar();

    BOOL SetPosition(int nPosition) override;
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    void OnRecalcLayout() override;
    BOOL IsTextBelowIcons() const override;
    CKTDockBar* GetDockBar() const { return m_pDockBar; }
    void SetDockBar(CKTDockBar* pDockBar) { m_pDockBar = pDockBar; }

protected:
    CKTDockBar* m_pDockBar = NULL;  // the dock bar that holds the bar
};
