// The control's word completion: the lexer's words and separators, opening the list at the caret, handing it keys,
// and replacing the word before the caret with the entry chosen.
#include "KTSyntaxEditCompletion.h"

#include "KTKeyState.h"
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

// "~" separates the list's entries and cannot be one of them.
void ListMissing(CString& strList, const std::vector<std::string>& arTexts)
{
    for (const std::string& str : arTexts)
    {
        const CString strText(str.c_str());
        if (strText.Find('~') >= 0 || ("~" + strList + "~").Find("~" + strText + "~") >= 0)
            continue;
        strList += strList.IsEmpty() ? strText : "~" + strText;
    }
}

// Placing the list repaints it and the text under it: typed ahead of the screen, a row of separators that each
// close and reopen it would wait for every placing.
BOOL IsKeyWaiting()
{
    MSG msg;
    return ::PeekMessage(&msg, NULL, WM_KEYDOWN, WM_KEYDOWN, PM_NOREMOVE | PM_NOYIELD) ||
           ::PeekMessage(&msg, NULL, WM_CHAR, WM_CHAR, PM_NOREMOVE | PM_NOYIELD);
}

// A character that cannot be part of a word ends it; the list then has nothing more to follow.
BOOL IsWordChar(char ch) { return isalnum(static_cast<unsigned char>(ch)) || ch == '_'; }
}  // namespace

BOOL CKTSyntaxEditCompletion::Create() { return m_wndList.Create(&m_ctrl, this); }

void CKTSyntaxEditCompletion::RefreshWords()
{
    CKTSyntaxEditLexParserAdapter* pLink = CKTSyntaxEditLexParserAdapter::FromBuffer(m_ctrl.GetBuffer());
    std::vector<KT_EDIT_STRINGSET> arSets;
    if (!pLink || !pLink->GetParser()->GetSchemaClassesInfo(arSets, false) || arSets.empty())
        return;
    std::vector<KT_EDIT_AUTOCOMPLETEITEM> arItems;
    CString strTags, strOpenTags, strCloseTags;
    for (const KT_EDIT_STRINGSET& set : arSets)
    {
        for (const std::string& strWord : set.arTokens)
            arItems.push_back({0, CString(strWord.c_str()), BOOL(set.bCaseSensitive)});
        AppendMissing(strTags, set.arStartSeparators);
        AppendMissing(strTags, set.arEndSeparators);
        ListMissing(strOpenTags, set.arStartSeparators);
        ListMissing(strCloseTags, set.arEndSeparators);
    }
    m_wndList.SetDataList(std::move(arItems), strTags);
    m_wndList.SetTagLists(strOpenTags, strCloseTags);
}

void CKTSyntaxEditCompletion::Close()
{
    if (m_ctrl.GetSafeHwnd())
        m_ctrl.KillTimer(ktTimerOpenAtTag);
    m_wndList.Hide();
}

// The word before the caret runs back to a separator of the lexer's words or the row's start.
BOOL CKTSyntaxEditCompletion::Open(BOOL bAtTag)
{
    CKTSyntaxEditBufferManager* pBuffer = m_ctrl.GetBuffer();
    if (!pBuffer || !m_wndList.GetSafeHwnd())
        return FALSE;
    RefreshWords();
    const CString& strTags = m_wndList.GetTags();
    CString strRow = pBuffer->GetLineTextEx(m_ctrl.GetCurrentRow()).Left(m_ctrl.GetCurrentChar() - 1);
    int nStart = strRow.GetLength();
    while (!bAtTag && nStart > 0 && strTags.Find(strRow[nStart - 1]) < 0)
        --nStart;
    m_ctrl.KillTimer(ktTimerOpenAtTag);
    m_nRow = m_ctrl.GetCurrentRow();
    m_nStart = nStart + 1;
    CPoint pt = m_ctrl.GetCaretPoint();
    pt.y += m_ctrl.GetRowHeight();
    m_ctrl.ClientToScreen(&pt);
    if (m_wndList.Show(pt, strRow.Mid(nStart), bAtTag))
        return TRUE;
    Close();
    return FALSE;
}

// The timer's message comes only once no input waits.
void CKTSyntaxEditCompletion::OpenAtTag(UINT nChar)
{
    m_ctrl.KillTimer(ktTimerOpenAtTag);
    if (!m_wndList.IsOpenTag(CString(char(nChar))))
        return;
    if (!IsKeyWaiting())
    {
        Open(TRUE);
        return;
    }
    Close();
    m_nTagRow = m_ctrl.GetCurrentRow();
    m_nTagChar = m_ctrl.GetCurrentChar();
    m_chTag = char(nChar);
    if (!m_ctrl.SetTimer(ktTimerOpenAtTag, USER_TIMER_MINIMUM, NULL))
        Open(TRUE);
}

