// Streaming a buffer's rows through a byte window for the lexer.
#include "KTSyntaxEditBufferIterator.h"

#include "KTSyntaxEditBufferManager.h"
#include "KTSyntaxEditChars.h"

#include <algorithm>
#include <cstring>

namespace
{
const char kLineEnd[] = "\r\n";

int CountChars(const char* p, int nBytes)
{
    int nChars = 0;
    for (int i = 0; i < nBytes; i += KTCharLen(p + i))
        ++nChars;
    return nChars;
}

int BackOffsetFor(const CKTSyntaxEditBufferManager* pBuffer, int nBackOffset)
{
    if (nBackOffset == CKTSyntaxEditBufferIterator::kBackOffsetOfBuffer)
        nBackOffset = pBuffer ? pBuffer->GetMaxBackParseOffset() : CKTSyntaxEditBufferManager::kDefaultBackParseOffset;
    return std::max(nBackOffset, int(CKTSyntaxEditBufferIterator::kMinBackOffset));
}
}  // namespace

CKTSyntaxEditBufferIterator::CKTSyntaxEditBufferIterator(CKTSyntaxEditBufferManager* pBuffer, int nBackOffset)
    : m_ptrBuffer(pBuffer), m_nBackOffset(BackOffsetFor(pBuffer, nBackOffset))
{
    SeekBegin();
}

CKTSyntaxEditBufferIterator::~CKTSyntaxEditBufferIterator() = default;

// The style changes only when a file is loaded, under the row lock.
LPCSTR CKTSyntaxEditBufferIterator::GetEOL() const
{
    if (!m_ptrBuffer)
        return kLineEnd;
    CKTSyntaxEditRowReadLock lock(m_ptrBuffer->GetRowLock());
    return m_ptrBuffer->GetLineEndText();
}

CString CKTSyntaxEditBufferIterator::GetFileExt() const
{
    if (!m_ptrBuffer)
        return CString();
    CKTSyntaxEditRowReadLock lock(m_ptrBuffer->GetRowLock());
    return m_ptrBuffer->GetFileExt();
}

// Another thread may be editing: each row is copied under the shared lock,
// straight into the caller's memory so that nothing is allocated meanwhile.
int CKTSyntaxEditBufferIterator::ReadRow(int nRow, char* pDest, int nCapacity) const
{
    if (!m_ptrBuffer)
        return -1;
    CKTSyntaxEditRowReadLock lock(m_ptrBuffer->GetRowLock());
    return m_ptrBuffer->CopyLineText(nRow, pDest, nCapacity);
}

// The row with its line end; empty for a row out of range.
std::vector<char> CKTSyntaxEditBufferIterator::ReadRow(int nRow) const
{
    std::vector<char> row(256);
    int nNeeded = ReadRow(nRow, row.data(), int(row.size()));
    while (nNeeded > int(row.size()))
    {
        row.resize(size_t(nNeeded));
        nNeeded = ReadRow(nRow, row.data(), int(row.size()));
    }
    row.resize(size_t(std::max(nNeeded, 0)));
    return row;
}

int CKTSyntaxEditBufferIterator::RowCount() const
{
    if (!m_ptrBuffer)
        return 0;
    CKTSyntaxEditRowReadLock lock(m_ptrBuffer->GetRowLock());
    return m_ptrBuffer->GetRowCount();
}

void CKTSyntaxEditBufferIterator::SeekBegin()
{
    int nRows = RowCount();
    m_posCurrent = KT_EDIT_TEXTPOS(1, 0);
    m_bEOF = nRows == 0;
    m_mapLineLen.clear();
    m_mapLineLen.reserve(std::max(nRows / 10, 500));
    m_arWindow.assign(std::max<size_t>(std::max(m_nBackOffset, 500), m_arWindow.size()), 0);
    m_nNextRow = 1;
    m_nAvail = 0;
    m_nLastStepChars = 0;
    m_nLastStepBytes = 0;
    // A line end stands before row 1, so look-back at the start sees one.
    memcpy(&m_arWindow[kStartOffset], kLineEnd, 2);
    m_nReadOffset = kStartOffset + 2;
}

