// AddField.cpp: the Add Field dialog: keeping its controls consistent and refusing inconsistent fields.
#include "AddField.h"

#include "DialogHelpers.h"
#include "KestovaDialogsRes.h"
#include "model/FixedText.h"
#include "project/ProjectFile.h"
#include "model/Vocabulary.h"

#include <cstring>

namespace
{

const char* const kUnitTexts[] = {"byte", "bit", "TLV"};
const char* const kAttributeTexts[] = {"fix length", "variant length"};
const char* const kVariantTexts[] = {"separated by binary 0", "select a related field",
                                     "select a related field,additional binary 0 at end"};
const char* const kTypeTexts[] = {"normal data", "header length", "body length", "total length", "packet type"};
const char* const kCharPointer = "char *";
const char* const kCharArray = "char []";

BOOL IsCharType(const CString& strType) { return strType == kCharPointer || strType == kCharArray; }

}  // namespace

IMPLEMENT_DYNAMIC(CAddField, CDialog)

BEGIN_MESSAGE_MAP(CAddField, CDialog)
ON_CBN_SELCHANGE(IDC_COMBO_DATATYPE, OnSelchangeDataType)
ON_CBN_SELCHANGE(IDC_COMBO_UNIT, OnSelchangeUnit)
ON_CBN_SELCHANGE(IDC_COMBO_ATTRIBUTE, OnSelchangeAttribute)
ON_CBN_SELCHANGE(IDC_COMBO_VARIANT, OnSelchangeVariant)
END_MESSAGE_MAP()

CAddField::CAddField(CWnd* pParent, const FieldRecordArray& fields, LPCTSTR pszPacketName)
    : CDialog(IDD_ADD_FIELD, pParent), m_fields(fields), m_strPacketName(pszPacketName ? pszPacketName : ""),
      m_bHeader(pszPacketName == nullptr)
{
}

void CAddField::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_EDIT_NAME, m_editName);
    DDX_Control(pDX, IDC_COMBO_UNIT, m_boxUnit);
    DDX_Control(pDX, IDC_COMBO_DATATYPE, m_boxDataType);
    DDX_Control(pDX, IDC_EDIT_MAX_LENGTH, m_editMaxLength);
    DDX_Control(pDX, IDC_EDIT_MAX_COUNT, m_editMaxCount);
    DDX_Control(pDX, IDC_COMBO_RELATED_COUNT, m_boxRelatedCount);
    DDX_Control(pDX, IDC_COMBO_ATTRIBUTE, m_boxAttribute);
    DDX_Control(pDX, IDC_COMBO_VARIANT, m_boxVariant);
    DDX_Control(pDX, IDC_COMBO_RELATED_LENGTH, m_boxRelatedLength);
    DDX_Control(pDX, IDC_COMBO_FIELD_TYPE, m_boxType);
    DDX_Control(pDX, IDC_EDIT_REINTERPRET, m_editReinterpret);
    DDX_Control(pDX, IDC_EDIT_TAG, m_editTag);
}

BOOL CAddField::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_editName.SetEditMask("LAAAAAAAAAAAAAAAAAAAAAAAA", "_________________________");
    m_editTag.SetEditMask("0xHHHHHHHH", "0x________", "0x00000000");
    FillComboBox(m_boxUnit, kUnitTexts, 3);
    for (int i = 0; i < DATA_TYPE_COUNT; i++)
        m_boxDataType.AddString(DataTypeName(i));
    m_boxDataType.SetCurSel(0);
    FillRelatedFields();
    FillComboBox(m_boxAttribute, kAttributeTexts, 2);
    m_boxAttribute.SetDroppedWidth(100);
    FillComboBox(m_boxVariant, kVariantTexts, 3);
    m_boxVariant.SetDroppedWidth(250);
    FillComboBox(m_boxType, kTypeTexts, 5);
    // The records keep these as fixed arrays; nothing longer may be typed.
    m_editMaxLength.LimitText(FixedTextCapacity(FieldRecord().maxLength));
    m_editMaxCount.LimitText(FixedTextCapacity(FieldRecord().maxCount));
    m_editReinterpret.LimitText(FixedTextCapacity(FieldRecord().reinterpretName));
    OnSelchangeUnit();
    return TRUE;
}

// Only integer fields can carry a count or a length.
void CAddField::FillRelatedFields()
{
    for (INT_PTR i = 0; i < m_fields.GetSize(); i++)
    {
        const FieldRecord& field = m_fields[i];
        if (IsCharType(field.dataType.Text()))
            continue;
        m_boxRelatedCount.AddString(field.name);
        m_boxRelatedLength.AddString(field.name);
    }
}

void CAddField::EnableControls(std::initializer_list<int> ids, BOOL bEnable)
{
    for (int nID : ids)
        GetDlgItem(nID)->EnableWindow(bEnable);
}

BOOL CAddField::IsVariantLength() const { return m_boxAttribute.GetCurSel() == ATTRIBUTE_VARIANT_LENGTH; }

