// The buffer's rows: settings, editing with undo records, copying out and column maths.
#include "KTSyntaxEditBufferManager.h"

#include "KTSyntaxEditChars.h"
#include "KTSyntaxEditProfile.h"
#include "KTSyntaxEditTextFile.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

IMPLEMENT_DYNCREATE(CKTSyntaxEditBufferManager, CCmdTarget)

namespace
{
PFN_KT_CREATE_LEXPARSER g_pfnCreateLexParser = NULL;

const char kSettings[] = "Settings";
const char kTabSize[] = "TabSize";

const char* const kLineEnds[] = {"\r\n", "\n\r", "\n"};
const wchar_t* const kLineEndsW[] = {L"\r\n", L"\n\r", L"\n"};

int ValidStyle(int nStyle) { return nStyle >= 0 && nStyle <= 2 ? nStyle : 0; }

// The pieces of an inserted text, split at any line end.
std::vector<CString> SplitLines(LPCSTR pszText, BOOL& bEndsWithLineEnd)
{
    std::vector<CString> pieces;
    CKTSyntaxEditTextReader reader(pszText, int(strlen(pszText)));
    CString strLine;
    int nStyle = -1;
    bEndsWithLineEnd = FALSE;
    while (reader.ReadLine(strLine, nStyle))
    {
        pieces.push_back(strLine);
        bEndsWithLineEnd = nStyle >= 0;
    }
    if (pieces.empty())
        pieces.emplace_back();
    return pieces;
}
}  // namespace

CKTSyntaxEditBufferManager::CKTSyntaxEditBufferManager() : m_ptrConnection(KTMakeCounted<CKTNotificationConnection>())
{
    if (g_pfnCreateLexParser)
        m_pLexParser = g_pfnCreateLexParser(this);
    m_nTabSize = KTReadProfileInt(kSettings, kTabSize, m_nTabSize, kMinTabSize, kMaxTabSize);
}

CKTSyntaxEditBufferManager::~CKTSyntaxEditBufferManager()
{
    Close();
    if (m_pLexParser)
        m_pLexParser->ReleaseLink();
}

void CKTSyntaxEditBufferManager::SetLexParserFactory(PFN_KT_CREATE_LEXPARSER pfnCreate)
{
    g_pfnCreateLexParser = pfnCreate;
}

// --- Rows and settings ------------------------------------------------------

BOOL CKTSyntaxEditBufferManager::GetLineText(int nRow, CString& strText, BOOL bAddLineEnd, int nStyle) const
{
    strText = m_Lines.GetAt(nRow);
    if (bAddLineEnd)
        strText += GetLineEndTextOfStyle(nStyle >= 0 && nStyle <= 2 ? nStyle : m_nLineEndStyle);
    return nRow >= 1 && nRow <= GetRowCount();
}

CString CKTSyntaxEditBufferManager::GetLineTextEx(int nRow, BOOL bAddLineEnd, int nStyle) const
{
    CString strText;
    GetLineText(nRow, strText, bAddLineEnd, nStyle);
    return strText;
}

int CKTSyntaxEditBufferManager::CopyLineText(int nRow, char* pDest, int nCapacity) const
{
    if (nRow < 1 || nRow > GetRowCount())
        return -1;
    int nLength = m_Lines.GetLengthAt(nRow);
    LPCSTR pszLineEnd = GetLineEndText();
    int nEndLength = int(strlen(pszLineEnd));
    if (nLength + nEndLength > nCapacity)
        return nLength + nEndLength;
    memcpy(pDest, m_Lines.GetTextAt(nRow), size_t(nLength));
    memcpy(pDest + nLength, pszLineEnd, size_t(nEndLength));
    return nLength + nEndLength;
}

LPCSTR CKTSyntaxEditBufferManager::GetLineEndTextOfStyle(int nStyle) { return kLineEnds[ValidStyle(nStyle)]; }

LPCWSTR CKTSyntaxEditBufferManager::GetLineEndTextOfStyleW(int nStyle) { return kLineEndsW[ValidStyle(nStyle)]; }

