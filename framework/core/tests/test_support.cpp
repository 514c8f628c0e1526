// Test helpers: scratch folders on either platform.
#include "test_support.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#ifdef _WIN32
#include <direct.h>
#else
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

#ifdef _WIN32
CString MakeFolder()
{
    char szTemp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, szTemp);
    for (int i = 0;; ++i) {
        CString strPath;
        strPath.Format("%skfwcore-%lu-%d", szTemp, ::GetCurrentProcessId(), i);
        if (::CreateDirectoryA(strPath, NULL))
            return strPath;
    }
}

void RemoveFolder(const CString& strPath)
{
    WIN32_FIND_DATAA data;
    HANDLE hFind = ::FindFirstFileA(strPath + "\\*", &data);
    if (hFind != INVALID_HANDLE_VALUE) {
        do {
            ::DeleteFileA(strPath + "\\" + data.cFileName);
        } while (::FindNextFileA(hFind, &data));
        ::FindClose(hFind);
    }
    ::RemoveDirectoryA(strPath);
}

const char kSeparator = '\\';
#else
CString MakeFolder()
{
    char szTemplate[] = "/tmp/kfwcore-XXXXXX";
    return mkdtemp(szTemplate);
}

void RemoveFolder(const CString& strPath)
{
    if (DIR* pDir = opendir(strPath)) {
        while (dirent* pEntry = readdir(pDir))
            unlink(strPath + "/" + pEntry->d_name);
        closedir(pDir);
    }
    rmdir(strPath);
}

const char kSeparator = '/';
#endif

} // namespace

TempFolder::TempFolder() : m_strPath(MakeFolder())
{
}

TempFolder::~TempFolder()
{
    RemoveFolder(m_strPath);
}

CString TempFolder::Path(LPCSTR lpszName) const
{
    return m_strPath + kSeparator + lpszName;
}

void TempFolder::WriteBytes(LPCSTR lpszName, const std::string& bytes) const
{
    std::ofstream out(Path(lpszName), std::ios::binary);
    out << bytes;
}

std::string TempFolder::ReadBytes(LPCSTR lpszName) const
{
    std::ifstream in(Path(lpszName), std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}
