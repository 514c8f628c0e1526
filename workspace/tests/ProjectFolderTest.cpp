// What the designer writes stays its own and inside the project's folder: a hostile project name is
// refused on reading, the temporaries a killed save left and its record names are removed at the next open or
// save, and an editor is written through its own "<file>.tmp".
#include "DesignerFrameTest.h"

#include "AllocationFault.h"
#include "DialogAnswer.h"
#include "ProjectReading.h"
#include "WorkspaceRes.h"
#include "afxadv.h"
#include "model/FixedText.h"
#include "LeftRecord.h"
#include "SaveFaults.h"
#include "StandInDisk.h"
#include "TestInput.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <sstream>
#include <vector>

namespace
{

namespace fs = std::filesystem;

// The name typed key by key into the open dialog's file name box, as a user gives it.
void TypeTheName(HWND hDialog, const std::string& strPath)
{
    // The dialog opens with the focus in its file name box, whatever the box is made of.
    const HWND hName = ::GetFocus();
    ASSERT_TRUE(hName && ::IsChild(hDialog, hName));
    CTestInput input(hName);
    ASSERT_TRUE(input.Text(strPath.c_str()));
    char szShown[MAX_PATH] = "";
    ::GetWindowText(hName, szShown, MAX_PATH);
    EXPECT_EQ(strPath, szShown);
}

// Every file and folder under the folder.
std::set<std::string> EntriesUnder(const std::string& folder)
{
    std::set<std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        entries.insert(entry.path().string());
    return entries;
}

bool Exists(const std::string& strPath) { return ::GetFileAttributes(strPath.c_str()) != INVALID_FILE_ATTRIBUTES; }

// A box the file dialog raises over itself (a name it refuses) is answered and the dialog cancelled, so
// that a refusal ends the command rather than waiting for a user.
class CDialogRefusalCancel
{
public:
    CDialogRefusalCancel() : m_nTimer(::SetTimer(nullptr, 0, 50, Tick)) {}
    ~CDialogRefusalCancel() { ::KillTimer(nullptr, m_nTimer); }
    CDialogRefusalCancel(const CDialogRefusalCancel&) = delete;
    CDialogRefusalCancel& operator=(const CDialogRefusalCancel&) = delete;

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        ::EnumThreadWindows(::GetCurrentThreadId(), CancelUnderBox, 0);
    }
    static BOOL CALLBACK CancelUnderBox(HWND hWnd, LPARAM)
    {
        char szClass[16] = "";
        ::GetClassName(hWnd, szClass, sizeof szClass);
        const HWND hOwner = ::GetWindow(hWnd, GW_OWNER);
        if (std::string(szClass) != "#32770" || !::IsWindowVisible(hWnd) || !hOwner)
            return TRUE;
        ::GetClassName(hOwner, szClass, sizeof szClass);
        if (std::string(szClass) != "#32770")
            return TRUE;
        ::PostMessage(hWnd, WM_COMMAND, IDOK, 0);
        ::PostMessage(hOwner, WM_COMMAND, IDCANCEL, 0);
        return FALSE;
    }
    UINT_PTR m_nTimer;
};

class ProjectFolderTest : public DesignerFrameTest
{
protected:
    CString Output() const
    {
        CString strOutput;
        m_pFrame->m_wndOutput.GetWindowText(strOutput);
        return strOutput;
    }
    // The example design as "<relative>", under a project name given as XML attribute text.
    std::string ExampleAt(const std::string& strRelative, const std::string& strName) const
    {
        const std::string strPath = ExampleNamed(m_folder, "example");
        std::string strText = m_folder.Read("example.kvs");
        ::DeleteFile(strPath.c_str());
        strText.replace(strText.find("name=\"example\""), 14, "name=\"" + strName + "\"");
        m_folder.Write(strRelative, strText);
        return m_folder.Path(strRelative);
    }
    // The list emptied, kept where this program's settings are.
    static CRecentFileList& EmptyRecentList()
    {
        CDesignerTestApp& app = DesignerTestApp();
        if (!app.m_pRecentFileList)
        {
            app.SetRegistryKey("Kestova Tests");
            app.m_pszProfileName = app.m_pszExeName;
            app.LoadStdProfileSettings(4);
        }
        CRecentFileList& recent = *app.m_pRecentFileList;
        while (recent.GetSize() > 0 && !recent[0].IsEmpty())
            recent.Remove(0);
        return recent;
    }
    static void ChooseRecent(int nIndex)
    {
        DesignerTestApp().OnCmdMsg(ID_FILE_MRU_FILE1 + nIndex, CN_COMMAND, nullptr, nullptr);
    }
    // What a save of the design cut off after it went aside leaves: no design, its copy aside, the new one half
    // written, and the record.
    void LeaveDesignAside(const std::string& strPath, const std::string& strDesign) const
    {
        ASSERT_TRUE(m_folder.Write("chat.kvs.tmo", strDesign));
        ASSERT_TRUE(m_folder.Write("chat.kvs.tmp", strDesign.substr(0, strDesign.size() / 2)));
        ASSERT_TRUE(::DeleteFile(strPath.c_str()));
        ASSERT_TRUE(LeaveRecord(m_folder.Path(), StepsUntilTheFirstWentIn({"chat.kvs"})));
    }
};

}  // namespace

