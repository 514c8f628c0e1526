// The editing window of the syntax editor: rows of one buffer with gutter, caret, selection and scroll bars.
// Classes: CKTSyntaxEditCtrl.
#pragma once

#include <afxwin.h>

#include <memory>
#include <utility>
#include <vector>

#include "KTSyntaxEditCommands.h"
#include "KTSyntaxEditCtrlState.h"
#include "KTSyntaxEditEventSink.h"
#include "KTSyntaxEditFolding.h"
#include "KTSyntaxEditPrinter.h"
#include "KTSystemChange.h"

class CKTSyntaxEditCompletion;
class CKTSyntaxEditTipWnd;
class CKTSyntaxEditLexTextSchema;
struct KT_EDIT_DRAWTARGET;

class CKTSyntaxEditCtrl : public CWnd,
                          public CKTSyntaxEditCaretHost,
                          public IKTSystemChangeSink,
                          protected CKTSyntaxEditCtrlState
{
    DECLARE_DYNAMIC(CKTSyntaxEditCtrl)
public:
    // Flags of DeleteRange.
    enum
    {
        ktDelRedraw = 1,
        ktDelRepaintAll = 2,
        ktDelColumnBlock = 4,
        ktDelDisplayColumns = 8,
    };

    CKTSyntaxEditCtrl();
    ~CKTSyntaxEditCtrl() override;

    BOOL Create(CWnd* pParentWnd, BOOL bHorzScroll, BOOL bVertScroll, CKTSyntaxEditBufferManager* pBuffer = NULL,
                CCreateContext* pContext = NULL);
    CKTSyntaxEditBufferManager* GetBuffer() const { return m_pBuffer; }
    // FALSE when the file is missing or the system cannot start the watch on the configuration's files.
    BOOL SetConfigFile(LPCSTR pszPath);
    CString GetConfigFile() const;
    static CString GetModuleFolder();

    // Own virtual operations.
    virtual void InvalidateRows();
    virtual BOOL IsActive() const { return m_bActive; }
    virtual void SetActive(BOOL bActive);
    virtual BOOL GetUseParentScrollBars() const { return m_bUseParentScrollBars; }
    virtual void SetUseParentScrollBars(BOOL bUse) { m_bUseParentScrollBars = bUse; }
    virtual BOOL CanEditDoc();
    virtual int CalcTextBufferSize(int a, int b) const;

    // Settings (KTSyntaxEditCtrlSettings.cpp).
    void ReloadSettings();
    BOOL SetScrollBars(BOOL bHorz, BOOL bVert, BOOL bUpdateReg = FALSE);
    BOOL SetSyntaxColor(BOOL bOn, BOOL bUpdateReg = FALSE);
    BOOL SetAutoIndent(BOOL bOn, BOOL bUpdateReg = FALSE);
    BOOL SetSelMargin(BOOL bOn, BOOL bUpdateReg = FALSE);
    BOOL SetLineNumbers(BOOL bOn, BOOL bUpdateReg = FALSE);
    BOOL SetWideCaret(BOOL bOn, BOOL bUpdateReg = FALSE);
    BOOL SetTabWithSpace(BOOL bOn, BOOL bUpdateReg = FALSE);
    BOOL SetTabSize(int nSize, BOOL bUpdateReg = FALSE);
    void SetOverwriteMode(BOOL bOverwrite);
    // After a change of the caret options: a new caret of the right width, at its place, and a repaint.
    void RefreshCaret();
    void SetFont(const LOGFONT* pLogFont = NULL);
    void RecalcGutter();
    BOOL GetSyntaxColor() const { return m_bSyntaxColor; }
    BOOL GetAutoIndent() const { return m_bAutoIndent; }
    BOOL GetSelMargin() const { return m_bSelMargin; }
    BOOL GetLineNumbers() const { return m_bLineNumbers; }
    BOOL GetWideCaret() const { return m_bWideCaret; }
    BOOL GetTabWithSpace() const { return m_bTabWithSpace; }
    BOOL GetCollapseButtons() const { return m_bCollapseButtons; }
    BOOL GetShowWhitespace() const { return m_bShowWhitespace; }
    void SetShowWhitespace(BOOL bShow) { m_bShowWhitespace = bShow; }
    BOOL GetVertScrollBar() const { return m_bVertScrollBar; }
    BOOL GetHorzScrollBar() const { return m_bHorzScrollBar; }
    int GetTabSize() const { return m_pBuffer ? m_pBuffer->GetTabSize() : 4; }

    // Geometry.
    int GetRowHeight() const { return m_tm.tmHeight + 1; }
    int GetCharWidth() const { return m_tm.tmAveCharWidth; }
    int GetTextLeft() const { return m_nTextLeft; }
    int GetSelMarginWidth() const { return m_nSelMarginWidth; }
    int GetLineNumbersWidth() const { return m_nLineNumbersWidth; }
    int GetCollapseButtonSize() const { return m_nCollapseButtonSize; }
    CRect GetCollapseButtonRect(int nDisplayRow) const;
    int GetVisibleRows() const;
    int GetVisibleColumns() const;

    // Rows and text (KTSyntaxEditCtrlText.cpp).
    int GetRowCount() const { return m_pBuffer ? m_pBuffer->GetRowCount() : 0; }
    const CString& GetLineText(int nRow);
    int GetShownLength(int nRow) const;
    CKTSyntaxEditLineMarksManager* GetLineMarksManager() const;
    int GetDisplayColumn(int nRow, int nCharPos) const;
    int GetCharPosition(int nRow, int nDisplayCol) const;
    int SnapDisplayColumn(int nRow, int nDisplayCol) const;
    int GetRowEndColumn(const CString& strText) const;
    int GetDisplayText(BOOL bPaper, LPCSTR pszText, int nLength, int nStartCol, CString& strResult) const;
    BOOL GetSelectionText(CString& strText) const;
    HGLOBAL GetSelectionData(UINT nFormat) const;
    // The whole text replaced by one that may have been split aside, as one edit the user can undo;
    // FALSE when the text cannot be edited. WM_SETTEXT does the same with a text split at once.
    BOOL ReplaceAllText(CKTSyntaxEditNewText& text);
    // The same in two halves, for several editors that take their texts all or none: a text prepared
    // by the buffer swapped in, asking for no memory (FALSE, with nothing changed, when the text cannot
    // be edited or nothing would change), then the rest of the control told of it.
    BOOL SwapInAllText(CKTSyntaxEditPreparedText& text, KT_EDIT_TEXTPOS& lcOldEnd, KT_EDIT_TEXTPOS& lcNewEnd);
    void AllTextReplaced(const KT_EDIT_TEXTPOS& lcOldEnd, const KT_EDIT_TEXTPOS& lcNewEnd);

    // Display rows (KTSyntaxEditCtrlRows.cpp).
    int GetRowAtDisplayOffset(int nStartRow, int n) const;
    int GetDisplayRowCount(int nFirstRow, int nLastRow) const;
    int GetDisplayRow(int nRow) const;
    int GetCurrentDisplayOffset() const { return GetDisplayRowCount(m_nTopRow, m_nCurrentRow); }
    int GetBottomRow(int n) const { return GetRowAtDisplayOffset(m_nTopRow, n); }
    BOOL IsRowCollapsed(int nRow, int* pnHidden = NULL) const;
    BOOL IsRowVisible(int nRow) const;

    // Folding (KTSyntaxEditCtrlFold.cpp, KTSyntaxEditFolding.cpp).
    void ToggleCollapse(int nRow);
    void CollapseAll();
    void ExpandAll();

    // Caret and selection (KTSyntaxEditCtrlCaret.cpp).
    int GetCurrentRow() const { return m_nCurrentRow; }
    int GetCurrentChar() const { return m_nCurrentChar; }
    int GetCurrentDispCol() const { return m_nDispCol; }
    int GetTopRow() const { return m_nTopRow; }
    BOOL SetTopRow(int nRow);
    BOOL SetRedrawRow(int nRow);
    int GetRedrawRow() const { return m_nRedrawRow; }
    void SetCurrentRow(int nRow);
    void SetCurrentPosition(int nRow, int nDispCol, BOOL bKeepSelection, BOOL bRedraw);
    void EnsureVisible(int nRow, int nDispCol, BOOL bRedraw, BOOL bNotify);
    void MoveCaretTo(int nDisplayOffset, int nDispCol, BOOL bScroll);
    CPoint GetCaretPoint() const;
    BOOL HasSelection() const { return m_bSelection; }
    BOOL IsColumnSelection() const { return m_bColumnSelection; }
    void SetColumnSelection(BOOL bColumn) { m_bColumnSelection = bColumn; }
    BOOL GetSelection(KT_EDIT_TEXTPOS& start, KT_EDIT_TEXTPOS& end) const;
    void ClearSelection();
    void ResetSelectionFlag() { m_bSelection = FALSE; }
    void NormalizeSelection();
    BOOL IsInSelection(int nRow, int nDispCol) const;
    BOOL Select(int nStartRow, int nStartCol, int nEndRow, int nEndCol, BOOL bRedraw = TRUE);
    void SelectAll();
    BOOL HitTest(int x, int y, int& nRow, int& nCol, int* pnDisplayOffset = NULL, int* pnColOffset = NULL) const;
    int MoveUp(int n);
    int MoveDown(int n);
    void MoveWord(int nDirection);
    void SelectRow(int nRow, BOOL bSelect);
    BOOL IsLineSelection() const { return m_bLineSelection; }
    BOOL IsMouseDown() const { return m_bMouseDown; }
    BOOL IsShiftSelecting() const { return m_bShiftSelecting; }
    void CopySettings(const CKTSyntaxEditCtrl& other);

    // Scrolling (KTSyntaxEditCtrlScroll.cpp).
    BOOL ScrollUp(int n, BOOL bKeepCaretInView = FALSE);
    BOOL ScrollDown(int n, BOOL bKeepCaretInView = FALSE);
    void Scroll(int nColumns, int nRows);
    void UpdateVScrollBar();
    void UpdateHScrollBar();
    void RecalcScrollBars();
    int GetHorzPos() const;
    void SetHorzPos(int nPos, BOOL bRedraw);
    BOOL WriteProfileFlag(LPCSTR pszKey, BOOL bValue);
    CScrollBar* GetScrollBarCtrl(int nBar) const override;

    // Painting (KTSyntaxEditCtrlPaint.cpp).
    void Draw(CDC* pDC);
    int GetAveragePaintTime(int nDefault) const;
    CKTSyntaxEditLexTextSchema* GetTextSchema() const;
    const CKTLexBlockChain* GetScreenBlocks(int nRow);
    void SetRowBkColor(int nRow, COLORREF clr);
    void SetRowColor(int nRow, COLORREF clr);
    BOOL GetRowBkColor(int nRow, COLORREF& clr) const;
    BOOL GetRowColor(int nRow, COLORREF& clr) const;
    // The row's colour runs as painted, the selection aside.
    void GetRowRuns(int nRow, const CString& strText, std::vector<KT_EDIT_TEXTATTR>& arRuns);
    // The text of a row as painted, its top at y; FALSE for a row below 1.
    BOOL DrawRowText(const KT_EDIT_DRAWTARGET& target, int nRow, int y);

    // Editing (KTSyntaxEditCtrlEdit.cpp).
    BOOL InsertString(LPCSTR pszText, int nRow, int nCol, BOOL bDeleteSelection = FALSE, BOOL bRedraw = TRUE);
    BOOL DeleteSelection(BOOL bRedraw = TRUE);
    BOOL ReplaceSelection(LPCSTR pszText, BOOL bRedraw = TRUE);
    BOOL LowercaseSelection() { return ChangeSelectionCase(FALSE); }
    BOOL UppercaseSelection() { return ChangeSelectionCase(TRUE); }
    BOOL ChangeSelectionCase(BOOL bUpper);
    BOOL DeleteRange(int nRow1, int nCol1, int nRow2, int nCol2, int nFlags);
    BOOL DeleteChar(int nRow, int nCharPos, BOOL bBackspace);
    BOOL CanUndo() const;
    BOOL CanRedo() const;
    BOOL Undo(int nCount = 1);
    BOOL Redo(int nCount = 1);
    void OnTextEdited(int nRow1, int nCol1, int nRow2, int nCol2, int nAction);
    // Breaks off the background parse while colouring is on.
    void OnParserBreak();
    void InvalidateRowRange(int nFirstRow, int nLastRow);
    void TrimScreenCache(int nRow);

    // Keyboard (KTSyntaxEditCtrlKeys.cpp, KTSyntaxEditCtrlTyping.cpp, KTSyntaxEditCtrlIndent.cpp).
    BOOL IndentSelection();
    BOOL UnindentSelection();
    void DeleteLines(int nRow);
    int GetForcedColumn() const { return m_nForcedColumn; }

    // The collaborators: the word list, the folds with their boxes and tip, and the pages on paper.
    CKTSyntaxEditCompletion& GetCompletion() { return *m_pCompletion; }
    CKTSyntaxEditFolding& GetFolding() { return m_folding; }
    CKTSyntaxEditPrinter& GetPrinter() { return m_printer; }

    // Tooltip (KTSyntaxEditCtrlToolTip.cpp): its top left at ptClient, up while the pointer stays in rcHot.
    void ShowTip(const CString& strText, CPoint ptClient, const CRect& rcHot);
    CKTSyntaxEditTipWnd& GetTipWnd();

    // Mouse (KTSyntaxEditCtrlMouse.cpp, KTSyntaxEditCtrlWordSelect.cpp, KTSyntaxEditCtrlDrag.cpp).
    void SelectWordAtPoint(CPoint point);
    void ShowContextMenu();
    void SetOleDragDrop(BOOL bOle) { m_bOleDragDrop = bOle; }
    // After the view's OLE drag: the press that started it is over; TRUE when it was the right button's. When
    // the drop into this text follows (ShowDropMenu), the right button's drag is kept for it to ask.
    BOOL EndOleDrag(BOOL bDropFollows);
    void EndCaptureWithoutButton();
    void SetDropPosition(int nRow, int nDispCol) { m_ptDrop = KT_EDIT_TEXTPOS(nRow, nDispCol); }

    // Clipboard and drops (KTSyntaxEditCtrlClipboard.cpp, KTSyntaxEditCtrlDrop.cpp).
    enum
    {
        ktCmdDropMove = 57645,
        ktCmdDropCopy = 57646,
    };
    void Copy();
    void CutSelection();
    void Paste();
    BOOL InsertColumnString(LPCSTR pszText, int nRow, int nCol, BOOL bDeleteSelection, BOOL bRedraw);
    BOOL DropSelection(BOOL bCopy);
    void ShowDropMenu(BOOL bCopy);

    // Search (KTSyntaxEditCtrlSearch.cpp).
    BOOL Find(LPCSTR pszText, BOOL bMatchWholeWord, BOOL bMatchCase, BOOL bSearchDown, BOOL bSelect = TRUE);
    BOOL FindInRow(int nRow, const CString& strRow, LPCSTR pszText, int nStart, BOOL bMatchWholeWord, BOOL bMatchCase,
                   BOOL bSearchDown, BOOL bSelect);

    // Bookmarks and breakpoints (KTSyntaxEditCtrlMarks.cpp).
    void ToggleBookmark(int nRow);
    void ToggleBreakpoint(int nRow);
    // Whether the row holds a mark of the type, and its parameter; FALSE without a buffer.
    BOOL GetLineMark(int nRow, LPCSTR pszType, KT_EDIT_LINEMARK_PARAM* pParam = NULL) const;
    BOOL HasBookmarks() const;
    void NextBookmark();
    void PrevBookmark();

    // Notifications to the notify window.
    LRESULT SendNotify(int nCode);
    void NotifyTextChanged(int nFirstRow, int nLastRow, DWORD dwChange);
    void NotifyModified(BOOL bModified);
    void NotifyCaretMoved(int nRow, int nCol);
    void NotifyViewChanged(int nBits);

    // Undo replays put the caret here.
    void SetCaretTextPos(const KT_EDIT_TEXTPOS& pos) override;

protected:
    BOOL ReadProfileFlag(LPCSTR pszKey, BOOL& bValue);
    void ReadProfileTabSize();
    BOOL StoreSetting(BOOL& bMember, BOOL bValue, LPCSTR pszKey, BOOL bUpdateReg);
    void CreateEditCaret();
    void PlaceTopRow(int nRow);
    int ScrollRowIntoView(int nRow);
    int HorzShiftFor(int K, int& x) const;
    void PlaceCaretAtDisplayRow(BOOL bScroll);
    int CaretWidth() const;
    void SetCaretChar(int nRow, int nCharPos);
    void UpdateCaretColumns();
    LRESULT Notify(NMHDR* pHeader, int nCode);
    BOOL HasNotifyWindow() const;
    CWnd* ScrollBarOwner() const;
    DWORD OwnScrollBarStyles() const;
    HWND BarWindow(int nBar, int& nWhich) const;
    BOOL GetBarInfo(int nBar, SCROLLINFO& si) const;
    void SetBarInfo(int nBar, SCROLLINFO si, BOOL bRedraw);
    void SetBarPos(int nBar, int nPos, BOOL bRedraw);
    void EnableBar(int nBar, BOOL bEnable);
    void AfterScrollMessage(BOOL bMoved);
    BOOL ReplayUndo(BOOL bRedo, int nCount);
    void DeleteColumnBlock(int nRow1, int nCol1, int nRow2, int nCol2);
    void OnParserNotify(DWORD dwCode, WPARAM wParam, LPARAM lParam);
    BOOL IsBlockVisible(const CKTSyntaxEditLexTextBlock* pBlock) const;
    void RepaintNow();
    void DelayParseRepaint(DWORD dwDelay);
    void StopParseRepaint();
    void OnParseRepaintTimer();
    void InvalidateRow(int nRow);
    BOOL PreparePaintBitmaps(CDC* pDC, CSize size);
    void DrawRows(CDC* pTextDC, CDC* pGutterDC, int nVisibleRows);
    void DrawRow(const KT_EDIT_DRAWTARGET& text, CDC* pGutterDC, int nDisplayRow, int nRow);
    void FinishFolding(int nRow);
    int CollapseButtonRowAt(CPoint point);
    void ToggleMark(int nRow, LPCSTR pszType);
    void GoToBookmark(BOOL bNext);
    void OpenFoldsHiding(int nRow);
    void MoveWordLeft(int& nRow, int& nPos, BOOL& bBoundary) const;
    void MoveWordRight(int& nRow, int& nPos, BOOL& bBoundary) const;
    void AdvanceAutoScroll();
    BOOL AutoScrollTarget(int& nRow, int& nCol) const;
    BOOL IsMouseBusy() const { return m_bDragging || m_bNoDragCursor || m_bMouseSelecting || m_bMouseDown; }
    // The cursor as the mouse gesture under way and the keys held now choose it.
    void RefreshCursor() { SendMessage(WM_SETCURSOR, WPARAM(m_hWnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)); }
    BOOL MoveByKey(UINT nChar, BOOL bCtrl, BOOL bShift);
    void KeyHome(BOOL bCtrl);
    void KeyEnd(BOOL bCtrl);
    void KeyPage(BOOL bUp);
    void KeyLeft(BOOL bCtrl, BOOL bShift);
    void KeyRight(BOOL bCtrl, BOOL bShift);
    void KeyVertical(BOOL bUp, BOOL bCtrl, BOOL bShift);
    BOOL DropSelectionForMove(BOOL bShift, BOOL bToEnd);
    void FinishKeyMove(BOOL bShift, BOOL bTextChanged);
    void KeyBackspace(BOOL bCtrl);
    void KeyDelete(BOOL bCtrl);
    void ShrinkPendingIndent();
    void InsertPendingIndent();
    void SetCaretFromWanted();
    void TypeChar(UINT nChar);
    BOOL ComposeTypedText(const CString& strText, CTyped& typed);
    void ComposeLineEnd(const CString& strLineEnd, CTyped& typed);
    void BuildIndentation(int& nDispCol, CString& strText, BOOL bCountOnly);
    void MergeSpacesIntoTabs(CTyped& typed);
    int MeasureIndentWidth(int nRow, BOOL& bBlankBefore);
    BOOL GetBlockRows(int& nFirst, int& nLast) const;
    void IndentRows(int nFirst, int nLast);
    void WidenToRows(int nFirst, int nLast);
    void FinishBlockIndent(BOOL bChanged);
    void UnindentRow(int nRow, BOOL& bAny);

    void TestDragPending(CPoint point);
    // The margin takes no room while it is off, whatever its width says.
    BOOL IsInSelMargin(CPoint point) const { return m_bSelMargin && point.x < m_nSelMarginWidth; }
    void ClickMargin(CPoint point);
    void ClickText(CPoint point, int nRow, int nCol, BOOL bCtrl, BOOL bShift, BOOL bAlt);
    void PutCaretAtCell(int nRow, int nCol);
    void StartMouseSelection(CPoint point);
    void ExtendSelectionTo(UINT nFlags, CPoint point);
    void MoveSelectionEnd(int nRow, int nCol);
    void SpanWholeRows();
    void EndRowSelectionAtItsEnd();
    // Lets the capture go without ending the gesture the way a lost capture does.
    void ReleaseOwnCapture();
    BOOL WordAtPoint(CPoint point, KT_EDIT_TEXTPOS& start, KT_EDIT_TEXTPOS& end);
    void TrackDrag(CPoint point);
    KT_EDIT_TEXTPOS DropTargetAfterDelete(const KT_EDIT_TEXTPOS& first, const KT_EDIT_TEXTPOS& last,
                                          KT_EDIT_TEXTPOS drop) const;
    BOOL InsertDropped(const CString& strText, const KT_EDIT_TEXTPOS& drop, BOOL bCopy);

    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg void OnDropMove();
    afx_msg void OnDropCopy();
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    void OnSystemChange(KTSystemChangeKind nKind) override;
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    CKTSyntaxEditEventSink m_Sink;
    std::unique_ptr<CKTSyntaxEditCompletion> m_pCompletion;  // the word list and the word it replaces
    CKTSyntaxEditFolding m_folding;                          // the folds, their marks and boxes
    CKTSyntaxEditPrinter m_printer;                          // the pages on paper
    std::unique_ptr<CKTSyntaxEditTipWnd> m_pToolTip;
};
