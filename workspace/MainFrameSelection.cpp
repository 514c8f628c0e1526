// MainFrameSelection.cpp: what selecting a project-tree item does: the selected project's editors in front,
// the item's record on its settings page.
#include "MainFrame.h"

#include "LongWork.h"
#include "ProjectEditorFiles.h"
#include "ProjectReading.h"
#include "ProjectTreeItems.h"
#include "KTTabClientWnd.h"
#include "TreeItemData.h"
#include "WrenfoldApp.h"
#include "WrenfoldDoc.h"
#include "project/ProjectPaths.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>
#include <vector>

namespace
{

// A modified editor's caption carries a trailing " *".
CString TabFileName(const CKTTabManagerItem& tab)
{
    const CString strCaption = tab.GetCaption();
    return strCaption.Find('*') >= 0 ? strCaption.Left(strCaption.GetLength() - 2) : strCaption;
}

// The tab client subclasses the MDI client; without one the editors are plain windows.
CKTTabClientWnd* TabClientOf(HWND hMDIClient)
{
    return dynamic_cast<CKTTabClientWnd*>(CWnd::FromHandlePermanent(hMDIClient));
}

// A file that is there is not opened: another program may hold it, and it stays as it is. One made
// meanwhile is left as it is too.
BOOL MakeFileIfMissing(const CString& strPath, CString* pError)
{
    if (::GetFileAttributes(strPath) != INVALID_FILE_ATTRIBUTES)
        return TRUE;
    CFile file;
    CFileException error;
    if (file.Open(strPath, CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite | CFile::shareDenyNone, &error))
        return TRUE;
    char szError[512] = "";
    error.GetErrorMessage(szError, sizeof szError);
    *pError = szError;
    return FALSE;
}

// A missing file may be one that a run cut off in its folder holds aside: that run is put right first, once,
// and nothing is made at the file's name while it cannot be.
BOOL MakeEditorFile(const ProjectRecord& project, const CString& strPath, std::optional<FolderRecovery>* pSettled,
                    CString* pError)
{
    if (::GetFileAttributes(strPath) != INVALID_FILE_ATTRIBUTES)
        return TRUE;
    if (!pSettled->has_value())
        *pSettled =
            static_cast<CwrenfoldApp*>(AfxGetApp())->SettleFolder(project.folder, CString("Showing ") + project.name);
    if ((*pSettled)->MayHold(strPath))
    {
        *pError = "the file " + strPath + " cannot be made" + (*pSettled)->Until();
        return FALSE;
    }
    return MakeFileIfMissing(strPath, pError);
}

// Shows the tabs of the files and hides every other; the first shown is selected. FALSE when none is open.
BOOL ShowOnlyTabsOf(CKTTabClientWnd& tabs, const std::array<CString, 4>& fileNames)
{
    CKTTabManagerItem* pFirst = nullptr;
    for (int i = 0; i < tabs.GetItemCount(); i++)
    {
        CKTTabManagerItem* pTab = tabs.GetItem(i);
        const BOOL bOwn = std::find(fileNames.begin(), fileNames.end(), TabFileName(*pTab)) != fileNames.end();
        pTab->SetVisible(bOwn);
        if (bOwn && !pFirst)
            pFirst = pTab;
    }
    if (pFirst)
        pFirst->Select();
    return pFirst != nullptr;
}

}  // namespace

void CMainFrame::OnTreeSelectionChanged(HTREEITEM hItem, BOOL bProjectChanged)
{
    const TreeItemData* pData = ItemDataOf(hItem);
    if (!pData)
        return;
    // Close All's own selections open nothing (ShowProjectEditors too): the user asked for no editor.
    if (bProjectChanged && pData->project)
        ShowProjectEditors(*pData->project);
    else if (pData->project && !m_bClosingAll)
        OpenEditorsOwed(*pData->project);
    if (m_wndSettings.GetSafeHwnd())
    {
        m_wndSettings.SetSelection(this);
        LoadSelectedPage(m_wndSettings, SelectedItemOf(hItem));
    }
    m_wndProjectTree.m_wndTree.Invalidate();
    m_wndProjectTree.m_wndTree.UpdateWindow();
}

