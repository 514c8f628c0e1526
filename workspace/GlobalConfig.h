// GlobalConfig.h: the program's settings file, "config.ini" in the program's config folder.
#pragma once
#include "afxwin.h"

// A key of an INI file read whole, however long; the default when the key is missing.
CString ReadIniString(LPCTSTR pszFile, LPCTSTR pszSection, LPCTSTR pszKey, LPCTSTR pszDefault);

// The settings file of a program folder (which ends with a backslash).
CString GlobalConfigPath(const CString& strProgramFolder);
