// Fonts, colours, cursors and icons of every syntax-edit control, and the drawing of one visible row.
// Classes: CKTSyntaxEditPaintManager. Functions: KTSyntaxEditPaintManager.
#pragma once

#include <afxcmn.h>
#include <afxwin.h>

#include <vector>

#include "KTResourceCursor.h"
#include "KTSyntaxEditDrawTarget.h"
#include "KTSyntaxEditRes.h"
#include "KTSyntaxEditTextPos.h"

class CKTSyntaxEditCtrl;
struct KT_EDIT_COLLAPSED_MARK;

// A piece of a run cut by the selection: [nStart, nEnd) in characters.
struct KT_EDIT_RUNPIECE
{
    BOOL bPresent = FALSE;
    int nStart = 0;
    int nEnd = 0;
};

class CKTSyntaxEditPaintManager
{
public:
    enum
    {
        ktColorText,
        ktColorBack,
        ktColorSelText,
        ktColorSelBack,
        ktColorInactiveSelText,
        ktColorInactiveSelBack,
        ktColorLineNumberText,
        ktColorLineNumberBack,
    };

    CKTSyntaxEditPaintManager();
    virtual ~CKTSyntaxEditPaintManager();
    CKTSyntaxEditPaintManager(const CKTSyntaxEditPaintManager&) = delete;
    CKTSyntaxEditPaintManager& operator=(const CKTSyntaxEditPaintManager&) = delete;

    virtual void InitBitmaps();
    virtual void RefreshMetrics();
    virtual CImageList* GetLineMarksImageList() { return &m_ilLineMarks; }

    CFont* GetFont() { return &m_fontText; }
    CFont* GetFontLineNumber() { return &m_fontLineNumber; }
    CFont* GetFontStatus() { return &m_fontStatus; }
    // The new fonts are made before the old ones go: a failure keeps the old set.
    BOOL SetFont(const LOGFONT* pLogFont, BOOL bSave = FALSE);
    BOOL SetFontText(const LOGFONT* pLogFont);
    BOOL SetFontLineNumber(const LOGFONT* pLogFont);
    // A stored "LogFont" value counts only when it is a whole LOGFONT with a terminated face name.
    static BOOL IsValidLogFontData(const BYTE* pData, UINT nBytes);

    const KT_EDIT_COLORSET& GetColors() const { return m_clrSet; }
    COLORREF GetColor(int nIndex) const { return m_clrSet.At(nIndex).GetColor(); }
    COLORREF GetStandardColor(int nIndex) const { return m_clrSet.At(nIndex).GetStandardColor(); }
    BOOL SetTextColor(COLORREF clr, BOOL bSave = FALSE);
    BOOL SetBackColor(COLORREF clr, BOOL bSave = FALSE);
    BOOL SetHiliteTextColor(COLORREF clr, BOOL bSave = FALSE);
    BOOL SetHiliteBackColor(COLORREF clr, BOOL bSave = FALSE);

    HCURSOR GetSelMarginCursor() const { return m_curSelMargin.GetHandle(); }
    HCURSOR GetDragMoveCursor() const { return m_curDragMove.GetHandle(); }
    HCURSOR GetDragCopyCursor() const { return m_curDragCopy.GetHandle(); }
    HCURSOR GetNoDropCursor() const { return m_hcurNoDrop; }
    HCURSOR GetTextCursor() const { return m_hcurText; }
    HCURSOR GetArrowCursor() const { return m_hcurArrow; }

