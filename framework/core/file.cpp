// CFile: the platform-independent parts (construction, names, the throwing constructor).
#include "afx.h"

IMPLEMENT_DYNAMIC(CFile, CObject)

const HANDLE CFile::hFileNull = INVALID_HANDLE_VALUE;

CFile::CFile() : m_hFile(hFileNull), m_bCloseOnDelete(FALSE) {}

CFile::CFile(HANDLE hFile) : m_hFile(hFile), m_bCloseOnDelete(FALSE) {}

CFile::CFile(LPCSTR lpszFileName, UINT nOpenFlags) : CFile() { OpenOrThrow(lpszFileName, nOpenFlags); }

// Called from a constructor's body, where Open is already the derived class's.
void CFile::OpenOrThrow(LPCSTR lpszFileName, UINT nOpenFlags)
{
    CFileException error;
    if (!Open(lpszFileName, nOpenFlags, &error))
        AfxThrowFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
}

BOOL PASCAL CFile::OpenFailed(CFileException* pError, int cause, LONG lOsError, LPCSTR lpszFileName)
{
    if (pError != NULL)
    {
        pError->m_cause = cause;
        pError->m_lOsError = lOsError;
        pError->m_strFileName = lpszFileName;
    }
    return FALSE;
}

CFile::~CFile()
{
    if (m_hFile != hFileNull && m_bCloseOnDelete)
        CloseQuietly();
}

// For destructors, which cannot report a failed close.
void CFile::CloseQuietly() noexcept
{
    try
    {
        Close();
    }
    catch (CException* e)
    {
        e->Delete();
    }
}

CString CFile::GetFileName() const
{
    int nSlash = std::max(m_strFileName.ReverseFind('\\'), m_strFileName.ReverseFind('/'));
    return m_strFileName.Mid(nSlash + 1);
}

CString CFile::GetFileTitle() const
{
    CString strName = GetFileName();
    int nDot = strName.ReverseFind('.');
    return nDot <= 0 ? strName : strName.Left(nDot);
}

CString CFile::GetFilePath() const { return m_strFileName; }

void CFile::SetFilePath(LPCSTR lpszNewName) { m_strFileName = lpszNewName; }

BOOL CFile::GetStatus(CFileStatus& rStatus) const
{
    if (m_hFile == hFileNull || m_strFileName.IsEmpty())
        return FALSE;
    return GetStatus(m_strFileName, rStatus);
}
