// Reading a project file and its digest on a thread of its own.
#include "ProjectReading.h"

#include "ProjectFiles.h"
#include "project/ProjectFile.h"
#include "project/RunRepair.h"

#include <new>

namespace
{

CString FullPathOf(LPCTSTR pszPath)
{
    char szFull[MAX_PATH];
    const DWORD nLength = ::GetFullPathName(pszPath, sizeof szFull, szFull, nullptr);
    return nLength > 0 && nLength < sizeof szFull ? CString(szFull) : CString(pszPath);
}

// A run of the writer cut off in the project's folder is finished or undone before the file is read: a design
// whose save was cut off may wait aside until then. Each later write puts right its own.
CString RecoverFolderOf(const std::string& path)
{
    const CString strFolder = FolderOf(path.c_str());
    try
    {
        return RecoveryText(RecordPathIn(strFolder), RecoverInterruptedRun(strFolder));
    }
    catch (const std::bad_alloc&)
    {
        // The record stays: the next write into the folder puts the run right.
        return CString();
    }
}

}  // namespace

CProjectReading::CProjectReading(LPCTSTR pszPath) : m_strPath(FullPathOf(pszPath))
{
    m_pResult->path = (LPCTSTR)m_strPath;
    std::shared_ptr<Result> pRead = m_pResult;
    m_pWork = std::make_unique<CBackgroundWork>(
        [pRead]
        {
            pRead->strRecovered = RecoverFolderOf(pRead->path);
            pRead->bRead =
                ReadProjectFile(pRead->path.c_str(), pRead->pProject.get(), &pRead->strMessage, &pRead->strReason);
            pRead->digest = pRead->bRead ? CProjectFiles::Digest(*pRead->pProject) : 0;
        });
}
