// The lexer parser: schema copy, options per file type and worker.
#include "KTSyntaxEditLexParser.h"

#include <algorithm>
#include <chrono>
#include <new>

#include "KTLexStrings.h"

namespace
{

void CopyNonEmpty(const CKTLexValues& values, std::vector<std::string>& strings)
{
    for (const CKTSyntaxEditLexValue& value : values)
        for (const std::string& s : value.GetStrings())
            if (!s.empty())
                strings.push_back(s);
}

// Whether a class reads its tokens with case: as it says, else as the nearest parent that says.
bool ReadsCase(const CKTSyntaxEditLexClassSet& classes, CKTSyntaxEditLexClass::Ptr cls)
{
    const int kMaxParents = 64;  // parents named in a ring would never end
    for (int i = 0; cls && i < kMaxParents; ++i)
    {
        if (const CKTSyntaxEditLexValue* value = cls->GetAttribute("CaseSensitive", false))
            return value->GetType() == CKTSyntaxEditLexValue::ktInt && value->GetInt() > 0;
        const std::vector<std::string>& names = cls->GetParentNames();
        cls = names.empty() ? CKTSyntaxEditLexClass::Ptr() : classes.FindClass(ktlex::Trim(names[0]));
    }
    return false;
}

}  // namespace

CKTSyntaxEditLexParser::~CKTSyntaxEditLexParser() { Close(); }

void CKTSyntaxEditLexParser::Close()
{
    StopParseInThread();
    if (m_ptrSchema)
        m_ptrSchema->SetEventSink(nullptr);
    m_ptrSchema.Release();
}

void CKTSyntaxEditLexParser::SetTextSchema(const CKTSyntaxEditLexTextSchema* schema)
{
    StopParseInThread();
    if (m_worker.WasCutOff())
        return;
    if (m_ptrSchema)
    {
        m_ptrSchema->DropParseResults();
        m_ptrSchema->SetEventSink(nullptr);
        m_ptrSchema.Release();
    }
    {
        std::lock_guard<std::mutex> options(m_optionsLock);
        m_mapOptions.clear();
    }
    if (!schema)
        return;
    m_ptrSchema = schema->Clone();
    m_ptrSchema->SetEventSink(this);
}

bool CKTSyntaxEditLexParser::ReadSchemaOptions(const std::string& fileType,
                                               CKTSyntaxEditLexParserSchemaOptions& options) const
{
    options = CKTSyntaxEditLexParserSchemaOptions();
    CKTSyntaxEditLexClass::Ptr cls = m_ptrSchema ? m_ptrSchema->FindFileClass(fileType) : CKTSyntaxEditLexClass::Ptr();
    if (!cls)
        return false;
    options.m_bFirstParseInSeparateThread = cls->GetAttributeBool("global:FirstParseInSeparateThread", false, true);
    options.m_bEditReparceInSeparateThread = cls->GetAttributeBool("global:EditReparceInSeparateThread", false, true);
    options.m_bConfigChangedReparceInSeparateThread =
        cls->GetAttributeBool("global:ConfigChangedReparceInSeparateThread", false, true);
    options.m_nMaxBackParseOffset = cls->GetAttributeInt("global:MaxBackParseOffset", false, 100);
    options.m_nEditReparceTimeout_ms = cls->GetAttributeInt("global:EditReparceTimeout_ms", false, 500);
    options.m_nOnScreenSchCacheLifeTime_sec = cls->GetAttributeInt("global:OnScreenSchCacheLifeTime_sec", false, 180);
    int idle = cls->GetAttributeInt("global:ParserThreadIdleLifeTime_sec", false, 60);
    if (idle != -1)
        idle *= 1000;
    options.m_nParserThreadIdleLifeTime_ms = idle == 0 ? -1 : idle;
    return true;
}

CKTSyntaxEditLexParserSchemaOptions CKTSyntaxEditLexParser::GetSchemaOptions(const std::string& fileType)
{
    std::lock_guard<std::mutex> lock(m_optionsLock);
    auto it = m_mapOptions.find(fileType);
    if (it != m_mapOptions.end())
        return it->second;
    CKTSyntaxEditLexParserSchemaOptions options;
    if (ReadSchemaOptions(fileType, options))
        m_mapOptions[fileType] = options;
    return options;
}

int CKTSyntaxEditLexParser::GetBackOffset(const IKTLexTextSource& text)
{
    return GetSchemaOptions(text.GetFileType()).m_nMaxBackParseOffset;
}

