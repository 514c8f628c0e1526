// The main frame inside the test: command states by the current project, the recent-file list,
// and a frame that fails to load.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <vector>

#include "CommandState.h"
#include "KTCommandBarsDefs.h"
#include "KTControls.h"
#include "KTPopupBar.h"
#include "KTSyntaxEditCtrl.h"
#include "LoadedFrame.h"
#include "MainFrame.h"
#include "ProjectTreeItems.h"
#include "TestDesignerApp.h"
#include "TestFolder.h"
#include "TreeItemData.h"
#include "WorkspaceRes.h"
#include "afxadv.h"

namespace
{

const UINT kProjectCommands[] = {ID_PROJECT_SAVE,      ID_PROJECT_SAVE_ALL,   ID_PROJECT_CLOSE,
                                 ID_PROJECT_CLOSE_ALL, ID_PROJECT_PROPERTIES, ID_PROJECT_TLV_SETTING,
                                 ID_BUILD_DIAGRAM,     ID_BUILD_GENERATE_CODE};
const UINT kWindowsCommands[] = {ID_BUILD_COMPILE, ID_BUILD_COMPILE_DEMO, ID_BUILD_RUN_DEMO};

std::string ExampleAs(const CTestFolder& folder, const std::string& strName, const std::string& strPlatform)
{
    std::ifstream file("example\\chat.kvs", std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    std::string strText = bytes.str();
    const std::string strFrom = "name=\"chat\" platform=\"Windows\"";
    strText.replace(strText.find(strFrom), strFrom.size(), "name=\"" + strName + "\" platform=\"" + strPlatform + "\"");
    folder.Write(strName + ".kvs", strText);
    return folder.Path(strName + ".kvs");
}

}  // namespace

TEST(MainFrame, CommandsFollowTheCurrentProjectAndItsPlatform)
{
    CTestFolder folder("frame-states");
    const std::string strWindows = ExampleAs(folder, "win", "Windows");
    const std::string strUnix = ExampleAs(folder, "nix", "Unix(Linux)");
    LoadedFrame frame;
    ASSERT_TRUE(frame.pFrame);
    for (UINT nId : kProjectCommands)
        EXPECT_EQ(0, CommandStateOf(*frame.pFrame, nId)) << nId;
    for (UINT nId : kWindowsCommands)
        EXPECT_EQ(0, CommandStateOf(*frame.pFrame, nId)) << nId;
    EXPECT_EQ(0, CommandStateOf(*frame.pFrame, ID_BUILD_MAKEFILE));

    frame.pFrame->ReadSolutionFile(strWindows.c_str());
    frame.pFrame->ReadSolutionFile(strUnix.c_str());
    EXPECT_EQ(0, CommandStateOf(*frame.pFrame, ID_PROJECT_SAVE)) << "opening makes no project current";
    EXPECT_EQ(0, CommandStateOf(*frame.pFrame, ID_PROJECT_SAVE_ALL));
    frame.Select("win");
    for (UINT nId : kProjectCommands)
        EXPECT_EQ(1, CommandStateOf(*frame.pFrame, nId)) << nId;
    for (UINT nId : kWindowsCommands)
        EXPECT_EQ(1, CommandStateOf(*frame.pFrame, nId)) << nId;
    EXPECT_EQ(0, CommandStateOf(*frame.pFrame, ID_BUILD_MAKEFILE));
    frame.Select("nix");
    EXPECT_EQ(0, CommandStateOf(*frame.pFrame, ID_BUILD_COMPILE));
    EXPECT_EQ(1, CommandStateOf(*frame.pFrame, ID_BUILD_MAKEFILE));

    frame.Tree().SelectItem(frame.pFrame->m_wndProjectTree.m_hRoot);
    EXPECT_EQ(1, CommandStateOf(*frame.pFrame, ID_BUILD_MAKEFILE)) << "the root leaves the current project";
    frame.pFrame->OnCmdMsg(ID_PROJECT_CLOSE_ALL, CN_COMMAND, nullptr, nullptr);
    EXPECT_EQ(0, CommandStateOf(*frame.pFrame, ID_PROJECT_SAVE));
    EXPECT_EQ(0, CommandStateOf(*frame.pFrame, ID_PROJECT_SAVE_ALL));
    EXPECT_TRUE(frame.pFrame->m_projects.empty());
    EXPECT_EQ(1u, frame.Tree().GetCount()) << "only the root is left";
}

TEST(MainFrame, ClosingOneProjectLeavesTheOthersAndTheirItems)
{
    CTestFolder folder("frame-close");
    LoadedFrame frame;
    ASSERT_TRUE(frame.pFrame);
    frame.pFrame->ReadSolutionFile(ExampleAs(folder, "one", "Windows").c_str());
    frame.pFrame->ReadSolutionFile(ExampleAs(folder, "two", "Windows").c_str());
    const UINT nItems = frame.Tree().GetCount();
    frame.Select("one");
    frame.pFrame->OnCmdMsg(ID_PROJECT_CLOSE, CN_COMMAND, nullptr, nullptr);
    ASSERT_EQ(1u, frame.pFrame->m_projects.size());
    EXPECT_STREQ("two", frame.pFrame->m_projects[0]->name);
    EXPECT_EQ(nullptr, frame.pFrame->CurrentProject());
    EXPECT_EQ(1 + (nItems - 1) / 2, frame.Tree().GetCount());
    HTREEITEM hTwo = frame.Tree().GetChildItem(frame.pFrame->m_wndProjectTree.m_hRoot);
    ASSERT_TRUE(hTwo);
    EXPECT_EQ(frame.pFrame->m_projects[0].get(), frame.Tree().GetItemData(hTwo)->project);
}

TEST(MainFrame, ProjectsThatCannotBeWrittenStayLoadedWhenClosed)
{
    CTestFolder folder("frame-close-unwritten");
    LoadedFrame frame;
    ASSERT_TRUE(frame.pFrame);
    const std::string strPath = ExampleAs(folder, "kept", "Windows");
    frame.pFrame->ReadSolutionFile(strPath.c_str());
    frame.Select("kept");
    frame.pFrame->m_projects[0]->libraryType ^= 1;  // an edit, or there is nothing to write
    // A folder where the new file would be written first makes the write fail.
    ASSERT_TRUE(::CreateDirectory((strPath + ".tmp").c_str(), nullptr));
    const UINT nItems = frame.Tree().GetCount();
    theApp.m_messages.clear();
    for (UINT nId : {ID_PROJECT_CLOSE, ID_PROJECT_CLOSE_ALL})
        frame.pFrame->OnCmdMsg(nId, CN_COMMAND, nullptr, nullptr);
    EXPECT_EQ(2u, theApp.m_messages.size()) << "each failed write is told";
    EXPECT_EQ(1u, frame.pFrame->m_projects.size()) << "the unsaved design is not thrown away";
    EXPECT_EQ(nItems, frame.Tree().GetCount()) << "its items stay";
    ::RemoveDirectory((strPath + ".tmp").c_str());
    theApp.m_messages.clear();
}

// Wine's move would replace a read-only file that Windows keeps.
TEST(MainFrame, SavingOverAReadOnlyProjectFileSaysWhyAndKeepsTheFile)
{
    CTestFolder folder("frame-read-only");
    LoadedFrame frame;
    ASSERT_TRUE(frame.pFrame);
    const std::string strPath = ExampleAs(folder, "fixed", "Windows");
    frame.pFrame->ReadSolutionFile(strPath.c_str());
    frame.Select("fixed");
    frame.pFrame->m_projects[0]->tlvSupport ^= 1;
    const std::string strBefore = folder.Read("fixed.kvs");
    ASSERT_TRUE(::SetFileAttributes(strPath.c_str(), FILE_ATTRIBUTE_READONLY));
    theApp.m_messages.clear();
    frame.pFrame->OnCmdMsg(ID_PROJECT_SAVE, CN_COMMAND, nullptr, nullptr);
    ASSERT_EQ(1u, theApp.m_messages.size());
    EXPECT_EQ(0, theApp.m_messages[0].Find("cannot replace ")) << theApp.m_messages[0];
    const CString strReason = theApp.m_messages[0].Mid(theApp.m_messages[0].Find("fixed.kvs: ") + 11);
    EXPECT_GT(strReason.Find(" (system error 5)"), 0)
        << "the system's sentence, then the number: " << (LPCTSTR)theApp.m_messages[0];
    EXPECT_EQ(strBefore, folder.Read("fixed.kvs"));
    EXPECT_NE(0u, ::GetFileAttributes(strPath.c_str()) & FILE_ATTRIBUTE_READONLY);
    ::SetFileAttributes(strPath.c_str(), FILE_ATTRIBUTE_NORMAL);
    theApp.m_messages.clear();
}

TEST(RecentFiles, OnlyProjectFilesAreKeptAndAGoneFileIsDroppedWithAMessageWhenChosen)
{
    CTestFolder folder("recent-files");
    CRecentFileList& recent = *theApp.m_pRecentFileList;
    while (recent.GetSize() > 0 && !recent[0].IsEmpty())
        recent.Remove(0);
    const std::string strGone = folder.Path("gone.kvs");
    theApp.AddToRecentFileList(strGone.c_str());
    theApp.AddToRecentFileList(folder.Path("chat_api.c").c_str());
    theApp.AddToRecentFileList(folder.Path("chat.kvs.bak").c_str());
    // A project in a folder named like a project file: its editors' files are not projects either.
    theApp.AddToRecentFileList(folder.Path("x.kvs.d\\chat_api.c").c_str());
    theApp.AddToRecentFileList(folder.Path("x.kvs.d/chat_api.h").c_str());
    EXPECT_NE(-1, recent[0].Find("chat.kvs.bak"));
    EXPECT_NE(-1, recent[1].Find("gone.kvs"));
    EXPECT_TRUE(recent[2].IsEmpty()) << "the editors' files are not recorded";

    LoadedFrame frame;
    ASSERT_TRUE(frame.pFrame);
    theApp.m_pMainWnd = frame.pFrame;
    theApp.m_messages.clear();
    EXPECT_TRUE(theApp.OnCmdMsg(ID_FILE_MRU_FILE1 + 1, CN_COMMAND, nullptr, nullptr));
    EXPECT_NE(-1, recent[0].Find("chat.kvs.bak"));
    EXPECT_TRUE(recent[1].IsEmpty()) << "the gone file's entry goes";
    EXPECT_TRUE(frame.pFrame->m_projects.empty());
    ASSERT_EQ(1u, theApp.m_messages.size()) << "the user is told why nothing opened";
    EXPECT_NE(-1, theApp.m_messages[0].Find("gone.kvs"));
    EXPECT_NE(-1, theApp.m_messages[0].Find("removed from the recent file list"));
    theApp.m_messages.clear();
    theApp.m_pMainWnd = nullptr;
}

// Chosen one after the other from a menu made before the second left the list: before, the last
// command found no entry and told of "the file  cannot be opened" with no name. A share on a server not
// there now keeps its entry; a pipe that is not there is gone.
TEST(RecentFiles, HostileEntriesChosenInTurnEachNameTheirFileAndAGoneEntryTellsNothing)
{
    CRecentFileList& recent = *theApp.m_pRecentFileList;
    while (recent.GetSize() > 0 && !recent[0].IsEmpty())
        recent.Remove(0);
    const std::vector<std::string> hostile = {"\\\\kestova-nowhere\\share\\p.kvs", "\\\\.\\PIPE\\x.kvs",
                                              "C:\\" + std::string(5000, 'd') + "\\p.kvs"};
    for (size_t i = 0; i < hostile.size(); i++)
        recent[int(i)] = hostile[i].c_str();
    LoadedFrame frame;
    ASSERT_TRUE(frame.pFrame);
    theApp.m_pMainWnd = frame.pFrame;
    theApp.m_messages.clear();
    for (UINT nId = ID_FILE_MRU_FILE1; nId < ID_FILE_MRU_FILE1 + hostile.size(); nId++)
        EXPECT_TRUE(theApp.OnCmdMsg(nId, CN_COMMAND, nullptr, nullptr));
    EXPECT_TRUE(frame.pFrame->m_projects.empty());
    for (const CString& strMessage : theApp.m_messages)
        EXPECT_EQ(-1, strMessage.Find("the file  ")) << "a message with no name";
    ASSERT_EQ(2u, theApp.m_messages.size()) << "the third command found no entry left in its place";
    EXPECT_NE(-1, theApp.m_messages[0].Find(hostile[0].c_str()));
    EXPECT_EQ(-1, theApp.m_messages[0].Find("removed")) << (LPCTSTR)theApp.m_messages[0];
    EXPECT_NE(-1, theApp.m_messages[1].Find(hostile[1].c_str()));
    EXPECT_NE(-1, theApp.m_messages[1].Find("removed from the recent file list")) << (LPCTSTR)theApp.m_messages[1];
    EXPECT_EQ(hostile[0], std::string(recent[0]));
    EXPECT_EQ(hostile[2], std::string(recent[1])) << "the third moved up to the second place";
    theApp.LoadStdProfileSettings(4);
    EXPECT_EQ(hostile[2], std::string((*theApp.m_pRecentFileList)[1])) << "the list as it was written";
    theApp.m_messages.clear();
    theApp.m_pMainWnd = nullptr;
}

// A project refused at start-up is told before the pane has made its window.
TEST(OutputPane, LinesWrittenBeforeItsWindowShowOnceItHasOne)
{
    LoadedFrame frame;
    ASSERT_TRUE(frame.pFrame);
    COutputEdit output;
    output.AddLine("Error: early");
    ASSERT_TRUE(output.Create(WS_CHILD | ES_MULTILINE, CRect(0, 0, 100, 50), frame.pFrame, 1));
    output.AddLine("later");
    CString strText;
    output.GetWindowText(strText);
    EXPECT_EQ(CString("Error: early\r\nlater\r\n"), strText);
    output.DestroyWindow();
}

TEST(MainFrame, PopupBarsAreMadeByTheFrameAndOtherBarsByTheCommandBars)
{
    LoadedFrame frame;
    ASSERT_TRUE(frame.pFrame);
    KT_CREATEBARRECORD popup = {nullptr, TRUE, 0, 0, 0, 2, 0};
    EXPECT_TRUE(frame.pFrame->SendMessage(KTWM_CREATECOMMANDBAR, 0, (LPARAM)&popup));
    CKTSmartPtr<CKTCommandBar> pBar = CKTSmartPtr<CKTCommandBar>::Adopt(popup.pCommandBar);
    EXPECT_TRUE(dynamic_cast<CKTPopupBar*>(pBar.GetInterface()));
    KT_CREATEBARRECORD toolbar = {nullptr, FALSE, 0, 0, 0, 0, 0};
    EXPECT_FALSE(frame.pFrame->SendMessage(KTWM_CREATECOMMANDBAR, 0, (LPARAM)&toolbar));
    EXPECT_EQ(nullptr, toolbar.pCommandBar);
}

namespace
{

int g_nFailingFramesDeleted = 0;

class CFailingFrame : public CMainFrame
{
public:
    ~CFailingFrame() override { ++g_nFailingFramesDeleted; }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT) { return -1; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CFailingFrame, CMainFrame)
ON_WM_CREATE()
END_MESSAGE_MAP()

}  // namespace

TEST(MainFrame, AFrameThatFailsToLoadIsDeletedOnceByItself)
{
    CFailingFrame* pFrame = new CFailingFrame;
    EXPECT_FALSE(pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, nullptr));
    EXPECT_EQ(1, g_nFailingFramesDeleted);
}

