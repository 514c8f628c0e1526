// KTControlsGroupLayout.cpp: groups of large and stacked small controls in one row, reduced step by step to fit.
#include "KTControlsGroupLayout.h"

#include "KTCommandBarsDefs.h"
#include "KTControl.h"

#include <algorithm>

namespace
{
const size_t KT_SMALL_PER_COLUMN = 3;

BOOL IsLarge(const KT_LAYOUTRECORD* r) { return r->pControl->GetStyle() == ktButtonIconAndCaptionBelow; }

BOOL HasIcon(const KT_LAYOUTRECORD* r) { return r->pControl->GetImage(r->pControl->GetIconSize().cx) != NULL; }

// A small control that still shows its caption beside an icon.
BOOL IsCaptioned(const KT_LAYOUTRECORD* r) { return r->pControl->GetStyle() == ktButtonIconAndCaption && HasIcon(r); }

BOOL StartsGroup(const std::vector<KT_LAYOUTRECORD*>& visible, size_t i)
{
    return i > 0 && visible[i]->pControl->GetBeginGroup();
}

// One column of the row: a large control, or up to three small ones of one group.
struct KT_GROUPCOLUMN
{
    std::vector<KT_LAYOUTRECORD*> records;
    int nGap = 0;  // before the column: the gap between groups when it starts one
    BOOL bLarge = FALSE;

    int Width() const
    {
        int cx = 0;
        for (const KT_LAYOUTRECORD* r : records)
            cx = std::max<int>(cx, r->sz.cx);
        return cx;
    }
    int Height() const
    {
        int cy = 0;
        for (const KT_LAYOUTRECORD* r : records)
            cy += r->sz.cy;
        return cy;
    }
};

std::vector<KT_GROUPCOLUMN> Columns(const std::vector<KT_LAYOUTRECORD*>& visible, int nGroupGap)
{
    std::vector<KT_GROUPCOLUMN> columns;
    for (size_t i = 0; i < visible.size(); i++)
    {
        const BOOL bNewGroup = StartsGroup(visible, i);
        const BOOL bLarge = IsLarge(visible[i]);
        if (bLarge || bNewGroup || columns.empty() || columns.back().bLarge ||
            columns.back().records.size() == KT_SMALL_PER_COLUMN)
        {
            columns.emplace_back();
            columns.back().nGap = bNewGroup ? nGroupGap : 0;
            columns.back().bLarge = bLarge;
        }
        columns.back().records.push_back(visible[i]);
    }
    return columns;
}

// The last group holding a record that passes the test, from the group's start.
template <class TTest>
std::vector<KT_LAYOUTRECORD*> LastGroupWith(const std::vector<KT_LAYOUTRECORD*>& visible, TTest test)
{
    std::vector<KT_LAYOUTRECORD*> group, found;
    for (size_t i = 0; i <= visible.size(); i++)
    {
        if (i == visible.size() || StartsGroup(visible, i))
        {
            if (std::any_of(group.begin(), group.end(), test))
                found = group;
            group.clear();
        }
        if (i < visible.size())
            group.push_back(visible[i]);
    }
    return found;
}

// The controls that pass the test in the last group holding one take the style; FALSE when no group holds one.
template <class TTest>
BOOL RestyleLastGroupWith(const std::vector<KT_LAYOUTRECORD*>& visible, TTest test, int nStyle)
{
    const std::vector<KT_LAYOUTRECORD*> group = LastGroupWith(visible, test);
    for (KT_LAYOUTRECORD* r : group)
        if (test(r))
            r->pControl->SetStyle(nStyle);
    return !group.empty();
}
}  // namespace

CSize CKTGroupLayout::Start()
{
    StartLarge();
    Measure();
    return Position();
}

BOOL CKTGroupLayout::ReduceOnce(KTReduction nKind, CSize& szExtent)
{
    const BOOL bDone = nKind == ktReduceRunOfThree   ? ShrinkRunOfThree()
                       : nKind == ktReduceLargeGroup ? ShrinkLastLargeGroup()
                                                     : DropLastCaptions();
    if (!bDone)
        return FALSE;
    m_bReduced = TRUE;
    Measure();
    szExtent = Position();
    return TRUE;
}

