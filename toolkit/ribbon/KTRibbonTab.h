// KTRibbonTab.h: one tab of the ribbon, owning the groups shown under the tab row while it is selected.
//
// Classes: CKTRibbonTab.
#pragma once

#include "KTTabManagerItem.h"

class CKTRibbonBar;

class CKTRibbonTab : public CKTTabManagerItem
{
    DECLARE_DYNCREATE(CKTRibbonTab)
public:
    CKTRibbonTab() = default;

    CKTRibbonBar* GetRibbonBar() const { return m_pRibbonBar; }
    void SetRibbonBar(CKTRibbonBar* pBar) { m_pRibbonBar = pBar; }
    UINT GetID() const { return m_nId; }
    void SetID(UINT nId) { m_nId = nId; }
    // 0 for an ordinary tab.
    COLORREF GetContextColor() const { return m_clrContext; }
    CString GetContextCaption() const { return m_strContextCaption; }
    void SetContextTab(COLORREF clrContext, LPCSTR lpszCaption);

    // Hiding the selected tab moves the selection to the first tab that can take it.
    void SetVisible(BOOL bVisible) override;

private:
    CKTRibbonBar* m_pRibbonBar = NULL;  // not held
    UINT m_nId = 0;
    COLORREF m_clrContext = 0;
    CString m_strContextCaption;
};
