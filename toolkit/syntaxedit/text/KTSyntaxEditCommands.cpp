// Replaying and reverting recorded edits on the buffer.
#include "KTSyntaxEditCommands.h"

#include "KTSyntaxEditBufferManager.h"
#include "KTSyntaxEditUndoText.h"

#include <algorithm>
#include <climits>

IMPLEMENT_DYNAMIC(CKTSyntaxEditCommand, CObject)
IMPLEMENT_DYNAMIC(CKTSyntaxEditBatchCommand, CKTSyntaxEditCommand)
IMPLEMENT_DYNAMIC(CKTSyntaxEditBufferCommand, CKTSyntaxEditCommand)
IMPLEMENT_DYNAMIC(CKTSyntaxEditDeleteStringCommand, CKTSyntaxEditBufferCommand)
IMPLEMENT_DYNAMIC(CKTSyntaxEditInsertStringCommand, CKTSyntaxEditBufferCommand)
IMPLEMENT_DYNAMIC(CKTSyntaxEditReplaceStringCommand, CKTSyntaxEditBufferCommand)
IMPLEMENT_DYNAMIC(CKTSyntaxEditReplaceAllCommand, CKTSyntaxEditCommand)

namespace
{
// Puts the buffer's overwrite mode back however the replay ends.
class COverwriteModeScope
{
public:
    COverwriteModeScope(CKTSyntaxEditBufferManager* pBuffer, BOOL bMode)
        : m_pBuffer(pBuffer), m_bSaved(pBuffer->GetOverwriteMode())
    {
        m_pBuffer->SetOverwriteMode(bMode);
    }
    ~COverwriteModeScope() { m_pBuffer->SetOverwriteMode(m_bSaved); }
    COverwriteModeScope(const COverwriteModeScope&) = delete;
    COverwriteModeScope& operator=(const COverwriteModeScope&) = delete;

private:
    CKTSyntaxEditBufferManager* m_pBuffer;
    BOOL m_bSaved;
};

void NotifyParser(CKTSyntaxEditBufferManager* pBuffer, const KT_EDIT_TEXTPOS& lcStart, const KT_EDIT_TEXTPOS& lcEnd,
                  int nKind)
{
    if (CKTSyntaxEditLexParserLink* pParser = pBuffer->GetLexParser())
        pParser->OnEditChanged(lcStart, lcEnd, nKind, pBuffer);
}

void MoveCaret(CKTSyntaxEditCaretHost* pCtrl, const KT_EDIT_TEXTPOS& pos)
{
    if (pCtrl)
        pCtrl->SetCaretTextPos(pos);
}

// Across rows, an insertion adds rows, a deletion removes them, a replacement does both.
DWORD RowsChangedBy(DWORD dwAction)
{
    DWORD dwRows = 0;
    if (dwAction & KT_EDIT_ACTION_INSERT)
        dwRows |= KT_EDIT_CHANGE_ROWS_INSERTED;
    if (dwAction & KT_EDIT_ACTION_DELETE)
        dwRows |= KT_EDIT_CHANGE_ROWS_DELETED;
    return dwRows;
}
}  // namespace

// --- CKTSyntaxEditCommand ---------------------------------------------------

CKTSyntaxEditCommand::CKTSyntaxEditCommand() : m_strCommandText(KTLoadUndoText(KT_IDS_EDIT_UNDEFINED)) {}

CString CKTSyntaxEditCommand::GetCommandText() const { return m_strCommandText; }

void CKTSyntaxEditCommand::SetCommandText(LPCSTR pszText) { m_strCommandText = pszText ? pszText : ""; }

// --- CKTSyntaxEditBatchCommand ----------------------------------------------

CKTSyntaxEditBatchCommand::CKTSyntaxEditBatchCommand() { m_strCommandText = KTLoadUndoText(KT_IDS_EDIT_MULTIPLE); }

void CKTSyntaxEditBatchCommand::AddHead(CKTSyntaxEditCommand* pCommand) { m_CommandList.emplace_front(pCommand); }