    // Drawing of one row (KTSyntaxEditPaintGutter.cpp and KTSyntaxEditPaintText.cpp).
    void DrawGutterBackground(CKTSyntaxEditCtrl* pCtrl, CDC* pDC, int nHeight);
    void DrawLineMarks(CKTSyntaxEditCtrl* pCtrl, CDC* pDC, int nDisplayRow, int nRow);
    void DrawLineMark(CKTSyntaxEditCtrl* pCtrl, CDC* pDC, const CRect& rcMargin, int nRow);
    void DrawLineNumber(CKTSyntaxEditCtrl* pCtrl, CDC* pDC, int nDisplayRow, int nRow);
    // The number in rc on a page filled already, with the separator after it.
    void DrawPaperLineNumber(CDC* pDC, const CRect& rc, int nRow);
    void DrawCollapsedNode(CKTSyntaxEditCtrl* pCtrl, CDC* pDC, int nDisplayRow, DWORD dwFlags);
    void DrawCollapsedTextMarks(CKTSyntaxEditCtrl* pCtrl, CDC* pDC);
    void DrawLineText(CKTSyntaxEditCtrl* pCtrl, const KT_EDIT_DRAWTARGET& target, const CString& strText, int y,
                      int nRow, const std::vector<KT_EDIT_TEXTATTR>& arRuns);
    static void SplitRunBySelection(int nStart, int nEnd, int nSelStart, int nSelEnd, KT_EDIT_RUNPIECE pieces[3]);
    // With a DC, the new font is selected into it before the old one goes.
    void UpdateTextFont(CKTSyntaxEditCtrl* pCtrl, const LOGFONT& lfRun, CDC* pDC = NULL);

private:
    struct RunColors
    {
        COLORREF clrText;
        COLORREF clrBack;
        COLORREF clrSelText;
        COLORREF clrSelBack;
    };

    BOOL CreateFonts(const LOGFONT& lf, CFont& fontText, CFont& fontAttr, CFont& fontLineNumber) const;
    void ReadProfileColors(CWinApp* pApp);
    void ReadProfileFont(CWinApp* pApp);
    BOOL SaveColor(int nIndex, COLORREF clr, LPCSTR pszKey, BOOL bSave);
    RunColors ColorsOfRun(CKTSyntaxEditCtrl* pCtrl, const KT_EDIT_TEXTATTR& run, int nRow) const;
    BOOL SelectionOnRow(CKTSyntaxEditCtrl* pCtrl, const CString& strText, int nRow, int& nSelStart, int& nSelEnd) const;
    void PlaceCollapsedBox(CKTSyntaxEditCtrl* pCtrl, const KT_EDIT_DRAWTARGET& target, KT_EDIT_COLLAPSED_MARK* pMark,
                           int y);
    void DrawCollapsedBox(CDC* pDC, const CRect& rcBox, const CString& strText);
    int DrawTextRun(CKTSyntaxEditCtrl* pCtrl, const KT_EDIT_DRAWTARGET& target, const CString& strText,
                    const KT_EDIT_RUNPIECE& piece, int nStartCol, int y, const LOGFONT& lfRun);
    void FillHalftone(CDC* pDC, const CRect& rc);
    void DrawDottedLine(CDC* pDC, int x, int yTop, int yBottom, COLORREF clr);
    void FillSelectedLineEnd(CKTSyntaxEditCtrl* pCtrl, const KT_EDIT_DRAWTARGET& target, const CString& strText, int y,
                             int nRow);

    CFont m_fontText;  // the base of every other text font
    CFont m_fontAttr;  // the text font with the current run's weight, italic and underline
    CFont m_fontLineNumber;
    CFont m_fontStatus;  // the system's status-bar font
    CKTResourceCursor m_curSelMargin{KT_IDC_EDIT_SELMARGIN};
    CKTResourceCursor m_curDragMove{KT_IDC_EDIT_DRAGMOVE};
    CKTResourceCursor m_curDragCopy{KT_IDC_EDIT_DRAGCOPY};
    HCURSOR m_hcurNoDrop = NULL;
    HCURSOR m_hcurText = NULL;
    HCURSOR m_hcurArrow = NULL;
    CImageList m_ilLineMarks;  // 0 bookmark, 1 bookmark on the caret row, 2 breakpoint
    CPen m_penShadow;          // outlines of the collapse nodes
    KT_EDIT_COLORSET m_clrSet;
    LOGFONT m_lfText = {};  // what m_fontText was made from
    LOGFONT m_lfAttr = {};  // what m_fontAttr was made from: runs alike reuse it
    CPen m_penDotted;       // every other pixel, in m_clrDotted
    COLORREF m_clrDotted = CLR_INVALID;
};

CKTSyntaxEditPaintManager* KTSyntaxEditPaintManager();