// Clicking such a project once wrote its files two folders up, over what stood there.
TEST_F(ProjectFolderTest, AHostileProjectNameIsRefusedOnReadingAndNothingIsWrittenOutsideTheFolder)
{
    ASSERT_TRUE(::CreateDirectory(m_folder.Path("outer").c_str(), nullptr));
    ASSERT_TRUE(::CreateDirectory(m_folder.Path("outer\\inner").c_str(), nullptr));
    m_folder.Write("victim.diagram", "the user's own file");
    int nFile = 0;
    for (const char* pszName : {"..\\..\\victim", "..\\x", "con", "sub/x", "nul.c", "a:b"})
    {
        SCOPED_TRACE(pszName);
        const std::string strPath = ExampleAt("outer\\inner\\p" + std::to_string(nFile++) + ".kvs", pszName);
        const std::set<std::string> before = EntriesUnder(m_folder.Path());
        DesignerTestApp().m_messages.clear();
        m_pFrame->ReadSolutionFile(strPath.c_str());
        EXPECT_TRUE(m_pFrame->m_projects.empty());
        EXPECT_EQ(std::vector<CString>{"invalid project file!"}, DesignerTestApp().m_messages);
        EXPECT_NE(-1,
                  Output().Find(("Error: invalid project file " + strPath +
                                 ": project attribute \"name\" is refused: \"" + pszName + "\" cannot be a file name")
                                    .c_str()))
            << (LPCTSTR)Output();
        EXPECT_EQ(before, EntriesUnder(m_folder.Path()));
    }
    EXPECT_EQ("the user's own file", m_folder.Read("victim.diagram"));
}

// A name that reached a loaded project another way still makes no path outside its folder.
TEST_F(ProjectFolderTest, APathMadeFromANameThatLeavesTheFolderIsRefusedAndNothingIsWritten)
{
    ASSERT_TRUE(::CreateDirectory(m_folder.Path("inner").c_str(), nullptr));
    m_pFrame->ReadSolutionFile(ExampleAt("inner\\chat.kvs", "chat").c_str());
    ASSERT_EQ(1u, m_pFrame->m_projects.size());
    CopyFixedText(m_pFrame->m_projects[0]->name, "..\\victim");
    const std::set<std::string> before = EntriesUnder(m_folder.Path());
    Select(ProjectItem("chat"));
    ASSERT_EQ(1u, DesignerTestApp().m_messages.size());
    EXPECT_EQ(0, DesignerTestApp().m_messages[0].Find("\"..\\victim.diagram\" cannot be a file name"))
        << (LPCTSTR)DesignerTestApp().m_messages[0];
    EXPECT_EQ(before, EntriesUnder(m_folder.Path()));
    CopyFixedText(m_pFrame->m_projects[0]->name, "chat");
}

// Killed while writing a save, the atomic writer leaves "<file>.tmp" beside the file, the set-aside name
// it reserved and its record naming them. Only what a record proves the run's goes: before, every
// "<file>.tmp" of the project's names went, the user's too. An opening puts it right, and so does the
// next write into the folder.
TEST_F(ProjectFolderTest, TheTemporariesOfAKilledSaveAreGoneAfterTheNextOpenAndSaveAndNoOthers)
{
    const std::string strPath = ExampleNamed(m_folder, "chat");
    const std::vector<std::string> others = {"notes.tmp",      "other_api.c.tmp", "chat.kvs.tmp.kept",
                                             "kfw1A.tmp",      "chat_api.h.tmp",  "Makefile.tmp",
                                             "chat_api.c.tmo", "dravolint.c.tmp"};
    const auto plant = [&](const std::string& strSaved)
    {
        ASSERT_TRUE(m_folder.Write(strSaved + ".tmp", "half of a file"));
        ASSERT_TRUE(m_folder.Write(strSaved + ".tmo", ""));
        ASSERT_TRUE(LeaveRecord(m_folder.Path(), {{RunStep::Old, strSaved}, {RunStep::Wrote, strSaved}}));
    };
    for (const std::string& strFile : others)
        ASSERT_TRUE(m_folder.Write(strFile, "the user's"));
    plant("chat.kvs");
    m_pFrame->ReadSolutionFile(strPath.c_str());
    ASSERT_EQ(1u, m_pFrame->m_projects.size());
    EXPECT_FALSE(Exists(m_folder.Path("chat.kvs.tmp"))) << "stays after the open";
    EXPECT_FALSE(Exists(m_folder.Path("chat.kvs.tmo"))) << "stays after the open";

    ASSERT_TRUE(m_folder.Write("chat_api_demo.c", "old demo"));
    plant("chat_api_demo.c");
    // A design changed since it was read: saving it writes into the folder.
    m_pFrame->m_projects[0]->libraryType = 1 - m_pFrame->m_projects[0]->libraryType;
    RunCommand(ID_PROJECT_SAVE_ALL);
    EXPECT_EQ("old demo", m_folder.Read("chat_api_demo.c"));
    EXPECT_FALSE(Exists(m_folder.Path("chat_api_demo.c.tmp"))) << "stays after the save";
    EXPECT_FALSE(Exists(m_folder.Path("replacing.tmr")));
    for (const std::string& strFile : others)
        EXPECT_EQ("the user's", m_folder.Read(strFile)) << strFile << " is not the designer's";
    EXPECT_TRUE(DesignerTestApp().m_messages.empty());
}

