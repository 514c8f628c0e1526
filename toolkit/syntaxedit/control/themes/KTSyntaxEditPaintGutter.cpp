// The gutter of a row: line-mark margin and icons, line number, collapse node; and the boxes of folded blocks.
#include "KTSyntaxEditPaintManager.h"

#include <algorithm>

#include "KTDrawObjects.h"
#include "KTSyntaxEditCollapsedMark.h"
#include "KTSyntaxEditCtrl.h"
#include "KTSyntaxEditNotify.h"

namespace
{
int RowTop(CKTSyntaxEditCtrl* pCtrl, int nDisplayRow) { return nDisplayRow * pCtrl->GetRowHeight(); }

int GutterLeft(CKTSyntaxEditCtrl* pCtrl)
{
    return (pCtrl->GetSelMargin() ? pCtrl->GetSelMarginWidth() : 0) +
           (pCtrl->GetLineNumbers() ? pCtrl->GetLineNumbersWidth() : 0);
}
}  // namespace

// Light and face pixels in turn: the margin's look.
void CKTSyntaxEditPaintManager::FillHalftone(CDC* pDC, const CRect& rc)
{
    HBRUSH hBrush = KTHalftoneBrush();
    if (!hBrush)
        return;
    COLORREF clrOldBk = pDC->SetBkColor(::GetSysColor(COLOR_WINDOW));
    COLORREF clrOldText = pDC->SetTextColor(::GetSysColor(COLOR_3DFACE));
    ::FillRect(pDC->GetSafeHdc(), &rc, hBrush);
    pDC->SetBkColor(clrOldBk);
    pDC->SetTextColor(clrOldText);
}

// Pixels on odd lines only, drawn by one stroke of a pen that sets every other pixel.
void CKTSyntaxEditPaintManager::DrawDottedLine(CDC* pDC, int x, int yTop, int yBottom, COLORREF clr)
{
    if (clr != m_clrDotted || !m_penDotted.GetSafeHandle())
    {
        LOGBRUSH lb = {BS_SOLID, clr, 0};
        m_penDotted.DeleteObject();
        if (!m_penDotted.Attach(::ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 1, &lb, 0, NULL)))
            return;
        m_clrDotted = clr;
    }
    CPen* pOldPen = pDC->SelectObject(&m_penDotted);
    pDC->MoveTo(x, yTop | 1);
    pDC->LineTo(x, yBottom);
    pDC->SelectObject(pOldPen);
}

// The columns' backgrounds for the whole height at once: the same pixels
// as row by row, in a handful of calls.
void CKTSyntaxEditPaintManager::DrawGutterBackground(CKTSyntaxEditCtrl* pCtrl, CDC* pDC, int nHeight)
{
    pDC->FillSolidRect(0, 0, pCtrl->GetTextLeft(), nHeight, GetColor(ktColorBack));
    int x = 0;
    if (pCtrl->GetSelMargin())
    {
        x = pCtrl->GetSelMarginWidth();
        FillHalftone(pDC, CRect(0, 0, x, nHeight));
        pDC->FillSolidRect(x - 1, 0, 1, nHeight, ::GetSysColor(COLOR_BTNSHADOW));
    }
    if (!pCtrl->GetLineNumbers())
        return;
    int nRight = x + pCtrl->GetLineNumbersWidth() - 2;
    pDC->FillSolidRect(x, 0, nRight - x, nHeight, GetColor(ktColorLineNumberBack));
    DrawDottedLine(pDC, nRight + 1, 0, nHeight, GetColor(ktColorLineNumberText));
}

void CKTSyntaxEditPaintManager::DrawLineMarks(CKTSyntaxEditCtrl* pCtrl, CDC* pDC, int nDisplayRow, int nRow)
{
    int nWidth = pCtrl->GetSelMargin() ? pCtrl->GetSelMarginWidth() : -1;
    int y = RowTop(pCtrl, nDisplayRow);
    CRect rcMargin(0, y, nWidth, y + pCtrl->GetRowHeight());
    HWND hParent = pCtrl->GetParent()->GetSafeHwnd();
    if (hParent && CWnd::FromHandlePermanent(hParent))
    {
        KT_EDIT_NMHDR_DRAWLINE nm = {
            {pCtrl->GetSafeHwnd(), 0, UINT(KT_EDIT_NM_DRAWLINE)}, pDC->GetSafeHdc(), rcMargin, nRow};
        if (::SendMessage(hParent, WM_NOTIFY, 0, LPARAM(&nm)))
            return;
    }
    DrawLineMark(pCtrl, pDC, rcMargin, nRow);
}

void CKTSyntaxEditPaintManager::DrawLineMark(CKTSyntaxEditCtrl* pCtrl, CDC* pDC, const CRect& rcMargin, int nRow)
{
    CKTSyntaxEditLineMarksManager* pMarks = pCtrl->GetLineMarksManager();
    if (!pMarks)
        return;
    int nImage = -1;
    if (pMarks->HasLineMark(nRow, KT_EDIT_MARK_BOOKMARK))
        nImage = nRow == pCtrl->GetCurrentRow() ? 1 : 0;
    if (pMarks->HasLineMark(nRow, KT_EDIT_MARK_BREAKPOINT))
    {
        nImage = 2;
        pCtrl->SetRowBkColor(nRow, RGB(128, 0, 0));
        pCtrl->SetRowColor(nRow, RGB(255, 255, 255));
    }
    int cx = 0, cy = 0;
    if (nImage < 0 || !m_ilLineMarks.GetSafeHandle() || !m_ilLineMarks.GetIconSize(&cx, &cy))
        return;
    ::ImageList_DrawEx(m_ilLineMarks, nImage, pDC->GetSafeHdc(), rcMargin.left, rcMargin.top,
                       std::min(cx, rcMargin.Width()), std::min(cy, rcMargin.Height()), CLR_NONE, CLR_DEFAULT,
                       ILD_NORMAL);
}