void CKTSyntaxEditLexParser::StartParseInThread(const IKTLexTextSource* text, const KT_EDIT_LEXPOS* start,
                                                const KT_EDIT_LEXPOS* end, bool parseNow)
{
    if (!m_ptrSchema)
        return;
    std::unique_lock<std::timed_mutex> lock = TakeTaskLock();
    m_taskList.m_pText = text;
    m_taskList.Add(start, end);
    if (!m_worker.IsRunning() && !StartWorker())
        return;
    m_taskList.m_bParseNow = m_taskList.m_bParseNow || parseNow;
    m_taskList.m_bTaskAdded = true;
    m_taskList.m_signal.notify_all();
}

// A thread the system cannot make leaves the task queued: the next request tries again.
bool CKTSyntaxEditLexParser::StartWorker()
{
    return m_worker.Start([this] { WorkerMain(); }, [this] { OnWorkerFault(); });
}

// The worker holds the task lock through a whole pass: a caller that finds
// it busy asks the running parse to stop early, then waits for it. With the
// lock no pass runs, so the request is taken back: a pass that the worker
// starts later must not stop at once on it.
std::unique_lock<std::timed_mutex> CKTSyntaxEditLexParser::TakeTaskLock()
{
    std::unique_lock<std::timed_mutex> lock(m_taskList.m_lock, std::try_to_lock);
    if (!lock.owns_lock())
    {
        CKTSyntaxEditLexTextSchema::CBreak pass(*m_ptrSchema);
        lock.lock();
    }
    return lock;
}

void CKTSyntaxEditLexParser::BreakParsing()
{
    if (m_ptrSchema)
        TakeTaskLock();  // returns once no pass runs
}

// A running pass stops at its next check, and none starts until the worker has ended; a pass that holds
// the task lock past the stop's whole limit is stuck.
void CKTSyntaxEditLexParser::StopParseInThread()
{
    if (!m_ptrSchema)
        return;
    CKTSyntaxEditLexTextSchema::CBreak passes(*m_ptrSchema);
    std::unique_lock<std::timed_mutex> lock(m_taskList.m_lock, m_worker.GetStopLimit());
    if (!lock.owns_lock())
    {
        AbandonWorker();
        return;
    }
    EndWorker(lock);
}

// Under the task lock, with no pass running; the queued ranges go with the worker.
void CKTSyntaxEditLexParser::EndWorker(std::unique_lock<std::timed_mutex>& lock)
{
    if (!m_worker.IsStarted())
        return;
    m_worker.RequestStop();
    m_taskList.m_bTaskAdded = false;
    m_taskList.m_signal.notify_all();
    lock.unlock();
    // The worker never waits for this thread, so it ends promptly unless a pass is stuck.
    if (!m_worker.End())
    {
        AbandonWorker();
        return;
    }
    lock.lock();
    m_taskList.Clear();
}

// A worker cut off may have died holding the task lock and the schema half
// written: the schema is let go unreleased and the parser parses no more.
void CKTSyntaxEditLexParser::AbandonWorker()
{
    m_worker.CutOff();
    m_ptrSchema.Detach();
}

bool CKTSyntaxEditLexParser::IsWorkerRunning() const
{
    if (m_worker.WasCutOff())
        return false;
    std::lock_guard<std::timed_mutex> lock(m_taskList.m_lock);
    return m_worker.IsRunning();
}

// The worker holds the lock through a pass and empties the list only at its end.
bool CKTSyntaxEditLexParser::HasWork() const
{
    if (m_worker.WasCutOff())
        return false;
    std::unique_lock<std::timed_mutex> lock(m_taskList.m_lock, std::try_to_lock);
    return !lock.owns_lock() || !m_taskList.IsEmpty();
}

void CKTSyntaxEditLexParser::OnEditChanged(KT_EDIT_LEXPOS start, KT_EDIT_LEXPOS end, int kind,
                                           const IKTLexTextSource* text)
{
    if (!m_ptrSchema || !text)
        return;
    // The chain moves only while no run reads it.
    std::unique_lock<std::timed_mutex> lock = TakeTaskLock();
    // A chain that painting held too long to move no longer matches the text: only a whole parse mends it.
    bool stale = m_ptrSchema->UpdateTextBlocks(start, end, kind) == CKTSyntaxEditLexTextSchema::ktEditTimedOut;
    m_taskList.Shift(start, end, kind);
    lock.unlock();
    const KT_EDIT_LEXPOS whole{1, 0};
    const KT_EDIT_LEXPOS* from = stale ? &whole : &start;
    const KT_EDIT_LEXPOS* to = stale ? nullptr : &end;
    if (GetSchemaOptions(text->GetFileType()).m_bEditReparceInSeparateThread)
    {
        StartParseInThread(text, from, to, false);
        return;
    }
    CKTSyntaxEditLexCursor cursor(*text, GetBackOffset(*text));
    m_ptrSchema->RunParseUpdate(true, cursor, from, to, false);
}

