// FieldItemStates.cpp: keeping the field page's items consistent with the field's unit and data type.
#include "DialogHelpers.h"
#include "KTPropertyGridView.h"
#include "ProtocolSettingsPane.h"
#include "model/FixedText.h"
#include "model/Vocabulary.h"

namespace
{

const char* const kCharPointer = "char *";

void SetReadOnly(std::initializer_list<CKTPropertyGridItem*> items, BOOL bReadOnly)
{
    for (CKTPropertyGridItem* pItem : items)
        if (pItem)
            pItem->SetReadOnly(bReadOnly);
}

}  // namespace

void CProtocolSettingsPane::UpdateDataTypeList(CKTPropertyGridItem* pDataType, int nUnit)
{
    CKTPropertyGridItemConstraints* pList = pDataType->GetConstraints();
    const int nPointer = pList->FindConstraint(kCharPointer);
    if (nUnit != UNIT_TLV)
    {
        if (nPointer == -1)
            pList->AddConstraint(kCharPointer);
        return;
    }
    if (nPointer != -1)
        pList->RemoveAt(nPointer);
}

void CProtocolSettingsPane::UpdateFieldItemStates(FieldRecord& field)
{
    CKTPropertyGridItem* pTag = FieldItem("Tag");
    CKTPropertyGridItem* pDataType = FieldItem("Data Type");
    if (!pDataType)
        return;
    SetReadOnly({pTag}, field.unit != UNIT_TLV);
    // A field the user turns to TLV cannot stay a pointer; a loaded one still shows what it holds.
    if (field.unit == UNIT_TLV && pDataType->GetValue() == kCharPointer)
        pDataType->SetValue(DataTypeName(DATA_UNSIGNED_INT));
    UpdateDataTypeList(pDataType, field.unit);
    if (field.unit == UNIT_BIT)
        UpdateBitItems(field);
    else
        UpdateByteOrTlvItems(field);
}

void CProtocolSettingsPane::UpdateByteOrTlvItems(FieldRecord& field)
{
    CKTPropertyGridItem* pDataType = FieldItem("Data Type");
    CKTPropertyGridItem* pMaxLength = FieldItem("Max Length");
    CKTPropertyGridItem* pMaxCount = FieldItem("Max Count");
    CKTPropertyGridItem* pRelatedCount = FieldItem("Related Count");
    CKTPropertyGridItem* pAttribute = FieldItem("Attribute");
    CKTPropertyGridItem* pVariant = FieldItem("Variant");
    CKTPropertyGridItem* pRelatedLength = FieldItem("Related Length");
    pDataType->SetReadOnly(FALSE);
    CopyFixedText(field.dataType, pDataType->GetValue());
    int nType = -1;
    ParseDataType(field.dataType, &nType);
    if (nType == DATA_CHAR_ARRAY || nType == DATA_CHAR_POINTER)
    {
        if (pMaxLength)
            pMaxLength->SetValue(field.maxLength.Text());
        SetReadOnly({pMaxLength, pAttribute}, FALSE);
        SetReadOnly({pMaxCount, pRelatedCount}, nType != DATA_CHAR_POINTER);
        const BOOL bVariant = field.attribute == ATTRIBUTE_VARIANT_LENGTH;
        SetReadOnly({pVariant}, !bVariant);
        SetReadOnly({pRelatedLength}, !bVariant || field.variantWay == VARIANT_ZERO_TERMINATED);
        if (field.unit == UNIT_TLV)
            SetReadOnly({pMaxCount, pRelatedCount, pAttribute, pVariant, pRelatedLength}, TRUE);
        return;
    }
    if (!IsIntegerDataType(nType))
        return;
    CString strWidth;
    strWidth.Format("%d", DataTypeByteWidth(nType));
    CopyFixedText(field.maxLength, strWidth);
    if (pMaxLength)
        pMaxLength->SetValue(strWidth);
    SetReadOnly({pMaxCount, pRelatedCount, pAttribute, pVariant, pRelatedLength, pMaxLength}, TRUE);
}

void CProtocolSettingsPane::UpdateBitItems(FieldRecord& field)
{
    CKTPropertyGridItem* pDataType = FieldItem("Data Type");
    CKTPropertyGridItem* pMaxLength = FieldItem("Max Length");
    pDataType->SetReadOnly(TRUE);
    SetReadOnly({pMaxLength}, FALSE);
    SetReadOnly({FieldItem("Max Count"), FieldItem("Related Count"), FieldItem("Attribute"), FieldItem("Variant"),
                 FieldItem("Related Length")},
                TRUE);
    const int nWidth = DecimalValue(field.maxLength);
    const int nType = DataTypeForBitWidth(nWidth);
    if (nType >= 0)
    {
        // Kept as the number it reads as, as Add Field keeps it: the design's check reads digits alone.
        CString strWidth;
        strWidth.Format("%d", nWidth);
        CopyFixedText(field.maxLength, strWidth);
        if (pMaxLength)
            pMaxLength->SetValue(strWidth);
        CopyFixedText(field.dataType, DataTypeName(nType));
        pDataType->SetValue(field.dataType.Text());
        return;
    }
    CopyFixedText(field.maxLength, "0");
    CopyFixedText(field.dataType, DataTypeName(DATA_UNSIGNED_CHAR));
    pDataType->SetValue(field.dataType.Text());
    if (pMaxLength)
        pMaxLength->SetValue("0");
}
