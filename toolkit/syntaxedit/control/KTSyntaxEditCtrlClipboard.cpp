// Copy, cut and paste through the clipboard, with a marker format that keeps column blocks as blocks.
#include "KTSyntaxEditCtrl.h"

#include "KTSyntaxEditNotify.h"
#include "KTSyntaxEditUndoText.h"

#include <cstring>
#include <vector>

namespace
{
const UINT kShareable = GMEM_MOVEABLE | GMEM_DDESHARE;

UINT ColumnBlockFormat()
{
    static const UINT s_nFormat = ::RegisterClipboardFormatA("MSDEVColumnSelect");
    return s_nFormat;
}

// The clipboard held open for one scope.
class CClipboardScope
{
public:
    explicit CClipboardScope(HWND hWnd) : m_bOpen(::OpenClipboard(hWnd)) {}
    ~CClipboardScope()
    {
        if (m_bOpen)
            ::CloseClipboard();
    }
    CClipboardScope(const CClipboardScope&) = delete;
    CClipboardScope& operator=(const CClipboardScope&) = delete;
    BOOL IsOpen() const { return m_bOpen; }

private:
    BOOL m_bOpen;
};

// A global block locked for one scope; its size bounds what may be read.
class CGlobalLock
{
public:
    explicit CGlobalLock(HGLOBAL hData) : m_hData(hData), m_pData(hData ? ::GlobalLock(hData) : NULL) {}
    ~CGlobalLock()
    {
        if (m_pData)
            ::GlobalUnlock(m_hData);
    }
    CGlobalLock(const CGlobalLock&) = delete;
    CGlobalLock& operator=(const CGlobalLock&) = delete;
    const char* Bytes() const { return static_cast<const char*>(m_pData); }
    SIZE_T Size() const { return m_pData ? ::GlobalSize(m_hData) : 0; }

private:
    HGLOBAL m_hData;
    void* m_pData;
};

// Hands the bytes to the clipboard, which then owns the block.
BOOL PutOnClipboard(UINT nFormat, const void* pData, SIZE_T nBytes)
{
    HGLOBAL hData = ::GlobalAlloc(kShareable, nBytes);
    if (!hData)
        return FALSE;
    if (void* pTarget = ::GlobalLock(hData))
    {
        memcpy(pTarget, pData, nBytes);
        ::GlobalUnlock(hData);
        if (::SetClipboardData(nFormat, hData))
            return TRUE;
    }
    ::GlobalFree(hData);
    return FALSE;
}

// Other programs may hand over text without its terminating zero.
CString ReadClipboardText()
{
    CGlobalLock lock(::GetClipboardData(CF_TEXT));
    if (!lock.Bytes())
        return CString();
    SIZE_T nSize = lock.Size();
    const void* pZero = memchr(lock.Bytes(), 0, nSize);
    SIZE_T nLength = pZero ? SIZE_T(static_cast<const char*>(pZero) - lock.Bytes()) : nSize;
    return CString(lock.Bytes(), int(nLength));
}

BOOL HasColumnMarker()
{
    if (!::IsClipboardFormatAvailable(ColumnBlockFormat()))
        return FALSE;
    CGlobalLock lock(::GetClipboardData(ColumnBlockFormat()));
    return lock.Bytes() && lock.Size() > 0;
}
}  // namespace

void CKTSyntaxEditCtrl::Copy()
{
    if (!m_bSelection || !m_pBuffer)
        return;
    CClipboardScope clipboard(m_hWnd);
    if (!clipboard.IsOpen() || !::EmptyClipboard())
        return;
    CString strText;
    if (!GetSelectionText(strText))
        return;
    SIZE_T nBytes = SIZE_T(strText.GetLength()) + 1;
    PutOnClipboard(CF_TEXT, LPCSTR(strText), nBytes);
    PutOnClipboard(CF_OEMTEXT, LPCSTR(strText), nBytes);
    UINT nCodePage = m_pBuffer->GetCodePage();
    int nChars = ::MultiByteToWideChar(nCodePage, 0, strText, strText.GetLength(), NULL, 0);
    std::vector<WCHAR> wide(size_t(nChars) + 1, L'\0');
    ::MultiByteToWideChar(nCodePage, 0, strText, strText.GetLength(), wide.data(), nChars);
    PutOnClipboard(CF_UNICODETEXT, wide.data(), wide.size() * sizeof(WCHAR));
    if (m_bColumnSelection)
    {
        const BYTE byMarker = 1;
        PutOnClipboard(ColumnBlockFormat(), &byMarker, 1);
    }
}