BOOL CMainFrame::ShowOnlyTabsOfProject(const ProjectRecord& project)
{
    CKTTabClientWnd* pTabs = TabClientOf(m_hWndMDIClient);
    return pTabs && ShowOnlyTabsOf(*pTabs, EditorFileNames(project));
}

// Close All makes a project it could not close current again as it was: the user asked for none of its editors.
// Where it has none open, they open at the user's next click on its items, as at a selection of the project.
void CMainFrame::ShowProjectEditors(const ProjectRecord& project)
{
    const BOOL bShown = ShowOnlyTabsOfProject(project);
    m_pEditorsOwed = m_bClosingAll && !bShown ? &project : nullptr;
    if (!m_bClosingAll)
        OpenProjectEditors(project, bShown);
}

void CMainFrame::OpenEditorsOwed(const ProjectRecord& project)
{
    if (&project == m_pEditorsOwed)
    {
        m_pEditorsOwed = nullptr;
        OpenProjectEditors(project, FALSE);
    }
    else if (HasUnopenedEditors(project))
        OpenProjectEditors(project, TRUE);
}

// A file that cannot be made is reported and ends the opening; the selection goes on, so the settings page
// still follows the new item. A missing file is made empty, once its folder is put right, but opening never
// writes one that is there: only an edit, a Generate or a save does. Each editor is remembered as unopened
// until it opens, so one whose file could not be read or made, and those after it, are tried again at any
// later selection of the project, though its other editors are open then. The user was told why at the first
// try: the later ones are quiet, so that no click raises the same box again.
void CMainFrame::OpenProjectEditors(const ProjectRecord& project, BOOL bOnlyRetries)
{
    CMultiDocTemplate* pTemplate = static_cast<CwrenfoldApp*>(AfxGetApp())->GetEditorTemplate();
    if (!pTemplate)
        return;
    std::vector<std::pair<CString, BOOL>> paths;  // each with whether it is tried again
    for (const CString& strName : EditorFileNames(project))
    {
        CString strPath, strError;
        if (!ProjectPathOf(project, strName, &strPath, &strError))
        {
            AfxMessageBox(strError, MB_OK | MB_ICONERROR);
            return;
        }
        const BOOL bUnopened =
            std::find(m_unopenedEditors.begin(), m_unopenedEditors.end(), strPath) != m_unopenedEditors.end();
        if (bOnlyRetries && !bUnopened)
            continue;
        if (!bUnopened)
            m_unopenedEditors.push_back(strPath);
        paths.emplace_back(strPath, bUnopened);
    }
    std::optional<FolderRecovery> settled;
    for (const auto& [strPath, bRetry] : paths)
    {
        CString strError;
        if (!MakeEditorFile(project, strPath, &settled, &strError))
        {
            if (!bRetry)
                AfxMessageBox(strError, MB_OK | MB_ICONERROR);
            return;
        }
        if (bRetry ? CwrenfoldDoc::OpenQuietly(*pTemplate, strPath) : pTemplate->OpenDocumentFile(strPath, TRUE))
            m_unopenedEditors.erase(std::remove(m_unopenedEditors.begin(), m_unopenedEditors.end(), strPath),
                                    m_unopenedEditors.end());
    }
    ShowWaitingTexts(project, nullptr);
}

BOOL CMainFrame::HasUnopenedEditors(const ProjectRecord& project) const
{
    return std::any_of(m_unopenedEditors.begin(), m_unopenedEditors.end(),
                       [&project](const CString& strPath) { return IsEditorFileOf(project, strPath); });
}

SelectedItem CMainFrame::SelectedItemOf(HTREEITEM hItem) const
{
    SelectedItem item;
    const TreeItemData* pData = ItemDataOf(hItem);
    if (!pData)
        return item;
    const COfficeTreeCtrl& tree = m_wndProjectTree.m_wndTree;
    item.pProject = pData->project;
    item.nKind = pData->kind;
    item.strCaption = tree.GetItemText(hItem);
    if (const HTREEITEM hParent = tree.GetParentItem(hItem))
        item.strParentCaption = tree.GetItemText(hParent);
    return item;
}

