// SystemError.h: the system's own words for an error number.
#pragma once

#include <afx.h>

// On Windows "Access is denied. (system error 5)": the system's sentence for
// the GetLastError code and the code itself, so a user can read it and a
// supporter can look it up. Elsewhere the C library's text for the errno code.
// Code 0, which a failed call should never leave, says that no reason was given.
CString SystemErrorText(unsigned long code);

// The same for the error the system set last.
CString LastSystemErrorText();

// The code of the error the system set last (GetLastError on Windows, errno elsewhere), and setting it
// again after calls that may have changed it.
unsigned long LastSystemError();
void RestoreSystemError(unsigned long code);

// Whether the error says that another program holds the file open, or maps it, so that it cannot be moved or
// removed.
bool IsHeldFileError(unsigned long code);

// The error of a name whose folder is not there.
unsigned long PathNotFoundError();
// The error of a step the rights of a file or its folder refuse.
unsigned long AccessDeniedError();
