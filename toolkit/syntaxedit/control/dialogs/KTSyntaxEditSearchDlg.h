// The modeless find and replace dialog of an editor view, with its histories kept in the profile.
// Classes: CKTSyntaxEditSearchDlg.
#pragma once

#include <afxwin.h>

class CKTSyntaxEditView;

class CKTSyntaxEditSearchDlg : public CDialog
{
public:
    explicit CKTSyntaxEditSearchDlg(CWnd* pParent = NULL);

    BOOL ShowDialog(CKTSyntaxEditView* pView, BOOL bReplace);
    void SetFindText(const CString& strText) { m_strFindText = strText; }
    const CString& GetFindText() const { return m_strFindText; }
    BOOL GetMatchCase() const { return m_bMatchCase; }
    BOOL GetMatchWholeWord() const { return m_bMatchWholeWord; }
    BOOL IsReplaceLayout() const { return m_bReplaceLayout; }
    CPoint GetRememberedPosition() const { return CPoint(m_nLeft, m_nTop); }

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnCancel() override;

    void UpdateButtons();
    void LoadSettings();
    void SaveSettings();
    void LoadHistory(int nComboID, LPCSTR pszCountKey, LPCSTR pszEntryKey);
    void SaveHistory(int nComboID, LPCSTR pszCountKey, LPCSTR pszEntryKey);
    void AddToHistory(int nComboID, const CString& strText);
    void CentreOnView();
    BOOL ViewExists() const;
    BOOL FindAgain();
    void RefreshEditor();
    void TakeListText(int nComboID, CString& strText);

    afx_msg void OnEditChange();
    afx_msg void OnSelEndOkFind() { TakeListText(101, m_strFindText); }
    afx_msg void OnSelEndOkReplace() { TakeListText(100, m_strReplaceText); }
    afx_msg void OnFindNext();
    afx_msg void OnReplace();
    afx_msg void OnReplaceAll();
    afx_msg void OnMatchWholeWord() { m_bMatchWholeWord = !m_bMatchWholeWord; }
    afx_msg void OnMatchCase() { m_bMatchCase = !m_bMatchCase; }
    afx_msg void OnSearchUp() { m_nSearchDirection = 0; }
    afx_msg void OnSearchDown() { m_nSearchDirection = 1; }
    DECLARE_MESSAGE_MAP()

    int m_nSearchDirection = 1;  // 1 towards the end of the text
    BOOL m_bMatchWholeWord = FALSE;
    BOOL m_bMatchCase = FALSE;
    CString m_strFindText;
    CString m_strReplaceText;
    BOOL m_bReplaceLayout = FALSE;
    int m_nLeft = -1;  // screen position kept between showings; -1: not placed yet
    int m_nTop = -1;
    CKTSyntaxEditView* m_pView = NULL;  // not owned
};
