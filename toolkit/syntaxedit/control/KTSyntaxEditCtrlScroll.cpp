// Scrolling: by rows and columns, the scroll bars (the control's own or its view's) and the mouse wheel.
#include "KTSyntaxEditCtrl.h"

#include "KTSyntaxEditCompletion.h"
#include "KTSyntaxEditNotify.h"
#include "KTSyntaxEditTipWnd.h"

#include <afxwin_splitter.h>

#include "themes/KTSyntaxEditPaintManager.h"

#include <algorithm>

namespace
{
SCROLLINFO MakeScrollInfo(UINT fMask, int nMin, int nMax, int nPage, int nPos)
{
    SCROLLINFO si = {};
    si.cbSize = sizeof(SCROLLINFO);
    si.fMask = fMask;
    si.nMin = nMin;
    si.nMax = nMax;
    si.nPage = UINT(std::max(nPage, 0));
    si.nPos = nPos;
    return si;
}

// The bar already holds every value that the mask sets.
BOOL HasValuesOf(const SCROLLINFO& bar, const SCROLLINFO& si)
{
    return (!(si.fMask & SIF_RANGE) || (bar.nMin == si.nMin && bar.nMax == si.nMax)) &&
           (!(si.fMask & SIF_PAGE) || bar.nPage == si.nPage) && (!(si.fMask & SIF_POS) || bar.nPos == si.nPos);
}

BOOL HasFont() { return KTSyntaxEditPaintManager()->GetFont()->GetSafeHandle() != NULL; }
}  // namespace

CWnd* CKTSyntaxEditCtrl::ScrollBarOwner() const
{
    if (m_bUseParentScrollBars && m_pParentWnd && m_pParentWnd->IsKindOf(RUNTIME_CLASS(CView)))
        return m_pParentWnd;
    return const_cast<CKTSyntaxEditCtrl*>(this);
}

CScrollBar* CKTSyntaxEditCtrl::GetScrollBarCtrl(int nBar) const
{
    CWnd* pOwner = ScrollBarOwner();
    return pOwner == this ? CWnd::GetScrollBarCtrl(nBar) : pOwner->GetScrollBarCtrl(nBar);
}

// NULL for a bar that is not wanted: setting its values would show it. A view in a splitter scrolls
// with the bar its row or column shares and shows none of its own, which would stand beside them.
HWND CKTSyntaxEditCtrl::BarWindow(int nBar, int& nWhich) const
{
    CWnd* pOwner = ScrollBarOwner();
    nWhich = nBar;
    if (!pOwner->GetSafeHwnd())
        return NULL;
    if (pOwner == this)
        return (nBar == SB_HORZ ? m_bHorzScrollBar : m_bVertScrollBar) ? m_hWnd : NULL;
    if (CScrollBar* pShared = pOwner->GetScrollBarCtrl(nBar))
    {
        nWhich = SB_CTL;
        return pShared->GetSafeHwnd();
    }
    CWnd* pPane = pOwner->GetParent();
    return pPane && pPane->IsKindOf(RUNTIME_CLASS(CSplitterWnd)) ? NULL : pOwner->GetSafeHwnd();
}

BOOL CKTSyntaxEditCtrl::GetBarInfo(int nBar, SCROLLINFO& si) const
{
    si.cbSize = sizeof(SCROLLINFO);
    si.fMask = SIF_ALL;
    int nWhich = nBar;
    HWND hWnd = BarWindow(nBar, nWhich);
    return hWnd && ::GetScrollInfo(hWnd, nWhich, &si);
}

// Each call that asks for a redraw paints the bar at once, a few ms under
// Wine: typing sets the same values on every key, and a bar that already
// shows them needs no paint. Values set quietly are painted next time.
void CKTSyntaxEditCtrl::SetBarInfo(int nBar, SCROLLINFO si, BOOL bRedraw)
{
    int nWhich = nBar;
    HWND hWnd = BarWindow(nBar, nWhich);
    if (!hWnd)
        return;
    BOOL& bShown = m_abBarShown[nBar == SB_VERT ? 1 : 0];
    SCROLLINFO old = MakeScrollInfo(SIF_ALL, 0, 0, 0, 0);
    bShown = bShown && ::GetScrollInfo(hWnd, nWhich, &old) && HasValuesOf(old, si);
    ::SetScrollInfo(hWnd, nWhich, &si, bRedraw && !bShown);
    bShown = bShown || bRedraw;
}

void CKTSyntaxEditCtrl::SetBarPos(int nBar, int nPos, BOOL bRedraw)
{
    SetBarInfo(nBar, MakeScrollInfo(SIF_POS, 0, 0, 0, nPos), bRedraw);
}