void CKTSyntaxEditLexParser::ParseAll(const IKTLexTextSource* text, bool configChanged)
{
    if (!m_ptrSchema || !text)
        return;
    KT_EDIT_LEXPOS start{1, 0};
    CKTSyntaxEditLexParserSchemaOptions options = GetSchemaOptions(text->GetFileType());
    if (configChanged ? options.m_bConfigChangedReparceInSeparateThread : options.m_bFirstParseInSeparateThread)
    {
        StartParseInThread(text, &start, nullptr, true);
        return;
    }
    BreakParsing();
    std::lock_guard<std::timed_mutex> lock(m_taskList.m_lock);
    CKTSyntaxEditLexCursor cursor(*text, options.m_nMaxBackParseOffset);
    m_ptrSchema->RunParseUpdate(true, cursor, nullptr, nullptr, false);
}

// Waits for a task (FALSE: the thread is to end), then for the edit delay.
bool CKTSyntaxEditLexParser::WaitForWork(std::unique_lock<std::timed_mutex>& lock)
{
    for (;;)
    {
        std::string fileType = m_taskList.m_pText ? m_taskList.m_pText->GetFileType() : std::string();
        CKTSyntaxEditLexParserSchemaOptions options = GetSchemaOptions(fileType);
        auto woken = [this] { return m_taskList.m_bTaskAdded || m_worker.IsStopRequested(); };
        bool signalled = options.m_nParserThreadIdleLifeTime_ms < 0
                             ? (m_taskList.m_signal.wait(lock, woken), true)
                             : m_taskList.m_signal.wait_for(
                                   lock, std::chrono::milliseconds(options.m_nParserThreadIdleLifeTime_ms), woken);
        if (m_worker.IsStopRequested())
            return false;
        if (!signalled)
        {
            if (m_taskList.IsEmpty())
                return false;  // idle for its lifetime
            continue;
        }
        // Typing coalesces: each new request restarts the delay unless parse-now is asked.
        auto delay = std::chrono::milliseconds(options.m_nEditReparceTimeout_ms);
        while (!m_taskList.m_bParseNow)
        {
            m_taskList.m_bTaskAdded = false;
            if (!m_taskList.m_signal.wait_for(
                    lock, delay,
                    [this] { return m_taskList.m_bTaskAdded || m_worker.IsStopRequested() || m_taskList.m_bParseNow; }))
                break;
            if (m_worker.IsStopRequested())
                return false;
        }
        m_taskList.m_bTaskAdded = false;
        m_taskList.m_bParseNow = false;
        return true;
    }
}

void CKTSyntaxEditLexParser::WorkerMain()
{
    std::unique_lock<std::timed_mutex> lock(m_taskList.m_lock);
    while (WaitForWork(lock))
        ProcessTasksGuarded();
    m_worker.Finish();
}

// Any other fault ends the worker: its ranges and half-built colours go, the owner hears the run
// ended, and the next request starts a new one.
void CKTSyntaxEditLexParser::OnWorkerFault()
{
    std::lock_guard<std::timed_mutex> lock(m_taskList.m_lock);
    m_worker.Finish();
    m_taskList.Clear();
    if (m_ptrSchema)
        m_ptrSchema->DropParseResults();
    OnSchemaEvent(ktEditOnParserEnded, 0, CKTLexBlockPtr());
}

// Memory running out while colouring a big text must not end the program:
// the pass and its half-built colours are dropped, and the owner
// hears the run ended so it repaints and stops waiting.
void CKTSyntaxEditLexParser::ProcessTasksGuarded()
{
    try
    {
        ProcessTasks();
    }
    catch (const std::bad_alloc&)
    {
        m_taskList.Clear();
        if (m_ptrSchema)
            m_ptrSchema->DropParseResults();  // a chain cut off mid-pass is not to be built on
        OnSchemaEvent(ktEditOnParserEnded, 0, CKTLexBlockPtr());
    }
}

