// Selecting project-tree items in a loaded frame: the current project's editor tabs come to the
// front, the others hide, a project's four files open when none is, and the item's page shows.
#include "DesignerFrameTest.h"

#include "DialogAnswer.h"
#include "KTControl.h"
#include "KTControls.h"
#include "KTSyntaxEditCtrl.h"
#include "KTPropertyGridView.h"
#include "KTTabAppearanceSet.h"
#include "KTTabClientGroup.h"
#include "KTTabPainter.h"
#include "LoopInput.h"
#include "MessagePump.h"
#include "NativeBuild.h"
#include "SaveFaults.h"
#include "TestInput.h"
#include "WorkspaceRes.h"

#include <algorithm>

namespace
{

bool Shows(const std::vector<std::string>& tabs, const std::string& caption)
{
    return std::find(tabs.begin(), tabs.end(), caption) != tabs.end();
}

class TreeSelectionTest : public DesignerFrameTest
{
protected:
    CKTTabClientWnd& Tabs() const { return m_pFrame->m_wndTabClient; }
    // The captions of the tabs on show, in tab order.
    std::vector<std::string> ShownTabs() const
    {
        std::vector<std::string> captions;
        for (int i = 0; i < Tabs().GetItemCount(); i++)
            if (Tabs().GetItem(i)->IsVisible())
                captions.push_back((LPCSTR)Tabs().GetItem(i)->GetCaption());
        return captions;
    }
    CString PathOf(const char* pszFile) const { return CString(m_folder.Path(pszFile).c_str()).MakeLower(); }
    CKTPropertyGridView* FieldView() const
    {
        return m_pFrame->m_wndSettings.Page(CProtocolSettingsPane::kFieldPage).GetGridView();
    }
    // Types a "Z" after the selected field's name on the page, leaving the edit open.
    void AppendToNameOnThePage(CTestInput& input, const CString& strName)
    {
        ASSERT_TRUE(input.Click(Item(CProtocolSettingsPane::kFieldPage, "Name")->GetValueRect().CenterPoint()));
        ASSERT_TRUE(input.Key(VK_HOME));
        for (int i = 0; i < strName.GetLength(); i++)
            ASSERT_TRUE(input.Key(VK_RIGHT));
        ASSERT_TRUE(input.Text("Z"));
    }
    // A point of another window in the field page's client coordinates, where the input is sent.
    CPoint InFieldView(const CWnd& wnd, CRect rc) const
    {
        CPoint pt = rc.CenterPoint();
        wnd.MapWindowPoints(FieldView(), &pt, 1);
        return pt;
    }
    // A click on the item's text, as a user selects it.
    void ClickItem(HTREEITEM hItem)
    {
        Tree().EnsureVisible(hItem);
        CRect rcText;
        ASSERT_TRUE(Tree().GetItemRect(hItem, &rcText, TRUE));
        CTestInput input(Tree().GetSafeHwnd());
        ASSERT_TRUE(input.Click(rcText.CenterPoint()));
        PumpMessages();
    }
    // The caption of the editor whose window shows at the point of the tab client, empty for none.
    CString EditorAt(CPoint pt) const
    {
        Tabs().ClientToScreen(&pt);
        HWND hWnd = ::WindowFromPoint(pt);
        while (hWnd && ::GetParent(hWnd) != Tabs().GetSafeHwnd())
            hWnd = ::GetParent(hWnd);
        CKTTabManagerItem* pItem = hWnd ? Tabs().FindItem(hWnd) : nullptr;
        return pItem ? pItem->GetCaption() : CString();
    }
    // Where a click lands on the item's expand button, left of its text.
    POINT ButtonOf(HTREEITEM hItem) const
    {
        CRect rcText;
        Tree().GetItemRect(hItem, &rcText, TRUE);
        for (POINT pt{rcText.left, rcText.CenterPoint().y}; pt.x >= 0; pt.x--)
        {
            UINT nFlags = 0;
            if (Tree().HitTest(pt, &nFlags) == hItem && (nFlags & TVHT_ONITEMBUTTON))
                return pt;
        }
        return {-1, -1};
    }
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
    EXPECT_EQ(0, Tabs().GetItemCount()) << "the root opens nothing";