void CKTSyntaxEditBufferIterator::EnsureWindow(int nNeeded)
{
    // One zero byte always follows the copied text.
    if (size_t(nNeeded) + 1 > m_arWindow.size())
        m_arWindow.resize(size_t(nNeeded) + 1 + kGrowExtra, 0);
}

BOOL CKTSyntaxEditBufferIterator::CopyNextRow()
{
    int nRows = RowCount();
    if (nRows == 0 || m_nNextRow > nRows + 1)
        return FALSE;
    int nEnd = m_nReadOffset + m_nAvail;
    int nCopied = 2;
    if (m_nNextRow > nRows)
    {
        EnsureWindow(nEnd + 256);
        memcpy(&m_arWindow[nEnd], kLineEnd, 2);
    }
    else
    {
        nCopied = CopyRowToWindow(m_nNextRow, nEnd);
        m_mapLineLen[m_nNextRow] = CountChars(&m_arWindow[nEnd], std::max(nCopied, 0));
    }
    nCopied = std::max(nCopied, 0);
    m_arWindow[nEnd + nCopied] = 0;
    m_nAvail += nCopied;
    ++m_nNextRow;
    return TRUE;
}

// Grows the window and copies again when the row did not fit.
int CKTSyntaxEditBufferIterator::CopyRowToWindow(int nRow, int nEnd)
{
    for (;;)
    {
        int nFree = int(m_arWindow.size()) - nEnd - 1;
        int nNeeded = ReadRow(nRow, &m_arWindow[nEnd], nFree);
        if (nNeeded <= nFree)
            return nNeeded;
        EnsureWindow(nEnd + std::max(2 * nNeeded, 256) + nNeeded);
    }
}

LPCSTR CKTSyntaxEditBufferIterator::GetText(int nBytes)
{
    while (m_nAvail < nBytes && CopyNextRow())
    {
    }
    return &m_arWindow[m_nReadOffset + m_nLastStepBytes];
}

void CKTSyntaxEditBufferIterator::DropConsumed()
{
    if (m_nReadOffset <= kDropThreshold)
        return;
    int nDrop = m_nReadOffset - m_nBackOffset;
    memmove(&m_arWindow[0], &m_arWindow[nDrop], size_t(m_nBackOffset + m_nAvail + 1));
    m_nReadOffset -= nDrop;
}

LPCSTR CKTSyntaxEditBufferIterator::SeekNext(int nChars, int nBytesWanted)
{
    if (m_nAvail < nChars + nBytesWanted)
        GetText(nChars + nBytesWanted);
    if (m_nAvail <= 0)
        return NULL;
    nChars = std::min(nChars, m_nAvail);
    int nBytes = 0;
    for (int i = 0; i < nChars && nBytes < m_nAvail; ++i)
        nBytes += KTCharLen(&m_arWindow[m_nReadOffset + nBytes]);
    nBytes = std::min(nBytes, m_nAvail);
    m_nReadOffset += nBytes;
    m_nAvail -= nBytes;
    DropConsumed();
    // Having used up the copied text is not the end while rows remain.
    if (m_nAvail <= 0)
        GetText(1);
    m_bEOF = m_nAvail <= 0;
    if (!m_bEOF)
        StepForward(m_posCurrent, nChars);
    SetStep(m_nLastStepChars);
    return &m_arWindow[m_nReadOffset + m_nLastStepBytes];
}

int CKTSyntaxEditBufferIterator::CachedLineLen(int nRow) const
{
    auto it = m_mapLineLen.find(nRow);
    return it == m_mapLineLen.end() ? -1 : it->second;
}

void CKTSyntaxEditBufferIterator::StepBack(KT_EDIT_TEXTPOS& pos) const
{
    if (pos.nCol > 0)
    {
        --pos.nCol;
        return;
    }
    int nPrevLen = pos.nLine > 1 ? CachedLineLen(pos.nLine - 1) : -1;
    if (nPrevLen > 0)
        pos = KT_EDIT_TEXTPOS(pos.nLine - 1, nPrevLen - 1);
}

