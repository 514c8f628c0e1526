// SettingsTarget.h: the records a change on the settings pane is written into, found afresh for every change.
#pragma once
#include "afxwin.h"

#include "model/ProtocolRecords.h"

struct SettingsTarget
{
    ProjectRecord* pProject = nullptr;
    PacketRecord* pPacket = nullptr;         // the selected packet, or the packet of a selected field
    FieldRecordArray* pFieldList = nullptr;  // the list the selected field is in
    INT_PTR nField = -1;

    FieldRecord* Field() const { return pFieldList && nField >= 0 ? &(*pFieldList)[nField] : nullptr; }
};

// The selection the pane edits: the main frame answers it from the project tree.
class ISettingsSelection
{
public:
    virtual ~ISettingsSelection() = default;
    // Empty pointers when the selected item has no record of the page's kind.
    virtual SettingsTarget Resolve() = 0;
    // A renamed packet or field takes its tree item's caption along.
    virtual void RenameSelected(LPCTSTR pszName) = 0;
};
