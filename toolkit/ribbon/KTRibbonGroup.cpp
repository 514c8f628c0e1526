// KTRibbonGroup.cpp: a group's controls, its placing with spread columns, and its drawing.
#include "KTRibbonGroup.h"

#include "KTCommandBar.h"
#include "KTCommandBarsDefs.h"
#include "KTControl.h"
#include "KTControls.h"
#include "KTDrawObjects.h"
#include "KTPaintManager.h"
#include "KTRibbonBar.h"
#include "KTRibbonGroupControlPopup.h"
#include "KTRibbonGroupOptionButton.h"
#include "KTRibbonTab.h"
#include "KTRibbonTabGroups.h"

#include <algorithm>
#include <utility>

IMPLEMENT_DYNCREATE(CKTRibbonGroup, CCmdTarget)

namespace
{
const int KT_COLLAPSE_LEVEL = 3;       // the last reduction level
const int KT_OPTION_BUTTON_INSET = 3;  // between the option button and the group's right edge
const int KT_CONTROL_GROUP_GAP = 4;    // before a control that begins a group of the group's controls
const int KT_GROUP_RECT_EXTRA = 5;     // a placed group's rectangle is this much wider than its width
const int KT_GROUP_ROW_MARGIN = 7;     // the groups row is this much taller than a group
const int KT_GROUP_CLIENT_FOOT = 3;    // between the controls' client height and the caption
const int KT_GROUP_CONTROL_INSET = 2;  // between the group's corner and its controls
}  // namespace

CKTSmartPtr<CKTRibbonGroup> CKTRibbonGroup::CreateOfClass(CRuntimeClass* pClass)
{
    CObject* pObject = pClass->CreateObject();
    CKTSmartPtr<CKTRibbonGroup> pGroup = CKTSmartPtr<CKTRibbonGroup>::Adopt(dynamic_cast<CKTRibbonGroup*>(pObject));
    if (pGroup.IsNull())
        delete pObject;
    return pGroup;
}

CKTSmartPtr<CKTRibbonGroup> CKTRibbonGroup::CreateCopy(CKTRibbonGroup* pSource, CKTCommandBar* pParentBar)
{
    CKTSmartPtr<CKTRibbonGroup> pCopy = CreateOfClass(pSource->GetRuntimeClass());
    if (pCopy.IsNull())
        return pCopy;
    // The copy finds its tab, and so its colours, through the source's collection, which does not hold it.
    pCopy->m_pGroups = pSource->m_pGroups;
    pCopy->m_pRibbonBar = pSource->m_pRibbonBar;
    pCopy->m_pParentBar = pParentBar;
    pCopy->OnAdded();
    pCopy->Copy(pSource);
    return pCopy;
}

// The popup button names the group: its copies on the quick access toolbar keep the name.
void CKTRibbonGroup::SetCaption(LPCSTR lpszCaption)
{
    m_strCaption = lpszCaption;
    for (CKTControl* pOwn : GetOwnControls())
        pOwn->SetCaption(lpszCaption);
}

void CKTRibbonGroup::SetID(UINT nId)
{
    m_nId = nId;
    for (CKTControl* pOwn : GetOwnControls())
        pOwn->SetID(nId);
}

std::vector<CKTControl*> CKTRibbonGroup::GetOwnControls() const
{
    std::vector<CKTControl*> own;
    for (CKTControl* pOwn : {static_cast<CKTControl*>(m_pControlPopup), m_pOptionButton})
        if (pOwn)
            own.push_back(pOwn);
    return own;
}

CKTRibbonTab* CKTRibbonGroup::GetRibbonTab() const { return m_pGroups ? m_pGroups->GetRibbonTab() : NULL; }

BOOL CKTRibbonGroup::IsVisible() const
{
    if (!m_bVisible)
        return FALSE;
    if (!m_pRibbonBar || m_pParentBar != m_pRibbonBar)
        return TRUE;
    return m_pRibbonBar->GetSelectedTab() == GetRibbonTab();
}

BOOL CKTRibbonGroup::IsOnRibbon() const { return m_pRibbonBar && m_pParentBar == m_pRibbonBar; }

BOOL CKTRibbonGroup::IsHighlighted() const { return m_pRibbonBar && m_pRibbonBar->GetHighlightedGroup() == this; }

