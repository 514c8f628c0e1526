// The control's options from the profile, their setters, the font, the caret shape and the gutter geometry.
#include "KTSyntaxEditCtrl.h"

#include "KTDrawObjects.h"
#include "KTSyntaxEditProfile.h"
#include "themes/KTSyntaxEditPaintManager.h"

namespace
{
const char kSettings[] = "Settings";
const char kVScrollBar[] = "VScrollBar";
const char kHScrollBar[] = "HScrollBar";
const char kSyntaxColor[] = "SyntaxColor";
const char kAutoIndent[] = "AutoIndent";
const char kSelMargin[] = "SelMargin";
const char kLineNumbers[] = "LineNumbers";
const char kWideCaret[] = "WideCaret";
const char kTabWithSpace[] = "TabWithSpace";

int DigitsOf(int n)
{
    int nDigits = 1;
    for (; n >= 10; n /= 10)
        ++nDigits;
    return nDigits;
}
}  // namespace

BOOL CKTSyntaxEditCtrl::ReadProfileFlag(LPCSTR pszKey, BOOL& bValue)
{
    if (!AfxGetApp())
        return FALSE;
    bValue = KTReadProfileFlag(kSettings, pszKey, bValue);
    return TRUE;
}

BOOL CKTSyntaxEditCtrl::WriteProfileFlag(LPCSTR pszKey, BOOL bValue)
{
    CWinApp* pApp = AfxGetApp();
    return pApp && pApp->WriteProfileInt(kSettings, pszKey, bValue);
}

BOOL CKTSyntaxEditCtrl::StoreSetting(BOOL& bMember, BOOL bValue, LPCSTR pszKey, BOOL bUpdateReg)
{
    bMember = bValue;
    return bUpdateReg ? WriteProfileFlag(pszKey, bValue) : TRUE;
}

// Construction and the view's "settings changed" both come here: the
// profile may have changed since the control was made.
void CKTSyntaxEditCtrl::ReloadSettings()
{
    ReadProfileFlag(kVScrollBar, m_bVertScrollBar);
    ReadProfileFlag(kHScrollBar, m_bHorzScrollBar);
    ReadProfileFlag(kSyntaxColor, m_bSyntaxColor);
    ReadProfileFlag(kAutoIndent, m_bAutoIndent);
    ReadProfileFlag(kSelMargin, m_bSelMargin);
    ReadProfileFlag(kLineNumbers, m_bLineNumbers);
    ReadProfileFlag(kWideCaret, m_bWideCaret);
    ReadProfileFlag(kTabWithSpace, m_bTabWithSpace);
    ReadProfileTabSize();
    KTSyntaxEditPaintManager()->RefreshMetrics();
    if (GetSafeHwnd())
        SetScrollBars(m_bHorzScrollBar, m_bVertScrollBar, FALSE);
    SetFont();
    if (!GetSafeHwnd())
        return;
    CreateEditCaret();
    RecalcScrollBars();
    PlaceCaretAtDisplayRow(TRUE);
}

// The buffer reads its tab size once; a changed profile reaches open editors only through here.
void CKTSyntaxEditCtrl::ReadProfileTabSize()
{
    if (m_pBuffer && AfxGetApp())
        m_pBuffer->SetTabSize(KTReadProfileInt(kSettings, "TabSize", m_pBuffer->GetTabSize(),
                                               CKTSyntaxEditBufferManager::kMinTabSize,
                                               CKTSyntaxEditBufferManager::kMaxTabSize),
                              FALSE);
}

// A new pane over the same document starts where the other one stands.
void CKTSyntaxEditCtrl::CopySettings(const CKTSyntaxEditCtrl& other)
{
    if (!other.GetSafeHwnd())
        return;
    m_nCurrentRow = other.m_nCurrentRow;
    m_nCurrentChar = other.m_nCurrentChar;
    m_nDispCol = other.m_nDispCol;
    m_nWantedDispCol = other.m_nWantedDispCol;
    m_mapRowColor = other.m_mapRowColor;
    m_mapRowBkColor = other.m_mapRowBkColor;
    m_bSelMargin = other.m_bSelMargin;
    RecalcGutter();
    m_bLineNumbers = other.m_bLineNumbers;
    RecalcGutter();
    m_bShowWhitespace = other.m_bShowWhitespace;
    m_bTabWithSpace = other.m_bTabWithSpace;
    m_bAutoIndent = other.m_bAutoIndent;
    m_bSyntaxColor = other.m_bSyntaxColor;
    m_ScreenCache.Clear();
    if (m_pBuffer)
        m_pBuffer->EnableSyntaxColor(m_bSyntaxColor);
    RecalcScrollBars();
    SetHorzPos(0, TRUE);
}

