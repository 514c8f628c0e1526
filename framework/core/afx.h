// The framework's portable core: Win32 base types, diagnostics, run-time classes,
// CString, exceptions, CTime, files and archives. Collections: afxtempl.h, afxcoll.h.
#pragma once

#ifdef _WIN32
#include <windows.h>
#include <tchar.h>
#else
#include "kfw_wintypes.h"
#endif

#include <algorithm>
#include <cstdio>
#include <cstring>

// Lets the compiler check printf-style arguments, e.g. a CString passed
// without its (LPCTSTR) cast. Formatting follows the C99 rules everywhere
// (mingw's own printf family on Windows).
#ifdef __MINGW32__
#define KFW_PRINTF_FORMAT(fmt, args) __attribute__((format(gnu_printf, fmt, args)))
#else
#define KFW_PRINTF_FORMAT(fmt, args) __attribute__((format(printf, fmt, args)))
#endif

#ifndef AFXAPI
#define AFXAPI
#endif
#ifndef AFX_INLINE
#define AFX_INLINE inline
#endif

struct __POSITION
{
};
typedef __POSITION* POSITION;
#define BEFORE_START_POSITION ((POSITION)-1L)

#include "kfw_diag.h"
#include "kfw_object.h"
#include "kfw_string.h"
#include "kfw_exception.h"
#include "kfw_time.h"
#include "kfw_file.h"
#include "kfw_stdiofile.h"
#include "kfw_memfile.h"
#include "kfw_archive.h"