void CKTRibbonGroup::SetVisible(BOOL bVisible)
{
    if (m_bVisible == bVisible)
        return;
    m_bVisible = bVisible;
    if (IsOnRibbon())
    {
        m_pRibbonBar->ShowTabGroupsUpdated(m_pRibbonBar->GetSelectedTab());
        m_pRibbonBar->OnRecalcLayout();
    }
}

void CKTRibbonGroup::ShowOptionButton(BOOL bShow)
{
    if (m_bOptionButton == bShow)
        return;
    m_bOptionButton = bShow;
    if (IsOnRibbon())
        m_pRibbonBar->OnRecalcLayout();
}

CKTControl* CKTRibbonGroup::AddControl(int nType, int nId)
{
    if (!m_pParentBar)
        return NULL;
    CKTControl* pControl = m_pParentBar->GetControls()->Add(nType, nId, NULL, GetInsertIndex());
    if (!pControl)
        return NULL;
    pControl->SetRibbonGroup(this);
    // A minimised ribbon shows its groups' controls only as copies, in the dropped-down tab.
    pControl->SetHideFlag(KT_HIDE_RIBBONTAB, !IsVisible() || (IsOnRibbon() && m_pRibbonBar->IsRibbonMinimized()));
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
    if (pControl && pControl == m_pControlPopup)
        m_pControlPopup = NULL;
    else if (pControl && pControl == m_pOptionButton)
        m_pOptionButton = NULL;
    else
    {
        auto it = std::find(m_controls.begin(), m_controls.end(), pControl);
        if (it == m_controls.end())
            return;
        m_controls.erase(it);
    }
    pControl->SetRibbonGroup(NULL);
    if (m_pParentBar)
        m_pParentBar->GetControls()->Remove(pControl);
}

// The arrow keys reach the option button after the group's controls.
int CKTRibbonGroup::GetInsertIndex() const { return m_pOptionButton ? m_pOptionButton->GetIndex() : -1; }

std::vector<CKTControl*> CKTRibbonGroup::GetKeyboardControls() const
{
    std::vector<CKTControl*> controls = GetShownControls();
    if (m_pOptionButton && IsOptionButtonVisible())
        controls.push_back(m_pOptionButton);
    return controls;
}

CKTControl* CKTRibbonGroup::GetAt(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_controls[nIndex] : NULL;
}

int CKTRibbonGroup::GetRowHeight() const
{
    return m_pRibbonBar ? m_pRibbonBar->CalcGroupHeight() - KT_GROUP_ROW_MARGIN : 0;
}

int CKTRibbonGroup::GetClientHeight() const
{
    if (!m_pRibbonBar)
        return 0;
    return GetRowHeight() - m_pRibbonBar->GetRibbonPainter()->GetGroupCaptionHeight() - KT_GROUP_CLIENT_FOOT;
}

int CKTRibbonGroup::GetFullControlHeight() const
{
    return m_pRibbonBar ? GetRowHeight() - 2 * KT_GROUP_CONTROL_INSET : 0;
}

void CKTRibbonGroup::PlaceGroup(int nWidth, int x, int y)
{
    const int nClientHeight = GetClientHeight();
    for (KT_RIBBON_LAYOUT_RECORD& r : m_records)
    {
        if (r.bSkip)
            continue;
        r.rcControl.OffsetRect(x + KT_GROUP_CONTROL_INSET, y + KT_GROUP_CONTROL_INSET);
        r.rcClient.SetRect(x, y, x + nWidth, y + nClientHeight + KT_GROUP_CLIENT_FOOT);
    }
    if (m_bSpread && !m_bSpreadBlocked)
        SpreadColumns(nClientHeight);
    SetRect(x, y, x + nWidth + KT_GROUP_RECT_EXTRA, y + GetRowHeight());
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
    SetCaption(pSource->m_strCaption);
    SetID(pSource->m_nId);
    m_bVisible = pSource->m_bVisible;
    m_bSpread = pSource->m_bSpread;
    m_bSpreadBlocked = pSource->m_bSpreadBlocked;
    m_bControlsJoined = pSource->m_bControlsJoined;
    m_bOptionButton = pSource->m_bOptionButton;
    if (!m_pParentBar)
        return;
    for (CKTControl* pFrom : pSource->m_controls)
    {
        CKTControl* pControl =
            m_pParentBar->GetControls()->InsertAt(CKTSmartPtr<CKTControl>::Adopt(pFrom->Clone(TRUE)), GetInsertIndex());
        pControl->SetRibbonGroup(this);
        // The source may be hidden with its tab, as a minimised ribbon's are under its dropped-down copy.
        // A minimised ribbon shows its groups' controls only as copies, in the dropped-down tab.
        pControl->SetHideFlag(KT_HIDE_RIBBONTAB, !IsVisible() || (IsOnRibbon() && m_pRibbonBar->IsRibbonMinimized()));
        m_controls.push_back(pControl);
    }
}

