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
    : m_scroller(this), m_pRibbonBar(pTab->GetRibbonBar())
{
    CObject* pObject = pTab->GetRuntimeClass()->CreateObject();
    m_pTabCopy = CKTSmartPtr<CKTRibbonTab>::Adopt(dynamic_cast<CKTRibbonTab*>(pObject));
    if (m_pTabCopy.IsNull())
        delete pObject;
    else
    {
        m_pTabCopy->SetParentBar(this);
        m_pTabCopy->Copy(pTab);
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
    const CSize sz(CKTWindowRect(m_pRibbonBar).Width(), m_pRibbonBar->CalcGroupHeight());
    m_bLayoutLock = TRUE;
    UpdateShortcuts();
    m_rcGroups.SetRect(0, 0, sz.cx, sz.cy);
    CKTScreenDC dc;
    CKTFontDC font(&dc, GetPaintManager()->GetRegularFont());
    m_pTabCopy->GetGroups()->Layout(&dc, sz.cx, CRect(4, 3, 6, 3), &m_scroller, m_rcGroups);
    m_bLayoutLock = FALSE;
    return sz;
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
