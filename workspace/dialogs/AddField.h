// AddField.h: the modal dialog that collects one field for the header or a packet.
//
// Classes: CAddField.
#pragma once
#include "afxwin.h"

#include <initializer_list>

#include "KBMaskEdit.h"
#include "OfficeBorderControl.h"
#include "model/ProtocolRecords.h"

class CAddField : public CDialog
{
    DECLARE_DYNAMIC(CAddField)
public:
    // The field goes into fields: the header's when pszPacketName is null,
    // else the fields of that packet.
    CAddField(CWnd* pParent, const FieldRecordArray& fields, LPCTSTR pszPacketName);

    // The record the results describe, ready to be appended.
    FieldRecord MakeRecord() const;

    CString m_strName;
    int m_nUnit = 0;
    int m_nMaxLength = 0;
    CString m_strDataType;
    int m_nAttribute = 0;
    int m_nVariant = 0;
    CString m_strRelatedLength;
    CString m_strMaxLength;
    CString m_strMaxCount;
    CString m_strRelatedCount;
    int m_nType = 0;
    CString m_strReinterpretName;
    CString m_strTag;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    afx_msg void OnSelchangeDataType();
    afx_msg void OnSelchangeUnit();
    afx_msg void OnSelchangeAttribute();
    afx_msg void OnSelchangeVariant();
    DECLARE_MESSAGE_MAP()

private:
    void FillRelatedFields();
    void EnableControls(std::initializer_list<int> ids, BOOL bEnable);
    void EnableVariantControls();
    void EnsureCharPointer(BOOL bPresent);
    BOOL IsVariantLength() const;

    BOOL ReadName();
    BOOL ReadSelections();
    BOOL ReadUnit();
    BOOL ReadBitWidth();
    BOOL ReadTag();
    BOOL ReadMaxLength();
    BOOL ReadType();
    BOOL CheckBitWidth();
    BOOL CheckVariableText();
    BOOL Refuse(const CString& strText);
    CString TargetName() const;

    CKBMaskEdit m_editName;
    COfficeBorderControl<CComboBox> m_boxUnit;
    COfficeBorderControl<CComboBox> m_boxDataType;
    CEdit m_editMaxLength;
    CEdit m_editMaxCount;
    COfficeBorderControl<CComboBox> m_boxRelatedCount;
    COfficeBorderControl<CComboBox> m_boxAttribute;
    COfficeBorderControl<CComboBox> m_boxVariant;
    COfficeBorderControl<CComboBox> m_boxRelatedLength;
    COfficeBorderControl<CComboBox> m_boxType;
    CEdit m_editReinterpret;
    CKBMaskEdit m_editTag;

    const FieldRecordArray& m_fields;
    CString m_strPacketName;
    BOOL m_bHeader;
};