// A collapsed group is its popup button alone.
void CKTRibbonGroup::Draw(CDC* pDC, CRect rcClip)
{
    if (m_bCollapsed)
    {
        DrawControl(pDC, rcClip, m_pControlPopup);
        return;
    }
    m_pRibbonBar->GetRibbonPainter()->DrawGroup(pDC, this);
    for (CKTControl* pControl : m_controls)
        DrawControl(pDC, rcClip, pControl);
    DrawControl(pDC, rcClip, m_pOptionButton);
}

void CKTRibbonGroup::DrawControl(CDC* pDC, CRect rcClip, CKTControl* pControl)
{
    CRect rcPart;
    if (!pControl || !pControl->IsVisible() || !rcPart.IntersectRect(rcClip, pControl->GetRect()))
        return;
    CKTFontDC font(pDC, m_pParentBar->GetPaintManager()->GetControlFont(pControl, pControl->IsItemDefault()));
    pControl->Draw(pDC);
}

std::vector<CKTControl*> CKTRibbonGroup::GetShownControls() const
{
    if (!m_bCollapsed)
        return m_controls;
    return m_pControlPopup ? std::vector<CKTControl*>{m_pControlPopup} : std::vector<CKTControl*>();
}

// The popup button and the option button go with the group into the bar that shows it, hidden until the group
// collapses or its layout shows the option button.
void CKTRibbonGroup::OnAdded()
{
    if (!m_pParentBar || m_pControlPopup)
        return;
    CKTSmartPtr<CKTRibbonGroupControlPopup> pPopup = KTMakeCounted<CKTRibbonGroupControlPopup>();
    m_pControlPopup = pPopup;
    InsertOwnControl(std::move(pPopup), KT_HIDE_RIBBONCOLLAPSED);
    CKTSmartPtr<CKTControl> pOption = KTMakeCounted<CKTRibbonGroupOptionButton>();
    m_pOptionButton = pOption;
    InsertOwnControl(std::move(pOption), KT_HIDE_RIBBONCOLLAPSED);
}

void CKTRibbonGroup::InsertOwnControl(CKTSmartPtr<CKTControl> pControl, DWORD dwHideFlags)
{
    pControl->SetRibbonGroup(this);
    pControl->SetID(m_nId);
    pControl->SetCaption(m_strCaption);
    pControl->SetHideFlags(dwHideFlags | (IsVisible() ? 0 : KT_HIDE_RIBBONTAB));
    m_pParentBar->GetControls()->InsertAt(std::move(pControl));
}

void CKTRibbonGroup::OnRemoved()
{
    while (!m_controls.empty())
        RemoveControl(m_controls.back());
    for (CKTControl* pOwn : GetOwnControls())
        RemoveControl(pOwn);
}

void CKTRibbonGroup::BeginLayout(CDC* pDC)
{
    ResetLayout();
    ArrangeControls(pDC);
}

// Every layout starts from the whole group; the reduction steps narrow it again.
void CKTRibbonGroup::ResetLayout()
{
    m_records.clear();
    m_arranged.clear();
    m_bCollapsed = FALSE;
}

void CKTRibbonGroup::ArrangeControls(CDC* pDC)
{
    for (CKTControl* pControl : m_controls)
        m_arranged.push_back(
            {pControl, CSize(), CRect(), pControl->IsVisible(KT_HIDE_RIBBONCOLLAPSED | KT_HIDE_RIBBONTAB)});
    CKTGroupLayout(m_arranged, KT_CONTROL_GROUP_GAP, pDC).Start();
    TakeArrangement();
}