ProjectRecord* CMainFrame::ProjectOfEditor(const CDocument& doc) const
{
    for (const auto& pProject : m_projects)
        if (IsEditorFileOf(*pProject, doc.GetPathName()))
            return pProject.get();
    return nullptr;
}

// The editor brought forward when others close may be one whose tab is hidden with its project's. Only its tabs
// are shown: closing a project opens no editor of another.
void CMainFrame::ShowTabsOfActiveEditor()
{
    if (ProjectRecord* pProject = ProjectOfActiveEditor())
        ShowOnlyTabsOfProject(*pProject);
}

ProjectRecord* CMainFrame::ProjectOfActiveEditor() const
{
    CMDIChildWnd* pActive = MDIGetActive();
    CDocument* pDoc = pActive ? pActive->GetActiveDocument() : nullptr;
    return pDoc ? ProjectOfEditor(*pDoc) : nullptr;
}

BOOL CMainFrame::HasOpenEditor(const ProjectRecord& project) const
{
    CMultiDocTemplate* pTemplate = static_cast<CwrenfoldApp*>(AfxGetApp())->GetEditorTemplate();
    for (POSITION pos = pTemplate ? pTemplate->GetFirstDocPosition() : nullptr; pos;)
        if (IsEditorFileOf(project, pTemplate->GetNextDoc(pos)->GetPathName()))
            return TRUE;
    return FALSE;
}

// A kept project with no editor open would have every tab hidden, while the editor of another kept one, brought
// forward as the others closed, kept the keyboard: typing would change it unseen, and Save All write it. That
// project is made current instead, so that what is shown, what takes the keys and what is current agree.
const ProjectRecord* CMainFrame::KeptProjectToShow(const ProjectRecord& kept) const
{
    const ProjectRecord* pForward = ProjectOfActiveEditor();
    return pForward && !HasOpenEditor(kept) ? pForward : &kept;
}

// The window selector lists the editors whose tabs are hidden with another project's too. The one
// chosen there brings its project forward as the tree does, and stays active: unseen, it would take
// the typing meant for the editor on show.
LRESULT CMainFrame::OnEditorActivated(WPARAM, LPARAM)
{
    CMDIChildWnd* pActive = MDIGetActive();
    CKTTabClientWnd* pTabs = TabClientOf(m_hWndMDIClient);
    CKTTabManagerItem* pTab = pActive && pTabs ? pTabs->FindItem(pActive->GetSafeHwnd()) : nullptr;
    CDocument* pDoc = pTab && !pTab->IsVisible() ? pActive->GetActiveDocument() : nullptr;
    ProjectRecord* pProject = pDoc ? ProjectOfEditor(*pDoc) : nullptr;
    if (!pProject || pProject == CurrentProject() || !HasTree())
        return 0;
    SelectProjectItem(pProject);
    MDIActivate(pActive);
    return 0;
}

void CMainFrame::ReloadSelectedPage()
{
    if (m_wndSettings.GetSafeHwnd() && HasTree())
        LoadSelectedPage(m_wndSettings, SelectedItemOf(m_wndProjectTree.m_wndTree.m_hSelectedItem));
}

SettingsTarget CMainFrame::Resolve()
{
    if (CLongWork::IsRunning())
    {
        PostMessage(kReloadSettings);
        return SettingsTarget();
    }
    return HasTree() ? FindSelectedRecords(SelectedItemOf(m_wndProjectTree.m_wndTree.m_hSelectedItem))
                     : SettingsTarget();
}

void CMainFrame::RenameSelected(LPCTSTR pszName)
{
    COfficeTreeCtrl& tree = m_wndProjectTree.m_wndTree;
    if (HasTree() && tree.m_hSelectedItem)
        tree.SetItemText(tree.m_hSelectedItem, pszName);
}
