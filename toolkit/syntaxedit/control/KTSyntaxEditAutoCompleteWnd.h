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
    BOOL bCaseSensitive = FALSE;  // a word typed whole is this entry only when it is written the same
};

// Told of the entry chosen, whose word it replaces is the teller's to find, and of each hiding.
class IKTSyntaxEditWordListSink
{
public:
    virtual void OnWordChosen(const CString& strEntry) = 0;
    virtual void OnListHidden() = 0;

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
    // How the list came to show: the keys it takes and the ways it may choose follow from it alone.
    enum KTOpening
    {
        ktOpenedByItself,    // after a typed open tag: every key stays the text's until an entry is clicked
        ktClickedInto,       // opened by itself, then an entry clicked: the user's choice, taken as by a list asked
                             // for on no word until the word changes
        ktAskedFor,          // Ctrl+Space on no word
        ktAskedForWithText,  // Ctrl+Space after a word: the entry matched is pointed at, and typing it whole takes it
    };
    // What may put the highlighted entry in place of the word.
    enum KTChooser
    {
        ktByEnterOrTab,
        ktBySpace,
        ktByCloseTag,
        ktByWholeWord,  // the word needs no replacing: the list only closes
        ktByDoubleClick,
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
    BOOL Show(CPoint ptScreen, const CString& strText, BOOL bByItself = FALSE);
    // The word before the caret now reads strWord: the selection follows it.
    void Follow(const CString& strWord);
    // A key the control was given while the list shows; TRUE when it moved the selection and is the list's alone.
    // Enter, Tab and Space choose or close, and say which to the sink.
    BOOL KeyDown(UINT nChar, int nRepCnt);
    // Only an entry drawn highlighted before the key or click came can be chosen, and only as the opening allows.
    BOOL CanChoose(KTChooser nBy) const;
    void Hide();
    BOOL IsShown() const { return m_bVisible; }
    KTOpening GetOpening() const { return m_nOpening; }

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
    void Place(CPoint ptScreen);
    void SelectAndScroll(int nIndex);
    void ScrollTo(int nTop);
    void RedrawIfChanged();
    void Choose();
    BOOL MovesSelection(UINT nChar) const;
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
    KTOpening m_nOpening = ktOpenedByItself;
    BOOL m_bHighlight = FALSE;  // the selection is drawn highlighted: what the user points at
    struct CPainted             // what the window shows, or is about to once it paints
    {
        std::vector<size_t> arShown;
        int nTop = 0;
        int nSelected = -1;
        BOOL bHighlight = FALSE;
    } m_painted;
    CImageList m_imlIcons;
};