BOOL CKTSyntaxEditBufferManager::IsLineEndText(LPCSTR pszText, BOOL bBackwards) const
{
    if (!pszText)
        return FALSE;
    LPCSTR pszEnd = GetLineEndText();
    size_t nLength = strlen(pszEnd);
    LPCSTR p = bBackwards ? pszText - nLength + 1 : pszText;
    return strncmp(p, pszEnd, nLength) == 0;
}

int CKTSyntaxEditBufferManager::GetMaxLineTextLength(int nFirstRow, int nLastRow) const
{
    int nRows = GetRowCount();
    if (nRows == 0)
        return 0;
    if (nLastRow < 0 || nLastRow > nRows)
        nLastRow = nRows;
    nFirstRow = std::min(std::max(nFirstRow, 1), nRows);
    int nMax = 0;
    for (int row = nFirstRow; row <= nLastRow; ++row)
        nMax = std::max(nMax, m_Lines.GetLengthAt(row));
    return nMax;
}

BOOL CKTSyntaxEditBufferManager::SetTabSize(int nSize, BOOL bSave)
{
    m_nTabSize = std::clamp(nSize, kMinTabSize, kMaxTabSize);
    if (!bSave)
        return TRUE;
    CWinApp* pApp = AfxGetApp();
    return pApp ? pApp->WriteProfileInt(kSettings, kTabSize, m_nTabSize) : FALSE;
}

void CKTSyntaxEditBufferManager::SetFileExt(LPCSTR pszType)
{
    CString strType(pszType ? pszType : "");
    if (strType.CompareNoCase(m_strFileExt) == 0)
        return;
    {
        CKTSyntaxEditRowWriteLock lock(m_RowLock);
        m_strFileExt = strType;
    }
    if (m_bSyntaxColor && m_pLexParser)
        m_pLexParser->OnFileTypeChanged(this);
}

void CKTSyntaxEditBufferManager::EnableSyntaxColor(BOOL bOn)
{
    bOn = bOn ? TRUE : FALSE;
    if (bOn == m_bSyntaxColor)
        return;
    m_bSyntaxColor = bOn;
    if (m_pLexParser)
        m_pLexParser->OnSyntaxColorChanged(this, bOn);
}

CString CKTSyntaxEditBufferManager::GetConfigFile() const
{
    return m_pLexParser ? m_pLexParser->GetConfigFile() : CString();
}

BOOL CKTSyntaxEditBufferManager::SetConfigFile(LPCSTR pszPath)
{
    return m_pLexParser ? m_pLexParser->SetConfigFile(pszPath) : FALSE;
}

int CKTSyntaxEditBufferManager::GetMaxBackParseOffset() const
{
    return m_pLexParser ? m_pLexParser->GetMaxBackParseOffset() : kDefaultBackParseOffset;
}

void CKTSyntaxEditBufferManager::OnConfigManagerEvent(DWORD dwCode, WPARAM wParam, LPARAM lParam)
{
    if (!m_bSyntaxColor || !m_pLexParser)
        return;
    if (m_pLexParser->OnConfigManagerEvent(this, dwCode, wParam, lParam))
        m_ptrConnection->SendEvent(dwCode, wParam, lParam, 0);
}

// --- Columns ----------------------------------------------------------------

int CKTSyntaxEditBufferManager::GetCharOffsetOfColumn(int nRow, int nColumn) const
{
    LPCSTR pszText = m_Lines.GetTextAt(nRow);
    int nLength = m_Lines.GetLengthAt(nRow);
    int x = 0;
    int nOffset = 0;
    while (nOffset < nLength && x + 1 < nColumn)
    {
        x += pszText[nOffset] == '\t' ? m_nTabSize - x % m_nTabSize : 1;
        nOffset += KTCharLen(pszText + nOffset);
    }
    return std::min(nOffset, nLength);
}

int CKTSyntaxEditBufferManager::GetColumnOfCharOffset(int nRow, int nOffset) const
{
    LPCSTR pszText = m_Lines.GetTextAt(nRow);
    int nEnd = std::min(std::max(nOffset, 0), m_Lines.GetLengthAt(nRow));
    int nColumn = 1;
    for (int i = 0; i < nEnd; i += KTCharLen(pszText + i))
        nColumn += pszText[i] == '\t' ? m_nTabSize - (nColumn - 1) % m_nTabSize : 1;
    return nColumn;
}