BOOL CKTSyntaxEditCompletion::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != ktTimerOpenAtTag)
        return FALSE;
    OpenAtWaitedTag();
    return TRUE;
}

void CKTSyntaxEditCompletion::OpenAtWaitedTag()
{
    m_ctrl.KillTimer(ktTimerOpenAtTag);
    CKTSyntaxEditBufferManager* pBuffer = m_ctrl.GetBuffer();
    if (!pBuffer || m_ctrl.GetCurrentRow() != m_nTagRow || m_ctrl.GetCurrentChar() != m_nTagChar || m_nTagChar < 2)
        return;
    const CString strRow = pBuffer->GetLineTextEx(m_nTagRow);
    if (strRow.GetLength() >= m_nTagChar - 1 && strRow[m_nTagChar - 2] == m_chTag)
        Open(TRUE);
}

BOOL CKTSyntaxEditCompletion::GetWord(CString& strWord) const
{
    CKTSyntaxEditBufferManager* pBuffer = m_ctrl.GetBuffer();
    int nEnd = m_ctrl.GetCurrentChar();
    if (!pBuffer || m_ctrl.GetCurrentRow() != m_nRow || nEnd < m_nStart)
        return FALSE;
    strWord = pBuffer->GetLineTextEx(m_nRow).Mid(m_nStart - 1, nEnd - m_nStart);
    return strWord.GetLength() == nEnd - m_nStart;
}

// An edit reports its caret and rows while it is still under way: the list reads the word once it is over.
void CKTSyntaxEditCompletion::PostFollow()
{
    if (m_bFollowPosted || !IsOpen())
        return;
    m_bFollowPosted = m_ctrl.PostMessage(ktMsgFollowWord);
}

void CKTSyntaxEditCompletion::OnFollowPosted()
{
    m_bFollowPosted = FALSE;
    Follow();
}

void CKTSyntaxEditCompletion::Follow()
{
    if (!IsOpen())
        return;
    CString strWord;
    if (!GetWord(strWord) || (!strWord.IsEmpty() && !IsWordChar(strWord[strWord.GetLength() - 1])))
        return Close();
    // Opened on no word and none typed since: nothing to follow yet. Cut back to no word: nothing left to follow.
    if (strWord.IsEmpty())
    {
        if (!m_wndList.GetTypedText().IsEmpty())
            Close();
        return;
    }
    m_wndList.Follow(strWord);
}

// Ctrl+Space is left to the control, which opens the list anew for the word before the caret. The character of an
// Enter or Tab that chose an entry, already queued, must not be typed after it; a Space is typed after the entry.
BOOL CKTSyntaxEditCompletion::HandleKey(UINT nChar, UINT nRepCnt)
{
    if (nChar == VK_SPACE && KTIsCommandCtrl())
        return FALSE;
    m_bChosen = FALSE;
    if (m_wndList.KeyDown(nChar, int(nRepCnt)))
        return TRUE;
    MSG msg;
    if (m_bChosen && nChar != VK_SPACE)
        ::PeekMessage(&msg, m_ctrl.GetSafeHwnd(), WM_CHAR, WM_CHAR, PM_REMOVE);
    return m_bChosen;
}

BOOL CKTSyntaxEditCompletion::HandleChar(UINT nChar)
{
    if (!IsOpen())
        return FALSE;
    m_bChosen = FALSE;
    m_wndList.SendMessage(WM_CHAR, nChar);
    return m_bChosen;
}

void CKTSyntaxEditCompletion::OnWordChosen(const CString& strEntry)
{
    CString strWord;
    if (!GetWord(strWord))
        return;
    m_bChosen = TRUE;
    Replace(m_nStart, m_nStart + strWord.GetLength(), strEntry);
}

// A gesture whose button-up the control never saw must not outlive the list; one still under way stays.
void CKTSyntaxEditCompletion::OnListHidden() { m_ctrl.EndCaptureWithoutButton(); }

void CKTSyntaxEditCompletion::Replace(int nStartChar, int nEndChar, const CString& strText)
{
    CKTSyntaxEditBufferManager* pBuffer = m_ctrl.GetBuffer();
    if (!pBuffer || nStartChar < 1 || nEndChar < nStartChar)
        return;
    int nRow = m_ctrl.GetCurrentRow();
    if (pBuffer->GetLineTextEx(nRow).Mid(nStartChar - 1, nEndChar - nStartChar) == strText)
        return;
    pBuffer->GetUndoRedoManager()->SetGroupInsertMode(FALSE);
    if (nEndChar == nStartChar)
    {
        m_ctrl.InsertString(strText, nRow, nStartChar, FALSE, TRUE);
        return;
    }
    m_ctrl.Select(nRow, m_ctrl.GetDisplayColumn(nRow, nStartChar), nRow, m_ctrl.GetDisplayColumn(nRow, nEndChar),
                  FALSE);
    m_ctrl.ReplaceSelection(strText, TRUE);
}
