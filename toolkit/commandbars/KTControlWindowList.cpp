// KTControlWindowList.cpp: numbered captions for generated items.
#include "KTControlWindowList.h"

CString CKTControlWindowList::ConstructCaption(const CString& strTitle, int nNumber)
{
    CString strEscaped;
    for (int i = 0; i < strTitle.GetLength(); i++)
    {
        char ch = strTitle[i];
        if (::IsDBCSLeadByte((BYTE)ch) && i + 1 < strTitle.GetLength())
        {
            strEscaped += ch;
            strEscaped += strTitle[++i];
            continue;
        }
        if (ch == '&')
            strEscaped += '&';
        strEscaped += ch;
    }
    CString strCaption;
    if (nNumber == 0)
        return strEscaped;
    if (nNumber < 10)
        strCaption.Format("&%i %s", nNumber, (LPCSTR)strEscaped);
    else if (nNumber == 10)
        strCaption.Format("1&0 %s", (LPCSTR)strEscaped);
    else
        strCaption.Format("%i %s", nNumber, (LPCSTR)strEscaped);
    return strCaption;
}
