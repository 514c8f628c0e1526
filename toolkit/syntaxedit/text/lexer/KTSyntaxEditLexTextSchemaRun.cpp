// Parse runs of a text schema: the full run, the re-parse after an edit that
// takes the unchanged rest of the old chain back, the block updates that an
// edit makes before it, and the on-screen parse of visible rows.
#include <algorithm>
#include <chrono>
#include <climits>

#include "KTSyntaxEditLexTextSchema.h"

namespace
{

const int kResultMask = CKTSyntaxEditLexClass::ktStop | CKTSyntaxEditLexClass::ktBroken;

// Scheme files are user input: classes that contain each other, or open
// without taking text, would nest blocks (and this thread's stack) without
// end. Real texts stay far below this.
const int kMaxNesting = 200;

// Counts one nesting level for as long as it lives.
class CNestingLevel
{
public:
    explicit CNestingLevel(int& depth) : m_depth(++depth) {}
    ~CNestingLevel() { --m_depth; }
    CNestingLevel(const CNestingLevel&) = delete;
    CNestingLevel& operator=(const CNestingLevel&) = delete;

private:
    int& m_depth;
};

}  // namespace

CKTLexBlockPtr CKTSyntaxEditLexTextSchema::NewBlock() const { return KTMakeCounted<CKTSyntaxEditLexTextBlock>(); }

const CKTLexBlockPtr& CKTSyntaxEditLexTextSchema::GetNewestBlock() const
{
    static const CKTLexBlockPtr none;
    return m_chain.empty() ? none : m_chain.back();
}

void CKTSyntaxEditLexTextSchema::Notify(int code, int value, const CKTLexBlockPtr& block)
{
    if (m_pEvents)
        m_pEvents->OnSchemaEvent(code, value, block);
}

void CKTSyntaxEditLexTextSchema::Announce(const CKTLexBlockPtr& block)
{
    if (m_bAnnounce)
        Notify(2, 0, block);
}

void CKTSyntaxEditLexTextSchema::DropParseResults()
{
    std::vector<CKTLexBlockPtr> chain;
    {
        auto data = LockData();
        chain.swap(m_chain);
    }
    // Parent links die with the chain; nothing else holds them in a cycle.
    m_oldTail.clear();
}

int CKTSyntaxEditLexTextSchema::RunParseUpdate(bool background, CKTSyntaxEditLexCursor& cursor,
                                               const KT_EDIT_LEXPOS* start, const KT_EDIT_LEXPOS* end, bool notify)
{
    m_bAnnounce = notify;
    if (notify)
        Notify(1, 0, CKTLexBlockPtr());
    int result = RunParse(background, cursor, start, end);
    if (notify)
        Notify(3, result, CKTLexBlockPtr());
    m_bAnnounce = false;
    return result;
}

int CKTSyntaxEditLexTextSchema::RunParse(bool background, CKTSyntaxEditLexCursor& cursor, const KT_EDIT_LEXPOS* start,
                                         const KT_EDIT_LEXPOS* end)
{
    std::lock_guard<std::mutex> classes(m_classLock);
    if (m_classes.GetClassTree(background).empty())
        return CKTSyntaxEditLexClass::ktRangeDone;
    m_bSynced = false;
    m_bTooDeep = false;
    size_t restart = SIZE_MAX;
    if (start && start->IsValid() && *start != KT_EDIT_LEXPOS{1, 0})
        restart = FindRestart(*start);
    int result;
    if (restart == SIZE_MAX)
    {
        result = RunFromStart(background, cursor);
    }
    else
    {
        KT_EDIT_LEXPOS threshold = (end && *end > *start) ? *end : *start;
        result = RunFromBlock(restart, cursor, threshold);
    }
    m_oldTail.clear();
    m_nOldNext = 0;
    return result;
}

size_t CKTSyntaxEditLexTextSchema::FirstBlockAfter(const CKTLexBlockChain& chain, KT_EDIT_LEXPOS pos)
{
    auto it = std::lower_bound(chain.begin(), chain.end(), pos,
                               [](const CKTLexBlockPtr& b, KT_EDIT_LEXPOS p) { return b->m_posStart < p; });
    return size_t(it - chain.begin());
}

// The last block directly inside the file's block that starts on a row
// before the edit: the parse state there is known, so a re-parse can begin there.
size_t CKTSyntaxEditLexTextSchema::FindRestart(KT_EDIT_LEXPOS start) const
{
    if (m_chain.size() < 2 || m_chain[0]->m_ptrParent)
        return SIZE_MAX;
    const CKTSyntaxEditLexTextBlock* root = m_chain[0].GetInterface();
    for (size_t i = FirstBlockAfter({start.nRow, 0}); i-- > 1;)
        if (m_chain[i]->m_ptrParent.GetInterface() == root)
            return i;
    return SIZE_MAX;
}

