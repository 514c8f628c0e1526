// The queue between a lexer parser's callers and its worker thread.
#include "KTSyntaxEditParseTaskList.h"

#include <algorithm>

namespace
{

const long kNearRows = 0x3000;  // ranges within three rows merge

// Merges (s, e) into [start, end]; FALSE when the ranges lie apart.
bool MergeRange(KT_EDIT_LEXPOS& start, KT_EDIT_LEXPOS& end, KT_EDIT_LEXPOS s, KT_EDIT_LEXPOS e)
{
    if (s <= start && (e >= start || e.GetPackedKey() + kNearRows >= start.GetPackedKey()))
    {
        start = s;
        return true;
    }
    if (e >= end && (s <= end || s.GetPackedKey() - kNearRows <= end.GetPackedKey()))
    {
        end = e;
        return true;
    }
    return s >= start && e <= end;
}

}  // namespace

void CKTSyntaxEditParseTaskList::Add(const KT_EDIT_LEXPOS* start, const KT_EDIT_LEXPOS* end)
{
    if (start && !end && *start == KT_EDIT_LEXPOS{1, 0})
    {
        m_tasks.assign(1, KT_EDIT_PARSE_TASK{*start, KT_EDIT_LEXPOS()});
        return;
    }
    if (!start && !end)
        return;
    KT_EDIT_LEXPOS s = start ? *start : KT_EDIT_LEXPOS{1, 0};
    KT_EDIT_LEXPOS e = end ? *end : s;
    for (KT_EDIT_PARSE_TASK& task : m_tasks)
        if (task.start.IsValid() && task.end.IsValid() && MergeRange(task.start, task.end, s, e))
            return;
    m_tasks.push_back(KT_EDIT_PARSE_TASK{s, e});
}

void CKTSyntaxEditParseTaskList::Shift(KT_EDIT_LEXPOS start, KT_EDIT_LEXPOS end, int kind)
{
    for (KT_EDIT_PARSE_TASK& task : m_tasks)
    {
        task.start = KTLexShiftPos(task.start, start, end, kind);
        task.end = KTLexShiftPos(task.end, start, end, kind);
    }
}

bool CKTSyntaxEditParseTaskList::GetLast(KT_EDIT_PARSE_TASK& task) const
{
    if (m_tasks.empty())
        return false;
    task = m_tasks.back();
    return true;
}