void CKTRibbonGroup::TakeArrangement()
{
    m_records.clear();
    const int nClientHeight = GetClientHeight();
    for (const KT_LAYOUTRECORD& r : m_arranged)
    {
        if (!r.bVisible || r.bHidden)
            continue;
        CRect rc = r.rc;
        // As tall as the client, a large button's column has nothing to spread.
        if (r.pControl->GetStyle() == ktButtonIconAndCaptionBelow && nClientHeight > 0)
            rc.bottom = rc.top + nClientHeight;
        m_records.push_back({r.pControl, rc, CRect()});
    }
}

void CKTRibbonGroup::EndLayout()
{
    for (const KT_RIBBON_LAYOUT_RECORD& r : m_records)
    {
        r.pControl->SetRect(r.rcControl);
        r.pControl->SetRowRect(r.rcClient);
    }
    for (CKTControl* pControl : m_controls)
        pControl->SetHideFlag(KT_HIDE_RIBBONCOLLAPSED, m_bCollapsed);
    if (m_pControlPopup)
        m_pControlPopup->SetHideFlag(KT_HIDE_RIBBONCOLLAPSED, !m_bCollapsed);
    PlaceOptionButton();
}

// At the caption band's right end, where the caption's text leaves it room.
void CKTRibbonGroup::PlaceOptionButton()
{
    if (!m_pOptionButton)
        return;
    m_pOptionButton->SetHideFlag(KT_HIDE_RIBBONCOLLAPSED, !IsOptionButtonVisible());
    if (!IsOptionButtonVisible())
        return;
    CKTScreenDC dc;
    const CSize sz = m_pOptionButton->GetSize(&dc);
    const int nCaption = m_pRibbonBar->GetRibbonPainter()->GetGroupCaptionHeight();
    const CPoint pt(m_rcGroup.right - KT_OPTION_BUTTON_INSET - sz.cx,
                    m_rcGroup.bottom - nCaption + (nCaption - sz.cy) / 2);
    m_pOptionButton->SetRect(CRect(pt, sz));
}

// Never narrower than its whole caption, which a collapsed group does not show.
int CKTRibbonGroup::CalcWidth(CDC* pDC)
{
    int nWidth = 0;
    for (const KT_RIBBON_LAYOUT_RECORD& r : m_records)
        nWidth = std::max<int>(nWidth, r.rcControl.right);
    if (m_bCollapsed || !m_pRibbonBar || !pDC)
        return nWidth;
    const int nCaption = m_pRibbonBar->GetRibbonPainter()->GetGroupCaptionWidth(pDC, this) - KT_GROUP_RECT_EXTRA;
    return std::max(nWidth, nCaption);
}

BOOL CKTRibbonGroup::ReduceStep(int nLevel) { return ReduceArrangement(nLevel) || ReduceToPopup(nLevel); }

BOOL CKTRibbonGroup::ReduceArrangement(int nLevel)
{
    if (nLevel >= KT_COLLAPSE_LEVEL || m_bCollapsed || m_arranged.empty())
        return FALSE;
    CKTScreenDC dc;
    CKTFontDC font(&dc, m_pParentBar->GetPaintManager()->GetRegularFont());
    CSize szExtent;
    if (!CKTGroupLayout(m_arranged, KT_CONTROL_GROUP_GAP, &dc)
             .ReduceOnce(static_cast<CKTGroupLayout::KTReduction>(nLevel), szExtent))
        return FALSE;
    TakeArrangement();
    return TRUE;
}

BOOL CKTRibbonGroup::ReduceToPopup(int nLevel)
{
    if (nLevel < KT_COLLAPSE_LEVEL || m_bCollapsed || !m_pControlPopup)
        return FALSE;
    Collapse();
    return TRUE;
}

void CKTRibbonGroup::Collapse()
{
    m_bCollapsed = TRUE;
    m_records.clear();
    CKTScreenDC dc;
    CKTFontDC font(&dc, m_pParentBar->GetPaintManager()->GetRegularFont());
    m_records.push_back({m_pControlPopup, CRect(CPoint(0, 0), m_pControlPopup->GetSize(&dc)), CRect()});
}
