// The paint loop: visible rows drawn off screen through the paint manager, and repaints paced by the parser.
#include "KTSyntaxEditCtrl.h"

#include "KTDrawObjects.h"
#include "KTSyntaxEditCollapsedMark.h"
#include "KTSyntaxEditNotify.h"
#include "KTSyntaxEditLexParserAdapter.h"
#include "themes/KTSyntaxEditPaintManager.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace
{
const COLORREF kNoRowBack = RGB(255, 255, 255);
const COLORREF kNoRowText = 0;

COLORREF StyleColor(uint32_t clr, COLORREF clrDefault)
{
    return clr == KT_EDIT_LEXSTYLE::ktNoColor ? clrDefault : COLORREF(clr);
}

// The screens parsed while it lives share one wait for a running pass.
class CScreenPaint
{
public:
    explicit CScreenPaint(CKTSyntaxEditScreenCache& cache) : m_cache(cache) { m_cache.BeginPaint(); }
    ~CScreenPaint() { m_cache.EndPaint(); }
    CScreenPaint(const CScreenPaint&) = delete;
    CScreenPaint& operator=(const CScreenPaint&) = delete;

private:
    CKTSyntaxEditScreenCache& m_cache;
};
}  // namespace

// An editor behind another (a tab not shown) is told to paint as well when its text changes: nothing
// of it would show, and drawing a screen of a big text costs tens of milliseconds.
void CKTSyntaxEditCtrl::OnPaint()
{
    DWORD dwStart = ::GetTickCount();
    CPaintDC dc(this);
    CRect rcClip;
    if (dc.GetClipBox(&rcClip) == NULLREGION)
        return;
    Draw(&dc);
    UINT nElapsed = UINT(std::abs(long(::GetTickCount() - dwStart)));
    if (int(m_arPaintTimes.size()) < m_nPaintTimeSlots)
        m_arPaintTimes.push_back(nElapsed);
    else
        m_arPaintTimes[size_t(m_nPaintTimeNext)] = nElapsed;
    m_nPaintTimeNext = (m_nPaintTimeNext + 1) % m_nPaintTimeSlots;
}

int CKTSyntaxEditCtrl::GetAveragePaintTime(int nDefault) const
{
    if (m_arPaintTimes.empty())
        return nDefault;
    long long nSum = 0;
    for (UINT nTime : m_arPaintTimes)
        nSum += nTime;
    return int(nSum / static_cast<long long>(m_arPaintTimes.size()));
}

// Kept from paint to paint while the window keeps its size: making them
// again each time costs more than drawing some of the rows.
BOOL CKTSyntaxEditCtrl::PreparePaintBitmaps(CDC* pDC, CSize size)
{
    CSize szGutter(std::max(m_nTextLeft, 1), size.cy);
    if (size != m_szPaintText || !m_bmPaintText.GetSafeHandle())
    {
        m_bmPaintText.DeleteObject();
        m_szPaintText = m_bmPaintText.CreateCompatibleBitmap(pDC, size.cx, size.cy) ? size : CSize(0, 0);
    }
    if (szGutter != m_szPaintGutter || !m_bmPaintGutter.GetSafeHandle())
    {
        m_bmPaintGutter.DeleteObject();
        m_szPaintGutter =
            m_bmPaintGutter.CreateCompatibleBitmap(pDC, szGutter.cx, szGutter.cy) ? szGutter : CSize(0, 0);
    }
    return m_bmPaintText.GetSafeHandle() && m_bmPaintGutter.GetSafeHandle();
}

