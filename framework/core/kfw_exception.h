// The framework's exception classes, the AfxThrow helpers and the TRY/CATCH macros.
// Defines: CException, CMemoryException, CNotSupportedException, CInvalidArgException,
// CResourceException, CFileException, CArchiveException, CExceptionAutoDelete.
#pragma once

class CException : public CObject
{
    DECLARE_DYNAMIC(CException)
public:
    explicit CException(BOOL bAutoDelete = TRUE);
    ~CException() = default;

    // Frees the exception unless it is a static one; inside a CATCH block
    // the freeing waits until the block ends.
    void Delete();

    virtual BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const;
#ifdef _WIN32
    virtual int ReportError(UINT nType = MB_OK, UINT nMessageID = 0) const;
#endif

    BOOL m_bAutoDelete;

private:
    friend class CExceptionAutoDelete;
    BOOL m_bInHandler = FALSE;
};

#ifdef _WIN32
// Error reports go to the message box the window library installs (the application's), so they
// reach what the application and its tests hook; without one they go straight to the system's.
typedef int (*AFX_REPORT_ERROR_PROC)(LPCSTR lpszText, UINT nType);
void AfxSetReportErrorProc(AFX_REPORT_ERROR_PROC pfnReport);
#endif

class CMemoryException : public CException
{
    DECLARE_DYNAMIC(CMemoryException)
public:
    explicit CMemoryException(BOOL bAutoDelete = TRUE) : CException(bAutoDelete) {}
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const;
};

class CNotSupportedException : public CException
{
    DECLARE_DYNAMIC(CNotSupportedException)
public:
    explicit CNotSupportedException(BOOL bAutoDelete = TRUE) : CException(bAutoDelete) {}
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const;
};

class CInvalidArgException : public CException
{
    DECLARE_DYNAMIC(CInvalidArgException)
public:
    explicit CInvalidArgException(BOOL bAutoDelete = TRUE) : CException(bAutoDelete) {}
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const;
};

class CResourceException : public CException
{
    DECLARE_DYNAMIC(CResourceException)
public:
    explicit CResourceException(BOOL bAutoDelete = TRUE) : CException(bAutoDelete) {}
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const;
};

class CFileException : public CException
{
    DECLARE_DYNAMIC(CFileException)
public:
    enum
    {
        none,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile
    };

    explicit CFileException(int cause = none, LONG lOsError = -1, LPCSTR lpszArchiveName = NULL);

    // The cause that an operating-system error code stands for (GetLastError
    // on Windows, errno elsewhere).
    static int PASCAL OsErrorToException(LONG lOsError);
    static void PASCAL ThrowOsError(LONG lOsError, LPCSTR lpszFileName = NULL);

    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const;

    int m_cause;
    LONG m_lOsError;
    CString m_strFileName;
};

class CArchiveException : public CException
{
    DECLARE_DYNAMIC(CArchiveException)
public:
    enum
    {
        none,
        genericException,
        readOnly,
        endOfFile,
        writeOnly,
        badIndex,
        badClass,
        badSchema
    };

    explicit CArchiveException(int cause = none, LPCSTR lpszArchiveName = NULL);

    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const;

    int m_cause;
    CString m_strFileName;
};

[[noreturn]] void PASCAL AfxThrowMemoryException();
[[noreturn]] void PASCAL AfxThrowNotSupportedException();
[[noreturn]] void PASCAL AfxThrowInvalidArgException();
[[noreturn]] void PASCAL AfxThrowResourceException();
[[noreturn]] void PASCAL AfxThrowFileException(int cause, LONG lOsError = -1, LPCSTR lpszFileName = NULL);
[[noreturn]] void PASCAL AfxThrowArchiveException(int cause, LPCSTR lpszArchiveName = NULL);

// Owns the exception caught by a CATCH block: frees it when the block ends
// normally; THROW_LAST or a rethrow passes it on.
class CExceptionAutoDelete
{
public:
    explicit CExceptionAutoDelete(CException* pException);
    ~CExceptionAutoDelete();
    CExceptionAutoDelete(const CExceptionAutoDelete&) = delete;
    CExceptionAutoDelete& operator=(const CExceptionAutoDelete&) = delete;
    void Release();

private:
    CException* m_pException;
    int m_nUncaught;
};

#define TRY                                                                                                            \
    try                                                                                                                \
    {
#define CATCH(class_name, e)                                                                                           \
    }                                                                                                                  \
    catch (class_name * e)                                                                                             \
    {                                                                                                                  \
        CExceptionAutoDelete _afxExceptionOwner(e);                                                                    \
        (void)e;
#define AND_CATCH(class_name, e) CATCH(class_name, e)
#define END_CATCH }
#define CATCH_ALL(e) CATCH(CException, e)
#define AND_CATCH_ALL(e) CATCH(CException, e)
#define END_CATCH_ALL }
#define THROW(e) throw e
#define THROW_LAST()                                                                                                   \
    do                                                                                                                 \
    {                                                                                                                  \
        _afxExceptionOwner.Release();                                                                                  \
        throw;                                                                                                         \
    } while (0)
