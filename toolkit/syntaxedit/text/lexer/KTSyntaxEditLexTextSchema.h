// The text schema of one language: its lex classes and the block chain that
// its parse runs produce, with edit updates, row colours and folding.
// Defines: KT_EDIT_LEXPIECE, KT_EDIT_LEXFOLD, KT_EDIT_LEXBLOCKINFO,
//          IKTLexSchemaEvents, CKTSyntaxEditLexTextSchema.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "KTSyntaxEditLexClass.h"
#include "KTSyntaxEditLexClassSet.h"
#include "KTSyntaxEditLexTextBlock.h"

// One coloured piece of a row: columns [nStart, nEnd).
struct KT_EDIT_LEXPIECE
{
    int nStart = 0;
    int nEnd = 0;
    KT_EDIT_LEXSTYLE style;
};

struct KT_EDIT_LEXFOLD
{
    KT_EDIT_LEXPOS posStart;
    KT_EDIT_LEXPOS posEnd;
    std::string strCollapsedText;
};

// A copy of one block, for callers outside the parse.
struct KT_EDIT_LEXBLOCKINFO
{
    std::string strClass;
    KT_EDIT_LEXPOS posStart;
    KT_EDIT_LEXPOS posEnd;
    int nDepth = 0;
    bool operator==(const KT_EDIT_LEXBLOCKINFO& o) const
    {
        return strClass == o.strClass && posStart == o.posStart && posEnd == o.posEnd && nDepth == o.nDepth;
    }
};

// Hears a schema's runs: code 1 started, 2 a block parsed, 3 ended (value: flags).
class IKTLexSchemaEvents
{
public:
    virtual ~IKTLexSchemaEvents() = default;
    virtual void OnSchemaEvent(int code, int value, const CKTLexBlockPtr& block) = 0;
};

using CKTLexBlockChain = std::vector<CKTLexBlockPtr>;  // in document order

// Values of one theme section by lower-cased key, looked up by class name.
using KTLexThemeLookup = std::function<const std::map<std::string, std::string>*(const std::string&)>;

class CKTSyntaxEditLexTextSchema : public CKTLexCounted
{
public:
    enum EditKind
    {
        ktInsert = 1,
        ktDelete = 2
    };
    // What UpdateTextBlocks answers: 0 when no block lies at or before the edit, the time-out alone,
    // else flags.
    enum KTEditUpdate
    {
        ktEditTimedOut = 0x1,       // the chain was busy too long and did not move
        ktEditMustReparse = 0x2,    // a block was emptied or reopened
        ktEditFirstChanged = 0x100  // the block at the edit changed
    };
    using Ptr = CKTSmartPtr<CKTSyntaxEditLexTextSchema>;

    explicit CKTSyntaxEditLexTextSchema(std::string name);

    const std::string& GetSchName() const { return m_strName; }
    bool LoadClasses(const CKTSyntaxEditLexClassInfoArray& infos);
    Ptr Clone() const;
    CKTSyntaxEditLexClass::Ptr FindFileClass(const std::string& fileType) const;
    bool IsFileSupported(const std::string& fileType) const { return bool(FindFileClass(fileType)); }
    const CKTSyntaxEditLexClassSet& GetClassSet() const { return m_classes; }
    // Sets the "txt:" attributes of every class from a theme (none restores the scheme's own).
    void ApplyTheme(const KTLexThemeLookup& theme);
    void SetEventSink(IKTLexSchemaEvents* sink) { m_pEvents = sink; }

    // Parsing (KTSyntaxEditLexTextSchemaRun.cpp).
    int RunParseUpdate(bool background, CKTSyntaxEditLexCursor& cursor, const KT_EDIT_LEXPOS* start,
                       const KT_EDIT_LEXPOS* end, bool notify);
    void DropParseResults();
    // While one lives, a run stops at its next check and a run that begins stops at once. Breaks of
    // several threads overlap: the last to end lets runs go on (KTSyntaxEditLexTextSchema.cpp).
    class CBreak
    {
    public:
        explicit CBreak(CKTSyntaxEditLexTextSchema& schema);
        ~CBreak();
        CBreak(const CBreak&) = delete;
        CBreak& operator=(const CBreak&) = delete;

