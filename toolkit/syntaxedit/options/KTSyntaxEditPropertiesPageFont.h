// The options sheet's "Editor Font" page: the editor's font and its four basic colours, shown on two samples.
// Classes: CKTSyntaxEditPropertiesPageFont.
#pragma once

#include <afxdlgs.h>

#include "KTSyntaxEditColorGroup.h"
#include "KTSyntaxEditListTip.h"

class CKTSyntaxEditView;

class CKTSyntaxEditPropertiesPageFont : public CPropertyPage
{
public:
    explicit CKTSyntaxEditPropertiesPageFont(CKTSyntaxEditView* pView);

    BOOL GetLogFont(LOGFONT& lf) const;
    static BOOL MakeFont(CFont& font, const LOGFONT& lf);

    BOOL OnInitDialog() override;
    BOOL OnApply() override;

    CString m_strFaceName = "Courier";
    CString m_strSize = "10";
    CString m_strStyle = "Regular";
    BYTE m_nCharSet = DEFAULT_CHARSET;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    CFont* GetCurrentFont() const;
    void InitFromPaintManager();
    void FillFaceList();
    void FillStyleList();
    void FillSizeList();
    void FillScriptList();
    void InitColorBoxes();
    void SetSampleFont();
    BOOL ApplyFont();
    BOOL TakeListSelection(CKTSyntaxEditTipComboBox& box, CString& strText);
    static void SelectOrSetText(CComboBox& box, const CString& strText);
    // A changed font: the samples show it and the page waits for Apply.
    void TakeFont(const LOGFONT& lf);
    void MarkModified();
    void PickColorFor(CKTSyntaxEditColorComboBox& box);

    afx_msg void OnFaceChange();
    afx_msg void OnStyleChange();
    afx_msg void OnSizeChange();
    afx_msg void OnScriptChange();
    afx_msg void OnColorChange();
    afx_msg void OnPickText() { PickColorFor(m_colors.m_boxText); }
    afx_msg void OnPickBack() { PickColorFor(m_colors.m_boxBack); }
    afx_msg void OnPickSelText() { PickColorFor(m_colors.m_boxSelText); }
    afx_msg void OnPickSelBack() { PickColorFor(m_colors.m_boxSelBack); }
    DECLARE_MESSAGE_MAP()

    CKTSyntaxEditColorGroup m_colors;
    CKTSyntaxEditTipComboBox m_boxScript;
    CKTSyntaxEditTipComboBox m_boxStyle;
    CKTSyntaxEditTipComboBox m_boxSize;
    CKTSyntaxEditTipComboBox m_boxFace;
    BOOL m_bModified = FALSE;
    CKTSyntaxEditView* m_pView;  // not owned
    CFont m_fontSample;          // the font being edited
};