int CKTSyntaxEditBufferManager::EstimateTextSize(int nRowA, int nRowB) const
{
    return (std::abs(nRowA - nRowB) * m_nAverageLineLen / 1024 + 1) * 1024;
}

// --- Editing ----------------------------------------------------------------

void CKTSyntaxEditBufferManager::RecordInsert(LPCSTR pszText, const CString& strOverwritten,
                                              const KT_EDIT_TEXTPOS& lcStart, const KT_EDIT_TEXTPOS& lcEnd)
{
    if (m_bOverwriteMode && !strOverwritten.IsEmpty())
    {
        m_UndoRedoManager.SetGroupInsertMode(FALSE);
        m_UndoRedoManager.AddCommand(
            new CKTSyntaxEditReplaceStringCommand(this, pszText, strOverwritten, lcStart, lcEnd));
        return;
    }
    m_UndoRedoManager.AddCommand(new CKTSyntaxEditInsertStringCommand(this, pszText, lcStart, lcEnd));
}

void CKTSyntaxEditBufferManager::PlaceFirstPiece(int nRow, int nOffset, const CString& strPiece, CString& strTail,
                                                 CString& strOverwritten)
{
    if (nOffset >= m_Lines.GetLengthAt(nRow))
    {
        m_Lines.InsertIntoLine(nRow, nOffset, strPiece, TRUE, ' ');
        return;
    }
    CString strLine = m_Lines.GetAt(nRow);
    strTail = strLine.Mid(nOffset);
    m_Lines.SetAt(nRow, strLine.Left(nOffset) + strPiece);
    if (!m_bOverwriteMode)
        return;
    int nCovered = std::min(strTail.GetLength(), strPiece.GetLength());
    strOverwritten = strTail.Left(nCovered);
    strTail = strTail.Mid(nCovered);
}

KT_EDIT_TEXTPOS CKTSyntaxEditBufferManager::PlaceOtherPieces(int nRow, const std::vector<CString>& pieces,
                                                             BOOL bEndsWithLineEnd, const CString& strTail)
{
    int row = nRow;
    for (size_t i = 1; i < pieces.size(); ++i)
        m_Lines.InsertAt(++row, pieces[i]);
    if (bEndsWithLineEnd)
    {
        m_Lines.InsertAt(++row, strTail);
        return KT_EDIT_TEXTPOS(row, 1);
    }
    int nLength = m_Lines.GetLengthAt(row);
    m_Lines.InsertIntoLine(row, nLength, strTail, TRUE, 0);
    return KT_EDIT_TEXTPOS(row, nLength + 1);
}

// What an insertion at nRow adds before its text when nRow lies past the last row:
// a line end for each row it creates, then the spaces up to the position.
CString CKTSyntaxEditBufferManager::GapText(int nLastRow, int nRow, int nPad) const
{
    CString strGap;
    for (int row = nLastRow; row < nRow; ++row)
        strGap += GetLineEndText();
    return strGap + CString(' ', nPad);
}

// Where that gap begins: the end of the last row when rows are created.
KT_EDIT_TEXTPOS CKTSyntaxEditBufferManager::GapStart(int nLastRow, int nRow, int nPos) const
{
    if (nRow <= nLastRow)
        return KT_EDIT_TEXTPOS(nRow, nPos);
    return KT_EDIT_TEXTPOS(nLastRow, m_Lines.GetLengthAt(nLastRow) + 1);
}

BOOL CKTSyntaxEditBufferManager::InsertText(LPCSTR pszText, int nRow, int nPos, BOOL bRecordUndo, KT_EDIT_TEXTPOS* pEnd)
{
    if (!pszText)
        pszText = "";
    if (nRow < 1)
        return FALSE;
    BOOL bEndsWithLineEnd = FALSE;
    std::vector<CString> pieces = SplitLines(pszText, bEndsWithLineEnd);
    int nOffset = std::max(nPos - 1, 0);
    int nPad = std::max(nOffset - m_Lines.GetLengthAt(nRow), 0);
    int nLastRow = std::max(GetRowCount(), 1);
    CString strTail, strOverwritten;
    KT_EDIT_TEXTPOS lcEnd;
    {
        CKTSyntaxEditRowWriteLock lock(m_RowLock);
        PlaceFirstPiece(nRow, nOffset, pieces[0], strTail, strOverwritten);
        lcEnd = PlaceOtherPieces(nRow, pieces, bEndsWithLineEnd, strTail);
    }
    // The rows and spaces that filled the gap belong to the step, so undo takes them too.
    if (bRecordUndo)
        RecordInsert(GapText(nLastRow, nRow, nPad) + pszText, strOverwritten,
                     GapStart(nLastRow, nRow, nOffset + 1 - nPad), lcEnd);
    if (pEnd)
        *pEnd = lcEnd;
    return TRUE;
}

