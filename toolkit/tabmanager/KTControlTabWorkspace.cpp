// KTControlTabWorkspace.cpp: a tab strip drawn and clicked on a command bar, for the MDI tab client.
#include "KTControlTabWorkspace.h"

#include "KTCommandBar.h"
#include "KTDrawObjects.h"
#include "KTTabClientWnd.h"
#include "KTTabPainter.h"

IMPLEMENT_SERIAL(CKTControlTabWorkspace, CKTControlButton, 1)

CKTControlTabWorkspace::CKTControlTabWorkspace() : CKTTabClientGroup(NULL)
{
    SetFlags(ktFlagSkipFocus | ktFlagNoMovable);
}

CKTControlTabWorkspace::~CKTControlTabWorkspace()
{
    if (CKTTabClientWnd* pClient = GetTabClient())
        pClient->ForgetWorkspace(this);
}

BOOL CKTControlTabWorkspace::IsVerticalBar() const
{
    if (!m_pParent)
        return FALSE;
    int nPosition = m_pParent->GetPosition();
    return nPosition == ktBarLeft || nPosition == ktBarRight || nPosition == ktBarPopup;
}

HWND CKTControlTabWorkspace::GetBarHwnd() const { return m_pParent ? m_pParent->GetSafeHwnd() : NULL; }

int CKTControlTabWorkspace::GetPosition() const
{
    switch (m_pParent ? m_pParent->GetPosition() : ktBarTop)
    {
    case ktBarBottom:
        return ktTabPositionBottom;
    case ktBarLeft:
        return ktTabPositionLeft;
    case ktBarRight:
        return ktTabPositionRight;
    default:
        return ktTabPositionTop;
    }
}

// Across the bar the strip's depth, along it the control's width.
CSize CKTControlTabWorkspace::GetSize(CDC* pDC)
{
    if (!GetTabClient())
        return CKTControlButton::GetSize(pDC);
    CKTTabPainter* pPainter = CKTTabClientGroup::GetPaintManager();
    CRect rcHeader = pPainter->GetAppearanceSet()->GetHeaderRect(CRect(0, 0, m_nControlWidth, m_nControlWidth), this);
    int nDepth = IsHorizontalPosition() ? rcHeader.Height() : rcHeader.Width();
    if (pPainter->m_bStaticFrame)
        nDepth += 2;
    return IsVerticalBar() ? CSize(nDepth, m_nControlWidth) : CSize(m_nControlWidth, nDepth);
}

void CKTControlTabWorkspace::SetRect(CRect rc)
{
    const BOOL bChanged = rc != CKTControl::m_rcControl;
    CKTControl::SetRect(rc);
    if (!GetTabClient() || (!bChanged && !m_bLayoutDirty))
        return;
    m_bLayoutDirty = FALSE;
    CKTScreenDC dc;
    CKTTabClientGroup::GetPaintManager()->RepositionTabControl(this, &dc, rc);
}

void CKTControlTabWorkspace::Draw(CDC* pDC)
{
    if (!GetTabClient())
    {
        CKTControlButton::Draw(pDC);
        return;
    }
    CKTTabClientGroup::GetPaintManager()->DrawTabControl(this, pDC, CKTControl::m_rcControl);
}

void CKTControlTabWorkspace::OnClick(BOOL bKeyboard, CPoint pt)
{
    CKTTabClientWnd* pClient = GetTabClient();
    if (!pClient || bKeyboard)
    {
        CKTControlButton::OnClick(bKeyboard, pt);
        return;
    }
    pClient->SuspendUpdates();
    PerformClick(GetBarHwnd(), pt);
}

// The press ran the tabs' own loop; the button's release must not run a command as well.
void CKTControlTabWorkspace::OnLButtonUp(CPoint pt)
{
    if (!GetTabClient())
        CKTControlButton::OnLButtonUp(pt);
}

void CKTControlTabWorkspace::OnMouseMove(CPoint pt)
{
    if (GetTabClient())
        PerformMouseMove(GetBarHwnd(), pt);
}

void CKTControlTabWorkspace::OnRemoved()
{
    if (CKTTabClientWnd* pClient = GetTabClient())
        pClient->ForgetWorkspace(this);
    CKTControlButton::OnRemoved();
}

CString CKTControlTabWorkspace::GetTooltip(CPoint pt, CRect* pRect, INT_PTR* pToolId) const
{
    if (!GetTabClient())
        return CKTControlButton::GetTooltip(pt, pRect, pToolId);
    CKTTabManagerItem* pItem = IsMouseLocked() ? NULL : FindTooltipItem(pt);
    *pToolId = pItem ? pItem->GetIndex() + 1 : 0;
    if (!pItem)
        return CString();
    *pRect = pItem->GetRect();
    return GetItemTooltip(pItem);
}

void CKTControlTabWorkspace::Reposition()
{
    m_bLayoutDirty = TRUE;
    DelayLayoutParent();
    RedrawParent(FALSE);
}

void CKTControlTabWorkspace::RedrawControl(LPCRECT lpRect, BOOL bAnimate)
{
    const CRect rcControl = CKTControl::GetRect();
    if (m_pParent && m_pParent->GetSafeHwnd())
        m_pParent->Redraw(lpRect ? lpRect : &rcControl, bAnimate);
}