void CKTSyntaxEditCtrl::CutSelection()
{
    if (!m_bSelection)
        return;
    Copy();
    DeleteSelection(TRUE);
}

// Tabs of the clipboard text stay tabs, and it is inserted, never typed over; the step is
// named only when something went in, so an earlier step keeps its name.
void CKTSyntaxEditCtrl::Paste()
{
    CWaitCursor wait;
    CClipboardScope clipboard(m_hWnd);
    if (!clipboard.IsOpen() || !::IsClipboardFormatAvailable(CF_TEXT))
        return;
    BOOL bColumn = HasColumnMarker();
    CString strText = ReadClipboardText();
    if (!m_pBuffer)
        return;
    BOOL bTabWithSpace = m_bTabWithSpace;
    BOOL bOverwrite = m_pBuffer->GetOverwriteMode();
    m_bTabWithSpace = FALSE;
    m_pBuffer->SetOverwriteMode(FALSE);
    BOOL bInserted = bColumn ? InsertColumnString(strText, m_nCurrentRow, m_nCurrentChar, m_bSelection, TRUE)
                             : InsertString(strText, m_nCurrentRow, m_nCurrentChar, m_bSelection, TRUE);
    m_bTabWithSpace = bTabWithSpace;
    m_pBuffer->SetOverwriteMode(bOverwrite);
    if (!bInserted)
        return;
    m_pBuffer->GetUndoRedoManager()->SetLastCommandText(KT_IDS_EDIT_PASTE);
    m_nRedrawRow = -1;
    Invalidate(FALSE);
    EnsureVisible(m_nCurrentRow, m_nDispCol, TRUE, TRUE);
}

// The block goes in one line per row from the start row; no row is added
// or removed in between, so the line marks keep their rows.
BOOL CKTSyntaxEditCtrl::InsertColumnString(LPCSTR pszText, int nRow, int nCol, BOOL bDeleteSelection, BOOL bRedraw)
{
    if (!m_pBuffer || !CanEditDoc())
        return FALSE;
    SetCurrentRow(nRow);
    m_nCurrentChar = nCol;
    BOOL bDeleted = bDeleteSelection && m_bSelection;
    if (bDeleteSelection && !DeleteSelection(bRedraw))
        return FALSE;
    if (!pszText || !*pszText)
        return FALSE;
    OnParserBreak();
    KT_EDIT_TEXTPOS start(m_nCurrentRow, m_nCurrentChar), end;
    if (!m_pBuffer->InsertTextBlock(pszText, start.nLine, start.nCol, TRUE, &end))
        return FALSE;
    if (bDeleted)
        m_pBuffer->GetUndoRedoManager()->ChainLastCommand();
    SetCaretChar(start.nLine, start.nCol);
    RecalcScrollBars();
    OnTextEdited(start.nLine, start.nCol, end.nLine, end.nCol, CKTSyntaxEditLexParserLink::editInserted);
    InvalidateRowRange(start.nLine, end.nLine);
    NotifyTextChanged(start.nLine, end.nLine, KT_EDIT_CHANGE_TEXT);
    NotifyModified(TRUE);
    if (bRedraw)
    {
        m_nRedrawRow = -1;
        EnsureVisible(m_nCurrentRow, m_nDispCol, TRUE, TRUE);
        UpdateWindow();
    }
    return TRUE;
}