namespace
{
template <class Iter, class Step>
DWORD RunChildren(Iter first, Iter last, KT_EDIT_TEXTPOS& lcFrom, KT_EDIT_TEXTPOS& lcTo, Step step)
{
    lcFrom = KT_EDIT_TEXTPOS(INT_MAX, INT_MAX);
    lcTo = KT_EDIT_TEXTPOS(0, 0);
    DWORD dwFlags = 0;
    for (; first != last; ++first)
    {
        KT_EDIT_TEXTPOS from, to;
        dwFlags |= step(**first, from, to);
        lcFrom = std::min(lcFrom, from);
        lcTo = std::max(lcTo, to);
    }
    return dwFlags;
}
}  // namespace

DWORD CKTSyntaxEditBatchCommand::Execute(KT_EDIT_TEXTPOS& lcFrom, KT_EDIT_TEXTPOS& lcTo, CKTSyntaxEditCaretHost* pCtrl)
{
    return RunChildren(m_CommandList.rbegin(), m_CommandList.rend(), lcFrom, lcTo,
                       [pCtrl](CKTSyntaxEditCommand& c, KT_EDIT_TEXTPOS& f, KT_EDIT_TEXTPOS& t)
                       { return c.Execute(f, t, pCtrl); });
}

DWORD CKTSyntaxEditBatchCommand::UnExecute(KT_EDIT_TEXTPOS& lcFrom, KT_EDIT_TEXTPOS& lcTo,
                                           CKTSyntaxEditCaretHost* pCtrl)
{
    return RunChildren(m_CommandList.begin(), m_CommandList.end(), lcFrom, lcTo,
                       [pCtrl](CKTSyntaxEditCommand& c, KT_EDIT_TEXTPOS& f, KT_EDIT_TEXTPOS& t)
                       { return c.UnExecute(f, t, pCtrl); });
}

// --- CKTSyntaxEditBufferCommand ---------------------------------------------

CKTSyntaxEditBufferCommand::CKTSyntaxEditBufferCommand(CKTSyntaxEditBufferManager* pBufferMgr, UINT nNameID,
                                                       LPCSTR pszText, const KT_EDIT_TEXTPOS& lcFrom,
                                                       const KT_EDIT_TEXTPOS& lcTo)
    : m_pBufferMgr(pBufferMgr), m_strText(pszText ? pszText : ""), m_lcFrom(lcFrom), m_lcTo(lcTo), m_nNameID(nNameID)
{
}

// Made when asked rather than held: the text may be the whole file.
CString CKTSyntaxEditBufferCommand::GetCommandText() const
{
    return m_bNamed ? m_strCommandText : KTLoadUndoText(m_nNameID) + GetText();
}

void CKTSyntaxEditBufferCommand::SetCommandText(LPCSTR pszText)
{
    CKTSyntaxEditCommand::SetCommandText(pszText);
    m_bNamed = TRUE;
}

DWORD CKTSyntaxEditBufferCommand::ReportRange(DWORD dwAction, KT_EDIT_TEXTPOS& lcFrom, KT_EDIT_TEXTPOS& lcTo) const
{
    lcFrom = std::min(m_lcFrom, m_lcTo);
    lcTo = std::max(m_lcFrom, m_lcTo);
    if (m_lcFrom.nLine != m_lcTo.nLine)
        return dwAction | KT_EDIT_CHANGE_TEXT | RowsChangedBy(dwAction);
    return m_lcFrom.nCol != m_lcTo.nCol ? dwAction | KT_EDIT_CHANGE_TEXT : dwAction;
}

DWORD CKTSyntaxEditBufferCommand::DoInsert(LPCSTR pszText, BOOL bOverwrite, KT_EDIT_TEXTPOS& lcFrom,
                                           KT_EDIT_TEXTPOS& lcTo, CKTSyntaxEditCaretHost* pCtrl)
{
    if (!m_pBufferMgr)
        return 0;
    COverwriteModeScope mode(m_pBufferMgr, bOverwrite);
    KT_EDIT_TEXTPOS lcStart = std::min(m_lcFrom, m_lcTo);
    KT_EDIT_TEXTPOS lcEnd;
    m_pBufferMgr->InsertText(pszText, lcStart.nLine, lcStart.nCol, FALSE, &lcEnd);
    NotifyParser(m_pBufferMgr, lcStart, lcEnd, CKTSyntaxEditLexParserLink::editInserted);
    MoveCaret(pCtrl, bOverwrite ? lcStart : lcEnd);
    return ReportRange(bOverwrite ? KT_EDIT_ACTION_REPLACE : KT_EDIT_ACTION_INSERT, lcFrom, lcTo);
}

