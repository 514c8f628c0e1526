// Parse runs of a text schema: the full run, the re-parse after an edit that
// takes the unchanged rest of the old chain back, the block updates that an
// edit makes before it, and the on-screen parse of visible rows.
#include <algorithm>
#include <chrono>
#include <climits>

#include "KTLexLeadBytes.h"
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

CKTLexBlockPtr CKTSyntaxEditLexTextSchema::NewBlock()
{
    return CKTLexBlockPtr::Adopt(new (*m_ptrBlockPool) CKTSyntaxEditLexTextBlock());
}

const CKTLexBlockPtr& CKTSyntaxEditLexTextSchema::GetNewestBlock() const
{
    static const CKTLexBlockPtr none;
    if (IsReparsing())
        return m_newBlocks.empty() ? m_chain[m_nKept - 1] : m_newBlocks.back();
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
    std::lock_guard<std::timed_mutex> classes(m_classLock);
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
        KT_EDIT_LEXPOS reached;
        result = RunFromBlock(restart, background, cursor, threshold, reached);
        EndReparse(!(result & kResultMask), reached);
    }
    return result;
}

size_t CKTSyntaxEditLexTextSchema::FirstBlockAfter(const CKTLexBlockChain& chain, KT_EDIT_LEXPOS pos)
{
    auto it = std::lower_bound(chain.begin(), chain.end(), pos,
                               [](const CKTLexBlockPtr& b, KT_EDIT_LEXPOS p) { return b->m_posStart < p; });
    return size_t(it - chain.begin());
}

int CKTSyntaxEditLexTextSchema::RunFromStart(bool background, CKTSyntaxEditLexCursor& cursor)
{
    DropParseResults();
    if (!cursor.Seek({1, 0}, &m_bBreak))
        return CKTSyntaxEditLexClass::ktBroken;
    return RunTopClasses(background, cursor);
}

// The top classes are offered the text up to its end, the first time even
// at the end, so that an empty text has its file's block.
int CKTSyntaxEditLexTextSchema::RunTopClasses(bool background, CKTSyntaxEditLexCursor& cursor)
{
    const CKTSyntaxEditLexClass::List& tree = m_classes.GetClassTree(background);
    do
    {
        if (m_bBreak)
            return CKTSyntaxEditLexClass::ktBroken;
        KT_EDIT_LEXPOS before = cursor.GetPosition();
        int result = OfferClasses(tree, nullptr, cursor);
        if (result & kResultMask)
            return result;
        if (m_bTooDeep || m_bSynced)
            return CKTSyntaxEditLexClass::ktRangeDone;
        if (!cursor.IsEnd() && cursor.GetPosition() == before)
            cursor.SeekNextChar();
    } while (!cursor.IsEnd());
    return CKTSyntaxEditLexClass::ktRangeDone;
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
            SkipCharacters(cursor, cls);
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
    if (!IsReparsing())
    {
        auto data = LockData();
        block->m_ptrParent = parent;
        m_chain.push_back(block);
        return;
    }
    if (TrySync(block, parent))
        return;
    block->m_ptrParent = parent;  // not seen outside the run before the splice
    m_newBlocks.push_back(block);
}

// Blocks still open inside one that ends end with it.
void CKTSyntaxEditLexTextSchema::EndChildren(CKTSyntaxEditLexTextBlock& block)
{
    auto data = LockData();
    if (IsReparsing() && EndNewerBlocks(m_newBlocks, m_newBlocks.size(), block))
        return;
    EndNewerBlocks(m_chain, IsReparsing() ? m_nKept : m_chain.size(), block);
}

// TRUE when block is among the first count blocks of the chain.
bool CKTSyntaxEditLexTextSchema::EndNewerBlocks(const CKTLexBlockChain& chain, size_t count,
                                                const CKTSyntaxEditLexTextBlock& block)
{
    for (size_t i = count; i-- > 0;)
    {
        CKTSyntaxEditLexTextBlock& newer = *chain[i];
        if (&newer == &block)
            return true;
        if (newer.IsOpen())
        {
            newer.m_posEnd = block.m_posEnd;
            newer.m_endTag = block.m_endTag;
        }
    }
    return false;
}

// Moves on to where an active tag of the class begins that the class can
// act on: everything before would only be stepped over one at a time.
void CKTSyntaxEditLexTextSchema::SkipCharacters(CKTSyntaxEditLexCursor& cursor, const CKTSyntaxEditLexClass* cls)
{
    cursor.SeekNextChar();
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
        if (table.MayStartWith(cursor.GetChar()) && table.Match(cursor.GetText(table.GetLongest()), true, length))
            return;
        cursor.SeekNextChar();
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
    int left = cursor.GetRowRemaining();
    const char* text = cursor.GetText(left + cls.GetProperty(CKTSyntaxEditLexClass::ktActiveTags).table.GetLongest());
    int skipped = 0;
    const CKTLexCharSet& leadBytes = CKTLexLeadBytes::Get();
    const bool bDoubleByte = CKTLexLeadBytes::Any();
    while (skipped < left && !IsScanStop(cls, text + skipped))
        skipped += bDoubleByte ? KTLexCharLength(text + skipped, leadBytes) : 1;
    cursor.SeekNext(skipped);
    return skipped < left;
}

std::unique_lock<std::timed_mutex> CKTSyntaxEditLexTextSchema::LockDataForScreen(ScreenDeadline deadline) const
{
    return std::unique_lock<std::timed_mutex>(m_dataLock, deadline);
}

