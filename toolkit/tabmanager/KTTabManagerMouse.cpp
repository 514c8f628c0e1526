// KTTabManagerMouse.cpp: the tab strip's press, drag-to-reorder and button loops, hot tracking and tooltips.
#include "KTTabManager.h"

#include <windowsx.h>

#include "KTCaptureLoop.h"
#include "KTDrawHelpers.h"
#include "KTTabPainter.h"
#include "KTToolTipController.h"

namespace
{
CPoint PointOf(const MSG& msg) { return CPoint(GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)); }
}  // namespace

BOOL CKTTabManager::PerformClick(HWND hWnd, CPoint pt, BOOL bNoItemClick)
{
    if (CKTTabManagerNavigateButton* pButton = FindNavigateButtonAt(pt, FALSE))
    {
        pButton->PerformClick(hWnd, pt);
        return TRUE;
    }
    if (bNoItemClick)
        return FALSE;
    CKTTabManagerItem* pItem = HitTest(pt);
    if (!pItem || !OnBeforeItemClick(pItem))
        return FALSE;
    if (IsAllowReorder())
        ReOrder(hWnd, pt, pItem);
    else if (GetPaintManager()->m_bSelectOnButtonDown)
        OnItemClick(pItem);
    else
        TrackClick(hWnd, pItem);
    return TRUE;
}

// Selects on release inside the tab. The tab is held: a message dispatched meanwhile may delete it.
void CKTTabManager::TrackClick(HWND hWnd, CKTTabManagerItem* pTab)
{
    CItemPtr pItem(pTab);
    BOOL bHotTracking = GetPaintManager()->m_bHotTracking;
    m_pPressed = pItem;
    if (bHotTracking)
        m_pHighlighted = pItem;
    Reposition();
    BOOL bReleased = FALSE;
    BOOL bInside = TRUE;
    CPoint pt(-1, -1);
    {
        CKTCaptureLoop loop(hWnd);
        MSG msg;
        while (loop.Next(msg))
        {
            if (msg.message == WM_MOUSEMOVE)
            {
                pt = PointOf(msg);
                BOOL bNowInside = pItem->GetRect().PtInRect(pt);
                if (bNowInside != bInside && bHotTracking && FindIndex(pItem) >= 0)
                {
                    m_pHighlighted = bNowInside ? pItem.GetInterface() : NULL;
                    RedrawControl(pItem->GetRect(), TRUE);
                }
                bInside = bNowInside;
                continue;
            }
            CKTCaptureLoop::Dispatch(msg);
        }
        bReleased = loop.IsReleased();
    }
    m_pPressed = NULL;
    PerformMouseMove(hWnd, pt);
    RedrawControl(NULL, FALSE);
    if (bReleased && bInside && FindIndex(pItem) >= 0)
        OnItemClick(pItem);
}

std::vector<CRect> CKTTabManager::CopyItemRects() const
{
    std::vector<CRect> arrRects;
    for (const CItemPtr& pItem : m_arrItems)
        arrRects.push_back(pItem->GetRect());
    return arrRects;
}

// The rectangles are those of the start of the drag, so moving back over a tab swaps again.
void CKTTabManager::SwapForDrag(CKTTabManagerItem* pItem, const std::vector<CRect>& arrRects, CPoint pt)
{
    int nCurrent = FindIndex(pItem);
    if (nCurrent < 0)
        return;
    for (int i = 0; i < static_cast<int>(arrRects.size()) && i < GetItemCount(); i++)
    {
        if (i == nCurrent || !arrRects[i].PtInRect(pt))
            continue;
        std::swap(m_arrItems[i], m_arrItems[nCurrent]);
        OnItemsChanged();
        return;
    }
}

void CKTTabManager::ReOrder(HWND hWnd, CPoint pt, CKTTabManagerItem* pTab)
{
    CItemPtr pItem(pTab);
    CItemPtr pSelected(m_pSelected);
    m_pSelected = pItem;
    if (GetPaintManager()->m_bHotTracking)
        m_pHighlighted = pItem;
    Reposition();
    std::vector<CRect> arrRects = CopyItemRects();
    {
        CKTCaptureLoop loop(hWnd);
        MSG msg;
        while (loop.Next(msg))
        {
            if (msg.message == WM_MOUSEMOVE)
            {
                pt = PointOf(msg);
                SwapForDrag(pItem, arrRects, pt);
                continue;
            }
            CKTCaptureLoop::Dispatch(msg);
        }
    }
    PerformMouseMove(hWnd, pt);
    // The remembered selection goes back only when it is still a tab of this strip.
    if (FindIndex(pSelected) >= 0)
        m_pSelected = pSelected;
    if (FindIndex(pItem) >= 0)
        OnItemClick(pItem);
}

