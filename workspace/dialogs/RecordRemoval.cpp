// RecordRemoval.cpp: deleting fields and packets from a project.
#include "RecordRemoval.h"

#include <cstring>

namespace
{

BOOL Confirm(CWnd* pOwner, const CString& strText)
{
    return ::MessageBox(pOwner->GetSafeHwnd(), strText, "WARNING!", MB_OKCANCEL | MB_ICONQUESTION) == IDOK;
}

template <class TArray>
void RemoveNamed(TArray& records, const char* pszName)
{
    TArray kept;
    for (INT_PTR i = 0; i < records.GetSize(); i++)
        if (std::strcmp(records[i].name, pszName) != 0)
            kept.Add(records[i]);
    records.Copy(kept);
}

}  // namespace

BOOL ConfirmFieldDeletion(CWnd* pOwner, const CString& strName)
{
    return Confirm(pOwner, "Do you sure delete " + strName + " field?");
}

BOOL ConfirmPacketDeletion(CWnd* pOwner, const CString& strName)
{
    return Confirm(pOwner, "Do you sure delete " + strName +
                               " packet? if you do,the fields in this packet will be all deleted too!");
}

void RemoveFieldsNamed(FieldRecordArray& fields, const char* pszName) { RemoveNamed(fields, pszName); }

void RemovePacketsNamed(PacketRecordArray& packets, const char* pszName) { RemoveNamed(packets, pszName); }
