// The text of a row: background, colour runs cut by the selection, the selected line end and folded-block boxes.
#include "KTSyntaxEditPaintManager.h"

#include <algorithm>
#include <cstring>

#include "KTDrawObjects.h"
#include "KTSyntaxEditCollapsedMark.h"
#include "KTSyntaxEditCtrl.h"

namespace
{
const int kNotGiven = 255;
const int kMaxPrintedChars = 5000;

KT_EDIT_COLLAPSED_MARK* CollapsedMarkOf(CKTSyntaxEditCtrl* pCtrl, int nRow)
{
    CKTSyntaxEditLineMarksManager* pMarks = pCtrl->GetLineMarksManager();
    KT_EDIT_LINEMARK_PARAM param;
    if (!pMarks || !pMarks->HasLineMark(nRow, KT_EDIT_MARK_COLLAPSED, &param))
        return NULL;
    return KT_EDIT_COLLAPSED_MARK::FromParam(param);
}
}  // namespace

KT_EDIT_DRAWTARGET KT_EDIT_DRAWTARGET::Screen(const CKTSyntaxEditCtrl& ctrl, CDC* pDC)
{
    KT_EDIT_DRAWTARGET target;
    target.pDC = pDC;
    target.nFirstColumn = ctrl.GetHorzPos() + 1;
    target.nRowHeight = ctrl.GetRowHeight();
    target.nCharWidth = ctrl.GetCharWidth();
    CRect rcClient;
    ctrl.GetClientRect(&rcClient);
    target.nMaxChars = std::max(10, rcClient.Width() / std::max(target.nCharWidth, 1) + 1);
    return target;
}

// Paper shows each row from its first column, whatever the screen is scrolled to.
KT_EDIT_DRAWTARGET KT_EDIT_DRAWTARGET::Paper(CDC* pDC, int nLeft)
{
    TEXTMETRIC tm{};
    pDC->GetTextMetrics(&tm);
    KT_EDIT_DRAWTARGET target;
    target.pDC = pDC;
    target.bPaper = TRUE;
    target.nLeft = nLeft;
    target.nRowHeight = tm.tmHeight + 1;
    target.nCharWidth = tm.tmAveCharWidth;
    target.nMaxChars = kMaxPrintedChars;
    return target;
}

void CKTSyntaxEditPaintManager::SplitRunBySelection(int nStart, int nEnd, int nSelStart, int nSelEnd,
                                                    KT_EDIT_RUNPIECE pieces[3])
{
    int s = std::clamp(nSelStart, nStart, nEnd);
    int e = std::clamp(nSelEnd, s, nEnd);
    pieces[0] = {s > nStart, nStart, s};
    pieces[1] = {e > s, s, e};
    pieces[2] = {nEnd > e, e, nEnd};
}

void CKTSyntaxEditPaintManager::UpdateTextFont(CKTSyntaxEditCtrl* pCtrl, const LOGFONT& lfRun, CDC* pDC)
{
    LOGFONT lf = m_lfText;
    if (pCtrl->GetSyntaxColor())
    {
        if (lfRun.lfWeight != kNotGiven)
            lf.lfWeight = lfRun.lfWeight;
        if (lfRun.lfItalic != kNotGiven)
            lf.lfItalic = lfRun.lfItalic;
        if (lfRun.lfUnderline != kNotGiven)
            lf.lfUnderline = lfRun.lfUnderline;
    }
    if (memcmp(&lf, &m_lfAttr, sizeof(LOGFONT)) == 0 && m_fontAttr.GetSafeHandle())
        return;
    CFont font;
    if (!font.CreateFontIndirect(&lf))
        return;
    if (pDC)
        pDC->SelectObject(&font);
    m_fontAttr.DeleteObject();
    m_fontAttr.Attach(font.Detach());
    m_lfAttr = lf;
}

