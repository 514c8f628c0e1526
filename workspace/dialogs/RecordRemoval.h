// RecordRemoval.h: asking before a field or packet goes, and taking it out of its list.
#pragma once
#include "afxwin.h"

#include "model/ProtocolRecords.h"

// Each asks the user with the caption "WARNING!"; TRUE when the answer is OK.
BOOL ConfirmFieldDeletion(CWnd* pOwner, const CString& strName);
BOOL ConfirmPacketDeletion(CWnd* pOwner, const CString& strName);

// Rebuild the list from the records of another name, keeping their order;
// a removed packet takes its fields along.
void RemoveFieldsNamed(FieldRecordArray& fields, const char* pszName);
void RemovePacketsNamed(PacketRecordArray& packets, const char* pszName);
