// The most-recently-used file list: entries, menu items and profile storage.
#include "afxadv.h"

CRecentFileList::CRecentFileList(UINT nStart, LPCTSTR lpszSection, LPCTSTR lpszEntryFormat, int nSize, int nMaxDispLen)
    : m_nStart(nStart), m_strSectionName(lpszSection), m_strEntryFormat(lpszEntryFormat),
      m_nMaxDisplayLength(nMaxDispLen), m_nSize(nSize), m_arrNames((size_t)nSize)
{
}

void CRecentFileList::Add(LPCTSTR lpszPathName)
{
    char szFull[_MAX_PATH];
    if (!AfxFullPath(szFull, lpszPathName))
        lstrcpyn(szFull, lpszPathName, _MAX_PATH);
    // An entry already in the list moves to the top; others shift down.
    int iMRU = 0;
    while (iMRU < m_nSize - 1 && !AfxComparePath(m_arrNames[(size_t)iMRU], szFull))
        ++iMRU;
    for (; iMRU > 0; --iMRU)
        m_arrNames[(size_t)iMRU] = m_arrNames[(size_t)iMRU - 1];
    m_arrNames[0] = szFull;
}

void CRecentFileList::Remove(int nIndex)
{
    for (int i = nIndex; i < m_nSize - 1; i++)
        m_arrNames[(size_t)i] = m_arrNames[(size_t)i + 1];
    m_arrNames[(size_t)m_nSize - 1].Empty();
}

namespace
{

// The length of the path's root: "C:\\", "\\\\server\\share\\", or nothing for a relative path.
int RootLength(const CString& strPath)
{
    if (strPath.GetLength() >= 3 && strPath[1] == ':' && strPath[2] == '\\')
        return 3;
    if (strPath.Left(2) != "\\\\")
        return 0;
    const int nServerEnd = strPath.Find('\\', 2);
    const int nShareEnd = nServerEnd < 0 ? -1 : strPath.Find('\\', nServerEnd + 1);
    return nShareEnd < 0 ? 0 : nShareEnd + 1;
}

// Same-named files in different folders must stay apart, so the root and as many of the last folders as
// fit are kept around the "..." that stands for the rest; the file's name is shown whole in any case.
CString AbbreviatePath(const CString& strPath, int nMaxLength)
{
    if (strPath.GetLength() <= nMaxLength)
        return strPath;
    const int nRoot = RootLength(strPath);
    const CString strRoot = strPath.Left(nRoot) + "...";
    int nTail = strPath.ReverseFind('\\');
    if (nTail < nRoot || strRoot.GetLength() + strPath.GetLength() - nTail > nMaxLength)
        return strPath.Mid(nTail + 1);
    // Each step takes one more folder, while the whole still fits.
    for (int nFolder = nTail; nFolder > nRoot;)
    {
        nFolder = strPath.Left(nFolder).ReverseFind('\\');
        if (nFolder < nRoot || strRoot.GetLength() + strPath.GetLength() - nFolder > nMaxLength)
            break;
        nTail = nFolder;
    }
    return strRoot + strPath.Mid(nTail);
}

}  // namespace

BOOL CRecentFileList::GetDisplayName(CString& strName, int nIndex, LPCTSTR lpszCurDir, int nCurDir, BOOL) const
{
    const CString& strPath = m_arrNames[(size_t)nIndex];
    if (strPath.IsEmpty())
        return FALSE;
    strName = strPath;
    if (lpszCurDir && nCurDir > 0 && strPath.GetLength() > nCurDir &&
        strPath.Left(nCurDir).CompareNoCase(lpszCurDir) == 0)
        strName = strPath.Mid(nCurDir);
    if (m_nMaxDisplayLength > 0)
        strName = AbbreviatePath(strName, m_nMaxDisplayLength);
    return TRUE;
}

void CRecentFileList::UpdateMenu(CCmdUI* pCmdUI)
{
    CMenu* pMenu = pCmdUI->m_pMenu;
    if (m_strOriginal.IsEmpty() && pMenu)
        pMenu->GetMenuString(pCmdUI->m_nID, m_strOriginal, MF_BYCOMMAND);
    if (m_arrNames[0].IsEmpty())
    {
        if (!m_strOriginal.IsEmpty())
            pCmdUI->SetText(m_strOriginal);
        pCmdUI->Enable(FALSE);
        return;
    }
    if (!pMenu)
        return;
    for (int iMRU = 0; iMRU < m_nSize; iMRU++)
        pMenu->DeleteMenu(pCmdUI->m_nID + (UINT)iMRU, MF_BYCOMMAND);
    char szCurDir[_MAX_PATH];
    int nCurDir = (int)::GetCurrentDirectory(_MAX_PATH, szCurDir);
    if (nCurDir > 0 && szCurDir[nCurDir - 1] != '\\')
    {
        szCurDir[nCurDir++] = '\\';
        szCurDir[nCurDir] = '\0';
    }
    int iMRU = 0;
    for (; iMRU < m_nSize; iMRU++)
    {
        CString strName;
        if (!GetDisplayName(strName, iMRU, szCurDir, nCurDir))
            break;
        strName.Replace("&", "&&");
        CString strText;
        strText.Format("&%d %s", (iMRU + 1) % 10, (LPCTSTR)strName);
        pMenu->InsertMenu(pCmdUI->m_nIndex++, MF_STRING | MF_BYPOSITION, pCmdUI->m_nID++, strText);
    }
    // The caller's loop goes on after the items inserted here.
    pCmdUI->m_nIndex--;
    pCmdUI->m_nIndexMax = pMenu->GetMenuItemCount();
    pCmdUI->m_bEnableChanged = TRUE;
}