void CKTSyntaxEditCtrl::EnableBar(int nBar, BOOL bEnable)
{
    int nWhich = nBar;
    if (HWND hWnd = BarWindow(nBar, nWhich))
        ::EnableScrollBar(hWnd, nWhich, bEnable ? ESB_ENABLE_BOTH : ESB_DISABLE_BOTH);
}

int CKTSyntaxEditCtrl::GetHorzPos() const { return m_nHorzPos; }

// The range counts characters of the rows in view, the position display
// columns, and a caret far right scrolls past both: the range grows so that
// the bar can show where the view stands.
void CKTSyntaxEditCtrl::SetHorzPos(int nPos, BOOL bRedraw)
{
    m_nHorzPos = std::max(nPos, 0);
    SCROLLINFO si = {};
    if (GetBarInfo(SB_HORZ, si) && si.nMax < m_nHorzPos + int(si.nPage) - 1)
        SetBarInfo(SB_HORZ, MakeScrollInfo(SIF_RANGE, si.nMin, m_nHorzPos + int(si.nPage) - 1, 0, 0), FALSE);
    SetBarPos(SB_HORZ, m_nHorzPos, bRedraw);
}

BOOL CKTSyntaxEditCtrl::ScrollUp(int n, BOOL bKeepCaretInView)
{
    if (m_nTopRow < 2)
        return FALSE;
    int nOldRow = m_nCurrentRow, nOldTop = m_nTopRow;
    m_nCurrentRow = m_nTopRow;
    MoveUp(n);
    int nBottom = GetBottomRow(GetVisibleRows());
    m_nCurrentRow = bKeepCaretInView && nOldRow >= nBottom ? nBottom : nOldRow;
    if (m_nCurrentRow > nBottom)
        HideCaret();
    return m_nTopRow != nOldTop;
}

BOOL CKTSyntaxEditCtrl::ScrollDown(int n, BOOL bKeepCaretInView)
{
    if (m_nTopRow >= GetRowCount())
        return FALSE;
    int nOldRow = m_nCurrentRow, nOldTop = m_nTopRow;
    m_nCurrentRow = std::min(GetBottomRow(GetVisibleRows()), GetRowCount());
    MoveDown(n);
    m_nCurrentRow = bKeepCaretInView && nOldRow <= m_nTopRow ? m_nTopRow : nOldRow;
    if (m_nCurrentRow < m_nTopRow)
        HideCaret();
    return m_nTopRow != nOldTop;
}

void CKTSyntaxEditCtrl::Scroll(int nColumns, int nRows)
{
    if (!GetSafeHwnd())
        return;
    if (nRows > 0)
        ScrollDown(nRows);
    else if (nRows < 0)
        ScrollUp(-nRows);
    m_nDispCol = std::max(m_nDispCol + nColumns, 1);
    UpdateVScrollBar();
    UpdateHScrollBar();
    Invalidate(FALSE);
    MoveCaretTo(GetCurrentDisplayOffset(), m_nDispCol, FALSE);
    m_bScrolledByUser = TRUE;
    int nBits = (nRows ? KT_EDIT_VIEW_VERT : 0) | (nColumns ? KT_EDIT_VIEW_HORZ : 0);
    if (nBits)
        NotifyViewChanged(nBits);
}

void CKTSyntaxEditCtrl::UpdateVScrollBar()
{
    if (!HasFont())
        return;
    int nTotal = GetDisplayRow(-1);
    int v = GetVisibleRows();
    if (nTotal >= v)
    {
        UINT fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
        SetBarInfo(SB_VERT, MakeScrollInfo(fMask, 1, nTotal, v, GetDisplayRow(m_nTopRow)), TRUE);
    }
    EnableBar(SB_VERT, nTotal >= v);
}

// The one way the horizontal bar is set: the characters of the rows in view and half a screen more,
// the bar kept shown when all fits. A bar that came and went resized the view, and each resize set it
// again the other way.
void CKTSyntaxEditCtrl::UpdateHScrollBar()
{
    if (!HasFont() || !m_pBuffer)
        return;
    int nCols = GetSafeHwnd() ? GetVisibleColumns() : 20;
    if (GetRowCount() < 1)
    {
        SetBarInfo(SB_HORZ, MakeScrollInfo(SIF_PAGE | SIF_DISABLENOSCROLL, 0, 0, nCols, 0), TRUE);
        return;
    }
    int nFirst = GetRowAtDisplayOffset(m_nTopRow, 1), nLast = GetRowAtDisplayOffset(m_nTopRow, GetVisibleRows());
    int nMax = m_pBuffer->GetMaxLineTextLength(nFirst, nLast) + nCols / 2;
    SetBarInfo(SB_HORZ,
               MakeScrollInfo(SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL, 0, nMax, nCols, m_nHorzPos), TRUE);
    EnableBar(SB_HORZ, TRUE);
}

