// The main frame: creation, settings, command bars and the states of the project commands.
#include "MainFrame.h"

#include "GlobalConfig.h"
#include "WorkspaceRes.h"

#include "KTCommandBars.h"
#include "KTCommandBarsDefs.h"
#include "KTCommandBarsOptions.h"
#include "KTControls.h"
#include "KTMenuBar.h"
#include "KTToolBar.h"
#include "KTPopupBar.h"
#include "KTPaintManager.h"
#include "KTSyntaxEditCtrl.h"
#include "model/ProtocolRecords.h"
#include "model/Vocabulary.h"

#include <shellapi.h>

CString g_strExampleFolder;

IMPLEMENT_DYNAMIC(CMainFrame, CKTMDIFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CKTMDIFrameWnd)
ON_WM_CREATE()
ON_WM_CLOSE()
ON_WM_ACTIVATE()
ON_WM_QUERYENDSESSION()
ON_WM_ENDSESSION()
ON_MESSAGE(kReloadSettings, OnReloadSettings)
ON_MESSAGE(kEditorActivated, OnEditorActivated)
ON_MESSAGE(KT_WM_DOCKINGPANENOTIFY, OnDockingPaneNotify)
ON_MESSAGE(KTWM_CREATECOMMANDBAR, OnCreateCommandBar)
ON_COMMAND(ID_PROJECT_NEW, OnFileNew)
ON_COMMAND(ID_PROJECT_OPEN, OnFileOpen)
ON_COMMAND(ID_PROJECT_LOAD_EXAMPLE, OnLoadExampleProject)
ON_COMMAND(ID_PROJECT_SAVE, OnFileSave)
ON_COMMAND(ID_PROJECT_SAVE_ALL, OnFileSaveAll)
ON_COMMAND(ID_PROJECT_CLOSE, OnFileClose)
ON_COMMAND(ID_PROJECT_CLOSE_ALL, OnFileCloseAll)
ON_COMMAND(ID_HELP_TOPICS, OnHelpTopics)
ON_COMMAND(ID_HELP_WEBPAGE, OnWebPage)
ON_COMMAND(ID_PACKET_ADD, OnAddPacket)
ON_COMMAND(ID_PACKET_DELETE, OnDeletePacket)
ON_COMMAND(ID_FIELD_ADD, OnAddField)
ON_COMMAND(ID_FIELD_DELETE, OnDeleteField)
ON_UPDATE_COMMAND_UI(ID_PACKET_ADD, OnUpdateAddPacket)
ON_UPDATE_COMMAND_UI(ID_PACKET_DELETE, OnUpdateDeletePacket)
ON_UPDATE_COMMAND_UI(ID_FIELD_ADD, OnUpdateAddField)
ON_UPDATE_COMMAND_UI(ID_FIELD_DELETE, OnUpdateDeleteField)
ON_COMMAND(ID_PROJECT_PROPERTIES, OnProjectProperties)
ON_COMMAND(ID_PROJECT_TLV_SETTING, OnTlvSetting)
ON_COMMAND(ID_TOOLS_OPTION, OnOption)
ON_COMMAND(ID_HELP_ABOUT, OnAppAbout)
ON_COMMAND(ID_BUILD_GENERATE_CODE, OnGenerateCode)
ON_COMMAND(ID_BUILD_MAKEFILE, OnGenerateMakefile)
ON_COMMAND(ID_BUILD_DIAGRAM, OnGenerateDiagram)
ON_COMMAND(ID_BUILD_COMPILE, OnCompile)
ON_COMMAND(ID_BUILD_COMPILE_DEMO, OnCompileDemo)
ON_COMMAND(ID_BUILD_RUN_DEMO, OnRunDemo)
ON_UPDATE_COMMAND_UI(ID_PROJECT_SAVE, OnUpdateProjectCurrent)
ON_UPDATE_COMMAND_UI(ID_PROJECT_SAVE_ALL, OnUpdateProjectCurrent)
ON_UPDATE_COMMAND_UI(ID_PROJECT_CLOSE, OnUpdateProjectCurrent)
ON_UPDATE_COMMAND_UI(ID_PROJECT_CLOSE_ALL, OnUpdateProjectCurrent)
ON_UPDATE_COMMAND_UI(ID_PROJECT_PROPERTIES, OnUpdateProjectCurrent)
ON_UPDATE_COMMAND_UI(ID_PROJECT_TLV_SETTING, OnUpdateProjectCurrent)
ON_UPDATE_COMMAND_UI(ID_BUILD_DIAGRAM, OnUpdateProjectCurrent)
ON_UPDATE_COMMAND_UI(ID_BUILD_GENERATE_CODE, OnUpdateProjectCurrent)
ON_UPDATE_COMMAND_UI(ID_BUILD_MAKEFILE, OnUpdateUnixProject)
ON_UPDATE_COMMAND_UI(ID_BUILD_COMPILE, OnUpdateWindowsProject)
ON_UPDATE_COMMAND_UI(ID_BUILD_COMPILE_DEMO, OnUpdateWindowsProject)
ON_UPDATE_COMMAND_UI(ID_BUILD_RUN_DEMO, OnUpdateWindowsProject)
END_MESSAGE_MAP()

namespace
{

const UINT kIndicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};

// The tree bitmaps in the order of their images.
const UINT kTreeBitmaps[] = {IDB_TREE_ROOT,          IDB_TREE_PROJECT, IDB_TREE_HEAD,
                             IDB_TREE_PACKET_FOLDER, IDB_TREE_PACKET,  IDB_TREE_FIELD};

const char* const kWebPage = "https://kestova.example/";

}  // namespace

CMainFrame::~CMainFrame() = default;

