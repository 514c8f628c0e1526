// The control's side of the word list: its words from the lexer, opening it at the caret, handing it keys,
// and replacing the typed word with the chosen entry.
#include "KTSyntaxEditCtrl.h"

#include "KTSyntaxEditLexParserAdapter.h"

namespace
{
void AppendMissing(CString& strTags, const std::vector<std::string>& arTexts)
{
    for (const std::string& str : arTexts)
    {
        if (strTags.Find(str.c_str()) < 0)
            strTags += str.c_str();
    }
}

// Keys the list acts on that the control must not act on as well.
BOOL IsListKey(UINT nChar) { return nChar == VK_RETURN || nChar == VK_TAB || (nChar >= VK_SPACE && nChar <= VK_HELP); }
}  // namespace

void CKTSyntaxEditCtrl::RefreshAutoCompleteList()
{
    CKTSyntaxEditLexParserAdapter* pLink = CKTSyntaxEditLexParserAdapter::FromBuffer(m_pBuffer.GetInterface());
    std::vector<KT_EDIT_STRINGSET> arSets;
    if (!pLink || !pLink->GetParser()->GetSchemaClassesInfo(arSets, false) || arSets.empty())
        return;
    std::vector<KT_EDIT_AUTOCOMPLETEITEM> arItems;
    for (const KT_EDIT_STRINGSET& set : arSets)
    {
        for (const std::string& strWord : set.arTokens)
            arItems.push_back({0, CString(strWord.c_str())});
        AppendMissing(m_wndAutoComplete.m_strAutoCompleteTags, set.arStartSeparators);
        AppendMissing(m_wndAutoComplete.m_strAutoCompleteTags, set.arEndSeparators);
    }
    m_wndAutoComplete.SetDataList(std::move(arItems));
}

// The word before the caret runs back to a separator of the lexer's words or the row's start.
BOOL CKTSyntaxEditCtrl::OpenAutoComplete()
{
    if (!m_pBuffer || !m_wndAutoComplete.GetSafeHwnd())
        return FALSE;
    RefreshAutoCompleteList();
    const CString& strTags = m_wndAutoComplete.m_strAutoCompleteTags;
    CString strRow = m_pBuffer->GetLineTextEx(m_nCurrentRow).Left(m_nCurrentChar - 1);
    int nStart = strRow.GetLength();
    while (nStart > 0 && strTags.Find(strRow[nStart - 1]) < 0)
        --nStart;
    CPoint pt = GetCaretPoint();
    pt.y += GetRowHeight();
    ClientToScreen(&pt);
    return m_wndAutoComplete.Show(pt, strRow.Mid(nStart));
}

// One undo step, and none when the word already reads as the entry.
void CKTSyntaxEditCtrl::ReplaceAutoCompleteWord(int nStartChar, int nEndChar, const CString& strText)
{
    if (!m_pBuffer || nStartChar < 1 || nEndChar < nStartChar)
        return;
    int nRow = m_nCurrentRow;
    if (m_pBuffer->GetLineTextEx(nRow).Mid(nStartChar - 1, nEndChar - nStartChar) == strText)
        return;
    m_pBuffer->GetUndoRedoManager()->SetGroupInsertMode(FALSE);
    if (nEndChar == nStartChar)
    {
        InsertString(strText, nRow, nStartChar, FALSE, TRUE);
        return;
    }
    Select(nRow, GetDisplayColumn(nRow, nStartChar), nRow, GetDisplayColumn(nRow, nEndChar), FALSE);
    ReplaceSelection(strText, TRUE);
}

// Keys go to the list first. A key it acts on is not the control's: the character it made, already queued, goes too.
BOOL CKTSyntaxEditCtrl::ForwardKeyToAutoComplete(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    m_wndAutoComplete.SendMessage(WM_KEYDOWN, nChar, MAKELPARAM(nRepCnt, nFlags));
    if (!IsListKey(nChar))
        return FALSE;
    MSG msg;
    if (nChar == VK_RETURN || nChar == VK_TAB || nChar == VK_SPACE)
        ::PeekMessage(&msg, m_hWnd, WM_CHAR, WM_CHAR, PM_REMOVE);
    return TRUE;
}
