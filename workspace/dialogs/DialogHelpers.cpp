// DialogHelpers.cpp: what the designer's dialogs share.
#include "DialogHelpers.h"

#include <algorithm>
#include <climits>

void ShowRefusal(CWnd* pOwner, const CString& strText)
{
    ::MessageBox(pOwner->GetSafeHwnd(), strText, "ERROR!", MB_ICONERROR);
}

BOOL ReadMaskedValue(const CString& strShown, int nFirst, CString& strValue)
{
    if (strShown.GetLength() <= nFirst || strShown[nFirst] == '_')
        return FALSE;
    strValue = strShown;
    strValue.TrimRight('_');
    return TRUE;
}

int DecimalValue(const char* pszText)
{
    const bool bNegative = *pszText == '-';
    if (bNegative || *pszText == '+')
        pszText++;
    long long nRead = 0;
    for (; *pszText >= '0' && *pszText <= '9'; pszText++)
        nRead = std::min(nRead * 10 + (*pszText - '0'), (long long)INT_MAX + 1);
    if (bNegative)
        return (int)-nRead;
    return (int)std::min(nRead, (long long)INT_MAX);
}

void FillComboBox(CComboBox& box, const char* const* ppszTexts, int nCount, BOOL bSelectFirst)
{
    for (int i = 0; i < nCount; i++)
        box.AddString(ppszTexts[i]);
    if (bSelectFirst)
        box.SetCurSel(0);
}

CString SelectedText(const CComboBox& box)
{
    CString strText;
    const int nSel = box.GetCurSel();
    if (nSel != CB_ERR)
        box.GetLBText(nSel, strText);
    return strText;
}