// The newest range first, task by task, until the list is done or a pass is
// broken off (a save, an edit): what is left runs once the breaker lets go,
// edit or not.
void CKTSyntaxEditLexParser::ProcessTasks()
{
    CKTSyntaxEditLexTextSchema* schema = m_ptrSchema.GetInterface();
    if (!schema || !m_taskList.m_pText)
        return;
    CKTSyntaxEditLexCursor cursor(*m_taskList.m_pText, GetBackOffset(*m_taskList.m_pText));
    bool ran = false;
    while (!schema->IsBreakRequested())
    {
        ran = true;
        if (!RunLastTask(*schema, cursor) || m_taskList.IsEmpty())
            break;
    }
    if (!ran || !m_taskList.IsEmpty())
        m_taskList.m_bTaskAdded = true;
}

// Parses the newest task, or the whole text when none is queued; FALSE when
// the pass was broken off or its range is not done, which leaves it queued.
bool CKTSyntaxEditLexParser::RunLastTask(CKTSyntaxEditLexTextSchema& schema, CKTSyntaxEditLexCursor& cursor)
{
    KT_EDIT_PARSE_TASK task;  // its start, absent or at the text's start, parses the whole text
    bool queued = m_taskList.GetLast(task);
    const KT_EDIT_LEXPOS* end = task.end.IsValid() ? &task.end : nullptr;
    int result = schema.RunParseUpdate(true, cursor, queued ? &task.start : nullptr, end, true);
    if (result & CKTSyntaxEditLexClass::ktStop)
    {
        schema.DropParseResults();
        result = schema.RunParseUpdate(true, cursor, nullptr, nullptr, false);
        m_taskList.Clear();
        queued = false;
    }
    // A range done but broken off while it took the old chain back leaves old colours after it.
    bool done = (result & CKTSyntaxEditLexClass::ktRangeDone) && !(result & CKTSyntaxEditLexClass::ktBroken);
    if (done && queued)
        m_taskList.RemoveLast();
    if (!done && !queued)
        m_taskList.Requeue(KT_EDIT_PARSE_TASK());  // the whole text
    return done && !schema.IsBreakRequested();
}

void CKTSyntaxEditLexParser::OnSchemaEvent(int code, int value, const CKTLexBlockPtr& block)
{
    std::function<void()> wake;
    {
        std::lock_guard<std::mutex> lock(m_eventLock);
        // One wake per batch: the owner takes every queued event at once, and
        // a wake per block would flood its message queue during a long parse.
        if (m_events.empty())
            wake = m_fnWake;
        m_events.push_back(KT_EDIT_LEXPARSEREVENT{code, value, block});
    }
    m_eventSignal.notify_all();
    if (wake)
        wake();  // outside the lock: it may post a message or take the events
}

void CKTSyntaxEditLexParser::SetWakeFunction(std::function<void()> wake)
{
    std::lock_guard<std::mutex> lock(m_eventLock);
    m_fnWake = std::move(wake);
}

std::vector<KT_EDIT_LEXPARSEREVENT> CKTSyntaxEditLexParser::TakeEvents()
{
    std::lock_guard<std::mutex> lock(m_eventLock);
    std::vector<KT_EDIT_LEXPARSEREVENT> events(m_events.begin(), m_events.end());
    m_events.clear();
    return events;
}

bool CKTSyntaxEditLexParser::WaitForEvents(int timeoutMs)
{
    std::unique_lock<std::mutex> lock(m_eventLock);
    return m_eventSignal.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] { return !m_events.empty(); });
}

bool CKTSyntaxEditLexParser::GetSchemaClassesInfo(std::vector<KT_EDIT_STRINGSET>& sets, bool append) const
{
    if (!append)
        sets.clear();
    if (!m_ptrSchema)
        return false;
    for (const CKTSyntaxEditLexClass::Ptr& cls : m_ptrSchema->GetClassSet().GetAllClasses())
    {
        if (!cls->GetProperty(CKTSyntaxEditLexClass::ktTokenTag).TakesPart())
            continue;
        KT_EDIT_STRINGSET set;
        CopyNonEmpty(cls->GetProperty(CKTSyntaxEditLexClass::ktTokenTag).values, set.arTokens);
        CopyNonEmpty(cls->GetProperty(CKTSyntaxEditLexClass::ktTokenStartSep).values, set.arStartSeparators);
        CopyNonEmpty(cls->GetProperty(CKTSyntaxEditLexClass::ktTokenEndSep).values, set.arEndSeparators);
        set.bCaseSensitive = ReadsCase(m_ptrSchema->GetClassSet(), cls);
        sets.push_back(set);
    }
    return true;
}
