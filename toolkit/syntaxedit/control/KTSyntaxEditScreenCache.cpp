// The on-screen block cache: lookup, expiry, range choice and trimming after edits.
#include "KTSyntaxEditScreenCache.h"

#include <algorithm>
#include <cstdlib>

namespace
{
// Tick counts wrap: the distance is taken either way round.
DWORD Elapsed(DWORD dwFrom, DWORD dwNow) { return DWORD(std::abs(long(dwNow - dwFrom))); }
}  // namespace

void CKTSyntaxEditScreenCache::Expire(int nLifeTimeSec, DWORD dwNow)
{
    if (nLifeTimeSec <= 0)
        return;
    DWORD dwLifeMs = DWORD(nLifeTimeSec) * 1000;
    if (Elapsed(m_dwLastCheck, dwNow) < std::min<DWORD>(DWORD(nLifeTimeSec), 10000))
        return;
    m_dwLastCheck = dwNow;
    for (size_t i = m_arEntries.size(); i-- > 0;)
    {
        if (Elapsed(m_arEntries[i].dwLastUse, dwNow) >= dwLifeMs)
            m_arEntries.erase(m_arEntries.begin() + long(i));
    }
}

const CKTLexBlockChain* CKTSyntaxEditScreenCache::Find(int nRow, DWORD dwNow)
{
    for (Entry& entry : m_arEntries)
    {
        if (entry.nFirst <= nRow && nRow <= entry.nLast)
        {
            entry.dwLastUse = dwNow;
            return &entry.chain;
        }
    }
    return NULL;
}

void CKTSyntaxEditScreenCache::ChooseRange(int nRow, int nVisibleRows, const std::vector<int>& arFoldedRows,
                                           int& nStart, int& nEnd) const
{
    int n = nVisibleRows + 1;
    int nLowest = 1;
    nStart = nRow;
    nEnd = nRow + n;
    for (const Entry& entry : m_arEntries)
    {
        if (entry.nFirst > nRow && entry.nFirst - 1 <= nEnd)
            nEnd = entry.nFirst - 1;
        if (entry.nLast + 1 < nRow && entry.nLast + 1 > nLowest)
            nLowest = entry.nLast + 1;
    }
    for (int nFolded : arFoldedRows)
    {
        if (nFolded >= nRow && nFolded < nEnd)
            nEnd = nFolded;
    }
    if (nEnd - nRow < n / 2)
        nStart = std::max(nRow - n, nLowest);
}

const CKTLexBlockChain* CKTSyntaxEditScreenCache::Add(int nFirst, int nLast, CKTLexBlockChain&& chain, DWORD dwNow)
{
    m_arEntries.push_back(Entry{nFirst, nLast, dwNow, std::move(chain)});
    return &m_arEntries.back().chain;
}

void CKTSyntaxEditScreenCache::Trim(int nRow)
{
    if (nRow < 0)
    {
        Clear();
        return;
    }
    for (size_t i = m_arEntries.size(); i-- > 0;)
    {
        Entry& entry = m_arEntries[i];
        if (entry.nLast < nRow)
            continue;
        entry.nLast = nRow - 1;
        if (entry.nFirst > entry.nLast)
            m_arEntries.erase(m_arEntries.begin() + long(i));
    }
}
