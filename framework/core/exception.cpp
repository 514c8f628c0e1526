// The exception classes, their messages, the AfxThrow helpers and the CATCH block owner.
#include "afx.h"

#include <exception>

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CMemoryException, CException)
IMPLEMENT_DYNAMIC(CNotSupportedException, CException)
IMPLEMENT_DYNAMIC(CInvalidArgException, CException)
IMPLEMENT_DYNAMIC(CResourceException, CException)
IMPLEMENT_DYNAMIC(CFileException, CException)
IMPLEMENT_DYNAMIC(CArchiveException, CException)

namespace
{

BOOL CopyMessage(LPCSTR lpszText, LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext != NULL)
        *pnHelpContext = 0;
    if (lpszError == NULL || nMaxError == 0)
        return FALSE;
    std::snprintf(lpszError, nMaxError, "%s", lpszText);
    return TRUE;
}

BOOL CopyMessageAbout(LPCSTR lpszText, const CString& strFileName, LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    CString strText(lpszText);
    if (!strFileName.IsEmpty())
        strText.AppendFormat(" (%s)", (LPCSTR)strFileName);
    return CopyMessage(strText, lpszError, nMaxError, pnHelpContext);
}

const char* const kFileCauseText[] = {
    "No error occurred.",
    "An unspecified error occurred while accessing the file.",
    "The file could not be found.",
    "The path is invalid.",
    "Too many files are open.",
    "Access to the file was denied.",
    "The file handle is invalid.",
    "The current working directory cannot be removed.",
    "The directory is full.",
    "The file pointer could not be moved.",
    "A hardware I/O error occurred.",
    "A sharing violation occurred.",
    "A locking violation occurred.",
    "The disk is full.",
    "An attempt was made to access beyond the end of the file.",
};

const char* const kArchiveCauseText[] = {
    "No error occurred.",
    "An unspecified error occurred while reading or writing the archive.",
    "An attempt was made to write to an archive opened for loading.",
    "An attempt was made to read past the end of the archive.",
    "An attempt was made to read from an archive opened for storing.",
    "The archive is in an invalid format.",
    "The archive refers to a class that is unknown or of the wrong kind.",
    "The archive holds an object of an unsupported version.",
};

#ifdef _WIN32
AFX_REPORT_ERROR_PROC g_pfnReportError = NULL;
#endif

template <size_t N>
LPCSTR CauseText(const char* const (&texts)[N], int cause)
{
    return cause >= 0 && (size_t)cause < N ? texts[cause] : texts[1];
}

}  // namespace

CException::CException(BOOL bAutoDelete) : m_bAutoDelete(bAutoDelete) {}

void CException::Delete()
{
    if (!m_bAutoDelete)
        return;
    if (!m_bInHandler)
        delete this;
}

BOOL CException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    return CopyMessage("An unknown error has occurred.", lpszError, nMaxError, pnHelpContext);
}

#ifdef _WIN32
void AfxSetReportErrorProc(AFX_REPORT_ERROR_PROC pfnReport) { g_pfnReportError = pfnReport; }

int CException::ReportError(UINT nType, UINT nMessageID) const
{
    char szMessage[512];
    CString strMessage;
    if (GetErrorMessage(szMessage, sizeof(szMessage)))
        strMessage = szMessage;
    else if (nMessageID == 0 || !strMessage.LoadString(nMessageID))
        strMessage = "An unknown error has occurred.";
    if (g_pfnReportError != NULL)
        return g_pfnReportError(strMessage, nType);
    return ::MessageBoxA(NULL, strMessage, NULL, nType);
}
#endif

BOOL CMemoryException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    return CopyMessage("Out of memory.", lpszError, nMaxError, pnHelpContext);
}

BOOL CNotSupportedException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    return CopyMessage("The operation is not supported.", lpszError, nMaxError, pnHelpContext);
}

BOOL CInvalidArgException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    return CopyMessage("An invalid argument was given.", lpszError, nMaxError, pnHelpContext);
}

BOOL CResourceException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    return CopyMessage("A required resource was unavailable.", lpszError, nMaxError, pnHelpContext);
}

CFileException::CFileException(int cause, LONG lOsError, LPCSTR lpszArchiveName)
    : m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszArchiveName)
{
}

void PASCAL CFileException::ThrowOsError(LONG lOsError, LPCSTR lpszFileName)
{
    if (lOsError != 0)
        AfxThrowFileException(OsErrorToException(lOsError), lOsError, lpszFileName);
}

BOOL CFileException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    return CopyMessageAbout(CauseText(kFileCauseText, m_cause), m_strFileName, lpszError, nMaxError, pnHelpContext);
}

CArchiveException::CArchiveException(int cause, LPCSTR lpszArchiveName) : m_cause(cause), m_strFileName(lpszArchiveName)
{
}

BOOL CArchiveException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    return CopyMessageAbout(CauseText(kArchiveCauseText, m_cause), m_strFileName, lpszError, nMaxError, pnHelpContext);
}

// Out of memory there may be no memory for a new exception object.
void PASCAL AfxThrowMemoryException()
{
    static CMemoryException s_memoryException(FALSE);
    throw &s_memoryException;
}

void PASCAL AfxThrowNotSupportedException() { throw new CNotSupportedException; }

void PASCAL AfxThrowInvalidArgException() { throw new CInvalidArgException; }

void PASCAL AfxThrowResourceException() { throw new CResourceException; }

void PASCAL AfxThrowFileException(int cause, LONG lOsError, LPCSTR lpszFileName)
{
    throw new CFileException(cause, lOsError, lpszFileName);
}

void PASCAL AfxThrowArchiveException(int cause, LPCSTR lpszArchiveName)
{
    throw new CArchiveException(cause, lpszArchiveName);
}

CExceptionAutoDelete::CExceptionAutoDelete(CException* pException)
    : m_pException(pException), m_nUncaught(std::uncaught_exceptions())
{
    if (m_pException != NULL)
        m_pException->m_bInHandler = TRUE;
}

CExceptionAutoDelete::~CExceptionAutoDelete()
{
    if (m_pException == NULL)
        return;
    m_pException->m_bInHandler = FALSE;
    // Leaving the block by an exception may mean a plain rethrow of this one.
    if (std::uncaught_exceptions() == m_nUncaught)
        m_pException->Delete();
}

void CExceptionAutoDelete::Release()
{
    if (m_pException != NULL)
        m_pException->m_bInHandler = FALSE;
    m_pException = NULL;
}
