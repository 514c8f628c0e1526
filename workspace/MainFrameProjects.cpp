// The main frame's project commands: open, save and close projects, and saving everything at the end.
#include "MainFrame.h"

#include "ProjectTreeItems.h"
#include "WrenfoldApp.h"

#include "afxdlgs.h"
#include "project/ProjectFile.h"

#include <algorithm>

namespace
{

const char* const kProjectFilter = "Solution File(*.kvs)|*.kvs||";

}  // namespace

void CMainFrame::ReadSolutionFile(LPCTSTR pszPath)
{
    auto pProject = std::make_unique<ProjectRecord>();
    CString strMessage;
    if (!ReadProjectFile(pszPath, pProject.get(), &strMessage))
    {
        AfxMessageBox(strMessage);
        return;
    }
    const bool bLoaded = std::any_of(m_projects.begin(), m_projects.end(),
                                     [&](const auto& pLoaded) { return lstrcmpi(pLoaded->name, pProject->name) == 0; });
    if (bLoaded)
    {
        AfxMessageBox(CString("the ") + pProject->name + " protocol already exist in the current projects!");
        return;
    }
    m_projects.push_back(std::move(pProject));
    if (HasTree())
    {
        COfficeTreeCtrl& tree = m_wndProjectTree.m_wndTree;
        InsertProjectItems(tree, m_wndProjectTree.m_hRoot, m_projects.back().get());
        tree.Expand(m_wndProjectTree.m_hRoot, TVE_EXPAND);
        tree.Invalidate();
        tree.UpdateWindow();
    }
    AfxGetApp()->AddToRecentFileList(pszPath);
}

void CMainFrame::OpenProjectFrom(LPCTSTR pszFolder)
{
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, kProjectFilter, this);
    if (pszFolder)
        dialog.m_ofn.lpstrInitialDir = pszFolder;
    if (dialog.DoModal() == IDOK)
        ReadSolutionFile(dialog.GetPathName());
}

void CMainFrame::OnFileOpen() { OpenProjectFrom(nullptr); }

void CMainFrame::OnLoadExampleProject() { OpenProjectFrom(g_strExampleFolder); }

// A project that cannot be written says so; it stays loaded as it is. Its editors are written too.
BOOL CMainFrame::SaveProject(const ProjectRecord& project)
{
    static_cast<CwrenfoldApp*>(AfxGetApp())->SaveEditorDocuments(project.folder);
    CString strError;
    if (WriteProjectFile(project, ProjectFilePath(project), &strError))
        return TRUE;
    AfxMessageBox(strError, MB_OK | MB_ICONERROR);
    return FALSE;
}

void CMainFrame::OnFileSave()
{
    if (CurrentProject())
        SaveProject(*CurrentProject());
}

void CMainFrame::OnFileSaveAll()
{
    for (const auto& pProject : m_projects)
        SaveProject(*pProject);
}

// The tree's items and their data go before the record they point at. The root is selected
// first, so that deleting the selected items makes no other project current.
void CMainFrame::CloseProject(const ProjectRecord* pProject)
{
    SaveProject(*pProject);
    static_cast<CwrenfoldApp*>(AfxGetApp())->CloseEditorDocuments(pProject->folder);
    if (HasTree())
    {
        COfficeTreeCtrl& tree = m_wndProjectTree.m_wndTree;
        tree.SelectItem(m_wndProjectTree.m_hRoot);
        if (HTREEITEM hItem = FindProjectItem(tree, m_wndProjectTree.m_hRoot, pProject))
            DeleteItemsWithData(tree, hItem);
        tree.ClearCurrentProject();
    }
    m_projects.erase(std::find_if(m_projects.begin(), m_projects.end(),
                                  [pProject](const auto& pLoaded) { return pLoaded.get() == pProject; }));
}

void CMainFrame::OnFileClose()
{
    if (CurrentProject())
        CloseProject(CurrentProject());
}

void CMainFrame::OnFileCloseAll()
{
    while (!m_projects.empty())
        CloseProject(m_projects.back().get());
}

BOOL CMainFrame::DestroyWindow()
{
    OnFileSaveAll();
    return CKTMDIFrameWnd::DestroyWindow();
}
