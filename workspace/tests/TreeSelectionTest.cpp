// Selecting project-tree items in a loaded frame: the current project's editor tabs come to the
// front, the others hide, a project's four files open when none is, and the item's page shows.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <vector>

#include "KTPropertyGridView.h"
#include "KTSyntaxEditCtrl.h"
#include "KTTabClientWnd.h"
#include "MainFrame.h"
#include "MessagePump.h"
#include "TestFolder.h"
#include "TreeItemData.h"
#include "WorkspaceRes.h"
#include "WrenfoldApp.h"

namespace
{

// The designer's application object, its message boxes recorded instead of shown.
class CSelectionTestApp : public CwrenfoldApp
{
public:
    std::vector<CString> m_messages;
    int DoMessageBox(LPCTSTR lpszPrompt, UINT, UINT) override
    {
        m_messages.push_back(lpszPrompt);
        return IDOK;
    }
};

CSelectionTestApp theApp;

std::string ProgramFile(const std::string& strRelative)
{
    std::ifstream file(std::string(CKTSyntaxEditCtrl::GetModuleFolder()) + strRelative, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// The example design saved under another project name.
std::string ExampleNamed(const CTestFolder& folder, const std::string& strName)
{
    std::string strText = ProgramFile("example\\chat.kvs");
    const std::string strFrom = "name=\"chat\"";
    strText.replace(strText.find(strFrom), strFrom.size(), "name=\"" + strName + "\"");
    folder.Write(strName + ".kvs", strText);
    return folder.Path(strName + ".kvs");
}

// Editors show as tabs; the tab client goes with the frame, as a frame's member does.
class CTabbedFrame : public CMainFrame
{
public:
    CKTTabClientWnd m_wndTabs;
};

HTREEITEM ChildNamed(const CTreeCtrl& tree, HTREEITEM hParent, const char* pszText)
{
    for (HTREEITEM hItem = tree.GetChildItem(hParent); hItem; hItem = tree.GetNextSiblingItem(hItem))
        if (tree.GetItemText(hItem) == pszText)
            return hItem;
    return nullptr;
}

class TreeSelectionTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        theApp.AfxInitApplicationState(::GetModuleHandle(nullptr), (LPTSTR) "", SW_HIDE);
        if (!theApp.GetEditorTemplate())
            theApp.CreateEditorTemplate();
    }
    void SetUp() override
    {
        theApp.m_messages.clear();
        m_pFrame = new CTabbedFrame;
        ASSERT_TRUE(m_pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, nullptr));
        theApp.m_pMainWnd = m_pFrame;
        m_pFrame->ShowWindow(SW_SHOW);
        m_pFrame->UpdateWindow();
        PumpMessages();
        ShowSettingsPane();
        AttachTabClient();
    }
    void TearDown() override
    {
        if (m_pFrame)
            m_pFrame->DestroyWindow();
        theApp.m_pMainWnd = nullptr;
        PumpMessages();
    }

    // As the docking pane does when it is first shown.
    void ShowSettingsPane()
    {
        CProtocolSettingsPane& pane = m_pFrame->m_wndSettings;
        if (pane.GetSafeHwnd())
            return;
        ASSERT_TRUE(pane.Create("STATIC", nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 300), m_pFrame, 0));
    }
    void AttachTabClient()
    {
        m_pTabs = dynamic_cast<CKTTabClientWnd*>(CWnd::FromHandlePermanent(m_pFrame->m_hWndMDIClient));
        if (m_pTabs)
            return;
        m_pTabs = &m_pFrame->m_wndTabs;
        ASSERT_TRUE(m_pTabs->Attach(m_pFrame, TRUE));
        m_pTabs->m_nNewTabPosition = ktTabNewAtStart;
    }

    COfficeTreeCtrl& Tree() const { return m_pFrame->m_wndProjectTree.m_wndTree; }
    HTREEITEM ProjectItem(const char* pszName) const
    {
        return ChildNamed(Tree(), m_pFrame->m_wndProjectTree.m_hRoot, pszName);
    }
    void Select(HTREEITEM hItem)
    {
        ASSERT_TRUE(hItem);
        Tree().SelectItem(hItem);
        PumpMessages();
    }
    BOOL PageShown(CProtocolSettingsPane::EPage page) { return m_pFrame->m_wndSettings.Page(page).IsWindowVisible(); }
    CKTPropertyGridItem* Item(CProtocolSettingsPane::EPage page, LPCSTR pszCaption)
    {
        return m_pFrame->m_wndSettings.Page(page).GetGridView()->GetCategories()->FindItemByCaption(pszCaption);
    }
    // The captions of the tabs on show, in tab order.
    std::vector<std::string> ShownTabs() const
    {
        std::vector<std::string> captions;
        for (int i = 0; i < m_pTabs->GetItemCount(); i++)
            if (m_pTabs->GetItem(i)->IsVisible())
                captions.push_back((LPCSTR)m_pTabs->GetItem(i)->GetCaption());
        return captions;
    }
    CString ActiveEditorPath() const
    {
        CMDIChildWnd* pChild = m_pFrame->MDIGetActive();
        CDocument* pDoc = pChild ? pChild->GetActiveDocument() : nullptr;
        return pDoc ? pDoc->GetPathName() : CString();
    }

    CTabbedFrame* m_pFrame = nullptr;
    CKTTabClientWnd* m_pTabs = nullptr;
    CTestFolder m_folder{"tree-selection"};
};

}  // namespace

