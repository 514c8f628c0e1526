// The main frame's project commands: create, open, save and close projects, and saving everything at the end.
#include "MainFrame.h"

#include "LongWork.h"
#include "NewProject.h"
#include "ProjectEditorFiles.h"
#include "ProjectReading.h"
#include "ProjectTreeItems.h"
#include "WrenfoldApp.h"
#include "WrenfoldDoc.h"

#include "KTSyntaxEditCtrl.h"
#include "RuntimeFiles.h"
#include "afxdlgs.h"
#include "project/ProjectFile.h"
#include "project/RunFiles.h"

#include <shlobj.h>

#include <algorithm>
#include <memory>
#include <new>
#include <string>

namespace
{

const char* const kProjectFilter = "Solution File(*.kvs)|*.kvs||";

void ShowError(const CString& strText) { AfxMessageBox(strText, MB_OK | MB_ICONERROR); }

}  // namespace

void CMainFrame::OnFileNew()
{
    std::vector<CString> loadedNames;
    for (const auto& pProject : m_projects)
        loadedNames.emplace_back(pProject->name);
    CNewProject dialog(this, std::move(loadedNames));
    if (dialog.DoModal() == IDOK)
        CreateProject(dialog);
}

// The new project is written into its own folder with the runtime library beside it, then opened
// and selected like any other. An existing project file there is never overwritten.
void CMainFrame::CreateProject(const CNewProject& dialog)
{
    ProjectRecord project;
    CString strError;
    if (!NewProjectRecord(dialog.m_strName, dialog.m_strLocation, dialog.m_nProtocolBase, dialog.m_nTargetPlatform,
                          dialog.m_nLibraryType, &project, &strError))
        return ShowError(strError);
    CString strPath;
    if (!ProjectFilePath(project, &strPath, &strError))
        return ShowError(strError);
    // A design that a save cut off there left aside is put back first: it is there, and is not written over.
    const FolderRecovery recovery =
        static_cast<CwrenfoldApp*>(AfxGetApp())->SettleFolder(project.folder, "Making " + strPath);
    // The run may hold a design aside: made now, the new project would take its place once the run ends.
    if (recovery.pending != FolderRecovery::Pending::None)
        return ShowError("the file " + strPath + " cannot be made" + recovery.Until() + "!");
    const int nCreated = ::SHCreateDirectoryEx(nullptr, project.folder, nullptr);
    if (nCreated != ERROR_SUCCESS && nCreated != ERROR_ALREADY_EXISTS)
        return ShowError("the folder " + project.folder + " cannot be created!");
    // As long work: another program's run in the folder is waited for while the window answers.
    bool bWritten = false, bCopied = false;
    std::string error;
    const std::string programFolder((LPCTSTR)CKTSyntaxEditCtrl::GetModuleFolder());
    RunLongWork("Making " + strPath + "...",
                [&]
                {
                    bWritten = WriteNewProjectFile(project, strPath, &strError);
                    bCopied = bWritten && codegen::CopyRuntimeLibrary(programFolder, (LPCTSTR)project.folder, error);
                });
    if (!bWritten)
        return ShowError(strError);
    if (!bCopied)
        ShowError(error.c_str());
    OpenAndSelect(strPath);
}

void CMainFrame::OpenAndSelect(LPCTSTR pszPath)
{
    const size_t nLoaded = m_projects.size();
    ReadSolutionFile(pszPath);
    if (m_projects.size() != nLoaded)
        SelectProjectItem(m_projects.back().get());
}

void CMainFrame::SelectProjectItem(const ProjectRecord* pProject)
{
    if (!HasTree())
        return;
    COfficeTreeCtrl& tree = m_wndProjectTree.m_wndTree;
    tree.SelectItem(FindProjectItem(tree, m_wndProjectTree.m_hRoot, pProject));
}

CMainFrame::ProjectOpening CMainFrame::ReadSolutionFile(LPCTSTR pszPath, LPCTSTR pszWhenGone)
{
    CommitSettingsEdit();
    CProjectReading reading(pszPath);
    return ShowProjectRead(reading, pszWhenGone);
}

