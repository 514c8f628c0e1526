// The syntax-edit control's pop-up word list: filters by the word it is given and reports the entry chosen.
// Classes: KT_EDIT_AUTOCOMPLETEITEM, IKTSyntaxEditWordListSink, CKTSyntaxEditAutoCompleteWnd.
#pragma once

#include <afxcmn.h>
#include <afxwin.h>

#include <vector>

struct KT_EDIT_AUTOCOMPLETEITEM
{
    int nIcon = 0;  // into the window's image list; past its end the last icon
    CString strText;
};

// Told of the entry chosen; the word it replaces is the teller's to find. bTypedWhole: the last character of the
// word was typed, not chosen, and stays as typed.
class IKTSyntaxEditWordListSink
{
public:
    virtual void OnWordChosen(const CString& strEntry, BOOL bTypedWhole) = 0;

protected:
    ~IKTSyntaxEditWordListSink() = default;
};

// Never takes the focus: the control keeps it and hands the list its keys.
class CKTSyntaxEditAutoCompleteWnd : public CWnd
{
public:
    enum
    {
        ktWidth = 160,
        ktMaxHeight = 160,
    };

    CKTSyntaxEditAutoCompleteWnd();
    ~CKTSyntaxEditAutoCompleteWnd() override;

    // Floats over pOwner's top-level window; choices go to pSink.
    virtual BOOL Create(CWnd* pOwner, IKTSyntaxEditWordListSink* pSink);
    // The entries, and the characters that end a word.
    void SetDataList(std::vector<KT_EDIT_AUTOCOMPLETEITEM> arItems, const CString& strTags);
    const CString& GetTags() const { return m_strTags; }
    // "~"-separated texts: an open tag typed makes the control open the list; a close tag typed while it shows
    // chooses the entry, which the tag then follows.
    void SetTagLists(const CString& strOpenTags, const CString& strCloseTags);
    // Whether the text is one of the open (close) tags, kept as the matched tag when it is; "~" never is one.
    BOOL IsOpenTag(const CString& strText) { return MatchTag(m_strOpenTags, strText, m_strOpenTag); }
    BOOL IsCloseTag(const CString& strText) { return MatchTag(m_strCloseTags, strText, m_strCloseTag); }
    // Opens below ptScreen with the items that begin with strText; FALSE (and stays hidden) when none does.
    // bByTag: a typed tag opened it, so only an entry the user came to is chosen by a key.
    BOOL Show(CPoint ptScreen, const CString& strText, BOOL bByTag = FALSE);
    // The word before the caret now reads strWord: the selection follows it.
    void Follow(const CString& strWord);
    // A key the control was given while the list shows; TRUE when it moved the selection and is the list's alone.
    // Enter, Tab and Space choose or close, and say which to the sink.
    BOOL KeyDown(UINT nChar, int nRepCnt);
    void Hide();
    BOOL IsShown() const { return m_bVisible; }

    int GetShownCount() const { return int(m_arShown.size()); }
    const CString& GetShownText(int nIndex) const { return m_arItems[m_arShown[size_t(nIndex)]].strText; }
    int GetSelected() const { return m_nSelected; }
    BOOL IsHighlighted() const { return m_bHighlight; }
    int GetTop() const { return m_nTop; }
    int GetVisibleRows() const { return m_nVisibleRows; }
    int GetRowHeight() const { return m_nRowHeight; }
    CRect GetRowRect(int nRow) const;
    const CString& GetTypedText() const { return m_strTyped; }

protected:
    static BOOL MatchTag(const CString& strTags, const CString& strText, CString& strMatched);
    int Filter(const CString& strText);
    int FindFirstMatch(const CString& strText) const;
    void Layout();
    void SelectAndScroll(int nIndex);
    void ScrollTo(int nTop);
    void RedrawIfChanged();
    void Choose(BOOL bLastCharRule);
    BOOL MovesSelection(UINT nChar) const;
    BOOL SelectedBeginsWord() const;
    void MoveSelection(UINT nChar, int nRepCnt);
    void SelectRowAt(CPoint point, BOOL bHighlight);
    void DrawRow(CDC* pDC, int nRow);

    afx_msg void OnPaint();
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    DECLARE_MESSAGE_MAP()

    CString m_strTyped;                         // the word last given
    CString m_strTags;                          // characters that end a word
    CString m_strOpenTags;                      // "~"-separated texts that open the list when typed
    CString m_strOpenTag;                       // the last text found among them
    CString m_strCloseTags;                     // "~"-separated texts that choose the entry when typed
    CString m_strCloseTag;                      // the last text found among them: it follows the chosen entry
    IKTSyntaxEditWordListSink* m_pSink = NULL;  // not owned
    HWND m_hWndOwner = NULL;                    // the control: told of each hiding
    CFont* m_pFont = NULL;                      // the stock GUI font, taken on each show
    COLORREF m_clrBack = 0, m_clrSelBack = 0;   // read on each show
    COLORREF m_clrText = 0, m_clrSelText = 0;
    std::vector<KT_EDIT_AUTOCOMPLETEITEM> m_arItems;  // sorted by text, case-insensitively
    std::vector<size_t> m_arShown;                    // indexes of the items that begin with the typed text
    int m_nFrameHeight = 0;                           // window height minus client height
    int m_nRowHeight = 0;
    int m_nVisibleRows = 0;
    int m_nSelected = -1;  // into m_arShown
    int m_nTop = 0;        // first shown item in the window
    BOOL m_bVisible = FALSE;
    BOOL m_bOpenedWithText = FALSE;  // a word was typed already when the list opened, or a tag opened it
    BOOL m_bOpenedByTag = FALSE;     // a typed tag opened the list: only an entry the user moves to is chosen
    BOOL m_bHighlight = FALSE;       // the selection is drawn and chosen by the choosing keys
    struct CPainted                  // what the window shows, or is about to once it paints
    {
        std::vector<size_t> arShown;
        int nTop = 0;
        int nSelected = -1;
        BOOL bHighlight = FALSE;
    } m_painted;
    CImageList m_imlIcons;
};