TEST_F(TreeSelectionTest, AnotherProjectsItemBringsItsEditorsForwardAndHidesTheOthers)
{
    m_pFrame->ReadSolutionFile(ExampleNamed(m_folder, "alpha").c_str());
    m_pFrame->ReadSolutionFile(ExampleNamed(m_folder, "beta").c_str());
    ASSERT_EQ(2u, m_pFrame->m_projects.size());
    ProjectRecord& alpha = *m_pFrame->m_projects[0];

    Select(m_pFrame->m_wndProjectTree.m_hRoot);
    EXPECT_EQ(nullptr, m_pFrame->CurrentProject());
    EXPECT_TRUE(PageShown(CProtocolSettingsPane::kBlankPage));
    EXPECT_EQ(0, m_pTabs->GetItemCount()) << "the root opens nothing";

    Select(ProjectItem("alpha"));
    EXPECT_EQ(&alpha, m_pFrame->CurrentProject());
    EXPECT_EQ((std::vector<std::string>{"alpha_api.h", "alpha_api.c", "alpha_api_demo.c", "alpha.diagram"}),
              ShownTabs());
    EXPECT_EQ(CString(m_folder.Path("alpha_api.h").c_str()).MakeLower(), ActiveEditorPath().MakeLower());
    for (const char* pszFile : {"alpha_api.h", "alpha_api.c", "alpha_api_demo.c", "alpha.diagram"})
        EXPECT_TRUE(::GetFileAttributes(m_folder.Path(pszFile).c_str()) != INVALID_FILE_ATTRIBUTES) << pszFile;
    EXPECT_TRUE(PageShown(CProtocolSettingsPane::kProjectPage));
    EXPECT_STREQ("alpha", Item(CProtocolSettingsPane::kProjectPage, "Name")->GetValue());
    EXPECT_TRUE(Item(CProtocolSettingsPane::kProjectPage, "Name")->GetReadOnly());
    EXPECT_TRUE(Item(CProtocolSettingsPane::kProjectPage, "Location")->GetReadOnly());

    Select(ChildNamed(Tree(), ProjectItem("alpha"), "Packet"));
    EXPECT_TRUE(PageShown(CProtocolSettingsPane::kBlankPage));
    EXPECT_EQ(4, m_pTabs->GetItemCount()) << "another item of the current project opens nothing";

    const HTREEITEM hBetaPacket = Tree().GetChildItem(ChildNamed(Tree(), ProjectItem("beta"), "Packet"));
    Select(hBetaPacket);
    EXPECT_EQ((std::vector<std::string>{"beta_api.h", "beta_api.c", "beta_api_demo.c", "beta.diagram"}), ShownTabs());
    EXPECT_EQ(8, m_pTabs->GetItemCount());
    EXPECT_EQ(CString(m_folder.Path("beta_api.h").c_str()).MakeLower(), ActiveEditorPath().MakeLower());
    EXPECT_TRUE(PageShown(CProtocolSettingsPane::kPacketPage));
    EXPECT_EQ(Tree().GetItemText(hBetaPacket), Item(CProtocolSettingsPane::kPacketPage, "Name")->GetValue());

    // A modified editor's tab still counts as its file.
    for (int i = 0; i < m_pTabs->GetItemCount(); i++)
        if (m_pTabs->GetItem(i)->GetCaption() == "alpha_api.c")
            m_pTabs->GetItem(i)->SetCaption("alpha_api.c *");
    const HTREEITEM hAlphaPacket = Tree().GetChildItem(ChildNamed(Tree(), ProjectItem("alpha"), "Packet"));
    const HTREEITEM hAlphaField = Tree().GetChildItem(hAlphaPacket);
    Select(hAlphaField);
    EXPECT_EQ(8, m_pTabs->GetItemCount()) << "open editors are shown again, not reopened";
    EXPECT_EQ(4u, ShownTabs().size());
    EXPECT_EQ(CString(m_folder.Path("alpha_api.h").c_str()).MakeLower(), ActiveEditorPath().MakeLower())
        << "the first of the project's tabs is selected";
    EXPECT_TRUE(PageShown(CProtocolSettingsPane::kFieldPage));
    EXPECT_EQ(Tree().GetItemText(hAlphaField), Item(CProtocolSettingsPane::kFieldPage, "Name")->GetValue());
    EXPECT_TRUE(theApp.m_messages.empty());
}

TEST_F(TreeSelectionTest, AGoneProjectFolderIsReportedAndTheNewItemsPageStillLoads)
{
    CTestFolder gone("tree-selection-gone");
    m_pFrame->ReadSolutionFile(ExampleNamed(m_folder, "kept").c_str());
    m_pFrame->ReadSolutionFile(ExampleNamed(gone, "lost").c_str());
    ProjectRecord& lost = *m_pFrame->m_projects[1];
    lost.folder += "missing\\";

    const HTREEITEM hKeptPacket = Tree().GetChildItem(ChildNamed(Tree(), ProjectItem("kept"), "Packet"));
    Select(hKeptPacket);
    const HTREEITEM hLostField = Tree().GetChildItem(ChildNamed(Tree(), ProjectItem("lost"), "Head"));
    Select(hLostField);
    ASSERT_EQ(1u, theApp.m_messages.size()) << "one report for the file that could not be made";
    EXPECT_EQ(&lost, m_pFrame->CurrentProject());
    EXPECT_TRUE(PageShown(CProtocolSettingsPane::kFieldPage));
    EXPECT_EQ(Tree().GetItemText(hLostField), Item(CProtocolSettingsPane::kFieldPage, "Name")->GetValue());

    // An edit on the page lands in the selected field, not in the packet shown before.
    const SettingsTarget target = m_pFrame->Resolve();
    ASSERT_NE(nullptr, target.Field());
    EXPECT_EQ(&lost.headerFields[0], target.Field());
}
