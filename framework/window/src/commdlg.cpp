// The common dialogs: file open and save, colour and font.
#include "afxdlgs.h"

IMPLEMENT_DYNAMIC(CFileDialog, CDialog)
IMPLEMENT_DYNAMIC(CColorDialog, CDialog)
IMPLEMENT_DYNAMIC(CFontDialog, CDialog)

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName, DWORD dwFlags,
                         LPCTSTR lpszFilter, CWnd* pParentWnd)
    : m_bOpenFileDialog(bOpenFileDialog)
{
    m_pParentWnd = pParentWnd;
    m_ofn.lStructSize = sizeof(OPENFILENAME);
    m_ofn.lpstrFile = m_szFileName;
    m_ofn.nMaxFile = _countof(m_szFileName);
    m_ofn.lpstrFileTitle = m_szFileTitle;
    m_ofn.nMaxFileTitle = _countof(m_szFileTitle);
    m_ofn.Flags = dwFlags | OFN_EXPLORER | OFN_ENABLESIZING;
    if (lpszDefExt)
    {
        m_strDefExt = lpszDefExt;
        m_ofn.lpstrDefExt = m_strDefExt;
    }
    if (lpszFileName)
        lstrcpyn(m_szFileName, lpszFileName, _countof(m_szFileName));
    if (lpszFilter)
    {
        // '|' separates the parts; the system wants '\0'.
        m_strFilter = lpszFilter;
        LPTSTR pch = m_strFilter.GetBuffer();
        for (; *pch; ++pch)
            if (*pch == '|')
                *pch = '\0';
        m_strFilter.ReleaseBuffer(m_strFilter.GetLength());
        m_ofn.lpstrFilter = m_strFilter;
    }
}

namespace
{

// The hook's dialog lies inside the system's; that one opens over its owner like every other dialog.
UINT_PTR CALLBACK CenterOnOwnerHook(HWND hDlg, UINT nMessage, WPARAM, LPARAM lParam)
{
    if (nMessage == WM_NOTIFY && reinterpret_cast<LPNMHDR>(lParam)->code == CDN_INITDONE)
        CWnd::FromHandle(::GetParent(hDlg))->CenterWindow();
    return 0;
}

}  // namespace

INT_PTR CFileDialog::DoModal()
{
    m_ofn.hwndOwner = PreModal();
    if (!(m_ofn.Flags & OFN_ENABLEHOOK))
    {
        m_ofn.Flags |= OFN_ENABLEHOOK;
        m_ofn.lpfnHook = CenterOnOwnerHook;
    }
    m_szFileName[_countof(m_szFileName) - 1] = '\0';
    BOOL bOK = m_bOpenFileDialog ? ::GetOpenFileName(&m_ofn) : ::GetSaveFileName(&m_ofn);
    return bOK ? IDOK : IDCANCEL;
}

CString CFileDialog::GetFileName() const
{
    return m_ofn.nFileOffset < _countof(m_szFileName) ? m_szFileName + m_ofn.nFileOffset : "";
}

CString CFileDialog::GetFileExt() const
{
    if (m_ofn.nFileExtension == 0 || m_ofn.nFileExtension >= _countof(m_szFileName))
        return "";
    return m_szFileName + m_ofn.nFileExtension;
}

CString CFileDialog::GetFileTitle() const
{
    CString strName = GetFileName();
    int nDot = strName.ReverseFind('.');
    return nDot >= 0 ? strName.Left(nDot) : strName;
}

POSITION CFileDialog::GetStartPosition() const { return m_szFileName[0] ? (POSITION)m_szFileName : nullptr; }

CString CFileDialog::GetNextPathName(POSITION& pos) const
{
    LPCTSTR lpsz = (LPCTSTR)pos;
    if (!(m_ofn.Flags & OFN_ALLOWMULTISELECT) || lpsz[lstrlen(lpsz) + 1] == '\0')
    {
        pos = nullptr;
        return lpsz;
    }
    // Multiple selection: the folder first, then each name.
    if (lpsz == m_szFileName)
        lpsz += lstrlen(lpsz) + 1;
    CString strPath = CString(m_szFileName) + "\\" + lpsz;
    LPCTSTR lpszNext = lpsz + lstrlen(lpsz) + 1;
    pos = *lpszNext ? (POSITION)lpszNext : nullptr;
    return strPath;
}

COLORREF* PASCAL CColorDialog::GetSavedCustomColors()
{
    static COLORREF clrSavedCustom[16] = {
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255)};
    return clrSavedCustom;
}

CColorDialog::CColorDialog(COLORREF clrInit, DWORD dwFlags, CWnd* pParentWnd)
{
    m_pParentWnd = pParentWnd;
    m_cc.lStructSize = sizeof(CHOOSECOLOR);
    m_cc.lpCustColors = GetSavedCustomColors();
    m_cc.Flags = dwFlags;
    if ((m_cc.rgbResult = clrInit) != 0)
        m_cc.Flags |= CC_RGBINIT;
}

INT_PTR CColorDialog::DoModal()
{
    m_cc.hwndOwner = PreModal();
    return ::ChooseColor(&m_cc) ? IDOK : IDCANCEL;
}

CFontDialog::CFontDialog(LPLOGFONT lplfInitial, DWORD dwFlags, CDC* pdcPrinter, CWnd* pParentWnd)
{
    m_pParentWnd = pParentWnd;
    m_cf.lStructSize = sizeof(CHOOSEFONT);
    m_cf.lpLogFont = &m_lf;
    m_cf.Flags = dwFlags;
    if (lplfInitial)
    {
        m_lf = *lplfInitial;
        m_cf.Flags |= CF_INITTOLOGFONTSTRUCT;
    }
    if (pdcPrinter)
    {
        m_cf.hDC = pdcPrinter->GetSafeHdc();
        m_cf.Flags |= CF_PRINTERFONTS;
    }
}

INT_PTR CFontDialog::DoModal()
{
    m_cf.hwndOwner = PreModal();
    return ::ChooseFont(&m_cf) ? IDOK : IDCANCEL;
}
