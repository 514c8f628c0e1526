// Application profile: registry under Software\<key>\<application> once a
// registry key is set, the private INI file otherwise.
#include "afxwin.h"
#include <memory>

namespace
{

// One letter 'A'..'P' of the INI form of binary data: its value 0..15, or -1.
int NibbleOf(char ch) { return ch >= 'A' && ch <= 'P' ? ch - 'A' : -1; }

// Closes a registry key at the end of its scope.
class CRegKeyHolder
{
public:
    explicit CRegKeyHolder(HKEY hKey) : m_hKey(hKey) {}
    ~CRegKeyHolder()
    {
        if (m_hKey)
            ::RegCloseKey(m_hKey);
    }
    CRegKeyHolder(const CRegKeyHolder&) = delete;
    CRegKeyHolder& operator=(const CRegKeyHolder&) = delete;
    HKEY Get() const { return m_hKey; }

private:
    HKEY m_hKey;
};

HKEY CreateSubKey(HKEY hParent, LPCTSTR lpszName)
{
    HKEY hKey = nullptr;
    DWORD dw;
    if (::RegCreateKeyEx(hParent, lpszName, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE, nullptr, &hKey,
                         &dw) != ERROR_SUCCESS)
        return nullptr;
    return hKey;
}

}  // namespace

void CWinApp::SetRegistryKey(LPCTSTR lpszRegistryKey)
{
    m_strRegistryKey = lpszRegistryKey;
    m_pszRegistryKey = m_strRegistryKey;
    // With the registry the profile name is the application's name.
    m_strProfileName = m_pszAppName ? m_pszAppName : "";
    m_pszProfileName = m_strProfileName;
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey)
{
    CString strKey;
    strKey.LoadString(nIDRegistryKey);
    SetRegistryKey(strKey);
}

HKEY CWinApp::GetAppRegistryKey()
{
    HKEY hSoftKey = nullptr;
    if (::RegOpenKeyEx(HKEY_CURRENT_USER, "Software", 0, KEY_WRITE | KEY_READ, &hSoftKey) != ERROR_SUCCESS)
        return nullptr;
    CRegKeyHolder soft(hSoftKey);
    CRegKeyHolder company(CreateSubKey(soft.Get(), m_pszRegistryKey));
    if (!company.Get())
        return nullptr;
    return CreateSubKey(company.Get(), m_pszProfileName);
}

HKEY CWinApp::GetSectionKey(LPCTSTR lpszSection)
{
    CRegKeyHolder app(GetAppRegistryKey());
    if (!app.Get())
        return nullptr;
    return CreateSubKey(app.Get(), lpszSection);
}

UINT CWinApp::GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault)
{
    if (!m_pszRegistryKey)
        return ::GetPrivateProfileInt(lpszSection, lpszEntry, nDefault, m_pszProfileName);
    CRegKeyHolder section(GetSectionKey(lpszSection));
    if (!section.Get())
        return (UINT)nDefault;
    DWORD dwValue = 0, dwType = 0, dwCount = sizeof(DWORD);
    if (::RegQueryValueEx(section.Get(), lpszEntry, nullptr, &dwType, (LPBYTE)&dwValue, &dwCount) != ERROR_SUCCESS ||
        dwType != REG_DWORD)
        return (UINT)nDefault;
    return (UINT)dwValue;
}

BOOL CWinApp::WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue)
{
    if (!m_pszRegistryKey)
    {
        char szT[16];
        wsprintf(szT, "%d", nValue);
        return ::WritePrivateProfileString(lpszSection, lpszEntry, szT, m_pszProfileName);
    }
    CRegKeyHolder section(GetSectionKey(lpszSection));
    if (!section.Get())
        return FALSE;
    DWORD dwValue = (DWORD)nValue;
    return ::RegSetValueEx(section.Get(), lpszEntry, 0, REG_DWORD, (const BYTE*)&dwValue, sizeof dwValue) ==
           ERROR_SUCCESS;
}

