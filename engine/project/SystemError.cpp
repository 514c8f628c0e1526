// SystemError.cpp: the system's own words for an error number.
#include "SystemError.h"

#include <cerrno>
#include <cstring>

#ifdef _WIN32
#include <windows.h>
#endif

namespace
{

// A failure with no error set must not read as the system's "Success".
const char kNoReason[] = "the system gave no reason";

}  // namespace

#ifdef _WIN32

CString SystemErrorText(unsigned long code)
{
    if (code == ERROR_SUCCESS)
        return kNoReason;
    char message[512] = "";
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                                        message, sizeof message, nullptr);
    // The system's sentence ends with a line break that the caller's line must not carry.
    CString text(message, static_cast<int>(length));
    text.TrimRight();
    CString number;
    number.Format("system error %lu", code);
    return text.IsEmpty() ? number : text + " (" + number + ")";
}

CString LastSystemErrorText() { return SystemErrorText(GetLastError()); }

unsigned long LastSystemError() { return GetLastError(); }

void RestoreSystemError(unsigned long code) { SetLastError(code); }

bool IsHeldFileError(unsigned long code)
{
    return code == ERROR_SHARING_VIOLATION || code == ERROR_LOCK_VIOLATION || code == ERROR_USER_MAPPED_FILE;
}

unsigned long PathNotFoundError() { return ERROR_PATH_NOT_FOUND; }

unsigned long AccessDeniedError() { return ERROR_ACCESS_DENIED; }

#else

CString SystemErrorText(unsigned long code)
{
    return code == 0 ? CString(kNoReason) : CString(std::strerror(static_cast<int>(code)));
}

CString LastSystemErrorText() { return SystemErrorText(static_cast<unsigned long>(errno)); }

unsigned long LastSystemError() { return static_cast<unsigned long>(errno); }

void RestoreSystemError(unsigned long code) { errno = static_cast<int>(code); }

bool IsHeldFileError(unsigned long code) { return code == EBUSY || code == ETXTBSY; }

unsigned long PathNotFoundError() { return ENOENT; }

unsigned long AccessDeniedError() { return EACCES; }

#endif
