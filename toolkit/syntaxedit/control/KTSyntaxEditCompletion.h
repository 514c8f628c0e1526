// The control's word completion: the words from the lexer, the list opened at the caret, and the chosen entry put in
// place of the word before the caret.
// Classes: CKTSyntaxEditCompletion.
#pragma once

#include "KTSyntaxEditAutoCompleteWnd.h"

class CKTSyntaxEditCtrl;

// The word is read from the caret's row whenever it is needed, so undo, paste or any other edit with the list open
// is seen as it stands.
class CKTSyntaxEditCompletion : public IKTSyntaxEditWordListSink
{
public:
    enum
    {
        ktTimerOpenAtTag = 300,           // the control's timer: the keys that waited are handled
        ktMsgFollowWord = WM_USER + 100,  // posted to the control: the edit that changed the word is complete
    };

    explicit CKTSyntaxEditCompletion(CKTSyntaxEditCtrl& ctrl) : m_ctrl(ctrl) {}

    BOOL Create();
    // The lexer's words, and its separators as the characters that end a word and as the open and close tags.
    void RefreshWords();
    // Anew, whether it shows or not. bAtTag: a tag was just typed, and the word starts at the caret.
    BOOL Open(BOOL bAtTag = FALSE);
    void Close();
    BOOL IsOpen() const { return m_wndList.IsShown(); }
    // While the list is open: TRUE when it took the key and the control must not act on it too.
    BOOL HandleKey(UINT nChar, UINT nRepCnt);
    // A character about to be typed: TRUE when it was a close tag that chose an entry, and stands after it already.
    BOOL HandleChar(UINT nChar);
    // A character just typed that is an open tag opens the list on an empty word; while more keys wait, only once
    // they are handled, and only if the caret still stands just after it.
    void OpenAtTag(UINT nChar);
    // The control's timer; FALSE when it is none of the list's.
    BOOL OnTimer(UINT_PTR nIDEvent);
    // After a change of the text or the caret: the list follows the word or closes once the change is complete.
    void PostFollow();
    void OnFollowPosted();
    // One undo step, and none when the word already reads as the entry.
    void Replace(int nStartChar, int nEndChar, const CString& strText);
    CKTSyntaxEditAutoCompleteWnd& GetList() { return m_wndList; }

private:
    void OnWordChosen(const CString& strEntry) override;
    void OnListHidden() override;
    void OpenAtWaitedTag();
    void Follow();
    // The word from where the list opened to the caret; FALSE when the caret has left it.
    BOOL GetWord(CString& strWord) const;

    CKTSyntaxEditCtrl& m_ctrl;
    CKTSyntaxEditAutoCompleteWnd m_wndList;
    int m_nRow = 0;                // where the word began when the list opened
    int m_nStart = 0;              // its first character
    BOOL m_bChosen = FALSE;        // the list chose an entry while it had a key or a character
    BOOL m_bFollowPosted = FALSE;  // a ktMsgFollowWord is on its way
    int m_nTagRow = 0;             // the caret after an open tag typed while more keys waited
    int m_nTagChar = 0;
    char m_chTag = 0;
};