    Select(ProjectItem("alpha"));
    EXPECT_EQ(&alpha, m_pFrame->CurrentProject());
    EXPECT_EQ((std::vector<std::string>{"alpha_api.h", "alpha_api.c", "alpha_api_demo.c", "alpha.diagram"}),
              ShownTabs());
    EXPECT_EQ(PathOf("alpha_api.h"), ActiveEditorPath().MakeLower());
    for (const char* pszFile : {"alpha_api.h", "alpha_api.c", "alpha_api_demo.c", "alpha.diagram"})
        EXPECT_TRUE(::GetFileAttributes(m_folder.Path(pszFile).c_str()) != INVALID_FILE_ATTRIBUTES) << pszFile;
    EXPECT_TRUE(PageShown(CProtocolSettingsPane::kProjectPage));
    EXPECT_STREQ("alpha", Item(CProtocolSettingsPane::kProjectPage, "Name")->GetValue());
    EXPECT_TRUE(Item(CProtocolSettingsPane::kProjectPage, "Name")->GetReadOnly());
    EXPECT_TRUE(Item(CProtocolSettingsPane::kProjectPage, "Location")->GetReadOnly());

    Select(BranchOf("alpha", "Packet"));
    EXPECT_TRUE(PageShown(CProtocolSettingsPane::kBlankPage));
    EXPECT_EQ(4, Tabs().GetItemCount()) << "another item of the current project opens nothing";

    const HTREEITEM hBetaPacket = FirstChildOf("beta", "Packet");
    Select(hBetaPacket);
    EXPECT_EQ((std::vector<std::string>{"beta_api.h", "beta_api.c", "beta_api_demo.c", "beta.diagram"}), ShownTabs());
    EXPECT_EQ(8, Tabs().GetItemCount());
    EXPECT_EQ(PathOf("beta_api.h"), ActiveEditorPath().MakeLower());
    EXPECT_TRUE(PageShown(CProtocolSettingsPane::kPacketPage));
    EXPECT_EQ(Tree().GetItemText(hBetaPacket), Item(CProtocolSettingsPane::kPacketPage, "Name")->GetValue());

