// The framework view of an editor window: hosts one edit control over the document's buffer.
// Classes: CKTSyntaxEditView.
#pragma once

#include <afxole.h>
#include <afxwin.h>

#include <memory>

#include "KTSmartPtr.h"
#include "KTSyntaxEditCtrl.h"

class CKTSyntaxEditDoc;
class CKTSyntaxEditSearchDlg;
class CSplitterWnd;
struct KT_EDIT_NMHDR_ROWS;
struct KT_EDIT_NMHDR_VALUE;

class CKTSyntaxEditView : public CView
{
    DECLARE_DYNCREATE(CKTSyntaxEditView)
public:
    CKTSyntaxEditView();
    ~CKTSyntaxEditView() override;

    CKTSyntaxEditDoc* GetDocument() const;
    virtual CKTSyntaxEditCtrl* GetEditCtrl()
    {
        return m_ptrExternalCtrl.IsNull() ? &m_wndEdit : m_ptrExternalCtrl.GetInterface();
    }
    // The view holds a reference of its own to pCtrl, so the caller may release its one.
    virtual void SetEditCtrl(CKTSyntaxEditCtrl* pCtrl);
    virtual void OnDropFiles(HDROP hDropInfo);
    virtual BOOL CanEditDocument() { return TRUE; }
    void SetInitialTopRow(int nRow) { m_nInitialTopRow = nRow; }
    void SetFont(const LOGFONT* pLogFont, BOOL bSave);
    BOOL SetScrollBars(BOOL bHorz, BOOL bVert, BOOL bSave, BOOL bRelayout);
    BOOL GetHorzScrollBar() const { return m_bHorzScrollBar; }
    BOOL GetVertScrollBar() const { return m_bVertScrollBar; }
    int ReplaceAll(LPCSTR pszFind, LPCSTR pszReplace, BOOL bMatchCase, BOOL bMatchWholeWord);
    void Refresh();
    CKTSyntaxEditSearchDlg& GetSearchDlg() { return *m_pSearchDlg; }
    void UpdateSiblingViews(int nMask);

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void OnInitialUpdate() override;
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;
    void OnDraw(CDC* pDC) override;

    // OLE drag and drop of text, and files dropped for the main window (KTSyntaxEditViewDrag.cpp).
    DROPEFFECT OnDragEnter(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
    DROPEFFECT OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
    void OnDragLeave() override;
    BOOL OnDrop(COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point) override;

    // Printing (KTSyntaxEditViewPrint.cpp): the text in "Courier New" at the screen font's size, pages counted
    // on the printer's DC.
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = NULL) override;
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) override;

    // The control's notifications, one handler each.
    virtual LRESULT OnEditChanging(NMHDR* pHeader);
    virtual LRESULT OnEditChanged(NMHDR* pHeader);
    virtual LRESULT OnModifiedChanged(NMHDR* pHeader);
    virtual LRESULT OnDrawLineMarks(NMHDR*) { return 0; }
    virtual LRESULT OnCurrentPosChanged(NMHDR*) { return 0; }
    virtual LRESULT OnUpdateSiblings(NMHDR* pHeader);
    virtual LRESULT OnInsertKey(NMHDR*) { return 0; }
    virtual LRESULT OnTextChanged(NMHDR*)
    {
        SyncSplitterPanes(NULL);
        return 0;
    }
    virtual LRESULT OnDragStart(NMHDR* pHeader);
    virtual LRESULT OnMarginClick(NMHDR*) { return 0; }
    virtual LRESULT OnParserEvent(NMHDR*) { return 0; }

    // Splitter panes (KTSyntaxEditViewSplitter.cpp).
    CSplitterWnd* SplitterOf(CView* pView);
    CPoint PaneCell(const CSplitterWnd& splitter) const;
    template <typename F>
    void ForEachOtherPane(const CSplitterWnd& splitter, F&& visit);
    void SyncSplitterPanes(const KT_EDIT_NMHDR_ROWS* pRecord);
    void UpdateSiblingsFrom(const KT_EDIT_NMHDR_VALUE* pRecord);

    void ApplySettings();
    void ReadScrollBarFlags();
    void ResyncWholeText();
    void UpdateTitle(BOOL bModified);
    CString ProposeFindText(BOOL bWordAtCaret);
    void OpenSearch(BOOL bReplace);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnEditCut() { GetEditCtrl()->CutSelection(); }
    afx_msg void OnEditCopy() { GetEditCtrl()->Copy(); }
    afx_msg void OnEditPaste() { GetEditCtrl()->Paste(); }
    afx_msg void OnEditClear() { GetEditCtrl()->DeleteSelection(TRUE); }
    afx_msg void OnEditSelectAll() { GetEditCtrl()->SelectAll(); }
    afx_msg void OnEditFind() { OpenSearch(FALSE); }
    afx_msg void OnEditReplace() { OpenSearch(TRUE); }
    afx_msg void OnEditRepeat();
    afx_msg void OnUpdateEditRepeat(CCmdUI* pCmdUI);
    afx_msg void OnEditUndo();
    afx_msg void OnEditRedo();
    afx_msg void OnUpdateEditUndo(CCmdUI* pCmdUI);
    afx_msg void OnUpdateEditRedo(CCmdUI* pCmdUI);
    afx_msg void OnUpdateNeedSelection(CCmdUI* pCmdUI);
    afx_msg void OnUpdateEditPaste(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

    BOOL m_bOwnScrollBars = FALSE;  // the control shows its own scroll bars
    int m_nActivePriority = THREAD_PRIORITY_LOWEST;
    int m_nInactivePriority = THREAD_PRIORITY_IDLE;
    BOOL m_bHorzScrollBar = TRUE;  // "HScrollBar"
    BOOL m_bVertScrollBar = TRUE;  // "VScrollBar"
    int m_nInitialTopRow = 1;      // a new control starts here
    CWnd* m_pParentWnd = NULL;     // not owned
    CKTSyntaxEditCtrl m_wndEdit;
    CKTSmartPtr<CKTSyntaxEditCtrl> m_ptrExternalCtrl;      // serves in place of m_wndEdit when set
    std::unique_ptr<CKTSyntaxEditSearchDlg> m_pSearchDlg;  // keeps the find state between showings
    BOOL m_bInitialised = FALSE;
    LOGFONT m_lfPrintFont = {};  // a "Courier New" copy of the screen's text font
    int m_nSavedTopRow = 1;
    BOOL m_bDraggedOver = FALSE;   // OnDragOver ran during the current drag
    BOOL m_bDragging = FALSE;      // this view started the drag in progress
    BOOL m_bTextOffered = FALSE;   // the entering data holds CF_TEXT
    BOOL m_bFilesOffered = FALSE;  // the entering data holds CF_HDROP
    COleDropTarget m_dropTarget;

private:
    UINT CountPagesForDialog();
    int CountPages(CDC* pDC, BOOL bPageOfDC);
    void EndDrag(DROPEFFECT dropEffect);
    BOOL DropText(COleDataObject* pDataObject);
};