// Killed after its header went in, Generate leaves the new header, its old one set aside, the old
// sources with their temporaries and reserved set-asides, and its record: the next open puts the old
// header back, so that no header of one design stands beside sources of another. Copies the user keeps as
// "<file>.old" are not the designer's.
TEST_F(ProjectFolderTest, AGenerateKilledMidwayIsUndoneAtTheNextOpenAndTheUsersOldCopiesAreKept)
{
    const std::vector<std::pair<std::string, std::string>> killed = {
        {"chat_api.h", "new header"},     {"chat_api.h.tmo", "old header"},
        {"chat_api.c", "old source"},     {"chat_api.c.tmo", ""},
        {"chat_api.c.tmp", "new source"}, {"chat_api_demo.c", "old demo"},
        {"chat_api_demo.c.tmo", ""},      {"chat_api_demo.c.tmp", "new demo"},
        {"Makefile", "the user's rules"}, {"Makefile.old", "the user's older"},
        {"chat_api.c.old", "the user's"}, {"chat_api.h.old", "the user's"}};
    for (const auto& [strFile, strText] : killed)
        ASSERT_TRUE(m_folder.Write(strFile, strText));
    ASSERT_TRUE(
        LeaveRecord(m_folder.Path(), StepsUntilTheFirstWentIn({"chat_api.h", "chat_api.c", "chat_api_demo.c"})));
    m_pFrame->ReadSolutionFile(ExampleNamed(m_folder, "chat").c_str());
    ASSERT_EQ(1u, m_pFrame->m_projects.size());
    RunCommand(ID_PROJECT_SAVE_ALL);

    EXPECT_EQ("old header", m_folder.Read("chat_api.h"));
    EXPECT_EQ("old source", m_folder.Read("chat_api.c"));
    EXPECT_EQ("old demo", m_folder.Read("chat_api_demo.c"));
    for (const char* pszLeft : {"chat_api.h.tmo", "chat_api.c.tmp", "chat_api.c.tmo", "chat_api_demo.c.tmp",
                                "chat_api_demo.c.tmo", "replacing.tmr"})
        EXPECT_FALSE(Exists(m_folder.Path(pszLeft))) << pszLeft;
    for (const char* pszUsers : {"Makefile", "Makefile.old", "chat_api.c.old", "chat_api.h.old"})
        EXPECT_NE(std::string::npos, m_folder.Read(pszUsers).find("the user's")) << pszUsers;
}

// Before, the record of another project's run cut off in the same folder was never acted on: every
// Generate of chat was refused.
TEST_F(ProjectFolderTest, AnotherProjectsRunCutOffInTheFolderIsPutRightAtTheNextOpen)
{
    const std::vector<std::pair<std::string, std::string>> killed = {{"sensor_api.h", "new header"},
                                                                     {"sensor_api.h.tmo", "old header"},
                                                                     {"sensor_api.c", "old source"},
                                                                     {"sensor_api.c.tmo", ""},
                                                                     {"sensor_api.c.tmp", "new source"}};
    for (const auto& [strFile, strText] : killed)
        ASSERT_TRUE(m_folder.Write(strFile, strText));
    ASSERT_TRUE(LeaveRecord(m_folder.Path(), StepsUntilTheFirstWentIn({"sensor_api.h", "sensor_api.c"})));
    m_pFrame->ReadSolutionFile(ExampleNamed(m_folder, "chat").c_str());
    ASSERT_EQ(1u, m_pFrame->m_projects.size());
    Select(ProjectItem("chat"));
    RunCommand(ID_BUILD_GENERATE_CODE);

    EXPECT_EQ(-1, Output().Find("Error")) << (LPCTSTR)Output();
    EXPECT_EQ("old header", m_folder.Read("sensor_api.h"));
    EXPECT_EQ("old source", m_folder.Read("sensor_api.c"));
    for (const char* pszLeft : {"sensor_api.h.tmo", "sensor_api.c.tmp", "sensor_api.c.tmo", "replacing.tmr"})
        EXPECT_FALSE(Exists(m_folder.Path(pszLeft))) << pszLeft;
}

namespace
{

// What a Generate of chat killed after its header went in leaves, with the header as given.
void LeaveKilledGenerate(const CTestFolder& folder, const std::string& strHeader)
{
    const std::vector<std::pair<std::string, std::string>> killed = {{"chat_api.h", "new header"},
                                                                     {"chat_api.h.tmo", "old header"},
                                                                     {"chat_api.c", "old source"},
                                                                     {"chat_api.c.tmo", ""},
                                                                     {"chat_api.c.tmp", "new source"}};
    for (const auto& [strFile, strText] : killed)
        ASSERT_TRUE(folder.Write(strFile, strText));
    ASSERT_TRUE(LeaveRecord(folder.Path(), StepsUntilTheFirstWentIn({"chat_api.h", "chat_api.c"})));
    ASSERT_TRUE(folder.Write("chat_api.h", strHeader));
}

}  // namespace

// Before, the opening said nothing of a run it could not put right, and a header another program held was
// emptied. The output pane names what holds the run up, and every file stays whole.
TEST_F(ProjectFolderTest, TheOpeningNamesTheFileThatHoldsAnInterruptedRunUp)
{
    LeaveKilledGenerate(m_folder, "new header");
    const std::string strPath = ExampleNamed(m_folder, "chat");
    {
        CHeldOpen held(m_folder.Path("chat_api.h").c_str());
        m_pFrame->ReadSolutionFile(strPath.c_str());
    }
    ASSERT_EQ(1u, m_pFrame->m_projects.size());
    EXPECT_NE(-1, Output().Find(("Opening " + strPath + ": an interrupted run that " + m_folder.Path("replacing.tmr") +
                                 " records cannot be put right while another program holds " +
                                 m_folder.Path("chat_api.h") + "; closing that program lets the run be put right")
                                    .c_str()))
        << (LPCTSTR)Output();
    EXPECT_EQ("new header", m_folder.Read("chat_api.h"));
    EXPECT_EQ("old header", m_folder.Read("chat_api.h.tmo"));
    EXPECT_EQ("old source", m_folder.Read("chat_api.c"));
}

