// KTDockingPaneWindowSelectLayout.h: where the window selector places its items, and how its keys move the selection.
#pragma once

#include <afxwin.h>

#include <vector>

class CKTDockingPane;

// One entry of the selector: a pane, an MDI child window, or the frame window itself.
struct CKTDockingPaneWindowSelectItem
{
    enum EKind
    {
        kPane = 0,
        kChildWindow = 1,
        kFrameWindow = 2
    };

    CRect rc;
    CKTDockingPane* pPane = nullptr;
    HWND hWnd = NULL;
    int nIndex = 0;
    int nColumn = 0;
    int nRow = 0;
    int nKind = kPane;
};

// Items are laid out in columns of at most 15 rows: the panes in one column, the files after them. Panes must
// all be added before the first file.
class CKTDockingPaneWindowSelectLayout
{
public:
    enum
    {
        kMaxRows = 15,
        kColumnWidth = 175
    };

    explicit CKTDockingPaneWindowSelectLayout(int nItemHeight);

    void AddPane(CKTDockingPane* pPane, BOOL bActive);
    void AddFile(HWND hWnd, int nKind);
    // Picks the first selection as the selector opens; returns the panes-first flag it kept.
    BOOL ChooseInitialSelection(BOOL bPanesFirst, BOOL bShift);

    // Tab stays within its group (panes or files); the arrows wrap over all items. Left and Right need
    // a second column and a selection, and say whether they moved.
    void SelectTab(BOOL bShift);
    void SelectVertical(BOOL bDown);
    BOOL SelectColumn(BOOL bRight);

    int HitTest(CPoint pt) const;
    void Select(int nItem) { m_nSelected = nItem; }

    CSize GetWindowSize() const;
    int GetItemHeight() const { return m_nItemHeight; }
    int GetPaneCount() const { return m_nPaneCount; }
    int GetFileCount() const { return static_cast<int>(m_items.size()) - m_nPaneCount; }
    int GetFirstFileIndex() const { return m_nPaneCount; }
    int GetColumnCount() const { return static_cast<int>(m_columns.size()); }
    const std::vector<CKTDockingPaneWindowSelectItem>& GetItems() const { return m_items; }
    const CKTDockingPaneWindowSelectItem* GetSelectedItem() const;
    int GetSelectedIndex() const { return m_nSelected; }

private:
    void Place(CKTDockingPaneWindowSelectItem item, int nLeft, BOOL bNewColumn);
    void SelectEnd(BOOL bLast);
    static int Wrap(int nIndex, int nFirst, int nCount);

    int m_nItemHeight;
    int m_nPaneCount = 0;
    int m_nSelected = -1;
    std::vector<CKTDockingPaneWindowSelectItem> m_items;
    std::vector<std::pair<int, int>> m_columns;  // first and last item of each column
};