    private:
        CKTSyntaxEditLexTextSchema& m_schema;
    };
    bool IsBreakRequested() const { return m_bBreak; }

    // The quick parse of visible rows on the full class tree, so that the
    // on-screen-only classes take part: copies of the blocks open at the
    // first row run to the last row. The chain belongs to the caller. It
    // waits for the background run's locks until the deadline at most (one
    // paint gives all its screens one deadline), else 30 ms from now.
    using ScreenDeadline = std::chrono::steady_clock::time_point;
    static ScreenDeadline GetScreenDeadline();
    bool RunOnScreen(CKTSyntaxEditLexCursor& cursor, int firstRow, int lastRow, CKTLexBlockChain& chain,
                     ScreenDeadline deadline = GetScreenDeadline()) const;

    // Edits: the chain follows an edit at once (KTSyntaxEditLexTextSchemaEdit.cpp); the re-parse that
    // follows takes the unchanged rest of it back (KTSyntaxEditLexTextSchemaReparse.cpp). KTEditUpdate flags.
    int UpdateTextBlocks(KT_EDIT_LEXPOS start, KT_EDIT_LEXPOS end, int kind);

    // Colouring (KTSyntaxEditLexTextSchemaColors.cpp); the chain of an on-screen parse, or the schema's own.
    void GetRowColors(int row, int rowLength, const KT_EDIT_LEXSTYLE& defaults, std::vector<KT_EDIT_LEXPIECE>& pieces,
                      const CKTLexBlockChain* chain = nullptr) const;
    void GetCollapsableBlocks(int row, std::vector<KT_EDIT_LEXFOLD>& blocks) const;
    std::vector<KT_EDIT_LEXBLOCKINFO> GetBlocks() const;

    // Services of the run step.
    int RunBlock(CKTSyntaxEditLexCursor& cursor, const CKTLexBlockPtr& block);
    int RunClassChildren(CKTSyntaxEditLexCursor& cursor, CKTSyntaxEditLexClass& cls, CKTSyntaxEditLexTextBlock* block);
    CKTLexBlockPtr NewBlock();
    const CKTLexBlockPtr& GetNewestBlock() const;
    std::unique_lock<std::timed_mutex> LockData() const { return std::unique_lock<std::timed_mutex>(m_dataLock); }

private:
    ~CKTSyntaxEditLexTextSchema() override = default;