BOOL CKTSyntaxEditCtrl::SetScrollBars(BOOL bHorz, BOOL bVert, BOOL bUpdateReg)
{
    BOOL bResult = StoreSetting(m_bHorzScrollBar, bHorz, kHScrollBar, bUpdateReg);
    bResult = StoreSetting(m_bVertScrollBar, bVert, kVScrollBar, bUpdateReg) && bResult;
    if (GetSafeHwnd())
    {
        ModifyStyle(WS_HSCROLL | WS_VSCROLL, OwnScrollBarStyles(), SWP_FRAMECHANGED);
    }
    return bResult;
}

BOOL CKTSyntaxEditCtrl::SetSyntaxColor(BOOL bOn, BOOL bUpdateReg)
{
    return StoreSetting(m_bSyntaxColor, bOn, kSyntaxColor, bUpdateReg);
}

BOOL CKTSyntaxEditCtrl::SetAutoIndent(BOOL bOn, BOOL bUpdateReg)
{
    return StoreSetting(m_bAutoIndent, bOn, kAutoIndent, bUpdateReg);
}

BOOL CKTSyntaxEditCtrl::SetTabWithSpace(BOOL bOn, BOOL bUpdateReg)
{
    return StoreSetting(m_bTabWithSpace, bOn, kTabWithSpace, bUpdateReg);
}

BOOL CKTSyntaxEditCtrl::SetSelMargin(BOOL bOn, BOOL bUpdateReg)
{
    BOOL bResult = StoreSetting(m_bSelMargin, bOn, kSelMargin, bUpdateReg);
    RecalcGutter();
    PlaceCaretAtDisplayRow(FALSE);
    m_nRedrawRow = -1;
    if (GetSafeHwnd())
        Invalidate(TRUE);
    return bResult;
}

BOOL CKTSyntaxEditCtrl::SetLineNumbers(BOOL bOn, BOOL bUpdateReg)
{
    BOOL bResult = StoreSetting(m_bLineNumbers, bOn, kLineNumbers, bUpdateReg);
    RecalcGutter();
    PlaceCaretAtDisplayRow(TRUE);
    return bResult;
}

BOOL CKTSyntaxEditCtrl::SetWideCaret(BOOL bOn, BOOL bUpdateReg)
{
    // An unchanged value is still written when asked: the options sheet stores every option on OK.
    if ((bOn ? TRUE : FALSE) == m_bWideCaret && !bUpdateReg)
        return TRUE;
    BOOL bResult = StoreSetting(m_bWideCaret, bOn, kWideCaret, bUpdateReg);
    CPoint pt = GetCaretPoint();
    CreateEditCaret();
    if (m_bFocused)
        SetCaretPos(pt);
    return bResult;
}

BOOL CKTSyntaxEditCtrl::SetTabSize(int nSize, BOOL bUpdateReg)
{
    if (!m_pBuffer || !m_pBuffer->SetTabSize(nSize, bUpdateReg))
        return FALSE;
    m_nDispCol = GetDisplayColumn(m_nCurrentRow, m_nCurrentChar);
    m_nWantedDispCol = SnapDisplayColumn(m_nCurrentRow, m_nWantedDispCol);
    PlaceCaretAtDisplayRow(FALSE);
    return TRUE;
}

void CKTSyntaxEditCtrl::SetOverwriteMode(BOOL bOverwrite)
{
    if (!m_pBuffer || m_pBuffer->GetOverwriteMode() == bOverwrite)
        return;
    m_pBuffer->SetOverwriteMode(bOverwrite);
    CPoint pt = GetCaretPoint();
    CreateEditCaret();
    if (m_bFocused)
        SetCaretPos(pt);
}

