// Carrying the selected text with the mouse, the right button, the mouse cursor and the context menu.
#include "KTSyntaxEditCtrl.h"

#include "KTKeyState.h"
#include "KTSyntaxEditNotify.h"
#include "themes/KTSyntaxEditPaintManager.h"

#include <algorithm>

void CKTSyntaxEditCtrl::TrackDrag(CPoint point)
{
    m_bDragging = TRUE;
    CRect rc;
    GetClientRect(&rc);
    if (point.x < m_nTextLeft || !rc.PtInRect(point))
    {
        m_bDropState = FALSE;
        ::SetCursor(KTSyntaxEditPaintManager()->GetNoDropCursor());
        return;
    }
    int nRow = 0, nCol = 0;
    HitTest(point.x, point.y, nRow, nCol);
    KT_EDIT_TEXTPOS drop(nRow, SnapDisplayColumn(nRow, std::max(nCol, 1)));
    if (!(drop == m_ptDrop))
    {
        m_ptDrop = drop;
        SetCurrentRow(drop.nLine);
        m_nDispCol = drop.nCol;
        UpdateCaretColumns();
        EnsureVisible(m_nCurrentRow, m_nDispCol, FALSE, TRUE);
    }
    m_bDropState = !IsInSelection(drop.nLine, drop.nCol);
    OnSetCursor(this, HTCLIENT, WM_MOUSEMOVE);
}

BOOL CKTSyntaxEditCtrl::OnSetCursor(CWnd*, UINT, UINT)
{
    CKTSyntaxEditPaintManager* pPaint = KTSyntaxEditPaintManager();
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    HCURSOR hCursor = pPaint->GetArrowCursor();
    if (m_bDragging && point.x < m_nTextLeft)
        hCursor = pPaint->GetNoDropCursor();
    else if (m_bDragging)
        hCursor = KTIsKeyDown(VK_CONTROL) ? pPaint->GetDragCopyCursor() : pPaint->GetDragMoveCursor();
    else if (point.x >= m_nTextLeft && !m_bDragPending && !m_bNoDragCursor && !m_folding.HitTestBox(point))
        hCursor = pPaint->GetTextCursor();
    else if (!IsInSelMargin(point) && point.x < m_nTextLeft && !CollapseButtonRowAt(point))
        hCursor = pPaint->GetSelMarginCursor();
    ::SetCursor(hCursor ? hCursor : pPaint->GetArrowCursor());
    return TRUE;
}

void CKTSyntaxEditCtrl::OnRButtonDown(UINT, CPoint point)
{
    TestDragPending(point);
    m_bDragging = m_bMouseSelecting = m_bMouseDown = FALSE;
    m_nForcedColumn = 0;
    int nRow = 0, nCol = 0;
    HitTest(point.x, point.y, nRow, nCol);
    if (!IsInSelection(nRow, nCol))
        SetCurrentPosition(nRow, std::max(nCol, 1), FALSE, TRUE);
    SendNotify(KT_EDIT_NM_BEFOREINPUT);
    KillTimer(ktTimerAutoScroll);
    SetCapture();
    if (m_bDragPending && m_bSelection)
    {
        m_bNoDragCursor = TRUE;
        if (m_bOleDragDrop)
            SendNotify(KT_EDIT_NM_DRAGSTART);
    }
}

BOOL CKTSyntaxEditCtrl::EndOleDrag(BOOL bDropFollows)
{
    const BOOL bRightButton = m_bNoDragCursor;
    // A right-button drop into this text still has to ask where the text goes.
    m_bNoDragCursor = bRightButton && bDropFollows;
    m_bDragPending = m_bDragging = m_bMouseDown = FALSE;
    if (::GetCapture() == m_hWnd)
        ReleaseOwnCapture();
    return bRightButton;
}

void CKTSyntaxEditCtrl::ShowContextMenu()
{
    CPoint point;
    ::GetCursorPos(&point);
    OnContextMenu(this, point);
}

// The notify window shows its own menu; a right-button drag ends in the drop menu instead.
void CKTSyntaxEditCtrl::OnContextMenu(CWnd* pWnd, CPoint point)
{
    if (GetCapture() == this)
        ReleaseOwnCapture();
    if (m_bNoDragCursor && m_bDragging && m_bDropState)
    {
        ShowDropMenu(FALSE);
        m_bNoDragCursor = FALSE;
        return;
    }
    m_bDragging = FALSE;
    m_bNoDragCursor = FALSE;
    CRect rc;
    GetClientRect(&rc);
    ClientToScreen(&rc);
    // The menu key comes without a point; the notify window places that menu itself.
    const BOOL bFromKey = point == CPoint(-1, -1);
    HWND hNotify = m_pParentWnd ? m_pParentWnd->GetSafeHwnd() : NULL;
    if (!hNotify || (!bFromKey && !rc.PtInRect(point)))
        return;
    HideCaret();
    ::SendMessage(hNotify, WM_CONTEXTMENU, WPARAM(pWnd ? pWnd->GetSafeHwnd() : NULL),
                  MAKELPARAM(point.x & 0xFFFF, point.y & 0xFFFF));
    ShowCaret();
    m_nRedrawRow = -1;
    Invalidate(FALSE);
    UpdateWindow();
}
