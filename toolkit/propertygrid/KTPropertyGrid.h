// KTPropertyGrid.h: the property-grid window with its view, help and verbs panels and splitters.
//
// Classes: CKTPropertyGrid.
#pragma once

#include <afxwin.h>

#include <memory>

#include "KTPropertyGridDefs.h"
#include "KTPropertyGridVerbs.h"
#include "KTSmartPtr.h"
#include "KTSystemChange.h"

class CKTCaptureLoop;
class CKTImageManager;
class CKTPropertyGridInplaceEdit;
class CKTPropertyGridInplaceList;
class CKTPropertyGridItem;
class CKTPropertyGridPainter;
class CKTPropertyGridToolBar;
class CKTPropertyGridView;

// The grid's parts in Tab order.
enum KTPropertyGridPart
{
    ktGridPartLeaveBackward = -2,
    ktGridPartBeforeRows = -1,
    ktGridPartView = 0,
    ktGridPartInplaceEdit = 1,
    ktGridPartInplaceControls = 2,
    ktGridPartInplaceButtons = 3,
    ktGridPartRows = 4,
    ktGridPartVerbs = 5,
    ktGridPartLeave = 6
};

enum KTPropertyGridHitTest
{
    ktGridHitNone = -1,
    ktGridHitHelpSplitter = 1,
    ktGridHitVerbsSplitter = 2,
    ktGridHitFirstVerb = 3  // + the verb's index
};

enum KTPropertyGridBorderStyle
{
    ktGridBorderNone = 0,
    ktGridBorderFrame = 1,
    ktGridBorderFlat = 2,
    ktGridBorderSunken = 3
};

class CKTPropertyGrid : public CWnd, public IKTSystemChangeSink
{
public:
    CKTPropertyGrid();
    ~CKTPropertyGrid() override;

    virtual BOOL Create(const RECT& rect, CWnd* pParentWnd, UINT nID, DWORD dwListStyle = 0);
    virtual CKTPropertyGridView* CreateView();
    BOOL CreateGridView(DWORD dwListStyle);
    CKTPropertyGridView* GetGridView();
    // The caption is the string resource of the id.
    CKTPropertyGridItem* AddCategory(UINT nID);
    CKTPropertyGridItem* GetSelectedItem();

    // 0 the base look, 1 to 7 its variants; other ids are only stored.
    void SetTheme(KTPropertyGridTheme nTheme);
    int GetTheme() const { return m_nTheme; }
    // Takes over the painter.
    void SetCustomPainter(CKTPropertyGridPainter* pPainter);
    CKTPropertyGridPainter* GetPainter() const { return m_pPainter; }
    CKTImageManager* GetImageManager() const;

    virtual LRESULT SendNotifyMessage(int nCode, LPARAM lParam);
    virtual void OnSelectionChanged(CKTPropertyGridItem* pItem);
    virtual void OnSortChanged();
    virtual void OnVerbClick(int nIndex, CPoint point);
    virtual void OnNavigate(int nPart, BOOL bForward, CKTPropertyGridItem* pItem);
    virtual void Reposition(int cx, int cy);
    virtual int HitTest(CPoint point);

