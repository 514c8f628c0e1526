// KTRibbonGroup.cpp: a group's controls, its placing with spread columns, and its drawing.
#include "KTRibbonGroup.h"

#include "KTCommandBar.h"
#include "KTControl.h"
#include "KTControls.h"
#include "KTDrawObjects.h"
#include "KTPaintManager.h"
#include "KTRibbonBar.h"
#include "KTRibbonTab.h"
#include "KTRibbonTabGroups.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CKTRibbonGroup, CCmdTarget)

CKTRibbonTab* CKTRibbonGroup::GetRibbonTab() const { return m_pGroups ? m_pGroups->GetRibbonTab() : NULL; }

BOOL CKTRibbonGroup::IsVisible() const
{
    if (!m_bVisible)
        return FALSE;
    if (!m_pRibbonBar || m_pParentBar != m_pRibbonBar)
        return TRUE;
    return m_pRibbonBar->GetSelectedTab() == GetRibbonTab();
}

BOOL CKTRibbonGroup::IsHighlighted() const { return m_pRibbonBar && m_pRibbonBar->GetHighlightedGroup() == this; }

void CKTRibbonGroup::SetVisible(BOOL bVisible)
{
    if (m_bVisible == bVisible)
        return;
    m_bVisible = bVisible;
    if (m_pRibbonBar && m_pParentBar == m_pRibbonBar)
    {
        m_pRibbonBar->ShowTabGroups(m_pRibbonBar->GetSelectedTab());
        m_pRibbonBar->OnRecalcLayout();
    }
}

CKTControl* CKTRibbonGroup::AddControl(int nType, int nId)
{
    if (!m_pParentBar)
        return NULL;
    CKTControl* pControl = m_pParentBar->GetControls()->Add(nType, nId);
    if (!pControl)
        return NULL;
    pControl->SetRibbonGroup(this);
    pControl->SetHideFlag(KT_HIDE_RIBBONTAB, !IsVisible());
    MarkJoined(pControl);
    m_controls.push_back(pControl);
    return pControl;
}

void CKTRibbonGroup::SetControlsJoined(BOOL bJoined)
{
    m_bControlsJoined = bJoined;
    for (CKTControl* pControl : m_controls)
        MarkJoined(pControl);
}

void CKTRibbonGroup::MarkJoined(CKTControl* pControl) const
{
    const DWORD dwFlags = pControl->GetFlags() & ~ktFlagJoinedRow;
    pControl->SetFlags(m_bControlsJoined ? dwFlags | ktFlagJoinedRow : dwFlags);
}

void CKTRibbonGroup::RemoveControl(CKTControl* pControl)
{
    auto it = std::find(m_controls.begin(), m_controls.end(), pControl);
    if (it == m_controls.end())
        return;
    pControl->SetRibbonGroup(NULL);
    m_controls.erase(it);
    if (m_pParentBar)
        m_pParentBar->GetControls()->Remove(pControl);
}

CKTControl* CKTRibbonGroup::GetAt(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_controls[nIndex] : NULL;
}

void CKTRibbonGroup::PlaceGroup(int nWidth, int x, int y)
{
    const int nRowHeight = m_pRibbonBar->CalcGroupHeight() - 7;
    const int nCaption = m_pRibbonBar->GetRibbonPainter()->GetGroupCaptionHeight();
    for (KT_RIBBON_LAYOUT_RECORD& r : m_records)
    {
        if (r.bSkip)
            continue;
        r.rcControl.OffsetRect(x + 2, y + 2);
        r.rcClient.SetRect(x, y, x + nWidth, y + nRowHeight - nCaption);
    }
    if (m_bSpread && !m_bSpreadBlocked)
        SpreadColumns(nRowHeight - nCaption - 3);
    SetRect(x, y, x + nWidth + 5, y + nRowHeight);
}

// Each run of records with one left edge is a column; its free height goes in equal gaps around the records.
void CKTRibbonGroup::SpreadColumns(int nClientHeight)
{
    size_t nFirst = 0;
    while (nFirst < m_records.size())
    {
        size_t nEnd = nFirst;
        int nUsed = 0;
        while (nEnd < m_records.size() && !m_records[nEnd].bSkip &&
               m_records[nEnd].rcControl.left == m_records[nFirst].rcControl.left)
            nUsed += m_records[nEnd++].rcControl.Height();
        const int nCount = (int)(nEnd - nFirst);
        const int nFree = nClientHeight - nUsed;
        if (nCount > 0 && nFree > 0)
        {
            const int nGap = nFree / (nCount + 1);
            for (int k = 1; k <= nCount; k++)
                m_records[nFirst + k - 1].rcControl.OffsetRect(0, k * nGap);
        }
        nFirst = std::max(nEnd, nFirst + 1);
    }
}

void CKTRibbonGroup::SetRect(int nLeft, int nTop, int nRight, int nBottom)
{
    m_rcGroup.SetRect(nLeft, nTop, nRight, nBottom);
}

void CKTRibbonGroup::Copy(CKTRibbonGroup* pSource)
{
    m_strCaption = pSource->m_strCaption;
    m_nId = pSource->m_nId;
    m_bVisible = pSource->m_bVisible;
    m_bSpread = pSource->m_bSpread;
    m_bSpreadBlocked = pSource->m_bSpreadBlocked;
    m_bControlsJoined = pSource->m_bControlsJoined;
    if (!m_pParentBar)
        return;
    for (CKTControl* pFrom : pSource->m_controls)
    {
        CKTControl* pControl =
            m_pParentBar->GetControls()->InsertAt(CKTSmartPtr<CKTControl>::Adopt(pFrom->Clone(TRUE)));
        pControl->SetRibbonGroup(this);
        m_controls.push_back(pControl);
    }
}

void CKTRibbonGroup::Draw(CDC* pDC, CRect rcClip)
{
    m_pRibbonBar->GetRibbonPainter()->DrawGroup(pDC, this);
    CKTPaintManager* pPaintManager = m_pParentBar->GetPaintManager();
    for (CKTControl* pControl : m_controls)
    {
        CRect rcPart;
        if (!pControl->IsVisible() || !rcPart.IntersectRect(rcClip, pControl->GetRect()))
            continue;
        CKTFontDC font(pDC, pPaintManager->GetControlFont(pControl, pControl->IsItemDefault()));
        pControl->Draw(pDC);
    }
}

void CKTRibbonGroup::OnAdded() {}

void CKTRibbonGroup::OnRemoved()
{
    while (!m_controls.empty())
        RemoveControl(m_controls.back());
}

void CKTRibbonGroup::BeginLayout(CDC*) { m_records.clear(); }

void CKTRibbonGroup::EndLayout()
{
    for (const KT_RIBBON_LAYOUT_RECORD& r : m_records)
    {
        r.pControl->SetRect(r.rcControl);
        r.pControl->SetRowRect(r.rcClient);
    }
}

int CKTRibbonGroup::CalcWidth(CDC*)
{
    int nWidth = 0;
    for (const KT_RIBBON_LAYOUT_RECORD& r : m_records)
        nWidth = std::max<int>(nWidth, r.rcControl.right);
    return nWidth;
}

BOOL CKTRibbonGroup::ReduceStep(int) { return FALSE; }
