// The fields of the syntax editor's editing window: its settings, caret and selection, the mouse gesture under way,
// and the gutter, scrolling and paint state. The control's code works on them; only the control derives from it.
// Classes: CKTSyntaxEditCtrlState.
#pragma once

#include <afxwin.h>

#include <map>
#include <vector>

#include "KTSmartPtr.h"
#include "KTSyntaxEditBufferManager.h"
#include "KTSyntaxEditScreenCache.h"

class CKTSyntaxEditCtrlState
{
protected:
    // The control's own timers; the word list's is the word list's.
    enum
    {
        ktTimerAutoScroll = 100,
        ktTimerParseRepaint = 200,
    };

    // What one typed character puts into the text and where the caret goes.
    struct CTyped
    {
        CString strText;
        int nRow = 1, nChar = 1, nDispCol = 1;
        int nFirstRow = 1, nLastRow = 1;
        int nCommands = 1;  // undo commands this character makes
        BOOL bInsert = TRUE;
    };

    // Settings.
    BOOL m_bLineNumbers = TRUE;          // "LineNumbers"
    BOOL m_bCollapseButtons = TRUE;      // reserve the collapse-button column
    BOOL m_bSelMargin = TRUE;            // "SelMargin"
    BOOL m_bVertScrollBar = TRUE;        // "VScrollBar"
    BOOL m_bHorzScrollBar = TRUE;        // "HScrollBar"
    BOOL m_bShowWhitespace = FALSE;      // tabs and spaces drawn visibly
    BOOL m_bSyntaxColor = TRUE;          // "SyntaxColor"
    BOOL m_bAutoIndent = TRUE;           // "AutoIndent"
    BOOL m_bWideCaret = TRUE;            // "WideCaret"
    BOOL m_bTabWithSpace = FALSE;        // "TabWithSpace"
    BOOL m_bUseParentScrollBars = TRUE;  // a parent view's scroll bars serve the control
    int m_nWheelRows = 4;
    int m_nBufferScale = 30;
    CString m_strConfigFile;
    // Window.
    BOOL m_bActive = FALSE;   // drawn as active
    BOOL m_bCreated = FALSE;  // Create succeeded: the caret is ours to destroy
    BOOL m_bFocused = FALSE;
    CKTSmartPtr<CKTSyntaxEditBufferManager> m_pBuffer;
    CWnd* m_pParentWnd = NULL;  // notify window; not owned
    TEXTMETRIC m_tm = {};       // of the editor font
    CString m_strLineText;      // returned by GetLineText
    // Caret and selection.
    int m_nTopRow = 1;
    int m_nCurrentRow = 1;
    int m_nCurrentChar = 1;           // 1-based character index in the row
    int m_nDispCol = 1;               // display column of the caret
    int m_nWantedDispCol = 1;         // kept across vertical moves
    BOOL m_bSelection = FALSE;        // m_selStart / m_selEnd mean something
    BOOL m_bColumnSelection = FALSE;  // the selection is a column block
    KT_EDIT_TEXTPOS m_selEnd;         // (row, display column); unordered until normalised
    KT_EDIT_TEXTPOS m_selStart;
    int m_nIndentTabs = 0;  // pending indentation, while m_nForcedColumn >= 1
    int m_nIndentSpaces = 0;
    int m_nForcedColumn = 0;
    BOOL m_bShiftSelecting =
        FALSE;  // a selection by Shift and keys runs; ends when a key goes up without Shift  // above 0: caret placement uses this column
    // The mouse gesture.
    BOOL m_bMouseDown = FALSE;         // the left button went down in the text
    BOOL m_bMouseSelecting = FALSE;    // a mouse selection runs: auto-scroll follows the pointer
    BOOL m_bLineSelection = FALSE;     // the selection grows by whole rows
    int m_nLineSelectRow = 0;          // anchor row of a line selection
    BOOL m_bWordSelecting = FALSE;     // the selection grows by whole words
    CPoint m_ptWordSelect;             // click that started a word selection
    BOOL m_bDragPending = FALSE;       // a button went down inside the selection
    BOOL m_bDragging = FALSE;          // the mouse carries the selected text
    BOOL m_bDropState = FALSE;         // a drop here would change something
    BOOL m_bNoDragCursor = FALSE;      // the drag runs with the right button
    BOOL m_bOleDragDrop = FALSE;       // the view runs drags of the selection
    BOOL m_bReleasingCapture = FALSE;  // the control itself lets the capture go
    KT_EDIT_TEXTPOS m_ptDrop;          // (row, display column) where a drop lands
    // Gutter, scrolling and painting.
    int m_nTextLeft = 30;  // gutter width: x where text begins
    int m_nSelMarginWidth = 20;
    int m_nLineNumbersWidth = 0;
    int m_nCollapseButtonSize = 10;
    BOOL m_bScrolledByUser = FALSE;  // the view was scrolled by rows or columns
    // The rows in view, taken with each change of the top row, the window's height or the folds: the first, the
    // last, and the last a parsed block may start on to be seen (a long parse asks for every block it announces).
    int m_nFirstVisibleRow = -1;
    int m_nLastVisibleRow = -1;
    int m_nParseShownRow = -1;
    int m_nHorzPos = 0;         // first visible display column - 1, when the bar is not ours
    BOOL m_abBarShown[2] = {};  // SB_HORZ, SB_VERT: painted with the values they hold
    int m_nPrevRedrawRow = -1;
    int m_nRedrawRow = -1;  // -1 everything, 0 nothing pending, else a row
    std::map<int, COLORREF> m_mapRowBkColor;
    std::map<int, COLORREF> m_mapRowColor;
    CKTSyntaxEditScreenCache m_ScreenCache;
    int m_nPaintTimeSlots = 100;
    int m_nPaintTimeNext = 0;
    std::vector<UINT> m_arPaintTimes;   // ms of the last paints, a ring
    DWORD m_dwLastParseRepaint = 0;     // tick of the last repaint caused by parsing
    DWORD m_dwParseRepaintDue = 0;      // tick when the delayed parse repaint is due
    BOOL m_bParseRepaintTimer = FALSE;  // the timer of the delayed parse repaint runs
    CBitmap m_bmPaintText;              // off-screen rows, kept while the size stays
    CBitmap m_bmPaintGutter;
    CSize m_szPaintText;
    CSize m_szPaintGutter;
};
