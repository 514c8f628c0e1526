// TestRibbonGroup.h: the tests' own group: buttons in columns of three, narrowed by steps the test gives it.
//
// Classes: CTestRibbonGroup.
#pragma once

#include "KTRibbonGroup.h"

#include <utility>
#include <vector>

class CTestRibbonGroup : public CKTRibbonGroup
{
    DECLARE_DYNCREATE(CTestRibbonGroup)
public:
    static const int kButton = 36;  // a button's width, and its column's
    static const int kRowHeight = 20;

    int m_nWidth = 100;
    int m_nStep = 20;               // what one reduction takes off the width
    int m_steps[4] = {0, 0, 0, 0};  // reductions left per level
    bool m_bCollapsible = false;    // once its steps are spent, reduced to its popup button as any group
    // Every reduction of every test group: (group index, level).
    static std::vector<std::pair<int, int>> s_reductions;

    void BeginLayout(CDC* pDC) override;
    int CalcWidth(CDC* pDC) override { return IsCollapsed() ? CKTRibbonGroup::CalcWidth(pDC) : m_nWidth; }
    BOOL ReduceStep(int nLevel) override;
    void Copy(CKTRibbonGroup* pSource) override;
};