// Every part made here asks for a layout of its own; the frame is laid out once, with all of them.
int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    m_bLayoutHeld = TRUE;
    const int nResult = CreateParts(lpCreateStruct);
    m_bLayoutHeld = FALSE;
    if (nResult == 0)
        RecalcLayout();
    return nResult;
}

void CMainFrame::RecalcLayout(BOOL bNotify)
{
    if (!m_bLayoutHeld)
        CKTMDIFrameWnd::RecalcLayout(bNotify);
}

int CMainFrame::CreateParts(LPCREATESTRUCT lpCreateStruct)
{
    if (CKTMDIFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_wndStatusBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, AFX_IDW_STATUS_BAR) ||
        !m_wndStatusBar.SetIndicators(kIndicators, _countof(kIndicators)))
        return -1;
    if (!CreateCommandBars() || !InstallDockingPanes() || !CreateTreeImages())
        return -1;
    CKTDockingPane* pTreePane = CreateWorkspacePanes();
    AttachTabClient();
    LoadGlobalConfig();
    g_strExampleFolder = CKTSyntaxEditCtrl::GetModuleFolder() + "example";
    CreateSettingsPane(pTreePane);
    return 0;
}

// The themed menu bar takes the place of the window's own menu.
BOOL CMainFrame::CreateCommandBars()
{
    if (!InitCommandBars(RUNTIME_CLASS(CKTCommandBars)) || !GetCommandBars())
        return FALSE;
    CKTCommandBars* pCommandBars = GetCommandBars();
    CKTMenuBar* pMenuBar = pCommandBars->SetMenu("Menu Bar", IDR_MAINFRAME);
    if (!pMenuBar)
        return FALSE;
    pMenuBar->SetFlags(KT_MENUBAR_SHOWSYSMENU);  // a maximised editor's system menu leads the bar
    CKTToolBar* pToolBar = pCommandBars->Add("Standard", ktBarTop);
    if (!pToolBar || !pToolBar->LoadToolBar(IDR_MAINFRAME))
        return FALSE;
    CKTPaintManager::SetTheme(ktCommandBarsThemeFlatScheme);
    pCommandBars->GetCommandBarsOptions()->bAlwaysShowFullMenus = FALSE;
    return TRUE;
}

// Popup bars are the frame's to make; the record takes the new bar's reference.
LRESULT CMainFrame::OnCreateCommandBar(WPARAM, LPARAM lParam)
{
    KT_CREATEBARRECORD* pRecord = reinterpret_cast<KT_CREATEBARRECORD*>(lParam);
    if (!pRecord->bPopup || !GetCommandBars())
        return FALSE;
    pRecord->pCommandBar = CKTPopupBar::CreatePopupBar(GetCommandBars()).Detach();
    return pRecord->pCommandBar != nullptr;
}

BOOL CMainFrame::CreateTreeImages()
{
    if (!m_treeImages.Create(16, 16, ILC_COLOR32 | ILC_MASK, 7, 2))
        return FALSE;
    for (UINT nId : kTreeBitmaps)
    {
        CBitmap bitmap;
        if (!bitmap.LoadBitmap(nId))
            AfxMessageBox("load bmp error");
        if (m_treeImages.Add(&bitmap, RGB(255, 255, 255)) == -1)
            AfxMessageBox("load bmp error");
    }
    return TRUE;
}

void CMainFrame::LoadGlobalConfig()
{
    const CString strFile = GlobalConfigPath(CKTSyntaxEditCtrl::GetModuleFolder());
    m_nAutoFlag = 0;
    ReadIniString(strFile, "Global", "auto_flag", "0");
    m_nAutoFlag = 1;  // the stored value does not count
    m_strCompilerPath = ReadIniString(strFile, "Global", "compiler_path", "");
}

ProjectRecord* CMainFrame::CurrentProject() const { return m_wndProjectTree.m_wndTree.m_pCurrentProject; }

BOOL CMainFrame::OffersSaveAll() const { return CurrentProject() || m_bClosingAll; }

BOOL CMainFrame::HasTree() const { return m_wndProjectTree.GetSafeHwnd() && m_wndProjectTree.m_wndTree.GetSafeHwnd(); }

void CMainFrame::OnUpdateProjectCurrent(CCmdUI* pCmdUI)
{
    if (HasTree())
        pCmdUI->Enable(CurrentProject() != nullptr);
}

void CMainFrame::UpdateForPlatform(CCmdUI* pCmdUI, int nPlatform)
{
    if (HasTree())
        pCmdUI->Enable(CurrentProject() && CurrentProject()->targetPlatform == nPlatform);
}

void CMainFrame::OnUpdateUnixProject(CCmdUI* pCmdUI) { UpdateForPlatform(pCmdUI, PLATFORM_UNIX); }

void CMainFrame::OnUpdateWindowsProject(CCmdUI* pCmdUI) { UpdateForPlatform(pCmdUI, PLATFORM_WINDOWS); }

// The shell tells its failure only through its result: say it, or the command seems to do nothing.
void CMainFrame::OpenWithShell(const CString& strTarget)
{
    const HINSTANCE hResult = ::ShellExecute(nullptr, "open", strTarget, nullptr, nullptr, SW_SHOWNORMAL);
    if (reinterpret_cast<INT_PTR>(hResult) > 32)
        return;
    AfxMessageBox("cannot open " + strTarget + "!", MB_OK | MB_ICONERROR);
}

void CMainFrame::OnHelpTopics() { OpenWithShell(CKTSyntaxEditCtrl::GetModuleFolder() + "help.chm"); }

void CMainFrame::OnWebPage() { OpenWithShell(kWebPage); }
