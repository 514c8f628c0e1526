// OLE drag and drop of text between editors and other programs; the side that started a drag inside its own
// text does the move or copy itself, once the drop told it where.
#include "KTSyntaxEditView.h"

#include <afxpriv.h>
#include <afxwin_splitter.h>

#include "KTSyntaxEditDoc.h"
#include "KTSyntaxEditUndoText.h"

namespace
{
// One drag at a time in the process.
struct KT_EDIT_DRAGSTATE
{
    BOOL bDropInSameBuffer = FALSE;
    KT_EDIT_TEXTPOS ptDrop;  // (row, display column)
    CKTSyntaxEditView* pTargetView = NULL;
    CKTSyntaxEditBufferManager* pSourceBuffer = NULL;  // NULL: the text comes from another program
};
KT_EDIT_DRAGSTATE g_drag;

BOOL IsCtrlHeld(DWORD dwKeyState) { return (dwKeyState & MK_CONTROL) != 0; }
}  // namespace

LRESULT CKTSyntaxEditView::OnDragStart(NMHDR*)
{
    CKTSyntaxEditCtrl* pCtrl = GetEditCtrl();
    HGLOBAL hText = pCtrl->GetSelectionData(CF_TEXT);
    if (!hText)
    {
        pCtrl->EndOleDrag(FALSE);
        return 0;
    }
    COleDataSource source;
    source.CacheGlobalData(CF_TEXT, hText);
    if (HGLOBAL hUnicode = pCtrl->GetSelectionData(CF_UNICODETEXT))
        source.CacheGlobalData(CF_UNICODETEXT, hUnicode);
    g_drag = KT_EDIT_DRAGSTATE();
    g_drag.pSourceBuffer = pCtrl->GetBuffer();
    m_bDragging = TRUE;
    m_bDraggedOver = FALSE;
    EndDrag(source.DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE));
    m_bDragging = m_bDraggedOver = FALSE;
    g_drag = KT_EDIT_DRAGSTATE();
    return 0;
}

void CKTSyntaxEditView::EndDrag(DROPEFFECT dropEffect)
{
    CKTSyntaxEditCtrl* pCtrl = GetEditCtrl();
    const BOOL bRightButton = pCtrl->EndOleDrag(dropEffect != DROPEFFECT_NONE && g_drag.bDropInSameBuffer);
    KT_EDIT_TEXTPOS start, end;
    if (dropEffect == DROPEFFECT_NONE)
    {
        if (m_bDraggedOver && pCtrl->GetSelection(start, end))
        {
            pCtrl->SetCurrentPosition(end.nLine, end.nCol, TRUE, TRUE);
            return;
        }
        if (bRightButton)
        {
            pCtrl->ShowContextMenu();
            return;
        }
        // A press without a drag is a click: the caret goes where it was.
        CPoint point;
        ::GetCursorPos(&point);
        pCtrl->ScreenToClient(&point);
        int nRow = 0, nCol = 0;
        pCtrl->HitTest(point.x, point.y, nRow, nCol);
        pCtrl->ClearSelection();
        pCtrl->SetCurrentPosition(nRow, std::max(nCol, 1), FALSE, TRUE);
        return;
    }
    if (!g_drag.bDropInSameBuffer)
    {
        if (dropEffect == DROPEFFECT_MOVE)
            pCtrl->DeleteSelection(TRUE);
        return;
    }
    pCtrl->SetDropPosition(g_drag.ptDrop.nLine, g_drag.ptDrop.nCol);
    pCtrl->ShowDropMenu(dropEffect == DROPEFFECT_COPY);
    CKTSyntaxEditView* pTarget = g_drag.pTargetView;
    if (!pTarget || pTarget == this || !::IsWindow(pTarget->GetSafeHwnd()))
        return;
    pCtrl->ClearSelection();
    pTarget->GetEditCtrl()->SetCurrentPosition(g_drag.ptDrop.nLine, g_drag.ptDrop.nCol, FALSE, TRUE);
}

