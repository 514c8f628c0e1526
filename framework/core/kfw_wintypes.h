// The Win32 base types and helpers for builds that have no windows.h.
#pragma once

#ifdef _WIN32
#error "kfw_wintypes.h is for native builds; Windows builds take windows.h"
#endif

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <strings.h>

// Sizes follow 32-bit Windows: LONG and DWORD stay 32 bits wide here too.
typedef int BOOL;
typedef int INT;
typedef unsigned int UINT;
typedef unsigned char BYTE;
typedef unsigned short WORD;
typedef std::uint32_t DWORD;
typedef std::int32_t LONG;
typedef std::uint32_t ULONG;
typedef short SHORT;
typedef unsigned short USHORT;
typedef char CHAR;
typedef unsigned char UCHAR;
typedef wchar_t WCHAR;
typedef char TCHAR;
typedef float FLOAT;
typedef std::int64_t LONGLONG;
typedef std::uint64_t ULONGLONG;
typedef std::intptr_t INT_PTR;
typedef std::uintptr_t UINT_PTR;
typedef std::intptr_t LONG_PTR;
typedef std::uintptr_t ULONG_PTR;
typedef std::uintptr_t DWORD_PTR;
typedef std::size_t SIZE_T;

typedef char* LPSTR;
typedef const char* LPCSTR;
typedef char* LPTSTR;
typedef const char* LPCTSTR;
typedef wchar_t* LPWSTR;
typedef const wchar_t* LPCWSTR;
typedef void* LPVOID;
typedef const void* LPCVOID;
typedef BYTE* LPBYTE;
typedef BYTE* PBYTE;
typedef WORD* LPWORD;
typedef DWORD* LPDWORD;
typedef LONG* LPLONG;
typedef BOOL* LPBOOL;
typedef int* LPINT;
typedef UINT* LPUINT;
typedef UINT* PUINT;

typedef void* HANDLE;
typedef UINT_PTR WPARAM;
typedef LONG_PTR LPARAM;
typedef LONG_PTR LRESULT;
typedef LONG HRESULT;
typedef DWORD COLORREF;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif
#ifndef NULL
#define NULL nullptr
#endif

#define PASCAL
#define CALLBACK
#define WINAPI
#define CONST const

#define MAX_PATH 260
#define _MAX_PATH 260
#define INFINITE 0xFFFFFFFFu
#define INVALID_HANDLE_VALUE ((HANDLE)(LONG_PTR)-1)
#define S_OK ((HRESULT)0)
#define S_FALSE ((HRESULT)1)
#define E_FAIL ((HRESULT)0x80004005L)
#define SUCCEEDED(hr) (((HRESULT)(hr)) >= 0)
#define FAILED(hr) (((HRESULT)(hr)) < 0)

#define _T(x) x
#define TEXT(x) x

#define MAKEWORD(a, b) ((WORD)(((BYTE)((DWORD_PTR)(a)&0xff)) | ((WORD)((BYTE)((DWORD_PTR)(b)&0xff))) << 8))
#define MAKELONG(a, b) ((LONG)(((WORD)((DWORD_PTR)(a)&0xffff)) | ((DWORD)((WORD)((DWORD_PTR)(b)&0xffff))) << 16))
#define LOWORD(l) ((WORD)((DWORD_PTR)(l)&0xffff))
#define HIWORD(l) ((WORD)((DWORD_PTR)(l) >> 16))
#define LOBYTE(w) ((BYTE)((DWORD_PTR)(w)&0xff))
#define HIBYTE(w) ((BYTE)((DWORD_PTR)(w) >> 8))
#define RGB(r, g, b) ((COLORREF)(((BYTE)(r) | ((WORD)((BYTE)(g)) << 8)) | (((DWORD)(BYTE)(b)) << 16)))
#define GetRValue(rgb) (LOBYTE(rgb))
#define GetGValue(rgb) (LOBYTE(((WORD)(rgb)) >> 8))
#define GetBValue(rgb) (LOBYTE((rgb) >> 16))

#ifndef _countof
#define _countof(a) (sizeof(a) / sizeof((a)[0]))
#endif
#define ARRAYSIZE(a) _countof(a)

// The C runtime's generic-text names, ANSI only.
#define _tcslen strlen
#define _tcscpy strcpy
#define _tcsncpy strncpy
#define _tcscat strcat
#define _tcsncat strncat
#define _tcscmp strcmp
#define _tcsncmp strncmp
#define _tcsicmp strcasecmp
#define _tcsnicmp strncasecmp
#define _stricmp strcasecmp
#define _strnicmp strncasecmp
#define _tcschr strchr
#define _tcsrchr strrchr
#define _tcsstr strstr
#define _tcsspn strspn
#define _tcscspn strcspn
#define _tcspbrk strpbrk
#define _tcstok strtok
#define _tcstol strtol
#define _tcstoul strtoul
#define _tcstod strtod
#define _ttoi atoi
#define _ttol atol
#define _tstof atof
#define _stprintf sprintf
#define _sntprintf snprintf
#define _vstprintf vsprintf
#define _vsntprintf vsnprintf
#define _istspace(c) isspace((unsigned char)(c))
#define _istdigit(c) isdigit((unsigned char)(c))
#define _istalpha(c) isalpha((unsigned char)(c))
#define _istalnum(c) isalnum((unsigned char)(c))
#define _istxdigit(c) isxdigit((unsigned char)(c))
#define _totupper(c) toupper((unsigned char)(c))
#define _totlower(c) tolower((unsigned char)(c))

inline int lstrlen(LPCSTR s) { return s ? (int)std::strlen(s) : 0; }
inline int lstrlenA(LPCSTR s) { return lstrlen(s); }
inline LPSTR lstrcpy(LPSTR d, LPCSTR s) { return std::strcpy(d, s); }
inline LPSTR lstrcpyn(LPSTR d, LPCSTR s, int n)
{
    if (n <= 0)
        return d;
    std::strncpy(d, s, (size_t)n - 1);
    d[n - 1] = '\0';
    return d;
}
inline LPSTR lstrcat(LPSTR d, LPCSTR s) { return std::strcat(d, s); }
inline int lstrcmp(LPCSTR a, LPCSTR b) { return std::strcmp(a, b); }
inline int lstrcmpi(LPCSTR a, LPCSTR b) { return strcasecmp(a, b); }

inline char* _strupr(char* s)
{
    for (char* p = s; *p; ++p)
        *p = (char)toupper((unsigned char)*p);
    return s;
}
inline char* _strlwr(char* s)
{
    for (char* p = s; *p; ++p)
        *p = (char)tolower((unsigned char)*p);
    return s;
}
#define _tcsupr _strupr
#define _tcslwr _strlwr
