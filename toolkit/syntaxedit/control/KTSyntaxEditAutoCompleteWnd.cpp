// The pop-up word list: layout, painting, the keys and clicks that move its selection, and the choice of an entry.
#include "KTSyntaxEditAutoCompleteWnd.h"

#include "KTDrawHelpers.h"
#include "KTDrawObjects.h"
#include "KTSyntaxEditRes.h"

#include <mbstring.h>

#include <algorithm>

namespace
{
const char kClassName[] = "ZiduzuduSEAutoCompleteWnd";
const int kIconWidth = 16;
const int kTextIndent = 19;  // the icon's column, then the text area
const int kPlaceLeft = 21;   // the list opens this far left of the caret, so its text lines up with the word

const unsigned char* Bytes(const CString& str) { return reinterpret_cast<const unsigned char*>(LPCSTR(str)); }

// <0, 0, >0 as the item sorts before, begins with or sorts after the prefix.
int ComparePrefix(const CString& strItem, const CString& strPrefix)
{
    return _mbsnbicmp(Bytes(strItem), Bytes(strPrefix), size_t(strPrefix.GetLength()));
}
}  // namespace

BEGIN_MESSAGE_MAP(CKTSyntaxEditAutoCompleteWnd, CWnd)
ON_WM_PAINT()
ON_WM_SETCURSOR()
ON_WM_MOUSEACTIVATE()
ON_WM_LBUTTONDOWN()
ON_WM_RBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_WM_KEYDOWN()
ON_WM_CHAR()
ON_WM_VSCROLL()
END_MESSAGE_MAP()

CKTSyntaxEditAutoCompleteWnd::CKTSyntaxEditAutoCompleteWnd()
{
    if (!CKTDrawHelpers::RegisterWndClass(NULL, kClassName, CS_DBLCLKS | CS_SAVEBITS, NULL,
                                          reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1)))
        AfxThrowResourceException();
}

CKTSyntaxEditAutoCompleteWnd::~CKTSyntaxEditAutoCompleteWnd()
{
    if (GetSafeHwnd())
        DestroyWindow();
}

// A pop-up owned by the control's top-level window rather than the desktop's child: it floats over the
// frame and goes with it, and a click on it activates nothing.
BOOL CKTSyntaxEditAutoCompleteWnd::Create(CWnd* pOwner, IKTSyntaxEditWordListSink* pSink)
{
    m_pSink = pSink;
    CWnd* pTop = pOwner ? pOwner->GetTopLevelParent() : NULL;
    if (!CreateEx(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kClassName, "", WS_POPUP | WS_DLGFRAME | WS_VSCROLL, 0, 0,
                  ktWidth, ktMaxHeight, pTop ? pTop->GetSafeHwnd() : NULL, NULL))
        return FALSE;
    m_nFrameHeight = CKTWindowRect(this).Height() - CKTClientRect(this).Height();
    if (!m_imlIcons.GetSafeHandle() && !m_imlIcons.Create(KT_IDB_EDIT_AUTOCOMPLETE, kIconWidth, 0, RGB(255, 255, 255)))
        TRACE("auto-complete icons are missing\n");
    return TRUE;
}

void CKTSyntaxEditAutoCompleteWnd::SetDataList(std::vector<KT_EDIT_AUTOCOMPLETEITEM> arItems, const CString& strTags)
{
    m_strTags = strTags;
    m_arShown.clear();
    m_nSelected = -1;
    m_arItems = std::move(arItems);
    std::stable_sort(m_arItems.begin(), m_arItems.end(),
                     [](const KT_EDIT_AUTOCOMPLETEITEM& a, const KT_EDIT_AUTOCOMPLETEITEM& b)
                     { return _mbsicmp(Bytes(a.strText), Bytes(b.strText)) < 0; });
}

void CKTSyntaxEditAutoCompleteWnd::SetTagLists(const CString& strOpenTags, const CString& strCloseTags)
{
    m_strOpenTags = strOpenTags;
    m_strCloseTags = strCloseTags;
    m_strOpenTag.Empty();
    m_strCloseTag.Empty();
}