BOOL CKTSyntaxEditBufferManager::InsertTextBlock(LPCSTR pszText, int nRow, int nPos, BOOL bRecordUndo,
                                                 KT_EDIT_TEXTPOS* pEnd)
{
    if (!pszText || nRow < 1)
        return FALSE;
    BOOL bEndsWithLineEnd = FALSE;
    std::vector<CString> pieces = SplitLines(pszText, bEndsWithLineEnd);
    int nColumn = GetColumnOfCharOffset(nRow, nPos - 1);
    if (bRecordUndo)
        m_UndoRedoManager.SetGroupInsertMode(TRUE);
    KT_EDIT_TEXTPOS lcEnd(nRow, nPos);
    int row = nRow;
    for (const CString& piece : pieces)
    {
        int nLength = m_Lines.GetLengthAt(row);
        int nLastColumn = GetColumnOfCharOffset(row, nLength);
        int nPad = std::max(nColumn - nLastColumn, 0);
        int nOffset = nPad > 0 ? nLength + nPad : GetCharOffsetOfColumn(row, nColumn);
        {
            CKTSyntaxEditRowWriteLock lock(m_RowLock);
            m_Lines.InsertIntoLine(row, nOffset, piece, TRUE, ' ');
        }
        lcEnd = KT_EDIT_TEXTPOS(row, nOffset + piece.GetLength() + 1);
        if (bRecordUndo)
            m_UndoRedoManager.AddCommand(new CKTSyntaxEditInsertStringCommand(
                this, CString(' ', nPad) + piece, KT_EDIT_TEXTPOS(row, nOffset + 1 - nPad), lcEnd));
        ++row;
    }
    if (bRecordUndo)
        m_UndoRedoManager.SetGroupInsertMode(FALSE);
    if (pEnd)
        *pEnd = lcEnd;
    return TRUE;
}

KT_EDIT_TEXTPOS CKTSyntaxEditBufferManager::GetEndPos() const
{
    const int nRows = GetRowCount();
    return nRows == 0 ? KT_EDIT_TEXTPOS(1, 1) : KT_EDIT_TEXTPOS(nRows, m_Lines.GetLengthAt(nRows) + 1);
}

// A whole new text keeps nothing of the file's: the bytes kept for the old rows go with them, to come
// back with them on undo.
void CKTSyntaxEditBufferManager::SwapRows(CKTSyntaxEditLineArray& rows, int& nLineEndStyle,
                                          std::unique_ptr<CKTSyntaxEditUnicodeOriginal>& pUnicodeOriginal)
{
    CKTSyntaxEditRowWriteLock lock(m_RowLock);
    m_Lines.Swap(rows);
    std::swap(m_nLineEndStyle, nLineEndStyle);
    m_pUnicodeOriginal.swap(pUnicodeOriginal);
}

BOOL CKTSyntaxEditBufferManager::ReplaceAllText(LPCSTR pszText, KT_EDIT_TEXTPOS& lcOldEnd, KT_EDIT_TEXTPOS& lcNewEnd)
{
    CKTSyntaxEditNewText text(pszText, pszText ? int(strlen(pszText)) : 0);
    return ReplaceAllText(text, lcOldEnd, lcNewEnd);
}

// The rows are built aside and swapped in; the old ones move into the undo step as they are, so a
// big text is split once and never copied. A text whose lines end as a Makefile's must keep its ends
// when saved, so it brings its style.
BOOL CKTSyntaxEditBufferManager::ReplaceAllText(CKTSyntaxEditNewText& text, KT_EDIT_TEXTPOS& lcOldEnd,
                                                KT_EDIT_TEXTPOS& lcNewEnd)
{
    return ReplaceAllText(*PrepareReplaceAll(text), lcOldEnd, lcNewEnd);
}

