// KTRibbonGroupPopupBar.cpp: the collapsed group's popup: its copy of the group, its size and its drawing.
#include "KTRibbonGroupPopupBar.h"

#include "KTDrawObjects.h"
#include "KTPaintManager.h"
#include "KTRibbonBar.h"
#include "KTRibbonGroup.h"

CKTRibbonGroupPopupBar::CKTRibbonGroupPopupBar(CKTRibbonGroup* pGroup) : m_pRibbonBar(pGroup->GetRibbonBar())
{
    m_pGroupCopy = CKTRibbonGroup::CreateCopy(pGroup, this);
    const int nCaption = m_pRibbonBar ? m_pRibbonBar->GetRibbonPainter()->GetGroupCaptionHeight() : 0;
    m_rcBorders = CRect(2, 2, 3, nCaption + 1);
    m_dwFlags |= ktBarFlagGroupLayout;
    if (m_pRibbonBar)
        EnableAnimation(m_pRibbonBar->IsAnimationEnabled());
}

CKTRibbonGroupPopupBar::~CKTRibbonGroupPopupBar()
{
    if (!m_pGroupCopy.IsNull())
        m_pGroupCopy->OnRemoved();
}

CSize CKTRibbonGroupPopupBar::CalcDynamicLayout(int, DWORD)
{
    if (!m_pRibbonBar || m_pGroupCopy.IsNull())
        return CSize(0, 0);
    m_bLayoutLock = TRUE;
    UpdateShortcuts();
    CKTScreenDC dc;
    CKTFontDC font(&dc, GetPaintManager()->GetRegularFont());
    m_pGroupCopy->BeginLayout(&dc);
    const int nWidth = m_pGroupCopy->CalcWidth(&dc);
    m_pGroupCopy->PlaceGroup(nWidth, 0, 0);
    m_pGroupCopy->EndLayout();
    m_bLayoutLock = FALSE;
    return CSize(m_rcBorders.left + m_rcBorders.right + nWidth, m_pGroupCopy->GetRowHeight());
}

void CKTRibbonGroupPopupBar::DrawCommandBar(CDC* pDC, CRect rcClipBox)
{
    if (!m_pRibbonBar || m_pGroupCopy.IsNull())
        return;
    pDC->SetBkMode(TRANSPARENT);
    m_pRibbonBar->GetRibbonPainter()->FillGroupsBackground(pDC, m_pGroupCopy->GetRibbonTab(), this);
    m_pGroupCopy->Draw(pDC, rcClipBox);
}

CSize CKTRibbonGroupPopupBar::GetIconSize() const
{
    return m_pRibbonBar ? m_pRibbonBar->GetIconSize() : CKTPopupToolBar::GetIconSize();
}

CSize CKTRibbonGroupPopupBar::GetButtonSize() const
{
    return m_pRibbonBar ? m_pRibbonBar->GetButtonSize() : CKTPopupToolBar::GetButtonSize();
}
