// SettingsWriteBack.cpp: writing a changed settings item into its record, refusing what the record cannot hold.
#include "DialogHelpers.h"
#include "KestovaDialogsRes.h"
#include "ProtocolSettingsPane.h"
#include "SettingsPageItems.h"
#include "model/FixedText.h"
#include "model/Vocabulary.h"
#include "project/ProjectFile.h"

namespace
{

// A masked name without its prompts; FALSE when nothing was typed.
BOOL ReadName(CKTPropertyGridItem* pItem, CString& strName) { return ReadMaskedValue(pItem->GetValue(), 0, strName); }

// A hexadecimal code such as "0x1A" without its prompts; FALSE unless well formed.
BOOL ReadCode(CKTPropertyGridItem* pItem, CString& strCode)
{
    std::uint32_t nValue = 0;
    CString strShown = pItem->GetValue();
    if (strShown.Left(2) != "0x")
        strShown = "0x" + strShown;
    return ReadMaskedValue(strShown, 2, strCode) && ParseHexCode(strCode, &nValue);
}

// A masked code item shows the digits; its mask supplies the "0x".
CString CodeDigits(const char* pszStored) { return CString(pszStored).Mid(2); }

// A typed text kept as it stands, unless the record's room or the project file cannot take it.
template <class Text>
BOOL StoreTyped(Text& dest, const CString& strValue)
{
    return ProjectFileCanHold(strValue) && CopyFixedText(dest, strValue);
}

// The box for a list item's text that is none of its list: "invalid unit!".
CString UnlistedText(const CKTPropertyGridItem* pItem)
{
    CString strCaption = pItem->GetCaption();
    return "invalid " + strCaption.MakeLower() + "!";
}

}  // namespace

// The page is whole again before the box shows, and nothing of the record is read once it returns.
void CProtocolSettingsPane::Refuse(CKTPropertyGridItem* pItem, LPCSTR pszText, LPCSTR pszStored, FieldRecord* pField)
{
    pItem->SetValue(pszStored);
    if (pField)
        UpdateFieldItemStates(*pField);
    if (pszText)
        TellRefused(pszText);
}

// The box is the frame's, not the pane's: a floating pane's frame is a window of its own, and disabling only that
// would leave the tree and the menus taking input while the box waits. The frame gets the activation back when the
// box goes, so the window that had the focus takes it again.
void CProtocolSettingsPane::TellRefused(LPCSTR pszText)
{
    const HWND hFocus = ::GetFocus();
    ShowRefusal(GetTopLevelParent(), pszText);
    if (::IsWindow(hFocus))
        ::SetFocus(hFocus);
}

void CProtocolSettingsPane::WriteBack(CKTPropertyGridItem* pItem)
{
    if (!m_pSelection)
        return;
    const SettingsTarget target = m_pSelection->Resolve();
    const UINT nID = pItem->GetID();
    if (nID >= IDS_SETTINGS_PROJECT_NAME && nID <= IDS_SETTINGS_LIBRARY_TYPE && target.pProject)
        WriteProjectItem(pItem, *target.pProject);
    else if ((nID == IDS_SETTINGS_PACKET_NAME || nID == IDS_SETTINGS_PACKET_TYPE) && target.pPacket && !target.Field())
        WritePacketItem(pItem, target);
    else if (nID >= IDS_SETTINGS_FIELD_NAME && nID <= IDS_SETTINGS_TAG && target.Field())
        WriteFieldItem(pItem, target);
}

