// The options sheet's "Syntax Color" page: colours and font styles of each scheme's lex classes, written back
// into the scheme files on Apply.
// Classes: CKTSyntaxEditPropertiesPageColor.
#pragma once

#include <afxdlgs.h>

#include <map>
#include <memory>
#include <string>

#include "KTSmartPtr.h"
#include "KTSyntaxEditColorGroup.h"
#include "KTSyntaxEditConfigurationManager.h"
#include "KTSyntaxEditListTip.h"
#include "KTSyntaxEditSchemaReader.h"

class CKTSyntaxEditView;

class CKTSyntaxEditPropertiesPageColor : public CPropertyPage
{
public:
    explicit CKTSyntaxEditPropertiesPageColor(CKTSyntaxEditView* pView);

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    BOOL OnApply() override;

    static std::string GetDisplayName(const KT_EDIT_LEXCLASSINFO& description);

    int m_nBold = 0;
    int m_nItalic = 0;
    int m_nUnderline = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void ResetAttributeValues();
    BOOL FillAttributes(const KT_EDIT_INI_ENTRY& entry);
    void LoadAttributeValues(const KT_EDIT_LEXCLASSINFO& description);
    void UpdateSampleFont();
    void EnableControls();
    const KT_EDIT_INI_ENTRY* SelectedEntry() const;
    KT_EDIT_LEXCLASSINFO* SelectedDescription() const;
    void MarkModified();
    void SetColorProperty(CKTSyntaxEditColorComboBox& box, COLORREF clr, const char* pszName);
    void ChangeColor(CKTSyntaxEditColorComboBox& box, COLORREF& clr, const char* pszName);
    void PickColor(CKTSyntaxEditColorComboBox& box, COLORREF& clr, const char* pszName);
    void ChangeFlag(const int& nValue, const char* pszName);
    void OpenSchemaFile();
    void BringWrittenFilesIn();

    afx_msg void OnFileTypeChange();
    afx_msg void OnAttributeChange();
    afx_msg void OnTextColor() { ChangeColor(m_colors.m_boxText, m_colors.m_clrText, "txt:colorFG"); }
    afx_msg void OnBackColor() { ChangeColor(m_colors.m_boxBack, m_colors.m_clrBack, "txt:colorBK"); }
    afx_msg void OnSelTextColor() { ChangeColor(m_colors.m_boxSelText, m_colors.m_clrSelText, "txt:colorSelFG"); }
    afx_msg void OnSelBackColor() { ChangeColor(m_colors.m_boxSelBack, m_colors.m_clrSelBack, "txt:colorSelBK"); }
    afx_msg void OnPickText() { PickColor(m_colors.m_boxText, m_colors.m_clrText, "txt:colorFG"); }
    afx_msg void OnPickBack() { PickColor(m_colors.m_boxBack, m_colors.m_clrBack, "txt:colorBK"); }
    afx_msg void OnPickSelText() { PickColor(m_colors.m_boxSelText, m_colors.m_clrSelText, "txt:colorSelFG"); }
    afx_msg void OnPickSelBack() { PickColor(m_colors.m_boxSelBack, m_colors.m_clrSelBack, "txt:colorSelBK"); }
    afx_msg void OnBold();
    afx_msg void OnItalic();
    afx_msg void OnUnderline();
    afx_msg void OnOpenSchemaFile() { OpenSchemaFile(); }
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    DECLARE_MESSAGE_MAP()

    CKTSyntaxEditColorGroup m_colors;
    CButton m_btnBold;
    CButton m_btnItalic;
    CButton m_btnUnderline;
    CKTSyntaxEditTipListBox m_listFileTypes;
    CKTSyntaxEditTipListBox m_listAttributes;
    CWnd m_wndSampleGroup;
    BOOL m_bModified = FALSE;
    CKTSyntaxEditView* m_pView;  // not owned
    CKTSmartPtr<CKTSyntaxEditConfigurationManager> m_ptrConfig;
    CKTSyntaxEditIniReader::Entries m_schemes;  // the configuration's schemes when the page was made
    CFont m_fontSample;
    std::map<std::string, CKTSyntaxEditLexClassInfoArray> m_fileCopies;  // by lower-cased path
    CKTSyntaxEditLexClassInfoArray* m_pCurrentFile = NULL;               // one of the copies, or none
};
