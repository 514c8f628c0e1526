// What an edit does to a text schema's chain before the re-parse: blocks
// after it move with the text, blocks that hold it end further on or
// sooner, and blocks whose start or end tag it breaks are emptied or
// reopened, so that painting shows at once what the re-parse will find.
#include <algorithm>
#include <chrono>

#include "KTSyntaxEditLexTextSchema.h"

namespace
{

// One edit: its range, and how positions after it move.
class CEditShift
{
public:
    enum Effect
    {
        ktUntouched,
        ktEmptied,
        ktReopened,
        ktEndMoves
    };

    CEditShift(KT_EDIT_LEXPOS start, KT_EDIT_LEXPOS end, int kind)
        : m_start(start), m_end(end), m_bDelete(kind == CKTSyntaxEditLexTextSchema::ktDelete),
          m_nRows(end.nRow - start.nRow), m_nCols(end.nCol - start.nCol), m_nRefRow(m_bDelete ? start.nRow : end.nRow)
    {
        if (m_bDelete)
        {
            m_nRows = -m_nRows;
            m_nCols = -m_nCols;
        }
    }

    // later: the block comes after the last one that starts before the edit.
    Effect Classify(const CKTSyntaxEditLexTextBlock& block, bool later) const
    {
        if (!block.IsOpen() && block.m_posEnd < block.m_posStart)  // emptied by an earlier edit
            return m_bDelete && m_start <= block.m_posStart && block.m_posStart < m_end ? ktEmptied : ktUntouched;
        const KT_EDIT_LEXPOS afterStartTag = block.GetStartTagEnd();
        const bool startLost = m_bDelete ? (later ? block.m_posStart < m_end && m_start < afterStartTag
                                                  : m_start <= block.m_posStart && block.m_posStart < m_end)
                                         : block.m_posStart < m_start && m_start < afterStartTag;
        if (startLost)
            return ktEmptied;
        if (block.IsOpen())
            return ktUntouched;
        // The end tag may stand after the block's last character (an empty tag that follows it).
        const KT_EDIT_LEXPOS endTag = block.GetEndTagStart();
        const KT_EDIT_LEXPOS endIn = std::min(block.m_posEnd, endTag);
        const KT_EDIT_LEXPOS endOut = std::max(block.m_posEnd, endTag);
        const KT_EDIT_LEXPOS reach = m_bDelete ? m_end : m_start;  // the last text the edit touches
        if (afterStartTag <= m_start && reach <= endIn)
            return ktEndMoves;
        if (reach <= endIn)
            return ktUntouched;
        return m_start <= endOut ? ktReopened : ktUntouched;
    }

    // A deleted start stands where the deleted text was, so the chain stays in order.
    void Empty(CKTSyntaxEditLexTextBlock& block) const
    {
        if (m_bDelete && block.m_posStart >= m_start)
            block.m_posStart = m_start;
        block.m_posEnd = {block.m_posStart.nRow, block.m_posStart.nCol - 1};
    }

    static void Reopen(CKTSyntaxEditLexTextBlock& block)
    {
        block.m_posEnd = KT_EDIT_LEXPOS();
        block.m_endTag = KT_EDIT_LEXREACH();
    }

    // FALSE when the end falls before the start: the block is emptied instead.
    bool MoveEnd(CKTSyntaxEditLexTextBlock& block) const
    {
        KT_EDIT_LEXPOS endTag = block.GetEndTagStart();
        block.m_posEnd.nRow += m_nRows;
        if (block.m_posEnd.nRow < block.m_posStart.nRow)
            return false;
        if (block.m_posEnd.nRow == m_nRefRow)
            block.m_posEnd.nCol = std::max(0, block.m_posEnd.nCol + m_nCols);
        Move(endTag);
        block.SetEndTagStart(endTag);
        return true;
    }

    bool IsAfter(const CKTSyntaxEditLexTextBlock& block) const
    {
        return block.m_posStart >= (m_bDelete ? m_end : m_start);
    }

    // An edit within a row moves nothing that neither starts nor ends on it.
    bool MovesNothingFrom(const CKTSyntaxEditLexTextBlock& block) const
    {
        return m_nRows == 0 && block.m_posStart.nRow != m_nRefRow && block.m_posEnd.nRow != m_nRefRow;
    }

    // The start tag's reach holds wherever the block moves; the end tag's may start on another row than
    // the end, which the edit's row moves alone.
    void MoveWhole(CKTSyntaxEditLexTextBlock& block) const
    {
        Move(block.m_posStart);
        if (block.IsOpen())
            return;
        KT_EDIT_LEXPOS endTag = block.GetEndTagStart();
        Move(block.m_posEnd);
        Move(endTag);
        block.SetEndTagStart(endTag);
    }

private:
    void Move(KT_EDIT_LEXPOS& pos) const
    {
        pos.nRow += m_nRows;
        if (pos.nRow == m_nRefRow)
            pos.nCol += m_nCols;
    }

    KT_EDIT_LEXPOS m_start;
    KT_EDIT_LEXPOS m_end;
    bool m_bDelete;
    int m_nRows;
    int m_nCols;
    int m_nRefRow;
};

}  // namespace

// b0 is the first block at the last start at or before the edit: it and
// the blocks that hold it, then the blocks after it, each as the edit
// touches it. When blocks nest as their parent links say, only b0's
// parents can hold the edit among the blocks before it.
int CKTSyntaxEditLexTextSchema::UpdateTextBlocks(KT_EDIT_LEXPOS start, KT_EDIT_LEXPOS end, int kind)
{
    std::unique_lock<std::timed_mutex> data(m_dataLock, std::chrono::milliseconds(5000));
    if (!data.owns_lock())
        return ktEditTimedOut;
    size_t after = FirstBlockAfter({start.nRow, start.nCol + 1});
    if (after == 0)
        return 0;
    const size_t first = FirstBlockAfter(m_chain[after - 1]->m_posStart);
    CKTSyntaxEditLexTextBlock* const b0 = m_chain[first];
    const CEditShift edit(start, end, kind);
    int flags = 0;
    auto apply = [&](CKTSyntaxEditLexTextBlock& block, bool later)
    {
        const int changed = &block == b0 ? ktEditFirstChanged : 0;
        switch (edit.Classify(block, later))
        {
        case CEditShift::ktEmptied:
            edit.Empty(block);
            flags |= ktEditMustReparse | changed;
            return true;
        case CEditShift::ktReopened:
            CEditShift::Reopen(block);
            flags |= ktEditMustReparse | changed;
            return true;
        case CEditShift::ktEndMoves:
            flags |= changed;
            if (!edit.MoveEnd(block))
            {
                edit.Empty(block);
                flags |= ktEditMustReparse;
            }
            return true;
        default:
            return false;
        }
    };
    if (m_bNestedChain)
        for (CKTSyntaxEditLexTextBlock* b = b0; b; b = b->m_ptrParent)
            apply(*b, false);
    else
        for (size_t i = 0; i <= first; ++i)
            apply(*m_chain[i], false);
    for (size_t i = (flags & ktEditFirstChanged) ? first + 1 : first; i < m_chain.size(); ++i)
    {
        CKTSyntaxEditLexTextBlock& block = *m_chain[i];
        if (apply(block, true) || !edit.IsAfter(block))
            continue;
        if (edit.MovesNothingFrom(block))
            break;
        edit.MoveWhole(block);
    }
    return flags;
}
