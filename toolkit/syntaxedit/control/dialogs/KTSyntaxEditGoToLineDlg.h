// The modeless dialog that moves an editor's caret to a typed line number.
// Classes: CKTSyntaxEditGoToLineDlg.
#pragma once

#include <afxwin.h>

#include "KTSyntaxEditRes.h"

class CKTSyntaxEditCtrl;

class CKTSyntaxEditGoToLineDlg : public CDialog
{
public:
    CKTSyntaxEditGoToLineDlg();

    BOOL ShowDialog(CKTSyntaxEditCtrl* pCtrl, BOOL bSelectLine = FALSE, BOOL bCloseAfterJump = TRUE);
    int GetLine() const { return m_nLine; }
    int GetMaxLine() const { return m_nMaxLine; }
    CPoint GetRememberedPosition() const { return CPoint(m_nLeft, m_nTop); }

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnCancel() override;
    virtual BOOL CalcPosition();
    virtual void SavePosition();
    void Jump();
    CEdit* LineEdit() { return static_cast<CEdit*>(GetDlgItem(KT_IDC_EDIT_LINE_NUMBER)); }

    afx_msg void OnLineChange();
    afx_msg void OnGoTo() { Jump(); }
    DECLARE_MESSAGE_MAP()

    int m_nLine = 0;
    CString m_strLabel;
    int m_nMaxLine = 0;
    BOOL m_bCloseAfterJump = TRUE;
    BOOL m_bSelectLine = FALSE;
    int m_nLeft = -1;  // remembered screen position; -1: centre over the editor
    int m_nTop = -1;
    CKTSyntaxEditCtrl* m_pCtrl = NULL;  // not owned
};