std::unique_ptr<CKTSyntaxEditPreparedText> CKTSyntaxEditBufferManager::PrepareReplaceAll(CKTSyntaxEditNewText& text)
{
    std::unique_ptr<CKTSyntaxEditLineArray> pRows = text.TakeRows();
    const int nLineEndStyle = text.GetLineEndStyle() >= 0 ? text.GetLineEndStyle() : m_nLineEndStyle;
    return std::make_unique<CKTSyntaxEditPreparedText>(
        std::make_unique<CKTSyntaxEditReplaceAllCommand>(this, std::move(pRows), nLineEndStyle), text.IsEmpty());
}

BOOL CKTSyntaxEditBufferManager::ReplaceAllText(CKTSyntaxEditPreparedText& text, KT_EDIT_TEXTPOS& lcOldEnd,
                                                KT_EDIT_TEXTPOS& lcNewEnd)
{
    lcOldEnd = GetEndPos();
    if (text.IsEmpty() && GetRowCount() <= 1 && GetLineLength(1) == 0)
        return FALSE;
    text.Command().SwapRows();
    lcNewEnd = GetEndPos();
    m_UndoRedoManager.AddPrepared(text.Step());
    return TRUE;
}

CKTSyntaxEditPreparedText::CKTSyntaxEditPreparedText(std::unique_ptr<CKTSyntaxEditReplaceAllCommand> pCommand,
                                                     BOOL bEmpty)
    : m_step(std::move(pCommand)), m_bEmpty(bEmpty)
{
}

CKTSyntaxEditReplaceAllCommand& CKTSyntaxEditPreparedText::Command() const
{
    return static_cast<CKTSyntaxEditReplaceAllCommand&>(m_step.Command());
}

// Orders the two ends and clips them to the text; FALSE when nothing is left.
BOOL CKTSyntaxEditBufferManager::ClipRange(int& nRow1, int& nCol1, int& nRow2, int& nCol2, BOOL bDisplayColumns) const
{
    int nRows = GetRowCount();
    if (KT_EDIT_TEXTPOS(nRow2, nCol2) < KT_EDIT_TEXTPOS(nRow1, nCol1))
    {
        std::swap(nRow1, nRow2);
        std::swap(nCol1, nCol2);
    }
    nRow1 = std::max(nRow1, 1);
    if (nRow1 > nRows)
        return FALSE;
    if (nRow2 > nRows)
    {
        nRow2 = nRows;
        nCol2 = bDisplayColumns ? INT_MAX : m_Lines.GetLengthAt(nRows) + 1;
    }
    return TRUE;
}

CString CKTSyntaxEditBufferManager::GetTextRange(const KT_EDIT_TEXTPOS& lcFrom, const KT_EDIT_TEXTPOS& lcTo) const
{
    return CopyRange(lcFrom.nLine, GetColumnOfCharOffset(lcFrom.nLine, lcFrom.nCol - 1), lcTo.nLine,
                     GetColumnOfCharOffset(lcTo.nLine, lcTo.nCol - 1), FALSE, FALSE);
}

void CKTSyntaxEditBufferManager::RecordDelete(int nRow1, int nOffset1, int nRow2, int nOffset2)
{
    KT_EDIT_TEXTPOS lcFrom(nRow1, nOffset1 + 1), lcTo(nRow2, nOffset2 + 1);
    m_UndoRedoManager.AddCommand(new CKTSyntaxEditDeleteStringCommand(this, GetTextRange(lcFrom, lcTo), lcFrom, lcTo));
}

void CKTSyntaxEditBufferManager::JoinRows(int nRow1, int nOffset1, int nRow2, int nOffset2)
{
    CString strFirst = m_Lines.GetAt(nRow1);
    if (nOffset1 < strFirst.GetLength())
        strFirst = strFirst.Left(nOffset1);
    CString strRest = m_Lines.GetAt(nRow2);
    m_Lines.SetAt(nRow1, strFirst + strRest.Mid(std::min(nOffset2, strRest.GetLength())));
    m_Lines.RemoveRange(nRow1 + 1, nRow2);
}

