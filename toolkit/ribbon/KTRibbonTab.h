// KTRibbonTab.h: one tab of the ribbon, owning the groups shown under the tab row while it is selected.
//
// Classes: CKTRibbonTab.
#pragma once

#include "KTTabManagerItem.h"
#include "KTRibbonTabGroups.h"

class CKTCommandBar;
class CKTRibbonBar;
struct KT_RIBBONCONTEXTHEADER;

class CKTRibbonTab : public CKTTabManagerItem
{
    DECLARE_DYNCREATE(CKTRibbonTab)
public:
    CKTRibbonTab();
    ~CKTRibbonTab() override;

    CKTRibbonTabGroups* GetGroups() const { return m_pGroups; }
    // The first group with the id, NULL for none.
    CKTRibbonGroup* FindGroup(UINT nId) const;
    // The bar that shows the tab's groups: the ribbon, or the popup of a minimised ribbon.
    CKTCommandBar* GetParentBar() const { return m_pParentBar; }
    void SetParentBar(CKTCommandBar* pBar) { m_pParentBar = pBar; }

    CKTRibbonBar* GetRibbonBar() const { return m_pRibbonBar; }
    void SetRibbonBar(CKTRibbonBar* pBar) { m_pRibbonBar = pBar; }
    UINT GetID() const { return m_nId; }
    void SetID(UINT nId) { m_nId = nId; }
    // 0 for an ordinary tab.
    COLORREF GetContextColor() const { return m_clrContext; }
    CString GetContextCaption() const { return m_strContextCaption; }
    void SetContextTab(COLORREF clrContext, LPCSTR lpszCaption);
    // The header over the tab in the caption, set by the ribbon's layout; NULL for none.
    KT_RIBBONCONTEXTHEADER* GetContextHeader() const { return m_pContextHeader; }
    void SetContextHeader(KT_RIBBONCONTEXTHEADER* pHeader) { m_pContextHeader = pHeader; }

    // Hiding the selected tab moves the selection to the first tab that can take it.
    void SetVisible(BOOL bVisible) override;
    void OnRemoved() override;
    // Takes the source's caption, context look, id and ribbon, and copies of its groups.
    virtual void Copy(CKTRibbonTab* pSource);

private:
    CKTSmartPtr<CKTRibbonTabGroups> m_pGroups;
    CKTRibbonBar* m_pRibbonBar = NULL;  // not held
    CKTCommandBar* m_pParentBar = NULL;
    UINT m_nId = 0;
    COLORREF m_clrContext = 0;
    CString m_strContextCaption;
    KT_RIBBONCONTEXTHEADER* m_pContextHeader = NULL;  // the ribbon's
};
