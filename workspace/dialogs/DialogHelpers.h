// DialogHelpers.h: what the designer's dialogs share: refusals, masked values, combo boxes.
#pragma once
#include "afxwin.h"

// Tells the user, in an error box, why an entry is refused or what could not be done.
void ShowRefusal(CWnd* pOwner, const CString& strText);

// A masked value without its trailing prompts; FALSE when the first input
// position (nFirst) still holds the prompt, that is nothing was entered.
BOOL ReadMaskedValue(const CString& strShown, int nFirst, CString& strValue);

// The number a text starts with: an optional sign and the digits up to the first other character, held to
// the range of an int; 0 when no digit comes first.
int DecimalValue(const char* pszText);

// Adds each text in order; the first is selected when bSelectFirst.
void FillComboBox(CComboBox& box, const char* const* ppszTexts, int nCount, BOOL bSelectFirst = TRUE);
// The selected item's text; empty when nothing is selected.
CString SelectedText(const CComboBox& box);
