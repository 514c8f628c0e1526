// The queue between a lexer parser's callers and its worker thread.
// Defines: KT_EDIT_PARSE_TASK, CKTSyntaxEditParseTaskList.
#pragma once

#include <condition_variable>
#include <mutex>
#include <vector>

#include "KTLexTextSource.h"

// A range to parse again; an invalid start stands for the whole text.
struct KT_EDIT_PARSE_TASK
{
    KT_EDIT_LEXPOS start;
    KT_EDIT_LEXPOS end;
};

// Everything here is guarded by m_lock, which the worker holds through a whole pass.
class CKTSyntaxEditParseTaskList
{
public:
    std::timed_mutex m_lock;                    // timed: a stop gives up on a worker stuck holding it
    std::condition_variable_any m_signal;       // a task was added, or parse-now or a stop asked for
    const IKTLexTextSource* m_pText = nullptr;  // the text of the latest request
    bool m_bTaskAdded = false;
    bool m_bParseNow = false;

    // Queues a range (both NULL: nothing); a range near a queued one merges into it.
    void Add(const KT_EDIT_LEXPOS* start, const KT_EDIT_LEXPOS* end);
    // Queued ranges follow the text as the blocks do.
    void Shift(KT_EDIT_LEXPOS start, KT_EDIT_LEXPOS end, int kind);
    // The newest range is parsed first: FALSE when none is queued.
    bool GetLast(KT_EDIT_PARSE_TASK& task) const;
    void RemoveLast() { m_tasks.pop_back(); }
    void Requeue(const KT_EDIT_PARSE_TASK& task) { m_tasks.push_back(task); }
    bool IsEmpty() const { return m_tasks.empty(); }
    void Clear() { m_tasks.clear(); }

private:
    std::vector<KT_EDIT_PARSE_TASK> m_tasks;
};
