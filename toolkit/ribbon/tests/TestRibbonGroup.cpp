// TestRibbonGroup.cpp: the tests' group layout and reduction steps.
#include "TestRibbonGroup.h"

#include "KTControl.h"

IMPLEMENT_DYNCREATE(CTestRibbonGroup, CKTRibbonGroup)

std::vector<std::pair<int, int>> CTestRibbonGroup::s_reductions;

void CTestRibbonGroup::BeginLayout(CDC*)
{
    ResetLayout();
    for (int i = 0; i < GetCount(); i++)
    {
        const int x = i / 3 * kButton, y = i % 3 * kRowHeight;
        m_records.push_back({GetAt(i), CRect(x, y, x + kButton - 4, y + kRowHeight), CRect()});
    }
}

BOOL CTestRibbonGroup::ReduceStep(int nLevel)
{
    if (m_steps[nLevel] == 0)
        return m_bCollapsible && ReduceToPopup(nLevel);
    m_steps[nLevel]--;
    m_nWidth -= m_nStep;
    s_reductions.push_back({GetIndex(), nLevel});
    return TRUE;
}

void CTestRibbonGroup::Copy(CKTRibbonGroup* pSource)
{
    CKTRibbonGroup::Copy(pSource);
    const auto* pFrom = static_cast<CTestRibbonGroup*>(pSource);
    m_nWidth = pFrom->m_nWidth;
    m_nStep = pFrom->m_nStep;
    m_bCollapsible = pFrom->m_bCollapsible;
}
