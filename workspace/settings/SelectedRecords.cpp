// SelectedRecords.cpp: finding the selected item's records and loading its page.
#include "SelectedRecords.h"

namespace
{

enum : unsigned
{
    kProjectItem = 0,
    kHeaderFieldItem = 2,
    kPacketItem = 4,
    kPacketFieldItem = 5
};

PacketRecord* PacketNamed(ProjectRecord& project, const CString& strName)
{
    for (INT_PTR i = 0; i < project.packets.GetSize(); i++)
        if (strName == project.packets[i].name)
            return &project.packets[i];
    return nullptr;
}

INT_PTR FieldNamed(const FieldRecordArray& fields, const CString& strName)
{
    for (INT_PTR i = 0; i < fields.GetSize(); i++)
        if (strName == fields[i].name)
            return i;
    return -1;
}

void FindField(SettingsTarget& target, FieldRecordArray& fields, const CString& strName)
{
    const INT_PTR nField = FieldNamed(fields, strName);
    if (nField < 0)
        return;
    target.pFieldList = &fields;
    target.nField = nField;
}

}  // namespace

SettingsTarget FindSelectedRecords(const SelectedItem& item)
{
    SettingsTarget target;
    target.pProject = item.pProject;
    if (!item.pProject)
        return target;
    ProjectRecord& project = *item.pProject;
    if (item.nKind == kPacketItem)
        target.pPacket = PacketNamed(project, item.strCaption);
    if (item.nKind == kHeaderFieldItem)
        FindField(target, project.headerFields, item.strCaption);
    if (item.nKind == kPacketFieldItem)
    {
        target.pPacket = PacketNamed(project, item.strParentCaption);
        if (target.pPacket)
            FindField(target, target.pPacket->fields, item.strCaption);
    }
    return target;
}

void LoadSelectedPage(CProtocolSettingsPane& pane, const SelectedItem& item)
{
    const SettingsTarget target = FindSelectedRecords(item);
    if (item.nKind == kProjectItem && target.pProject)
        return pane.LoadProject(*target.pProject);
    if (item.nKind == kPacketItem)
    {
        if (target.pPacket)
            pane.LoadPacket(*target.pPacket);
        return pane.ShowPage(CProtocolSettingsPane::kPacketPage);
    }
    if (item.nKind == kHeaderFieldItem || item.nKind == kPacketFieldItem)
    {
        if (target.Field())
            pane.LoadField(*target.Field(), *target.pFieldList);
        return pane.ShowPage(CProtocolSettingsPane::kFieldPage);
    }
    pane.ShowPage(CProtocolSettingsPane::kBlankPage);
}
