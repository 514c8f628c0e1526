// The UTF-16 guess and the line reader.
#include "KTSyntaxEditTextFile.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace
{
int CountDistinct(const std::vector<BYTE>& sorted)
{
    int count = 0;
    for (size_t i = 1; i < sorted.size(); ++i)
        count += sorted[i] != sorted[i - 1];
    return count;
}

BOOL IsLineBreakOrZero(int c) { return c == 0 || c == '\r' || c == '\n'; }

// Whether any of the four bytes is below CR + 1; no byte of a line end or a zero is above.
BOOL MayHoldLineBreak(const BYTE* p)
{
    uint32_t nWord;
    memcpy(&nWord, p, sizeof nWord);
    const uint32_t kOnes = 0x01010101u;
    return ((nWord - kOnes * ('\r' + 1)) & ~nWord & (kOnes * 0x80)) != 0;
}

// Most of a text is bytes above CR: they are passed four at a time.
int SkipPlainBytes(const BYTE* pData, int nAhead, int nBuffered)
{
    for (;;)
    {
        while (nBuffered - nAhead >= 4 && !MayHoldLineBreak(pData + nAhead))
            nAhead += 4;
        if (nAhead >= nBuffered || IsLineBreakOrZero(pData[nAhead]))
            return nAhead;
        ++nAhead;
    }
}

// A best-fit character ('a' for an 'a' with a macron) is no more the file's than a default '?', so the
// test is the way back, not the converter's default-character flag.
BOOL ConvertsBack(const std::vector<WCHAR>& wide, const std::vector<char>& ansi)
{
    const int nUnits = ansi.empty() ? 0 : MultiByteToWideChar(CP_ACP, 0, ansi.data(), int(ansi.size()), NULL, 0);
    if (nUnits != int(wide.size()))
        return FALSE;
    std::vector<WCHAR> back(wide.size());
    if (nUnits > 0)
        MultiByteToWideChar(CP_ACP, 0, ansi.data(), int(ansi.size()), back.data(), nUnits);
    return back == wide;
}

BOOL IsPlainTextByte(BYTE b) { return (b >= 0x20 && b < 0x7F) || b == '\t' || b == '\r' || b == '\n'; }

// Latin UTF-16 holds zero bytes and other scripts bytes outside printable ASCII,
// so a sample of nothing but printable ASCII is ANSI whatever its byte pattern.
BOOL IsPlainAscii(const BYTE* pData, int nBytes) { return std::all_of(pData, pData + nBytes, IsPlainTextByte); }
}  // namespace

BOOL CKTSyntaxEditTextReader::LooksLikeUnicode(const BYTE* pData, int nBytes)
{
    int n = nBytes / 2;
    std::vector<BYTE> low(n), high(n);
    for (int i = 0; i < n; ++i)
    {
        low[i] = pData[2 * i];
        high[i] = pData[2 * i + 1];
        if ((low[i] == 0x0A || low[i] == 0x0D) && high[i] == 0)
            return TRUE;
    }
    if (IsPlainAscii(pData, nBytes))
        return FALSE;
    std::sort(low.begin(), low.end());
    std::sort(high.begin(), high.end());
    int dL = CountDistinct(low);
    int dH = CountDistinct(high);
    int h9 = 0;
    for (int i = 1; i < n; ++i)
        h9 += high[i] < 9;
    if (n >= 10)
        return (dL * 100) / std::max(dH, 1) > 150 || (h9 * 100) / n > 3;
    return dL > dH || h9 > 0;
}

BOOL CKTSyntaxEditTextReader::DetectUnicode(CFile* pFile)
{
    BYTE mark[2] = {0, 0};
    pFile->SeekToBegin();
    if (pFile->Read(mark, 2) == 2 && mark[0] == 0xFF && mark[1] == 0xFE)
        return TRUE;
    pFile->SeekToBegin();
    if (pFile->GetLength() % 2 != 0)
        return FALSE;
    BYTE sample[1024];
    UINT nRead = pFile->Read(sample, sizeof(sample));
    pFile->SeekToBegin();
    return LooksLikeUnicode(sample, int(nRead));
}

CKTSyntaxEditTextReader::CKTSyntaxEditTextReader(CFile* pFile, BOOL bUnicode)
    : m_pFile(pFile), m_bUnicode(bUnicode), m_nUnitSize(bUnicode ? 2 : 1)
{
}

CKTSyntaxEditTextReader::CKTSyntaxEditTextReader(LPCSTR pszText, int nLength)
    : m_pData(reinterpret_cast<const BYTE*>(pszText)), m_nSize(pszText ? size_t(std::max(nLength, 0)) : 0)
{
}

