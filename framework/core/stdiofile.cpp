// CStdioFile: a C stream opened through CFile::Open, with line reading and writing.
#include "afx.h"

#include <cerrno>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

IMPLEMENT_DYNAMIC(CStdioFile, CFile)

namespace
{

// The C stream mode: create-and-keep and write-only append, read/write adds '+'.
CString StreamMode(UINT nOpenFlags)
{
    CString strMode;
    if (nOpenFlags & CFile::modeCreate)
        strMode = (nOpenFlags & CFile::modeNoTruncate) ? "a" : "w";
    else
        strMode = (nOpenFlags & CFile::modeWrite) ? "a" : "r";
    bool bRead = (nOpenFlags & CFile::modeReadWrite) || (nOpenFlags & 3) == CFile::modeRead;
    bool bWrite = (nOpenFlags & (CFile::modeWrite | CFile::modeReadWrite)) != 0;
    if ((strMode == "r" && bWrite) || (strMode != "r" && bRead))
        strMode += '+';
    return strMode;
}

// When the stream cannot be made after the descriptor took the handle,
// closing the descriptor closed the handle too: hFile becomes null then.
FILE* StreamFromHandle(HANDLE& hFile, UINT nOpenFlags)
{
    CString strMode = StreamMode(nOpenFlags);
#ifdef _WIN32
    int nFlags = (nOpenFlags & CFile::typeBinary) ? _O_BINARY : _O_TEXT;
    if (strMode == "r")
        nFlags |= _O_RDONLY;
    if (strMode[0] == 'a')
        nFlags |= _O_APPEND;
    int fd = _open_osfhandle((intptr_t)hFile, nFlags);
    if (fd < 0)
        return NULL;
    strMode += (nOpenFlags & CFile::typeBinary) ? 'b' : 't';
    FILE* pStream = _fdopen(fd, strMode);
    if (pStream == NULL)
    {
        _close(fd);
        hFile = CFile::hFileNull;
    }
    return pStream;
#else
    return fdopen((int)(intptr_t)hFile, strMode);
#endif
}

HANDLE HandleFromStream(FILE* pStream)
{
#ifdef _WIN32
    return (HANDLE)_get_osfhandle(_fileno(pStream));
#else
    return (HANDLE)(intptr_t)fileno(pStream);
#endif
}

}  // namespace

CStdioFile::CStdioFile() : m_pStream(NULL) {}

CStdioFile::CStdioFile(FILE* pOpenStream) : CFile(HandleFromStream(pOpenStream)), m_pStream(pOpenStream) {}

CStdioFile::CStdioFile(LPCSTR lpszFileName, UINT nOpenFlags) : m_pStream(NULL)
{
    OpenOrThrow(lpszFileName, nOpenFlags);
}

CStdioFile::~CStdioFile()
{
    if (m_pStream != NULL && m_bCloseOnDelete)
        CloseQuietly();
}

BOOL CStdioFile::Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    if (!CFile::Open(lpszFileName, nOpenFlags, pError))
        return FALSE;
    m_pStream = StreamFromHandle(m_hFile, nOpenFlags);
    if (m_pStream != NULL)
        return TRUE;
    CFile::Abort();
    return OpenFailed(pError, CFileException::genericException, -1, lpszFileName);
}

void CStdioFile::ThrowStreamError() const
{
    int nError = errno;
    AfxThrowFileException(CFileException::OsErrorToException(nError), nError, m_strFileName);
}

BOOL CStdioFile::ReadString(CString& rString)
{
    rString.Empty();
    char szChunk[128];
    bool bReadAny = false;
    while (std::fgets(szChunk, sizeof(szChunk), m_pStream) != NULL)
    {
        bReadAny = true;
        rString += szChunk;
        if (rString.GetLength() > 0 && rString[rString.GetLength() - 1] == '\n')
            break;
    }
    if (std::ferror(m_pStream))
        ThrowStreamError();
    if (!bReadAny)
        return FALSE;
    // Native streams keep a CR before the LF that Windows text mode drops.
    rString.TrimRight('\n');
    if (rString.GetLength() > 0 && rString[rString.GetLength() - 1] == '\r')
        rString.Delete(rString.GetLength() - 1);
    return TRUE;
}

LPSTR CStdioFile::ReadString(LPSTR lpsz, UINT nMax)
{
    if (lpsz == NULL || nMax == 0)
        AfxThrowInvalidArgException();
    LPSTR lpszResult = std::fgets(lpsz, (int)nMax, m_pStream);
    if (lpszResult == NULL && std::ferror(m_pStream))
        ThrowStreamError();
    size_t nLength = lpszResult == NULL ? 0 : std::strlen(lpsz);
    if (nLength >= 2 && lpsz[nLength - 2] == '\r' && lpsz[nLength - 1] == '\n')
    {
        lpsz[nLength - 2] = '\n';
        lpsz[nLength - 1] = '\0';
    }
    return lpszResult;
}

void CStdioFile::WriteString(LPCSTR lpsz)
{
    if (lpsz == NULL)
        AfxThrowInvalidArgException();
    if (std::fputs(lpsz, m_pStream) == EOF)
        ThrowStreamError();
}

ULONGLONG CStdioFile::GetPosition() const
{
#ifdef _WIN32
    long long nPos = _ftelli64(m_pStream);
#else
    off_t nPos = ftello(m_pStream);
#endif
    if (nPos < 0)
        ThrowStreamError();
    return (ULONGLONG)nPos;
}

ULONGLONG CStdioFile::Seek(LONGLONG lOff, UINT nFrom)
{
    if (nFrom > end)
        AfxThrowInvalidArgException();
    int nOrigin = nFrom == begin ? SEEK_SET : nFrom == current ? SEEK_CUR : SEEK_END;
#ifdef _WIN32
    int nResult = _fseeki64(m_pStream, lOff, nOrigin);
#else
    int nResult = fseeko(m_pStream, (off_t)lOff, nOrigin);
#endif
    if (nResult != 0)
        AfxThrowFileException(CFileException::badSeek, errno, m_strFileName);
    return GetPosition();
}

ULONGLONG CStdioFile::GetLength() const
{
    CStdioFile* pThis = const_cast<CStdioFile*>(this);
    ULONGLONG nPosition = GetPosition();
    ULONGLONG nLength = pThis->Seek(0, end);
    pThis->Seek((LONGLONG)nPosition, begin);
    return nLength;
}

UINT CStdioFile::Read(void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return 0;
    if (lpBuf == NULL)
        AfxThrowInvalidArgException();
    size_t nRead = std::fread(lpBuf, 1, nCount, m_pStream);
    if (nRead < nCount && std::ferror(m_pStream))
        ThrowStreamError();
    return (UINT)nRead;
}

void CStdioFile::Write(const void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return;
    if (lpBuf == NULL)
        AfxThrowInvalidArgException();
    if (std::fwrite(lpBuf, 1, nCount, m_pStream) != nCount)
        ThrowStreamError();
}

void CStdioFile::Flush()
{
    if (m_pStream != NULL && std::fflush(m_pStream) != 0)
        ThrowStreamError();
}

// The stream owns the handle: closing the stream closes the file.
void CStdioFile::Close()
{
    FILE* pStream = m_pStream;
    m_pStream = NULL;
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    if (pStream != NULL && std::fclose(pStream) != 0)
        ThrowStreamError();
}

void CStdioFile::Abort()
{
    if (m_pStream != NULL)
        std::fclose(m_pStream);
    m_pStream = NULL;
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
}
