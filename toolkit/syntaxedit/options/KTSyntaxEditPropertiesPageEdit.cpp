// The "Editor" page reads its values once from the view and writes every one of them back on Apply.
#include "KTSyntaxEditPropertiesPageEdit.h"

#include "KTResourceManager.h"
#include "KTSyntaxEditDoc.h"
#include "KTSyntaxEditRes.h"
#include "KTSyntaxEditView.h"

namespace
{
const int kMinTabSize = 1;
const int kMaxTabSize = 64;

struct KT_EDIT_CHECK
{
    int nID;
    BOOL CKTSyntaxEditPropertiesPageEdit::*pMember;
};

const KT_EDIT_CHECK kChecks[] = {
    {KT_IDC_EDIT_OPT_AUTO_RELOAD, &CKTSyntaxEditPropertiesPageEdit::m_bAutoReload},
    {KT_IDC_EDIT_OPT_HSCROLL, &CKTSyntaxEditPropertiesPageEdit::m_bHorzScrollBar},
    {KT_IDC_EDIT_OPT_VSCROLL, &CKTSyntaxEditPropertiesPageEdit::m_bVertScrollBar},
    {KT_IDC_EDIT_OPT_SYNTAX_COLOR, &CKTSyntaxEditPropertiesPageEdit::m_bSyntaxColor},
    {KT_IDC_EDIT_OPT_AUTO_INDENT, &CKTSyntaxEditPropertiesPageEdit::m_bAutoIndent},
    {KT_IDC_EDIT_OPT_SEL_MARGIN, &CKTSyntaxEditPropertiesPageEdit::m_bSelMargin},
    {KT_IDC_EDIT_OPT_LINE_NUMBERS, &CKTSyntaxEditPropertiesPageEdit::m_bLineNumbers},
};
}  // namespace

BEGIN_MESSAGE_MAP(CKTSyntaxEditPropertiesPageEdit, CPropertyPage)
ON_BN_CLICKED(KT_IDC_EDIT_OPT_VSCROLL, OnOptionChanged)
ON_BN_CLICKED(KT_IDC_EDIT_OPT_HSCROLL, OnOptionChanged)
ON_BN_CLICKED(KT_IDC_EDIT_OPT_LINE_NUMBERS, OnOptionChanged)
ON_BN_CLICKED(KT_IDC_EDIT_OPT_SEL_MARGIN, OnOptionChanged)
ON_BN_CLICKED(KT_IDC_EDIT_OPT_AUTO_INDENT, OnOptionChanged)
ON_BN_CLICKED(KT_IDC_EDIT_OPT_SYNTAX_COLOR, OnOptionChanged)
ON_BN_CLICKED(KT_IDC_EDIT_OPT_AUTO_RELOAD, OnOptionChanged)
ON_EN_CHANGE(KT_IDC_EDIT_OPT_TAB_SIZE, OnOptionChanged)
ON_BN_CLICKED(KT_IDC_EDIT_OPT_INSERT_SPACES, OnInsertSpaces)
ON_BN_CLICKED(KT_IDC_EDIT_OPT_KEEP_TABS, OnKeepTabs)
ON_BN_CLICKED(KT_IDC_EDIT_OPT_THIN_CARET, OnThinCaret)
ON_BN_CLICKED(KT_IDC_EDIT_OPT_THICK_CARET, OnThickCaret)
END_MESSAGE_MAP()

CKTSyntaxEditPropertiesPageEdit::CKTSyntaxEditPropertiesPageEdit(CKTSyntaxEditView* pView)
    : CPropertyPage(KTResourceManager()->LoadDialogTemplate(KT_IDD_EDIT_PAGE_EDITOR)), m_pView(pView)
{
    if (m_pView && m_pView->GetSafeHwnd())
        LoadFromView();
}

void CKTSyntaxEditPropertiesPageEdit::LoadFromView()
{
    m_bVertScrollBar = m_pView->GetVertScrollBar();
    m_bHorzScrollBar = m_pView->GetHorzScrollBar();
    if (CKTSyntaxEditDoc* pDoc = m_pView->GetDocument())
        m_bAutoReload = pDoc->IsAutoReload();
    CKTSyntaxEditCtrl* pCtrl = m_pView->GetEditCtrl();
    if (!pCtrl->GetSafeHwnd())
        return;
    m_bSyntaxColor = pCtrl->GetSyntaxColor();
    m_bAutoIndent = pCtrl->GetAutoIndent();
    m_bSelMargin = pCtrl->GetSelMargin();
    m_bLineNumbers = pCtrl->GetLineNumbers();
    // The option itself, not the caret now shown: in insert mode the caret is thin whatever the option says.
    m_bWideCaret = pCtrl->GetWideCaret();
    m_nTabSize = pCtrl->GetTabSize();
    m_bKeepTabs = !pCtrl->GetTabWithSpace();
}