// The rows cover the whole text bitmap; the gutter's columns take their
// backgrounds first.
void CKTSyntaxEditCtrl::Draw(CDC* pDC)
{
    if (m_nRedrawRow <= 0)
        m_folding.BeginPaint();
    CRect rc;
    GetClientRect(&rc);
    if (rc.IsRectEmpty() || !PreparePaintBitmaps(pDC, rc.Size()))
        return;
    CKTCompatibleDC dcText(pDC, &m_bmPaintText);
    CKTCompatibleDC dcGutter(pDC, &m_bmPaintGutter);
    KTSyntaxEditPaintManager()->DrawGutterBackground(this, &dcGutter, rc.Height());
    int nVisibleRows = m_tm.tmHeight > 0 ? rc.Height() / GetRowHeight() + 1 : 0;
    if (nVisibleRows == 0)
        dcText.FillSolidRect(&rc, KTSyntaxEditPaintManager()->GetColor(CKTSyntaxEditPaintManager::ktColorBack));
    {
        CScreenPaint screens(m_ScreenCache);
        DrawRows(&dcText, &dcGutter, nVisibleRows);
    }
    PlaceTopRow(m_nTopRow);  // the folds drawn took their blocks from the parse again: they may hide other rows
    m_nRedrawRow = 0;
    KTSyntaxEditPaintManager()->DrawCollapsedTextMarks(this, &dcText);
    pDC->BitBlt(m_nTextLeft, 0, rc.Width(), rc.Height(), &dcText, 0, 0, SRCCOPY);
    pDC->BitBlt(0, 0, m_nTextLeft, rc.Height(), &dcGutter, 0, 0, SRCCOPY);
}

// Rows inside a folded block are passed over: the display row is used again.
void CKTSyntaxEditCtrl::DrawRows(CDC* pTextDC, CDC* pGutterDC, int nVisibleRows)
{
    const KT_EDIT_DRAWTARGET text = KT_EDIT_DRAWTARGET::Screen(*this, pTextDC);
    int nRow = m_nTopRow;
    for (int i = 0; i < nVisibleRows && nRow >= 1; ++i)
    {
        DrawRow(text, pGutterDC, i, nRow);
        int nHidden = 0;
        nRow += 1 + (IsRowCollapsed(nRow, &nHidden) ? std::max(nHidden, 0) : 0);
    }
}

void CKTSyntaxEditCtrl::DrawRow(const KT_EDIT_DRAWTARGET& text, CDC* pGutterDC, int nDisplayRow, int nRow)
{
    CKTSyntaxEditPaintManager* pManager = KTSyntaxEditPaintManager();
    DWORD dwFoldState = m_folding.GetRowState(nRow);
    m_folding.RecordFoldedRow(nRow);
    COLORREF clrText = kNoRowText, clrBack = kNoRowBack;
    GetRowColor(nRow, clrText);
    GetRowBkColor(nRow, clrBack);
    pManager->DrawLineMarks(this, pGutterDC, nDisplayRow, nRow);
    pManager->DrawLineNumber(this, pGutterDC, nDisplayRow, nRow);
    pManager->DrawCollapsedNode(this, pGutterDC, nDisplayRow, dwFoldState);
    DrawRowText(text, nRow, nDisplayRow * text.nRowHeight);
    // Colours set while drawing the marks last only for this paint.
    SetRowColor(nRow, clrText);
    SetRowBkColor(nRow, clrBack);
}

BOOL CKTSyntaxEditCtrl::DrawRowText(const KT_EDIT_DRAWTARGET& target, int nRow, int y)
{
    if (nRow < 1)
        return FALSE;
    CString strText = GetLineText(nRow);
    std::vector<KT_EDIT_TEXTATTR> arRuns;
    GetRowRuns(nRow, strText, arRuns);
    KTSyntaxEditPaintManager()->DrawLineText(this, target, strText, y, nRow, arRuns);
    return TRUE;
}