DWORD CKTSyntaxEditBufferCommand::DoDelete(KT_EDIT_TEXTPOS& lcFrom, KT_EDIT_TEXTPOS& lcTo,
                                           CKTSyntaxEditCaretHost* pCtrl)
{
    if (!m_pBufferMgr)
        return 0;
    COverwriteModeScope mode(m_pBufferMgr, FALSE);
    m_pBufferMgr->DeleteText(m_lcFrom.nLine, m_lcFrom.nCol, m_lcTo.nLine, m_lcTo.nCol, FALSE, FALSE);
    NotifyParser(m_pBufferMgr, m_lcFrom, m_lcTo, CKTSyntaxEditLexParserLink::editDeleted);
    MoveCaret(pCtrl, m_lcFrom);
    return ReportRange(KT_EDIT_ACTION_DELETE, lcFrom, lcTo);
}

// --- Delete, insert, replace ------------------------------------------------

CKTSyntaxEditDeleteStringCommand::CKTSyntaxEditDeleteStringCommand(CKTSyntaxEditBufferManager* pBufferMgr,
                                                                   LPCSTR pszText, const KT_EDIT_TEXTPOS& lcFrom,
                                                                   const KT_EDIT_TEXTPOS& lcTo)
    : CKTSyntaxEditBufferCommand(pBufferMgr, KT_IDS_EDIT_DELETE, pszText, lcFrom, lcTo)
{
}

DWORD CKTSyntaxEditDeleteStringCommand::Execute(KT_EDIT_TEXTPOS& lcFrom, KT_EDIT_TEXTPOS& lcTo,
                                                CKTSyntaxEditCaretHost* pCtrl)
{
    return DoDelete(lcFrom, lcTo, pCtrl);
}

DWORD CKTSyntaxEditDeleteStringCommand::UnExecute(KT_EDIT_TEXTPOS& lcFrom, KT_EDIT_TEXTPOS& lcTo,
                                                  CKTSyntaxEditCaretHost* pCtrl)
{
    return DoInsert(m_strText, FALSE, lcFrom, lcTo, pCtrl);
}

CKTSyntaxEditInsertStringCommand::CKTSyntaxEditInsertStringCommand(CKTSyntaxEditBufferManager* pBufferMgr,
                                                                   LPCSTR pszText, const KT_EDIT_TEXTPOS& lcFrom,
                                                                   const KT_EDIT_TEXTPOS& lcTo)
    : CKTSyntaxEditBufferCommand(pBufferMgr, KT_IDS_EDIT_INSERT, pBufferMgr ? "" : pszText, lcFrom, lcTo),
      m_bInBuffer(pBufferMgr != NULL)
{
}

CString CKTSyntaxEditInsertStringCommand::GetText() const
{
    return m_bInBuffer ? m_pBufferMgr->GetTextRange(m_lcFrom, m_lcTo) : m_strText;
}

DWORD CKTSyntaxEditInsertStringCommand::Execute(KT_EDIT_TEXTPOS& lcFrom, KT_EDIT_TEXTPOS& lcTo,
                                                CKTSyntaxEditCaretHost* pCtrl)
{
    DWORD dwResult = DoInsert(m_strText, FALSE, lcFrom, lcTo, pCtrl);
    m_bInBuffer = m_pBufferMgr != NULL;
    if (m_bInBuffer)
        m_strText = CString();
    return dwResult;
}

// Every later command is undone by now, so the range holds exactly what this one inserted.
DWORD CKTSyntaxEditInsertStringCommand::UnExecute(KT_EDIT_TEXTPOS& lcFrom, KT_EDIT_TEXTPOS& lcTo,
                                                  CKTSyntaxEditCaretHost* pCtrl)
{
    m_strText = GetText();
    m_bInBuffer = FALSE;
    return DoDelete(lcFrom, lcTo, pCtrl);
}