void CAddField::EnableVariantControls()
{
    const BOOL bVariant = IsVariantLength();
    EnableControls({IDC_COMBO_VARIANT}, bVariant);
    EnableControls({IDC_COMBO_RELATED_LENGTH}, bVariant && m_boxVariant.GetCurSel() != VARIANT_ZERO_TERMINATED);
}

void CAddField::EnsureCharPointer(BOOL bPresent)
{
    const int nIndex = m_boxDataType.FindStringExact(-1, kCharPointer);
    if (bPresent && nIndex == CB_ERR)
        m_boxDataType.AddString(kCharPointer);
    if (!bPresent && nIndex != CB_ERR)
        m_boxDataType.DeleteString(nIndex);
}

void CAddField::OnSelchangeUnit()
{
    const int nUnit = m_boxUnit.GetCurSel();
    if (nUnit == UNIT_BIT)
    {
        EnsureCharPointer(TRUE);
        EnableControls({IDC_COMBO_DATATYPE, IDC_COMBO_RELATED_COUNT, IDC_EDIT_MAX_COUNT, IDC_COMBO_ATTRIBUTE,
                        IDC_COMBO_VARIANT, IDC_COMBO_RELATED_LENGTH, IDC_EDIT_TAG},
                       FALSE);
        EnableControls({IDC_EDIT_MAX_LENGTH}, TRUE);
        return;
    }
    if (nUnit == UNIT_TLV)
    {
        m_boxDataType.SelectString(-1, DataTypeName(DATA_UNSIGNED_INT));
        EnsureCharPointer(FALSE);
    }
    else
        EnsureCharPointer(TRUE);
    EnableControls({IDC_COMBO_DATATYPE}, TRUE);
    EnableControls({IDC_EDIT_TAG}, nUnit == UNIT_TLV);
    OnSelchangeDataType();
}

void CAddField::OnSelchangeDataType()
{
    const CString strType = SelectedText(m_boxDataType);
    const BOOL bPointer = strType == kCharPointer;
    EnableControls({IDC_EDIT_MAX_LENGTH}, IsCharType(strType));
    EnableControls({IDC_COMBO_RELATED_COUNT, IDC_EDIT_MAX_COUNT}, bPointer);
    const BOOL bAttribute = bPointer || (strType == kCharArray && m_boxUnit.GetCurSel() != UNIT_TLV);
    EnableControls({IDC_COMBO_ATTRIBUTE}, bAttribute);
    if (bAttribute)
        EnableVariantControls();
    else
        EnableControls({IDC_COMBO_VARIANT, IDC_COMBO_RELATED_LENGTH}, FALSE);
}

void CAddField::OnSelchangeAttribute() { EnableVariantControls(); }

void CAddField::OnSelchangeVariant() { EnableVariantControls(); }

BOOL CAddField::Refuse(const CString& strText)
{
    ShowRefusal(this, strText);
    return FALSE;
}

CString CAddField::TargetName() const { return m_bHeader ? CString("header") : "packet " + m_strPacketName; }

BOOL CAddField::ReadName()
{
    CString strShown;
    m_editName.GetWindowText(strShown);
    if (!ReadMaskedValue(strShown, 0, m_strName))
        return Refuse("invalid field name, please reenter again!");
    for (INT_PTR i = 0; i < m_fields.GetSize(); i++)
        if (m_strName == m_fields[i].name)
            return Refuse("field " + m_strName + " already exist in " + TargetName() + ", please reenter again!");
    return TRUE;
}

BOOL CAddField::ReadSelections()
{
    m_strDataType = SelectedText(m_boxDataType);
    m_editMaxLength.GetWindowText(m_strMaxLength);
    m_editMaxCount.GetWindowText(m_strMaxCount);
    m_nAttribute = IsVariantLength() ? ATTRIBUTE_VARIANT_LENGTH : ATTRIBUTE_FIX_LENGTH;
    // A fixed-length field has no variant way, whatever the disabled box still shows.
    m_nVariant = m_nAttribute == ATTRIBUTE_VARIANT_LENGTH ? m_boxVariant.GetCurSel() : VARIANT_ZERO_TERMINATED;
    m_strRelatedLength = SelectedText(m_boxRelatedLength);
    m_nUnit = m_boxUnit.GetCurSel();
    return TRUE;
}

BOOL CAddField::ReadUnit()
{
    if (m_nUnit == UNIT_BIT)
        return ReadBitWidth();
    if (m_nUnit == UNIT_TLV)
        return ReadTag();
    return TRUE;
}

// A width out of range is refused only once the other checks have passed.
BOOL CAddField::ReadBitWidth()
{
    m_nMaxLength = DecimalValue(m_strMaxLength);
    if (m_nMaxLength == 0)
        return Refuse("invalid max length, please reenter again!");
    const int nType = DataTypeForBitWidth(m_nMaxLength);
    if (nType >= 0)
        m_strDataType = DataTypeName(nType);
    return TRUE;
}

