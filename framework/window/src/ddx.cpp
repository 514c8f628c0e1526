// Dialog data exchange and validation between members and controls.
#include <cstdlib>
#include "afxwin.h"

IMPLEMENT_DYNAMIC(CUserException, CException)

void AFXAPI AfxThrowUserException() { throw new CUserException; }

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd)
{
}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    HWND hWndCtrl = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
    if (!hWndCtrl)
        AfxThrowNotSupportedException();  // a control id that is not in the dialog
    m_hWndLastControl = hWndCtrl;
    m_bEditLastControl = FALSE;
    return hWndCtrl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    HWND hWndCtrl = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return hWndCtrl;
}

void CDataExchange::Fail()
{
    if (m_bSaveAndValidate && m_hWndLastControl)
    {
        ::SetFocus(m_hWndLastControl);
        if (m_bEditLastControl)
            ::SendMessage(m_hWndLastControl, EM_SETSEL, 0, -1);
    }
    AfxThrowUserException();
}

namespace
{

CString GetText(HWND hWnd)
{
    CString str;
    int nLen = ::GetWindowTextLength(hWnd);
    ::GetWindowText(hWnd, str.GetBufferSetLength(nLen), nLen + 1);
    str.ReleaseBuffer();
    return str;
}

void FailWith(CDataExchange* pDX, LPCTSTR lpszPrompt)
{
    AfxMessageBox(lpszPrompt, MB_ICONEXCLAMATION);
    pDX->Fail();
}

// Parses a whole signed or unsigned number; trailing text is an error.
BOOL ParseLong(LPCTSTR lpsz, BOOL bSigned, long long& value)
{
    while (*lpsz == ' ' || *lpsz == '\t')
        ++lpsz;
    if (!*lpsz || (!bSigned && *lpsz == '-'))
        return FALSE;
    char* pEnd = nullptr;
    value = strtoll(lpsz, &pEnd, 10);
    while (*pEnd == ' ' || *pEnd == '\t')
        ++pEnd;
    return *pEnd == '\0';
}

void ExchangeNumber(CDataExchange* pDX, int nIDC, long long& value, long long minVal, long long maxVal, BOOL bSigned)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (!pDX->m_bSaveAndValidate)
    {
        CString str;
        str.Format(bSigned ? "%lld" : "%llu", value);
        ::SetWindowText(hWndCtrl, str);
        return;
    }
    long long parsed = 0;
    if (!ParseLong(GetText(hWndCtrl), bSigned, parsed) || parsed < minVal || parsed > maxVal)
        FailWith(pDX, bSigned ? "Please enter an integer." : "Please enter a positive integer.");
    value = parsed;
}

}  // namespace

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = GetText(hWndCtrl);
    else
        ::SetWindowText(hWndCtrl, value);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, LPTSTR value, int nMaxLen)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        ::GetWindowText(hWndCtrl, value, nMaxLen);
    else
        ::SetWindowText(hWndCtrl, value);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    long long v = value;
    ExchangeNumber(pDX, nIDC, v, INT_MIN, INT_MAX, TRUE);
    value = (int)v;
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, long& value)
{
    long long v = value;
    ExchangeNumber(pDX, nIDC, v, LONG_MIN, LONG_MAX, TRUE);
    value = (long)v;
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, UINT& value)
{
    long long v = value;
    ExchangeNumber(pDX, nIDC, v, 0, UINT_MAX, FALSE);
    value = (UINT)v;
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value)
{
    long long v = value;
    ExchangeNumber(pDX, nIDC, v, 0, 0xFFFFFFFFLL, FALSE);
    value = (DWORD)v;
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, BYTE& value)
{
    long long v = value;
    ExchangeNumber(pDX, nIDC, v, 0, 255, FALSE);
    value = (BYTE)v;
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, double& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (!pDX->m_bSaveAndValidate)
    {
        CString str;
        str.Format("%.15g", value);
        ::SetWindowText(hWndCtrl, str);
        return;
    }
    CString str = GetText(hWndCtrl);
    char* pEnd = nullptr;
    double d = strtod(str, &pEnd);
    if (str.IsEmpty() || *pEnd != '\0')
        FailWith(pDX, "Please enter a number.");
    value = d;
}