// Before, a header the user wrote after the kill had the old one put back over it with no word. It stays,
// beside the old one, and the output pane names both.
TEST_F(ProjectFolderTest, TheOpeningKeepsAndNamesAHeaderTheUserEditedAfterAKill)
{
    LeaveKilledGenerate(m_folder, "new header and the user's line");
    const std::string strPath = ExampleNamed(m_folder, "chat");
    m_pFrame->ReadSolutionFile(strPath.c_str());
    EXPECT_NE(-1, Output().Find(("Opening " + strPath + ": an interrupted run that " + m_folder.Path("replacing.tmr") +
                                 " recorded could not be undone whole; " + m_folder.Path("chat_api.h") +
                                 " was changed since and is left as it is; its old contents wait in " +
                                 m_folder.Path("chat_api.h.tmo"))
                                    .c_str()))
        << (LPCTSTR)Output();
    EXPECT_EQ("new header and the user's line", m_folder.Read("chat_api.h"));
    EXPECT_EQ("old header", m_folder.Read("chat_api.h.tmo"));
    EXPECT_EQ("old source", m_folder.Read("chat_api.c"));
    EXPECT_FALSE(Exists(m_folder.Path("replacing.tmr")));
}

// Before, a header a cut-off run held aside, its run not put right yet, was made empty at its name as the project
// was selected: the run then found a file it could not prove its own there. Nothing is made at the name until the
// run is put right; the selection after that puts it right and the header comes back.
TEST_F(ProjectFolderTest, TheSelectionMakesNoFileWhereARunThatCannotBePutRightYetHoldsItAside)
{
    const std::string strPath = ExampleNamed(m_folder, "chat");
    ASSERT_TRUE(m_folder.Write("chat_api.h.tmo", "old header"));
    ASSERT_TRUE(LeaveRecord(m_folder.Path(), {{RunStep::Old, "chat_api.h"}, {RunStep::Aside, "chat_api.h"}}));
    {
        CHeldOpen holder(m_folder.Path("chat_api.h.tmo").c_str(), FILE_SHARE_READ);
        ASSERT_TRUE(holder.IsHeld());
        m_pFrame->ReadSolutionFile(strPath.c_str());
        ASSERT_EQ(1u, m_pFrame->m_projects.size()) << (LPCTSTR)Output();
        Select(ProjectItem("chat"));
        EXPECT_FALSE(Exists(m_folder.Path("chat_api.h")));
        ASSERT_EQ(1u, DesignerTestApp().m_messages.size());
        EXPECT_NE(-1, DesignerTestApp().m_messages[0].Find(
                          " cannot be made until the interrupted run in its folder is put right"))
            << (LPCTSTR)DesignerTestApp().m_messages[0];
    }
    Select(m_pFrame->m_wndProjectTree.m_hRoot);
    Select(ProjectItem("chat"));
    EXPECT_EQ("old header", m_folder.Read("chat_api.h"));
    for (const char* pszLeft : {"chat_api.h.tmo", "replacing.tmr"})
        EXPECT_FALSE(Exists(m_folder.Path(pszLeft))) << pszLeft;
    EXPECT_EQ(1u, DesignerTestApp().m_messages.size()) << "the later try is quiet";
    EXPECT_NE(-1, Output().Find("Showing chat: an interrupted run that ")) << (LPCTSTR)Output();
}

// Before, the selection's refusal to make a file a run held aside in a folder that cannot be written said only that
// the run was to be put right, as if another program letting go would do it.
TEST_F(ProjectFolderTest, TheSelectionSaysOnceThatAFolderWhoseRunHoldsAFileAsideCannotBeWritten)
{
    const std::string strPath = ExampleNamed(m_folder, "chat");
    ASSERT_TRUE(m_folder.Write("chat_api.h.tmo", "old header"));
    ASSERT_TRUE(LeaveRecord(m_folder.Path(), {{RunStep::Old, "chat_api.h"}, {RunStep::Aside, "chat_api.h"}}));
    DiskFaults faults;
    faults.readOnly = true;
    const CStandInDisk disk(faults);
    m_pFrame->ReadSolutionFile(strPath.c_str());
    ASSERT_EQ(1u, m_pFrame->m_projects.size()) << (LPCTSTR)Output();
    Select(ProjectItem("chat"));
    EXPECT_FALSE(Exists(m_folder.Path("chat_api.h")));
    ASSERT_EQ(1u, DesignerTestApp().m_messages.size());
    const std::string message(DesignerTestApp().m_messages[0]);
    EXPECT_EQ("the file " + m_folder.Path("chat_api.h") +
                  " cannot be made until the interrupted run in its folder is put right, which it cannot be while the "
                  "folder cannot be written",
              message);
}

// Before, a design whose save was cut off once it went aside could not be opened: the run was put right only
// after the design was read, and it was not there to read. The opening puts the run right first.
TEST_F(ProjectFolderTest, ADesignWhoseSaveWasCutOffWhileItWasAsideOpens)
{
    const std::string strPath = ExampleNamed(m_folder, "chat");
    const std::string strDesign = m_folder.Read("chat.kvs");
    ASSERT_TRUE(m_folder.Write("chat.kvs.tmo", strDesign));
    ASSERT_TRUE(m_folder.Write("chat.kvs.tmp", strDesign.substr(0, strDesign.size() / 2)));
    ASSERT_TRUE(::DeleteFile(strPath.c_str()));
    ASSERT_TRUE(LeaveRecord(m_folder.Path(), StepsUntilTheFirstWentIn({"chat.kvs"})));
    m_pFrame->ReadSolutionFile(strPath.c_str());
    ASSERT_EQ(1u, m_pFrame->m_projects.size()) << (LPCTSTR)Output();
    EXPECT_EQ(strDesign, m_folder.Read("chat.kvs"));
    for (const char* pszLeft : {"chat.kvs.tmo", "chat.kvs.tmp", "replacing.tmr"})
        EXPECT_FALSE(Exists(m_folder.Path(pszLeft))) << pszLeft;
    EXPECT_TRUE(DesignerTestApp().m_messages.empty());
}