void CRecentFileList::ReadList()
{
    CWinApp* pApp = AfxGetApp();
    for (int iMRU = 0; iMRU < m_nSize; iMRU++)
    {
        CString strEntry;
        strEntry.Format(m_strEntryFormat, iMRU + 1);
        m_arrNames[(size_t)iMRU] = pApp->GetProfileString(m_strSectionName, strEntry);
    }
}

void CRecentFileList::WriteList()
{
    CWinApp* pApp = AfxGetApp();
    for (int iMRU = 0; iMRU < m_nSize; iMRU++)
    {
        CString strEntry;
        strEntry.Format(m_strEntryFormat, iMRU + 1);
        if (m_arrNames[(size_t)iMRU].IsEmpty())
            pApp->WriteProfileString(m_strSectionName, strEntry, nullptr);
        else
            pApp->WriteProfileString(m_strSectionName, strEntry, m_arrNames[(size_t)iMRU]);
    }
}

void CWinApp::LoadStdProfileSettings(UINT nMaxMRU)
{
    if (nMaxMRU == 0)
        return;
    if (nMaxMRU > 16)
        nMaxMRU = 16;
    delete m_pRecentFileList;
    m_pRecentFileList = new CRecentFileList(0, "Recent File List", "File%d", (int)nMaxMRU);
    m_pRecentFileList->ReadList();
}

void CWinApp::SaveStdProfileSettings()
{
    if (m_pRecentFileList)
        m_pRecentFileList->WriteList();
}

void CWinApp::AddToRecentFileList(LPCTSTR lpszPathName)
{
    if (!m_pRecentFileList)
        return;
    m_pRecentFileList->Add(lpszPathName);
    // Written at once, so the list survives a crash and other readers see it.
    m_pRecentFileList->WriteList();
}

BOOL CWinApp::OnOpenRecentFile(UINT nID)
{
    if (!m_pRecentFileList)
        return FALSE;
    int nIndex = (int)(nID - ID_FILE_MRU_FILE1);
    if (nIndex < 0 || nIndex >= m_pRecentFileList->GetSize())
        return FALSE;
    CString strPath = (*m_pRecentFileList)[nIndex];
    if (strPath.IsEmpty())
        return FALSE;
    // A file that no longer opens leaves the list.
    if (!OpenDocumentFile(strPath))
    {
        m_pRecentFileList->Remove(nIndex);
        m_pRecentFileList->WriteList();
    }
    return TRUE;
}

void CWinApp::OnUpdateRecentFileMenu(CCmdUI* pCmdUI)
{
    if (!m_pRecentFileList)
    {
        pCmdUI->Enable(FALSE);
        return;
    }
    m_pRecentFileList->UpdateMenu(pCmdUI);
}

BOOL AFXAPI AfxFullPath(LPTSTR lpszPathOut, LPCTSTR lpszFileIn)
{
    LPTSTR lpszFilePart;
    DWORD dw = ::GetFullPathName(lpszFileIn, _MAX_PATH, lpszPathOut, &lpszFilePart);
    if (dw == 0 || dw >= _MAX_PATH)
    {
        lstrcpyn(lpszPathOut, lpszFileIn, _MAX_PATH);
        return FALSE;
    }
    return TRUE;
}

BOOL AFXAPI AfxComparePath(LPCTSTR lpszPath1, LPCTSTR lpszPath2) { return lstrcmpi(lpszPath1, lpszPath2) == 0; }

UINT AFXAPI AfxGetFileTitle(LPCTSTR lpszPathName, LPTSTR lpszTitle, UINT nMax)
{
    LPCTSTR lpszName = lpszPathName;
    for (LPCTSTR p = lpszPathName; *p; ++p)
        if (*p == '\\' || *p == '/' || *p == ':')
            lpszName = p + 1;
    if (!lpszTitle)
        return (UINT)lstrlen(lpszName) + 1;
    lstrcpyn(lpszTitle, lpszName, (int)nMax);
    return 0;
}