namespace
{

// Answers the next "WARNING!" question with OK from a timer, inside the box's own loop.
void CALLBACK AnswerWarning(HWND, UINT, UINT_PTR idEvent, DWORD)
{
    HWND hBox = ::FindWindow("#32770", "WARNING!");
    if (!hBox)
        return;
    ::KillTimer(nullptr, idEvent);
    ::PostMessage(hBox, WM_COMMAND, IDOK, 0);
}

HTREEITEM ChildNamed(const CTreeCtrl& tree, HTREEITEM hParent, const char* pszText)
{
    for (HTREEITEM hItem = tree.GetChildItem(hParent); hItem; hItem = tree.GetNextSiblingItem(hItem))
        if (tree.GetItemText(hItem) == pszText)
            return hItem;
    return nullptr;
}

}  // namespace

TEST(MainFrame, PacketAndFieldCommandsFollowTheSelectedKindAndDeleteWhatIsConfirmed)
{
    CTestFolder folder("frame-design");
    const std::string strPath = ExampleAs(folder, "win", "Windows");
    LoadedFrame frame;
    ASSERT_TRUE(frame.pFrame);
    frame.pFrame->ReadSolutionFile(strPath.c_str());
    frame.Select("win");
    COfficeTreeCtrl& tree = frame.Tree();
    const HTREEITEM hProject = tree.GetSelectedItem();
    const HTREEITEM hFolder = ChildNamed(tree, hProject, "Packet");
    ASSERT_TRUE(hFolder);
    tree.SelectItem(hFolder);
    EXPECT_EQ(1, CommandStateOf(*frame.pFrame, ID_PACKET_ADD));
    EXPECT_EQ(0, CommandStateOf(*frame.pFrame, ID_FIELD_ADD));
    const HTREEITEM hPacket = tree.GetChildItem(hFolder);
    tree.SelectItem(hPacket);
    EXPECT_EQ(1, CommandStateOf(*frame.pFrame, ID_PACKET_DELETE));
    EXPECT_EQ(1, CommandStateOf(*frame.pFrame, ID_FIELD_ADD));
    EXPECT_EQ(0, CommandStateOf(*frame.pFrame, ID_FIELD_DELETE));

    const HTREEITEM hField = tree.GetChildItem(hPacket);
    ASSERT_TRUE(hField);
    const CString strField = tree.GetItemText(hField);
    tree.SelectItem(hField);
    EXPECT_EQ(1, CommandStateOf(*frame.pFrame, ID_FIELD_DELETE));
    ProjectRecord& project = *frame.pFrame->m_projects.front();
    const INT_PTR nFields = project.packets[0].fields.GetSize();
    ::SetTimer(nullptr, 0, 50, AnswerWarning);
    frame.pFrame->OnCmdMsg(ID_FIELD_DELETE, CN_COMMAND, nullptr, nullptr);
    EXPECT_EQ(nFields - 1, project.packets[0].fields.GetSize());
    EXPECT_EQ(nullptr, ChildNamed(tree, hPacket, strField));
}