void CKTSyntaxEditCtrl::GetRowRuns(int nRow, const CString& strText, std::vector<KT_EDIT_TEXTATTR>& arRuns)
{
    CKTSyntaxEditPaintManager* pManager = KTSyntaxEditPaintManager();
    const KT_EDIT_COLORSET& colors = pManager->GetColors();
    CKTSyntaxEditLexTextSchema* pSchema = m_bSyntaxColor ? GetTextSchema() : NULL;
    if (!pSchema || nRow > GetRowCount())
    {
        arRuns.emplace_back();
        KT_EDIT_TEXTATTR& run = arRuns.back();
        run.nEnd = strText.GetLength();
        for (int i = 0; i < KT_EDIT_COLORSET::kColorCount; ++i)
            run.clrSet.At(i).SetStandardValue(colors.At(i).GetStandardColor());
        return;
    }
    std::vector<KT_EDIT_LEXPIECE> pieces;
    pSchema->GetRowColors(nRow, m_pBuffer->GetLineLength(nRow), KT_EDIT_LEXSTYLE(), pieces, GetScreenBlocks(nRow));
    arRuns.resize(pieces.size());
    for (size_t i = 0; i < pieces.size(); ++i)
    {
        const KT_EDIT_LEXSTYLE& style = pieces[i].style;
        KT_EDIT_TEXTATTR& run = arRuns[i];
        run.nStart = pieces[i].nStart;
        run.nEnd = pieces[i].nEnd;
        run.clrSet.clrText.SetStandardValue(StyleColor(style.clrText, colors.clrText.GetStandardColor()));
        run.clrSet.clrBack.SetStandardValue(StyleColor(style.clrBack, colors.clrBack.GetStandardColor()));
        run.clrSet.clrSelText.SetStandardValue(StyleColor(style.clrSelText, colors.clrSelText.GetStandardColor()));
        run.clrSet.clrSelBack.SetStandardValue(StyleColor(style.clrSelBack, colors.clrSelBack.GetStandardColor()));
        run.lf.lfWeight = style.nWeight;
        run.lf.lfItalic = BYTE(style.nItalic);
        run.lf.lfUnderline = BYTE(style.nUnderline);
    }
}

CKTSyntaxEditLexTextSchema* CKTSyntaxEditCtrl::GetTextSchema() const
{
    CKTSyntaxEditLexParserAdapter* pLink = CKTSyntaxEditLexParserAdapter::FromBuffer(m_pBuffer.GetInterface());
    return pLink ? pLink->GetParser()->GetTextSchema() : NULL;
}

const CKTLexBlockChain* CKTSyntaxEditCtrl::GetScreenBlocks(int nRow)
{
    CKTSyntaxEditLexParserAdapter* pLink = CKTSyntaxEditLexParserAdapter::FromBuffer(m_pBuffer.GetInterface());
    CKTSyntaxEditLexTextSchema* pSchema = GetTextSchema();
    if (!pSchema)
        return NULL;
    DWORD dwNow = ::GetTickCount();
    CKTSyntaxEditLexParserSchemaOptions options =
        pLink->GetParser()->GetSchemaOptions(std::string(LPCSTR(m_pBuffer->GetFileExt())));
    m_ScreenCache.Expire(options.m_nOnScreenSchCacheLifeTime_sec, dwNow);
    if (const CKTLexBlockChain* pChain = m_ScreenCache.Find(nRow, dwNow))
        return pChain;
    int nStart = 0, nEnd = 0;
    m_ScreenCache.ChooseRange(nRow, GetVisibleRows(), m_folding.GetShownRows(), nStart, nEnd);
    CKTSyntaxEditLexCursor cursor(pLink->GetText(), options.m_nMaxBackParseOffset);
    CKTLexBlockChain chain;
    if (!pSchema->RunOnScreen(cursor, nStart, nEnd, chain, m_ScreenCache.GetDeadline()))
        return NULL;
    return m_ScreenCache.Add(nStart, nEnd, std::move(chain), dwNow);
}

void CKTSyntaxEditCtrl::SetRowBkColor(int nRow, COLORREF clr)
{
    if (clr == kNoRowBack)
        m_mapRowBkColor.erase(nRow);
    else
        m_mapRowBkColor[nRow] = clr;
}

void CKTSyntaxEditCtrl::SetRowColor(int nRow, COLORREF clr)
{
    if (clr == kNoRowText)
        m_mapRowColor.erase(nRow);
    else
        m_mapRowColor[nRow] = clr;
}

BOOL CKTSyntaxEditCtrl::GetRowBkColor(int nRow, COLORREF& clr) const
{
    auto it = m_mapRowBkColor.find(nRow);
    if (it == m_mapRowBkColor.end())
        return FALSE;
    clr = it->second;
    return TRUE;
}

