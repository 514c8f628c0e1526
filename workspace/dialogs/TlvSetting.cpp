// TlvSetting.cpp: the TLV Setting dialog.
#include "TlvSetting.h"

#include "DialogHelpers.h"
#include "KestovaDialogsRes.h"
#include "model/FixedText.h"
#include "model/Vocabulary.h"

namespace
{

void FillIntegerTypes(CComboBox& box)
{
    for (int i = 0; i < DATA_TYPE_COUNT; i++)
        if (IsIntegerDataType(i))
            box.AddString(DataTypeName(i));
    box.SetCurSel(0);
}

}  // namespace

IMPLEMENT_DYNAMIC(CTlv, CDialog)

BEGIN_MESSAGE_MAP(CTlv, CDialog)
ON_BN_CLICKED(IDC_CHECK_BOX, OnTlvCheck)
END_MESSAGE_MAP()

CTlv::CTlv(CWnd* pParent, const ProjectRecord& project) : CDialog(IDD_TLV_SETTING, pParent), m_project(project) {}

void CTlv::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CHECK_BOX, m_checkTlv);
    DDX_Control(pDX, IDC_COMBO_TAG_TYPE, m_boxTagType);
    DDX_Control(pDX, IDC_COMBO_LENGTH_TYPE, m_boxLengthType);
}

BOOL CTlv::OnInitDialog()
{
    CDialog::OnInitDialog();
    FillIntegerTypes(m_boxTagType);
    FillIntegerTypes(m_boxLengthType);
    m_nTlvFlag = m_project.tlvSupport ? 1 : 0;
    m_checkTlv.SetCheck(m_nTlvFlag ? BST_CHECKED : BST_UNCHECKED);
    if (m_nTlvFlag)
    {
        m_boxTagType.SelectString(-1, m_project.tlvTagType);
        m_boxLengthType.SelectString(-1, m_project.tlvLengthType);
    }
    EnableTypeLists();
    return TRUE;
}

void CTlv::EnableTypeLists()
{
    m_boxTagType.EnableWindow(m_nTlvFlag);
    m_boxLengthType.EnableWindow(m_nTlvFlag);
}

void CTlv::OnTlvCheck()
{
    m_nTlvFlag = m_checkTlv.GetCheck() == BST_CHECKED ? 1 : 0;
    EnableTypeLists();
}

void CTlv::OnOK()
{
    m_strTagType = SelectedText(m_boxTagType);
    m_strLengthType = SelectedText(m_boxLengthType);
    CDialog::OnOK();
}

void CTlv::ApplyTo(ProjectRecord& project) const
{
    project.tlvSupport = m_nTlvFlag;
    CopyFixedText(project.tlvTagType, m_strTagType);
    CopyFixedText(project.tlvLengthType, m_strLengthType);
}
