// The row store of a buffer.
#include "KTSyntaxEditLineArray.h"

#include <algorithm>
#include <cstring>

namespace
{

const size_t kArenaBytes = 256 * 1024;

size_t BlockSize(int nLength) { return sizeof(int) + size_t(nLength) + 1; }

void WriteBlock(char* pBlock, LPCSTR pText, int nLength)
{
    memcpy(pBlock, &nLength, sizeof(int));
    memcpy(pBlock + sizeof(int), pText, size_t(nLength));
    pBlock[sizeof(int) + size_t(nLength)] = '\0';
}

int LengthOf(LPCSTR pszText) { return pszText ? int(strlen(pszText)) : 0; }

}  // namespace

CKTSyntaxEditLineArray::CRow::CRow(LPCSTR pszText)
{
    const int nLength = LengthOf(pszText);
    if (nLength == 0)
        return;
    m_pBlock.reset(new char[BlockSize(nLength)]);
    WriteBlock(m_pBlock.get(), pszText, nLength);
}

CKTSyntaxEditLineArray::CRow CKTSyntaxEditLineArray::CRow::InArena(const char* pBlock)
{
    CRow row;
    row.m_pArenaBlock = pBlock;
    return row;
}

int CKTSyntaxEditLineArray::CRow::GetLength() const
{
    int nLength = 0;
    if (Block())
        memcpy(&nLength, Block(), sizeof(int));
    return nLength;
}

LPCSTR CKTSyntaxEditLineArray::CRow::GetText() const { return Block() ? Block() + sizeof(int) : ""; }

char* CKTSyntaxEditLineArray::ArenaSpace(size_t nBytes)
{
    if (m_arenas.empty() || m_nArenaSize - m_nArenaUsed < nBytes)
    {
        m_nArenaSize = std::max(kArenaBytes, nBytes);
        m_arenas.emplace_back(new char[m_nArenaSize]);
        m_nArenaUsed = 0;
    }
    char* pSpace = m_arenas.back().get() + m_nArenaUsed;
    m_nArenaUsed += nBytes;
    return pSpace;
}

void CKTSyntaxEditLineArray::Append(LPCSTR pszText) { Append(pszText, LengthOf(pszText)); }

void CKTSyntaxEditLineArray::Append(LPCSTR pText, int nLength)
{
    if (m_arLines.empty())
        m_arLines.emplace_back();  // element 0 is never used
    if (nLength <= 0)
    {
        m_arLines.emplace_back();
        return;
    }
    char* pBlock = ArenaSpace(BlockSize(nLength));
    WriteBlock(pBlock, pText, nLength);
    m_arLines.push_back(CRow::InArena(pBlock));
}

// The arenas go with the rows that point into them.
void CKTSyntaxEditLineArray::Swap(CKTSyntaxEditLineArray& other)
{
    m_arLines.swap(other.m_arLines);
    m_arenas.swap(other.m_arenas);
    std::swap(m_nArenaUsed, other.m_nArenaUsed);
    std::swap(m_nArenaSize, other.m_nArenaSize);
}

const CKTSyntaxEditLineArray::CRow* CKTSyntaxEditLineArray::Find(int row) const
{
    return row < 0 || row >= GetSize() ? NULL : &m_arLines[size_t(row)];
}

CString CKTSyntaxEditLineArray::GetAt(int row) const
{
    const CRow* pRow = Find(row);
    return pRow ? CString(pRow->GetText(), pRow->GetLength()) : CString();
}

LPCSTR CKTSyntaxEditLineArray::GetTextAt(int row) const
{
    const CRow* pRow = Find(row);
    return pRow ? pRow->GetText() : "";
}

int CKTSyntaxEditLineArray::GetLengthAt(int row) const
{
    const CRow* pRow = Find(row);
    return pRow ? pRow->GetLength() : 0;
}

void CKTSyntaxEditLineArray::SetAt(int row, LPCSTR pszText)
{
    if (row < 0)
        return;
    if (row >= GetSize())
        m_arLines.resize(size_t(row) + 1);
    m_arLines[size_t(row)] = CRow(pszText);
}

void CKTSyntaxEditLineArray::InsertAt(int row, LPCSTR pszText)
{
    if (row < 0 || row >= GetSize())
    {
        SetAt(row, pszText);
        return;
    }
    m_arLines.emplace(m_arLines.begin() + row, pszText);
}

BOOL CKTSyntaxEditLineArray::RemoveAt(int row)
{
    if (row < 0 || row >= GetSize())
        return FALSE;
    m_arLines.erase(m_arLines.begin() + row);
    return TRUE;
}

void CKTSyntaxEditLineArray::RemoveRange(int first, int last)
{
    first = std::max(first, 0);
    last = std::min(last, GetSize() - 1);
    if (first > last)
        return;
    m_arLines.erase(m_arLines.begin() + first, m_arLines.begin() + last + 1);
}

BOOL CKTSyntaxEditLineArray::DeleteChars(int row, int start, int count)
{
    int nLength = GetLengthAt(row);
    if (start < 0 || count < 1 || start >= nLength)
        return FALSE;
    CString strLine = GetAt(row);
    strLine.Delete(start, std::min(count, strLine.GetLength() - start));
    SetAt(row, strLine);
    return TRUE;
}

BOOL CKTSyntaxEditLineArray::InsertIntoLine(int row, int offset, LPCSTR pszText, BOOL bCreate, char chPad)
{
    if (row < 0 || (row >= GetSize() && !bCreate) || (!pszText && offset < 0))
        return FALSE;
    CString strLine = GetAt(row);
    if (pszText)
    {
        offset = std::max(offset, 0);
        if (offset > strLine.GetLength() && chPad)
            strLine += CString(chPad, offset - strLine.GetLength());
        strLine.Insert(std::min(offset, strLine.GetLength()), pszText);
    }
    SetAt(row, strLine);
    return TRUE;
}

void CKTSyntaxEditLineArray::RemoveAll()
{
    m_arLines.clear();
    m_arLines.shrink_to_fit();
    m_arenas.clear();
    m_nArenaUsed = m_nArenaSize = 0;
}