// Before, only the command line opened such a design: the recent list looked for the file before its folder
// was put right and dropped the entry, and File > Open would not take the name of a file not there, nor a
// name typed without its extension.
TEST_F(ProjectFolderTest, ADesignWhoseSaveWasCutOffWhileItWasAsideOpensFromTheRecentListAndFileOpen)
{
    const std::string strPath = ExampleNamed(m_folder, "chat");
    const std::string strDesign = m_folder.Read("chat.kvs");
    CRecentFileList& recent = EmptyRecentList();
    const std::string strStartedIn = std::filesystem::current_path().string();
    const auto openTyping = [&](const std::string& strTyped)
    {
        CDialogRefusalCancel refusal;
        Answering(
            "Open", [&](HWND hDialog) { TypeTheName(hDialog, strTyped); }, [&] { RunCommand(ID_PROJECT_OPEN); });
    };
    // Only its set-aside copies are listed then, so the user types its name, maybe without the extension.
    const std::vector<std::pair<const char*, std::function<void()>>> ways = {
        {"the recent list", [&] { ChooseRecent(0); }},
        {"File > Open", [&] { openTyping(strPath); }},
        {"File > Open, the name typed without its extension",
         [&] { openTyping(strPath.substr(0, strPath.size() - std::strlen(".kvs"))); }}};
    for (const auto& [pszWay, open] : ways)
    {
        SCOPED_TRACE(pszWay);
        LeaveDesignAside(strPath, strDesign);
        recent[0] = strPath.c_str();
        open();
        ASSERT_EQ(1u, m_pFrame->m_projects.size()) << (LPCTSTR)Output();
        EXPECT_EQ(strDesign, m_folder.Read("chat.kvs"));
        for (const char* pszLeft : {"chat.kvs.tmo", "chat.kvs.tmp", "replacing.tmr"})
            EXPECT_FALSE(Exists(m_folder.Path(pszLeft))) << pszLeft;
        EXPECT_EQ(0, recent[0].CompareNoCase(strPath.c_str())) << "the entry stays";
        EXPECT_TRUE(DesignerTestApp().m_messages.empty()) << (LPCTSTR)DesignerTestApp().m_messages[0];
        Select(ProjectItem("chat"));
        RunCommand(ID_PROJECT_CLOSE);
    }
    // The dialog leaves the program's folder as it was: the design's may go, and the tools Compile starts
    // would not start from a folder that is gone.
    EXPECT_EQ(strStartedIn, std::filesystem::current_path().string());
}

// Before, a design set aside by a save cut off, in a folder whose run could not be put right yet, was said
// to be gone and lost its recent entry. It waits aside: the entry stays and the box says why it will not
// open; once the run can be put right it opens.
TEST_F(ProjectFolderTest, ADesignAsideWhileItsRunCannotBePutRightKeepsItsRecentEntry)
{
    const std::string strPath = ExampleNamed(m_folder, "chat");
    const std::string strDesign = m_folder.Read("chat.kvs");
    CRecentFileList& recent = EmptyRecentList();
    LeaveDesignAside(strPath, strDesign);
    recent[0] = strPath.c_str();
    CHeldOpen holder(m_folder.Path("chat.kvs.tmo").c_str(), FILE_SHARE_READ);
    ASSERT_TRUE(holder.IsHeld());
    const auto typeTheName = [&](HWND hDialog) { TypeTheName(hDialog, strPath); };
    ChooseRecent(0);
    {
        CDialogRefusalCancel refusal;
        Answering("Open", typeTheName, [&] { RunCommand(ID_PROJECT_OPEN); });
    }
    EXPECT_TRUE(m_pFrame->m_projects.empty());
    EXPECT_EQ(0, recent[0].CompareNoCase(strPath.c_str())) << "the entry stays";
    ASSERT_EQ(2u, DesignerTestApp().m_messages.size());
    for (const CString& strMessage : DesignerTestApp().m_messages)
        EXPECT_EQ(0, strMessage.Find(("the file " + strPath +
                                      " cannot be opened until the interrupted run in its folder is put right (")
                                         .c_str()))
            << (LPCTSTR)strMessage;

    holder.Release();
    ChooseRecent(0);
    ASSERT_EQ(1u, m_pFrame->m_projects.size()) << (LPCTSTR)Output();
    EXPECT_EQ(strDesign, m_folder.Read("chat.kvs"));
}

