// Loading a buffer from a file, storing it back, and emptying it.
#include "KTSyntaxEditBufferManager.h"

#include "KTResourceManager.h"
#include "KTSyntaxEditRes.h"
#include "KTSyntaxEditTextFile.h"
#include "KTSyntaxEditUnicodeOriginal.h"

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

CString LoadText(UINT nID)
{
    CString strText;
    KTResourceManager()->LoadString(&strText, nID);
    return strText;
}

// Why a changed text was not saved over the UTF-16 file it came from.
CString RefusalText(LPCSTR pszPath)
{
    const CString strFile = pszPath && *pszPath ? CString(pszPath) : LoadText(KT_IDS_EDIT_ITS_FILE);
    CString strWhy;
    strWhy.Format(LoadText(KT_IDS_EDIT_NOT_SAVED_OVER), LPCSTR(strFile));
    return strWhy;
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
    m_pUnicodeOriginal.reset();
    m_UndoRedoManager.Clear();
}

BOOL CKTSyntaxEditBufferManager::ReadRows(CFile* pFile, BOOL bUnicode, CKTSyntaxEditLineArray& rows, int& nLineEndStyle)
{
    CKTSyntaxEditTextReader reader(pFile, bUnicode);
    CString strLine;
    int nStyle = -1;
    int nLastStyle = -1;
    BOOL bStyleSeen = FALSE;
    int row = 0;
    while (reader.ReadLine(strLine, nStyle))
    {
        rows.SetAt(++row, strLine);
        if (!bStyleSeen && nStyle >= 0)
        {
            nLineEndStyle = nStyle;
            bStyleSeen = TRUE;
        }
        nLastStyle = nStyle;
    }
    if (row > 0 && nLastStyle >= 0)
        rows.SetAt(++row, "");
    return reader.HasLostCharacters();
}

std::unique_ptr<CKTSyntaxEditUnicodeOriginal> CKTSyntaxEditBufferManager::UnicodeOriginalOf(
    CFile* pFile, const CKTSyntaxEditLineArray& rows, int nLineEndStyle)
{
    std::string bytes(size_t(pFile->GetLength()), '\0');
    pFile->SeekToBegin();
    bytes.resize(pFile->Read(&bytes[0], UINT(bytes.size())));
    return std::make_unique<CKTSyntaxEditUnicodeOriginal>(std::move(bytes), rows, nLineEndStyle, pFile->GetFilePath());
}

// A freshly loaded text is at its saved state: nothing to save yet. The file is read aside first, so that a read
// that fails partway, or memory running out, leaves the text, its undo history and its colouring as they were.
void CKTSyntaxEditBufferManager::Load(CFile* pFile, LPCSTR pszFileType)
{
    CKTSyntaxEditLineArray rows;
    int nLineEndStyle = m_nLineEndStyle;
    BOOL bUnicode = m_bUnicodeFile;
    std::unique_ptr<CKTSyntaxEditUnicodeOriginal> pUnicodeOriginal;
    if (pFile)
    {
        bUnicode = CKTSyntaxEditTextReader::DetectUnicode(pFile);
        if (ReadRows(pFile, bUnicode, rows, nLineEndStyle))
            pUnicodeOriginal = UnicodeOriginalOf(pFile, rows, nLineEndStyle);
    }
    const CString strFileExt = pFile ? (pszFileType ? CString(pszFileType) : ExtensionOf(pFile->GetFileName())) : "";
    if (m_pLexParser)
        m_pLexParser->BreakParsing();
    ClearText();
    SwapRows(rows, nLineEndStyle, pUnicodeOriginal);
    m_bUnicodeFile = bUnicode;
    m_UndoRedoManager.MarkSaved();
    if (pFile)
        SetFileExt(strFileExt);
}

BOOL CKTSyntaxEditBufferManager::Store(const std::function<void(const void*, size_t)>& write, LPCSTR pszPath,
                                       CString* pWhy) const
{
    if (!m_pUnicodeOriginal)
    {
        StoreRows(write);
        return TRUE;
    }
    if (m_pUnicodeOriginal->IsUnchanged(m_Lines, m_nLineEndStyle))
    {
        write(m_pUnicodeOriginal->GetBytes().data(), m_pUnicodeOriginal->GetBytes().size());
        return TRUE;
    }
    if (!m_pUnicodeOriginal->IsReadFrom(pszPath))
    {
        StoreRows(write);
        return TRUE;
    }
    if (pWhy)
        *pWhy = RefusalText(pszPath);
    return FALSE;
}

void CKTSyntaxEditBufferManager::StoreRows(const std::function<void(const void*, size_t)>& write) const
{
    static const BYTE kMark[] = {0xFF, 0xFE};
    if (m_bUnicodeFile)
        write(kMark, sizeof(kMark));
    int nRows = GetRowCount();
    LPCSTR pszLineEnd = GetLineEndText();
    LPCWSTR pszLineEndW = GetLineEndTextOfStyleW(m_nLineEndStyle);
    std::vector<WCHAR> wide;
    for (int row = 1; row <= nRows; ++row)
    {
        BOOL bLast = row == nRows;
        if (!m_bUnicodeFile)
        {
            write(m_Lines.GetTextAt(row), size_t(m_Lines.GetLengthAt(row)));
            if (!bLast)
                write(pszLineEnd, strlen(pszLineEnd));
            continue;
        }
        wide.resize(size_t(m_Lines.GetLengthAt(row)) + 1);
        int nUnits = MultiByteToWideChar(m_nCodePage, 0, m_Lines.GetTextAt(row), -1, wide.data(), int(wide.size()));
        if (nUnits > 1)
            write(wide.data(), size_t(nUnits - 1) * sizeof(WCHAR));
        if (!bLast)
            write(pszLineEndW, wcslen(pszLineEndW) * sizeof(WCHAR));
    }
}

std::string CKTSyntaxEditBufferManager::GetFileImage() const
{
    std::string image;
    image.reserve(size_t(EstimateTextSize(1, GetRowCount())));
    Store([&image](const void* pData, size_t nBytes) { image.append(static_cast<const char*>(pData), nBytes); }, NULL,
          NULL);
    return image;
}

// Rows as they were read were stored as the file's own bytes: the file saved to holds them now.
void CKTSyntaxEditBufferManager::NoteStoredTo(LPCSTR pszPathName)
{
    if (m_pUnicodeOriginal && pszPathName && m_pUnicodeOriginal->IsUnchanged(m_Lines, m_nLineEndStyle))
        m_pUnicodeOriginal->NoteSavedTo(pszPathName);
}

void CKTSyntaxEditBufferManager::MarkStored(LPCSTR pszPathName)
{
    NoteStoredTo(pszPathName);
    m_UndoRedoManager.MarkSaved();
    SetFileExt(ExtensionOf(pszPathName));
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
    CFile* pFile = ar.GetFile();
    CString strWhy;
    if (!Store([&ar](const void* pData, size_t nBytes) { ar.Write(pData, UINT(nBytes)); },
               pFile ? LPCSTR(pFile->GetFilePath()) : NULL, &strWhy))
        throw new CKTSyntaxEditStoreRefused(strWhy);
    m_UndoRedoManager.MarkSaved();
    if (!pFile)
        return;
    NoteStoredTo(pFile->GetFilePath());
    SetFileExt(ExtensionOf(pFile->GetFileName()));
}