BOOL CKTSyntaxEditCtrl::GetRowColor(int nRow, COLORREF& clr) const
{
    auto it = m_mapRowColor.find(nRow);
    if (it == m_mapRowColor.end())
        return FALSE;
    clr = it->second;
    return TRUE;
}

// --- Repaints paced by the background parse ----------------------------------

BOOL CKTSyntaxEditCtrl::IsBlockVisible(const CKTSyntaxEditLexTextBlock* pBlock) const
{
    int nBlockEnd = pBlock->IsOpen() ? INT_MAX : pBlock->m_posEnd.nRow;
    return pBlock->m_posStart.nRow <= m_nParseShownRow && nBlockEnd >= m_nTopRow;
}

void CKTSyntaxEditCtrl::RepaintNow()
{
    m_nRedrawRow = -1;
    Invalidate(FALSE);
    UpdateWindow();
}

// The row's band across gutter and text, where it stands on screen now.
void CKTSyntaxEditCtrl::InvalidateRow(int nRow)
{
    if (!GetSafeHwnd() || nRow < m_nTopRow)
        return;
    CRect rc;
    GetClientRect(&rc);
    rc.top = (GetDisplayRowCount(m_nTopRow, nRow) - 1) * GetRowHeight();
    rc.bottom = rc.top + GetRowHeight();
    InvalidateRect(&rc, FALSE);
}

void CKTSyntaxEditCtrl::OnParserNotify(DWORD dwCode, WPARAM wParam, LPARAM lParam)
{
    if (!GetSafeHwnd())
        return;
    KT_EDIT_NMHDR_PARSER nm = {{}, int(dwCode), wParam, lParam};
    Notify(&nm.hdr, KT_EDIT_NM_PARSEREVENT);
    DWORD dwDelay = DWORD(std::max(1000, 3 * GetAveragePaintTime(333)));
    DWORD dwNow = ::GetTickCount();
    BOOL bReady = TRUE;
    switch (dwCode)
    {
    case CKTSyntaxEditLexParser::ktEditOnParserStarted:
        m_dwLastParseRepaint = dwNow;
        return;
    case CKTSyntaxEditLexParser::ktEditOnTextBlockParsed:
    {
        bReady = DWORD(std::abs(long(dwNow - m_dwLastParseRepaint))) >= dwDelay;
        if (bReady)
            m_dwLastParseRepaint = dwNow;
        auto* pBlock = reinterpret_cast<const CKTSyntaxEditLexTextBlock*>(wParam);
        if (!pBlock)
            return;
        m_folding.InvalidateFolds();
        TrimScreenCache(pBlock->m_posStart.nRow);
        if (!IsBlockVisible(pBlock))
            return;
        break;
    }
    case CKTSyntaxEditLexParser::ktEditOnParserEnded:
        m_folding.InvalidateFolds();
        break;
    default:
        return;
    }
    if (bReady)
    {
        StopParseRepaint();
        RepaintNow();
    }
    else
    {
        DelayParseRepaint(5 * dwDelay);
    }
}

// Each block parsed on screen pushes the repaint back; the timer runs once
// for all of them, since a long parse announces thousands in a row.
void CKTSyntaxEditCtrl::DelayParseRepaint(DWORD dwDelay)
{
    m_dwParseRepaintDue = ::GetTickCount() + dwDelay;
    if (m_bParseRepaintTimer)
        return;
    SetTimer(ktTimerParseRepaint, dwDelay);
    m_bParseRepaintTimer = TRUE;
}

void CKTSyntaxEditCtrl::StopParseRepaint()
{
    if (!m_bParseRepaintTimer)
        return;
    KillTimer(ktTimerParseRepaint);
    m_bParseRepaintTimer = FALSE;
}

void CKTSyntaxEditCtrl::OnParseRepaintTimer()
{
    LONG nLeft = LONG(m_dwParseRepaintDue - ::GetTickCount());
    if (nLeft > 0)
    {
        SetTimer(ktTimerParseRepaint, DWORD(nLeft));
        return;
    }
    StopParseRepaint();
    RepaintNow();
}