TEST(MainFrame, GenerateCommandsWriteTheFilesOfTheCurrentUnixProjectAndReportInTheOutput)
{
    CTestFolder folder("frame-generate");
    const std::string strPath = ExampleAs(folder, "nix", "Unix(Linux)");
    LoadedFrame frame;
    ASSERT_TRUE(frame.pFrame);
    frame.pFrame->ReadSolutionFile(strPath.c_str());
    frame.Select("nix");
    // Whether selecting opened editors depends on what ran before; with none open, the files take the text.
    if (CMultiDocTemplate* pEditors = theApp.GetEditorTemplate())
        pEditors->CloseAllDocuments(FALSE);
    for (UINT nId : {ID_BUILD_GENERATE_CODE, ID_BUILD_MAKEFILE, ID_BUILD_DIAGRAM})
        frame.pFrame->OnCmdMsg(nId, CN_COMMAND, nullptr, nullptr);
    for (const char* pszFile : {"nix_api.h", "nix_api.c", "nix_api_demo.c", "Makefile", "nix.diagram"})
        EXPECT_FALSE(folder.Read(pszFile).empty()) << pszFile;
    CString strOutput;
    frame.pFrame->m_wndOutput.GetWindowText(strOutput);
    EXPECT_EQ(0, strOutput.Find("Start Generating...\r\nSuccessfully Generated!\r\n")) << (LPCTSTR)strOutput;
}

