// KTRibbonTabGroups.h: a tab's groups side by side: shrunk step by step, then scrolled, when the row is too narrow.
//
// Classes: CKTRibbonTabGroups, CKTRibbonGroupsScroller.
#pragma once

#include <afxwin.h>

#include "KTSmartPtr.h"

#include <vector>

class CKTCommandBar;
class CKTControl;
class CKTRibbonBar;
class CKTRibbonGroup;
class CKTRibbonTab;

// The groups row's scroll offset and its two scroll buttons, both controls of the bar that shows the row.
class CKTRibbonGroupsScroller
{
public:
    // The buttons are the bar's controls; the ribbon draws them.
    CKTRibbonGroupsScroller(CKTCommandBar* pBar, CKTRibbonBar* pRibbon);
    virtual ~CKTRibbonGroupsScroller() = default;

    int GetOffset() const { return m_nOffset; }
    void SetOffset(int nOffset) { m_nOffset = nOffset; }
    CKTControl* GetScrollButton(BOOL bLeft) const { return bLeft ? m_pLeft : m_pRight; }
    CKTRibbonBar* GetRibbonBar() const { return m_pRibbon; }
    // Moves the offset so that the control lies inside the groups with room beside it, while the row scrolls;
    // TRUE when it moved (the caller lays out again).
    BOOL ScrollIntoView(CRect rcControl, CRect rcGroups);
    // Moves the row one step; re-lays out the bar when the offset changed.
    virtual void ScrollStep(BOOL bLeft);
    // The buttons at the groups rectangle's edges, or hidden.
    virtual void ShowScrollButtons(BOOL bLeft, BOOL bRight, CRect rcGroups);

private:
    int m_nOffset = 0;
    CKTCommandBar* m_pBar;    // the owner
    CKTRibbonBar* m_pRibbon;  // the owner, or the ribbon that opened it
    CKTControl* m_pLeft = NULL;
    CKTControl* m_pRight = NULL;
};

class CKTRibbonTabGroups : public CCmdTarget
{
public:
    explicit CKTRibbonTabGroups(CKTRibbonTab* pTab);
    ~CKTRibbonTabGroups() override;

    CKTRibbonTab* GetRibbonTab() const { return m_pTab; }
    int GetCount() const { return (int)m_groups.size(); }
    CKTRibbonGroup* GetAt(int nIndex) const;
    // A group of the class, at the end.
    CKTRibbonGroup* Add(CRuntimeClass* pClass, LPCSTR lpszCaption, UINT nId);
    void RemoveAll();
    void Copy(CKTRibbonTabGroups* pSource);
    CKTRibbonGroup* HitTest(CPoint pt) const;
    int GetScrollOffset() const { return m_nScrollOffset; }

    // Margins: left and top where the first group goes, right and bottom what the row keeps free.
    void Layout(CDC* pDC, int nWidth, CRect rcMargins, CKTRibbonGroupsScroller* pScroller, CRect rcGroups);
    void ReduceGroups(CDC* pDC, std::vector<int>& widths, int nAvailable);

private:
    CKTRibbonGroup* Insert(CKTSmartPtr<CKTRibbonGroup> pGroup, int nIndex);
    void RefreshIndexes();

    CKTRibbonTab* m_pTab;  // the owner
    std::vector<CKTSmartPtr<CKTRibbonGroup>> m_groups;
    int m_nScrollOffset = 0;
};