int CKTSyntaxEditLexTextSchema::RunFromStart(bool background, CKTSyntaxEditLexCursor& cursor)
{
    DropParseResults();
    if (!cursor.Seek({1, 0}, &m_bBreak))
        return CKTSyntaxEditLexClass::ktBroken;
    const CKTSyntaxEditLexClass::List& tree = m_classes.GetClassTree(background);
    do
    {
        if (m_bBreak)
            return CKTSyntaxEditLexClass::ktBroken;
        KT_EDIT_LEXPOS before = cursor.GetPosition();
        int result = OfferClasses(tree, nullptr, cursor);
        if (result & kResultMask)
            return result;
        if (m_bTooDeep)
            return CKTSyntaxEditLexClass::ktRangeDone;
        if (!cursor.IsEnd() && cursor.GetPosition() == before)
            cursor.SeekNext(1);
    } while (!cursor.IsEnd());
    return CKTSyntaxEditLexClass::ktRangeDone;
}

int CKTSyntaxEditLexTextSchema::RunFromBlock(size_t restart, CKTSyntaxEditLexCursor& cursor, KT_EDIT_LEXPOS threshold)
{
    CKTLexBlockPtr root = m_chain[0];
    KT_EDIT_LEXPOS from = m_chain[restart]->m_posStart;
    {
        auto data = LockData();
        m_oldTail.assign(m_chain.begin() + long(restart), m_chain.end());
        m_chain.resize(restart);
        root->m_posEnd = KT_EDIT_LEXPOS();
    }
    m_nOldNext = 0;
    m_posSyncAfter = threshold;
    if (!cursor.Seek(from, &m_bBreak))
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

int CKTSyntaxEditLexTextSchema::OfferClasses(const CKTSyntaxEditLexClass::List& classes,
                                             CKTSyntaxEditLexTextBlock* parent, CKTSyntaxEditLexCursor& cursor)
{
    for (const CKTSyntaxEditLexClass::Ptr& cls : classes)
    {
        if (m_bBreak)
            return CKTSyntaxEditLexClass::ktBroken;
        if (!cls->MayStartAt(cursor.GetChar()))
            continue;
        CKTLexBlockPtr block;
        int result = cls->Run(cursor, *this, block);
        if (result & CKTSyntaxEditLexClass::ktStop)
            return result;
        if (!(result & CKTSyntaxEditLexClass::ktStarted) || !block)
            continue;
        LinkBlock(block, parent);
        if (m_bSynced)
            return CKTSyntaxEditLexClass::ktRangeDone;
        if (result & CKTSyntaxEditLexClass::ktEnded)
        {
            Announce(block);
            return result;
        }
        return result | RunBlock(cursor, block);
    }
    return 0;
}

int CKTSyntaxEditLexTextSchema::RunClassChildren(CKTSyntaxEditLexCursor& cursor, CKTSyntaxEditLexClass& cls,
                                                 CKTSyntaxEditLexTextBlock* block)
{
    int result = 0;
    for (const CKTSyntaxEditLexClass::List* list : {&cls.GetChildren(), &cls.GetChildrenOfSecondKind()})
    {
        if (list->empty())
            continue;
        result |= OfferClasses(*list, block, cursor);
        if (result & (0xF00 | CKTSyntaxEditLexClass::ktStarted))
            return result;
    }
    if (cls.HasSelfChild())
        result |= OfferClasses({CKTSyntaxEditLexClass::Ptr(&cls)}, block, cursor);
    return result;
}

// Past the nesting limit the parse ends as if the text ended: what it found
// so far stays, the blocks still open run to the end, and nothing asks for
// the same run again.
int CKTSyntaxEditLexTextSchema::RunBlock(CKTSyntaxEditLexCursor& cursor, const CKTLexBlockPtr& block)
{
    if (m_nDepth >= kMaxNesting)
        m_bTooDeep = true;
    if (m_bTooDeep)
        return CKTSyntaxEditLexClass::ktRangeDone;
    CNestingLevel level(m_nDepth);
    CKTSyntaxEditLexClass* cls = block->m_ptrClass.GetInterface();
    CKTLexBlockPtr holder = block;
    bool consumed = false;
    do
    {
        if (m_bBreak)
            return CKTSyntaxEditLexClass::ktBroken;
        KT_EDIT_LEXPOS before = cursor.GetPosition();
        int result = cls->Run(cursor, *this, holder);
        if (m_bSynced || m_bTooDeep)
            return CKTSyntaxEditLexClass::ktRangeDone | CKTSyntaxEditLexClass::ktConsumed;
        if (result & kResultMask)
            return result;
        bool moved = cursor.GetPosition() != before;
        consumed = consumed || moved;
        if (result & CKTSyntaxEditLexClass::ktEnded)
        {
            EndChildren(*block);
            Announce(block);
            return (cursor.IsEnd() ? int(CKTSyntaxEditLexClass::ktRangeDone) : 0) |
                   (consumed ? int(CKTSyntaxEditLexClass::ktConsumed) : 0);
        }
        if (!moved)
            SkipCharacters(cursor, cls, 1);
    } while (!cursor.IsEnd() && cursor.GetPosition().nRow <= m_nStopRow);
    {
        auto data = LockData();
        block->m_posEnd = cursor.GetPosition();
    }
    EndChildren(*block);
    Announce(block);
    return CKTSyntaxEditLexClass::ktRangeDone;
}

void CKTSyntaxEditLexTextSchema::LinkBlock(const CKTLexBlockPtr& block, CKTSyntaxEditLexTextBlock* parent)
{
    if (parent && !m_oldTail.empty() && parent == m_chain[0].GetInterface() && TrySync(block))
        return;
    auto data = LockData();
    block->m_ptrParent = parent;
    m_chain.push_back(block);
}

// Past the edited rows, a new block that the old chain has at the same
// place, of the same class, directly inside the file's block, begins a part
// that a re-parse would only repeat: the old chain is taken back from there.
bool CKTSyntaxEditLexTextSchema::TrySync(const CKTLexBlockPtr& block)
{
    if (block->m_posStart.nRow <= m_posSyncAfter.nRow)
        return false;
    while (m_nOldNext < m_oldTail.size() && m_oldTail[m_nOldNext]->m_posStart < block->m_posStart)
        ++m_nOldNext;
    const CKTSyntaxEditLexTextBlock* root = m_chain[0].GetInterface();
    for (size_t j = m_nOldNext; j < m_oldTail.size() && m_oldTail[j]->m_posStart == block->m_posStart; ++j)
    {
        const CKTLexBlockPtr& old = m_oldTail[j];
        if (old->m_ptrParent.GetInterface() != root || old->m_ptrClass != block->m_ptrClass || old->IsOpen())
            continue;
        auto data = LockData();
        m_chain.insert(m_chain.end(), m_oldTail.begin() + long(j), m_oldTail.end());
        m_bSynced = true;
        return true;
    }
    return false;
}

void CKTSyntaxEditLexTextSchema::EndChildren(CKTSyntaxEditLexTextBlock& block)
{
    auto data = LockData();
    for (size_t i = m_chain.size(); i-- > 0 && m_chain[i].GetInterface() != &block;)
    {
        CKTSyntaxEditLexTextBlock& child = *m_chain[i];
        if (child.IsOpen())
        {
            child.m_posEnd = block.m_posEnd;
            child.m_nEndTagLen = block.m_nEndTagLen;
        }
    }
}

// Moves on to where an active tag of the class begins that the class can
// act on: everything before would only be stepped over one at a time.
void CKTSyntaxEditLexTextSchema::SkipCharacters(CKTSyntaxEditLexCursor& cursor, const CKTSyntaxEditLexClass* cls,
                                                int count)
{
    cursor.SeekNext(count);
    if (!cls || cls->GetProperty(CKTSyntaxEditLexClass::ktActiveTags).table.IsEmpty())
        return;
    if (m_nStopRow != kNoStopRow)
    {
        StepToActiveTag(cursor, *cls);
        return;
    }
    while (!cursor.IsEnd() && !ScanRow(cursor, *cls))
        if (m_bBreak)
            return;
}

// An on-screen parse ends one step past its last row, wherever the steps
// fall, so it goes one character at a time.
void CKTSyntaxEditLexTextSchema::StepToActiveTag(CKTSyntaxEditLexCursor& cursor, const CKTSyntaxEditLexClass& cls)
{
    const CKTSyntaxEditLexTagTable& table = cls.GetProperty(CKTSyntaxEditLexClass::ktActiveTags).table;
    for (int passes = 1; !cursor.IsEnd(); ++passes)
    {
        int length = 0;
        if (table.MayStartWith(cursor.GetChar()) && table.Match(cursor.GetText(), true, length))
            return;
        cursor.SeekNext(1);
        if (passes % 10 == 0 && m_bBreak)
            return;
        if (cursor.GetPosition().nRow > m_nStopRow)
            return;
    }
}

bool CKTSyntaxEditLexTextSchema::IsScanStop(const CKTSyntaxEditLexClass& cls, const char* text)
{
    int length = 0;
    return cls.GetScanStops().Contains(*text) &&
           cls.GetProperty(CKTSyntaxEditLexClass::ktActiveTags).table.Match(text, true, length);
}

// TRUE at a stop in the rest of the row; else the cursor moves to the next row.
bool CKTSyntaxEditLexTextSchema::ScanRow(CKTSyntaxEditLexCursor& cursor, const CKTSyntaxEditLexClass& cls)
{
    const char* text = cursor.GetText();
    int left = cursor.GetRowRemaining();
    int skipped = 0;
    while (skipped < left && !IsScanStop(cls, text + skipped))
        ++skipped;
    cursor.SeekNext(skipped);
    return skipped < left;
}

int CKTSyntaxEditLexTextSchema::UpdateTextBlocks(KT_EDIT_LEXPOS start, KT_EDIT_LEXPOS end, int kind)
{
    std::unique_lock<std::timed_mutex> data(m_dataLock, std::chrono::milliseconds(5000));
    if (!data.owns_lock())
        return 1;
    if (m_chain.empty())
        return 0;
    bool touched = false;
    for (const CKTLexBlockPtr& block : m_chain)
    {
        if (kind == ktInsert)
        {
            touched = touched || (block->m_posStart < start && (block->IsOpen() || block->m_posEnd >= start));
        }
        else
        {
            touched = touched || (block->m_posStart < end && (block->IsOpen() || block->m_posEnd >= start));
        }
        block->m_posStart = KTLexShiftPos(block->m_posStart, start, end, kind);
        block->m_posEnd = KTLexShiftPos(block->m_posEnd, start, end, kind);
    }
    return touched ? 0x102 : 0x2;
}

// Copies of the blocks open at the start of a row, outermost first, each
// with the class of the full tree that has its "ClassID".
bool CKTSyntaxEditLexTextSchema::CopyOpenBlocks(int row, const CKTSyntaxEditLexClass::List& full,
                                                CKTLexBlockChain& copies) const
{
    std::unique_lock<std::timed_mutex> data(m_dataLock, std::chrono::milliseconds(30));
    if (!data.owns_lock() || m_chain.empty())
        return false;
    KT_EDIT_LEXPOS at{row, 0};
    std::vector<const CKTSyntaxEditLexTextBlock*> open;
    size_t next = FirstBlockAfter({row, 1});
    for (const CKTSyntaxEditLexTextBlock* b = next ? m_chain[next - 1].GetInterface() : nullptr; b;
         b = b->m_ptrParent.GetInterface())
        if (b->IsOpen() || b->m_posEnd >= at)
            open.insert(open.begin(), b);
    for (const CKTSyntaxEditLexTextBlock* b : open)
    {
        int id = b->m_ptrClass->GetAttributeInt("ClassID", false, 0);
        CKTLexBlockPtr copy = NewBlock();
        copy->m_ptrClass = CKTSyntaxEditLexClassSet::FindClassByID(full, id);
        if (!copy->m_ptrClass)
            return false;
        copy->m_posStart = b->m_posStart;
        copy->m_nStartTagLen = b->m_nStartTagLen;
        copy->m_ptrParent = copies.empty() ? CKTLexBlockPtr() : copies.back();
        copies.push_back(copy);
    }
    return !copies.empty();
}

bool CKTSyntaxEditLexTextSchema::RunOnScreen(CKTSyntaxEditLexCursor& cursor, int firstRow, int lastRow,
                                             CKTLexBlockChain& chain) const
{
    chain.clear();
    if (firstRow < 1 || lastRow < firstRow)
        return false;
    // A private copy runs the parse, so the background run's state stays untouched.
    Ptr screen = Clone();
    if (!CopyOpenBlocks(firstRow, screen->m_classes.GetClassTree(false), screen->m_chain) ||
        !cursor.Seek({firstRow, 0}))
        return false;
    screen->m_nStopRow = lastRow;
    std::lock_guard<std::mutex> classes(screen->m_classLock);
    for (CKTLexBlockPtr block = screen->m_chain.back(); block && cursor.GetPosition().nRow <= lastRow;
         block = block->m_ptrParent)
    {
        if (block->IsOpen() && (screen->RunBlock(cursor, block) & CKTSyntaxEditLexClass::ktStop))
            return false;
    }
    chain = screen->m_chain;
    return true;
}