void CKTSyntaxEditPropertiesPageEdit::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    for (const KT_EDIT_CHECK& check : kChecks)
        DDX_Check(pDX, check.nID, this->*check.pMember);
    DDX_Control(pDX, KT_IDC_EDIT_OPT_INSERT_SPACES, m_btnInsertSpaces);
    DDX_Control(pDX, KT_IDC_EDIT_OPT_KEEP_TABS, m_btnKeepTabs);
    DDX_Control(pDX, KT_IDC_EDIT_OPT_THIN_CARET, m_btnThinCaret);
    DDX_Control(pDX, KT_IDC_EDIT_OPT_THICK_CARET, m_btnThickCaret);
    DDX_Text(pDX, KT_IDC_EDIT_OPT_TAB_SIZE, m_nTabSize);
    DDV_MinMaxInt(pDX, m_nTabSize, kMinTabSize, kMaxTabSize);
}

BOOL CKTSyntaxEditPropertiesPageEdit::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    m_bFilled = TRUE;
    m_btnInsertSpaces.SetCheck(m_bKeepTabs ? BST_UNCHECKED : BST_CHECKED);
    m_btnKeepTabs.SetCheck(m_bKeepTabs ? BST_CHECKED : BST_UNCHECKED);
    m_btnThinCaret.SetCheck(m_bWideCaret ? BST_UNCHECKED : BST_CHECKED);
    m_btnThickCaret.SetCheck(m_bWideCaret ? BST_CHECKED : BST_UNCHECKED);
    return TRUE;
}

void CKTSyntaxEditPropertiesPageEdit::ReadControlsLeniently()
{
    for (const KT_EDIT_CHECK& check : kChecks)
        this->*check.pMember = IsDlgButtonChecked(check.nID) == BST_CHECKED;
    BOOL bNumber = FALSE;
    const int nTabSize = (int)GetDlgItemInt(KT_IDC_EDIT_OPT_TAB_SIZE, &bNumber, TRUE);
    if (bNumber)
        m_nTabSize = nTabSize;
}

void CKTSyntaxEditPropertiesPageEdit::MarkModified()
{
    SetModified(TRUE);
    m_bModified = TRUE;
}

void CKTSyntaxEditPropertiesPageEdit::OnOptionChanged()
{
    // Filling the tab size edit is no change of the user's.
    if (!m_bFilled)
        return;
    ReadControlsLeniently();
    MarkModified();
}

void CKTSyntaxEditPropertiesPageEdit::OnInsertSpaces()
{
    m_bKeepTabs = FALSE;
    MarkModified();
}

void CKTSyntaxEditPropertiesPageEdit::OnKeepTabs()
{
    m_bKeepTabs = TRUE;
    MarkModified();
}

void CKTSyntaxEditPropertiesPageEdit::OnThinCaret()
{
    m_bWideCaret = FALSE;
    MarkModified();
}

void CKTSyntaxEditPropertiesPageEdit::OnThickCaret()
{
    m_bWideCaret = TRUE;
    MarkModified();
}

BOOL CKTSyntaxEditPropertiesPageEdit::OnApply()
{
    // Apply may come while another page is active, so the tab size is checked here too.
    if (!CPropertyPage::OnApply() || (GetSafeHwnd() && !UpdateData(TRUE)))
        return FALSE;
    if (!m_bModified)
        return TRUE;
    if (!ApplyOptions())
        return FALSE;
    m_bModified = FALSE;
    return TRUE;
}

BOOL CKTSyntaxEditPropertiesPageEdit::ApplyOptions()
{
    if (!m_pView || !m_pView->GetSafeHwnd())
        return FALSE;
    m_pView->SetScrollBars(m_bHorzScrollBar, m_bVertScrollBar, TRUE, TRUE);
    if (CKTSyntaxEditDoc* pDoc = m_pView->GetDocument())
        pDoc->SetAutoReload(m_bAutoReload, TRUE);
    CKTSyntaxEditCtrl* pCtrl = m_pView->GetEditCtrl();
    if (!pCtrl->GetSafeHwnd())
        return TRUE;
    pCtrl->SetSyntaxColor(m_bSyntaxColor, TRUE);
    pCtrl->SetAutoIndent(m_bAutoIndent, TRUE);
    pCtrl->SetSelMargin(m_bSelMargin, TRUE);
    pCtrl->SetLineNumbers(m_bLineNumbers, TRUE);
    pCtrl->SetWideCaret(m_bWideCaret, TRUE);
    pCtrl->SetTabSize(m_nTabSize, TRUE);
    pCtrl->SetTabWithSpace(!m_bKeepTabs, TRUE);
    pCtrl->RefreshCaret();
    return TRUE;
}