void CKTSyntaxEditCtrl::RecalcScrollBars()
{
    if (!HasFont())
        return;
    PlaceTopRow(m_nTopRow);  // the height, the folds or the text may have changed what is shown
    int v = GetVisibleRows();
    if (!GetSafeHwnd())
        v = 20;
    int nTotal = GetDisplayRow(-1);
    UpdateHScrollBar();
    if (GetRowCount() >= 1)
    {
        UINT fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
        UINT fMaskV = nTotal >= v ? fMask : fMask & ~SIF_RANGE;
        SetBarInfo(SB_VERT, MakeScrollInfo(fMaskV, 1, nTotal, v, GetDisplayRow(m_nTopRow)), TRUE);
        EnableBar(SB_VERT, nTotal >= v);
    }
    else
        SetBarInfo(SB_VERT, MakeScrollInfo(SIF_PAGE | SIF_DISABLENOSCROLL, 0, 0, v, 0), TRUE);
    RecalcGutter();
}

void CKTSyntaxEditCtrl::AfterScrollMessage(BOOL bMoved)
{
    if (m_nCurrentRow >= m_nFirstVisibleRow && m_nCurrentRow <= m_nLastVisibleRow)
        MoveCaretTo(GetCurrentDisplayOffset(), m_nDispCol, FALSE);
    if (!bMoved)
        return;
    Invalidate(FALSE);
    UpdateWindow();
}

// The bar takes the top row's place rather than a step from where it stood: panes that share the
// bar each scroll on the same message, and steps would add up.
void CKTSyntaxEditCtrl::OnVScroll(UINT nSBCode, UINT, CScrollBar*)
{
    SCROLLINFO si = {};
    GetBarInfo(SB_VERT, si);
    int nPage = int(si.nPage);
    int nPos = -1;  // where the bar goes; -1: the top row's place
    BOOL bMoved = FALSE;
    switch (nSBCode)
    {
    case SB_LINEUP:
        bMoved = ScrollUp(1);
        break;
    case SB_LINEDOWN:
        bMoved = ScrollDown(1);
        break;
    case SB_PAGEUP:
        bMoved = ScrollUp(nPage);
        break;
    case SB_PAGEDOWN:
        bMoved = ScrollDown(nPage);
        break;
    case SB_THUMBTRACK:
    {
        int d = si.nTrackPos - GetDisplayRow(m_nTopRow);
        if (d > 0)
            ScrollDown(d);
        else if (d < 0)
            ScrollUp(-d);
        nPos = si.nTrackPos;
        bMoved = TRUE;
        break;
    }
    case SB_TOP:
    case SB_BOTTOM:
        nPos = nSBCode == SB_TOP ? si.nMin : si.nMax;
        SetCurrentRow(nPos);
        m_nCurrentChar = m_nDispCol = m_nWantedDispCol = 1;
        bMoved = TRUE;
        break;
    default:
        break;
    }
    if (bMoved)
        SetBarPos(SB_VERT, nPos < 0 ? GetDisplayRow(m_nTopRow) : nPos, TRUE);
    AfterScrollMessage(bMoved);
}

void CKTSyntaxEditCtrl::OnHScroll(UINT nSBCode, UINT, CScrollBar*)
{
    SCROLLINFO si = {};
    GetBarInfo(SB_HORZ, si);
    int p = m_nHorzPos;
    switch (nSBCode)
    {
    case SB_LINELEFT:
        --p;
        break;
    case SB_LINERIGHT:
        ++p;
        break;
    case SB_PAGELEFT:
        p -= int(si.nPage);
        break;
    case SB_PAGERIGHT:
        p += int(si.nPage);
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        p = si.nTrackPos;
        break;
    case SB_LEFT:
        p = si.nMin;
        break;
    case SB_RIGHT:
        SetHorzPos(si.nMax, TRUE);
        return;
    default:
        return;
    }
    SetHorzPos(p, TRUE);
    if (m_bFocused)
        MoveCaretTo(GetCurrentDisplayOffset(), m_nDispCol, FALSE);
    m_nRedrawRow = -1;
    Invalidate(FALSE);
    UpdateWindow();
}

BOOL CKTSyntaxEditCtrl::OnMouseWheel(UINT, short zDelta, CPoint)
{
    m_pCompletion->Close();
    m_pToolTip->Hide();
    Scroll(0, zDelta < 0 ? m_nWheelRows : -m_nWheelRows);
    return TRUE;
}
