// The options sheet's "Editor" page: window, tab and caret options of one view and its control.
// Classes: CKTSyntaxEditPropertiesPageEdit.
#pragma once

#include <afxdlgs.h>

class CKTSyntaxEditView;

class CKTSyntaxEditPropertiesPageEdit : public CPropertyPage
{
public:
    explicit CKTSyntaxEditPropertiesPageEdit(CKTSyntaxEditView* pView);

    BOOL OnApply() override;
    BOOL OnInitDialog() override;

    BOOL m_bAutoReload = TRUE;
    BOOL m_bHorzScrollBar = TRUE;
    BOOL m_bVertScrollBar = TRUE;
    BOOL m_bSyntaxColor = TRUE;
    BOOL m_bAutoIndent = TRUE;
    BOOL m_bSelMargin = TRUE;
    BOOL m_bLineNumbers = TRUE;
    BOOL m_bWideCaret = FALSE;
    BOOL m_bKeepTabs = TRUE;
    int m_nTabSize = 4;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    virtual BOOL ApplyOptions();
    void LoadFromView();
    // Typing must not raise the range message: the checks and a readable tab size are taken as they are.
    void ReadControlsLeniently();
    void MarkModified();

    afx_msg void OnOptionChanged();
    afx_msg void OnInsertSpaces();
    afx_msg void OnKeepTabs();
    afx_msg void OnThinCaret();
    afx_msg void OnThickCaret();
    DECLARE_MESSAGE_MAP()

    CButton m_btnInsertSpaces;
    CButton m_btnKeepTabs;
    CButton m_btnThinCaret;
    CButton m_btnThickCaret;
    BOOL m_bModified = FALSE;
    BOOL m_bFilled = FALSE;      // the controls hold the values
    CKTSyntaxEditView* m_pView;  // not owned
};
