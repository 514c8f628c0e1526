// Reading the program's settings file.
#include "GlobalConfig.h"

#include <vector>

CString ReadIniString(LPCTSTR pszFile, LPCTSTR pszSection, LPCTSTR pszKey, LPCTSTR pszDefault)
{
    // The reader answers size - 1 when the value was cut: grow until it fits.
    for (DWORD nSize = 256;; nSize *= 2)
    {
        std::vector<char> buffer(nSize);
        const DWORD nRead = ::GetPrivateProfileString(pszSection, pszKey, pszDefault, buffer.data(), nSize, pszFile);
        if (nRead < nSize - 1 || nSize >= 1u << 20)
            return CString(buffer.data(), (int)nRead);
    }
}

CString GlobalConfigPath(const CString& strProgramFolder) { return strProgramFolder + ".\\config\\config.ini"; }