// Only a whole entry of the list matches: "b" is no tag of a list that holds "ab".
BOOL CKTSyntaxEditAutoCompleteWnd::MatchTag(const CString& strTags, const CString& strText, CString& strMatched)
{
    if (strText == "~")
        return FALSE;
    strMatched.Empty();
    for (int nStart = 0; !strText.IsEmpty() && nStart <= strTags.GetLength();)
    {
        int nEnd = strTags.Find('~', nStart);
        nEnd = nEnd < 0 ? strTags.GetLength() : nEnd;
        if (strTags.Mid(nStart, nEnd - nStart) == strText)
        {
            strMatched = strText;
            return TRUE;
        }
        nStart = nEnd + 1;
    }
    return FALSE;
}

int CKTSyntaxEditAutoCompleteWnd::Filter(const CString& strText)
{
    m_arShown.clear();
    for (size_t i = 0; i < m_arItems.size(); ++i)
    {
        if (ComparePrefix(m_arItems[i].strText, strText) == 0)
            m_arShown.push_back(i);
    }
    return int(m_arShown.size());
}

// The first shown item that begins with the text; among the words of a case-sensitive scheme the first written as
// typed, so that "be" points at "betamax" before "Beta". -1 when none begins with it.
int CKTSyntaxEditAutoCompleteWnd::FindFirstMatch(const CString& strText) const
{
    if (strText.IsEmpty())
        return m_arShown.empty() ? -1 : 0;
    auto it = std::lower_bound(m_arShown.begin(), m_arShown.end(), strText,
                               [this](size_t nItem, const CString& str)
                               { return ComparePrefix(m_arItems[nItem].strText, str) < 0; });
    if (it == m_arShown.end() || ComparePrefix(m_arItems[*it].strText, strText) != 0)
        return -1;
    for (auto itSame = it; itSame != m_arShown.end() && ComparePrefix(m_arItems[*itSame].strText, strText) == 0;
         ++itSame)
    {
        const KT_EDIT_AUTOCOMPLETEITEM& item = m_arItems[*itSame];
        if (!item.bCaseSensitive || item.strText.Left(strText.GetLength()) == strText)
            return int(itSame - m_arShown.begin());
    }
    return int(it - m_arShown.begin());
}

CRect CKTSyntaxEditAutoCompleteWnd::GetRowRect(int nRow) const
{
    CKTClientRect rc(this);
    return CRect(rc.left, nRow * m_nRowHeight, rc.right, (nRow + 1) * m_nRowHeight);
}

void CKTSyntaxEditAutoCompleteWnd::Layout()
{
    TEXTMETRIC tm = {};
    {
        CKTScreenDC dc;
        CKTFontDC font(&dc, m_pFont);
        dc.GetTextMetrics(&tm);
    }
    m_nRowHeight = std::max(1, int(tm.tmHeight) + 6);
    int nCount = GetShownCount();
    BOOL bScroll = nCount * m_nRowHeight > ktMaxHeight;
    m_nVisibleRows = bScroll ? ktMaxHeight / m_nRowHeight : nCount;
    if (!(GetStyle() & WS_VSCROLL) != !bScroll)
        ShowScrollBar(SB_VERT, bScroll);
    if (!bScroll)
        return;
    SCROLLINFO si = {sizeof(si), SIF_RANGE | SIF_PAGE | SIF_POS, 0, nCount - 1, UINT(m_nVisibleRows), m_nTop, 0};
    SetScrollInfo(SB_VERT, &si, TRUE);
}

BOOL CKTSyntaxEditAutoCompleteWnd::Show(CPoint ptScreen, const CString& strText, BOOL bByItself)
{
    if (!GetSafeHwnd() || !m_pSink || Filter(strText) == 0)
        return FALSE;
    m_pFont = CFont::FromHandle(HFONT(::GetStockObject(DEFAULT_GUI_FONT)));
    m_clrBack = ::GetSysColor(COLOR_WINDOW);
    m_clrSelBack = ::GetSysColor(COLOR_HIGHLIGHT);
    m_clrText = ::GetSysColor(COLOR_WINDOWTEXT);
    m_clrSelText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
    m_nOpening = bByItself ? ktOpenedByItself : strText.IsEmpty() ? ktAskedFor : ktAskedForWithText;
    m_nTop = 0;
    m_nSelected = std::max(0, FindFirstMatch(strText));
    m_bHighlight = m_nOpening == ktAskedForWithText;
    Layout();
    if (m_nSelected + m_nVisibleRows <= GetShownCount())
        ScrollTo(m_nSelected);
    Place(ptScreen);
    RedrawIfChanged();
    m_bVisible = TRUE;
    m_strTyped = strText;
    return TRUE;
}

