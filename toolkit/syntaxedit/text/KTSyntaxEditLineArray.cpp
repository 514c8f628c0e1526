// The row store of a buffer.
#include "KTSyntaxEditLineArray.h"

#include <algorithm>

CString CKTSyntaxEditLineArray::GetAt(int row) const
{
    const CString* pLine = PeekAt(row);
    return pLine ? *pLine : CString();
}

const CString* CKTSyntaxEditLineArray::PeekAt(int row) const
{
    return row < 0 || row >= GetSize() ? NULL : m_arLines[row].get();
}

int CKTSyntaxEditLineArray::GetLengthAt(int row) const
{
    const CString* pLine = PeekAt(row);
    return pLine ? pLine->GetLength() : 0;
}

void CKTSyntaxEditLineArray::GrowTo(int size)
{
    if (size > GetSize())
        m_arLines.resize(size);
}

CString* CKTSyntaxEditLineArray::GetLineAt(int row, BOOL bCreate)
{
    if (row < 0)
        return NULL;
    if (row >= GetSize())
    {
        if (!bCreate)
            return NULL;
        GrowTo(row + 1);
    }
    if (!m_arLines[row])
        m_arLines[row].reset(new CString);
    return m_arLines[row].get();
}

void CKTSyntaxEditLineArray::SetAt(int row, LPCSTR pszText)
{
    CString* pLine = GetLineAt(row, TRUE);
    if (pLine)
        *pLine = pszText ? pszText : "";
}

void CKTSyntaxEditLineArray::InsertAt(int row, LPCSTR pszText)
{
    if (row < 0 || row >= GetSize())
    {
        SetAt(row, pszText);
        return;
    }
    m_arLines.emplace(m_arLines.begin() + row, new CString(pszText ? pszText : ""));
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
    CString* pLine = GetLineAt(row, FALSE);
    if (!pLine || start < 0 || count < 1 || start >= pLine->GetLength())
        return FALSE;
    pLine->Delete(start, std::min(count, pLine->GetLength() - start));
    return TRUE;
}

BOOL CKTSyntaxEditLineArray::InsertIntoLine(int row, int offset, LPCSTR pszText, BOOL bCreate, char chPad)
{
    CString* pLine = GetLineAt(row, bCreate);
    if (!pLine || (!pszText && offset < 0))
        return FALSE;
    if (!pszText)
        return TRUE;
    int length = pLine->GetLength();
    if (offset < 0)
        offset = 0;
    if (offset > length)
    {
        if (chPad)
            *pLine += CString(chPad, offset - length);
        offset = pLine->GetLength();
    }
    pLine->Insert(offset, pszText);
    return TRUE;
}

void CKTSyntaxEditLineArray::RemoveAll()
{
    m_arLines.clear();
    m_arLines.shrink_to_fit();
}