DROPEFFECT CKTSyntaxEditView::OnDragEnter(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    m_bTextOffered = pDataObject->IsDataAvailable(CF_TEXT);
    m_bFilesOffered = pDataObject->IsDataAvailable(CF_HDROP);
    g_drag.bDropInSameBuffer = FALSE;
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame && pFrame->GetActiveView() != this)
        pFrame->SetActiveView(this);
    if (CMDIChildWnd* pChild = dynamic_cast<CMDIChildWnd*>(pFrame))
        pChild->MDIActivate();
    return CView::OnDragEnter(pDataObject, dwKeyState, point);
}

DROPEFFECT CKTSyntaxEditView::OnDragOver(COleDataObject*, DWORD dwKeyState, CPoint point)
{
    if (m_bFilesOffered)
        return DROPEFFECT_COPY;
    if (!m_bTextOffered)
        return DROPEFFECT_NONE;
    CKTSyntaxEditCtrl* pCtrl = GetEditCtrl();
    CPoint ptCtrl(point);
    ClientToScreen(&ptCtrl);
    pCtrl->ScreenToClient(&ptCtrl);
    int nRow = 0, nCol = 0;
    pCtrl->HitTest(ptCtrl.x, ptCtrl.y, nRow, nCol);
    if (nRow == pCtrl->GetTopRow() && nRow > 1)
        nRow--;
    else if (nRow == pCtrl->GetBottomRow(pCtrl->GetVisibleRows()) && nRow < pCtrl->GetRowCount())
        nRow++;
    nRow = std::max(nRow, 1);
    if (nRow != pCtrl->GetCurrentRow() || nCol != pCtrl->GetCurrentDispCol())
        pCtrl->SetCurrentPosition(nRow, std::max(nCol, 1), TRUE, TRUE);
    pCtrl->SetFocus();
    m_bDraggedOver = TRUE;
    return IsCtrlHeld(dwKeyState) ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
}

void CKTSyntaxEditView::OnDragLeave()
{
    m_bTextOffered = m_bFilesOffered = FALSE;
    g_drag.bDropInSameBuffer = FALSE;
}

BOOL CKTSyntaxEditView::OnDrop(COleDataObject* pDataObject, DROPEFFECT, CPoint)
{
    if (m_bFilesOffered)
    {
        m_bFilesOffered = FALSE;
        HGLOBAL hDrop = pDataObject->GetGlobalData(CF_HDROP);
        if (!hDrop)
            return FALSE;
        OnDropFiles((HDROP)hDrop);
        return TRUE;
    }
    m_bTextOffered = FALSE;
    CKTSyntaxEditCtrl* pCtrl = GetEditCtrl();
    if (g_drag.pSourceBuffer != pCtrl->GetBuffer())
        return DropText(pDataObject);
    if (pCtrl->IsInSelection(pCtrl->GetCurrentRow(), pCtrl->GetCurrentDispCol()))
    {
        pCtrl->ClearSelection();
        return FALSE;
    }
    g_drag.ptDrop = KT_EDIT_TEXTPOS(pCtrl->GetCurrentRow(), pCtrl->GetCurrentDispCol());
    g_drag.pTargetView = this;
    g_drag.bDropInSameBuffer = TRUE;
    return TRUE;
}

// A refused insertion answers no effect, so that a moving source keeps its text.
BOOL CKTSyntaxEditView::DropText(COleDataObject* pDataObject)
{
    HGLOBAL hText = pDataObject->GetGlobalData(CF_TEXT);
    if (!hText)
        return FALSE;
    CString strText((LPCSTR)::GlobalLock(hText));
    ::GlobalUnlock(hText);
    ::GlobalFree(hText);
    CKTSyntaxEditCtrl* pCtrl = GetEditCtrl();
    if (!pCtrl->InsertString(strText, pCtrl->GetCurrentRow(), pCtrl->GetCurrentChar(), FALSE, TRUE))
        return FALSE;
    pCtrl->GetBuffer()->GetUndoRedoManager()->SetLastCommandText(KT_IDS_EDIT_PASTE);
    if (CDocument* pDoc = CView::GetDocument())
        pDoc->SetModifiedFlag(TRUE);
    return TRUE;
}
