// NewProject.cpp: the New Project dialog: a unique name and a folder to put the project in.
#include "NewProject.h"

#include "DialogHelpers.h"
#include "KTTreeCtrl.h"
#include "KestovaDialogsRes.h"
#include "model/Vocabulary.h"
#include "project/ProjectFile.h"
#include "validation/DesignValidator.h"

#include <shlobj.h>

#include <string>

namespace
{

// Frees the item list the browse dialog hands back.
struct CItemListHolder
{
    LPITEMIDLIST pidl;
    ~CItemListHolder() { ::CoTaskMemFree(pidl); }
};

// The browse dialog's folder tree lets system keys through, so that Alt+F4 closes the dialog from there too.
int CALLBACK OnBrowseEvent(HWND hBrowse, UINT nEvent, LPARAM, LPARAM lpTree)
{
    if (nEvent != BFFM_INITIALIZED)
        return 0;
    if (HWND hTree = ::FindWindowEx(hBrowse, nullptr, WC_TREEVIEW, nullptr))
        reinterpret_cast<CKTTreeCtrl*>(lpTree)->SubclassWindow(hTree);
    return 0;
}

}  // namespace

IMPLEMENT_DYNAMIC(CNewProject, CProjectSettingsDialog)

BEGIN_MESSAGE_MAP(CNewProject, CProjectSettingsDialog)
ON_BN_CLICKED(IDC_BUTTON_BROWSE, OnExplore)
END_MESSAGE_MAP()

CNewProject::CNewProject(CWnd* pParent, std::vector<CString> loadedNames)
    : CProjectSettingsDialog(IDD_NEW_PROJECT, pParent), m_loadedNames(std::move(loadedNames))
{
}

void CNewProject::DoDataExchange(CDataExchange* pDX)
{
    CProjectSettingsDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_EDIT_NAME, m_editName);
    DDX_Control(pDX, IDC_EDIT_LOCATION, m_editLocation);
    DDX_Control(pDX, IDC_BUTTON_BROWSE, m_btnExplore);
}

BOOL CNewProject::OnInitDialog()
{
    CProjectSettingsDialog::OnInitDialog();
    m_editName.SetEditMask("LAAAAAAAAAAAAAA", "_______________");
    ShowSettings();
    return TRUE;
}

void CNewProject::OnExplore()
{
    char szPath[MAX_PATH] = "";
    BROWSEINFO info{};
    info.hwndOwner = m_hWnd;
    info.pszDisplayName = szPath;
    info.lpszTitle = "please select a location";
    CKTTreeCtrl tree;  // lives until the modal dialog, and with it the tree, is gone
    info.lpfn = OnBrowseEvent;
    info.lParam = reinterpret_cast<LPARAM>(&tree);
    CItemListHolder chosen{::SHBrowseForFolder(&info)};
    // A folder without a file-system path cannot hold a project: the Location stays.
    if (!chosen.pidl || !::SHGetPathFromIDList(chosen.pidl, szPath))
        return;
    CString strPath = szPath;
    if (strPath.Right(1) != "\\")
        strPath += "\\";
    m_editLocation.SetWindowText(strPath);
}

BOOL CNewProject::Refuse(const CString& strText)
{
    ShowRefusal(this, strText);
    return FALSE;
}

BOOL CNewProject::ReadName()
{
    CString strShown;
    m_editName.GetWindowText(strShown);
    if (strShown.IsEmpty())
        return Refuse("please input a protocol name!");
    if (!ReadMaskedValue(strShown, 0, m_strName))
        return Refuse("invalid protocol name, please reenter again!");
    // The mask bounds what is typed, not what another program sets; a longer name could never be saved.
    if (static_cast<std::uint64_t>(m_strName.GetLength()) > kMaxProjectNameLength)
        return Refuse("the protocol name has more than " + CString(std::to_string(kMaxProjectNameLength).c_str()) +
                      " characters, please reenter again!");
    for (const CString& strLoaded : m_loadedNames)
        if (SameNameIgnoringCase(strLoaded, m_strName))
            return Refuse("the " + m_strName +
                          " protocol already exist in the current projects, please change the name!");
    return TRUE;
}

// The location is made full first: the current folder moves with every file dialog, and the limit
// counts the whole path. The name may be a device's, or its files' paths may pass the limit there.
BOOL CNewProject::CheckPaths()
{
    char szFull[_MAX_PATH];
    if (AfxFullPath(szFull, m_strLocation))
        m_strLocation = szFull;
    ProjectRecord project;
    CString strError;
    if (NewProjectRecord(m_strName, m_strLocation, 0, 0, 0, &project, &strError))
        return TRUE;
    return Refuse(strError + ", please reenter again!");
}

void CNewProject::OnOK()
{
    if (!ReadName())
        return;
    m_editLocation.GetWindowText(m_strLocation);
    if (m_strLocation.IsEmpty())
    {
        Refuse("please select a location that the protocol project will be saved!");
        return;
    }
    if (!CheckPaths())
        return;
    CProjectSettingsDialog::OnOK();
}