// Auto-repeats every 20 ms while held, wherever the pointer is; the final release inside runs the button once.
void CKTTabManager::TrackNavigateButton(CKTTabManagerNavigateButton* pButton, HWND hWnd, CPoint pt)
{
    HWND hCapture = ::GetCapture();
    if ((hCapture && hCapture != hWnd) || !pButton->IsEnabled())
        return;
    BOOL bInside = TRUE;
    BOOL bReleased = FALSE;
    {
        CKTCaptureLoop loop(hWnd);
        DWORD dwTick = ::GetTickCount();
        for (;;)
        {
            if (!HasNavigateButton(pButton))
                return;
            if (pButton->IsEnabled() && ::GetTickCount() - dwTick > 20)
            {
                dwTick = ::GetTickCount();
                pButton->OnExecute(TRUE);
                continue;
            }
            if (bInside != pButton->GetRect().PtInRect(pt) || bInside != pButton->IsPressed())
            {
                bInside = pButton->GetRect().PtInRect(pt);
                pButton->SetPressed(bInside);
                RedrawControl(pButton->GetRect(), TRUE);
            }
            MSG msg;
            BOOL bTaken = FALSE;
            if (!loop.Poll(msg, bTaken))
                break;
            if (!bTaken)
            {
                ::MsgWaitForMultipleObjects(0, NULL, FALSE, 20, QS_ALLINPUT);
                continue;
            }
            if (msg.message == WM_MOUSEMOVE)
                pt = PointOf(msg);
            else
                CKTCaptureLoop::Dispatch(msg);
        }
        bReleased = loop.IsReleased();
    }
    if (!HasNavigateButton(pButton))
        return;
    BOOL bExecute = bReleased && pButton->IsPressed();
    pButton->SetPressed(FALSE);
    PerformMouseMove(hWnd, pt);
    RedrawControl(NULL, FALSE);
    if (bExecute)
        pButton->OnExecute(FALSE);
}

void CKTTabManager::RedrawItem(CKTTabManagerItem* pItem, BOOL bAnimate)
{
    if (!pItem)
        return;
    CRect rc = GetPaintManager()->GetAppearanceSet()->GetButtonDrawRect(pItem);
    RedrawControl(rc, bAnimate);
}

void CKTTabManager::SetHighlighted(HWND hWnd, CKTTabManagerItem* pItem)
{
    if (pItem == m_pHighlighted)
        return;
    RedrawItem(m_pHighlighted, TRUE);
    m_pHighlighted = pItem;
    RedrawItem(pItem, FALSE);
    TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE, hWnd, 0};
    ::TrackMouseEvent(&tme);
}

void CKTTabManager::SetHighlightedButton(HWND hWnd, CKTTabManagerNavigateButton* pButton)
{
    if (pButton == m_pHighlightedButton)
        return;
    if (m_pHighlightedButton)
        RedrawControl(m_pHighlightedButton->GetRect(), TRUE);
    m_pHighlightedButton = pButton;
    if (pButton)
        RedrawControl(pButton->GetRect(), FALSE);
    TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE, hWnd, 0};
    ::TrackMouseEvent(&tme);
}

void CKTTabManager::PerformMouseMove(HWND hWnd, CPoint pt)
{
    if (!CKTDrawHelpers::IsTopParentActive(hWnd) || IsMouseLocked())
    {
        if (m_pHighlighted)
        {
            RedrawItem(m_pHighlighted, TRUE);
            m_pHighlighted = NULL;
        }
        return;
    }
    if (GetPaintManager()->m_bHotTracking)
        SetHighlighted(hWnd, HitTest(pt));
    SetHighlightedButton(hWnd, FindNavigateButtonAt(pt, FALSE));
}

INT_PTR CKTTabManager::OnToolHitTest(HWND hWnd, CPoint pt, TOOLINFOA* pTI) const
{
    if (IsMouseLocked())
        return -1;
    if (CKTTabManagerNavigateButton* pButton = FindNavigateButtonAt(pt, FALSE))
    {
        CString strTip = pButton->GetTooltip();
        if (strTip.IsEmpty())
            return -1;
        INT_PTR nHit = static_cast<INT_PTR>(pButton->GetID()) + 1000;
        CKTToolTipController::FillInToolInfo(pTI, hWnd, pButton->GetRect(), nHit, strTip);
        return nHit;
    }
    CKTTabManagerItem* pItem = FindTooltipItem(pt);
    if (!pItem)
        return -1;
    CKTToolTipController::FillInToolInfoEx(pTI, hWnd, pItem->GetRect(), pItem->GetIndex(), GetItemTooltip(pItem),
                                           GetItemCaption(pItem), NULL, 0);
    return pItem->GetIndex();
}

CKTTabManagerItem* CKTTabManager::FindTooltipItem(CPoint pt) const
{
    CKTTabManagerItem* pItem = HitTest(pt);
    int nMode = GetPaintManager()->m_nToolTipMode;
    if (!pItem || nMode == 0 || (nMode == 2 && pItem->GetLength() >= pItem->GetFullLength()))
        return NULL;
    return GetItemTooltip(pItem).IsEmpty() ? NULL : pItem;
}
