// The re-parse after an edit: from a known state before the edit it
// collects new blocks until they meet the old chain again, then puts them
// in its place.
#include <algorithm>

#include "KTSyntaxEditLexTextSchema.h"

// The last block directly inside a top block that starts on a row before
// the edit: the parse state there is known, so a re-parse can begin there.
// It must be the first block at its place: a block that began where an
// earlier one began is made again only by a run that makes that one too.
size_t CKTSyntaxEditLexTextSchema::FindRestart(KT_EDIT_LEXPOS start) const
{
    if (m_chain.size() < 2 || m_chain[0]->m_ptrParent)
        return SIZE_MAX;
    for (size_t i = FirstBlockAfter({start.nRow, 0}); i-- > 1;)
    {
        const CKTSyntaxEditLexTextBlock* parent = m_chain[i]->m_ptrParent;
        if (parent && !parent->m_ptrParent && m_chain[i - 1]->m_posStart < m_chain[i]->m_posStart && IsInChain(parent))
            return i;
    }
    return SIZE_MAX;
}

// A re-parse broken off leaves blocks whose parents it replaced.
bool CKTSyntaxEditLexTextSchema::IsInChain(const CKTSyntaxEditLexTextBlock* block) const
{
    for (size_t i = FirstBlockAfter(block->m_posStart);
         i < m_chain.size() && m_chain[i]->m_posStart == block->m_posStart; ++i)
        if (m_chain[i] == block)
            return true;
    return false;
}

// The old chain stays in place, for painting, until the new blocks replace
// its part. When the top block ends before the text, the rest runs as a
// whole parse would, until it meets the old chain again.
int CKTSyntaxEditLexTextSchema::RunFromBlock(size_t restart, bool background, CKTSyntaxEditLexCursor& cursor,
                                             KT_EDIT_LEXPOS threshold, KT_EDIT_LEXPOS& reached)
{
    CKTLexBlockPtr parent = m_chain[restart]->m_ptrParent;
    reached = m_chain[restart]->m_posStart;
    m_pRunParent = parent;
    m_posRunParentEnd = parent->m_posEnd;
    m_runParentEndTag = parent->m_endTag;
    {
        auto data = LockData();
        parent->m_posEnd = KT_EDIT_LEXPOS();
    }
    m_nKept = restart;
    m_nOldNext = restart;
    m_posSyncAfter = threshold;
    // A start past its row's end is taken at the row's end: only a break stops the run here.
    if (!cursor.Seek(reached, &m_bBreak) && (m_bBreak || cursor.GetPosition().nRow != reached.nRow))
        return CKTSyntaxEditLexClass::ktBroken;
    int result = RunBlock(cursor, parent);
    reached = cursor.GetPosition();
    if (m_bSynced)
        return CKTSyntaxEditLexClass::ktRangeDone;
    if (result & (CKTSyntaxEditLexClass::ktStop | CKTSyntaxEditLexClass::ktBroken))
        return result;
    if (m_bTooDeep || cursor.IsEnd())
        return CKTSyntaxEditLexClass::ktRangeDone;
    result = RunTopClasses(background, cursor);
    reached = cursor.GetPosition();
    return result;
}

// Past the edited rows, a new block that the old chain has at the same
// place, of the same class, at the top or directly inside a top block that
// stands where the new one does, begins a part that a re-parse would only
// repeat: the old chain is taken back from there, into the new top block.
bool CKTSyntaxEditLexTextSchema::TrySync(const CKTLexBlockPtr& block, CKTSyntaxEditLexTextBlock* parent)
{
    if (block->m_posStart.nRow <= m_posSyncAfter.nRow || (parent && parent->m_ptrParent))
        return false;
    while (m_nOldNext < m_chain.size() && m_chain[m_nOldNext]->m_posStart < block->m_posStart)
        ++m_nOldNext;
    for (size_t j = m_nOldNext; j < m_chain.size() && m_chain[j]->m_posStart == block->m_posStart; ++j)
    {
        const CKTSyntaxEditLexTextBlock& old = *m_chain[j];
        CKTLexBlockPtr oldParent = old.m_ptrParent;  // held: the splice may drop the chain's reference
        KT_EDIT_LEXPOS end;
        KT_EDIT_LEXREACH endTag;
        if (old.m_ptrClass != block->m_ptrClass || old.IsOpen() || old.m_posEnd < old.m_posStart ||
            !GetOldParentEnd(parent, oldParent.GetInterface(), end, endTag))
            continue;
        size_t taken = SpliceNewBlocks(j);
        auto data = LockData();
        if (parent)
        {
            parent->m_posEnd = end;
            parent->m_endTag = endTag;
        }
        if (oldParent != parent)
            for (size_t k = taken; k < m_chain.size(); ++k)
                if (m_chain[k]->m_ptrParent == oldParent)
                    m_chain[k]->m_ptrParent = parent;
        m_bSynced = true;
        return true;
    }
    return false;
}

