// The option pages' four-colour group: its data exchange, system defaults, samples and enabling.
#include "KTSyntaxEditColorGroup.h"

#include "KTSyntaxEditRes.h"

void CKTSyntaxEditColorGroup::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, KT_IDC_EDIT_OPT_SAMPLE_SELECTED, m_sampleSelected);
    DDX_Control(pDX, KT_IDC_EDIT_OPT_SAMPLE, m_sampleNormal);
    DDX_Control(pDX, KT_IDC_EDIT_OPT_SELTEXT_COLOR, m_boxSelText);
    DDX_Control(pDX, KT_IDC_EDIT_OPT_SELBACK_COLOR, m_boxSelBack);
    DDX_Control(pDX, KT_IDC_EDIT_OPT_TEXT_COLOR, m_boxText);
    DDX_Control(pDX, KT_IDC_EDIT_OPT_BACK_COLOR, m_boxBack);
    DDX_Control(pDX, KT_IDC_EDIT_OPT_TEXT_PICK, m_btnPick[0]);
    DDX_Control(pDX, KT_IDC_EDIT_OPT_BACK_PICK, m_btnPick[1]);
    DDX_Control(pDX, KT_IDC_EDIT_OPT_SELTEXT_PICK, m_btnPick[2]);
    DDX_Control(pDX, KT_IDC_EDIT_OPT_SELBACK_PICK, m_btnPick[3]);
    DDX_ColorCombo(pDX, KT_IDC_EDIT_OPT_TEXT_COLOR, m_clrText);
    DDX_ColorCombo(pDX, KT_IDC_EDIT_OPT_BACK_COLOR, m_clrBack);
    DDX_ColorCombo(pDX, KT_IDC_EDIT_OPT_SELTEXT_COLOR, m_clrSelText);
    DDX_ColorCombo(pDX, KT_IDC_EDIT_OPT_SELBACK_COLOR, m_clrSelBack);
}

void CKTSyntaxEditColorGroup::SetAutomaticColors()
{
    m_boxText.SetAutomaticColor(::GetSysColor(COLOR_WINDOWTEXT));
    m_boxBack.SetAutomaticColor(::GetSysColor(COLOR_WINDOW));
    m_boxSelText.SetAutomaticColor(::GetSysColor(COLOR_HIGHLIGHTTEXT));
    m_boxSelBack.SetAutomaticColor(::GetSysColor(COLOR_HIGHLIGHT));
}

void CKTSyntaxEditColorGroup::ResetColors()
{
    m_clrText = ::GetSysColor(COLOR_WINDOWTEXT);
    m_clrBack = ::GetSysColor(COLOR_WINDOW);
    m_clrSelText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
    m_clrSelBack = ::GetSysColor(COLOR_HIGHLIGHT);
}

void CKTSyntaxEditColorGroup::SelectColors()
{
    m_boxText.SelectColor(m_clrText);
    m_boxBack.SelectColor(m_clrBack);
    m_boxSelText.SelectColor(m_clrSelText);
    m_boxSelBack.SelectColor(m_clrSelBack);
}

void CKTSyntaxEditColorGroup::ShowOnSamples()
{
    m_sampleNormal.SetBackColor(m_clrBack);
    m_sampleNormal.SetTextColor(m_clrText);
    m_sampleSelected.SetBackColor(m_clrSelBack);
    m_sampleSelected.SetTextColor(m_clrSelText);
}

void CKTSyntaxEditColorGroup::SetSampleFont(CFont* pFont)
{
    m_sampleNormal.SetFont(pFont, TRUE);
    m_sampleSelected.SetFont(pFont, TRUE);
}

void CKTSyntaxEditColorGroup::Enable(BOOL bEnable)
{
    CWnd* controls[] = {&m_sampleNormal, &m_sampleSelected, &m_boxText,    &m_boxBack,    &m_boxSelText,
                        &m_boxSelBack,   &m_btnPick[0],     &m_btnPick[1], &m_btnPick[2], &m_btnPick[3]};
    for (CWnd* pControl : controls)
        pControl->EnableWindow(bEnable);
}
