// Splitting a new text into rows, as loading a file does.
#include "KTSyntaxEditNewText.h"

#include <algorithm>
#include <climits>

CKTSyntaxEditNewText::CKTSyntaxEditNewText(LPCSTR pszText, int nLength)
    : m_nLength(pszText && nLength > 0 && *pszText ? nLength : 0), m_reader(pszText ? pszText : "", m_nLength)
{
}

BOOL CKTSyntaxEditNewText::ReadRows(int nRows)
{
    if (m_bRead)
        return FALSE;
    LPCSTR pLine = nullptr;
    int nLength = 0;
    int nStyle = -1;
    for (int i = 0; i < nRows; ++i)
    {
        if (!m_reader.ReadLine(pLine, nLength, nStyle))
        {
            Finish();
            return FALSE;
        }
        m_pRows->Append(pLine, nLength);
        ++m_nRow;
        m_nFirstStyle = m_nFirstStyle < 0 ? nStyle : m_nFirstStyle;
        m_nLastStyle = nStyle;
        // No line end: the end of the text or a zero character, which ends it as it ends a C string.
        if (nStyle < 0)
        {
            Finish();
            return FALSE;
        }
    }
    return TRUE;
}

void CKTSyntaxEditNewText::ReadAll()
{
    while (ReadRows(INT_MAX))
    {
    }
}

// A text that ends with a line end has an empty last row, and an empty text one empty row.
void CKTSyntaxEditNewText::Finish()
{
    if (m_nRow == 0 || m_nLastStyle >= 0)
    {
        m_pRows->Append("");
        ++m_nRow;
    }
    m_bRead = TRUE;
}

int CKTSyntaxEditNewText::GetPercentRead() const
{
    if (m_bRead || m_nLength == 0)
        return 100;
    return int((long long)m_reader.GetOffset() * 100 / m_nLength);
}

std::unique_ptr<CKTSyntaxEditLineArray> CKTSyntaxEditNewText::TakeRows()
{
    ReadAll();
    return std::move(m_pRows);
}
