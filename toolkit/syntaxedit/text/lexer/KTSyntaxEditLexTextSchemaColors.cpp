// What painting asks a text schema: the coloured pieces of a row, the
// foldable blocks, and copies of the chain.
#include <algorithm>
#include <chrono>
#include <climits>

#include "KTSyntaxEditLexTextSchema.h"

namespace
{

const auto kPaintWait = std::chrono::milliseconds(30);

// Columns [first, last) of a row that a block covers.
bool BlockColumns(const CKTSyntaxEditLexTextBlock& block, int row, int rowLength, int& first, int& last)
{
    if (block.m_posStart.nRow > row || (!block.IsOpen() && block.m_posEnd.nRow < row))
        return false;
    if (!block.IsOpen() && block.m_posEnd < block.m_posStart)
        return false;  // emptied by a deletion
    first = block.m_posStart.nRow == row ? block.m_posStart.nCol : 0;
    last = (!block.IsOpen() && block.m_posEnd.nRow == row) ? block.m_posEnd.nCol + 1 : rowLength;
    first = std::clamp(first, 0, rowLength);
    last = std::clamp(last, first, rowLength);
    return true;
}

void AppendPiece(std::vector<KT_EDIT_LEXPIECE>& pieces, int start, int end, const KT_EDIT_LEXSTYLE& style)
{
    if (!pieces.empty() && pieces.back().style == style && pieces.back().nEnd == start)
        pieces.back().nEnd = end;
    else
        pieces.push_back({start, end, style});
}

}  // namespace

void CKTSyntaxEditLexTextSchema::GetRowColors(int row, int rowLength, const KT_EDIT_LEXSTYLE& defaults,
                                              std::vector<KT_EDIT_LEXPIECE>& pieces,
                                              const CKTLexBlockChain* chain) const
{
    const CKTLexBlockChain& blocks = chain ? *chain : m_chain;
    pieces.clear();
    rowLength = std::max(0, rowLength);
    // Which class paints each column; later blocks in the chain lie inside
    // earlier ones, so the innermost block wins where pieces meet.
    std::vector<const CKTSyntaxEditLexClass*> owner(size_t(rowLength), nullptr);
    std::unique_lock<std::timed_mutex> data(m_dataLock, kPaintWait);
    if (data.owns_lock() && !blocks.empty())
    {
        size_t next = FirstBlockAfter(blocks, {row, 1});
        std::vector<const CKTSyntaxEditLexTextBlock*> covering;
        if (next > 0)
            for (const CKTSyntaxEditLexTextBlock* b = blocks[next - 1].GetInterface(); b;
                 b = b->m_ptrParent.GetInterface())
                covering.push_back(b);
        std::reverse(covering.begin(), covering.end());
        for (size_t i = next; i < blocks.size() && blocks[i]->m_posStart.nRow == row; ++i)
            covering.push_back(blocks[i].GetInterface());
        for (const CKTSyntaxEditLexTextBlock* block : covering)
        {
            int first = 0;
            int last = 0;
            if (block->m_ptrClass && BlockColumns(*block, row, rowLength, first, last))
                std::fill(owner.begin() + first, owner.begin() + last, block->m_ptrClass.GetInterface());
        }
    }
    for (int col = 0; col < rowLength;)
    {
        const CKTSyntaxEditLexClass* cls = owner[size_t(col)];
        int end = col + 1;
        while (end < rowLength && owner[size_t(end)] == cls)
            ++end;
        KT_EDIT_LEXSTYLE style = defaults;
        if (cls)
            style.Overlay(cls->GetTextAttributes());
        AppendPiece(pieces, col, end, style);
        col = end;
    }
    if (pieces.empty())
        pieces.push_back({0, 0, defaults});
}

void CKTSyntaxEditLexTextSchema::GetCollapsableBlocks(int row, std::vector<KT_EDIT_LEXFOLD>& blocks) const
{
    blocks.clear();
    std::unique_lock<std::timed_mutex> data(m_dataLock, kPaintWait);
    if (!data.owns_lock())
        return;
    for (const CKTLexBlockPtr& block : m_chain)
    {
        if (row != -1 && block->m_posStart.nRow > row)
            break;
        int endRow = block->IsOpen() ? INT_MAX : block->m_posEnd.nRow;
        bool covers = row == -1 || endRow >= row;
        if (!covers || endRow <= block->m_posStart.nRow || !block->m_ptrParent || !block->m_ptrClass->IsCollapsable())
            continue;
        const CKTSyntaxEditLexValue* text = block->m_ptrClass->GetAttribute("CollapsedText", false);
        std::string shown = (text && text->IsString()) ? text->GetString() : std::string("[..]");
        blocks.push_back({block->m_posStart, block->m_posEnd, shown});
    }
}

std::vector<KT_EDIT_LEXBLOCKINFO> CKTSyntaxEditLexTextSchema::GetBlocks() const
{
    auto data = LockData();
    std::vector<KT_EDIT_LEXBLOCKINFO> infos;
    infos.reserve(m_chain.size());
    for (const CKTLexBlockPtr& block : m_chain)
    {
        int depth = 0;
        for (const CKTSyntaxEditLexTextBlock* p = block->m_ptrParent.GetInterface(); p;
             p = p->m_ptrParent.GetInterface())
            ++depth;
        infos.push_back({block->m_ptrClass ? block->m_ptrClass->GetName() : std::string(), block->m_posStart,
                         block->m_posEnd, depth});
    }
    return infos;
}
