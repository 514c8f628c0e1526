// SettingsPageItems.cpp: the table of the settings pages' items.
#include "SettingsPageItems.h"

#include "KTPropertyGridView.h"
#include "KestovaDialogsRes.h"
#include "model/FixedText.h"
#include "model/Vocabulary.h"

#include <vector>

namespace
{

const char* const kNameMask = "LAAAAAAAAAAAAAAAAAAAAAAAA";
const char* const kNameLiteral = "_________________________";
const char* const kHexMask = "0xHHHHHHHH";
const char* const kHexLiteral = "0x________";

struct ItemSpec
{
    UINT nID;
    const char* pszValue;
    std::vector<const char*> list;
    bool bHex = false;
    bool bName = false;
    int nMaxLength = 0;  // the record's array: nothing longer may be typed
};

std::vector<const char*> DataTypeList()
{
    std::vector<const char*> names;
    for (int i = 0; i < DATA_TYPE_COUNT; i++)
        names.push_back(DataTypeName(i));
    return names;
}

std::vector<ItemSpec> ProjectItems()
{
    return {{IDS_SETTINGS_PROJECT_NAME, "", {}, false, false, (int)FixedTextCapacity(ProjectRecord().name)},
            {IDS_SETTINGS_BASED_PROTOCOL, "TCP", {"TCP", "UDP"}},
            {IDS_SETTINGS_TARGET_PLATFORM, "Windows", {"Windows", "Unix(Linux)"}},
            {IDS_SETTINGS_LIBRARY_TYPE, "dll library", {"dll library", "static library"}},
            {IDS_SETTINGS_LOCATION, "", {}}};
}

std::vector<ItemSpec> PacketItems()
{
    return {{IDS_SETTINGS_PACKET_NAME, "", {}, false, true}, {IDS_SETTINGS_PACKET_TYPE, "", {}, true}};
}

std::vector<ItemSpec> FieldItems()
{
    const FieldRecord field;
    return {{IDS_SETTINGS_FIELD_NAME, "", {}, false, true},
            {IDS_SETTINGS_UNIT, "byte", {"byte", "bit", "TLV"}},
            {IDS_SETTINGS_DATA_TYPE, "unsigned int", DataTypeList()},
            {IDS_SETTINGS_MAX_LENGTH, "", {}, false, false, (int)FixedTextCapacity(field.maxLength)},
            {IDS_SETTINGS_MAX_COUNT, "", {}, false, false, (int)FixedTextCapacity(field.maxCount)},
            {IDS_SETTINGS_RELATED_COUNT, "", {}},
            {IDS_SETTINGS_ATTRIBUTE, "fix length", {"fix length", "variant length"}},
            {IDS_SETTINGS_VARIANT,
             "separated by binary 0",
             {"separated by binary 0", "select a related field", "select a related field,additional binary 0 at end"}},
            {IDS_SETTINGS_RELATED_LENGTH, "", {}},
            {IDS_SETTINGS_FIELD_TYPE,
             "normal data",
             {"normal data", "header length", "body length", "total length", "packet type"}},
            {IDS_SETTINGS_TAG, "", {}, true}};
}

// Related-field items are lists filled when a field is loaded.
bool IsListItem(const ItemSpec& entry)
{
    return !entry.list.empty() || entry.nID == IDS_SETTINGS_RELATED_COUNT || entry.nID == IDS_SETTINGS_RELATED_LENGTH;
}

void AddItems(CKTPropertyGridItem* pCategory, const std::vector<ItemSpec>& specs)
{
    for (const ItemSpec& entry : specs)
    {
        CKTPropertyGridItem* pItem = pCategory->AddChildItem(new CKTPropertyGridItem(entry.nID, entry.pszValue));
        for (const char* pszText : entry.list)
            pItem->GetConstraints()->AddConstraint(pszText);
        if (IsListItem(entry))
            pItem->SetFlags(5);
        if (entry.bName)
            pItem->SetMask(kNameMask, kNameLiteral, '_');
        if (entry.bHex)
            pItem->SetMask(kHexMask, kHexLiteral, '_');
        if (entry.nMaxLength)
            pItem->SetMaxLength(entry.nMaxLength);
    }
    pCategory->Expand();
}

}  // namespace

void BuildSettingsPage(CKTPropertyGrid& grid, CProtocolSettingsPane::EPage page)
{
    switch (page)
    {
    case CProtocolSettingsPane::kProjectPage:
        AddItems(grid.GetGridView()->AddCategory("Protocol Settings"), ProjectItems());
        break;
    case CProtocolSettingsPane::kPacketPage:
        AddItems(grid.AddCategory(IDS_SETTINGS_PACKET_CATEGORY), PacketItems());
        break;
    case CProtocolSettingsPane::kFieldPage:
        AddItems(grid.AddCategory(IDS_SETTINGS_FIELD_CATEGORY), FieldItems());
        break;
    default:
        grid.GetGridView()->AddCategory("");
        break;
    }
}

BOOL IsListedValue(CKTPropertyGridItem* pItem)
{
    const CString strValue = pItem->GetValue();
    CKTPropertyGridItemConstraints* pList = pItem->GetConstraints();
    for (int i = 0; i < pList->GetCount(); i++)
        if (pList->GetAt(i) == strValue)
            return TRUE;
    return FALSE;
}
