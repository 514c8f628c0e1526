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
    // The row in a dock bar; controls that do not fit go behind the expand button.
    virtual CSize CalcDockingLayout(int nLength, DWORD dwMode);
    void OnRecalcLayout() override;
    BOOL IsTextBelowIcons() const override;
    CKTDockBar* GetDockBar() const { return m_pDockBar; }
    void SetDockBar(CKTDockBar* pDockBar) { m_pDockBar = pDockBar; }

protected:
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

    CRect GetRowBorders();

    CKTDockBar* m_pDockBar = NULL;  // the dock bar that holds the bar
    BOOL m_bExpandButtonAllowed = TRUE;
};
