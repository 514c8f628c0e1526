// DesignerFrameTest.cpp: the loaded frame of the designer tests.
#include "DesignerFrameTest.h"

#include <fstream>
#include <sstream>

#include "KTPropertyGridView.h"
#include "KTSyntaxEditCtrl.h"
#include "MessagePump.h"
#include "WorkspaceRes.h"

namespace
{

CDesignerTestApp theApp;

std::string ProgramFile(const std::string& strRelative)
{
    std::ifstream file(std::string(CKTSyntaxEditCtrl::GetModuleFolder()) + strRelative, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

}  // namespace

int CDesignerTestApp::DoMessageBox(LPCTSTR lpszPrompt, UINT, UINT)
{
    m_messages.push_back(lpszPrompt);
    if (m_bBoxesRunTheQueue)
        PumpMessages();
    return m_nAnswer;
}

CDesignerTestApp& DesignerTestApp() { return theApp; }

HTREEITEM ChildNamed(const CTreeCtrl& tree, HTREEITEM hParent, const char* pszText)
{
    for (HTREEITEM hItem = tree.GetChildItem(hParent); hItem; hItem = tree.GetNextSiblingItem(hItem))
        if (tree.GetItemText(hItem) == pszText)
            return hItem;
    return nullptr;
}

void DesignerFrameTest::SetUpTestSuite()
{
    theApp.AfxInitApplicationState(::GetModuleHandle(nullptr), (LPTSTR) "", SW_HIDE);
    if (!theApp.GetEditorTemplate())
        theApp.CreateEditorTemplate();
}

void DesignerFrameTest::SetUp()
{
    theApp.m_messages.clear();
    theApp.m_bBoxesRunTheQueue = false;
    m_pFrame = new CMainFrame;
    ASSERT_TRUE(m_pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, nullptr));
    theApp.m_pMainWnd = m_pFrame;
    m_pFrame->ShowWindow(SW_SHOW);
    m_pFrame->UpdateWindow();
    PumpMessages();
    ASSERT_TRUE(m_pFrame->m_wndSettings.GetSafeHwnd()) << "the settings pane is made when first shown";
}

void DesignerFrameTest::TearDown()
{
    if (m_pFrame)
        m_pFrame->DestroyWindow();
    theApp.m_pMainWnd = nullptr;
    PumpMessages();
}

std::string DesignerFrameTest::ExampleNamed(const CTestFolder& folder, const std::string& strName) const
{
    std::string strText = ProgramFile("example\\chat.kvs");
    const std::string strFrom = "name=\"chat\"";
    strText.replace(strText.find(strFrom), strFrom.size(), "name=\"" + strName + "\"");
    folder.Write(strName + ".kvs", strText);
    return folder.Path(strName + ".kvs");
}

HTREEITEM DesignerFrameTest::ProjectItem(const char* pszName) const
{
    return ChildNamed(Tree(), m_pFrame->m_wndProjectTree.m_hRoot, pszName);
}

HTREEITEM DesignerFrameTest::BranchOf(const char* pszProject, const char* pszBranch) const
{
    return ChildNamed(Tree(), ProjectItem(pszProject), pszBranch);
}

HTREEITEM DesignerFrameTest::FirstChildOf(const char* pszProject, const char* pszBranch) const
{
    return Tree().GetChildItem(BranchOf(pszProject, pszBranch));
}

void DesignerFrameTest::Select(HTREEITEM hItem)
{
    ASSERT_TRUE(hItem);
    Tree().SelectItem(hItem);
    PumpMessages();
}

void DesignerFrameTest::RunCommand(UINT nId)
{
    m_pFrame->OnCmdMsg(nId, CN_COMMAND, nullptr, nullptr);
    PumpMessages();
}

BOOL DesignerFrameTest::PageShown(CProtocolSettingsPane::EPage page)
{
    return m_pFrame->m_wndSettings.Page(page).IsWindowVisible();
}

CKTPropertyGridItem* DesignerFrameTest::Item(CProtocolSettingsPane::EPage page, LPCSTR pszCaption)
{
    return m_pFrame->m_wndSettings.Page(page).GetGridView()->GetCategories()->FindItemByCaption(pszCaption);
}

CString DesignerFrameTest::ActiveEditorPath() const
{
    CMDIChildWnd* pChild = m_pFrame->MDIGetActive();
    CDocument* pDoc = pChild ? pChild->GetActiveDocument() : nullptr;
    return pDoc ? pDoc->GetPathName() : CString();
}