// Before, every design that would not open from the recent list lost its entry. One that is held, or on a
// drive not there now, may open later; one gone from a folder that is there goes.
TEST_F(ProjectFolderTest, OnlyAGoneDesignLeavesTheRecentList)
{
    const std::string strHeld = ExampleNamed(m_folder, "held");
    const std::string strNoDrive = "Q:\\designs\\far.kvs";
    const std::string strGone = m_folder.Path("gone\\gone.kvs");
    CRecentFileList& recent = EmptyRecentList();
    recent[0] = strHeld.c_str();
    recent[1] = strNoDrive.c_str();
    recent[2] = strGone.c_str();
    CHeldOpen holder(strHeld.c_str());
    ASSERT_TRUE(holder.IsHeld());
    for (int nIndex : {0, 1, 2})
        ChooseRecent(nIndex);
    EXPECT_TRUE(m_pFrame->m_projects.empty());
    EXPECT_EQ(strHeld, std::string(recent[0]));
    EXPECT_EQ(strNoDrive, std::string(recent[1]));
    EXPECT_TRUE(recent[2].IsEmpty()) << "the gone design's entry goes";
    ASSERT_EQ(3u, DesignerTestApp().m_messages.size());
    for (std::size_t i = 0; i < 2; i++)
        EXPECT_EQ(-1, DesignerTestApp().m_messages[i].Find("removed")) << (LPCTSTR)DesignerTestApp().m_messages[i];
    const std::string gone(DesignerTestApp().m_messages[2]);
    EXPECT_EQ(0u, gone.find("the file " + strGone + " cannot be opened (")) << gone;
    EXPECT_NE(std::string::npos, gone.find("); it is removed from the recent file list!")) << gone;

    holder.Release();
    ChooseRecent(0);
    EXPECT_EQ(1u, m_pFrame->m_projects.size()) << "opens once it is let go";
}

// Before, a run whose record names other files alone kept a design gone from its folder in the recent list, the
// box telling the user to wait for the run. Only a record damaged past its reading may name any file.
TEST_F(ProjectFolderTest, AGoneDesignLeavesTheRecentListBesideARunCutOffThatDoesNotNameIt)
{
    const std::string strGone = m_folder.Path("gone.kvs");
    CRecentFileList& recent = EmptyRecentList();
    ASSERT_TRUE(m_folder.Write("chat_api.h.tmo", "old header"));
    ASSERT_TRUE(LeaveRecord(m_folder.Path(), {{RunStep::Old, "chat_api.h"}, {RunStep::Aside, "chat_api.h"}}));
    const std::string record = m_folder.Read("replacing.tmr");
    CHeldOpen holder(m_folder.Path("chat_api.h.tmo").c_str(), FILE_SHARE_READ);
    ASSERT_TRUE(holder.IsHeld());
    recent[0] = strGone.c_str();
    ChooseRecent(0);
    EXPECT_TRUE(recent[0].IsEmpty()) << "the gone design's entry goes";

    ASSERT_TRUE(m_folder.Write("replacing.tmr", record + "old gone.kvs 0123456789abcdef\n"));
    recent[0] = strGone.c_str();
    ChooseRecent(0);
    EXPECT_EQ(0, recent[0].CompareNoCase(strGone.c_str())) << "the entry stays";

    const std::vector<CString>& messages = DesignerTestApp().m_messages;
    ASSERT_EQ(2u, messages.size());
    const std::string gone(messages[0]);
    EXPECT_EQ(0u, gone.find("the file " + strGone + " cannot be opened (")) << gone;
    EXPECT_NE(std::string::npos, gone.find("); it is removed from the recent file list!")) << gone;
    EXPECT_EQ(0, messages[1].Find(("the file " + strGone +
                                   " cannot be opened until the interrupted run in its folder is put right (")
                                      .c_str()))
        << (LPCTSTR)messages[1];
    EXPECT_EQ("old header", m_folder.Read("chat_api.h.tmo"));
}

// Before, a file at the record's name that is no record of the designer's, which no run will ever put right, had
// the selection and the opening tell the user to wait for an interrupted run. They name the file in the way; the
// recent entry stays, as it may be a record whose run holds the design aside.
TEST_F(ProjectFolderTest, AFileInTheRecordsWayIsWhatTheSelectionAndTheOpeningWaitOn)
{
    const std::string strRecord = m_folder.Path("replacing.tmr");
    const std::string strUntil = " until " + strRecord + ", which is in the way, is moved elsewhere";
    const std::string strMissing = m_folder.Path("sensor.kvs");
    CRecentFileList& recent = EmptyRecentList();
    m_pFrame->ReadSolutionFile(ExampleNamed(m_folder, "chat").c_str());
    ASSERT_EQ(1u, m_pFrame->m_projects.size()) << (LPCTSTR)Output();
    ASSERT_TRUE(m_folder.Write("replacing.tmr", "another program's notes"));
    Select(ProjectItem("chat"));
    recent[0] = strMissing.c_str();
    ChooseRecent(0);

    const std::vector<CString>& messages = DesignerTestApp().m_messages;
    ASSERT_EQ(2u, messages.size());
    EXPECT_NE(-1, messages[0].Find((" cannot be made" + strUntil).c_str())) << (LPCTSTR)messages[0];
    EXPECT_EQ(0, messages[1].Find(("the file " + strMissing + " cannot be opened" + strUntil + " (").c_str()))
        << (LPCTSTR)messages[1];
    EXPECT_EQ(0, recent[0].CompareNoCase(strMissing.c_str())) << "the entry stays";
    EXPECT_NE(-1, Output().Find((strRecord + " is in the way; moving it elsewhere").c_str())) << (LPCTSTR)Output();
    EXPECT_EQ("another program's notes", m_folder.Read("replacing.tmr"));
}

// Before, a folder that could not be looked at for want of memory was said to hold an interrupted run.
TEST_F(ProjectFolderTest, AFolderNotLookedAtForWantOfMemoryWaitsForMemoryNotForARun)
{
    const CString strFolder = m_folder.Path().c_str();
    FolderRecovery starved;
    {
        AllocationFault fault(0, AllocationFault::Threads::ThisOne);
        starved = RecoverFolder(strFolder);
    }
    ASSERT_TRUE(AllocationFault::Happened());
    EXPECT_EQ(" until there is the memory to look at its folder", std::string(starved.Until()));
    EXPECT_TRUE(starved.MayHold(m_folder.Path("chat.kvs").c_str())) << "nothing is known of the folder";
}