void CProtocolSettingsPane::WriteProjectItem(CKTPropertyGridItem* pItem, ProjectRecord& project)
{
    const CString strValue = pItem->GetValue();
    switch (pItem->GetID())
    {
    case IDS_SETTINGS_BASED_PROTOCOL:
        if (!ParseBasedProtocol(strValue, &project.basedProtocol))
            Refuse(pItem, UnlistedText(pItem), BasedProtocolName(project.basedProtocol));
        break;
    case IDS_SETTINGS_TARGET_PLATFORM:
        if (!ParseTargetPlatform(strValue, &project.targetPlatform))
            Refuse(pItem, UnlistedText(pItem), TargetPlatformName(project.targetPlatform));
        break;
    case IDS_SETTINGS_LIBRARY_TYPE:
        if (!ParseLibraryType(strValue, &project.libraryType))
            Refuse(pItem, UnlistedText(pItem), LibraryTypeName(project.libraryType));
        break;
    case IDS_SETTINGS_PROJECT_NAME:
        if (!CopyFixedText(project.name, strValue))
            Refuse(pItem, UnlistedText(pItem), project.name);
        break;
    default:
        break;
    }
}

void CProtocolSettingsPane::WritePacketItem(CKTPropertyGridItem* pItem, const SettingsTarget& target)
{
    if (pItem->GetID() == IDS_SETTINGS_PACKET_NAME)
        WritePacketName(pItem, target);
    else
        WritePacketType(pItem, target);
}

void CProtocolSettingsPane::WritePacketName(CKTPropertyGridItem* pItem, const SettingsTarget& target)
{
    PacketRecord& packet = *target.pPacket;
    CString strName;
    if (!ReadName(pItem, strName))
        return Refuse(pItem, "invalid packet name!", packet.name);
    if (strName == packet.name)
        return;
    // Packets differing only in case would clash in the generated names: the design refuses them.
    const PacketRecordArray& packets = target.pProject->packets;
    for (INT_PTR i = 0; i < packets.GetSize(); i++)
        if (&packets[i] != &packet && SameNameIgnoringCase(strName, packets[i].name))
            return Refuse(pItem, "packet " + strName + " already exist!", packet.name);
    CopyFixedText(packet.name, strName);
    m_pSelection->RenameSelected(strName);
}

// The packet itself is left out: rewriting its own type differently is no duplicate.
void CProtocolSettingsPane::WritePacketType(CKTPropertyGridItem* pItem, const SettingsTarget& target)
{
    PacketRecord& packet = *target.pPacket;
    CString strType;
    if (!ReadCode(pItem, strType))
        return Refuse(pItem, "invalid packet type!", CodeDigits(packet.packetType));
    if (strType == packet.packetType)
        return;
    const PacketRecordArray& packets = target.pProject->packets;
    for (INT_PTR i = 0; i < packets.GetSize(); i++)
        if (&packets[i] != &packet && SameHexCode(strType, packets[i].packetType))
            return Refuse(pItem, "packet type " + strType + " already exist!", CodeDigits(packet.packetType));
    CopyFixedText(packet.packetType, strType);
}

void CProtocolSettingsPane::WriteFieldItem(CKTPropertyGridItem* pItem, const SettingsTarget& target)
{
    switch (pItem->GetID())
    {
    case IDS_SETTINGS_FIELD_NAME:
        return WriteFieldName(pItem, target);
    case IDS_SETTINGS_TAG:
        return WriteFieldTag(pItem, target);
    case IDS_SETTINGS_MAX_LENGTH:
        return WriteMaxLength(pItem, *target.Field());
    case IDS_SETTINGS_MAX_COUNT:
    case IDS_SETTINGS_RELATED_COUNT:
    case IDS_SETTINGS_RELATED_LENGTH:
        return WriteFieldText(pItem, *target.Field());
    default:
        return WriteFieldChoice(pItem, *target.Field());
    }
}

void CProtocolSettingsPane::WriteFieldName(CKTPropertyGridItem* pItem, const SettingsTarget& target)
{
    FieldRecord& field = *target.Field();
    CString strName;
    if (!ReadName(pItem, strName))
        return Refuse(pItem, "invalid field name!", field.name);
    if (strName == field.name)
        return;
    const FieldRecordArray& fields = *target.pFieldList;
    for (INT_PTR i = 0; i < fields.GetSize(); i++)
        if (strName == fields[i].name)
            return Refuse(pItem, "field " + strName + " already exist!", field.name);
    CopyFixedText(field.name, strName);
    m_pSelection->RenameSelected(strName);
}