// Whether the old block's parent stood where the new block's does, and where it ended.
bool CKTSyntaxEditLexTextSchema::GetOldParentEnd(const CKTSyntaxEditLexTextBlock* parent,
                                                 const CKTSyntaxEditLexTextBlock* oldParent, KT_EDIT_LEXPOS& end,
                                                 KT_EDIT_LEXREACH& endTag) const
{
    if (!parent || !oldParent)
        return !parent && !oldParent;
    if (parent == oldParent)
    {
        end = m_posRunParentEnd;
        endTag = m_runParentEndTag;
        return parent == m_pRunParent && end.IsValid();
    }
    end = oldParent->m_posEnd;
    endTag = oldParent->m_endTag;
    // An edit that emptied the old parent left it no end to take.
    return !oldParent->m_ptrParent && oldParent->m_ptrClass == parent->m_ptrClass &&
           oldParent->m_posStart == parent->m_posStart && end.IsValid() && !(end < oldParent->m_posStart) &&
           IsInChain(oldParent);
}

// The new blocks take the place of the old ones before index oldEnd;
// returns where the old chain goes on.
size_t CKTSyntaxEditLexTextSchema::SpliceNewBlocks(size_t oldEnd)
{
    auto data = LockData();
    auto kept = m_chain.begin() + long(m_nKept);
    size_t replaced = oldEnd - m_nKept;
    // Closed, the old blocks show the blocks left behind them that their parent is gone.
    for (size_t i = m_nKept; i < oldEnd; ++i)
        m_chain[i]->Close();
    size_t common = std::min(replaced, m_newBlocks.size());
    std::move(m_newBlocks.begin(), m_newBlocks.begin() + long(common), kept);
    if (replaced > common)
        m_chain.erase(kept + long(common), m_chain.begin() + long(oldEnd));
    else
        m_chain.insert(kept + long(common), std::make_move_iterator(m_newBlocks.begin() + long(common)),
                       std::make_move_iterator(m_newBlocks.end()));
    size_t taken = m_nKept + m_newBlocks.size();
    m_newBlocks.clear();
    m_nKept = SIZE_MAX;
    return taken;
}

// A re-parse that did not meet the old chain again replaces the rest of it
// when it ran to its end; broken off, it replaces what it passed over, and
// the old chain stays behind it, the top block it ran in with its old end.
// Until the next pass ends them, the new blocks it left open end with their
// parents, and the old blocks behind them move into the new ones that hold them.
void CKTSyntaxEditLexTextSchema::EndReparse(bool complete, KT_EDIT_LEXPOS reached)
{
    if (!IsReparsing())
        return;
    size_t oldEnd = m_chain.size();
    if (!complete)
    {
        oldEnd = size_t(std::lower_bound(m_chain.begin() + long(m_nKept), m_chain.end(), reached,
                                         [](const CKTLexBlockPtr& b, KT_EDIT_LEXPOS p) { return b->m_posStart < p; }) -
                        m_chain.begin());
        if (m_pRunParent->IsOpen())
        {
            auto data = LockData();
            m_pRunParent->m_posEnd = m_posRunParentEnd;
            m_pRunParent->m_endTag = m_runParentEndTag;
        }
    }
    const size_t first = m_nKept;
    const size_t made = m_newBlocks.size();
    SpliceNewBlocks(oldEnd);
    if (complete || made == 0)
        return;
    CloseOpenEnds(first, first + made - 1);
    RelinkOrphanBlocks(first + made);
}

// In chain order a parent comes before its children, so an end handed down reaches every level.
void CKTSyntaxEditLexTextSchema::CloseOpenEnds(size_t first, size_t stop)
{
    auto data = LockData();
    for (size_t i = first; i <= stop && i < m_chain.size(); ++i)
    {
        CKTSyntaxEditLexTextBlock& block = *m_chain[i];
        const CKTSyntaxEditLexTextBlock* parent = block.m_ptrParent;
        if (block.IsOpen() && parent && !parent->IsOpen())
        {
            block.m_posEnd = parent->m_posEnd;
            block.m_endTag = parent->m_endTag;
        }
    }
}

// The nearest earlier block that holds a block is the last one before it
// that ends at or after its end: a stack of the blocks not yet passed by a
// later one that ends further finds it for every block in one walk.
void CKTSyntaxEditLexTextSchema::RelinkOrphanBlocks(size_t after)
{
    auto data = LockData();
    auto orphan = [](const CKTLexBlockPtr& b) { return b->m_ptrParent && b->m_ptrParent->IsUnlinked(); };
    if (after == 0 || std::none_of(m_chain.begin() + long(std::min(after, m_chain.size())), m_chain.end(), orphan))
        return;
    std::vector<CKTSyntaxEditLexTextBlock*> holders;
    for (size_t i = 0; i < m_chain.size(); ++i)
    {
        CKTSyntaxEditLexTextBlock& block = *m_chain[i];
        while (!holders.empty() && !block.IsOpen() && !holders.back()->Contains(block))
            holders.pop_back();
        if (i >= after && orphan(m_chain[i]) && !holders.empty() && !block.IsOpen())
            block.m_ptrParent = holders.back();
        if (!block.IsOpen())
            holders.push_back(&block);
    }
}
