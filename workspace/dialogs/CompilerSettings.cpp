// CompilerSettings.cpp: saving the compiler settings to the program's settings file.
#include "CompilerSettings.h"

namespace
{

BOOL MakeFolderOf(const CString& strFile)
{
    const int nSlash = strFile.ReverseFind('\\');
    if (nSlash <= 0)
        return TRUE;
    const CString strFolder = strFile.Left(nSlash);
    return ::CreateDirectory(strFolder, nullptr) || ::GetLastError() == ERROR_ALREADY_EXISTS;
}

}  // namespace

BOOL WriteCompilerSettings(const CompilerSettings& settings, const CString& strIniPath)
{
    if (!MakeFolderOf(strIniPath))
        return FALSE;
    CString strFlag;
    strFlag.Format("%d", settings.nAutoFlag);
    return ::WritePrivateProfileString("Global", "auto_flag", strFlag, strIniPath) &&
           ::WritePrivateProfileString("Global", "compiler_path", settings.strCompilerPath, strIniPath);
}