void CProtocolSettingsPane::WriteFieldTag(CKTPropertyGridItem* pItem, const SettingsTarget& target)
{
    FieldRecord& field = *target.Field();
    CString strTag;
    if (!ReadCode(pItem, strTag))
        return Refuse(pItem, "invalid tag value!", CodeDigits(field.tlvTag));
    if (strTag == field.tlvTag)
        return;
    const FieldRecordArray& fields = *target.pFieldList;
    for (INT_PTR i = 0; i < fields.GetSize(); i++)
        if (i != target.nField && fields[i].unit == UNIT_TLV && SameHexCode(strTag, fields[i].tlvTag))
            return Refuse(pItem, "tag value " + strTag + " already exist!", CodeDigits(field.tlvTag));
    CopyFixedText(field.tlvTag, strTag);
}

// Only a bit width is checked here, and what the record or the project file cannot hold; other lengths, counts
// and related names are kept as typed, and the design's check before code is generated names any that cannot be used.
void CProtocolSettingsPane::WriteMaxLength(CKTPropertyGridItem* pItem, FieldRecord& field)
{
    const CString strValue = pItem->GetValue();
    const int nWidth = DecimalValue(strValue);
    if (field.unit == UNIT_BIT && (nWidth < 1 || nWidth > 31))
        return Refuse(pItem, "invalid field max length!", field.maxLength, &field);
    if (!StoreTyped(field.maxLength, strValue))
        return Refuse(pItem, "invalid field max length!", field.maxLength, &field);
    UpdateFieldItemStates(field);
}

void CProtocolSettingsPane::WriteFieldText(CKTPropertyGridItem* pItem, FieldRecord& field)
{
    const CString strValue = pItem->GetValue();
    if (pItem->GetID() == IDS_SETTINGS_MAX_COUNT)
    {
        if (!StoreTyped(field.maxCount, strValue))
            return Refuse(pItem, "invalid field max count!", field.maxCount, &field);
    }
    else
    {
        NameText& target =
            pItem->GetID() == IDS_SETTINGS_RELATED_COUNT ? field.relatedCountField : field.relatedLengthField;
        if (!StoreTyped(target, strValue))
            return Refuse(pItem, "invalid related field!", target, &field);
    }
    UpdateFieldItemStates(field);
}

// List items take only a text of their list; anything else brings the stored value back.
void CProtocolSettingsPane::WriteFieldChoice(CKTPropertyGridItem* pItem, FieldRecord& field)
{
    const CString strValue = pItem->GetValue();
    const BOOL bListed = IsListedValue(pItem);
    switch (pItem->GetID())
    {
    case IDS_SETTINGS_UNIT:
        if (!bListed || !ParseUnit(strValue, &field.unit))
            return Refuse(pItem, UnlistedText(pItem), UnitName(field.unit), &field);
        break;
    case IDS_SETTINGS_DATA_TYPE:
        if (!bListed)
            return Refuse(pItem, UnlistedText(pItem), field.dataType, &field);
        else
            CopyFixedText(field.dataType, strValue);
        break;
    case IDS_SETTINGS_FIELD_TYPE:
        if (!bListed || !ParseFieldType(strValue, &field.type))
            return Refuse(pItem, UnlistedText(pItem), FieldTypeName(field.type), &field);
        break;
    case IDS_SETTINGS_ATTRIBUTE:
        if (!bListed || !ParseAttribute(strValue, &field.attribute))
            return Refuse(pItem, UnlistedText(pItem), AttributeName(field.attribute), &field);
        break;
    case IDS_SETTINGS_VARIANT:
        if (!bListed || !ParseVariantWay(strValue, &field.variantWay))
            return Refuse(pItem, UnlistedText(pItem), VariantWayName(field.variantWay), &field);
        break;
    default:
        return;
    }
    UpdateFieldItemStates(field);
}
