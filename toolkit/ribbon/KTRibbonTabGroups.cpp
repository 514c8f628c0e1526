// KTRibbonTabGroups.cpp: a tab's groups: adding, copying, and the row's reduction, scrolling and placing.
#include "KTRibbonTabGroups.h"

#include "KTCommandBar.h"
#include "KTCommandBars.h"
#include "KTControl.h"
#include "KTControls.h"
#include "KTRibbonGroup.h"
#include "KTRibbonScrollButton.h"
#include "KTRibbonTab.h"

#include <algorithm>

namespace
{
const int KT_GROUP_GAP = 7;       // between two groups of the row
const int KT_SCROLL_STEP = 40;    // one press of a scroll button
const int KT_SCROLL_BUTTON = 13;  // width of a scroll button
const int KT_LAST_LEVEL = 3;
const int KT_ENSURE_VISIBLE_MARGIN = 12;  // room kept beside a control scrolled into view

int RowWidth(const std::vector<int>& widths)
{
    int nSum = 0;
    for (size_t i = 0; i < widths.size(); i++)
        nSum += widths[i] + (i + 1 < widths.size() && widths[i] != 0 ? KT_GROUP_GAP : 0);
    return nSum;
}
}  // namespace

CKTRibbonGroupsScroller::CKTRibbonGroupsScroller(CKTCommandBar* pBar, CKTRibbonBar* pRibbon)
    : m_pBar(pBar), m_pRibbon(pRibbon)
{
    m_pLeft = pBar->GetControls()->Add(KTMakeCounted<CKTRibbonScrollButton>(this, TRUE), 0);
    m_pRight = pBar->GetControls()->Add(KTMakeCounted<CKTRibbonScrollButton>(this, FALSE), 0);
    m_pLeft->SetHideFlags(ktHideScroll);
    m_pRight->SetHideFlags(ktHideScroll);
}

void CKTRibbonGroupsScroller::ScrollStep(BOOL bLeft)
{
    // A dropped-down tab scrolls in place: only what it opened itself closes.
    if (m_pBar->IsPopupBar())
        m_pBar->SetPopuped(-1);
    else if (CKTCommandBars* pCommandBars = m_pBar->GetCommandBars())
        pCommandBars->ClosePopups();
    const int nOffset = bLeft ? std::max(0, m_nOffset - KT_SCROLL_STEP) : m_nOffset + KT_SCROLL_STEP;
    if (nOffset == m_nOffset)
        return;
    m_nOffset = nOffset;
    m_pBar->OnRecalcLayout();
}

BOOL CKTRibbonGroupsScroller::ScrollIntoView(CRect rcControl, CRect rcGroups)
{
    if (!m_pLeft->IsVisible() && !m_pRight->IsVisible())
        return FALSE;
    int nOffset = m_nOffset;
    if (rcControl.left < rcGroups.left + KT_ENSURE_VISIBLE_MARGIN)
        nOffset -= rcGroups.left + KT_ENSURE_VISIBLE_MARGIN - rcControl.left;
    else if (rcControl.right > rcGroups.right - KT_ENSURE_VISIBLE_MARGIN)
        nOffset += rcControl.right - (rcGroups.right - KT_ENSURE_VISIBLE_MARGIN);
    nOffset = std::max(0, nOffset);
    if (nOffset == m_nOffset)
        return FALSE;
    m_nOffset = nOffset;
    return TRUE;
}

void CKTRibbonGroupsScroller::ShowScrollButtons(BOOL bLeft, BOOL bRight, CRect rcGroups)
{
    auto show = [](CKTControl* pButton, BOOL bShow, CRect rc)
    {
        pButton->SetHideFlag(ktHideScroll, !bShow);
        pButton->SetRect(rc);
    };
    show(m_pLeft, bLeft, CRect(rcGroups.left, rcGroups.top, rcGroups.left + KT_SCROLL_BUTTON, rcGroups.bottom));
    show(m_pRight, bRight, CRect(rcGroups.right - KT_SCROLL_BUTTON, rcGroups.top, rcGroups.right, rcGroups.bottom));
}

CKTRibbonTabGroups::CKTRibbonTabGroups(CKTRibbonTab* pTab) : m_pTab(pTab) {}

CKTRibbonTabGroups::~CKTRibbonTabGroups() { RemoveAll(); }

CKTRibbonGroup* CKTRibbonTabGroups::GetAt(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_groups[nIndex].GetInterface() : NULL;
}

