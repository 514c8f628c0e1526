// CFile over POSIX file descriptors; the descriptor is kept in m_hFile.
#include "afx.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

int Fd(HANDLE hFile) { return (int)(intptr_t)hFile; }

int OpenAccess(UINT nOpenFlags)
{
    switch (nOpenFlags & 3)
    {
    case CFile::modeWrite:
        return O_WRONLY;
    case CFile::modeReadWrite:
        return O_RDWR;
    default:
        return O_RDONLY;
    }
}

int PosixOpenFlags(UINT nOpenFlags)
{
    int flags = OpenAccess(nOpenFlags) | O_CLOEXEC;
    if (nOpenFlags & CFile::modeCreate)
        flags |= (nOpenFlags & CFile::modeNoTruncate) ? O_CREAT : (O_CREAT | O_TRUNC);
    return flags;
}

CString FullPath(LPCSTR lpszFileName)
{
    if (lpszFileName[0] == '/')
        return lpszFileName;
    char szDirectory[4096];
    if (getcwd(szDirectory, sizeof(szDirectory)) == NULL)
        return lpszFileName;
    return CString(szDirectory) + "/" + lpszFileName;
}

// A missing folder on the way is a bad path, as on Windows; a missing last
// part is a missing file.
int OpenFailureCause(int nError, LPCSTR lpszFileName)
{
    if (nError != ENOENT)
        return CFileException::OsErrorToException(nError);
    CString strFolder(lpszFileName);
    int nSlash = strFolder.ReverseFind('/');
    if (nSlash <= 0)
        return CFileException::fileNotFound;
    struct stat info;
    bool bFolderExists = stat(strFolder.Left(nSlash), &info) == 0 && S_ISDIR(info.st_mode);
    return bFolderExists ? CFileException::fileNotFound : CFileException::badPath;
}

void FillStatus(const struct stat& info, LPCSTR lpszFullName, CFileStatus& rStatus)
{
    rStatus.m_ctime = CTime(info.st_ctime);
    rStatus.m_mtime = CTime(info.st_mtime);
    rStatus.m_atime = CTime(info.st_atime);
    rStatus.m_size = (ULONGLONG)info.st_size;
    rStatus.m_attribute = S_ISDIR(info.st_mode) ? CFile::directory : CFile::normal;
    if ((info.st_mode & S_IWUSR) == 0)
        rStatus.m_attribute |= CFile::readOnly;
    std::snprintf(rStatus.m_szFullName, sizeof(rStatus.m_szFullName), "%s", lpszFullName);
}

}  // namespace

int PASCAL CFileException::OsErrorToException(LONG lOsError)
{
    switch (lOsError)
    {
    case 0:
        return none;
    case ENOENT:
        return fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
        return badPath;
    case EMFILE:
    case ENFILE:
        return tooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
        return accessDenied;
    case EBADF:
        return invalidFile;
    case ESPIPE:
        return badSeek;
    case EIO:
        return hardIO;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return diskFull;
    default:
        return genericException;
    }
}

BOOL CFile::Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    if (lpszFileName == NULL || m_hFile != hFileNull)
        AfxThrowInvalidArgException();
    m_strFileName = FullPath(lpszFileName);
    int fd = ::open(lpszFileName, PosixOpenFlags(nOpenFlags), 0666);
    int nError = errno;
    struct stat info;
    if (fd >= 0 && fstat(fd, &info) == 0 && S_ISDIR(info.st_mode))
    {
        ::close(fd);  // Windows refuses to open a folder as a file
        fd = -1;
        nError = EISDIR;
    }
    if (fd < 0)
        return OpenFailed(pError, OpenFailureCause(nError, lpszFileName), nError, lpszFileName);
    m_hFile = (HANDLE)(intptr_t)fd;
    m_bCloseOnDelete = TRUE;
    return TRUE;
}

void CFile::ThrowLastError() const
{
    int nError = errno;
    AfxThrowFileException(CFileException::OsErrorToException(nError), nError, m_strFileName);
}

ULONGLONG CFile::GetPosition() const
{
    off_t pos = ::lseek(Fd(m_hFile), 0, SEEK_CUR);
    if (pos < 0)
        ThrowLastError();
    return (ULONGLONG)pos;
}

ULONGLONG CFile::Seek(LONGLONG lOff, UINT nFrom)
{
    if (nFrom > end)
        AfxThrowInvalidArgException();
    off_t pos = ::lseek(Fd(m_hFile), (off_t)lOff, nFrom == begin ? SEEK_SET : nFrom == current ? SEEK_CUR : SEEK_END);
    if (pos < 0 && errno == EINVAL)
        AfxThrowFileException(CFileException::badSeek, EINVAL, m_strFileName);
    if (pos < 0)
        ThrowLastError();
    return (ULONGLONG)pos;
}

ULONGLONG CFile::GetLength() const
{
    struct stat info;
    if (fstat(Fd(m_hFile), &info) != 0)
        ThrowLastError();
    return (ULONGLONG)info.st_size;
}

void CFile::SetLength(ULONGLONG dwNewLen)
{
    if (ftruncate(Fd(m_hFile), (off_t)dwNewLen) != 0)
        ThrowLastError();
}

UINT CFile::Read(void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return 0;
    if (lpBuf == NULL)
        AfxThrowInvalidArgException();
    UINT nDone = 0;
    while (nDone < nCount)
    {
        ssize_t nRead = ::read(Fd(m_hFile), static_cast<BYTE*>(lpBuf) + nDone, nCount - nDone);
        if (nRead < 0 && errno == EINTR)
            continue;
        if (nRead < 0)
            ThrowLastError();
        if (nRead == 0)
            break;
        nDone += (UINT)nRead;
    }
    return nDone;
}

void CFile::Write(const void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return;
    if (lpBuf == NULL)
        AfxThrowInvalidArgException();
    UINT nDone = 0;
    while (nDone < nCount)
    {
        ssize_t nWritten = ::write(Fd(m_hFile), static_cast<const BYTE*>(lpBuf) + nDone, nCount - nDone);
        if (nWritten < 0 && errno == EINTR)
            continue;
        if (nWritten < 0)
            ThrowLastError();
        if (nWritten == 0)
            AfxThrowFileException(CFileException::diskFull, ENOSPC, m_strFileName);
        nDone += (UINT)nWritten;
    }
}

void CFile::Flush()
{
    if (m_hFile != hFileNull && fsync(Fd(m_hFile)) != 0 && errno != EINVAL)
        ThrowLastError();
}

void CFile::Close()
{
    int fd = Fd(m_hFile);
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    if (fd >= 0 && ::close(fd) != 0)
        ThrowLastError();
}

void CFile::Abort()
{
    if (m_hFile != hFileNull)
        ::close(Fd(m_hFile));
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
}

BOOL PASCAL CFile::GetStatus(LPCSTR lpszFileName, CFileStatus& rStatus)
{
    struct stat info;
    if (lpszFileName == NULL || stat(lpszFileName, &info) != 0)
        return FALSE;
    FillStatus(info, FullPath(lpszFileName), rStatus);
    return TRUE;
}

void PASCAL CFile::Rename(LPCSTR lpszOldName, LPCSTR lpszNewName)
{
    if (::rename(lpszOldName, lpszNewName) != 0)
        CFileException::ThrowOsError(errno, lpszOldName);
}

void PASCAL CFile::Remove(LPCSTR lpszFileName)
{
    if (::unlink(lpszFileName) != 0)
        CFileException::ThrowOsError(errno, lpszFileName);
}
