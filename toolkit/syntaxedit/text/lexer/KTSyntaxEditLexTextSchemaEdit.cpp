// What an edit does to a text schema's chain: the blocks move with the
// text, and a re-parse from a known state before the edit collects new
// blocks until they meet the old chain again, then puts them in its place.
#include <algorithm>
#include <chrono>
#include <climits>

#include "KTSyntaxEditLexTextSchema.h"

namespace
{

// Whether the block holds text of the edit.
bool HoldsEdit(const CKTSyntaxEditLexTextBlock& block, KT_EDIT_LEXPOS start, KT_EDIT_LEXPOS end, int kind)
{
    KT_EDIT_LEXPOS before = kind == CKTSyntaxEditLexTextSchema::ktInsert ? start : end;
    return block.m_posStart < before && (block.IsOpen() || block.m_posEnd >= start);
}

void ShiftBlock(CKTSyntaxEditLexTextBlock& block, KT_EDIT_LEXPOS start, KT_EDIT_LEXPOS end, int kind)
{
    block.m_posStart = KTLexShiftPos(block.m_posStart, start, end, kind);
    block.m_posEnd = KTLexShiftPos(block.m_posEnd, start, end, kind);
}

}  // namespace

// Only blocks that begin before the edit and end after it, and blocks that
// begin after it, move. When blocks nest as their parent links say, the
// first are the last block before the edit and its parents; and an edit
// within one row moves nothing that begins on a later row.
int CKTSyntaxEditLexTextSchema::UpdateTextBlocks(KT_EDIT_LEXPOS start, KT_EDIT_LEXPOS end, int kind)
{
    std::unique_lock<std::timed_mutex> data(m_dataLock, std::chrono::milliseconds(5000));
    if (!data.owns_lock())
        return 1;
    if (m_chain.empty())
        return 0;
    size_t first = FirstBlockAfter(start);
    bool touched = false;
    auto update = [&](CKTSyntaxEditLexTextBlock& block)
    {
        touched = touched || HoldsEdit(block, start, end, kind);
        ShiftBlock(block, start, end, kind);
    };
    if (!m_bNestedChain)
        std::for_each(m_chain.begin(), m_chain.begin() + long(first), [&](const CKTLexBlockPtr& b) { update(*b); });
    else if (first > 0)
        for (CKTSyntaxEditLexTextBlock* b = m_chain[first - 1]; b; b = b->m_ptrParent)
            update(*b);
    bool oneRow = start.nRow == end.nRow;
    for (size_t i = first; i < m_chain.size() && !(oneRow && m_chain[i]->m_posStart.nRow > end.nRow); ++i)
        update(*m_chain[i]);
    return touched ? 0x102 : 0x2;
}

// The last block directly inside the file's block that starts on a row
// before the edit: the parse state there is known, so a re-parse can begin
// there. It must be the first block at its place: a block that began where
// an earlier one began is made again only by a run that makes that one too.
size_t CKTSyntaxEditLexTextSchema::FindRestart(KT_EDIT_LEXPOS start) const
{
    if (m_chain.size() < 2 || m_chain[0]->m_ptrParent)
        return SIZE_MAX;
    const CKTSyntaxEditLexTextBlock* root = m_chain[0];
    for (size_t i = FirstBlockAfter({start.nRow, 0}); i-- > 1;)
        if (m_chain[i]->m_ptrParent == root && m_chain[i - 1]->m_posStart < m_chain[i]->m_posStart)
            return i;
    return SIZE_MAX;
}

// The old chain stays in place, for painting, until the new blocks replace its part.
int CKTSyntaxEditLexTextSchema::RunFromBlock(size_t restart, CKTSyntaxEditLexCursor& cursor, KT_EDIT_LEXPOS threshold)
{
    CKTLexBlockPtr root = m_chain[0];
    KT_EDIT_LEXPOS from = m_chain[restart]->m_posStart;
    {
        auto data = LockData();
        root->m_posEnd = KT_EDIT_LEXPOS();
    }
    m_nKept = restart;
    m_nOldNext = restart;
    m_posSyncAfter = threshold;
    // A start past its row's end is taken at the row's end: only a break stops the run here.
    if (!cursor.Seek(from, &m_bBreak) && (m_bBreak || cursor.GetPosition().nRow != from.nRow))
        return CKTSyntaxEditLexClass::ktBroken;
    int result = RunBlock(cursor, root);
    if (m_bSynced)
    {
        cursor.Seek({cursor.GetRowCount(), INT_MAX});
        auto data = LockData();
        root->m_posEnd = cursor.GetPosition();
        return CKTSyntaxEditLexClass::ktRangeDone;
    }
    return result;
}

// Past the edited rows, a new block that the old chain has at the same
// place, of the same class, directly inside the file's block, begins a part
// that a re-parse would only repeat: the old chain is taken back from there.
bool CKTSyntaxEditLexTextSchema::TrySync(const CKTLexBlockPtr& block)
{
    if (block->m_posStart.nRow <= m_posSyncAfter.nRow)
        return false;
    while (m_nOldNext < m_chain.size() && m_chain[m_nOldNext]->m_posStart < block->m_posStart)
        ++m_nOldNext;
    const CKTSyntaxEditLexTextBlock* root = m_chain[0];
    for (size_t j = m_nOldNext; j < m_chain.size() && m_chain[j]->m_posStart == block->m_posStart; ++j)
    {
        const CKTSyntaxEditLexTextBlock& old = *m_chain[j];
        if (old.m_ptrParent != root || old.m_ptrClass != block->m_ptrClass || old.IsOpen())
            continue;
        SpliceNewBlocks(j);
        m_bSynced = true;
        return true;
    }
    return false;
}

// The new blocks take the place of the old ones before index oldEnd.
void CKTSyntaxEditLexTextSchema::SpliceNewBlocks(size_t oldEnd)
{
    auto data = LockData();
    auto kept = m_chain.begin() + long(m_nKept);
    size_t replaced = oldEnd - m_nKept;
    size_t common = std::min(replaced, m_newBlocks.size());
    std::move(m_newBlocks.begin(), m_newBlocks.begin() + long(common), kept);
    if (replaced > common)
        m_chain.erase(kept + long(common), m_chain.begin() + long(oldEnd));
    else
        m_chain.insert(kept + long(common), std::make_move_iterator(m_newBlocks.begin() + long(common)),
                       std::make_move_iterator(m_newBlocks.end()));
    m_newBlocks.clear();
    m_nKept = SIZE_MAX;
}

// A re-parse that did not meet the old chain again replaces all of it.
void CKTSyntaxEditLexTextSchema::EndReparse()
{
    if (IsReparsing())
        SpliceNewBlocks(m_chain.size());
}
