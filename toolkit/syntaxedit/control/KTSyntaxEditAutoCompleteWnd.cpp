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
    m_hWndOwner = pOwner ? pOwner->GetSafeHwnd() : NULL;
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

// The first shown item that begins with the text; -1 when none does.
int CKTSyntaxEditAutoCompleteWnd::FindFirstMatch(const CString& strText) const
{
    if (strText.IsEmpty())
        return m_arShown.empty() ? -1 : 0;
    auto it = std::lower_bound(m_arShown.begin(), m_arShown.end(), strText,
                               [this](size_t nItem, const CString& str)
                               { return ComparePrefix(m_arItems[nItem].strText, str) < 0; });
    if (it == m_arShown.end() || ComparePrefix(m_arItems[*it].strText, strText) != 0)
        return -1;
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

BOOL CKTSyntaxEditAutoCompleteWnd::Show(CPoint ptScreen, const CString& strText, BOOL bByTag)
{
    if (!GetSafeHwnd() || !m_pSink || Filter(strText) == 0)
        return FALSE;
    m_pFont = CFont::FromHandle(HFONT(::GetStockObject(DEFAULT_GUI_FONT)));
    m_clrBack = ::GetSysColor(COLOR_WINDOW);
    m_clrSelBack = ::GetSysColor(COLOR_HIGHLIGHT);
    m_clrText = ::GetSysColor(COLOR_WINDOWTEXT);
    m_clrSelText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
    m_nTop = 0;
    m_nSelected = std::max(0, FindFirstMatch(strText));
    m_bHighlight = FALSE;
    Layout();
    if (m_nSelected + m_nVisibleRows <= GetShownCount())
        ScrollTo(m_nSelected);
    int nHeight = m_nVisibleRows * m_nRowHeight + m_nFrameHeight;
    // Shown again below the same row at the same size, it stays put: placing it anew makes the text it uncovers
    // paint again, which typing one tag after another would pay for at every key.
    CKTWindowRect rcNow(this);
    if (!m_bVisible || rcNow.top != ptScreen.y || rcNow.Height() != nHeight)
        SetWindowPos(&wndTop, ptScreen.x - kPlaceLeft, ptScreen.y, ktWidth, nHeight, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    RedrawIfChanged();
    m_bVisible = TRUE;
    m_bOpenedWithText = !strText.IsEmpty() || bByTag;
    m_bOpenedByTag = bByTag;
    m_strTyped = strText;
    return TRUE;
}

void CKTSyntaxEditAutoCompleteWnd::Hide()
{
    if (!m_bVisible)
        return;
    m_bVisible = FALSE;
    m_bOpenedWithText = m_bOpenedByTag = FALSE;
    if (GetSafeHwnd())  // gone already when its owner frame went first
        ShowWindow(SW_HIDE);
    // Ends a mouse capture the control may still hold; the control ignores it while the button is still down.
    if (::IsWindow(m_hWndOwner))
        ::PostMessage(m_hWndOwner, WM_LBUTTONUP, 0, 0);
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
void CKTSyntaxEditAutoCompleteWnd::Choose(BOOL bTypedWhole)
{
    BOOL bChosen = m_bHighlight && m_nSelected >= 0 && m_nSelected < GetShownCount() && m_pSink;
    CString strText = bChosen ? GetShownText(m_nSelected) + m_strCloseTag : CString();
    m_strCloseTag.Empty();
    Hide();
    if (bChosen)
        m_pSink->OnWordChosen(strText, bTypedWhole);
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
void CKTSyntaxEditAutoCompleteWnd::SelectRowAt(CPoint point, BOOL bHighlight)
{
    int nIndex = m_nRowHeight > 0 ? m_nTop + point.y / m_nRowHeight : -1;
    if (nIndex >= 0 && nIndex < GetShownCount())
        m_nSelected = nIndex;
    m_bHighlight = m_bHighlight || bHighlight;
    RedrawIfChanged();
}

void CKTSyntaxEditAutoCompleteWnd::OnLButtonDown(UINT, CPoint point) { SelectRowAt(point, TRUE); }

void CKTSyntaxEditAutoCompleteWnd::OnRButtonDown(UINT, CPoint point) { SelectRowAt(point, FALSE); }

void CKTSyntaxEditAutoCompleteWnd::OnLButtonDblClk(UINT, CPoint point)
{
    OnLButtonDown(0, point);
    Choose(FALSE);
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

// A list that opened by itself leaves Home and End to the caret.
BOOL CKTSyntaxEditAutoCompleteWnd::MovesSelection(UINT nChar) const
{
    if (nChar == VK_HOME || nChar == VK_END)
        return !m_bOpenedByTag;
    return nChar == VK_UP || nChar == VK_DOWN || nChar == VK_PRIOR || nChar == VK_NEXT;
}

BOOL CKTSyntaxEditAutoCompleteWnd::SelectedBeginsWord() const
{
    return m_nSelected >= 0 && m_nSelected < GetShownCount() &&
           ComparePrefix(GetShownText(m_nSelected), m_strTyped) == 0;
}

// A list that opened by itself chooses only an entry the user moved to, so that every other key types as ever.
// A list asked for points at its selection once a key comes, unless the word has left that entry.
BOOL CKTSyntaxEditAutoCompleteWnd::KeyDown(UINT nChar, int nRepCnt)
{
    BOOL bMove = MovesSelection(nChar);
    if (bMove || (!m_bOpenedByTag && SelectedBeginsWord()))
        m_bHighlight = TRUE;
    RedrawIfChanged();
    if (bMove)
    {
        MoveSelection(nChar, nRepCnt);
        return TRUE;
    }
    switch (nChar)
    {
    case VK_RETURN:
    case VK_TAB:
        Choose(FALSE);
        break;
    case VK_SPACE:
        m_bOpenedWithText ? Hide() : Choose(FALSE);
        break;
    case VK_CONTROL:
    case VK_MENU:
    case VK_ESCAPE:
    case VK_LEFT:
    case VK_RIGHT:
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
    if (IsCloseTag(strChar) && (m_bHighlight || !IsOpenTag(strChar)))
        Choose(FALSE);
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

void CKTSyntaxEditAutoCompleteWnd::Follow(const CString& strWord)
{
    m_strTyped = strWord;
    int nMatch = FindFirstMatch(strWord);
    if (nMatch < 0)
    {
        m_bHighlight = FALSE;
        RedrawIfChanged();
        if (m_bOpenedWithText)
            Hide();
        return;
    }
    // Typing points a list asked for at the first entry the word begins. One that opened by itself waits for a
    // move, and never takes a whole word typed, in whatever case, for its entry.
    m_bHighlight = !m_bOpenedByTag;
    SelectAndScroll(nMatch);
    if (m_bHighlight && m_bOpenedWithText && GetShownText(nMatch).CompareNoCase(strWord) == 0)
        Choose(TRUE);
}