void CKTSyntaxEditPaintManager::DrawLineNumber(CKTSyntaxEditCtrl* pCtrl, CDC* pDC, int nDisplayRow, int nRow)
{
    if (!pCtrl || nRow < 1 || !pCtrl->GetLineNumbers() || nRow > pCtrl->GetRowCount())
        return;
    CString strNumber;
    strNumber.Format("%d", nRow);
    CKTFontDC font(pDC, &m_fontLineNumber, GetColor(ktColorLineNumberText));
    int x = pCtrl->GetSelMargin() ? pCtrl->GetSelMarginWidth() : 0;
    int y = RowTop(pCtrl, nDisplayRow);
    CRect rc(x, y, x + pCtrl->GetLineNumbersWidth() - 2, y + pCtrl->GetRowHeight());
    COLORREF clrOldBk = pDC->SetBkColor(GetColor(ktColorLineNumberBack));
    UINT nOldAlign = pDC->SetTextAlign(TA_RIGHT | TA_TOP);
    pDC->ExtTextOut(rc.right, rc.top, ETO_OPAQUE | ETO_CLIPPED, &rc, strNumber, NULL);
    pDC->SetTextAlign(nOldAlign);
    pDC->SetBkColor(clrOldBk);
}

void CKTSyntaxEditPaintManager::DrawPaperLineNumber(CDC* pDC, const CRect& rc, int nRow)
{
    CString strNumber;
    strNumber.Format("%d", nRow);
    CKTFontDC font(pDC, &m_fontLineNumber, GetColor(ktColorLineNumberText));
    COLORREF clrOldBk = pDC->SetBkColor(GetColor(ktColorLineNumberBack));
    CRect rcText(rc);  // DrawText may write to it
    pDC->DrawText(strNumber, rcText, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    pDC->SetBkColor(clrOldBk);
    DrawDottedLine(pDC, rc.right + 1, rc.top, rc.bottom, GetColor(ktColorLineNumberText));
}

void CKTSyntaxEditPaintManager::DrawCollapsedNode(CKTSyntaxEditCtrl* pCtrl, CDC* pDC, int nDisplayRow, DWORD dwFlags)
{
    if (!pCtrl || !pCtrl->GetCollapseButtons() || !dwFlags)
        return;
    int nLeft = GutterLeft(pCtrl);
    int yRow = RowTop(pCtrl, nDisplayRow);
    int nRowHeight = pCtrl->GetRowHeight();
    CRect rcButton = pCtrl->GetCollapseButtonRect(nDisplayRow);
    int cx = rcButton.left + rcButton.Width() / 2;
    int cy = rcButton.top + rcButton.Height() / 2;
    int yMid = yRow + nRowHeight / 2;
    CPen* pOldPen = pDC->SelectObject(&m_penShadow);
    if (dwFlags & 0x10)
    {
        pDC->MoveTo(cx, yRow);
        pDC->LineTo(cx, yMid);
    }
    if (dwFlags & 0x20)
    {
        pDC->MoveTo(cx, yRow + nRowHeight);
        pDC->LineTo(cx, yMid - 2);
    }
    if (dwFlags & 0x04)
    {
        pDC->MoveTo(cx, yMid);
        pDC->LineTo(cx + (pCtrl->GetTextLeft() - nLeft) / 2, yMid);
    }
    if (dwFlags & 0x03)
    {
        CKTBrushDC brush(pDC->GetSafeHdc(), GetColor(ktColorBack));
        pDC->Rectangle(&rcButton);
        pDC->MoveTo(cx - 2, cy);
        pDC->LineTo(cx + 3, cy);
        if (dwFlags & 0x01)
        {
            pDC->MoveTo(cx, cy - 2);
            pDC->LineTo(cx, cy + 3);
        }
    }
    pDC->SelectObject(pOldPen);
}

void CKTSyntaxEditPaintManager::DrawCollapsedTextMarks(CKTSyntaxEditCtrl* pCtrl, CDC* pDC)
{
    pCtrl->GetFolding().ForEachShownFold(
        [&](KT_EDIT_COLLAPSED_MARK& mark)
        {
            DrawCollapsedBox(pDC, mark.rcBox, mark.block.strCollapsedText);
            return TRUE;
        });
}

// The replacement text in shadow colour, framed one pixel taller than the row.
void CKTSyntaxEditPaintManager::DrawCollapsedBox(CDC* pDC, const CRect& rcBox, const CString& strText)
{
    CKTFontDC font(pDC, &m_fontText, ::GetSysColor(COLOR_BTNSHADOW));
    COLORREF clrBack = GetColor(ktColorBack);
    COLORREF clrOldBk = pDC->SetBkColor(clrBack);
    CRect rcInner(rcBox);
    rcInner.DeflateRect(1, 1);
    pDC->FillSolidRect(&rcInner, clrBack);
    pDC->DrawText(strText, &rcInner, 0);
    CRect rcFrame(rcBox.left, rcBox.top, rcBox.right, rcBox.bottom + 1);
    CBrush brush(::GetSysColor(COLOR_BTNSHADOW));
    pDC->FrameRect(&rcFrame, &brush);
    pDC->SetBkColor(clrOldBk);
}
