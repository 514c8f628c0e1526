// Block chains of recently shown screens, parsed quickly for painting and dropped when edits reach them.
// Classes: CKTSyntaxEditScreenCache.
#pragma once

#include <windows.h>

#include <optional>
#include <vector>

#include "KTSyntaxEditLexTextSchema.h"

class CKTSyntaxEditScreenCache
{
public:
    // Entries unused for the lifetime (seconds) go; 0 or -1 keeps them. The
    // cache is looked at no more often than min(lifetime, 10 s) in ms.
    void Expire(int nLifeTimeSec, DWORD dwNow);
    // The chain of an entry that holds the row, marked as used now; NULL when none.
    const CKTLexBlockChain* Find(int nRow, DWORD dwNow);
    // Rows [start, end] for a new entry around the row: it stops before
    // entries and folded rows below, and reaches back when little is left.
    void ChooseRange(int nRow, int nVisibleRows, const std::vector<int>& arFoldedRows, int& nStart, int& nEnd) const;
    const CKTLexBlockChain* Add(int nFirst, int nLast, CKTLexBlockChain&& chain, DWORD dwNow);
    // Drops what lies at or after the row; a row below 0 drops everything.
    void Trim(int nRow);
    void Clear() { m_arEntries.clear(); }
    int GetCount() const { return int(m_arEntries.size()); }

    // A running pass holds the classes for its whole length: the screens of
    // one paint share one wait for it, so that a paint never waits per row.
    void BeginPaint() { m_paintDeadline = CKTSyntaxEditLexTextSchema::GetScreenDeadline(); }
    void EndPaint() { m_paintDeadline.reset(); }
    CKTSyntaxEditLexTextSchema::ScreenDeadline GetDeadline() const
    {
        return m_paintDeadline ? *m_paintDeadline : CKTSyntaxEditLexTextSchema::GetScreenDeadline();
    }

private:
    struct Entry
    {
        int nFirst;
        int nLast;
        DWORD dwLastUse;
        CKTLexBlockChain chain;
    };

    std::vector<Entry> m_arEntries;
    DWORD m_dwLastCheck = 0;                                                    // tick of the last expiry pass
    std::optional<CKTSyntaxEditLexTextSchema::ScreenDeadline> m_paintDeadline;  // set while a paint runs
};
