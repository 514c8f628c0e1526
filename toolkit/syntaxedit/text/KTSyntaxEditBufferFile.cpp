// Loading a buffer from a file, storing it back, and emptying it.
#include "KTSyntaxEditBufferManager.h"

#include "KTSyntaxEditTextFile.h"

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <vector>

namespace
{
// The extension of a file name with its dot; "" when it has none.
CString ExtensionOf(const CString& strName)
{
    int nSlash = std::max(strName.ReverseFind('\\'), strName.ReverseFind('/'));
    int nDot = strName.ReverseFind('.');
    return nDot > nSlash ? strName.Mid(nDot) : CString();
}
}  // namespace

// The parser is stopped before the rows are locked: its worker may be waiting
// for the shared side, and waiting for it under the exclusive side would hang.
void CKTSyntaxEditBufferManager::Close()
{
    if (m_pLexParser)
        m_pLexParser->Close();
    ClearText();
}

// The caller has stopped the parser first.
void CKTSyntaxEditBufferManager::ClearText()
{
    {
        CKTSyntaxEditRowWriteLock lock(m_RowLock);
        m_Lines.RemoveAll();
        m_strFileExt.Empty();
    }
    m_UndoRedoManager.Clear();
}

void CKTSyntaxEditBufferManager::ReadRows(CFile* pFile)
{
    CKTSyntaxEditTextReader reader(pFile, m_bUnicodeFile);
    CString strLine;
    int nStyle = -1;
    int nLastStyle = -1;
    BOOL bStyleSeen = FALSE;
    int row = 0;
    while (reader.ReadLine(strLine, nStyle))
    {
        m_Lines.SetAt(++row, strLine);
        if (!bStyleSeen && nStyle >= 0)
        {
            m_nLineEndStyle = nStyle;
            bStyleSeen = TRUE;
        }
        nLastStyle = nStyle;
    }
    if (row > 0 && nLastStyle >= 0)
        m_Lines.SetAt(++row, "");
}

// A freshly loaded text is at its saved state: nothing to save yet.
void CKTSyntaxEditBufferManager::Load(CFile* pFile, LPCSTR pszFileType)
{
    if (m_pLexParser)
        m_pLexParser->BreakParsing();
    ClearText();
    if (pFile)
    {
        m_bUnicodeFile = CKTSyntaxEditTextReader::DetectUnicode(pFile);
        CKTSyntaxEditRowWriteLock lock(m_RowLock);
        ReadRows(pFile);
    }
    m_UndoRedoManager.MarkSaved();
    if (pFile)
        SetFileExt(pszFileType ? CString(pszFileType) : ExtensionOf(pFile->GetFileName()));
}

void CKTSyntaxEditBufferManager::Store(CArchive& ar) const
{
    static const BYTE kMark[] = {0xFF, 0xFE};
    if (m_bUnicodeFile)
        ar.Write(kMark, sizeof(kMark));
    int nRows = GetRowCount();
    LPCSTR pszLineEnd = GetLineEndText();
    LPCWSTR pszLineEndW = GetLineEndTextOfStyleW(m_nLineEndStyle);
    std::vector<WCHAR> wide;
    for (int row = 1; row <= nRows; ++row)
    {
        BOOL bLast = row == nRows;
        const CString strLine = m_Lines.GetAt(row);
        if (!m_bUnicodeFile)
        {
            ar.Write(LPCSTR(strLine), UINT(strLine.GetLength()));
            if (!bLast)
                ar.Write(pszLineEnd, UINT(strlen(pszLineEnd)));
            continue;
        }
        wide.resize(size_t(strLine.GetLength()) + 1);
        int nUnits = MultiByteToWideChar(m_nCodePage, 0, strLine, -1, wide.data(), int(wide.size()));
        if (nUnits > 1)
            ar.Write(wide.data(), UINT(nUnits - 1) * sizeof(WCHAR));
        if (!bLast)
            ar.Write(pszLineEndW, UINT(wcslen(pszLineEndW) * sizeof(WCHAR)));
    }
}

void CKTSyntaxEditBufferManager::Serialize(CArchive& ar)
{
    if (ar.IsLoading())
    {
        Load(ar.GetFile());
        return;
    }
    if (m_bSyntaxColor && m_pLexParser)
        m_pLexParser->BreakParsing();
    Store(ar);
    m_UndoRedoManager.MarkSaved();
    if (CFile* pFile = ar.GetFile())
        SetFileExt(ExtensionOf(pFile->GetFileName()));
}
