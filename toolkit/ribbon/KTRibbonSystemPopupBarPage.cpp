// KTRibbonSystemPopupBarPage.cpp: the system menu's page: its height and its place beside the menu's commands.
#include "KTRibbonSystemPopupBarPage.h"

#include "KTControl.h"
#include "KTDrawObjects.h"
#include "KTRibbonSystemButton.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CKTRibbonSystemPopupBarPage, CKTPopupBar)

CKTRibbonSystemPopupBar* CKTRibbonSystemPopupBarPage::GetSystemMenu() const
{
    CKTCommandBar* pParent = m_pControlPopup ? m_pControlPopup->GetParent() : NULL;
    if (!pParent || !pParent->IsKindOf(RUNTIME_CLASS(CKTRibbonSystemPopupBar)))
        return NULL;
    return static_cast<CKTRibbonSystemPopupBar*>(pParent);
}

CSize CKTRibbonSystemPopupBarPage::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    CSize sz = CKTPopupBar::CalcDynamicLayout(nLength, dwMode);
    CKTRibbonSystemPopupBar* pMenu = GetSystemMenu();
    if (!pMenu || !pMenu->GetSafeHwnd())
        return sz;
    const CRect& rcBorders = CKTRibbonSystemPopupBar::s_rcBorders;
    sz.cy = std::max<int>(sz.cy, CKTWindowRect(pMenu).Height() - rcBorders.bottom - rcBorders.top - 2);
    return sz;
}

void CKTRibbonSystemPopupBarPage::AdjustExcludeRect(CRect& rc, BOOL bVertical)
{
    CKTPopupBar::AdjustExcludeRect(rc, bVertical);
    if (!GetSystemMenu())
        return;
    rc.top = CKTRibbonSystemPopupBar::s_rcBorders.top + 1;
    rc.right += 1;
}
