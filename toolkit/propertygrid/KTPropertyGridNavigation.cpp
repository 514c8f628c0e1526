// KTPropertyGridNavigation.cpp: splitter drags, verbs under mouse and keys, and Tab navigation of the grid.
#include "KTPropertyGrid.h"

#include <windowsx.h>

#include <algorithm>

#include "KTCaptureLoop.h"
#include "KTDrawObjects.h"
#include "KTKeyState.h"
#include "KTPropertyGridInplaceControl.h"
#include "KTPropertyGridInplaceEdit.h"
#include "KTPropertyGridItem.h"
#include "KTPropertyGridView.h"

namespace
{

const int kMinBarTop = 45;     // the view keeps this much above the bar
const int kBarBottomGap = 20;  // the bar stays this far above the lower limit

}  // namespace

void CKTPropertyGrid::InvertBar(CDC* pDC, const CRect& rcBar) { KTInvertRect(pDC->GetSafeHdc(), rcBar); }

void CKTPropertyGrid::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    int nHit = HitTest(point);
    if (nHit == ktGridHitHelpSplitter || nHit == ktGridHitVerbsSplitter)
    {
        TrackSplitter(nHit);
        return;
    }
    if (nHit >= ktGridHitFirstVerb)
        FocusVerb(nHit - ktGridHitFirstVerb);
}

void CKTPropertyGrid::OnLButtonUp(UINT /*nFlags*/, CPoint point)
{
    int nHit = HitTest(point);
    if (m_nFocusedVerb >= 0 && nHit == ktGridHitFirstVerb + m_nFocusedVerb)
        OnVerbClick(m_nFocusedVerb, point);
}

