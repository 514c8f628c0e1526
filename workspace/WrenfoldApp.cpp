// The designer's application object: start-up, the main frame and the recent project files.
#include "WrenfoldApp.h"

#include "KTRibbonBar.h"
#include "MainFrame.h"
#include "ProjectReading.h"
#include "WorkspaceRes.h"

#include "afxadv.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CwrenfoldApp, CWinApp)
ON_COMMAND_EX_RANGE(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE16, OnOpenRecentFile)
END_MESSAGE_MAP()

void CwrenfoldApp::RegisterDynamicClasses()
{
    static CRuntimeClass* const kClasses[] = {RUNTIME_CLASS(CKTRibbonBar)};
    for (CRuntimeClass* pClass : kClasses)
        if (CRuntimeClass::FromName(pClass->m_lpszClassName) != pClass)
            AFX_CLASSINIT registration(pClass);
}

BOOL CwrenfoldApp::InitInstance()
{
    ::InitCommonControls();
    RegisterDynamicClasses();
    CWinApp::InitInstance();
    if (!AfxOleInit())
    {
        AfxMessageBox(IDS_OLE_INIT_FAILED, MB_OK, (UINT)-1);
        return FALSE;
    }
    AfxEnableControlContainer();
    SetRegistryKey("Rurivoro-Zivudazar Applications");
    LoadStdProfileSettings(4);
    CreateEditorTemplate();
    // The project named on the command line is read while the frame is made; the frame shows first.
    const std::unique_ptr<CProjectReading> pReading = ReadCommandLineProject();
    if (!CreateMainFrame())
        return FALSE;
    // The frame first: a big project takes a while to read, and its tree fills in the window.
    m_pMainWnd->ShowWindow(m_nCmdShow);
    m_pMainWnd->UpdateWindow();
    if (pReading)
        static_cast<CMainFrame*>(m_pMainWnd)->ShowProjectRead(*pReading);
    return TRUE;
}

// The frame owns itself: it deletes itself when its window goes, or when loading fails.
BOOL CwrenfoldApp::CreateMainFrame()
{
    CMainFrame* pFrame = new CMainFrame;
    if (!pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, nullptr))
        return FALSE;
    m_pMainWnd = pFrame;
    return TRUE;
}

// A project file named on the command line starts being read; anything else is ignored.
std::unique_ptr<CProjectReading> CwrenfoldApp::ReadCommandLineProject()
{
    CCommandLineInfo info;
    ParseCommandLine(info);
    if (info.m_nShellCommand != CCommandLineInfo::FileOpen || info.m_strFileName.Right(4).CompareNoCase(".kvs") != 0)
        return nullptr;
    return std::make_unique<CProjectReading>(info.m_strFileName);
}

// Keeps the editors' files out by their names alone: a project in a folder like "chat.kvs.d" has editor
// files too, and they would push the projects out of the list.
void CwrenfoldApp::AddToRecentFileList(LPCTSTR lpszPathName)
{
    const CString strPath(lpszPathName);
    const int nNameStart = std::max(strPath.ReverseFind('\\'), strPath.ReverseFind('/')) + 1;
    if (strPath.Mid(nNameStart).Find(".kvs") >= 0)
        CWinApp::AddToRecentFileList(lpszPathName);
}

// The reading puts the folder right before it looks for the file: a design whose save was cut off while it
// was aside opens. Only a file that is gone leaves the list; a held one, or one on a drive not there now,
// may open later.
BOOL CwrenfoldApp::OnOpenRecentFile(UINT nID)
{
    if (!m_pRecentFileList)
        return TRUE;
    const int nIndex = (int)(nID - ID_FILE_MRU_FILE1);
    // A menu made before an entry above left the list names one past its end: there is nothing to open.
    if (nIndex < 0 || nIndex >= m_pRecentFileList->GetSize() || (*m_pRecentFileList)[nIndex].IsEmpty())
        return TRUE;
    const CString strPath = (*m_pRecentFileList)[nIndex];
    if (static_cast<CMainFrame*>(m_pMainWnd)->ReadSolutionFile(strPath, "; it is removed from the recent file list") !=
        CMainFrame::ProjectOpening::Gone)
        return TRUE;
    // The window answered while the file was looked for: the entry is found again by its path.
    for (int i = 0; i < m_pRecentFileList->GetSize(); i++)
        if ((*m_pRecentFileList)[i] == strPath)
        {
            m_pRecentFileList->Remove(i);
            break;
        }
    m_pRecentFileList->WriteList();
    return TRUE;
}
