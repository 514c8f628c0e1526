// The control's folding and the marks around it: the schema's foldable blocks, the "Collapsed" marks that fold them,
// the boxes drawn for them, the tip that shows a box's hidden text, and bookmarks sought as the folds show them.
// Classes: CKTSyntaxEditFolding.
#pragma once

#include <afxwin.h>

#include <functional>
#include <vector>

class CKTSyntaxEditCtrl;
struct KT_EDIT_COLLAPSED_MARK;
struct KT_EDIT_LEXFOLD;

// The control owns one and puts its caret and scroll bars right after each change the folding reports.
class CKTSyntaxEditFolding
{
public:
    explicit CKTSyntaxEditFolding(CKTSyntaxEditCtrl& ctrl);
    ~CKTSyntaxEditFolding();

    // The text or its parse changed: the blocks are taken again when next asked for.
    void InvalidateFolds() { m_bFoldsValid = FALSE; }
    const std::vector<KT_EDIT_LEXFOLD>& GetFolds();
    // The row's collapse-button bits: 0x01 folded start, 0x02 open start, 0x04 end, 0x10 inside, 0x20 hides rows.
    DWORD GetRowState(int nRow);

    // Each returns FALSE when nothing could fold.
    BOOL Toggle(int nRow);
    BOOL CollapseAll();
    void ExpandAll();

    // A full paint lists again the folded rows it draws, for the boxes and their hit test.
    void BeginPaint() { m_arShownRows.clear(); }
    void RecordFoldedRow(int nRow);
    const std::vector<int>& GetShownRows() const { return m_arShownRows; }
    // Visits the folds of the last paint that have a box, skipping those inside an earlier one; FALSE stops.
    void ForEachShownFold(const std::function<BOOL(KT_EDIT_COLLAPSED_MARK&)>& visit) const;
    KT_EDIT_COLLAPSED_MARK* HitTestBox(CPoint point) const;
    CString GetHiddenText(const KT_EDIT_COLLAPSED_MARK* pMark, int nMaxRows) const;

    // The pointer is at point (client coordinates): over a box the tip shows its hidden text.
    void TrackPointer(CPoint point);
    // After a change of folding: the tip goes, and comes back only once the pointer itself moves.
    void HoldTip();

    // The first row of the outermost folded block that hides the row, else the row.
    int GetFoldHiding(int nRow) const;
    // The row of the nearest bookmark shown on another display row than nFromRow's, wrapping at the ends of the
    // text; -1 when there is none.
    int FindBookmark(int nFromRow, BOOL bNext) const;

private:
    const KT_EDIT_LEXFOLD* FoldStartingAt(int nRow);
    BOOL FoldRow(int nRow);
    void ListShownRow(int nRow);

    CKTSyntaxEditCtrl& m_ctrl;
    std::vector<KT_EDIT_LEXFOLD> m_arFolds;  // the schema's foldable blocks, taken once per parse result
    BOOL m_bFoldsValid = FALSE;
    std::vector<int> m_arShownRows;  // folded rows met by the last paint
    BOOL m_bTipHeld = FALSE;         // no tip until the pointer leaves m_ptHeld
    CPoint m_ptHeld;
};