    // Shows the sort toolbar above the rows, making it on first use.
    void ShowToolBar(BOOL bShow);
    BOOL IsToolBarVisible() const { return m_bToolBarVisible; }
    CKTPropertyGridToolBar* GetToolBar() const { return m_pToolBar.get(); }
    void ShowHelp(BOOL bShow);
    BOOL IsHelpVisible() const { return m_bHelpVisible; }
    void SetHelpHeight(int nHeight);
    int GetHelpHeight() const { return m_nHelpHeight; }
    int GetVerbsHeight() const { return m_nVerbsHeight; }
    CKTPropertyGridVerbs* GetVerbs() { return &m_verbs; }
    BOOL IsVerbsVisible() const { return m_bVerbsVisible; }
    int GetFocusedVerb() const { return m_nFocusedVerb; }
    void SetTabThroughRows(BOOL bTab) { m_bTabItems = bTab; }
    void SetShowInplaceButtonsAlways(BOOL bShow) { m_bShowInplaceButtonsAlways = bShow; }
    BOOL GetShowInplaceButtonsAlways() const { return m_bShowInplaceButtonsAlways; }
    void HighlightChangedItems(BOOL bBold) { m_bHighlightChanged = bBold; }
    BOOL IsHighlightChangedItems() const { return m_bHighlightChanged; }
    void SetBorderStyle(int nStyle) { m_nBorderStyle = nStyle; }
    int GetBorderStyle() const { return m_nBorderStyle; }
    BOOL IsVariableItemsHeight() const { return m_bVariableItemsHeight; }
    CKTPropertyGridInplaceEdit& GetInplaceEdit() { return *m_pInplaceEdit; }
    CKTPropertyGridInplaceList& GetInplaceList() { return *m_pInplaceList; }
    // Lays the toolbar, view and panels out again for the current size.
    void RepositionNow();
    // Panels in client coordinates, empty when not shown.
    CRect GetHelpRect() const;
    CRect GetVerbsRect() const;
    // Repaints the grid with its children.
    void RedrawAll();

protected:
    void PreSubclassWindow() override;

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnSysColorChange();
    void OnSystemChange(KTSystemChangeKind nKind) override;
    afx_msg void OnSortCategorized();
    afx_msg void OnSortAlphabetical();
    afx_msg BOOL OnToolTipText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    void CreateFonts();
    void SortBy(int nOrder);
    void ReplacePainter(CKTSmartPtr<CKTPropertyGridPainter> pPainter);
    CRect GetViewAreaRect() const;
    int GetShownHelpHeight() const;
    void TrackSplitter(int nHit);
    void RunSplitterLoop(CKTCaptureLoop& loop, CDC* pDC, CRect& rcBar, int nLower);
    void InvertBar(CDC* pDC, const CRect& rcBar);
    int FindVerbAt(CPoint point);
    void FocusVerb(int nVerb);
    void StepVerb(BOOL bForward, BOOL bTab);
    BOOL TryPart(int& nPart, BOOL bForward, CKTPropertyGridItem*& pItem);
    BOOL TryRowsPart(int& nPart, BOOL bForward, CKTPropertyGridItem*& pItem);
    BOOL FocusInplaceButton(CKTPropertyGridItem* pItem, BOOL bForward);
    BOOL LeaveGrid(BOOL bForward);
    CKTPropertyGridItem* SelectRow(int nRow);

    int m_nHelpHeight = 58;   // changed by its splitter
    int m_nVerbsHeight = 25;  // changed by its splitter
    BOOL m_bHelpVisible = TRUE;
    BOOL m_bHelpSplitterActive = TRUE;  // the bar above the help panel moves
    BOOL m_bToolBarVisible = FALSE;
    std::unique_ptr<CKTPropertyGridToolBar> m_pToolBar;  // made when first shown
    HCURSOR m_hSplitterCursor;                           // shared resource, not destroyed
    HCURSOR m_hHandCursor;                               // shared resource, not destroyed
    BOOL m_bTabItems = FALSE;                            // Tab also steps through the rows
    CKTPropertyGridVerbs m_verbs;
    BOOL m_bVerbsVisible = FALSE;  // recomputed by the layout
    int m_nTheme = 0;
    CKTSmartPtr<CKTPropertyGridPainter> m_pPainter;
    int m_nFocusedVerb = -1;
    std::unique_ptr<CKTPropertyGridView> m_pView;  // made on first need
    BOOL m_bHighlightChanged = FALSE;              // changed values in bold
    std::unique_ptr<CKTImageManager> m_pImageManager;
    BOOL m_bVariableItemsHeight = FALSE;
    BOOL m_bPreSubclassInit = TRUE;  // attaching to a window creates the view
    std::unique_ptr<CKTPropertyGridInplaceEdit> m_pInplaceEdit;
    std::unique_ptr<CKTPropertyGridInplaceList> m_pInplaceList;
    BOOL m_bShowInplaceButtonsAlways = FALSE;
    BOOL m_bNavigating = FALSE;  // the grid moves the focus itself
    BOOL m_bCreating = FALSE;    // inside Create, not attaching
    int m_nBorderStyle = ktGridBorderFlat;
};