CString CWinApp::GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault)
{
    CString strDefault = lpszDefault ? lpszDefault : "";
    if (!m_pszRegistryKey)
    {
        char szT[4096];
        ::GetPrivateProfileString(lpszSection, lpszEntry, strDefault, szT, sizeof szT, m_pszProfileName);
        return szT;
    }
    CRegKeyHolder section(GetSectionKey(lpszSection));
    if (!section.Get())
        return strDefault;
    DWORD dwType = 0, dwCount = 0;
    if (::RegQueryValueEx(section.Get(), lpszEntry, nullptr, &dwType, nullptr, &dwCount) != ERROR_SUCCESS ||
        dwType != REG_SZ)
        return strDefault;
    CString strValue;
    LPSTR pBuf = strValue.GetBufferSetLength((int)dwCount);
    if (::RegQueryValueEx(section.Get(), lpszEntry, nullptr, &dwType, (LPBYTE)pBuf, &dwCount) != ERROR_SUCCESS)
        return strDefault;
    pBuf[dwCount ? dwCount - 1 : 0] = '\0';
    strValue.ReleaseBuffer();
    return strValue;
}

BOOL CWinApp::WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue)
{
    if (!m_pszRegistryKey)
        return ::WritePrivateProfileString(lpszSection, lpszEntry, lpszValue, m_pszProfileName);
    if (!lpszEntry)
    {
        // No entry: the whole section goes.
        CRegKeyHolder app(GetAppRegistryKey());
        return app.Get() && ::RegDeleteKey(app.Get(), lpszSection) == ERROR_SUCCESS;
    }
    CRegKeyHolder section(GetSectionKey(lpszSection));
    if (!section.Get())
        return FALSE;
    if (!lpszValue)
        return ::RegDeleteValue(section.Get(), lpszEntry) == ERROR_SUCCESS;
    return ::RegSetValueEx(section.Get(), lpszEntry, 0, REG_SZ, (const BYTE*)lpszValue,
                           (DWORD)lstrlen(lpszValue) + 1) == ERROR_SUCCESS;
}

BOOL CWinApp::GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE* ppData, UINT* pBytes)
{
    *ppData = nullptr;
    *pBytes = 0;
    if (!m_pszRegistryKey)
    {
        // The INI form stores each byte as two letters 'A'..'P', low half first;
        // an edited value with any other letter is refused, not misread.
        CString str = GetProfileString(lpszSection, lpszEntry);
        int nLen = str.GetLength();
        if (nLen == 0 || nLen % 2)
            return FALSE;
        std::unique_ptr<BYTE[]> data(new BYTE[nLen / 2]);
        for (int i = 0; i < nLen; i += 2)
        {
            int nLow = NibbleOf(str[i]), nHigh = NibbleOf(str[i + 1]);
            if (nLow < 0 || nHigh < 0)
                return FALSE;
            data[i / 2] = (BYTE)((nHigh << 4) | nLow);
        }
        *pBytes = (UINT)nLen / 2;
        *ppData = data.release();
        return TRUE;
    }
    CRegKeyHolder section(GetSectionKey(lpszSection));
    if (!section.Get())
        return FALSE;
    DWORD dwType = 0, dwCount = 0;
    if (::RegQueryValueEx(section.Get(), lpszEntry, nullptr, &dwType, nullptr, &dwCount) != ERROR_SUCCESS ||
        dwType != REG_BINARY)
        return FALSE;
    std::unique_ptr<BYTE[]> data(new BYTE[dwCount ? dwCount : 1]);
    if (::RegQueryValueEx(section.Get(), lpszEntry, nullptr, &dwType, data.get(), &dwCount) != ERROR_SUCCESS)
        return FALSE;
    *pBytes = dwCount;
    *ppData = data.release();
    return TRUE;
}

BOOL CWinApp::WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE pData, UINT nBytes)
{
    if (!m_pszRegistryKey)
    {
        CString str;
        for (UINT i = 0; i < nBytes; i++)
        {
            str += (char)((pData[i] & 0x0F) + 'A');
            str += (char)(((pData[i] >> 4) & 0x0F) + 'A');
        }
        return WriteProfileString(lpszSection, lpszEntry, str);
    }
    CRegKeyHolder section(GetSectionKey(lpszSection));
    if (!section.Get())
        return FALSE;
    return ::RegSetValueEx(section.Get(), lpszEntry, 0, REG_BINARY, pData, nBytes) == ERROR_SUCCESS;
}