namespace
{

CString ShippedHelpFile() { return CKTSyntaxEditCtrl::GetModuleFolder() + "help.chm"; }

// The shipped help file moved out of the program folder for as long as it lives.
class CHelpFileAside
{
public:
    CHelpFileAside() : m_bMoved(::MoveFile(ShippedHelpFile(), ShippedHelpFile() + ".aside")) {}
    ~CHelpFileAside()
    {
        if (m_bMoved)
            ::MoveFile(ShippedHelpFile() + ".aside", ShippedHelpFile());
    }
    CHelpFileAside(const CHelpFileAside&) = delete;
    CHelpFileAside& operator=(const CHelpFileAside&) = delete;

private:
    BOOL m_bMoved;
};

// What the frame hands to the shell, kept instead of opened: this Wine has no HTML engine to show help with.
class CShellRecordingFrame : public CMainFrame
{
public:
    std::vector<CString> m_opened;

protected:
    void OpenWithShell(const CString& strTarget) override { m_opened.push_back(strTarget); }
};

}  // namespace

TEST(MainFrame, HelpTopicsHandsTheShippedHelpFileToTheShell)
{
    auto* pRecorder = new CShellRecordingFrame;
    LoadedFrame frame(pRecorder);
    ASSERT_TRUE(frame.pFrame);
    ASSERT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributes(ShippedHelpFile()))
        << "the build puts it beside the program";
    frame.pFrame->OnCmdMsg(ID_HELP_TOPICS, CN_COMMAND, nullptr, nullptr);
    ASSERT_EQ(1u, pRecorder->m_opened.size());
    EXPECT_EQ(ShippedHelpFile(), pRecorder->m_opened[0]);
}

TEST(MainFrame, HelpTopicsWithoutItsHelpFileSaysSo)
{
    CHelpFileAside aside;
    LoadedFrame frame;
    ASSERT_TRUE(frame.pFrame);
    theApp.m_messages.clear();
    frame.pFrame->OnCmdMsg(ID_HELP_TOPICS, CN_COMMAND, nullptr, nullptr);
    ASSERT_EQ(1u, theApp.m_messages.size()) << "the failed opening went unsaid";
    EXPECT_NE(-1, theApp.m_messages[0].Find("help.chm")) << (LPCTSTR)theApp.m_messages[0];
    theApp.m_messages.clear();
}