// A block that starts at the row's start is not open there: the run of its
// parent from there finds it again. Only the outermost block has no parent to
// find it, so it counts wherever it starts. A parent that a broken-off pass
// replaced, with nothing new around the block, has no class to run.
std::vector<const CKTSyntaxEditLexTextBlock*> CKTSyntaxEditLexTextSchema::OpenBlocksAt(int row) const
{
    KT_EDIT_LEXPOS at{row, 0};
    std::vector<const CKTSyntaxEditLexTextBlock*> open;
    size_t next = FirstBlockAfter({row, 1});
    for (const CKTSyntaxEditLexTextBlock* b = next ? m_chain[next - 1].GetInterface() : nullptr; b && !b->IsUnlinked();
         b = b->m_ptrParent.GetInterface())
        if ((b->IsOpen() || b->m_posEnd >= at) && (b->m_posStart < at || !b->m_ptrParent))
            open.insert(open.begin(), b);
    return open;
}

// Until the text is parsed (a whole new text) no block reaches the screen, and cloning the schema
// only to find that costs more than drawing the row.
bool CKTSyntaxEditLexTextSchema::HasOpenBlocksAt(int row, ScreenDeadline deadline) const
{
    std::unique_lock<std::timed_mutex> data = LockDataForScreen(deadline);
    return data.owns_lock() && !OpenBlocksAt(row).empty();
}

// Copies of the blocks open at the start of a row, outermost first, each
// with the class of the screen's full tree that has its "ClassID"; the
// screen's chain receives them, made in its own pool.
bool CKTSyntaxEditLexTextSchema::CopyOpenBlocks(int row, CKTSyntaxEditLexTextSchema& screen,
                                                ScreenDeadline deadline) const
{
    const CKTSyntaxEditLexClass::List& full = screen.m_classes.GetClassTree(false);
    CKTLexBlockChain& copies = screen.m_chain;
    std::unique_lock<std::timed_mutex> data = LockDataForScreen(deadline);
    if (!data.owns_lock())
        return false;
    for (const CKTSyntaxEditLexTextBlock* b : OpenBlocksAt(row))
    {
        int id = b->m_ptrClass->GetAttributeInt("ClassID", false, 0);
        CKTLexBlockPtr copy = screen.NewBlock();
        copy->m_ptrClass = CKTSyntaxEditLexClassSet::FindClassByID(full, id);
        if (!copy->m_ptrClass)
            return false;
        copy->m_posStart = b->m_posStart;
        copy->m_startTag = b->m_startTag;
        copy->m_ptrParent = copies.empty() ? CKTLexBlockPtr() : copies.back();
        copies.push_back(copy);
    }
    return !copies.empty();
}

// A text not parsed yet: the first top class of the full tree that starts a
// block at the position gives the screen's outermost block.
CKTLexBlockPtr CKTSyntaxEditLexTextSchema::FindStartClass(CKTSyntaxEditLexCursor& cursor)
{
    for (const CKTSyntaxEditLexClass::Ptr& cls : m_classes.GetClassTree(false))
    {
        CKTLexBlockPtr block;
        if ((cls->Run(cursor, *this, block) & CKTSyntaxEditLexClass::ktStarted) && block)
            return block;
    }
    return CKTLexBlockPtr();
}

bool CKTSyntaxEditLexTextSchema::IsUnparsedStart(int firstRow, ScreenDeadline deadline) const
{
    std::unique_lock<std::timed_mutex> data = LockDataForScreen(deadline);
    return data.owns_lock() && firstRow == 1 && m_chain.empty();
}

// The background run holds its locks for a whole pass: painting waits for them this long in all, then
// draws what it has and is repainted when the pass reports.
CKTSyntaxEditLexTextSchema::ScreenDeadline CKTSyntaxEditLexTextSchema::GetScreenDeadline()
{
    return std::chrono::steady_clock::now() + std::chrono::milliseconds(30);
}

bool CKTSyntaxEditLexTextSchema::RunOnScreen(CKTSyntaxEditLexCursor& cursor, int firstRow, int lastRow,
                                             CKTLexBlockChain& chain, ScreenDeadline deadline) const
{
    chain.clear();
    if (firstRow < 1 || lastRow < firstRow)
        return false;
    bool unparsed = IsUnparsedStart(firstRow, deadline);
    if (!unparsed && !HasOpenBlocksAt(firstRow, deadline))
        return false;
    // A private copy runs the parse, so the background run's state stays untouched.
    Ptr screen;
    {
        std::unique_lock<std::timed_mutex> classes(m_classLock, deadline);
        if (!classes.owns_lock())
            return false;
        screen = CopyClasses();
    }
    if (!cursor.Seek({firstRow, 0}))
        return false;
    screen->m_nStopRow = lastRow;
    std::lock_guard<std::timed_mutex> classes(screen->m_classLock);
    if (unparsed)
    {
        CKTLexBlockPtr outermost = screen->FindStartClass(cursor);
        if (!outermost)
            return false;
        screen->m_chain.push_back(outermost);
    }
    else if (!CopyOpenBlocks(firstRow, *screen, deadline))
    {
        return false;
    }
    for (CKTLexBlockPtr block = screen->m_chain.back(); block && cursor.GetPosition().nRow <= lastRow;
         block = block->m_ptrParent)
    {
        if (block->IsOpen() && (screen->RunBlock(cursor, block) & CKTSyntaxEditLexClass::ktStop))
            return false;
    }
    chain = screen->m_chain;
    return true;
}