BOOL CKTSyntaxEditTextReader::Fill()
{
    if (!m_pFile)
        return FALSE;
    m_arBuffer.erase(m_arBuffer.begin(), m_arBuffer.begin() + m_nHead);
    m_nHead = 0;
    size_t nOld = m_arBuffer.size();
    m_arBuffer.resize(nOld + kChunk);
    UINT nRead = m_pFile->Read(m_arBuffer.data() + nOld, kChunk);
    m_arBuffer.resize(nOld + nRead);
    m_pData = m_arBuffer.data();
    m_nSize = m_arBuffer.size();
    return nRead > 0;
}

// The unit nAhead units after the head, -1 past the end.
int CKTSyntaxEditTextReader::Peek(int nAhead)
{
    size_t nNeeded = size_t(m_nHead) + size_t(nAhead + 1) * m_nUnitSize;
    while (m_nSize < nNeeded)
    {
        if (!Fill())
            return -1;
        nNeeded = size_t(m_nHead) + size_t(nAhead + 1) * m_nUnitSize;
    }
    const BYTE* p = m_pData + m_nHead + nAhead * m_nUnitSize;
    return m_bUnicode ? (p[0] | (p[1] << 8)) : p[0];
}

void CKTSyntaxEditTextReader::Skip(int nUnits) { m_nHead += nUnits * m_nUnitSize; }

// A megabyte-long text would otherwise cost a Peek per character.
int CKTSyntaxEditTextReader::SkipPlainUnits(int nAhead) const
{
    const BYTE* pData = m_pData + m_nHead;
    const int nBuffered = int((m_nSize - size_t(m_nHead)) / size_t(m_nUnitSize));
    if (!m_bUnicode)
        return SkipPlainBytes(pData, nAhead, nBuffered);
    for (; nAhead < nBuffered; ++nAhead)
        if (IsLineBreakOrZero(pData[2 * nAhead] | (pData[2 * nAhead + 1] << 8)))
            break;
    return nAhead;
}

void CKTSyntaxEditTextReader::AppendUnits(CString& strLine, int nUnits)
{
    if (nUnits <= 0)
        return;
    const BYTE* p = m_pData + m_nHead;
    if (!m_bUnicode)
    {
        strLine.Append(reinterpret_cast<LPCSTR>(p), nUnits);
    }
    else
    {
        std::vector<WCHAR> wide(nUnits);
        for (int i = 0; i < nUnits; ++i)
            wide[i] = WCHAR(p[2 * i] | (p[2 * i + 1] << 8));
        int nBytes = WideCharToMultiByte(CP_ACP, 0, wide.data(), nUnits, NULL, 0, NULL, NULL);
        std::vector<char> ansi(std::max(nBytes, 0));
        if (nBytes > 0)
            WideCharToMultiByte(CP_ACP, 0, wide.data(), nUnits, ansi.data(), nBytes, NULL, NULL);
        strLine.Append(ansi.data(), nBytes);
        m_bLost = m_bLost || !ConvertsBack(wide, ansi);
    }
    Skip(nUnits);
}

// Filling keeps the unread units together, so the whole line lies from the head on.
int CKTSyntaxEditTextReader::FindLineEnd(int& nUnits)
{
    nUnits = 0;
    for (;;)
    {
        nUnits = SkipPlainUnits(nUnits);
        const int c = Peek(nUnits);
        if (c == -1 || IsLineBreakOrZero(c))
            return c;
        ++nUnits;
    }
}

int CKTSyntaxEditTextReader::SkipLineEnd(int c)
{
    if (c <= 0)
    {
        Skip(c == 0 ? 1 : 0);
        return -1;
    }
    const int next = Peek(1);
    const BOOL bPair = (c == '\r' && next == '\n') || (c == '\n' && next == '\r');
    Skip(bPair ? 2 : 1);
    return c == '\r' ? 0 : (bPair ? 1 : 2);
}

BOOL CKTSyntaxEditTextReader::ReadLine(CString& strLine, int& nStyle)
{
    strLine.Empty();
    int nUnits = 0;
    const int c = FindLineEnd(nUnits);
    if (c == -1 && nUnits == 0)
    {
        nStyle = -1;
        return FALSE;
    }
    AppendUnits(strLine, nUnits);
    nStyle = SkipLineEnd(c);
    return TRUE;
}

BOOL CKTSyntaxEditTextReader::ReadLine(LPCSTR& pLine, int& nLength, int& nStyle)
{
    ASSERT(!m_pFile);
    const int c = FindLineEnd(nLength);
    if (c == -1 && nLength == 0)
    {
        nStyle = -1;
        return FALSE;
    }
    pLine = reinterpret_cast<LPCSTR>(m_pData + m_nHead);
    Skip(nLength);
    nStyle = SkipLineEnd(c);
    return TRUE;
}
