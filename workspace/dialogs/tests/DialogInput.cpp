// DialogInput.cpp: a dialog's controls changed and read as the user changes and reads them.
#include "DialogInput.h"

void TypeInto(HWND hDlg, int nID, const char* pszText)
{
    HWND hEdit = ::GetDlgItem(hDlg, nID);
    ::SendMessage(hEdit, EM_SETSEL, 0, -1);
    ::SendMessage(hEdit, WM_CHAR, VK_BACK, 0);
    ::SendMessage(hEdit, EM_SETSEL, 0, 0);
    for (const char* p = pszText; *p; p++)
        ::SendMessage(hEdit, WM_CHAR, (WPARAM)(unsigned char)*p, 1);
}

void Choose(HWND hDlg, int nID, const char* pszText)
{
    HWND hBox = ::GetDlgItem(hDlg, nID);
    const LRESULT nIndex = ::SendMessage(hBox, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)pszText);
    ::SendMessage(hBox, CB_SETCURSEL, nIndex, 0);
    ::SendMessage(hDlg, WM_COMMAND, MAKEWPARAM(nID, CBN_SELCHANGE), (LPARAM)hBox);
}

void Click(HWND hDlg, int nID) { ::SendMessage(::GetDlgItem(hDlg, nID), BM_CLICK, 0, 0); }

std::vector<std::string> ListOf(HWND hDlg, int nID)
{
    HWND hBox = ::GetDlgItem(hDlg, nID);
    std::vector<std::string> texts;
    const int nCount = (int)::SendMessage(hBox, CB_GETCOUNT, 0, 0);
    for (int i = 0; i < nCount; i++)
    {
        char szText[256] = "";
        ::SendMessage(hBox, CB_GETLBTEXT, i, (LPARAM)szText);
        texts.push_back(szText);
    }
    return texts;
}

std::string TextOf(HWND hDlg, int nID)
{
    char szText[512] = "";
    ::GetDlgItemText(hDlg, nID, szText, sizeof szText);
    return szText;
}

bool IsEnabled(HWND hDlg, int nID) { return ::IsWindowEnabled(::GetDlgItem(hDlg, nID)) != FALSE; }