// Before, memory running out once the folder was put right, as the words for what was done were made, had the
// folder wait for the memory to look at it. Only a folder whose run is still recorded waits for memory.
TEST_F(ProjectFolderTest, AFolderPutRightBeforeMemoryRanOutWaitsForNothing)
{
    const CString strFolder = m_folder.Path().c_str();
    for (long nSucceeding = 0;; nSucceeding++)
    {
        for (const char* pszLeft : {"chat_api.h", "replacing.tmr"})
            std::filesystem::remove(m_folder.Path(pszLeft));
        ASSERT_TRUE(m_folder.Write("chat_api.h.tmo", "old header"));
        ASSERT_TRUE(LeaveRecord(m_folder.Path(), {{RunStep::Old, "chat_api.h"}, {RunStep::Aside, "chat_api.h"}}));
        FolderRecovery settled;
        {
            AllocationFault fault(nSucceeding, AllocationFault::Threads::ThisOne);
            settled = RecoverFolder(strFolder);
        }
        if (!AllocationFault::Happened())
            break;
        if (!Exists(m_folder.Path("replacing.tmr")))
        {
            EXPECT_EQ(FolderRecovery::Pending::None, settled.pending) << nSucceeding;
            EXPECT_FALSE(settled.strTold.IsEmpty()) << nSucceeding;
        }
    }
}

