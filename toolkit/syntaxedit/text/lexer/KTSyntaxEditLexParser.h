// The lexer parser of one text: its private schema copy, the options that
// the schema sets per file type, and the worker thread that re-parses after
// loads and edits.
// Defines: CKTSyntaxEditLexParserSchemaOptions, KT_EDIT_LEXPARSEREVENT,
//          KT_EDIT_STRINGSET, CKTSyntaxEditLexParser.
#pragma once

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "KTLexWorker.h"
#include "KTSyntaxEditLexTextSchema.h"
#include "KTSyntaxEditParseTaskList.h"

struct CKTSyntaxEditLexParserSchemaOptions
{
    bool m_bFirstParseInSeparateThread = true;
    bool m_bEditReparceInSeparateThread = true;
    bool m_bConfigChangedReparceInSeparateThread = true;
    int m_nMaxBackParseOffset = 100;
    int m_nEditReparceTimeout_ms = 500;
    int m_nOnScreenSchCacheLifeTime_sec = 180;
    int m_nParserThreadIdleLifeTime_ms = 60000;  // -1: no limit
};

// What the parser reports to its owner: 1 a run started, 2 a block was
// parsed (block), 3 a run ended (value: the result flags).
struct KT_EDIT_LEXPARSEREVENT
{
    int nCode = 0;
    int nValue = 0;
    CKTLexBlockPtr block;
};

// The token lists of one class, for auto-completion.
struct KT_EDIT_STRINGSET
{
    std::vector<std::string> arTokens;
    std::vector<std::string> arStartSeparators;
    std::vector<std::string> arEndSeparators;
    bool bCaseSensitive = false;  // the class reads its tokens only as written
};

class CKTSyntaxEditLexParser : public CKTLexCounted, private IKTLexSchemaEvents
{
public:
    enum
    {
        ktEditOnParserStarted = 1,
        ktEditOnTextBlockParsed = 2,
        ktEditOnParserEnded = 3
    };

    CKTSyntaxEditLexParser() = default;

    // Stops the worker and drops the schema; the text must outlive the worker.
    void Close();
    void SetTextSchema(const CKTSyntaxEditLexTextSchema* schema);
    CKTSyntaxEditLexTextSchema* GetTextSchema() const { return m_ptrSchema.GetInterface(); }
    CKTSyntaxEditLexParserSchemaOptions GetSchemaOptions(const std::string& fileType);
    // The look-back a cursor over the text keeps ("global:MaxBackParseOffset").
    int GetBackOffset(const IKTLexTextSource& text);

    // Queues a range (both NULL: only wakes the worker) and starts the worker when needed.
    void StartParseInThread(const IKTLexTextSource* text, const KT_EDIT_LEXPOS* start, const KT_EDIT_LEXPOS* end,
                            bool parseNow);
    // Waits up to ten times the stop wait for a pass to let go and as long
    // for the worker to end, then terminates it; the parser then parses no more.
    void StopParseInThread();
    // 20 s; tests shorten it.
    void SetStopWait(int waitMs) { m_worker.SetStopWait(waitMs); }
    void BreakParsing();
    bool IsWorkerRunning() const;
    // Whether a range waits for the worker (the edit delay included) or a pass runs.
    bool HasWork() const;
    // The worker's thread priority (the platform's values, 0 normal); a
    // running worker takes a new one at once.
    int GetParseInThreadPriority() const { return m_worker.GetPriority(); }
    void SetParseInThreadPriority(int priority) { m_worker.SetPriority(priority); }
    // After text was inserted (kind 1) or deleted (kind 2) between start and end.
    void OnEditChanged(KT_EDIT_LEXPOS start, KT_EDIT_LEXPOS end, int kind, const IKTLexTextSource* text);
    // Parses the whole text: in the worker or at once, as the schema's options
    // say for a first parse or for a parse after the configuration changed.
    void ParseAll(const IKTLexTextSource* text, bool configChanged = false);
    bool GetSchemaClassesInfo(std::vector<KT_EDIT_STRINGSET>& sets, bool append) const;

    // Events reach the owner's thread: the worker calls the wake function
    // after queueing one (the owner posts itself a message), and the owner
    // takes them there, every parsed block its own event.
    void SetWakeFunction(std::function<void()> wake);
    std::vector<KT_EDIT_LEXPARSEREVENT> TakeEvents();
    // For owners without a message loop: waits for a queued event.
    bool WaitForEvents(int timeoutMs);

private:
    ~CKTSyntaxEditLexParser() override;

    void OnSchemaEvent(int code, int value, const CKTLexBlockPtr& block) override;
    bool ReadSchemaOptions(const std::string& fileType, CKTSyntaxEditLexParserSchemaOptions& options) const;
    bool StartWorker();
    void WorkerMain();
    bool WaitForWork(std::unique_lock<std::timed_mutex>& lock);
    void ProcessTasks();
    bool RunLastTask(CKTSyntaxEditLexTextSchema& schema, CKTSyntaxEditLexCursor& cursor);
    void ProcessTasksGuarded();
    void OnWorkerFault();
    std::unique_lock<std::timed_mutex> TakeTaskLock();
    void EndWorker(std::unique_lock<std::timed_mutex>& lock);
    void AbandonWorker();

    CKTSyntaxEditLexTextSchema::Ptr m_ptrSchema;
    std::mutex m_optionsLock;
    std::map<std::string, CKTSyntaxEditLexParserSchemaOptions> m_mapOptions;  // by file type

    mutable CKTSyntaxEditParseTaskList m_taskList;
    // Started and ended by the owner's thread alone. Cut off, it leaves the task lock taken for good.
    CKTLexWorker m_worker{20000, 10};

    std::mutex m_eventLock;
    std::condition_variable m_eventSignal;
    std::deque<KT_EDIT_LEXPARSEREVENT> m_events;
    std::function<void()> m_fnWake;
};