void CKTSyntaxEditBufferIterator::StepForward(KT_EDIT_TEXTPOS& pos, int nChars) const
{
    while (nChars > 0)
    {
        int nLen = CachedLineLen(pos.nLine);
        if (nLen <= 0)
            return;
        int nLeft = nLen - pos.nCol;
        if (nLeft > nChars)
        {
            pos.nCol += nChars;
            return;
        }
        nChars -= nLeft;
        pos = KT_EDIT_TEXTPOS(pos.nLine + 1, 0);
    }
}

int CKTSyntaxEditBufferIterator::GetLineLenChars(int nRow, BOOL bWithLineEnd) const
{
    std::vector<char> row = ReadRow(nRow);
    if (row.empty())
        return 0;
    int nChars = CountChars(row.data(), int(row.size()));
    return bWithLineEnd ? nChars : nChars - int(strlen(GetEOL()));
}

int CKTSyntaxEditBufferIterator::GetLineLenBytes(int nRow, BOOL bWithLineEnd) const
{
    if (!m_ptrBuffer)
        return 0;
    CKTSyntaxEditRowReadLock lock(m_ptrBuffer->GetRowLock());
    if (nRow < 1 || nRow > m_ptrBuffer->GetRowCount())
        return 0;
    int nLength = m_ptrBuffer->GetLineLength(nRow);
    return bWithLineEnd ? nLength + int(strlen(m_ptrBuffer->GetLineEndText())) : nLength;
}

// Backwards the walk stops at the window's start: look-back beyond what the
// window keeps is not there to read.
void CKTSyntaxEditBufferIterator::SetStep(int nChars)
{
    m_nLastStepChars = nChars;
    LPCSTR pszStart = &m_arWindow[0];
    LPCSTR p = pszStart + m_nReadOffset;
    if (nChars >= 0)
    {
        LPCSTR pszEnd = p + m_nAvail;
        for (int i = 0; i < nChars; ++i)
            p += p < pszEnd ? KTCharLen(p) : 1;
    }
    else
    {
        for (int i = 0; i < -nChars && p > pszStart; ++i)
            p -= p - 1 > pszStart && IsDBCSLeadByte(BYTE(p[-2])) ? 2 : 1;
    }
    m_nLastStepBytes = int(p - (pszStart + m_nReadOffset));
    int nLimit = int(m_arWindow.size()) - 1 - m_nReadOffset;
    m_nLastStepBytes = std::min(m_nLastStepBytes, nLimit);
}

BOOL CKTSyntaxEditBufferIterator::SeekPos(const KT_EDIT_TEXTPOS& pos, HANDLE hCancelEvent)
{
    auto cancelled = [hCancelEvent] { return hCancelEvent && WaitForSingleObject(hCancelEvent, 0) == WAIT_OBJECT_0; };
    SeekBegin();
    if (m_bEOF)
        return FALSE;
    int nRow = std::min(pos.nLine, RowCount() + 1);
    for (int nBytes = 0; nBytes < m_nBackOffset && nRow >= 2; --nRow)
    {
        nBytes += GetLineLenBytes(nRow, TRUE);
        if (cancelled())
            return FALSE;
    }
    m_nNextRow = std::max(nRow, 1);
    m_posCurrent = KT_EDIT_TEXTPOS(m_nNextRow, 0);
    GetText(512);
    while (m_posCurrent < pos && !m_bEOF)
    {
        int nStep = pos.nLine > m_posCurrent.nLine ? std::max(CachedLineLen(m_posCurrent.nLine), 1) - m_posCurrent.nCol
                                                   : pos.nCol - m_posCurrent.nCol;
        if (nStep < 1 || !SeekNext(nStep, 512))
            break;
        if (cancelled())
            return FALSE;
    }
    return m_posCurrent == pos;
}