CSize CKTGroupLayout::Fit(int nLength, BOOL bHideOverflow)
{
    CSize sz = Start();
    while (sz.cx > nLength && Reduce())
    {
        m_bReduced = TRUE;
        Measure();
        sz = Position();
    }
    if (sz.cx > nLength && bHideOverflow && HideOverflow(nLength))
    {
        m_bReduced = TRUE;
        sz = Position();
    }
    return sz;
}

// Every control starts as large as it can show: its icon above its caption when it has one.
void CKTGroupLayout::StartLarge()
{
    for (KT_LAYOUTRECORD* r : Visible())
        r->pControl->SetStyle(HasIcon(r) ? ktButtonIconAndCaptionBelow : ktButtonIconAndCaption);
}

// One step smaller, from the end of the row: large controls go small, then small ones drop their captions.
BOOL CKTGroupLayout::Reduce() { return ShrinkRunOfThree() || ShrinkLastLargeGroup() || DropLastCaptions(); }

// The last three large controls in a row within one group become one column of small ones.
BOOL CKTGroupLayout::ShrinkRunOfThree()
{
    const std::vector<KT_LAYOUTRECORD*> visible = Visible();
    for (size_t i = visible.size(); i-- > 0;)
    {
        if (i + KT_SMALL_PER_COLUMN > visible.size())
            continue;
        BOOL bRun = TRUE;
        for (size_t k = 0; k < KT_SMALL_PER_COLUMN && bRun; k++)
            bRun = IsLarge(visible[i + k]) && (k == 0 || !StartsGroup(visible, i + k));
        if (!bRun)
            continue;
        for (size_t k = 0; k < KT_SMALL_PER_COLUMN; k++)
            visible[i + k]->pControl->SetStyle(ktButtonIconAndCaption);
        return TRUE;
    }
    return FALSE;
}

// Large controls left over from runs of three go small a whole group at a time.
BOOL CKTGroupLayout::ShrinkLastLargeGroup() { return RestyleLastGroupWith(Visible(), IsLarge, ktButtonIconAndCaption); }

// Small controls of the last captioned group keep only their icons; a control without an icon keeps its caption.
BOOL CKTGroupLayout::DropLastCaptions() { return RestyleLastGroupWith(Visible(), IsCaptioned, ktButtonIcon); }

// The first control past the length and all after it are hidden; the first control always stays.
BOOL CKTGroupLayout::HideOverflow(int nLength)
{
    const std::vector<KT_LAYOUTRECORD*> visible = Visible();
    auto it = std::find_if(visible.begin() + (visible.empty() ? 0 : 1), visible.end(),
                           [nLength](const KT_LAYOUTRECORD* r) { return r->rc.right > nLength; });
    for (auto hide = it; hide != visible.end(); ++hide)
        (*hide)->bHidden = TRUE;
    return it != visible.end();
}

void CKTGroupLayout::Measure()
{
    for (KT_LAYOUTRECORD* r : Visible())
        r->sz = r->pControl->GetSize(m_pDC);
}

// Columns side by side; large controls take the height of the tallest column, small ones stack from the top.
CSize CKTGroupLayout::Position()
{
    const std::vector<KT_GROUPCOLUMN> columns = Columns(Visible(), m_nGroupGap);
    int nHeight = 0;
    for (const KT_GROUPCOLUMN& column : columns)
        nHeight = std::max(nHeight, column.Height());
    int x = 0;
    for (const KT_GROUPCOLUMN& column : columns)
    {
        x += column.nGap;
        int y = 0;
        for (KT_LAYOUTRECORD* r : column.records)
        {
            r->rc = CRect(CPoint(x, y), column.bLarge ? CSize(r->sz.cx, nHeight) : r->sz);
            y += r->sz.cy;
        }
        x += column.Width();
    }
    return CSize(x, nHeight);
}

std::vector<KT_LAYOUTRECORD*> CKTGroupLayout::Visible() const
{
    std::vector<KT_LAYOUTRECORD*> visible;
    for (KT_LAYOUTRECORD& r : m_records)
        if (r.bVisible && !r.bHidden)
            visible.push_back(&r);
    return visible;
}
