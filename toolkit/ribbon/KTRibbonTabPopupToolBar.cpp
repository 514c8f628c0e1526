// KTRibbonTabPopupToolBar.cpp: the minimised ribbon's drop-down: its size, the copied groups' layout and drawing.
#include "KTRibbonTabPopupToolBar.h"

#include "KTControl.h"
#include "KTControls.h"
#include "KTDrawObjects.h"
#include "KTPaintManager.h"
#include "KTRibbonBar.h"
#include "KTRibbonGroup.h"
#include "KTRibbonTab.h"

CKTRibbonTabPopupToolBar::CKTRibbonTabPopupToolBar(CKTRibbonTab* pTab)
    : m_scroller(this, pTab->GetRibbonBar()), m_pRibbonBar(pTab->GetRibbonBar())
{
    CObject* pObject = pTab->GetRuntimeClass()->CreateObject();
    m_pTabCopy = CKTSmartPtr<CKTRibbonTab>::Adopt(dynamic_cast<CKTRibbonTab*>(pObject));
    if (m_pTabCopy.IsNull())
        delete pObject;
    else
    {
        m_pTabCopy->SetParentBar(this);
        m_pTabCopy->Copy(pTab);
        m_pTabCopy->SetRect(pTab->GetRect());
    }
    m_dwFlags |= ktBarFlagGroupLayout;
    if (m_pRibbonBar)
        EnableAnimation(m_pRibbonBar->IsAnimationEnabled());
}

CKTRibbonTabPopupToolBar::~CKTRibbonTabPopupToolBar()
{
    if (!m_pTabCopy.IsNull())
        m_pTabCopy->GetGroups()->RemoveAll();
}

CSize CKTRibbonTabPopupToolBar::CalcDynamicLayout(int, DWORD)
{
    if (!m_pRibbonBar || !m_pRibbonBar->GetSafeHwnd() || m_pTabCopy.IsNull())
        return CSize(0, 0);
    const CSize sz = PlaceBelowTabRow();
    m_bLayoutLock = TRUE;
    UpdateShortcuts();
    m_rcGroups.SetRect(0, 0, sz.cx, sz.cy);
    CKTScreenDC dc;
    CKTFontDC font(&dc, GetPaintManager()->GetRegularFont());
    m_pTabCopy->GetGroups()->Layout(&dc, sz.cx, CRect(4, 3, 6, 3), &m_scroller, m_rcGroups);
    m_bLayoutLock = FALSE;
    return sz;
}

// Sets where the popup goes and gives its size.
CSize CKTRibbonTabPopupToolBar::PlaceBelowTabRow()
{
    const CRect rcRibbon = CKTWindowRect(m_pRibbonBar);
    CSize sz(rcRibbon.Width(), m_pRibbonBar->CalcGroupHeight());
    m_ptPlace = CPoint(rcRibbon.left, m_rcExclude.bottom);
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    if (!::GetMonitorInfo(::MonitorFromRect(m_rcExclude, MONITOR_DEFAULTTONEAREST), &info))
        ::SystemParametersInfo(SPI_GETWORKAREA, 0, &info.rcWork, 0);
    const CRect rcWork = info.rcWork;
    if (m_ptPlace.x < rcWork.left)
    {
        sz.cx -= rcWork.left - m_ptPlace.x;
        m_ptPlace.x = rcWork.left;
    }
    if (m_ptPlace.x + sz.cx > rcWork.right)
        sz.cx = rcWork.right - m_ptPlace.x - 4;
    if (m_ptPlace.y + sz.cy > rcWork.bottom)
        m_ptPlace.y = m_rcExclude.top - sz.cy;
    return sz;
}

CRect CKTRibbonTabPopupToolBar::CalcPopupRect(int cx, int cy)
{
    if (!m_pRibbonBar || !m_pRibbonBar->GetSafeHwnd())
        return CKTPopupToolBar::CalcPopupRect(cx, cy);
    return CRect(m_ptPlace, CSize(cx, cy));
}

CSize CKTRibbonTabPopupToolBar::GetIconSize() const
{
    return m_pRibbonBar ? m_pRibbonBar->GetIconSize() : CKTPopupToolBar::GetIconSize();
}

CSize CKTRibbonTabPopupToolBar::GetButtonSize() const
{
    return m_pRibbonBar ? m_pRibbonBar->GetButtonSize() : CKTPopupToolBar::GetButtonSize();
}

void CKTRibbonTabPopupToolBar::CreateKeyboardTips()
{
    if (m_pRibbonBar && !m_pTabCopy.IsNull())
        m_pRibbonBar->AddGroupKeyboardTips(m_pTabCopy, m_rcGroups);
}

void CKTRibbonTabPopupToolBar::EnsureControlVisible(CKTControl* pControl)
{
    if (pControl && pControl->GetRibbonGroup() && m_scroller.ScrollIntoView(pControl->GetRect(), m_rcGroups))
        OnRecalcLayout();
}

void CKTRibbonTabPopupToolBar::DrawCommandBar(CDC* pDC, CRect rcClipBox)
{
    if (!m_pRibbonBar || m_pTabCopy.IsNull())
        return;
    pDC->SetBkMode(TRANSPARENT);
    // As the collapsed group's popup: a popup has no ribbon face behind the groups image to show through it.
    m_pRibbonBar->GetRibbonPainter()->FillGroupsBackground(pDC, m_pTabCopy, this);
    CRect rcPart;
    CKTRibbonTabGroups* pGroups = m_pTabCopy->GetGroups();
    for (int i = 0; i < pGroups->GetCount(); i++)
    {
        CKTRibbonGroup* pGroup = pGroups->GetAt(i);
        if (pGroup->IsVisible() && rcPart.IntersectRect(rcClipBox, pGroup->GetRect()))
            pGroup->Draw(pDC, rcClipBox);
    }
    for (BOOL bLeft : {TRUE, FALSE})
        if (CKTControl* pButton = m_scroller.GetScrollButton(bLeft))
            if (pButton->IsVisible())
                pButton->Draw(pDC);
}
