// The editor view in a splitter: panes over one buffer redraw each other's edits and follow the scroll bars they share.
#include "KTSyntaxEditView.h"

#include <afxwin_splitter.h>

#include <algorithm>

#include "KTSyntaxEditDoc.h"
#include "KTSyntaxEditNotify.h"

namespace
{
void RedrawNow(CKTSyntaxEditCtrl* pCtrl)
{
    pCtrl->Invalidate(FALSE);
    pCtrl->UpdateWindow();
}

// Kept on the pane's own row, without scrolling it or telling its view.
void TakeCaretColumn(CKTSyntaxEditCtrl& target, const CKTSyntaxEditCtrl& source)
{
    target.SetCurrentPosition(target.GetCurrentRow(), source.GetCurrentDispCol(), TRUE, FALSE);
}
}  // namespace

CSplitterWnd* CKTSyntaxEditView::SplitterOf(CView* pView)
{
    if (!pView || !GetEditCtrl()->GetUseParentScrollBars())
        return NULL;
    CWnd* pParent = pView->GetParent();
    return pParent && pParent->IsKindOf(RUNTIME_CLASS(CSplitterWnd)) ? static_cast<CSplitterWnd*>(pParent) : NULL;
}

// Pane ids count rows in sixteens; an id off the grid still names its nearest pane.
CPoint CKTSyntaxEditView::PaneCell(const CSplitterWnd& splitter) const
{
    int nOffset = std::max(GetDlgCtrlID() - AFX_IDW_PANE_FIRST, 0);
    return CPoint(std::min(nOffset % 16, splitter.GetColumnCount() - 1),
                  std::min(nOffset / 16, splitter.GetRowCount() - 1));
}

template <typename F>
void CKTSyntaxEditView::ForEachOtherPane(const CSplitterWnd& splitter, F&& visit)
{
    for (int nRow = 0; nRow < splitter.GetRowCount(); ++nRow)
    {
        for (int nCol = 0; nCol < splitter.GetColumnCount(); ++nCol)
        {
            CWnd* pPane = splitter.GetPane(nRow, nCol);
            if (pPane && pPane != this && pPane->IsKindOf(RUNTIME_CLASS(CKTSyntaxEditView)))
                visit(static_cast<CKTSyntaxEditView*>(pPane), CPoint(nCol, nRow));
        }
    }
}

void CKTSyntaxEditView::SyncSplitterPanes(const KT_EDIT_NMHDR_ROWS* pRecord)
{
    CKTSyntaxEditDoc* pDoc = GetDocument();
    CSplitterWnd* pSplitter = pDoc ? SplitterOf(pDoc->GetFirstView()) : NULL;
    if (!pSplitter)
        return;
    ForEachOtherPane(*pSplitter,
                     [pRecord](CKTSyntaxEditView* pPane, CPoint)
                     {
                         CKTSyntaxEditCtrl* pCtrl = pPane->GetEditCtrl();
                         if (!pCtrl->GetSafeHwnd())
                             return;
                         pCtrl->RecalcScrollBars();
                         pCtrl->SetRedrawRow(pRecord ? pRecord->nFirstRow : -1);
                         if (pRecord)
                             pCtrl->TrimScreenCache(pRecord->nFirstRow);
                         else
                             pCtrl->ResetSelectionFlag();  // the user acts in another pane now
                         RedrawNow(pCtrl);
                     });
}

void CKTSyntaxEditView::UpdateSiblingViews(int nMask)
{
    CKTSyntaxEditCtrl* pCtrl = GetEditCtrl();
    if (!pCtrl->GetSafeHwnd())
        return;
    CSplitterWnd* pSplitter = SplitterOf(this);
    if (!pSplitter)
    {
        pCtrl->RecalcScrollBars();
        pCtrl->SetRedrawRow(-1);
        RedrawNow(pCtrl);
        return;
    }
    const CPoint own = PaneCell(*pSplitter);
    const CFrameWnd* pFrame = GetParentFrame();
    ForEachOtherPane(*pSplitter,
                     [&](CKTSyntaxEditView* pPane, CPoint cell)
                     {
                         CKTSyntaxEditCtrl* pOther = pPane->GetEditCtrl();
                         BOOL bSameFrame = pPane->GetParentFrame() == pFrame;
                         // Panes of a row share the vertical bar, panes of a column the horizontal one. Each
                         // row keeps its own top row: the caret's every move reports both bits.
                         if ((nMask & KT_EDIT_VIEW_VERT) && cell.y == own.y && bSameFrame)
                         {
                             pOther->SetTopRow(pCtrl->GetTopRow());
                         }
                         else if ((nMask & KT_EDIT_VIEW_HORZ) && cell.x == own.x && bSameFrame)
                         {
                             pOther->SetHorzPos(pCtrl->GetHorzPos(), FALSE);
                             TakeCaretColumn(*pOther, *pCtrl);
                         }
                         else if (!(nMask & KT_EDIT_VIEW_LAYOUT))
                         {
                             return;
                         }
                         else if (bSameFrame && cell.x != own.x && cell.y != own.y)
                         {
                             TakeCaretColumn(*pOther, *pCtrl);
                         }
                         pOther->RecalcScrollBars();
                         pOther->SetRedrawRow(-1);
                         RedrawNow(pOther);
                     });
}

// Every view of the document hears the hint; only the one whose control moved passes its position on.
void CKTSyntaxEditView::UpdateSiblingsFrom(const KT_EDIT_NMHDR_VALUE* pRecord)
{
    if (pRecord && pRecord->hdr.hwndFrom == GetEditCtrl()->GetSafeHwnd())
        UpdateSiblingViews(pRecord->nValue);
}

BOOL CKTSyntaxEditView::SetScrollBars(BOOL bHorz, BOOL bVert, BOOL bSave, BOOL bRelayout)
{
    CSplitterWnd* pSplitter = SplitterOf(this);
    if (!pSplitter)
    {
        // Where the view's bars stand for the control's, the choice is still kept and stored: the
        // options page reports it as applied.
        m_bHorzScrollBar = bHorz;
        m_bVertScrollBar = bVert;
        return GetEditCtrl()->SetScrollBars(bHorz, bVert, bSave);
    }
    m_bHorzScrollBar = bHorz;
    m_bVertScrollBar = bVert;
    if (bSave &&
        !(GetEditCtrl()->WriteProfileFlag("HScrollBar", bHorz) && GetEditCtrl()->WriteProfileFlag("VScrollBar", bVert)))
        return FALSE;
    pSplitter->SetScrollStyle((bHorz ? WS_HSCROLL : 0) | (bVert ? WS_VSCROLL : 0));
    if (!bRelayout)
        return TRUE;
    BOOL bAllEditors = TRUE;
    for (int nRow = 0; nRow < pSplitter->GetRowCount(); ++nRow)
    {
        for (int nCol = 0; nCol < pSplitter->GetColumnCount(); ++nCol)
        {
            CWnd* pPane = pSplitter->GetPane(nRow, nCol);
            bAllEditors &= pPane && pPane->IsKindOf(RUNTIME_CLASS(CKTSyntaxEditView));
        }
    }
    if (!bAllEditors)
        return FALSE;
    pSplitter->RecalcLayout();
    return TRUE;
}