CKTSyntaxEditPaintManager::RunColors CKTSyntaxEditPaintManager::ColorsOfRun(CKTSyntaxEditCtrl* pCtrl,
                                                                            const KT_EDIT_TEXTATTR& run, int nRow) const
{
    BOOL bSyntax = pCtrl->GetSyntaxColor();
    RunColors colors = {GetStandardColor(ktColorText), GetStandardColor(ktColorBack), GetStandardColor(ktColorSelText),
                        GetStandardColor(ktColorSelBack)};
    if (bSyntax)
        colors = {run.clrSet.clrText, run.clrSet.clrBack, run.clrSet.clrSelText, run.clrSet.clrSelBack};
    pCtrl->GetRowBkColor(nRow, colors.clrBack);
    pCtrl->GetRowColor(nRow, colors.clrText);
    if (!bSyntax)
        return colors;
    if (colors.clrBack == GetStandardColor(ktColorBack))
        colors.clrBack = GetColor(ktColorBack);
    if (colors.clrText == GetStandardColor(ktColorText))
        colors.clrText = GetColor(ktColorText);
    if (!pCtrl->IsActive())
    {
        if (colors.clrSelBack == GetStandardColor(ktColorSelBack))
            colors.clrSelBack = GetColor(ktColorInactiveSelBack);
        if (colors.clrSelText == GetStandardColor(ktColorSelText))
            colors.clrSelText = GetColor(ktColorInactiveSelText);
    }
    return colors;
}

// The selected characters [nSelStart, nSelEnd) of the row; FALSE when none.
BOOL CKTSyntaxEditPaintManager::SelectionOnRow(CKTSyntaxEditCtrl* pCtrl, const CString& strText, int nRow,
                                               int& nSelStart, int& nSelEnd) const
{
    KT_EDIT_TEXTPOS start, end;
    if (!pCtrl->GetSelection(start, end))
        return FALSE;
    if (nRow < start.nLine || nRow > end.nLine)
        return FALSE;
    int nLength = strText.GetLength();
    if (pCtrl->IsColumnSelection())
    {
        int nLeft = std::min(start.nCol, end.nCol), nRight = std::max(start.nCol, end.nCol);
        nSelStart = std::min(pCtrl->GetCharPosition(nRow, nLeft) - 1, nLength);
        nSelEnd = std::min(pCtrl->GetCharPosition(nRow, nRight) - 1, nLength);
    }
    else
    {
        nSelStart = nRow == start.nLine ? std::min(pCtrl->GetCharPosition(nRow, start.nCol) - 1, nLength) : 0;
        nSelEnd = nRow == end.nLine ? std::min(pCtrl->GetCharPosition(nRow, end.nCol) - 1, nLength) : nLength;
    }
    return nSelEnd > nSelStart;
}

// The screen keeps the box where the mouse finds it again; paper has no mouse, so the box is drawn at once.
void CKTSyntaxEditPaintManager::PlaceCollapsedBox(CKTSyntaxEditCtrl* pCtrl, const KT_EDIT_DRAWTARGET& target,
                                                  KT_EDIT_COLLAPSED_MARK* pMark, int y)
{
    int nColumn = pCtrl->GetDisplayColumn(pMark->block.nStartLine, pMark->block.nStartCol);
    int cw = target.nCharWidth;
    int nLeft = target.nLeft + (nColumn - target.nFirstColumn) * cw;
    CRect rcBox(nLeft, y, nLeft + pMark->block.strCollapsedText.GetLength() * cw + 3, y + target.nRowHeight);
    if (target.bPaper)
        DrawCollapsedBox(target.pDC, rcBox, pMark->block.strCollapsedText);
    else
        pMark->rcBox = rcBox;
}

// One opaque call fills the cells and the row's last pixel line under them.
int CKTSyntaxEditPaintManager::DrawTextRun(CKTSyntaxEditCtrl* pCtrl, const KT_EDIT_DRAWTARGET& target,
                                           const CString& strText, const KT_EDIT_RUNPIECE& piece, int nStartCol, int y,
                                           const LOGFONT& lfRun)
{
    CString strDisplay;
    int nColumns = pCtrl->GetDisplayText(target.bPaper, LPCSTR(strText) + piece.nStart, piece.nEnd - piece.nStart,
                                         nStartCol - 1, strDisplay);
    int cw = std::max(target.nCharWidth, 1);
    int x = (nStartCol - target.nFirstColumn) * cw;
    int nFirst = 0;
    if (x < 0)
    {
        nFirst = -x / cw;
        x = 0;
    }
    int nCount = std::min(target.nMaxChars, strDisplay.GetLength() - nFirst);
    if (nCount <= 0)
        return nStartCol + nColumns;
    UpdateTextFont(pCtrl, lfRun, target.pDC);
    x += target.nLeft;
    CRect rcCells(x, y, x + nCount * cw, y + target.nRowHeight);
    target.pDC->ExtTextOut(x, y, ETO_OPAQUE, &rcCells, LPCSTR(strDisplay) + nFirst, UINT(nCount), NULL);
    return nStartCol + nColumns;
}