// A file that never ends (a pipe held open) is left behind by Esc. A read already done is not waited
// for, nor shown as a step.
CMainFrame::ProjectOpening CMainFrame::ShowProjectRead(CProjectReading& reading, LPCTSTR pszWhenGone)
{
    const CString& strPath = reading.Path();
    if (reading.Work().IsDone())
        reading.Work().Join();
    else if (!CLongWork(m_wndStatusBar, "Reading " + strPath + "... (Esc stops)").Wait(reading.Work(), TRUE))
    {
        m_wndOutput.AddLine("Stopped reading " + strPath + ".");
        return ProjectOpening::Refused;
    }
    CProjectReading::Result& read = reading.Read();
    if (!read.recovery.strTold.IsEmpty())
        m_wndOutput.AddLine("Opening " + strPath + ": " + read.recovery.strTold);
    static_cast<CwrenfoldApp*>(AfxGetApp())->AgreeEditorsWithFolder(FolderOf(strPath), read.recovery);
    if (read.nOpenError != ERROR_SUCCESS)
    {
        AfxMessageBox(read.strMessage + (read.bGone ? pszWhenGone : "") + "!", MB_OK | MB_ICONEXCLAMATION);
        return read.bGone ? ProjectOpening::Gone : ProjectOpening::Refused;
    }
    if (!read.bRead)
    {
        m_wndOutput.AddLine("Error: " + read.strReason);
        AfxMessageBox(read.strMessage);
        return ProjectOpening::Refused;
    }
    std::unique_ptr<ProjectRecord> pProject = std::move(read.pProject);
    const bool bLoaded = std::any_of(m_projects.begin(), m_projects.end(),
                                     [&](const auto& pLoaded) { return lstrcmpi(pLoaded->name, pProject->name) == 0; });
    if (bLoaded)
    {
        AfxMessageBox(CString("the ") + pProject->name + " protocol already exist in the current projects!");
        return ProjectOpening::Refused;
    }
    m_projects.push_back(std::move(pProject));
    m_files.Remember(*m_projects.back(), strPath, read.digest);
    ShowInTree(m_projects.back().get());
    AfxGetApp()->AddToRecentFileList(strPath);
    return ProjectOpening::Shown;
}

// The window answers between the packets, and the status bar says what it waits for.
void CMainFrame::ShowInTree(ProjectRecord* pProject)
{
    if (!HasTree())
        return;
    COfficeTreeCtrl& tree = m_wndProjectTree.m_wndTree;
    CProjectTreeFill fill(tree, m_wndProjectTree.m_hRoot, pProject);
    CLongWork(m_wndStatusBar, CString("Showing ") + pProject->name + "...")
        .RunInSlices([&fill] { return fill.Step(); });
    tree.Expand(m_wndProjectTree.m_hRoot, TVE_EXPAND);
    tree.Invalidate();
    tree.UpdateWindow();
}

// The dialog does not look for the file: a design whose save was cut off while it was aside is there only
// once the reading has put its folder right. Its name is then typed; the dialog adds no extension to a name
// that is not there, so a name typed without one is taken for the design's.
void CMainFrame::OpenProjectFrom(LPCTSTR pszFolder)
{
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR, kProjectFilter,
                       this);
    if (pszFolder)
        dialog.m_ofn.lpstrInitialDir = pszFolder;
    if (dialog.DoModal() != IDOK)
        return;
    CString strPath = dialog.GetPathName();
    if (dialog.GetFileExt().IsEmpty() && ::GetFileAttributes(strPath) == INVALID_FILE_ATTRIBUTES)
        strPath += ".kvs";
    ReadSolutionFile(strPath);
}

void CMainFrame::OnFileOpen() { OpenProjectFrom(nullptr); }

void CMainFrame::OnLoadExampleProject() { OpenProjectFrom(g_strExampleFolder); }

// The design first: it is the user's work, where the editors' generated files can be made again. A
// design that fails stops not the editors, which are written all or none; why each failed is added to
// pFailures. A project that cannot be written stays loaded as it is.
void CMainFrame::SaveProjectFiles(const ProjectRecord& project, std::vector<CString>* pFailures)
{
    std::optional<SettledFolder> settled;
    SaveDesign(project, &settled, pFailures);
    CLongWork step(m_wndStatusBar, CString("Saving the editors of ") + project.name + "...");
    static_cast<CwrenfoldApp*>(AfxGetApp())->SaveEditorDocuments(project, pFailures, settled ? &*settled : nullptr);
}

// The folder is put right, and told, as the editors' save would: the write then finds nothing of it, and the
// editors agree with what it put back before they are written. A run held back then may be let go before the
// write, which puts it right itself: the editors' save goes by the folder as the write left it.
void CMainFrame::SaveDesign(const ProjectRecord& project, std::optional<SettledFolder>* pSettled,
                            std::vector<CString>* pFailures)
{
    const CString strSaving = CString("Saving ") + project.name;
    CString strError, strTold;
    RunNames toldNames;
    bool bWritten = false;
    try
    {
        std::optional<std::uint64_t> unsaved;
        RunLongWork(strSaving + "...", [&] { unsaved = m_files.Unsaved(project); });
        if (!unsaved)
            return;
        SettledFolder& settled = pSettled->emplace();
        settled.recovery =
            static_cast<CwrenfoldApp*>(AfxGetApp())->SettleFolder(project.folder, strSaving, &settled.kept);
        RunLongWork(strSaving + "...",
                    [&] { bWritten = m_files.Write(project, *unsaved, &strError, &strTold, &toldNames); });
        if (!strTold.IsEmpty())
        {
            m_wndOutput.AddLine(strSaving + ": " + strTold);
            settled.recovery = static_cast<CwrenfoldApp*>(AfxGetApp())
                                   ->SettleAfterWrite(project.folder, strTold, toldNames, strSaving, &settled.kept);
        }
    }
    catch (const std::bad_alloc&)
    {
        strError = CString("cannot save the project ") + project.name + ": not enough memory";
    }
    if (!bWritten)
        pFailures->push_back(strError);
}