    // A modified editor's tab still counts as its file.
    for (int i = 0; i < Tabs().GetItemCount(); i++)
        if (Tabs().GetItem(i)->GetCaption() == "alpha_api.c")
            Tabs().GetItem(i)->SetCaption("alpha_api.c *");
    const HTREEITEM hAlphaField = Tree().GetChildItem(FirstChildOf("alpha", "Packet"));
    Select(hAlphaField);
    EXPECT_EQ(8, Tabs().GetItemCount()) << "open editors are shown again, not reopened";
    EXPECT_EQ(4u, ShownTabs().size());
    EXPECT_EQ(PathOf("alpha_api.h"), ActiveEditorPath().MakeLower()) << "the first of the project's tabs is selected";
    EXPECT_TRUE(PageShown(CProtocolSettingsPane::kFieldPage));
    EXPECT_EQ(Tree().GetItemText(hAlphaField), Item(CProtocolSettingsPane::kFieldPage, "Name")->GetValue());
    EXPECT_TRUE(DesignerTestApp().m_messages.empty());
}

// The window selector lists every editor and activates the chosen one through the MDI client.
TEST_F(TreeSelectionTest, AnEditorActivatedWhileItsProjectsTabsAreHiddenBringsItsProjectForwardAndTakesTheTyping)
{
    m_pFrame->ReadSolutionFile(ExampleNamed(m_folder, "alpha").c_str());
    m_pFrame->ReadSolutionFile(ExampleNamed(m_folder, "beta").c_str());
    Select(ProjectItem("alpha"));
    Select(ProjectItem("beta"));
    HWND hAlphaSource = NULL;
    for (int i = 0; i < Tabs().GetItemCount(); i++)
        if (Tabs().GetItem(i)->GetCaption() == "alpha_api.c")
            hAlphaSource = Tabs().GetItem(i)->GetHandle();
    ASSERT_NE(HWND(NULL), hAlphaSource);

    ::SendMessage(m_pFrame->m_hWndMDIClient, WM_MDIACTIVATE, (WPARAM)hAlphaSource, 0);
    PumpMessages();
    EXPECT_EQ(m_pFrame->m_projects[0].get(), m_pFrame->CurrentProject());
    EXPECT_EQ((std::vector<std::string>{"alpha_api.h", "alpha_api.c", "alpha_api_demo.c", "alpha.diagram"}),
              ShownTabs());
    ASSERT_EQ(PathOf("alpha_api.c"), ActiveEditorPath().MakeLower());

    CWnd* pView = m_pFrame->MDIGetActive()->GetActiveView();
    ASSERT_NE(nullptr, pView);
    CTestInput input(pView->GetSafeHwnd());
    ASSERT_TRUE(input.Text("Q"));
    PumpMessages();
    EXPECT_TRUE(Tabs().FindItem(hAlphaSource)->IsVisible()) << "the typing went into an editor on show";
    EXPECT_TRUE(m_pFrame->MDIGetActive()->GetActiveDocument()->IsModified());
}

// The editors split into two groups, then another project chosen: the group left with only the first project's
// hidden tabs gives its room to the editors on show, and takes it back with its project.
TEST_F(TreeSelectionTest, AGroupOfAnotherProjectsTabsGivesItsRoomToTheEditorsOnShow)
{
    m_pFrame->ReadSolutionFile(ExampleNamed(m_folder, "alpha").c_str());
    m_pFrame->ReadSolutionFile(ExampleNamed(m_folder, "beta").c_str());
    ClickItem(ProjectItem("alpha"));
    ASSERT_EQ(4, Tabs().GetItemCount());
    CKTTabManagerItem* pDiagram = Tabs().GetItem(3);
    ASSERT_EQ("alpha.diagram", pDiagram->GetCaption());
    CRect rcClient;
    Tabs().GetClientRect(rcClient);
    const CPoint ptEdge(rcClient.right - 10, rcClient.CenterPoint().y);
    CLoopInput drag(Tabs().GetSafeHwnd());
    ASSERT_TRUE(drag.Press(pDiagram->GetRect().CenterPoint())
                    .AwaitCapture()
                    .Move(CPoint(ptEdge.x - 100, ptEdge.y))
                    .Move(ptEdge)
                    .Release()
                    .Run());
    PumpMessages();
    ASSERT_EQ(2, Tabs().GetGroupCount());
    const CPoint ptFirst = Tabs().GetGroup(0)->m_rcClient.CenterPoint();
    ASSERT_STREQ("alpha_api.h", EditorAt(ptFirst));

    ClickItem(ProjectItem("beta"));
    ASSERT_EQ((std::vector<std::string>{"beta_api.h", "beta_api.c", "beta_api_demo.c", "beta.diagram"}), ShownTabs());
    EXPECT_STREQ("beta", EditorAt(ptFirst).Left(4)) << "not a blank group";
    CRect rcGroups = rcClient;  // the client area as the tab look lays groups out in it
    Tabs().GetPaintManager()->GetAppearanceSet()->DrawWorkspacePart(NULL, rcGroups, 1);
    EXPECT_EQ(rcGroups, Tabs().GetGroup(1)->m_rcControl);

    ClickItem(ProjectItem("alpha"));
    EXPECT_STREQ("alpha_api.h", EditorAt(ptFirst));
    EXPECT_STREQ("alpha.diagram", EditorAt(Tabs().GetGroup(1)->m_rcClient.CenterPoint()));
}

// Before, selecting a project opened each file that was there with no sharing, only to see that it was:
// one another program held, even letting others read it, was "A sharing violation occurred." and its
// tab did not open, nor at a later selection of the project. Now a file that is there is left unopened
// until its editor reads it, and an editor that could not read it opens at the project's next selection.
TEST_F(TreeSelectionTest, AGeneratedFileHeldByAnotherProgramStaysAsItWasAndItsTabOpensOnceItCanBeRead)
{
    for (const char* pszFile : {"alpha_api.h", "beta_api.h"})
        m_folder.Write(pszFile, std::string("held ") + pszFile + "\r\n");
    m_pFrame->ReadSolutionFile(ExampleNamed(m_folder, "alpha").c_str());
    m_pFrame->ReadSolutionFile(ExampleNamed(m_folder, "beta").c_str());
    {
        CHeldOpen viewer(m_folder.Path("alpha_api.h").c_str(), FILE_SHARE_READ);
        ASSERT_TRUE(viewer.IsHeld());
        Select(ProjectItem("alpha"));
        EXPECT_TRUE(DesignerTestApp().m_messages.empty()) << (LPCSTR)DesignerTestApp().m_messages[0];
        EXPECT_EQ((std::vector<std::string>{"alpha_api.h", "alpha_api.c", "alpha_api_demo.c", "alpha.diagram"}),
                  ShownTabs());
    }

    CHeldOpen locker(m_folder.Path("beta_api.h").c_str());
    ASSERT_TRUE(locker.IsHeld());
    Select(ProjectItem("beta"));
    EXPECT_EQ(1u, DesignerTestApp().m_messages.size()) << "the editor that cannot read its file says why";
    EXPECT_FALSE(Shows(ShownTabs(), "beta_api.h"));
    EXPECT_EQ(3u, ShownTabs().size()) << "the other files still open";
    DesignerTestApp().m_messages.clear();
    Select(ProjectItem("alpha"));
    locker.Release();
    Select(ProjectItem("beta"));
    EXPECT_TRUE(DesignerTestApp().m_messages.empty());
    EXPECT_TRUE(Shows(ShownTabs(), "beta_api.h")) << "opened at the next selection";
    EXPECT_EQ(4u, ShownTabs().size());
    Select(ProjectItem("alpha"));
    Select(ProjectItem("beta"));
    EXPECT_EQ(8, Tabs().GetItemCount()) << "opened once";
    for (const char* pszFile : {"alpha_api.h", "beta_api.h"})
        EXPECT_EQ(std::string("held ") + pszFile + "\r\n", m_folder.Read(pszFile)) << pszFile;
}

// Before, an editor that could not be opened was tried again only when another project was selected
// first: with one project loaded, clicking its items again brought no tab back. Now any click on the
// project's items opens it, and leaves the editors already open as they are.
TEST_F(TreeSelectionTest, ClickingTheSameProjectAgainOpensTheEditorThatCouldNotBeReadAndNoOther)
{
    m_folder.Write("alpha_api.h", "held\r\n");
    m_pFrame->ReadSolutionFile(ExampleNamed(m_folder, "alpha").c_str());
    CHeldOpen locker(m_folder.Path("alpha_api.h").c_str());
    ASSERT_TRUE(locker.IsHeld());
    ClickItem(ProjectItem("alpha"));
    ASSERT_EQ(1u, DesignerTestApp().m_messages.size());
    ASSERT_EQ((std::vector<std::string>{"alpha_api.c", "alpha_api_demo.c", "alpha.diagram"}), ShownTabs());
    DesignerTestApp().m_messages.clear();
    std::vector<HWND> openBefore;
    for (int i = 0; i < Tabs().GetItemCount(); i++)
        openBefore.push_back(Tabs().GetItem(i)->GetHandle());

    ClickItem(BranchOf("alpha", "Packet"));
    EXPECT_TRUE(DesignerTestApp().m_messages.empty()) << "still held: tried again, and told once already";
    EXPECT_EQ(3, Tabs().GetItemCount());
    locker.Release();
    ClickItem(FirstChildOf("alpha", "Head"));
    EXPECT_TRUE(DesignerTestApp().m_messages.empty());
    EXPECT_EQ((std::vector<std::string>{"alpha_api.h", "alpha_api.c", "alpha_api_demo.c", "alpha.diagram"}),
              ShownTabs());
    for (HWND hEditor : openBefore)
        EXPECT_NE(nullptr, Tabs().FindItem(hEditor)) << "an open editor was not reopened";
    ClickItem(ProjectItem("alpha"));
    EXPECT_EQ(4, Tabs().GetItemCount()) << "opened once";
    EXPECT_EQ("held\r\n", m_folder.Read("alpha_api.h"));
}

// Before, a file that could not be made ended the opening and the files after it were forgotten: with
// one of the project's tabs open, no later selection gave them theirs. Now they wait with it for the
// next selection. The demo here is a link into a folder that is not there, as a drive that is gone.
TEST_F(TreeSelectionTest, TheFilesAfterOneThatCouldNotBeMadeGetTheirTabsAtTheNextSelection)
{
    m_pFrame->ReadSolutionFile(ExampleNamed(m_folder, "alpha").c_str());
    ASSERT_TRUE(RunNativelyIn(m_folder.Path(), "ln -s gone/demo.c alpha_api_demo.c"));
    ClickItem(ProjectItem("alpha"));
    ASSERT_EQ(1u, DesignerTestApp().m_messages.size()) << "the file that cannot be made is reported";
    ASSERT_EQ((std::vector<std::string>{"alpha.diagram"}), ShownTabs());
    DesignerTestApp().m_messages.clear();

    ASSERT_TRUE(::CreateDirectory(m_folder.Path("gone").c_str(), nullptr));
    ClickItem(BranchOf("alpha", "Packet"));
    EXPECT_TRUE(DesignerTestApp().m_messages.empty()) << (LPCSTR)DesignerTestApp().m_messages[0];
    EXPECT_EQ((std::vector<std::string>{"alpha_api.h", "alpha_api.c", "alpha_api_demo.c", "alpha.diagram"}),
              ShownTabs());
}

// Before, each click on an item of the project tried the file again and raised the same box: a folder gone,
// a header held with no sharing, or one that opens but cannot be read, stood before every page change. The
// user is told once.
TEST_F(TreeSelectionTest, AFileThatCannotBeOpenedIsToldOnceWhateverTheClicksOnItsProject)
{
    CTestFolder gone("tree-selection-told-once");
    CTestFolder unread("tree-selection-unread");
    m_pFrame->ReadSolutionFile(ExampleNamed(m_folder, "held").c_str());
    m_pFrame->ReadSolutionFile(ExampleNamed(gone, "lost").c_str());
    m_pFrame->ReadSolutionFile(ExampleNamed(unread, "unread").c_str());
    m_pFrame->m_projects[1]->folder += "missing\\";
    m_folder.Write("held_api.h", "held\r\n");
    CHeldOpen locker(m_folder.Path("held_api.h").c_str());
    ASSERT_TRUE(locker.IsHeld());
    // Its header opens, but no read of it succeeds.
    m_pFrame->m_projects[2]->folder = CKTSyntaxEditCtrl::GetModuleFolder() + "unreadable\\";
    for (const char* pszProject : {"held", "lost", "unread"})
    {
        SCOPED_TRACE(pszProject);
        DesignerTestApp().m_messages.clear();
        ClickItem(ProjectItem(pszProject));
        ClickItem(BranchOf(pszProject, "Packet"));
        ClickItem(FirstChildOf(pszProject, "Head"));
        EXPECT_EQ(1u, DesignerTestApp().m_messages.size());
        EXPECT_TRUE(PageShown(CProtocolSettingsPane::kFieldPage)) << "the page still follows the clicks";
    }
    DesignerTestApp().m_messages.clear();
    ClickItem(ProjectItem("held"));
    EXPECT_TRUE(DesignerTestApp().m_messages.empty()) << "back to the project with the held header";
    EXPECT_EQ((std::vector<std::string>{"held_api.c", "held_api_demo.c", "held.diagram"}), ShownTabs());
    locker.Release();
    ClickItem(BranchOf("held", "Packet"));
    EXPECT_TRUE(Shows(ShownTabs(), "held_api.h")) << "still opened once it can be read";
}

TEST_F(TreeSelectionTest, AGoneProjectFolderIsReportedAndTheNewItemsPageStillLoads)
{
    CTestFolder gone("tree-selection-gone");
    m_pFrame->ReadSolutionFile(ExampleNamed(m_folder, "kept").c_str());
    m_pFrame->ReadSolutionFile(ExampleNamed(gone, "lost").c_str());
    ProjectRecord& lost = *m_pFrame->m_projects[1];
    lost.folder += "missing\\";

    Select(FirstChildOf("kept", "Packet"));
    const HTREEITEM hLostField = FirstChildOf("lost", "Head");
    Select(hLostField);
    ASSERT_EQ(1u, DesignerTestApp().m_messages.size()) << "one report for the file that could not be made";
    EXPECT_EQ(&lost, m_pFrame->CurrentProject());
    EXPECT_TRUE(PageShown(CProtocolSettingsPane::kFieldPage));
    EXPECT_EQ(Tree().GetItemText(hLostField), Item(CProtocolSettingsPane::kFieldPage, "Name")->GetValue());

    // An edit on the page lands in the selected field, not in the packet shown before.
    const SettingsTarget target = m_pFrame->Resolve();
    ASSERT_NE(nullptr, target.Field());
    EXPECT_EQ(&lost.headerFields[0], target.Field());
}

TEST_F(TreeSelectionTest, TheSettingsPanesToolbarRunsAcrossItsTopAboveThePages)
{
    CProtocolSettingsPane& pane = m_pFrame->m_wndSettings;
    CKTToolBar& toolBar = pane.ToolBar();
    ASSERT_TRUE(toolBar.GetSafeHwnd());
    for (int nId : {ID_SETTINGS_VIEW_CATEGORIZED, ID_SETTINGS_VIEW_ALPHABETIC, ID_SETTINGS_VIEW_NOSORT})
        EXPECT_NE(nullptr, toolBar.GetControls()->FindControl(nId)) << nId;
    CRect rcPane, rcBar;
    pane.GetClientRect(&rcPane);
    toolBar.GetWindowRect(&rcBar);
    pane.ScreenToClient(&rcBar);
    EXPECT_EQ(CRect(0, 0, rcPane.right, rcBar.bottom), rcBar);
    EXPECT_GT(rcBar.Height(), 0);
    // The pages other than the blank one are made when first wanted, and take the same place.
    for (int page = CProtocolSettingsPane::kProjectPage; page < CProtocolSettingsPane::kPageCount; page++)
    {
        CRect rcPage;
        pane.Page(CProtocolSettingsPane::EPage(page)).GetWindowRect(&rcPage);
        pane.ScreenToClient(&rcPage);
        EXPECT_EQ(CRect(0, rcBar.bottom, rcPane.right, rcPane.bottom), rcPage) << page;
    }
}

TEST_F(TreeSelectionTest, AnOpenEditOfTheSettingsLandsInItsOwnFieldWhenAnotherItemIsClicked)
{
    m_pFrame->ReadSolutionFile(ExampleNamed(m_folder, "gamma").c_str());
    const HTREEITEM hFirst = Tree().GetChildItem(FirstChildOf("gamma", "Packet"));
    const HTREEITEM hSecond = Tree().GetNextSiblingItem(hFirst);
    ASSERT_NE(nullptr, hSecond);
    const CString strFirst = Tree().GetItemText(hFirst), strSecond = Tree().GetItemText(hSecond);
    Select(hFirst);

    CTestInput input(FieldView()->GetSafeHwnd());
    AppendToNameOnThePage(input, strFirst);
    CRect rcSecond;
    ASSERT_TRUE(Tree().GetItemRect(hSecond, &rcSecond, TRUE));
    ASSERT_TRUE(input.Click(InFieldView(Tree(), rcSecond)));

    EXPECT_EQ(hSecond, Tree().GetSelectedItem());
    EXPECT_EQ(strFirst + "Z", Tree().GetItemText(hFirst)) << "the typed name is kept, not dropped";
    EXPECT_EQ(strSecond, Tree().GetItemText(hSecond)) << "and never given to the item clicked";
    EXPECT_EQ(strSecond, Item(CProtocolSettingsPane::kFieldPage, "Name")->GetValue());
    EXPECT_STREQ(strFirst + "Z", m_pFrame->m_projects[0]->packets[0].fields[0].name);
}

TEST_F(TreeSelectionTest, DeletingAFieldWhileItsNameIsBeingEditedDeletesItsRecordWithItsItem)
{
    m_pFrame->ReadSolutionFile(ExampleNamed(m_folder, "delta").c_str());
    const HTREEITEM hField = Tree().GetChildItem(FirstChildOf("delta", "Packet"));
    const CString strName = Tree().GetItemText(hField);
    FieldRecordArray& fields = m_pFrame->m_projects[0]->packets[0].fields;
    const INT_PTR nFields = fields.GetSize();
    Select(hField);

    CTestInput input(FieldView()->GetSafeHwnd());
    AppendToNameOnThePage(input, strName);
    CKTToolBar* pStandard = m_pFrame->GetCommandBars()->GetAt(1);
    CKTControl* pDelete = pStandard->GetControls()->FindControl(ID_FIELD_DELETE);
    ASSERT_NE(nullptr, pDelete);
    const std::string strAsked =
        Answering("WARNING!", nullptr, [&] { EXPECT_TRUE(input.Click(InFieldView(*pStandard, pDelete->GetRect()))); });

    EXPECT_EQ("Do you sure delete " + std::string(strName) + "Z field?", strAsked);
    EXPECT_EQ(nFields - 1, fields.GetSize()) << "the record goes with its tree item";
    for (INT_PTR i = 0; i < fields.GetSize(); i++)
        EXPECT_STRNE(strName + "Z", fields[i].name);
}

TEST_F(TreeSelectionTest, TheFocusGoesBackToTheTreeWhenADialogOpenedFromItCloses)
{
    m_pFrame->ReadSolutionFile(ExampleNamed(m_folder, "epsilon").c_str());
    const HTREEITEM hFolder = BranchOf("epsilon", "Packet");
    Tree().EnsureVisible(hFolder);
    CRect rcFolder;
    ASSERT_TRUE(Tree().GetItemRect(hFolder, &rcFolder, TRUE));
    CTestInput input(Tree().GetSafeHwnd());
    ASSERT_TRUE(input.Click(rcFolder.CenterPoint()));
    ASSERT_EQ(hFolder, Tree().GetSelectedItem());
    ASSERT_FALSE(ActiveEditorPath().IsEmpty()) << "an editor is there to take the focus instead";

    EXPECT_FALSE(ShownAt("Add Packet", [&] { RunCommand(ID_PACKET_ADD); }).IsRectEmpty());
    EXPECT_EQ(Tree().GetSafeHwnd(), ::GetFocus()) << "the keys go on to the tree, not into a generated file";
}

TEST_F(TreeSelectionTest, CollapsingTheBranchOfTheSelectedPacketShowsTheBranchsPage)
{
    m_pFrame->ReadSolutionFile(ExampleNamed(m_folder, "alpha").c_str());
    const HTREEITEM hFolder = BranchOf("alpha", "Packet");
    Tree().Expand(hFolder, TVE_EXPAND);
    Select(FirstChildOf("alpha", "Packet"));
    ASSERT_TRUE(PageShown(CProtocolSettingsPane::kPacketPage));

    const POINT ptButton = ButtonOf(hFolder);
    ASSERT_GE(ptButton.x, 0);
    CTestInput input(Tree().GetSafeHwnd());
    ASSERT_TRUE(input.Click(ptButton));
    EXPECT_EQ(hFolder, Tree().GetSelectedItem());
    EXPECT_TRUE(PageShown(CProtocolSettingsPane::kBlankPage)) << "the page of a packet no longer in view";
}