CKTSyntaxEditReplaceStringCommand::CKTSyntaxEditReplaceStringCommand(CKTSyntaxEditBufferManager* pBufferMgr,
                                                                     LPCSTR pszText, LPCSTR pszReplacedText,
                                                                     const KT_EDIT_TEXTPOS& lcFrom,
                                                                     const KT_EDIT_TEXTPOS& lcTo)
    : CKTSyntaxEditBufferCommand(pBufferMgr, KT_IDS_EDIT_MULTIPLE, pszText, lcFrom, lcTo),
      m_strReplacedText(pszReplacedText)
{
}

DWORD CKTSyntaxEditReplaceStringCommand::Execute(KT_EDIT_TEXTPOS& lcFrom, KT_EDIT_TEXTPOS& lcTo,
                                                 CKTSyntaxEditCaretHost* pCtrl)
{
    return DoInsert(m_strText, TRUE, lcFrom, lcTo, pCtrl);
}

// The new text may be longer than what it covered: remove all of it, then
// put the covered characters back, rather than overwrite in place.
DWORD CKTSyntaxEditReplaceStringCommand::UnExecute(KT_EDIT_TEXTPOS& lcFrom, KT_EDIT_TEXTPOS& lcTo,
                                                   CKTSyntaxEditCaretHost* pCtrl)
{
    DoDelete(lcFrom, lcTo, pCtrl);
    DoInsert(m_strReplacedText, FALSE, lcFrom, lcTo, pCtrl);
    MoveCaret(pCtrl, std::min(m_lcFrom, m_lcTo));
    return ReportRange(KT_EDIT_ACTION_REPLACE, lcFrom, lcTo);
}

// --- Replace all ------------------------------------------------------------

CKTSyntaxEditReplaceAllCommand::CKTSyntaxEditReplaceAllCommand(CKTSyntaxEditBufferManager* pBufferMgr,
                                                               std::unique_ptr<CKTSyntaxEditLineArray> pOtherRows,
                                                               int nOtherLineEndStyle)
    : m_pBufferMgr(pBufferMgr), m_pRows(std::move(pOtherRows)), m_nLineEndStyle(nOtherLineEndStyle)
{
    m_strCommandText = KTLoadUndoText(KT_IDS_EDIT_MULTIPLE);
}

DWORD CKTSyntaxEditReplaceAllCommand::Execute(KT_EDIT_TEXTPOS& lcFrom, KT_EDIT_TEXTPOS& lcTo,
                                              CKTSyntaxEditCaretHost* pCtrl)
{
    return SwapTexts(lcFrom, lcTo, pCtrl);
}

DWORD CKTSyntaxEditReplaceAllCommand::UnExecute(KT_EDIT_TEXTPOS& lcFrom, KT_EDIT_TEXTPOS& lcTo,
                                                CKTSyntaxEditCaretHost* pCtrl)
{
    return SwapTexts(lcFrom, lcTo, pCtrl);
}

void CKTSyntaxEditReplaceAllCommand::SwapRows()
{
    m_pBufferMgr->SwapRows(*m_pRows, m_nLineEndStyle, m_pUnicodeOriginal);
}

// The parser hears of it as the removal of the old text and the insertion of the new.
DWORD CKTSyntaxEditReplaceAllCommand::SwapTexts(KT_EDIT_TEXTPOS& lcFrom, KT_EDIT_TEXTPOS& lcTo,
                                                CKTSyntaxEditCaretHost* pCtrl)
{
    if (!m_pBufferMgr || !m_pRows)
        return 0;
    const KT_EDIT_TEXTPOS lcStart(1, 1);
    const KT_EDIT_TEXTPOS lcOldEnd = m_pBufferMgr->GetEndPos();
    SwapRows();
    const KT_EDIT_TEXTPOS lcNewEnd = m_pBufferMgr->GetEndPos();
    NotifyParser(m_pBufferMgr, lcStart, lcOldEnd, CKTSyntaxEditLexParserLink::editDeleted);
    NotifyParser(m_pBufferMgr, lcStart, lcNewEnd, CKTSyntaxEditLexParserLink::editInserted);
    MoveCaret(pCtrl, lcStart);
    lcFrom = lcStart;
    lcTo = std::max(lcOldEnd, lcNewEnd);
    return KT_EDIT_ACTION_REPLACE | KT_EDIT_CHANGE_TEXT | KT_EDIT_CHANGE_ROWS_INSERTED | KT_EDIT_CHANGE_ROWS_DELETED;
}