    int RunParse(bool background, CKTSyntaxEditLexCursor& cursor, const KT_EDIT_LEXPOS* start,
                 const KT_EDIT_LEXPOS* end);
    int RunFromStart(bool background, CKTSyntaxEditLexCursor& cursor);
    int RunTopClasses(bool background, CKTSyntaxEditLexCursor& cursor);
    int RunFromBlock(size_t restart, bool background, CKTSyntaxEditLexCursor& cursor, KT_EDIT_LEXPOS threshold,
                     KT_EDIT_LEXPOS& reached);
    size_t FindRestart(KT_EDIT_LEXPOS start) const;
    bool IsInChain(const CKTSyntaxEditLexTextBlock* block) const;
    int OfferClasses(const CKTSyntaxEditLexClass::List& classes, CKTSyntaxEditLexTextBlock* parent,
                     CKTSyntaxEditLexCursor& cursor);
    void LinkBlock(const CKTLexBlockPtr& block, CKTSyntaxEditLexTextBlock* parent);
    bool TrySync(const CKTLexBlockPtr& block, CKTSyntaxEditLexTextBlock* parent);
    bool GetOldParentEnd(const CKTSyntaxEditLexTextBlock* parent, const CKTSyntaxEditLexTextBlock* oldParent,
                         KT_EDIT_LEXPOS& end, KT_EDIT_LEXREACH& endTag) const;
    size_t SpliceNewBlocks(size_t oldEnd);
    void EndReparse(bool complete, KT_EDIT_LEXPOS reached);
    // Chain indexes: the open blocks of first..stop end with their parents.
    void CloseOpenEnds(size_t first, size_t stop);
    // The blocks from index after whose parents were replaced take the nearest earlier block that holds them.
    void RelinkOrphanBlocks(size_t after);
    bool IsReparsing() const { return m_nKept != SIZE_MAX; }
    static bool EndNewerBlocks(const CKTLexBlockChain& chain, size_t count, const CKTSyntaxEditLexTextBlock& block);
    void EndChildren(CKTSyntaxEditLexTextBlock& block);
    void SkipCharacters(CKTSyntaxEditLexCursor& cursor, const CKTSyntaxEditLexClass* cls);
    void StepToActiveTag(CKTSyntaxEditLexCursor& cursor, const CKTSyntaxEditLexClass& cls);
    static bool IsScanStop(const CKTSyntaxEditLexClass& cls, const char* text);
    static bool ScanRow(CKTSyntaxEditLexCursor& cursor, const CKTSyntaxEditLexClass& cls);
    void Announce(const CKTLexBlockPtr& block);
    void Notify(int code, int value, const CKTLexBlockPtr& block);
    void ApplyThemeTo(const CKTSyntaxEditLexClass::List& classes, const KTLexThemeLookup& theme);
    std::unique_lock<std::timed_mutex> LockDataForScreen(ScreenDeadline deadline) const;
    Ptr CopyClasses() const;
    // The blocks open at the start of the row, outermost first; the data lock is held.
    std::vector<const CKTSyntaxEditLexTextBlock*> OpenBlocksAt(int row) const;
    bool HasOpenBlocksAt(int row, ScreenDeadline deadline) const;
    bool IsUnparsedStart(int firstRow, ScreenDeadline deadline) const;
    CKTLexBlockPtr FindStartClass(CKTSyntaxEditLexCursor& cursor);
    bool CopyOpenBlocks(int row, CKTSyntaxEditLexTextSchema& screen, ScreenDeadline deadline) const;
    static size_t FirstBlockAfter(const CKTLexBlockChain& chain, KT_EDIT_LEXPOS pos);
    size_t FirstBlockAfter(KT_EDIT_LEXPOS pos) const { return FirstBlockAfter(m_chain, pos); }

    std::string m_strName;
    CKTSyntaxEditLexClassSet m_classes;
    CKTSmartPtr<CKTSyntaxEditLexBlockPool> m_ptrBlockPool;  // for the blocks of this schema's runs
    IKTLexSchemaEvents* m_pEvents = nullptr;

    mutable std::timed_mutex m_classLock;  // held by runs and class changes; taken before the data lock
    mutable std::timed_mutex m_dataLock;   // guards the chain and block positions
    std::mutex m_breakLock;                // the break count and flag change together
    int m_nBreaks = 0;
    std::atomic<bool> m_bBreak{false};

    CKTLexBlockChain m_chain;  // the first is the file's block
    // During a re-parse the chain before m_nKept stands, the old chain
    // follows it, and new blocks collect apart until they replace a part of it.
    size_t m_nKept = SIZE_MAX;
    CKTLexBlockChain m_newBlocks;
    size_t m_nOldNext = 0;  // the first old block that may still be taken back
    // The top block a re-parse runs inside from its restart, and its end before the run.
    CKTSyntaxEditLexTextBlock* m_pRunParent = nullptr;
    KT_EDIT_LEXPOS m_posRunParentEnd;
    KT_EDIT_LEXREACH m_runParentEndTag;
    // No class starts by class alone, so blocks lie inside their parents and apart from the rest.
    std::atomic<bool> m_bNestedChain{true};
    KT_EDIT_LEXPOS m_posSyncAfter;  // old blocks may be taken back after this row
    bool m_bSynced = false;
    int m_nDepth = 0;         // blocks running inside each other now
    bool m_bTooDeep = false;  // the run passed the nesting limit and ends
    bool m_bAnnounce = false;
    static const int kNoStopRow = 0x7FFFFFFF;
    int m_nStopRow = kNoStopRow;  // an on-screen parse ends past this row
};