// Each show stands the list at the caret, but one that stays where it is is not placed anew: placing it makes the
// text it uncovers paint again, which typing would pay for at every key.
void CKTSyntaxEditAutoCompleteWnd::Place(CPoint ptScreen)
{
    const CRect rcPlace(CPoint(ptScreen.x - kPlaceLeft, ptScreen.y),
                        CSize(ktWidth, m_nVisibleRows * m_nRowHeight + m_nFrameHeight));
    if (m_bVisible && CKTWindowRect(this) == rcPlace)
        return;
    SetWindowPos(&wndTop, rcPlace.left, rcPlace.top, rcPlace.Width(), rcPlace.Height(),
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void CKTSyntaxEditAutoCompleteWnd::Hide()
{
    if (!m_bVisible)
        return;
    m_bVisible = FALSE;
    if (GetSafeHwnd())  // gone already when its owner frame went first
        ShowWindow(SW_HIDE);
    if (m_pSink)
        m_pSink->OnListHidden();
}

void CKTSyntaxEditAutoCompleteWnd::ScrollTo(int nTop)
{
    nTop = std::max(0, std::min(nTop, GetShownCount() - m_nVisibleRows));
    if (nTop != m_nTop || GetScrollPos(SB_VERT) != nTop)
        SetScrollPos(SB_VERT, nTop, TRUE);
    m_nTop = nTop;
    RedrawIfChanged();
}

// Painting the list costs as much as typing the key that changed it: only what shows differently is painted again.
void CKTSyntaxEditAutoCompleteWnd::RedrawIfChanged()
{
    CPainted now = {m_arShown, m_nTop, m_nSelected, m_bHighlight};
    if (now.arShown == m_painted.arShown && now.nTop == m_painted.nTop && now.nSelected == m_painted.nSelected &&
        now.bHighlight == m_painted.bHighlight)
        return;
    m_painted = std::move(now);
    Invalidate(FALSE);
}

void CKTSyntaxEditAutoCompleteWnd::SelectAndScroll(int nIndex)
{
    if (m_arShown.empty())
        return;
    m_nSelected = std::max(0, std::min(nIndex, GetShownCount() - 1));
    if (m_nSelected < m_nTop)
        ScrollTo(m_nSelected);
    else if (m_nSelected >= m_nTop + m_nVisibleRows)
        ScrollTo(m_nSelected - m_nVisibleRows + 1);
    RedrawIfChanged();
}

// Hidden before the sink hears of it: the replacement it makes is no word for the list to follow. A close tag
// typed to choose follows the entry.
void CKTSyntaxEditAutoCompleteWnd::Choose()
{
    CString strText = GetShownText(m_nSelected) + m_strCloseTag;
    m_strCloseTag.Empty();
    Hide();
    m_pSink->OnWordChosen(strText);
}

// The one rule of choosing. A list that opened by itself leaves every key to the text, so that typing goes on as
// if it were not there, until an entry is clicked; a list asked for, or clicked into, chooses with Enter and Tab,
// with Space only when it opened on no word, and takes a word typed whole for its entry only when the scheme would
// read it so; as typed, it needs no replacing.
BOOL CKTSyntaxEditAutoCompleteWnd::CanChoose(KTChooser nBy) const
{
    if (!m_bVisible || !m_bHighlight || m_nSelected < 0 || m_nSelected >= GetShownCount() || !m_pSink)
        return FALSE;
    const KT_EDIT_AUTOCOMPLETEITEM& item = m_arItems[m_arShown[size_t(m_nSelected)]];
    switch (nBy)
    {
    case ktByDoubleClick:
        return TRUE;
    case ktBySpace:
        return m_nOpening == ktAskedFor || m_nOpening == ktClickedInto;
    case ktByWholeWord:
        return m_nOpening == ktAskedForWithText &&
               (item.bCaseSensitive ? item.strText == m_strTyped : item.strText.CompareNoCase(m_strTyped) == 0);
    default:
        return m_nOpening != ktOpenedByItself;
    }
}

// --- Painting -------------------------------------------------------------------

void CKTSyntaxEditAutoCompleteWnd::OnPaint()
{
    CPaintDC dcPaint(this);
    CKTClientRect rcClient(this);
    CKTBufferDC dc(&dcPaint, rcClient);
    dc.FillSolidRect(rcClient, m_clrBack);
    CKTFontDC font(&dc, m_pFont);
    dc.SetBkMode(TRANSPARENT);
    for (int nRow = 0; nRow < m_nVisibleRows && m_nTop + nRow < GetShownCount(); ++nRow)
        DrawRow(&dc, nRow);
}

void CKTSyntaxEditAutoCompleteWnd::DrawRow(CDC* pDC, int nRow)
{
    int nIndex = m_nTop + nRow;
    const KT_EDIT_AUTOCOMPLETEITEM& item = m_arItems[m_arShown[size_t(nIndex)]];
    CRect rc = GetRowRect(nRow);
    int nIcons = m_imlIcons.GetSafeHandle() ? m_imlIcons.GetImageCount() : 0;
    if (nIcons > 0)
        m_imlIcons.Draw(pDC, std::min(item.nIcon, nIcons - 1), CPoint(rc.left, rc.top + (rc.Height() - kIconWidth) / 2),
                        ILD_TRANSPARENT);
    CRect rcText(rc.left + kTextIndent, rc.top, rc.right, rc.bottom);
    BOOL bSelected = nIndex == m_nSelected;
    if (bSelected && m_bHighlight)
        pDC->FillSolidRect(rcText, m_clrSelBack);
    pDC->SetTextColor(bSelected && m_bHighlight ? m_clrSelText : m_clrText);
    CRect rcLabel(rcText.left + 3, rcText.top, rcText.right, rcText.bottom);
    pDC->DrawText(item.strText, rcLabel, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (bSelected)
        pDC->DrawFocusRect(rcText);
}

// --- Mouse ------------------------------------------------------------------------

BOOL CKTSyntaxEditAutoCompleteWnd::OnSetCursor(CWnd*, UINT, UINT)
{
    ::SetCursor(::LoadCursor(NULL, IDC_ARROW));
    return TRUE;
}

int CKTSyntaxEditAutoCompleteWnd::OnMouseActivate(CWnd*, UINT, UINT) { return MA_NOACTIVATE; }

// Through the record of what is painted, so that a later change back to the state before the click paints too.
// A left click on an entry is the user's choice even in a list that opened by itself.
void CKTSyntaxEditAutoCompleteWnd::SelectRowAt(CPoint point, BOOL bHighlight)
{
    int nIndex = m_nRowHeight > 0 ? m_nTop + point.y / m_nRowHeight : -1;
    if (nIndex >= 0 && nIndex < GetShownCount())
    {
        m_nSelected = nIndex;
        if (bHighlight && m_nOpening == ktOpenedByItself)
            m_nOpening = ktClickedInto;
    }
    m_bHighlight = m_bHighlight || bHighlight;
    RedrawIfChanged();
}

void CKTSyntaxEditAutoCompleteWnd::OnLButtonDown(UINT, CPoint point) { SelectRowAt(point, TRUE); }

void CKTSyntaxEditAutoCompleteWnd::OnRButtonDown(UINT, CPoint point) { SelectRowAt(point, FALSE); }

void CKTSyntaxEditAutoCompleteWnd::OnLButtonDblClk(UINT, CPoint point)
{
    OnLButtonDown(0, point);
    if (CanChoose(ktByDoubleClick))
        Choose();
}

void CKTSyntaxEditAutoCompleteWnd::OnVScroll(UINT nSBCode, UINT, CScrollBar*)
{
    SCROLLINFO si = {sizeof(si), SIF_TRACKPOS};
    GetScrollInfo(SB_VERT, &si);
    int nPage = std::max(1, m_nVisibleRows - 1);
    switch (nSBCode)
    {
    case SB_LINEUP:
        return ScrollTo(m_nTop - 1);
    case SB_LINEDOWN:
        return ScrollTo(m_nTop + 1);
    case SB_PAGEUP:
        return ScrollTo(m_nTop - nPage);
    case SB_PAGEDOWN:
        return ScrollTo(m_nTop + nPage);
    case SB_THUMBTRACK:
        return ScrollTo(si.nTrackPos);
    case SB_TOP:
        return ScrollTo(0);
    case SB_BOTTOM:
        return ScrollTo(GetShownCount());
    default:
        return;
    }
}

// --- Keys the control hands over ---------------------------------------------------

// Only a list asked for takes the keys that move the caret; Left and Right always stay the caret's.
BOOL CKTSyntaxEditAutoCompleteWnd::MovesSelection(UINT nChar) const
{
    if (m_nOpening == ktOpenedByItself)
        return FALSE;
    return nChar == VK_UP || nChar == VK_DOWN || nChar == VK_PRIOR || nChar == VK_NEXT || nChar == VK_HOME ||
           nChar == VK_END;
}

// A key that moves the selection points at it; every other key finds the highlight as it was drawn.
BOOL CKTSyntaxEditAutoCompleteWnd::KeyDown(UINT nChar, int nRepCnt)
{
    if (MovesSelection(nChar))
    {
        m_bHighlight = TRUE;
        MoveSelection(nChar, nRepCnt);
        return TRUE;
    }
    switch (nChar)
    {
    case VK_RETURN:
    case VK_TAB:
        CanChoose(ktByEnterOrTab) ? Choose() : Hide();
        break;
    case VK_SPACE:
        CanChoose(ktBySpace) ? Choose() : Hide();
        break;
    case VK_CONTROL:
    case VK_MENU:
    case VK_ESCAPE:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_HOME:
    case VK_END:
        Hide();
        break;
    default:
        break;
    }
    return FALSE;
}

void CKTSyntaxEditAutoCompleteWnd::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    KeyDown(nChar, int(nRepCnt));
    CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
}

// The control hands over each character before it types it. A close tag that chooses nothing and opens the list
// again leaves it shown, to be started over where it stands.
void CKTSyntaxEditAutoCompleteWnd::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    const CString strChar(static_cast<char>(nChar));
    if (IsCloseTag(strChar))
    {
        if (CanChoose(ktByCloseTag))
            Choose();
        else if (!IsOpenTag(strChar))
            Hide();
    }
    CWnd::OnChar(nChar, nRepCnt, nFlags);
}

void CKTSyntaxEditAutoCompleteWnd::MoveSelection(UINT nChar, int nRepCnt)
{
    int nBottom = m_nTop + m_nVisibleRows - 1;
    switch (nChar)
    {
    case VK_UP:
        return SelectAndScroll(m_nSelected - std::max(1, nRepCnt));
    case VK_DOWN:
        return SelectAndScroll(m_nSelected + std::max(1, nRepCnt));
    case VK_PRIOR:
        return SelectAndScroll(m_nSelected == m_nTop ? m_nSelected - m_nVisibleRows : m_nTop);
    case VK_NEXT:
        return SelectAndScroll(m_nSelected == nBottom ? m_nSelected + m_nVisibleRows : nBottom);
    case VK_HOME:  // a list that fits shows its first entry already
        return GetShownCount() > m_nVisibleRows ? SelectAndScroll(0) : RedrawIfChanged();
    case VK_END:
        return SelectAndScroll(GetShownCount() - 1);
    default:
        return;
    }
}

// Typing points a list asked for at the entry the word begins; one that opened by itself only moves its selection.
// A word that begins no entry closes a list asked for after a word; any other waits for more, pointing at nothing.
// A word typed whole that the scheme reads as the entry is done with, and stays as typed.
void CKTSyntaxEditAutoCompleteWnd::Follow(const CString& strWord)
{
    // A click chose for the word as it stood; typing on leaves the keys to the text again.
    if (m_nOpening == ktClickedInto)
    {
        if (strWord == m_strTyped)
            return;
        m_nOpening = ktOpenedByItself;
    }
    m_strTyped = strWord;
    int nMatch = FindFirstMatch(strWord);
    if (nMatch < 0)
    {
        m_bHighlight = FALSE;
        RedrawIfChanged();
        if (m_nOpening == ktAskedForWithText)
            Hide();
        return;
    }
    m_bHighlight = m_nOpening != ktOpenedByItself;
    SelectAndScroll(nMatch);
    if (CanChoose(ktByWholeWord))
        Hide();
}