void CKTSyntaxEditCtrl::SetFont(const LOGFONT* pLogFont)
{
    CKTSyntaxEditPaintManager* pManager = KTSyntaxEditPaintManager();
    if (pLogFont)
        pManager->SetFont(pLogFont);
    CFont* pFont = pManager->GetFont();
    if (GetSafeHwnd())
        SendMessage(WM_SETFONT, WPARAM(pFont->GetSafeHandle()), FALSE);
    CKTScreenDC dc;
    CKTFontDC font(&dc, pFont);
    if (!dc.GetSafeHdc() || !::GetTextMetrics(dc.GetSafeHdc(), &m_tm))
        m_tm = TEXTMETRIC{};
    PlaceTopRow(m_nTopRow);  // rows of another height
    RecalcGutter();
    if (GetSafeHwnd())
    {
        m_nRedrawRow = -1;
        Invalidate(FALSE);
    }
}

void CKTSyntaxEditCtrl::RecalcGutter()
{
    int nOldTextLeft = m_nTextLeft;
    m_nTextLeft = m_bSelMargin ? m_nSelMarginWidth : 0;
    m_nLineNumbersWidth = 0;
    if (m_bLineNumbers)
    {
        m_nLineNumbersWidth = (DigitsOf(GetRowCount()) + 1) * m_tm.tmAveCharWidth + 2;
        m_nTextLeft += m_nLineNumbersWidth;
    }
    if (m_bCollapseButtons)
        m_nTextLeft += m_nCollapseButtonSize;
    m_nTextLeft += 4;
    if (m_nTextLeft == nOldTextLeft || !GetSafeHwnd())
        return;
    m_nRedrawRow = -1;
    PlaceCaretAtDisplayRow(TRUE);
    Invalidate(TRUE);
}

CRect CKTSyntaxEditCtrl::GetCollapseButtonRect(int nDisplayRow) const
{
    int nLeft = (m_bSelMargin ? m_nSelMarginWidth : 0) + (m_bLineNumbers ? m_nLineNumbersWidth : 0);
    int nTop = nDisplayRow * GetRowHeight() + (GetRowHeight() - m_nCollapseButtonSize) / 2;
    return CRect(nLeft + 1, nTop, nLeft + m_nCollapseButtonSize, nTop + m_nCollapseButtonSize - 1);
}

int CKTSyntaxEditCtrl::GetVisibleRows() const
{
    CRect rc;
    if (!GetSafeHwnd() || m_tm.tmHeight <= 0)
        return 0;
    GetClientRect(&rc);
    return rc.Height() / GetRowHeight();
}

int CKTSyntaxEditCtrl::GetVisibleColumns() const
{
    CRect rc;
    if (!GetSafeHwnd() || GetCharWidth() <= 0)
        return 0;
    GetClientRect(&rc);
    return (rc.Width() - m_nTextLeft) / GetCharWidth();
}

int CKTSyntaxEditCtrl::CaretWidth() const
{
    BOOL bOverwrite = m_pBuffer && m_pBuffer->GetOverwriteMode();
    return m_bWideCaret && bOverwrite ? GetCharWidth() : 2;
}

void CKTSyntaxEditCtrl::CreateEditCaret()
{
    if (GetSafeHwnd() && ::GetFocus() == m_hWnd)
    {
        CreateSolidCaret(CaretWidth(), GetRowHeight());
        ShowCaret();
    }
}

void CKTSyntaxEditCtrl::RefreshCaret()
{
    if (!GetSafeHwnd())
        return;
    CreateEditCaret();
    Invalidate(FALSE);
    PlaceCaretAtDisplayRow(FALSE);
}

// Scrolling goes to the caret's own row: a caret above the top row has no display offset.
void CKTSyntaxEditCtrl::PlaceCaretAtDisplayRow(BOOL bScroll)
{
    if (bScroll)
        EnsureVisible(m_nCurrentRow, m_nDispCol, TRUE, TRUE);
    else
        MoveCaretTo(GetCurrentDisplayOffset(), m_nDispCol, FALSE);
}