BOOL CAddField::ReadTag()
{
    CString strShown;
    m_editTag.GetWindowText(strShown);
    std::uint32_t nCode = 0;
    if (!ReadMaskedValue(strShown, 2, m_strTag) || !ParseHexCode(m_strTag, &nCode))
        return Refuse("invalid tag value, please reenter again!");
    if (m_boxType.GetCurSel() != FIELD_NORMAL_DATA)
        return Refuse("the \"Unit\" you choose is \"TLV\",the \"Type\" you must select is \"normal data\"!");
    for (INT_PTR i = 0; i < m_fields.GetSize(); i++)
    {
        const FieldRecord& field = m_fields[i];
        if (field.unit != UNIT_TLV || (m_strTag != field.tlvTag && !SameHexCode(m_strTag, field.tlvTag)))
            continue;
        if (m_bHeader)
            return Refuse("tag value " + m_strTag + " already exist in header, please reenter again!");
        return Refuse("tag value " + m_strTag + " already exist in packet " + m_strPacketName +
                      ",please reenter again!");
    }
    return TRUE;
}

BOOL CAddField::ReadMaxLength()
{
    if (m_nUnit == UNIT_BIT)
        return TRUE;
    if (!IsCharType(m_strDataType))
    {
        int nType = DATA_UNSIGNED_INT;
        ParseDataType(m_strDataType, &nType);
        m_nMaxLength = DataTypeByteWidth(nType);
        return TRUE;
    }
    // A text cannot be shorter than nothing.
    m_nMaxLength = DecimalValue(m_strMaxLength);
    if (m_nMaxLength <= 0)
        return Refuse("invalid max length, please reenter again!");
    return TRUE;
}

BOOL CAddField::ReadType()
{
    // Only a byte pointer field carries a count; a disabled box may still show an old choice.
    if (m_nUnit != UNIT_BIT && m_strDataType == kCharPointer)
        m_strRelatedCount = SelectedText(m_boxRelatedCount);
    else
    {
        m_strRelatedCount.Empty();
        m_strMaxCount.Empty();
    }
    m_nType = m_boxType.GetCurSel();
    if (m_nType != FIELD_NORMAL_DATA && IsCharType(m_strDataType))
        return Refuse(CString("the field type you choose is \"") + kTypeTexts[m_nType] +
                      "\",the data type you select must be integer!");
    // Kept as typed, as the settings pane keeps it, but for what the project file cannot hold: the design could
    // not be saved again.
    if (!ProjectFileCanHold(m_strMaxCount))
        return Refuse("invalid max count, please reenter again!");
    return TRUE;
}

BOOL CAddField::CheckBitWidth()
{
    if (m_nUnit != UNIT_BIT)
        return TRUE;
    if (m_nMaxLength > 31)
        return Refuse("the field unit you choose is bit,the value of max length can't be larger than 31!");
    if (m_nMaxLength < 0)
        return Refuse("the field unit you choose is bit,the value of max length can't be smaller than 0!");
    return TRUE;
}

BOOL CAddField::CheckVariableText()
{
    const BOOL bNeedsLength = m_nVariant != VARIANT_ZERO_TERMINATED && m_strRelatedLength.IsEmpty();
    if (m_strDataType == kCharArray && m_nUnit != UNIT_TLV && bNeedsLength)
        return Refuse("the data type you choose is char [],you must select a related field as length depend on your "
                      "selected variant way!");
    if (m_strDataType != kCharPointer)
        return TRUE;
    if (m_strMaxCount.IsEmpty())
        return Refuse("the data type you choose is char *,you must input the max count!");
    if (m_strRelatedCount.IsEmpty())
        return Refuse("the data type you choose is char *,you must choose a related field as count!");
    if (bNeedsLength)
        return Refuse("the data type you choose is char *,you must select a related field as length depend on your "
                      "selected variant way!");
    return TRUE;
}

void CAddField::OnOK()
{
    m_strTag = "0x00000000";
    if (ReadName() && ReadSelections() && ReadUnit() && ReadMaxLength() && ReadType() && CheckBitWidth() &&
        CheckVariableText())
        CDialog::OnOK();
}

FieldRecord CAddField::MakeRecord() const
{
    FieldRecord record;
    CopyFixedText(record.name, m_strName);
    CString strMaxLength;
    strMaxLength.Format("%d", m_nMaxLength);
    CopyFixedText(record.maxLength, strMaxLength);
    CopyFixedText(record.maxCount, m_strMaxCount);
    record.unit = m_nUnit;
    CopyFixedText(record.dataType, m_strDataType);
    record.type = m_nType;
    CopyFixedText(record.relatedCountField, m_strRelatedCount);
    record.attribute = m_nAttribute;
    record.variantWay = m_nVariant;
    CopyFixedText(record.relatedLengthField, m_strRelatedLength);
    CopyFixedText(record.tlvTag, m_strTag);
    return record;
}