void CKTSyntaxEditPaintManager::FillSelectedLineEnd(CKTSyntaxEditCtrl* pCtrl, const KT_EDIT_DRAWTARGET& target,
                                                    const CString& strText, int y, int nRow)
{
    KT_EDIT_TEXTPOS start, end;
    if (!pCtrl->GetSelection(start, end) || nRow < start.nLine || nRow > end.nLine)
        return;
    int nEndCol = pCtrl->GetRowEndColumn(strText);
    int nToCol = nEndCol + 1;
    if (pCtrl->IsColumnSelection())
        nToCol = std::max(start.nCol, end.nCol);
    else if (end.nLine <= nRow)
        return;
    if (nToCol <= nEndCol)
        return;
    int cw = target.nCharWidth;
    int x = target.nLeft + (nEndCol - target.nFirstColumn) * cw;
    int nColor = pCtrl->IsActive() ? ktColorSelBack : ktColorInactiveSelBack;
    target.pDC->FillSolidRect(x, y, (nToCol - nEndCol) * cw, target.nRowHeight, GetColor(nColor));
}

// Paper is filled already and shows no selection: the selection is the screen's own.
void CKTSyntaxEditPaintManager::DrawLineText(CKTSyntaxEditCtrl* pCtrl, const KT_EDIT_DRAWTARGET& target,
                                             const CString& strText, int y, int nRow,
                                             const std::vector<KT_EDIT_TEXTATTR>& arRuns)
{
    CDC* pDC = target.pDC;
    if (!target.bPaper)
    {
        COLORREF clrRowBack = GetColor(ktColorBack);
        pCtrl->GetRowBkColor(nRow, clrRowBack);
        CRect rcClient;
        pCtrl->GetClientRect(&rcClient);
        pDC->FillSolidRect(0, y, rcClient.Width(), target.nRowHeight, clrRowBack);
    }
    if (nRow > pCtrl->GetRowCount())
        return;
    pDC->SetBkMode(OPAQUE);
    pDC->SetTextColor(GetColor(ktColorText));
    // The row's runs switch the attribute font in place; the DC gets its own back at the end.
    CKTFontDC font(pDC, &m_fontAttr);
    int nSelStart = 0, nSelEnd = 0;
    if (target.bPaper || !SelectionOnRow(pCtrl, strText, nRow, nSelStart, nSelEnd))
        nSelStart = nSelEnd = 0;
    KT_EDIT_COLLAPSED_MARK* pMark = CollapsedMarkOf(pCtrl, nRow);
    BOOL bBoxPlaced = FALSE;
    int nColumn = 1;
    for (const KT_EDIT_TEXTATTR& run : arRuns)
    {
        if (pMark && run.nStart >= pMark->block.nStartCol - 1)
        {
            PlaceCollapsedBox(pCtrl, target, pMark, y);
            bBoxPlaced = TRUE;
            break;
        }
        RunColors colors = ColorsOfRun(pCtrl, run, nRow);
        KT_EDIT_RUNPIECE pieces[3];
        SplitRunBySelection(run.nStart, std::min(run.nEnd, strText.GetLength()), nSelStart, nSelEnd, pieces);
        for (int i = 0; i < 3; ++i)
        {
            if (!pieces[i].bPresent)
                continue;
            pDC->SetTextColor(i == 1 ? colors.clrSelText : colors.clrText);
            pDC->SetBkColor(i == 1 ? colors.clrSelBack : colors.clrBack);
            nColumn = DrawTextRun(pCtrl, target, strText, pieces[i], nColumn, y, run.lf);
        }
    }
    if (pMark && !bBoxPlaced)
        PlaceCollapsedBox(pCtrl, target, pMark, y);
    if (!target.bPaper)
        FillSelectedLineEnd(pCtrl, target, strText, y, nRow);
    pDC->SetTextColor(GetColor(ktColorText));
}