void CKTPropertyGrid::TrackSplitter(int nHit)
{
    SetFocus();
    DWORD dwClip = GetStyle() & (WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
    ::SetWindowLong(m_hWnd, GWL_STYLE, GetStyle() & ~dwClip);
    CKTClientRect rcClient(this);
    CRect rcPanel = nHit == ktGridHitHelpSplitter ? GetHelpRect() : GetVerbsRect();
    int nLower = nHit == ktGridHitVerbsSplitter && m_bHelpVisible ? GetHelpRect().top : rcClient.bottom;
    CRect rcBar(rcClient.left, rcPanel.top - 3, rcClient.right, rcPanel.top);
    BOOL bAccepted;
    {
        CKTCaptureLoop loop(m_hWnd);
        CClientDC dc(this);
        InvertBar(&dc, rcBar);
        RunSplitterLoop(loop, &dc, rcBar, nLower);
        bAccepted = loop.IsReleased();
        InvertBar(&dc, rcBar);
    }
    if (bAccepted)
    {
        // A pane too short for the bar's range leaves the panel no room at all.
        int nHeight = nLower - kBarBottomGap < kMinBarTop ? 0 : std::max(0, nLower - static_cast<int>(rcBar.top) - 2);
        (nHit == ktGridHitHelpSplitter ? m_nHelpHeight : m_nVerbsHeight) = nHeight;
        RepositionNow();
    }
    Invalidate(FALSE);
    ::SetWindowLong(m_hWnd, GWL_STYLE, GetStyle() | dwClip);
}

void CKTPropertyGrid::RunSplitterLoop(CKTCaptureLoop& loop, CDC* pDC, CRect& rcBar, int nLower)
{
    MSG msg;
    while (loop.Next(msg))
    {
        if (msg.message == WM_KEYDOWN)
            continue;  // the grid's keys would act under the bar
        if (msg.message != WM_MOUSEMOVE)
        {
            CKTCaptureLoop::Dispatch(msg);
            continue;
        }
        int y = std::max(kMinBarTop, std::min(static_cast<int>(GET_Y_LPARAM(msg.lParam)), nLower - kBarBottomGap));
        InvertBar(pDC, rcBar);
        rcBar.OffsetRect(0, y - rcBar.top);
        InvertBar(pDC, rcBar);
    }
}

void CKTPropertyGrid::FocusVerb(int nVerb)
{
    m_nFocusedVerb = nVerb;
    m_bNavigating = TRUE;
    SetFocus();
    m_bNavigating = FALSE;
    InvalidateRect(GetVerbsRect(), FALSE);
}

void CKTPropertyGrid::OnKeyDown(UINT nChar, UINT /*nRepCnt*/, UINT /*nFlags*/)
{
    if (m_nFocusedVerb < 0 || m_verbs.IsEmpty())
    {
        Default();
        return;
    }
    switch (nChar)
    {
    case VK_RIGHT:
    case VK_DOWN:
        StepVerb(TRUE, FALSE);
        return;
    case VK_LEFT:
    case VK_UP:
        StepVerb(FALSE, FALSE);
        return;
    case VK_TAB:
        StepVerb(!KTIsKeyDown(VK_SHIFT), TRUE);
        return;
    case VK_RETURN:
    {
        CRect rc = m_verbs.GetAt(m_nFocusedVerb)->m_rcVerb;
        OnVerbClick(m_nFocusedVerb, CPoint(rc.left, rc.bottom));
        return;
    }
    }
    Default();
}

void CKTPropertyGrid::StepVerb(BOOL bForward, BOOL bTab)
{
    int nLast = m_verbs.GetCount() - 1;
    BOOL bPastEnd = bForward ? m_nFocusedVerb == nLast : m_nFocusedVerb == 0;
    if (bTab && bPastEnd)
    {
        OnNavigate(ktGridPartVerbs, bForward, nullptr);
        return;
    }
    int nNext = m_nFocusedVerb + (bForward ? 1 : -1);
    FocusVerb(nNext > nLast ? 0 : nNext < 0 ? nLast : nNext);
}

void CKTPropertyGrid::OnKillFocus(CWnd* /*pNewWnd*/)
{
    m_nFocusedVerb = -1;
    if (GetSafeHwnd())
        InvalidateRect(GetVerbsRect(), FALSE);
}

void CKTPropertyGrid::OnSetFocus(CWnd* pOldWnd)
{
    if (m_bNavigating || !m_pView || !m_pView->GetSafeHwnd())
        return;
    CWnd* pParent = GetParent();
    HWND hOld = pOldWnd->GetSafeHwnd();
    if (pParent && hOld)
    {
        HWND hNext = ::GetNextDlgTabItem(pParent->GetSafeHwnd(), m_hWnd, FALSE);
        HWND hPrev = ::GetNextDlgTabItem(pParent->GetSafeHwnd(), m_hWnd, TRUE);
        if (hOld == hNext && hNext != m_hWnd && KTIsKeyDown(VK_SHIFT))
        {
            OnNavigate(ktGridPartLeave, FALSE, nullptr);
            return;
        }
        if (hOld == hPrev && hPrev != m_hWnd && !KTIsKeyDown(VK_SHIFT))
        {
            OnNavigate(ktGridPartLeaveBackward, TRUE, nullptr);
            return;
        }
    }
    m_pView->SetFocus();
}

void CKTPropertyGrid::OnNavigate(int nPart, BOOL bForward, CKTPropertyGridItem* pItem)
{
    if (!pItem)
        pItem = GetSelectedItem();
    int nCurrent = nPart;
    for (int nSteps = 0; nSteps < 16; nSteps++)
    {
        nCurrent += bForward ? 1 : -1;
        if (TryPart(nCurrent, bForward, pItem))
            return;
        if (bForward && nCurrent >= ktGridPartLeave)
            nCurrent = ktGridPartLeaveBackward;
        else if (!bForward && nCurrent <= ktGridPartLeaveBackward)
            nCurrent = ktGridPartLeave;
        if (nCurrent == nPart)
            return;
    }
}

CKTPropertyGridItem* CKTPropertyGrid::SelectRow(int nRow)
{
    CKTPropertyGridView* pView = GetGridView();
    if (nRow < 0 || nRow >= pView->GetCount())
        return nullptr;
    pView->SetCurSel(nRow);
    pView->OnSelectionChanged();
    return pView->GetItem(nRow);
}

// Tries one part; it may move the walk on (to an item's buttons) by changing nPart.
BOOL CKTPropertyGrid::TryPart(int& nPart, BOOL bForward, CKTPropertyGridItem*& pItem)
{
    CKTPropertyGridView* pView = GetGridView();
    switch (nPart)
    {
    case ktGridPartBeforeRows:
    case ktGridPartRows:
        return TryRowsPart(nPart, bForward, pItem);
    case ktGridPartView:
        pView->SetFocus();
        pView->ClearFocusedButton();
        return TRUE;
    case ktGridPartInplaceEdit:
        if (!pItem || !(pItem->GetFlags() & KTPGF_HASEDIT))
            return FALSE;
        pItem->OnSelect();
        pItem->SetFocusToInplaceControl();
        return ::GetFocus() == GetInplaceEdit().GetSafeHwnd();
    case ktGridPartInplaceControls:
    {
        CWnd* pControl = pItem ? pItem->GetFirstInplaceControlWindow() : nullptr;
        if (!pControl || !(pControl->GetStyle() & WS_TABSTOP))
            return FALSE;
        pControl->SetFocus();
        return TRUE;
    }
    case ktGridPartInplaceButtons:
        return FocusInplaceButton(pItem, bForward);
    case ktGridPartVerbs:
        if (m_verbs.IsEmpty())
            return FALSE;
        FocusVerb(bForward ? 0 : m_verbs.GetCount() - 1);
        return TRUE;
    default:
        return LeaveGrid(bForward);
    }
}

BOOL CKTPropertyGrid::TryRowsPart(int& nPart, BOOL bForward, CKTPropertyGridItem*& pItem)
{
    if (!m_bTabItems)
        return FALSE;
    CKTPropertyGridView* pView = GetGridView();
    int nRow = pItem ? pItem->GetIndex() : -1;
    if (bForward)
    {
        CKTPropertyGridItem* pNew = SelectRow(nPart == ktGridPartBeforeRows ? 0 : nRow + 1);
        if (!pNew)
            return FALSE;
        pView->SetFocus();
        return TRUE;
    }
    CKTPropertyGridItem* pNew = SelectRow(nPart == ktGridPartBeforeRows ? nRow - 1 : pView->GetCount() - 1);
    if (!pNew)
        return FALSE;
    pItem = pNew;
    nPart = ktGridPartInplaceButtons + 1;  // the walk goes on at that row's buttons
    return FALSE;
}

BOOL CKTPropertyGrid::FocusInplaceButton(CKTPropertyGridItem* pItem, BOOL bForward)
{
    if (!pItem || !pItem->IsInplaceButtonVisible())
        return FALSE;
    CKTPropertyGridView* pView = GetGridView();
    CKTPropertyGridItemButtons* pButtons = pItem->GetInplaceButtons();
    CKTPropertyGridItemButton* pFocused = pView->GetFocusedButton();
    if (pFocused && pFocused->GetItem() == pItem)
    {
        CKTPropertyGridItemButton* pNext = pButtons->GetAt(pFocused->GetIndex() + (bForward ? 1 : -1));
        if (!pNext)
        {
            pView->ClearFocusedButton();
            pView->Invalidate(FALSE);
            return FALSE;
        }
        pView->SetFocusedButton(pNext);
        return TRUE;
    }
    pView->SetFocusedButton(pButtons->GetAt(bForward ? 0 : pButtons->GetCount() - 1));
    return TRUE;
}

BOOL CKTPropertyGrid::LeaveGrid(BOOL bForward)
{
    CWnd* pDialog = GetParent();
    if (!pDialog)
        return FALSE;
    if ((pDialog->GetExStyle() & WS_EX_CONTROLPARENT) && (pDialog->GetStyle() & WS_CHILD) && pDialog->GetParent())
        pDialog = pDialog->GetParent();
    HWND hNext = ::GetNextDlgTabItem(pDialog->GetSafeHwnd(), m_hWnd, !bForward);
    if (!hNext || hNext == m_hWnd || ::IsChild(m_hWnd, hNext))
        return FALSE;
    m_bNavigating = TRUE;
    ::SetFocus(hNext);
    m_bNavigating = FALSE;
    return TRUE;
}
