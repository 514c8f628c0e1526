// KTTabClientGroup.cpp: one tab group of the MDI tab client, drawn by the client itself.
#include "KTTabClientGroup.h"

#include <afxpriv.h>
#include <windowsx.h>

#include "KTCaptureLoop.h"
#include "KTMouseHookManager.h"
#include "KTTabClientDragOutline.h"
#include "KTTabClientWnd.h"

void CKTTabClientGroup::Reposition()
{
    if (m_pOwner->IsRedrawLocked())
        m_pOwner->MarkRepositionPending();
    else
        m_pOwner->Reposition();
}

BOOL CKTTabClientGroup::HasShownTab() const
{
    for (int i = 0; i < GetItemCount(); i++)
    {
        if (GetItem(i)->IsVisible())
            return TRUE;
    }
    return FALSE;
}

CKTTabPainter* CKTTabClientGroup::GetPaintManager() const { return m_pOwner ? m_pOwner->GetPaintManager() : NULL; }

int CKTTabClientGroup::GetItemImage(const CKTTabManagerItem* pItem) const
{
    return static_cast<int>(reinterpret_cast<INT_PTR>(m_pOwner->GetItemIcon(pItem)));
}

COLORREF CKTTabClientGroup::GetItemColor(const CKTTabManagerItem* pItem) const { return m_pOwner->GetItemColor(pItem); }

CString CKTTabClientGroup::GetItemTooltip(const CKTTabManagerItem* pItem) const
{
    return m_pOwner->GetItemTooltip(pItem);
}

void CKTTabClientGroup::RedrawControl(LPCRECT lpRect, BOOL)
{
    if (!m_pOwner->IsRedrawLocked() && m_pOwner->GetSafeHwnd())
        m_pOwner->InvalidateRect(lpRect, FALSE);
}

BOOL CKTTabClientGroup::IsAllowReorder() const { return m_pOwner->m_bAllowReorder; }

void CKTTabClientGroup::SetAllowReorder(BOOL bAllowReorder) { m_pOwner->m_bAllowReorder = bAllowReorder; }

// Without a client there is no paint manager: no frame and no icons.
BOOL CKTTabClientGroup::IsDrawFrame() const
{
    const CKTTabPainter* pPainter = GetPaintManager();
    return pPainter && pPainter->m_bStaticFrame && !m_pOwner->IsGroupsEnabled();
}

BOOL CKTTabClientGroup::DrawIcon(CDC* pDC, CPoint pt, CKTTabManagerItem* pItem, BOOL bDraw, CSize& szIcon) const
{
    const CKTTabPainter* pPainter = GetPaintManager();
    if (!pPainter || !pPainter->m_bShowIcons)
        return FALSE;
    if (!bDraw)
        return TRUE;
    ::DrawIconEx(pDC->GetSafeHdc(), pt.x, pt.y, m_pOwner->GetItemIcon(pItem), szIcon.cx, szIcon.cy, 0, NULL, DI_NORMAL);
    return TRUE;
}

// The child comes to the front and takes the focus, unless the focus is already inside it.
void CKTTabClientGroup::OnItemClick(CKTTabManagerItem* pItem)
{
    HWND hChild = pItem->GetHandle();
    m_pOwner->SendMessage(WM_MDIACTIVATE, reinterpret_cast<WPARAM>(hChild));
    HWND hFocus = ::GetFocus();
    if (::IsWindow(hChild) && hFocus != hChild && !::IsChild(hChild, hFocus))
        ::SetFocus(hChild);
}

// While a command-bar popup holds the mouse the tabs show nothing hot and no tooltip.
BOOL CKTTabClientGroup::IsMouseLocked() const { return CKTMouseHookManager::Instance()->IsTrackedLock(NULL); }

BOOL CKTTabClientGroup::OnBeforeItemClick(CKTTabManagerItem* pItem) { return m_pOwner->OnBeforeItemClick(pItem); }

void CKTTabClientGroup::OnNavigateButtonClick(CKTTabManagerNavigateButton* pButton)
{
    if (pButton->GetID() != ktNavigateButtonClose)
        return;
    CKTTabManagerItem* pItem = pButton->GetItem() ? pButton->GetItem() : GetSelectedItem();
    if (!pItem)
        return;
    m_pOwner->PostMessage(WM_IDLEUPDATECMDUI);
    ::SendMessage(pItem->GetHandle(), WM_CLOSE, 0, 0);
}

void CKTTabClientGroup::ReOrder(HWND hWnd, CPoint pt, CKTTabManagerItem* pItem)
{
    if (m_pOwner->GetGroupCount() == 1 && GetItemCount() == 1)
    {
        OnItemClick(pItem);
        return;
    }
    TrackDrag(hWnd, pt, pItem);
}

// Inside the header the tabs reorder; outside it, with groups, an outline shows where the tab would go.
void CKTTabClientGroup::TrackDrag(HWND hWnd, CPoint pt, CKTTabManagerItem* pTab)
{
    CItemPtr pItem(pTab);
    m_pSelected = pItem;
    m_pOwner->SetActiveGroupLocked(this);
    if (GetPaintManager()->m_bHotTracking)
        m_pHighlighted = pItem;
    // The pressed tab may now draw bold and wider: the swap test needs the rectangles the screen shows.
    Reposition();
    std::vector<CRect> arrRects = CopyItemRects();
    CKTTabClientDragOutline outline(m_pOwner);
    int nDropMode = ktTabDropNone;
    CKTTabClientGroup* pTarget = NULL;
    {
        CKTCaptureLoop loop(hWnd);
        MSG msg;
        while (loop.Next(msg))
        {
            if (msg.message == WM_MOUSEMOVE)
            {
                pt = CPoint(GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam));
                if (m_rcHeaderRect.PtInRect(pt) || !m_pOwner->IsGroupsEnabled())
                {
                    outline.Hide();
                    nDropMode = ktTabDropNone;
                    SwapForDrag(pItem, arrRects, pt);
                    continue;
                }
                CRect rcOutline;
                nDropMode = m_pOwner->FindDropTarget(this, pt, &pTarget, rcOutline);
                outline.Show(rcOutline, m_pOwner->GetDragCursor(nDropMode != ktTabDropNone));
                continue;
            }
            CKTCaptureLoop::Dispatch(msg);
        }
        if (!loop.IsReleased())
            nDropMode = ktTabDropNone;
    }
    outline.Hide();
    PerformMouseMove(hWnd, pt);
    if (FindIndex(pItem) < 0)
        return;
    OnItemClick(pItem);
    if (nDropMode == ktTabDropClient)
    {
        CPoint ptScreen = pt;
        ::ClientToScreen(hWnd, &ptScreen);
        m_pOwner->OpenDropPopup(ptScreen);
    }
    else if (nDropMode >= ktTabDropGroup && (pTarget == NULL || m_pOwner->FindGroup(pTarget) >= 0))
        m_pOwner->MoveItem(pItem, pTarget, nDropMode);
    if (pItem->GetTabManager())
        pItem->GetTabManager()->EnsureVisible(pItem);
}
