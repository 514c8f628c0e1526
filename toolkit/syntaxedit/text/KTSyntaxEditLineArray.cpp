// The row store of a buffer.
#include "KTSyntaxEditLineArray.h"

#include <algorithm>
#include <cstring>

CKTSyntaxEditLineArray::CRow::CRow(LPCSTR pszText)
{
    int nLength = pszText ? int(strlen(pszText)) : 0;
    if (nLength == 0)
        return;
    m_pBlock.reset(new char[sizeof(int) + size_t(nLength) + 1]);
    memcpy(m_pBlock.get(), &nLength, sizeof(int));
    memcpy(m_pBlock.get() + sizeof(int), pszText, size_t(nLength) + 1);
}

int CKTSyntaxEditLineArray::CRow::GetLength() const
{
    int nLength = 0;
    if (m_pBlock)
        memcpy(&nLength, m_pBlock.get(), sizeof(int));
    return nLength;
}

LPCSTR CKTSyntaxEditLineArray::CRow::GetText() const { return m_pBlock ? m_pBlock.get() + sizeof(int) : ""; }

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
}
