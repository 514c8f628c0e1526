// The framework's string helpers: sub-strings of resource strings and %1/%2 prompts.
#include "afxwin.h"

BOOL AFXAPI AfxExtractSubString(CString& rString, LPCTSTR lpszFullString, int iSubString, TCHAR chSep)
{
    rString.Empty();
    if (!lpszFullString)
        return FALSE;
    while (iSubString--)
    {
        lpszFullString = strchr(lpszFullString, chSep);
        if (!lpszFullString)
            return FALSE;
        lpszFullString++;
    }
    LPCTSTR lpchEnd = strchr(lpszFullString, chSep);
    int nLen = lpchEnd ? (int)(lpchEnd - lpszFullString) : lstrlen(lpszFullString);
    rString = CString(lpszFullString, nLen);
    return TRUE;
}

namespace
{

// Replaces %1 and %2 in the string resource nIDS.
void FormatString(CString& rString, UINT nIDS, LPCTSTR lpsz1, LPCTSTR lpsz2)
{
    CString strFormat;
    strFormat.LoadString(nIDS);
    rString.Empty();
    for (int i = 0; i < strFormat.GetLength(); i++)
    {
        char ch = strFormat[i];
        if (ch == '%' && i + 1 < strFormat.GetLength() && (strFormat[i + 1] == '1' || strFormat[i + 1] == '2'))
        {
            LPCTSTR lpsz = strFormat[++i] == '1' ? lpsz1 : lpsz2;
            rString += lpsz ? lpsz : "";
            continue;
        }
        rString += ch;
    }
}

}  // namespace

void AFXAPI AfxFormatString1(CString& rString, UINT nIDS, LPCTSTR lpsz1)
{
    FormatString(rString, nIDS, lpsz1, nullptr);
}

void AFXAPI AfxFormatString2(CString& rString, UINT nIDS, LPCTSTR lpsz1, LPCTSTR lpsz2)
{
    FormatString(rString, nIDS, lpsz1, lpsz2);
}