BOOL CKTSyntaxEditBufferManager::DeleteText(int nRow1, int nCol1, int nRow2, int nCol2, BOOL bRecordUndo,
                                            BOOL bDisplayColumns)
{
    if (!ClipRange(nRow1, nCol1, nRow2, nCol2, bDisplayColumns))
        return FALSE;
    int o1 = bDisplayColumns ? GetCharOffsetOfColumn(nRow1, nCol1) : std::max(nCol1 - 1, 0);
    int o2 = bDisplayColumns ? GetCharOffsetOfColumn(nRow2, nCol2) : std::max(nCol2 - 1, 0);
    if (bRecordUndo)
        RecordDelete(nRow1, o1, nRow2, o2);
    CKTSyntaxEditRowWriteLock lock(m_RowLock);
    if (nRow1 == nRow2)
        return m_Lines.DeleteChars(nRow1, std::min(o1, o2), std::abs(o2 - o1));
    JoinRows(nRow1, o1, nRow2, o2);
    return TRUE;
}

BOOL CKTSyntaxEditBufferManager::ChangeCase(int nRow, int nDispCol1, int nDispCol2, BOOL bUpper, BOOL bRecordUndo)
{
    if (nRow < 1 || nRow > GetRowCount())
        return FALSE;
    int o1 = GetCharOffsetOfColumn(nRow, nDispCol1);
    int o2 = GetCharOffsetOfColumn(nRow, nDispCol2);
    if (o2 < o1)
        std::swap(o1, o2);
    CString strLine = m_Lines.GetAt(nRow);
    CString strOld = strLine.Mid(o1, o2 - o1);
    CString strNew = strOld;
    if (bUpper)
        strNew.MakeUpper();
    else
        strNew.MakeLower();
    {
        CKTSyntaxEditRowWriteLock lock(m_RowLock);
        m_Lines.SetAt(nRow, strLine.Left(o1) + strNew + strLine.Mid(o2));
    }
    if (bRecordUndo)
        m_UndoRedoManager.AddCommand(new CKTSyntaxEditReplaceStringCommand(
            this, strNew, strOld, KT_EDIT_TEXTPOS(nRow, o1 + 1), KT_EDIT_TEXTPOS(nRow, o2 + 1)));
    return TRUE;
}

// --- Copying out ------------------------------------------------------------

CString CKTSyntaxEditBufferManager::CopyRange(int nRow1, int nDispCol1, int nRow2, int nDispCol2, BOOL bColumnBlock,
                                              BOOL bForceCRLF) const
{
    if (nRow2 < nRow1)
    {
        std::swap(nRow1, nRow2);
        std::swap(nDispCol1, nDispCol2);
    }
    if ((nRow1 == nRow2 || bColumnBlock) && nDispCol2 < nDispCol1)
        std::swap(nDispCol1, nDispCol2);
    LPCSTR pszLineEnd = bForceCRLF ? "\r\n" : GetLineEndText();
    CString strOut;
    strOut.Preallocate(EstimateTextSize(nRow1, nRow2));
    for (int row = nRow1; row <= nRow2; ++row)
    {
        int nLength = m_Lines.GetLengthAt(row);
        int nStart = row == nRow1 || bColumnBlock ? GetCharOffsetOfColumn(row, nDispCol1) : 0;
        int nEnd = row == nRow2 || bColumnBlock ? GetCharOffsetOfColumn(row, nDispCol2) : nLength;
        CString strPiece = m_Lines.GetAt(row).Mid(nStart, std::max(nEnd - nStart, 0));
        if (bColumnBlock && strPiece.GetLength() < nDispCol2 - nDispCol1)
            strPiece += CString(' ', nDispCol2 - nDispCol1 - strPiece.GetLength());
        strOut += strPiece;
        if (bColumnBlock || row != nRow2)
            strOut += pszLineEnd;
    }
    return strOut;
}

BOOL CKTSyntaxEditBufferManager::GetBuffer(int nRow1, int nDispCol1, int nRow2, int nDispCol2, CFile* pFile,
                                           BOOL bColumnBlock, BOOL bForceCRLF) const
{
    CString strOut = CopyRange(nRow1, nDispCol1, nRow2, nDispCol2, bColumnBlock, bForceCRLF);
    if (pFile && !strOut.IsEmpty())
        pFile->Write(LPCSTR(strOut), UINT(strOut.GetLength()));
    return TRUE;
}
