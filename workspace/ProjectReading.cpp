// Reading a project file and its digest on a thread of its own.
#include "ProjectReading.h"

#include "ProjectFiles.h"
#include "project/ProjectFile.h"
#include "project/RunRepair.h"
#include "project/SystemError.h"

#include <algorithm>
#include <new>

namespace
{

CString FullPathOf(LPCTSTR pszPath)
{
    char szFull[MAX_PATH];
    const DWORD nLength = ::GetFullPathName(pszPath, sizeof szFull, szFull, nullptr);
    return nLength > 0 && nLength < sizeof szFull ? CString(szFull) : CString(pszPath);
}

// "C:\" or "\\server\share\": what is there whenever the drive is.
CString RootOf(const CString& strPath)
{
    if (strPath.Left(2) != "\\\\")
        return strPath.Left(3);
    int nEnd = 1;
    for (int i = 0; i < 2 && nEnd > 0; i++)
        nEnd = strPath.Find('\\', nEnd + 1);
    return nEnd > 0 ? strPath.Left(nEnd + 1) : strPath;
}

// Asked only once the reader failed: a pipe, say, opens once.
DWORD OpenErrorOf(const CString& strPath)
{
    const HANDLE hFile =
        ::CreateFile(strPath, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return ::GetLastError();
    ::CloseHandle(hFile);
    return ERROR_SUCCESS;
}

// A file that would not open is said to be so, not to be an invalid design; one that a run cut off may
// hold aside is not gone.
void TellWhyNotOpened(CProjectReading::Result& read)
{
    const CString strPath = read.path.c_str();
    read.nOpenError = OpenErrorOf(strPath);
    if (read.nOpenError == ERROR_SUCCESS)
        return;
    const CString strUntil = read.recovery.MayHold(strPath) ? read.recovery.Until() : CString();
    read.bGone = strUntil.IsEmpty() && IsGone(strPath, read.nOpenError);
    read.strMessage =
        "the file " + strPath + " cannot be opened" + strUntil + " (" + SystemErrorText(read.nOpenError) + ")";
}

// What stands in the way of a design in the folder once its run was put right as far as it could be.
FolderRecovery::Pending PendingAfter(const CString& strFolder, const RunRecovery& recovery)
{
    // A folder that is not there holds no record: a design in it is gone, not waiting for a run.
    if (::GetFileAttributes(strFolder) == INVALID_FILE_ATTRIBUTES)
        return FolderRecovery::Pending::None;
    if (recovery.foreign)
        return FolderRecovery::Pending::InTheWay;
    switch (recovery.record)
    {
    case RecordLeft::Blocked:
        return FolderRecovery::Pending::Blocked;
    case RecordLeft::Anothers:
        return FolderRecovery::Pending::Anothers;
    default:
        return FolderRecovery::Pending::None;
    }
}

// What the recovery found, said where there was not the memory to name its files: another program's run going on
// is left alone, and tells nothing.
CString ToldWithoutMemory(const RunRecovery& recovery)
{
    if (recovery.foreign)
        return "a file at the name of a run's record in the folder is in the way; there was not the memory to name it";
    if (recovery.recordGoing)
        return "the record of a run in the folder is being removed; there was not the memory to name it";
    // A folder not reached shows no record: there is nothing to tell of it.
    if (recovery.record == RecordLeft::Blocked && recovery.blocker.path.IsEmpty() && recovery.names.empty())
        return CString();
    if (recovery.record == RecordLeft::Blocked && !recovery.onlyRecord)
        return "a run cut off in the folder could not be put right; there was not the memory to say why";
    switch (recovery.record)
    {
    case RecordLeft::Removed:
    case RecordLeft::Blocked:
        return "a run cut off in the folder was put right as far as it could be; there was not the memory to say "
               "what it left";
    case RecordLeft::GoesOn:
        return "old files of finished runs in the folder could not all go yet; there was not the memory to name them";
    case RecordLeft::None:
    case RecordLeft::Anothers:
        break;
    }
    return CString();
}

}  // namespace

// A file that is held, or on a drive that is not there now, may open later.
bool IsGone(const CString& strPath, DWORD nError)
{
    if (nError == ERROR_FILE_NOT_FOUND)
        return true;
    return nError == ERROR_PATH_NOT_FOUND && ::GetFileAttributes(RootOf(strPath)) != INVALID_FILE_ATTRIBUTES;
}

// A folder that cannot be written is said as such: no program letting go puts it right.
CString FolderRecovery::Until() const
{
    const CString strUnwritable = unwritable ? ", which it cannot be while the folder cannot be written" : "";
    switch (pending)
    {
    case Pending::Blocked:
        if (recordGoing)
            return " until " + (strRecord.IsEmpty() ? CString("the record of a run in its folder") : strRecord) +
                   ", which is being removed, is gone";
        if (onlyRecord)
            return " until " +
                   (strRecord.IsEmpty() ? CString("the record of a run put right in its folder")
                                        : strRecord + ", the record of a run put right in its folder,") +
                   " can be removed" + strUnwritable;
        return " until the interrupted run in its folder is put right" + strUnwritable;
    case Pending::InTheWay:
        // Named where there was the memory to.
        if (strRecord.IsEmpty())
            return " until the file at the name of a run's record in its folder, which is in the way, is moved "
                   "elsewhere";
        return " until " + strRecord + ", which is in the way, is moved elsewhere";
    case Pending::NoMemory:
        return " until there is the memory to look at its folder";
    case Pending::Anothers:
        return " while another program is saving files in its folder";
    case Pending::None:
        break;
    }
    return CString();
}

CString FolderRecovery::WaitsThen() const
{
    if (pending == Pending::None)
        return CString();
    return "waits" + Until() + ", then ";
}

CString FolderRecovery::ThenWrites(const CString& strWrite) const
{
    if (pending == Pending::None)
        return ": " + strWrite;
    return "; the save " + WaitsThen() + strWrite;
}

bool FolderRecovery::MayHold(const CString& strPath) const
{
    if (pending == Pending::Blocked && onlyRecord)
        return false;
    // Only a record read whole tells which files its run holds.
    if (pending != Pending::Blocked || !names)
        return pending != Pending::None;
    const auto same = [&strPath](const CString& strName) { return SamePath(strName, strPath); };
    return std::any_of(names->begin(), names->end(), same);
}

FolderRecovery RecoverFolder(const CString& strFolder)
{
    RunRecovery recovery;
    try
    {
        recovery = RecoverInterruptedRun(strFolder);
    }
    catch (const std::bad_alloc&)
    {
        // The record stays: the next write into the folder puts the run right.
        return {CString(), FolderRecovery::Pending::NoMemory};
    }
    FolderRecovery settled;
    settled.pending = PendingAfter(strFolder, recovery);
    settled.onlyRecord = recovery.onlyRecord;
    settled.recordGoing = recovery.recordGoing;
    // A record going is held, whatever its holder did since: the folder is not said unwritable for it.
    settled.unwritable = settled.pending == FolderRecovery::Pending::Blocked && !recovery.blocker.path.IsEmpty() &&
                         !recovery.recordGoing && FolderCannotBeWritten(recovery.blocker);
    try
    {
        settled.strRecord = RecordPathIn(strFolder);
        if (recovery.named)
            settled.names = recovery.names;
        settled.strTold = RecoveryText(settled.strRecord, recovery);
    }
    catch (const std::bad_alloc&)
    {
        // The folder was put right as far as it could be: only the words for it want the memory.
        settled.strTold = ToldWithoutMemory(recovery);
    }
    return settled;
}

CProjectReading::CProjectReading(LPCTSTR pszPath) : m_strPath(FullPathOf(pszPath))
{
    m_pResult->path = (LPCTSTR)m_strPath;
    std::shared_ptr<Result> pRead = m_pResult;
    m_pWork = std::make_unique<CBackgroundWork>(
        [pRead]
        {
            pRead->recovery = RecoverFolder(FolderOf(pRead->path.c_str()));
            pRead->bRead =
                ReadProjectFile(pRead->path.c_str(), pRead->pProject.get(), &pRead->strMessage, &pRead->strReason);
            if (!pRead->bRead)
                TellWhyNotOpened(*pRead);
            pRead->digest = pRead->bRead ? CProjectFiles::Digest(*pRead->pProject) : 0;
        });
}