// Before, memory running out as the words were made for a file in the record's way, or for another program's run
// going on, said a run cut off in the folder was put right; and a design there waited " until , which is in the
// way, is moved elsewhere" where the record's own name wanted the memory, as it did for a record that could not go.
// Then a run that could not be put right, or a finished run whose old files could not go, was said to be put
// right as far as it could be, and so was a folder gone. Nothing was put right where no run was, and what waits
// is said without the name.
TEST_F(ProjectFolderTest, MemoryRunningOutAsTheWordsAreMadeSaysNoRunPutRightWhereNoneWas)
{
    const CString strFolder = m_folder.Path().c_str();
    enum class Left
    {
        InTheWay,
        Anothers,
        RecordStays,
        RunBlocked,
        OldFilesWait,
        FolderGone,
        RecordGoing,  // its removal taken while a scanner holds it, as Windows leaves it
    };
    for (const Left left : {Left::InTheWay, Left::Anothers, Left::RecordStays, Left::RunBlocked, Left::OldFilesWait,
                            Left::FolderGone, Left::RecordGoing})
    {
        SCOPED_TRACE(static_cast<int>(left));
        for (const char* pszLeft : {"replacing.tmr", "chat_api.h", "chat_api.h.tmo"})
            std::filesystem::remove(m_folder.Path(pszLeft));
        CRunRecord other;
        DiskFaults faults;
        faults.removalsStay = left == Left::RecordStays;
        faults.readOnly = left == Left::RunBlocked;
        if (left == Left::Anothers)
            ASSERT_EQ(CRunRecord::Opened::Held, other.Create(RecordPathIn(strFolder)));
        else if (left == Left::InTheWay)
            ASSERT_TRUE(m_folder.Write("replacing.tmr", "another program's notes"));
        else if (left == Left::RecordStays)
            ASSERT_TRUE(LeaveRecord(m_folder.Path(), {{RunStep::Old, "chat_api.h"}}));
        else if (left == Left::RunBlocked)
        {
            ASSERT_TRUE(m_folder.Write("chat_api.h.tmo", "old header"));
            ASSERT_TRUE(LeaveRecord(m_folder.Path(), {{RunStep::Old, "chat_api.h"}, {RunStep::Aside, "chat_api.h"}}));
        }
        std::optional<CHeldOpen> scanner;
        if (left == Left::RecordGoing)
        {
            ASSERT_TRUE(LeaveRecord(m_folder.Path(), {{RunStep::Old, "chat_api.h"}}));
            scanner.emplace(m_folder.Path("replacing.tmr").c_str(),
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
            faults.pendingRemoval = "replacing.tmr";
        }
        else if (left == Left::OldFilesWait)
        {
            ASSERT_TRUE(m_folder.Write("chat_api.h", "new header"));
            ASSERT_TRUE(m_folder.Write("chat_api.h.tmo", "old header"));
            RunSteps steps = StepsUntilAllWentIn({"chat_api.h"});
            steps.emplace_back(RunStep::Placed, "");
            ASSERT_TRUE(LeaveRecord(m_folder.Path(), steps));
            faults.held = "chat_api.h.tmo";
        }
        const CString strAt = left == Left::FolderGone ? strFolder + "\\gone" : strFolder;
        for (long nSucceeding = 0;; nSucceeding++)
        {
            FolderRecovery settled;
            {
                CStandInDisk disk(faults);
                AllocationFault fault(nSucceeding, AllocationFault::Threads::ThisOne);
                settled = RecoverFolder(strAt);
            }
            if (!AllocationFault::Happened())
                break;
            if (settled.pending == FolderRecovery::Pending::NoMemory)
                continue;
            const bool bRun = left == Left::RecordStays || left == Left::RunBlocked;
            EXPECT_EQ(bRun, settled.strTold.Find("put right") != -1) << nSucceeding << ": " << (LPCTSTR)settled.strTold;
            if (left == Left::RunBlocked)
                EXPECT_EQ(-1, settled.strTold.Find("was put right")) << nSucceeding << ": " << (LPCTSTR)settled.strTold;
            if (left == Left::FolderGone)
                EXPECT_TRUE(settled.strTold.IsEmpty()) << nSucceeding << ": " << (LPCTSTR)settled.strTold;
            if (left == Left::RecordGoing)
            {
                EXPECT_EQ(-1, settled.Until().Find("put right")) << nSucceeding << ": " << (LPCTSTR)settled.Until();
                EXPECT_FALSE(settled.unwritable) << nSucceeding;
            }
            EXPECT_EQ(-1, settled.Until().Find(" until ,")) << nSucceeding << ":" << (LPCTSTR)settled.Until();
        }
    }
}

// Before, a run put right whole whose record alone could not go had the selection make no missing file, and a
// save wait "until the interrupted run in its folder is put right". The record is what waits, and nothing is held.
TEST_F(ProjectFolderTest, ARunPutRightWholeWhoseRecordCannotGoWaitsOnTheRecordAlone)
{
    ASSERT_TRUE(m_folder.Write("chat_api.h", "new header"));
    ASSERT_TRUE(m_folder.Write("chat_api.h.tmo", "old header"));
    ASSERT_TRUE(LeaveRecord(m_folder.Path(), StepsUntilTheFirstWentIn({"chat_api.h"})));
    FolderRecovery settled;
    {
        DiskFaults stays;
        stays.removalsStay = true;
        CStandInDisk disk(stays);
        settled = RecoverFolder(m_folder.Path().c_str());
    }
    EXPECT_EQ(FolderRecovery::Pending::Blocked, settled.pending);
    // Wine keeps the names of removals in a folder that cannot be written: said as such.
    EXPECT_EQ(" until " + m_folder.Path("replacing.tmr") +
                  ", the record of a run put right in its folder, can be removed, which it cannot be while the folder "
                  "cannot be written",
              std::string(settled.Until()));
    EXPECT_FALSE(settled.MayHold(m_folder.Path("chat.kvs").c_str()));
}

// Before, a run cut off in the folder that cannot be put right yet kept the selection from making a missing file
// of the design, though its record, read whole, names only another design's files.
TEST_F(ProjectFolderTest, TheSelectionMakesAFileARunThatCannotBePutRightYetDoesNotName)
{
    ASSERT_TRUE(m_folder.Write("other_api.h.tmo", "old header"));
    ASSERT_TRUE(LeaveRecord(m_folder.Path(), {{RunStep::Old, "other_api.h"}, {RunStep::Aside, "other_api.h"}}));
    CHeldOpen holder(m_folder.Path("other_api.h.tmo").c_str(), FILE_SHARE_READ);
    ASSERT_TRUE(holder.IsHeld());
    m_pFrame->ReadSolutionFile(ExampleNamed(m_folder, "chat").c_str());
    ASSERT_EQ(1u, m_pFrame->m_projects.size()) << (LPCTSTR)Output();
    Select(ProjectItem("chat"));
    EXPECT_TRUE(DesignerTestApp().m_messages.empty()) << (LPCTSTR)DesignerTestApp().m_messages[0];
    EXPECT_TRUE(Exists(m_folder.Path("chat_api.h")));
    EXPECT_EQ("old header", m_folder.Read("other_api.h.tmo"));
}

// An editor's new text reaches the disk through "<file>.tmp", which the next open knows as its own.
// Wine's move would replace a read-only file, which Windows refuses: the editor refuses it too.
TEST_F(ProjectFolderTest, AnEditorIsWrittenThroughItsTemporaryAndAReadOnlyFileIsRefusedInTheSystemsWords)
{
    m_pFrame->ReadSolutionFile(ExampleNamed(m_folder, "chat").c_str());
    Select(ProjectItem("chat"));
    RunCommand(ID_BUILD_GENERATE_CODE);
    const std::string strApi = m_folder.Path("chat_api.c");
    ASSERT_TRUE(::SetFileAttributes(strApi.c_str(), FILE_ATTRIBUTE_READONLY));
    // A folder where the demo's temporary would go: not one of ours, so it stays and the save is refused.
    const std::string strBlocker = m_folder.Path("chat_api_demo.c.tmp");
    ASSERT_TRUE(::CreateDirectory(strBlocker.c_str(), nullptr));
    RunCommand(ID_PROJECT_SAVE_ALL);
    ::RemoveDirectory(strBlocker.c_str());
    RunCommand(ID_PROJECT_SAVE_ALL);
    ::SetFileAttributes(strApi.c_str(), FILE_ATTRIBUTE_NORMAL);

    // The editors are saved together: the first file refused stops the group, and each message says so.
    const std::string strNone = "; none of chat_api_demo.c, chat_api.c, chat_api.h was written";
    ASSERT_EQ(2u, DesignerTestApp().m_messages.size());
    EXPECT_EQ("cannot replace " + m_folder.Path("chat_api_demo.c") + ": " + strBlocker +
                  " is in the way; moving it elsewhere lets the files be written" + strNone,
              std::string(DesignerTestApp().m_messages[0]));
    const std::string strReadOnly(DesignerTestApp().m_messages[1]);
    const std::string strStart = "cannot replace " + strApi + ": ";
    ASSERT_EQ(0u, strReadOnly.find(strStart)) << strReadOnly;
    const std::size_t nNumber = strReadOnly.find(" (system error 5)" + strNone);
    EXPECT_NE(std::string::npos, nNumber) << strReadOnly;
    EXPECT_GT(nNumber, strStart.size()) << "the system's sentence, then the number";
    for (const char* pszFile : {"chat_api.c", "chat_api_demo.c", "chat_api.h"})
        EXPECT_EQ("", m_folder.Read(pszFile)) << pszFile;
    for (const std::string& strEntry : EntriesUnder(m_folder.Path()))
        EXPECT_NE(".tmp", fs::path(strEntry).extension().string()) << strEntry;
}