void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = (int)::SendMessage(hWndCtrl, BM_GETCHECK, 0, 0);
    else
        ::SendMessage(hWndCtrl, BM_SETCHECK, (WPARAM)value, 0);
}

void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = -1;
    // The group runs from nIDC to the next control with WS_GROUP.
    int iButton = 0;
    do
    {
        if (::SendMessage(hWndCtrl, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON)
        {
            if (pDX->m_bSaveAndValidate)
            {
                if (::SendMessage(hWndCtrl, BM_GETCHECK, 0, 0))
                    value = iButton;
            }
            else
            {
                ::SendMessage(hWndCtrl, BM_SETCHECK, iButton == value, 0);
            }
            iButton++;
        }
        hWndCtrl = ::GetWindow(hWndCtrl, GW_HWNDNEXT);
    } while (hWndCtrl && !(::GetWindowLong(hWndCtrl, GWL_STYLE) & WS_GROUP));
}

void AFXAPI DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = (int)::SendMessage(hWndCtrl, CB_GETCURSEL, 0, 0);
    else
        ::SendMessage(hWndCtrl, CB_SETCURSEL, (WPARAM)index, 0);
}

void AFXAPI DDX_CBString(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        value = GetText(hWndCtrl);
        return;
    }
    if (::SendMessage(hWndCtrl, CB_SELECTSTRING, (WPARAM)-1, (LPARAM)(LPCTSTR)value) == CB_ERR)
        ::SetWindowText(hWndCtrl, value);
}

void AFXAPI DDX_CBStringExact(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        value = GetText(hWndCtrl);
        return;
    }
    int i = (int)::SendMessage(hWndCtrl, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)(LPCTSTR)value);
    if (i < 0)
        ::SetWindowText(hWndCtrl, value);
    else
        ::SendMessage(hWndCtrl, CB_SETCURSEL, (WPARAM)i, 0);
}

void AFXAPI DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = (int)::SendMessage(hWndCtrl, LB_GETCURSEL, 0, 0);
    else
        ::SendMessage(hWndCtrl, LB_SETCURSEL, (WPARAM)index, 0);
}

void AFXAPI DDX_LBString(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        int nIndex = (int)::SendMessage(hWndCtrl, LB_GETCURSEL, 0, 0);
        if (nIndex < 0)
        {
            value.Empty();
            return;
        }
        int nLen = (int)::SendMessage(hWndCtrl, LB_GETTEXTLEN, (WPARAM)nIndex, 0);
        ::SendMessage(hWndCtrl, LB_GETTEXT, (WPARAM)nIndex, (LPARAM)value.GetBufferSetLength(nLen));
        value.ReleaseBuffer();
        return;
    }
    ::SendMessage(hWndCtrl, LB_SELECTSTRING, (WPARAM)-1, (LPARAM)(LPCTSTR)value);
}

void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd)
        return;  // already subclassed by an earlier exchange
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (!rControl.SubclassWindow(hWndCtrl))
        AfxThrowNotSupportedException();
}

void AFXAPI DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal)
{
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal))
        return;
    CString strPrompt;
    strPrompt.Format("Please enter an integer between %d and %d.", minVal, maxVal);
    FailWith(pDX, strPrompt);
}

void AFXAPI DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal)
{
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal))
        return;
    CString strPrompt;
    strPrompt.Format("Please enter an integer between %u and %u.", minVal, maxVal);
    FailWith(pDX, strPrompt);
}

void AFXAPI DDV_MaxChars(CDataExchange* pDX, CString const& value, int nChars)
{
    if (!pDX->m_bSaveAndValidate)
    {
        // The edit control itself keeps the user within the limit.
        if (pDX->m_hWndLastControl && pDX->m_bEditLastControl)
            ::SendMessage(pDX->m_hWndLastControl, EM_LIMITTEXT, (WPARAM)nChars, 0);
        return;
    }
    if (value.GetLength() <= nChars)
        return;
    CString strPrompt;
    strPrompt.Format("Enter no more than %d characters.", nChars);
    FailWith(pDX, strPrompt);
}
