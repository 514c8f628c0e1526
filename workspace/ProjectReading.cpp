// Reading a project file and its digest on a thread of its own.
#include "ProjectReading.h"

#include "ProjectFiles.h"
#include "project/ProjectFile.h"

namespace
{

CString FullPathOf(LPCTSTR pszPath)
{
    char szFull[MAX_PATH];
    const DWORD nLength = ::GetFullPathName(pszPath, sizeof szFull, szFull, nullptr);
    return nLength > 0 && nLength < sizeof szFull ? CString(szFull) : CString(pszPath);
}

}  // namespace

CProjectReading::CProjectReading(LPCTSTR pszPath) : m_strPath(FullPathOf(pszPath))
{
    m_pResult->path = (LPCTSTR)m_strPath;
    std::shared_ptr<Result> pRead = m_pResult;
    m_pWork = std::make_unique<CBackgroundWork>(
        [pRead]
        {
            pRead->bRead =
                ReadProjectFile(pRead->path.c_str(), pRead->pProject.get(), &pRead->strMessage, &pRead->strReason);
            pRead->digest = pRead->bRead ? CProjectFiles::Digest(*pRead->pProject) : 0;
        });
}