BOOL CMainFrame::SaveProject(const ProjectRecord& project)
{
    std::vector<CString> failures;
    SaveProjectFiles(project, &failures);
    return CwrenfoldApp::ReportSaveFailures(failures);
}

void CMainFrame::OnFileSave()
{
    if (CurrentProject())
        SaveProject(*CurrentProject());
}

void CMainFrame::OnFileSaveAll()
{
    std::vector<CString> failures;
    for (const auto& pProject : m_projects)
        SaveProjectFiles(*pProject, &failures);
    CwrenfoldApp::ReportSaveFailures(failures);
}

// The tree's items and their data go before the record they point at. Only the current project
// holds the selection: the root is selected first, so that deleting its items makes no other
// project current. Another's closing leaves the current project and the selection alone. A
// project whose file cannot be written stays loaded: closing it would throw its unsaved design away.
BOOL CMainFrame::CloseProject(const ProjectRecord* pProject)
{
    if (!SaveProject(*pProject))
        return FALSE;
    static_cast<CwrenfoldApp*>(AfxGetApp())->CloseEditorDocuments(*pProject);
    m_unopenedEditors.erase(std::remove_if(m_unopenedEditors.begin(), m_unopenedEditors.end(),
                                           [pProject](const CString& strPath)
                                           { return IsEditorFileOf(*pProject, strPath); }),
                            m_unopenedEditors.end());
    if (pProject == m_pEditorsOwed)
        m_pEditorsOwed = nullptr;
    if (HasTree())
    {
        COfficeTreeCtrl& tree = m_wndProjectTree.m_wndTree;
        const BOOL bCurrent = pProject == CurrentProject();
        if (bCurrent)
            tree.SelectItem(m_wndProjectTree.m_hRoot);
        if (HTREEITEM hItem = FindProjectItem(tree, m_wndProjectTree.m_hRoot, pProject))
            DeleteItemsWithData(tree, hItem);
        if (bCurrent)
            tree.ClearCurrentProject();
    }
    m_files.Forget(*pProject);
    m_projects.erase(std::find_if(m_projects.begin(), m_projects.end(),
                                  [pProject](const auto& pLoaded) { return pLoaded.get() == pProject; }));
    ShowTabsOfActiveEditor();
    return TRUE;
}

void CMainFrame::OnFileClose()
{
    if (CurrentProject())
        CloseProject(CurrentProject());
}

// The current project stays current where it could not be closed. Where it was closed, one that could not
// be is made current: its refusal may name Save All, which acts while a project is current.
void CMainFrame::OnFileCloseAll()
{
    struct CClosingAll
    {
        BOOL& bClosing;
        explicit CClosingAll(BOOL& bFlag) : bClosing(bFlag) { bClosing = TRUE; }
        ~CClosingAll() { bClosing = FALSE; }
    } closing(m_bClosingAll);
    const ProjectRecord* pKept = nullptr;
    for (size_t i = m_projects.size(); i > 0; i--)
        if (!CloseProject(m_projects[i - 1].get()))
            pKept = m_projects[i - 1].get();
    if (pKept && !CurrentProject())
        SelectProjectItem(KeptProjectToShow(*pKept));
}

// Until the user says otherwise, Exit keeps what could not be saved: the default answer stays.
BOOL CMainFrame::SaveForExit()
{
    for (const auto& pProject : m_projects)
    {
        while (!SaveProject(*pProject))
        {
            const int nAnswer = AfxMessageBox(CString("the project ") + pProject->name +
                                                  " is not saved. Try Again saves it again, Continue quits without "
                                                  "saving it, Cancel keeps the designer open.",
                                              MB_CANCELTRYCONTINUE | MB_ICONWARNING | MB_DEFBUTTON1);
            if (nAnswer == IDCONTINUE)
                break;
            if (nAnswer != IDTRYAGAIN)
                return FALSE;
        }
    }
    return TRUE;
}

void CMainFrame::OnClose()
{
    if (CLongWork::IsRunning())
    {
        PostMessage(WM_CLOSE);
        return;
    }
    if (!SaveForExit())
        return;
    m_bSavedForExit = TRUE;
    CKTMDIFrameWnd::OnClose();
}

BOOL CMainFrame::DestroyWindow()
{
    if (!m_bSavedForExit)
        OnFileSaveAll();
    return CKTMDIFrameWnd::DestroyWindow();
}
