// SettingsPageLoader.cpp: showing a selected record on its page with the read-only rules of its kind.
#include "KTPropertyGridView.h"
#include "KestovaDialogsRes.h"
#include "ProtocolSettingsPane.h"
#include "model/Vocabulary.h"

namespace
{

void Show(CKTPropertyGridItem* pItem, LPCSTR pszValue, BOOL bReadOnly)
{
    if (!pItem)
        return;
    pItem->SetValue(pszValue);
    pItem->SetReadOnly(bReadOnly);
}

BOOL IsCharType(const char* pszType)
{
    int nType = -1;
    return ParseDataType(pszType, &nType) && (nType == DATA_CHAR_ARRAY || nType == DATA_CHAR_POINTER);
}

}  // namespace

void CProtocolSettingsPane::LoadProject(const ProjectRecord& project)
{
    if (!MakePage(kProjectPage))
        return;
    CKTPropertyGridItems* pItems = m_pages[kProjectPage].GetGridView()->GetCategories();
    Show(pItems->FindItem(IDS_SETTINGS_PROJECT_NAME), project.name, TRUE);
    Show(pItems->FindItem(IDS_SETTINGS_BASED_PROTOCOL), BasedProtocolName(project.basedProtocol), FALSE);
    Show(pItems->FindItem(IDS_SETTINGS_TARGET_PLATFORM), TargetPlatformName(project.targetPlatform), FALSE);
    Show(pItems->FindItem(IDS_SETTINGS_LIBRARY_TYPE), LibraryTypeName(project.libraryType), FALSE);
    Show(pItems->FindItem(IDS_SETTINGS_LOCATION), project.folder, TRUE);
    ShowPage(kProjectPage);
}

void CProtocolSettingsPane::LoadPacket(const PacketRecord& packet)
{
    if (!MakePage(kPacketPage))
        return;
    CKTPropertyGridItems* pItems = m_pages[kPacketPage].GetGridView()->GetCategories();
    Show(pItems->FindItem(IDS_SETTINGS_PACKET_NAME), packet.name, FALSE);
    Show(pItems->FindItem(IDS_SETTINGS_PACKET_TYPE), CString(packet.packetType).Mid(2), FALSE);
    ShowPage(kPacketPage);
}

// Only fields before this one, and no strings, can carry its count or length.
void CProtocolSettingsPane::FillEarlierFields(CKTPropertyGridItem* pItem, const FieldRecord& field,
                                              const FieldRecordArray& list)
{
    CKTPropertyGridItemConstraints* pList = pItem->GetConstraints();
    pList->RemoveAll();
    for (INT_PTR i = 0; i < list.GetSize() && &list[i] != &field; i++)
        if (!IsCharType(list[i].dataType))
            pList->AddConstraint(list[i].name);
}

void CProtocolSettingsPane::LoadField(const FieldRecord& field, const FieldRecordArray& list)
{
    if (!MakePage(kFieldPage))
        return;
    const BOOL bPointer = CString(field.dataType) == "char *";
    const BOOL bAttribute = field.unit == UNIT_BYTE && IsCharType(field.dataType);
    const BOOL bVariant = bAttribute && field.attribute == ATTRIBUTE_VARIANT_LENGTH;
    Show(FieldItem("Name"), field.name, FALSE);
    Show(FieldItem("Unit"), UnitName(field.unit), FALSE);
    CKTPropertyGridItem* pDataType = FieldItem("Data Type");
    Show(pDataType, field.dataType, field.unit == UNIT_BIT);
    UpdateDataTypeList(pDataType, field.unit);
    Show(FieldItem("Max Length"), field.maxLength, !(field.unit == UNIT_BIT || IsCharType(field.dataType)));
    Show(FieldItem("Max Count"), field.maxCount, !bPointer);
    Show(FieldItem("Related Count"), field.relatedCountField, !bPointer);
    FillEarlierFields(FieldItem("Related Count"), field, list);
    Show(FieldItem("Attribute"), AttributeName(field.attribute), !bAttribute);
    Show(FieldItem("Variant"), VariantWayName(field.variantWay), !bVariant);
    Show(FieldItem("Related Length"), field.relatedLengthField, !(bVariant && field.variantWay != 0));
    FillEarlierFields(FieldItem("Related Length"), field, list);
    Show(FieldItem("Type"), FieldTypeName(field.type), FALSE);
    Show(FieldItem("Tag"), CString(field.tlvTag).Mid(2), field.unit != UNIT_TLV);
    ShowPage(kFieldPage);
}
