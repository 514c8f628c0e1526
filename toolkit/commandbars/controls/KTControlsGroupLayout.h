// KTControlsGroupLayout.h: a bar's controls laid out as groups: large buttons a column each, small ones stacked.
//
// Classes: CKTGroupLayout; records: KT_LAYOUTRECORD.
#pragma once

#include <afxwin.h>

#include <vector>

class CKTControl;

// One control during a layout.
struct KT_LAYOUTRECORD
{
    CKTControl* pControl;
    CSize sz;
    CRect rc;
    BOOL bVisible;
    BOOL bWrap = FALSE;
    BOOL bHidden = FALSE;
};

// Lays the records out in one row of groups: large controls take the group's height, small ones stack three to a
// column; while the row is too long, the last large controls turn small, then the last small ones lose captions;
// when asked, what still does not fit is hidden.
class CKTGroupLayout
{
public:
    CKTGroupLayout(std::vector<KT_LAYOUTRECORD>& records, int nGroupGap, CDC* pDC)
        : m_records(records), m_nGroupGap(nGroupGap), m_pDC(pDC)
    {
    }

    // Places the records no longer than the length where reducing (or hiding) allows; returns the extent.
    CSize Fit(int nLength, BOOL bHideOverflow);
    // Some control had to be made smaller to fit.
    BOOL IsReduced() const { return m_bReduced; }

    // The reductions one at a time, for a caller that narrows the row step by step.
    enum KTReduction
    {
        ktReduceRunOfThree,   // three large controls in a row become a column of small ones
        ktReduceLargeGroup,   // the large controls of the last group holding one go small
        ktReduceLastCaptions  // the small controls of the last captioned group keep only their icons
    };
    // Every control as large as it can show, placed; returns the extent.
    CSize Start();
    // One reduction of the kind, the controls placed again; FALSE when none of the kind is left.
    BOOL ReduceOnce(KTReduction nKind, CSize& szExtent);

private:
    void StartLarge();
    BOOL Reduce();
    BOOL ShrinkRunOfThree();
    BOOL ShrinkLastLargeGroup();
    BOOL DropLastCaptions();
    BOOL HideOverflow(int nLength);
    void Measure();
    CSize Position();
    std::vector<KT_LAYOUTRECORD*> Visible() const;

    std::vector<KT_LAYOUTRECORD>& m_records;
    int m_nGroupGap;  // between two groups
    CDC* m_pDC;       // measures the controls
    BOOL m_bReduced = FALSE;
};
