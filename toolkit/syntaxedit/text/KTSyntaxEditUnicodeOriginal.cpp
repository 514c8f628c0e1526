// What a UTF-16 file held that its ANSI rows could not.
#include "KTSyntaxEditUnicodeOriginal.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace
{
// Volume and index of the file at the path; FALSE when it cannot be opened.
BOOL GetFileIdentity(LPCSTR pszPath, BY_HANDLE_FILE_INFORMATION& info)
{
    if (!pszPath || !*pszPath)
        return FALSE;
    HANDLE hFile = ::CreateFileA(pszPath, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, NULL,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
        return FALSE;
    info = BY_HANDLE_FILE_INFORMATION();
    const BOOL bGot = ::GetFileInformationByHandle(hFile, &info);
    ::CloseHandle(hFile);
    return bGot;
}

// The path as the system would open it, to know it again however it was written; "" when it has none.
CString FullPathOf(LPCSTR pszPath)
{
    if (!pszPath || !*pszPath)
        return CString();
    char szFull[MAX_PATH];
    const DWORD nLength = ::GetFullPathNameA(pszPath, MAX_PATH, szFull, NULL);
    if (nLength == 0 || nLength >= MAX_PATH)
        return CString(pszPath);
    char szLong[MAX_PATH];
    const DWORD nLong = ::GetLongPathNameA(szFull, szLong, MAX_PATH);
    return nLong > 0 && nLong < MAX_PATH ? CString(szLong) : CString(szFull);
}
}  // namespace

CKTSyntaxEditUnicodeOriginal::CKTSyntaxEditUnicodeOriginal(std::string bytes, const CKTSyntaxEditLineArray& rows,
                                                           int nLineEndStyle, LPCSTR pszPath)
    : m_bytes(std::move(bytes)), m_nRowCount(rows.GetRowCount()), m_nLineEndStyle(nLineEndStyle)
{
    for (int row = 1; row <= m_nRowCount; ++row)
        m_rows.append(rows.GetTextAt(row), size_t(rows.GetLengthAt(row))).push_back('\n');
    BY_HANDLE_FILE_INFORMATION info;
    m_bIdentity = GetFileIdentity(pszPath, info);
    m_dwVolume = info.dwVolumeSerialNumber;
    m_dwIndexHigh = info.nFileIndexHigh;
    m_dwIndexLow = info.nFileIndexLow;
}

BOOL CKTSyntaxEditUnicodeOriginal::IsUnchanged(const CKTSyntaxEditLineArray& rows, int nLineEndStyle) const
{
    if (rows.GetRowCount() != m_nRowCount || nLineEndStyle != m_nLineEndStyle)
        return FALSE;
    size_t nAt = 0;
    for (int row = 1; row <= m_nRowCount; ++row)
    {
        const size_t nLength = size_t(rows.GetLengthAt(row));
        if (m_rows.size() - nAt <= nLength || memcmp(m_rows.data() + nAt, rows.GetTextAt(row), nLength) != 0 ||
            m_rows[nAt + nLength] != '\n')
            return FALSE;
        nAt += nLength + 1;
    }
    return TRUE;
}

// A save that writes a new file and renames it over the old one gives the path a new file: the
// identity read at load knows only the first, the paths saved to know the others.
BOOL CKTSyntaxEditUnicodeOriginal::IsReadFrom(LPCSTR pszPath) const
{
    if (!m_bIdentity)
        return TRUE;
    BY_HANDLE_FILE_INFORMATION info;
    return (GetFileIdentity(pszPath, info) && info.dwVolumeSerialNumber == m_dwVolume &&
            info.nFileIndexHigh == m_dwIndexHigh && info.nFileIndexLow == m_dwIndexLow) ||
           IsSavedTo(FullPathOf(pszPath));
}

// Noted before the file is in place too: a save may rename it over the path only after.
void CKTSyntaxEditUnicodeOriginal::NoteSavedTo(LPCSTR pszPath)
{
    const CString strPath = FullPathOf(pszPath);
    if (!strPath.IsEmpty() && !IsSavedTo(strPath))
        m_savedTo.push_back(strPath);
}

BOOL CKTSyntaxEditUnicodeOriginal::IsSavedTo(const CString& strFullPath) const
{
    return !strFullPath.IsEmpty() &&
           std::any_of(m_savedTo.begin(), m_savedTo.end(),
                       [&strFullPath](const CString& strSaved) { return strSaved.CompareNoCase(strFullPath) == 0; });
}

BOOL CKTSyntaxEditStoreRefused::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    if (pnHelpContext)
        *pnHelpContext = 0;
    if (!lpszError || nMaxError == 0)
        return FALSE;
    lstrcpynA(lpszError, m_strWhy, int(nMaxError));
    return TRUE;
}