CKTRibbonGroup* CKTRibbonTabGroups::Add(CRuntimeClass* pClass, LPCSTR lpszCaption, UINT nId)
{
    CKTSmartPtr<CKTRibbonGroup> pGroup = CKTRibbonGroup::CreateOfClass(pClass ? pClass : RUNTIME_CLASS(CKTRibbonGroup));
    if (pGroup.IsNull())
        return NULL;
    pGroup->SetCaption(lpszCaption);
    pGroup->SetID(nId);
    return Insert(pGroup, GetCount());
}

CKTRibbonGroup* CKTRibbonTabGroups::Insert(CKTSmartPtr<CKTRibbonGroup> pGroup, int nIndex)
{
    pGroup->m_pGroups = this;
    pGroup->m_pRibbonBar = m_pTab->GetRibbonBar();
    pGroup->m_pParentBar = m_pTab->GetParentBar();
    m_groups.insert(m_groups.begin() + nIndex, pGroup);
    RefreshIndexes();
    pGroup->OnAdded();
    return pGroup;
}

void CKTRibbonTabGroups::RefreshIndexes()
{
    for (size_t i = 0; i < m_groups.size(); i++)
        m_groups[i]->m_nIndex = (int)i;
}

void CKTRibbonTabGroups::RemoveAll()
{
    std::vector<CKTSmartPtr<CKTRibbonGroup>> groups;
    groups.swap(m_groups);
    for (auto& pGroup : groups)
        pGroup->OnRemoved();
}

void CKTRibbonTabGroups::Copy(CKTRibbonTabGroups* pSource)
{
    RemoveAll();
    for (const auto& pFrom : pSource->m_groups)
    {
        CKTSmartPtr<CKTRibbonGroup> pGroup = CKTRibbonGroup::CreateOfClass(pFrom->GetRuntimeClass());
        if (pGroup.IsNull())
            continue;
        Insert(pGroup, GetCount())->Copy(pFrom);
    }
}

CKTRibbonGroup* CKTRibbonTabGroups::HitTest(CPoint pt) const
{
    for (const auto& pGroup : m_groups)
        if (pGroup->IsVisible() && pGroup->GetRect().PtInRect(pt))
            return pGroup;
    return NULL;
}

void CKTRibbonTabGroups::Layout(CDC* pDC, int nWidth, CRect rcMargins, CKTRibbonGroupsScroller* pScroller,
                                CRect rcGroups)
{
    if (m_groups.empty())
    {
        pScroller->ShowScrollButtons(FALSE, FALSE, rcGroups);
        return;
    }
    std::vector<int> widths(m_groups.size(), 0);
    for (auto& pGroup : m_groups)
        if (pGroup->IsVisible())
            pGroup->BeginLayout(pDC);
    for (size_t i = 0; i < m_groups.size(); i++)
        widths[i] = m_groups[i]->IsVisible() ? m_groups[i]->CalcWidth(pDC) : 0;
    const int nAvailable = nWidth - rcMargins.right - rcMargins.left;
    ReduceGroups(pDC, widths, nAvailable);
    int nTotal = -KT_GROUP_GAP;
    for (size_t i = 0; i < m_groups.size(); i++)
        if (m_groups[i]->IsVisible())
            nTotal += widths[i] + KT_GROUP_GAP;
    m_nScrollOffset = nTotal > nAvailable ? std::max(0, std::min(pScroller->GetOffset(), nTotal - nAvailable)) : 0;
    pScroller->ShowScrollButtons(m_nScrollOffset > 0, nTotal - m_nScrollOffset > nAvailable, rcGroups);
    int x = rcMargins.left - m_nScrollOffset;
    for (size_t i = 0; i < m_groups.size(); i++)
    {
        if (!m_groups[i]->IsVisible())
            continue;
        m_groups[i]->PlaceGroup(widths[i], x, rcMargins.top);
        x += widths[i] + KT_GROUP_GAP;
    }
    for (auto& pGroup : m_groups)
        if (pGroup->IsVisible())
            pGroup->EndLayout();
}

// Right to left, one step at a time, always at the lowest level that still has a step.
void CKTRibbonTabGroups::ReduceGroups(CDC* pDC, std::vector<int>& widths, int nAvailable)
{
    if (RowWidth(widths) <= nAvailable)
        return;
    int nLevel = 0;
    while (nLevel <= KT_LAST_LEVEL)
    {
        BOOL bReduced = FALSE;
        for (int i = GetCount() - 1; i >= 0 && !bReduced; i--)
        {
            CKTRibbonGroup* pGroup = m_groups[i];
            if (!pGroup->IsVisible() || !pGroup->ReduceStep(nLevel))
                continue;
            widths[i] = pGroup->CalcWidth(pDC);
            bReduced = TRUE;
        }
        if (!bReduced)
        {
            nLevel++;
            continue;
        }
        if (RowWidth(widths) <= nAvailable)
            return;
        nLevel = 0;
    }
}
