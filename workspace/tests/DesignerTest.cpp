// The designer as the user meets it: start-up, the project tree, project files opened, saved and
// closed through the real keys and dialogs, the recent-file list, and the messages it answers with.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <thread>
#include <vector>

#include "ClipboardText.h"
#include "DesignerProcess.h"
#include "MessagePump.h"
#include "SampleDesigns.h"
#include "Screenshot.h"
#include "StubTools.h"
#include "TestFolder.h"
#include "TreeView.h"
#include "project/ProjectFile.h"

namespace
{

const char* const kRoot = "'Kestova': Project(s)";
const int kNameEdit = 1003;
const int kLocationEdit = 1004;
const int kBrowseButton = 1005;
const UINT kDeletePacket = 32776;
const UINT kCompile = 32783;

std::string FileBytes(const std::string& strPath)
{
    std::ifstream file(strPath, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// The example project as the user's own file, with LF line ends the writer never makes, so a
// save shows in the bytes.
std::string CopyExample(const CTestFolder& folder, const std::string& strName)
{
    std::string strText = FileBytes("example\\" + strName);
    std::string strLf;
    for (char ch : strText)
        if (ch != '\r')
            strLf += ch;
    folder.Write(strName, strLf);
    return folder.Path(strName);
}

// The tree the program should show for the project file: kinds, images and order.
std::vector<TreeItemSeen> ExpectedTree(const std::vector<std::string>& paths)
{
    std::vector<TreeItemSeen> items = {{0, kRoot, 0, 10}};
    for (const std::string& strPath : paths)
    {
        ProjectRecord project;
        CString strMessage;
        if (!ReadProjectFile(strPath.c_str(), &project, &strMessage))
            return {};
        items.push_back({1, project.name.Text(), 1, 0});
        items.push_back({2, "Head", 2, 1});
        for (INT_PTR i = 0; i < project.headerFields.GetSize(); ++i)
            items.push_back({3, project.headerFields[i].name.Text(), 5, 2});
        items.push_back({2, "Packet", 3, 3});
        for (INT_PTR i = 0; i < project.packets.GetSize(); ++i)
        {
            items.push_back({3, project.packets[i].name.Text(), 4, 4});
            for (INT_PTR j = 0; j < project.packets[i].fields.GetSize(); ++j)
                items.push_back({4, project.packets[i].fields[j].name.Text(), 5, 5});
        }
    }
    return items;
}

std::vector<TreeItemSeen> TreeOnceItHas(const CDesignerProcess& designer, size_t nItems)
{
    std::vector<TreeItemSeen> items;
    PumpUntil(
        [&]
        {
            items = designer.TreeItems();
            return items.size() == nItems;
        },
        kColdWineDeadlineMs);
    return items;
}

void ExpectTree(const std::vector<TreeItemSeen>& expected, const std::vector<TreeItemSeen>& seen)
{
    ASSERT_EQ(expected.size(), seen.size());
    for (size_t i = 0; i < expected.size(); ++i)
    {
        EXPECT_EQ(expected[i].nDepth, seen[i].nDepth) << i;
        EXPECT_EQ(expected[i].strCaption, seen[i].strCaption) << i;
        EXPECT_EQ(expected[i].nImage, seen[i].nImage) << seen[i].strCaption;
        EXPECT_EQ(expected[i].nKind, seen[i].nKind) << seen[i].strCaption;
    }
}

std::string TitleOf(HWND hWnd)
{
    char szTitle[256] = "";
    ::GetWindowText(hWnd, szTitle, sizeof szTitle);
    return szTitle;
}

bool WaitUntilGone(HWND hWnd)
{
    return PumpUntil([hWnd] { return !::IsWindow(hWnd); }, kColdWineDeadlineMs);
}

// Answers the message box the program shows and gives its sentence.
std::string AnswerMessageBox(const CDesignerProcess& designer)
{
    HWND hBox = designer.WaitForDialog();
    if (!hBox)
        return "(no message box)";
    const std::string strText = CDesignerProcess::MessageText(hBox);
    ::PostMessage(hBox, WM_COMMAND, IDOK, 0);
    WaitUntilGone(hBox);
    return strText;
}

// Ctrl+O, the path typed into the file dialog, Enter.
bool OpenWithKeys(const CDesignerProcess& designer, const std::string& strPath)
{
    designer.Key('O', VK_CONTROL);
    HWND hDialog = designer.WaitForDialog("Open");
    if (!hDialog)
        return false;
    return designer.TypeIntoFocus(hDialog, strPath) && designer.Key(VK_RETURN) && WaitUntilGone(hDialog);
}

// Deletes the packet through its tree item, the Delete Packet command and the confirmation.
bool DeletePacket(const CDesignerProcess& designer, const std::string& strPacket)
{
    if (!designer.ClickItem(strPacket))
        return false;
    const size_t nItems = designer.TreeItems().size();  // once the item is there, the tree is full
    ::PostMessage(designer.MainWindow(), WM_COMMAND, kDeletePacket, 0);
    HWND hConfirm = designer.WaitForDialog("WARNING!");
    if (!hConfirm)
        return false;
    ::PostMessage(hConfirm, WM_COMMAND, IDOK, 0);
    return PumpUntil([&] { return designer.TreeItems().size() < nItems; }, kColdWineDeadlineMs);
}

void ForgetRecentFiles() { ::RegDeleteTree(HKEY_CURRENT_USER, "Software\\Rurivoro-Zivudazar Applications"); }

}  // namespace

TEST(Designer, StartsWithTheRootAloneAndNothingToSave)
{
    CDesignerProcess designer;
    ASSERT_TRUE(designer.MainWindow());
    EXPECT_TRUE(::GetDlgItem(designer.MainWindow(), 0xE801));
    EXPECT_TRUE(::FindWindowEx(designer.MainWindow(), nullptr, "MDIClient", nullptr));
    ExpectTree({{0, kRoot, 0, 10}}, TreeOnceItHas(designer, 1));
    ASSERT_TRUE(designer.Key('S', VK_CONTROL));
    EXPECT_FALSE(designer.WaitForDialog(nullptr, 500)) << "Save All waits for a current project";
    EXPECT_EQ(0u, designer.Close());
}

TEST(Designer, AProjectFileOnTheCommandLineOpensAndOtherArgumentsAreIgnored)
{
    CTestFolder folder("designer-command-line");
    const std::string strPath = CopyExample(folder, "chat.kvs");
    folder.Write("notes.txt", "not a project");
    CDesignerProcess designer("\"" + folder.Path("notes.txt") + "\" ");
    ASSERT_TRUE(designer.MainWindow());
    ExpectTree({{0, kRoot, 0, 10}}, TreeOnceItHas(designer, 1));
    EXPECT_FALSE(designer.WaitForDialog(nullptr, 500)) << "an ignored argument says nothing";
    EXPECT_EQ(0u, designer.Close());

    CDesignerProcess second("\"" + strPath + "\"");
    ASSERT_TRUE(second.MainWindow());
    const std::vector<TreeItemSeen> expected = ExpectedTree({strPath});
    ExpectTree(expected, TreeOnceItHas(second, expected.size()));
    EXPECT_FALSE(SaveScreenshot(second.MainWindow(), "designer-project-open").empty());
    EXPECT_EQ(0u, second.Close());
}

// The location is typed without its closing backslash: the project still gets a folder of its own.
TEST(Designer, CtrlNMakesANewProjectThroughTheDialogAndSelectsIt)
{
    CTestFolder folder("designer-new");
    CDesignerProcess designer;
    ASSERT_TRUE(designer.MainWindow());
    ASSERT_TRUE(designer.Key('N', VK_CONTROL));
    HWND hDialog = designer.WaitForDialog("New Project");
    ASSERT_TRUE(hDialog);
    ASSERT_TRUE(designer.TypeInto(::GetDlgItem(hDialog, kNameEdit), "demo"));
    ASSERT_TRUE(designer.TypeInto(::GetDlgItem(hDialog, kLocationEdit), folder.Path()));
    ASSERT_TRUE(designer.Key(VK_RETURN));
    ASSERT_TRUE(WaitUntilGone(hDialog));

    const std::vector<TreeItemSeen> seen = TreeOnceItHas(designer, 4);
    ExpectTree({{0, kRoot, 0, 10}, {1, "demo", 1, 0}, {2, "Head", 2, 1}, {2, "Packet", 3, 3}}, seen);
    ASSERT_EQ(4u, seen.size());
    EXPECT_TRUE(seen[1].bSelected) << "the new project is selected";
    ProjectRecord project;
    CString strMessage;
    EXPECT_TRUE(ReadProjectFile(folder.Path("demo\\demo.kvs").c_str(), &project, &strMessage));
    EXPECT_FALSE(folder.Read("demo\\dravolint.c").empty()) << "the runtime library is copied beside it";
    EXPECT_EQ(0u, designer.Close());
}

namespace
{

// A menu by Alt and its letter, then one of its items by the item's letter.
struct MenuItemKeys
{
    WORD wMenu;
    WORD wItem;
    const char* pszDialog;  // the dialog the item opens, if it opens one
};

// Edit > Find needs an editor; without one, Edit > Advanced opens a second popup. Build > Generate Code
// reports in the output pane.
const MenuItemKeys kEveryMenu[] = {{'F', 'O', "Open"},  {'E', 'F', "Find"},    {'P', 'P', "Project Properties"},
                                   {'B', 'G', nullptr}, {'T', 'O', "Options"}, {'H', 'A', "About"}};
const MenuItemKeys kEditWithoutEditor = {'E', 'A', nullptr};

const char* const kPopupClass = "KTPopupBar";

std::string ClassOf(HWND hWnd)
{
    char szClass[64] = "";
    ::GetClassName(hWnd, szClass, sizeof szClass);
    return szClass;
}

size_t CountOf(const std::string& text, const std::string& part)
{
    size_t nCount = 0;
    for (size_t nAt = text.find(part); nAt != std::string::npos; nAt = text.find(part, nAt + 1))
        nCount++;
    return nCount;
}

bool DialogCloses(const CDesignerProcess& designer, const char* pszTitle)
{
    HWND hDialog = designer.WaitForDialog(pszTitle);
    ::PostMessage(hDialog, WM_COMMAND, IDCANCEL, 0);
    return hDialog && PumpUntil([hDialog] { return !::IsWindowVisible(hDialog); }, kColdWineDeadlineMs);
}

bool SubmenuCloses(const CDesignerProcess& designer)
{
    if (!PumpUntil([&] { return designer.CountShown(kPopupClass) == 2; }, kColdWineDeadlineMs))
        return false;
    for (int i = 0; i < 3; i++)  // the submenu, the menu, then the bar's own tracking
        designer.Key(VK_ESCAPE);
    return PumpUntil([&] { return designer.CountShown(kPopupClass) == 0; }, kColdWineDeadlineMs);
}

// What the item does shows that its menu opened and was still open once Alt was released.
bool ItemOpensByKeys(const CDesignerProcess& designer, const MenuItemKeys& keys)
{
    const size_t nGenerated = CountOf(designer.OutputText(), "Successfully Generated!");
    if (!designer.MenuKeys(keys.wMenu, keys.wItem))
        return false;
    if (keys.pszDialog)
        return DialogCloses(designer, keys.pszDialog);
    if (keys.wMenu == 'E')
        return SubmenuCloses(designer);
    return PumpUntil([&] { return CountOf(designer.OutputText(), "Successfully Generated!") > nGenerated; },
                     kColdWineDeadlineMs);
}

// Ctrl+F4 closes the active editor; the empty editor area takes the focus once the last is gone.
// Ctrl+S first, so that no editor asks about its generated text.
bool CloseEveryEditor(const CDesignerProcess& designer, HWND hClient)
{
    designer.Key('S', VK_CONTROL);
    for (HWND hChild = ::GetWindow(hClient, GW_CHILD); hChild; hChild = ::GetWindow(hClient, GW_CHILD))
    {
        designer.Key(VK_F4, VK_CONTROL);
        if (!WaitUntilGone(hChild))
            return false;
    }
    return PumpUntil([&] { return designer.FocusWindow() == hClient; }, kColdWineDeadlineMs);
}

}  // namespace

// The focus in the tree, in an editor, and in the empty editor area, where it is at start-up.
TEST(Designer, AltAndALetterOpenEveryMenuWhereverTheFocusIs)
{
    CTestFolder folder("designer-menus");
    const std::string strChat = CopyExample(folder, "chat.kvs");
    CDesignerProcess designer("\"" + strChat + "\"");
    HWND hClient = ::FindWindowEx(designer.MainWindow(), nullptr, "MDIClient", nullptr);
    ASSERT_TRUE(hClient);
    const auto focusIn = [&](const std::function<bool(HWND)>& place)
    { return PumpUntil([&] { return place(designer.FocusWindow()); }, kColdWineDeadlineMs); };
    const std::vector<std::pair<const char*, std::function<bool()>>> places = {
        {"tree",
         [&]
         {
             designer.ClickItem("chat");
             return focusIn([&](HWND hFocus) { return hFocus == designer.Tree(); });
         }},
        {"editor",
         [&]
         {
             designer.ClickWindow(hClient);
             return focusIn([&](HWND hFocus) { return ::IsChild(hClient, hFocus); });
         }},
        {"editor area", [&] { return CloseEveryEditor(designer, hClient); }}};
    for (const auto& [pszPlace, focus] : places)
        for (const MenuItemKeys& item : kEveryMenu)
        {
            ASSERT_TRUE(focus()) << pszPlace << ": the focus is in " << ClassOf(designer.FocusWindow());
            const bool bEditor = ::GetWindow(hClient, GW_CHILD) != nullptr;
            const MenuItemKeys& keys = item.wMenu == 'E' && !bEditor ? kEditWithoutEditor : item;
            EXPECT_TRUE(ItemOpensByKeys(designer, keys)) << "Alt+" << (char)keys.wMenu << " from the " << pszPlace;
        }
    EXPECT_EQ(0u, designer.Close());
}

TEST(Designer, CtrlOOpensProjectsAndRefusesBadOnes)
{
    CTestFolder folder("designer-open");
    const std::string strChat = CopyExample(folder, "chat.kvs");
    const std::string strSensor = CopyExample(folder, "sensor.kvs");
    folder.Write("broken.kvs", "<solution><project name=\"x\">");
    CDesignerProcess designer;
    ASSERT_TRUE(designer.MainWindow());

    ASSERT_TRUE(OpenWithKeys(designer, strChat));
    ASSERT_TRUE(OpenWithKeys(designer, strSensor));
    const std::vector<TreeItemSeen> expected = ExpectedTree({strChat, strSensor});
    ExpectTree(expected, TreeOnceItHas(designer, expected.size()));

    ASSERT_TRUE(OpenWithKeys(designer, strChat));
    EXPECT_EQ("the chat protocol already exist in the current projects!", AnswerMessageBox(designer));
    ASSERT_TRUE(OpenWithKeys(designer, folder.Path("broken.kvs")));
    EXPECT_EQ("invalid project file!", AnswerMessageBox(designer));
    EXPECT_EQ(expected.size(), designer.TreeItems().size());
    EXPECT_NE(std::string::npos, designer.OutputText().find("Error: " + folder.Path("broken.kvs") +
                                                            ": no element found at line 1, column 29"))
        << "the output pane says what was wrong, and where: " << designer.OutputText();
    EXPECT_EQ(0u, designer.Close());
}

// Two files of one project: the one that was opened is the one saved, and only once it changed.
// Close empties the tree and the recent entry opens the file again.
TEST(Designer, AProjectIsSavedToItsOwnFileAndOnlyWhenItChanged)
{
    ForgetRecentFiles();
    CTestFolder folder("designer-save");
    const std::string strSensor = CopyExample(folder, "sensor.kvs");
    const std::string strBackup = folder.Path("backup.kvs");
    folder.Write("backup.kvs", FileBytes(strSensor));
    const std::string strBytes = FileBytes(strSensor);
    {
        CDesignerProcess designer("\"" + strBackup + "\"");
        ASSERT_TRUE(designer.MainWindow());
        ASSERT_TRUE(designer.ClickItem("sensor"));
        designer.Key('S', VK_CONTROL);
        designer.MenuKeys('F', 'C');
        ExpectTree({{0, kRoot, 0, 10}}, TreeOnceItHas(designer, 1));
        designer.MenuKeys('F', '1');
        const std::vector<TreeItemSeen> expected = ExpectedTree({strBackup});
        ExpectTree(expected, TreeOnceItHas(designer, expected.size()));
        EXPECT_EQ(0u, designer.Close());
    }
    EXPECT_EQ(strBytes, FileBytes(strSensor)) << "Save All, Close and Exit wrote nothing: nothing changed";
    EXPECT_EQ(strBytes, FileBytes(strBackup));

    CDesignerProcess designer("\"" + strBackup + "\"");
    ASSERT_TRUE(designer.MainWindow());
    ProjectRecord project;
    CString strMessage;
    ASSERT_TRUE(ReadProjectFile(strBackup.c_str(), &project, &strMessage));
    ASSERT_TRUE(DeletePacket(designer, std::string(project.packets[0].name)));
    EXPECT_EQ(0u, designer.Close());
    EXPECT_EQ(strBytes, FileBytes(strSensor)) << "the other file of the project is left alone";
    ProjectRecord saved;
    ASSERT_TRUE(ReadProjectFile(strBackup.c_str(), &saved, &strMessage));
    EXPECT_EQ(project.packets.GetSize() - 1, saved.packets.GetSize()) << "Exit saved the edit where it came from";
}

namespace
{

bool FileMenuOpens(const CDesignerProcess& designer)
{
    return designer.Key('F', VK_MENU) &&
           PumpUntil([&] { return designer.CountShown(kPopupClass) == 1; }, kColdWineDeadlineMs);
}

bool MenusClose(const CDesignerProcess& designer)
{
    for (int i = 0; i < 2; i++)  // the menu, then the bar's own tracking
        designer.Key(VK_ESCAPE);
    return PumpUntil([&] { return designer.CountShown(kPopupClass) == 0; }, kColdWineDeadlineMs);
}

}  // namespace

// A recent project adds numbered entries to the File menu, and the cursor rests where the menu opens, as after
// a click in the tree: opened by a key, the menu lights its first entry for Enter, and Down moves on from it.
TEST(Designer, AltFWithARecentProjectLightsNewForEnterAndDownMovesToOpen)
{
    CTestFolder folder("designer-recent-keys");
    const std::string strChat = CopyExample(folder, "chat.kvs");
    RECT rcMenu = {};
    {
        CDesignerProcess first("\"" + strChat + "\"");
        ASSERT_TRUE(FileMenuOpens(first));
        ASSERT_TRUE(::GetWindowRect(::FindWindow(kPopupClass, nullptr), &rcMenu));
        ASSERT_TRUE(MenusClose(first));
        EXPECT_EQ(0u, first.Close());
    }
    // Put there before the program starts, the cursor has never moved as far as the program knows.
    ASSERT_TRUE(::SetCursorPos((rcMenu.left + rcMenu.right) / 2, (rcMenu.top + rcMenu.bottom) / 2));
    CDesignerProcess designer;
    ASSERT_TRUE(FileMenuOpens(designer));
    ASSERT_TRUE(designer.Key(VK_RETURN));
    EXPECT_TRUE(DialogCloses(designer, "New Project")) << "Enter runs the first entry";
    ASSERT_TRUE(PumpUntil([&] { return designer.CountShown(kPopupClass) == 0; }, kColdWineDeadlineMs));
    ASSERT_TRUE(FileMenuOpens(designer));
    ASSERT_TRUE(designer.Key(VK_DOWN));
    ASSERT_TRUE(designer.Key(VK_RETURN));
    EXPECT_TRUE(DialogCloses(designer, "Open")) << "Down moves to the second";
    EXPECT_EQ(0u, designer.Close());
}

// The frame's title names the active editor's file, and only while an editor is open.
TEST(Designer, TheTitleNamesTheActiveEditorOnlyUntilItsProjectCloses)
{
    ForgetRecentFiles();
    CTestFolder folder("designer-title");
    const std::string strChat = CopyExample(folder, "chat.kvs");
    CDesignerProcess designer("\"" + strChat + "\"");
    ASSERT_TRUE(designer.ClickItem("Head"));
    const auto titled = [&](const std::string& strTitle)
    { return PumpUntil([&] { return TitleOf(designer.MainWindow()) == strTitle; }, kColdWineDeadlineMs); };
    EXPECT_TRUE(titled("chat_api.h - Kestova")) << TitleOf(designer.MainWindow());
    designer.MenuKeys('F', 'C');
    ExpectTree({{0, kRoot, 0, 10}}, TreeOnceItHas(designer, 1));
    EXPECT_TRUE(titled("Kestova")) << "no editor is left: " << TitleOf(designer.MainWindow());

    designer.MenuKeys('F', '1');
    const std::vector<TreeItemSeen> expected = ExpectedTree({strChat});
    ExpectTree(expected, TreeOnceItHas(designer, expected.size()));
    EXPECT_EQ("Kestova", TitleOf(designer.MainWindow())) << "reopening opens no editor";
    EXPECT_EQ(0u, designer.Close());
}

// The time a file was last written.
FILETIME WrittenAt(const std::string& strPath)
{
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    ::GetFileAttributesEx(strPath.c_str(), GetFileExInfoStandard, &data);
    return data.ftLastWriteTime;
}

bool SameTime(const FILETIME& a, const FILETIME& b) { return ::CompareFileTime(&a, &b) == 0; }

// Opening a project's files writes none of them: a NUL byte and a bare CR stay, the times stay, a
// read-only file opens without a word, and Exit has nothing to write.
TEST(Designer, SelectingAProjectAndExitingLeaveItsFilesBytesAndTimesAsTheyWere)
{
    CTestFolder folder("designer-read-only");
    const std::string strChat = CopyExample(folder, "chat.kvs");
    const std::vector<std::string> files = {"chat_api.h", "chat_api.c", "chat_api_demo.c", "chat.diagram"};
    const char kBytes[] = "int old;\rint nul = '\0';\n";
    const std::string strBytes(kBytes, sizeof kBytes - 1);
    const FILETIME ftOld = {0x10000000, 0x01D00000};  // a time long past
    for (const std::string& strFile : files)
    {
        folder.Write(strFile, strBytes);
        HANDLE hFile =
            ::CreateFile(folder.Path(strFile).c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, hFile);
        ASSERT_TRUE(::SetFileTime(hFile, nullptr, nullptr, &ftOld));
        ::CloseHandle(hFile);
    }
    const std::string strApi = folder.Path("chat_api.c");
    ASSERT_TRUE(::SetFileAttributes(strApi.c_str(), FILE_ATTRIBUTE_READONLY));
    CDesignerProcess designer("\"" + strChat + "\"");
    ASSERT_TRUE(designer.MainWindow());
    ASSERT_TRUE(designer.ClickItem("chat"));
    EXPECT_TRUE(
        PumpUntil([&] { return TitleOf(designer.MainWindow()) == "chat_api.h - Kestova"; }, kColdWineDeadlineMs))
        << "the four editors open: " << TitleOf(designer.MainWindow());
    EXPECT_EQ(0, designer.CountShown("#32770")) << "no error on selection";
    EXPECT_EQ(0u, designer.Close());
    for (const std::string& strFile : files)
    {
        EXPECT_EQ(strBytes, folder.Read(strFile)) << strFile;
        EXPECT_TRUE(SameTime(ftOld, WrittenAt(folder.Path(strFile)))) << strFile << " was written";
    }
    EXPECT_NE(0u, ::GetFileAttributes(strApi.c_str()) & FILE_ATTRIBUTE_READONLY);
    ::SetFileAttributes(strApi.c_str(), FILE_ATTRIBUTE_NORMAL);
}

namespace
{

// The innermost window of the active editor's frame: the one that takes its clicks.
HWND ActiveEditor(const CDesignerProcess& designer)
{
    HWND hWnd = ::FindWindowEx(designer.MainWindow(), nullptr, "MDIClient", nullptr);
    for (HWND hChild = hWnd; hChild; hChild = ::GetWindow(hWnd, GW_CHILD))
        hWnd = hChild;
    return hWnd;
}

}  // namespace

// The frame's edit keys belong to the editor only while it has the focus: pasted into the tree they would
// change a file the user is not in. The output copies its own selection.
TEST(Designer, EditKeysInTheTreeChangeNoEditorAndCtrlCInTheOutputCopiesItsText)
{
    CTestFolder folder("designer-edit-keys");
    CDesignerProcess designer("\"" + CopyExample(folder, "chat.kvs") + "\"");
    ASSERT_TRUE(designer.MainWindow());
    ASSERT_TRUE(designer.ClickItem("chat"));
    ASSERT_TRUE(
        PumpUntil([&] { return TitleOf(designer.MainWindow()) == "chat_api.h - Kestova"; }, kColdWineDeadlineMs));
    ASSERT_TRUE(SetClipboardText(nullptr, "pasted"));
    ASSERT_TRUE(designer.ClickWindow(ActiveEditor(designer)));
    EXPECT_TRUE(designer.Key('A', VK_SHIFT));
    EXPECT_TRUE(designer.Key('B'));
    EXPECT_TRUE(designer.Key('A', VK_CONTROL));
    ASSERT_TRUE(designer.ClickItem("chat"));
    EXPECT_TRUE(designer.Key('V', VK_CONTROL));
    EXPECT_TRUE(designer.Key(VK_INSERT, VK_SHIFT));
    EXPECT_TRUE(designer.Key('U', VK_CONTROL));

    const HWND hOutput = designer.Output();
    ASSERT_TRUE(hOutput);
    ::SendMessage(hOutput, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Error: none"));
    ASSERT_TRUE(designer.ClickWindow(hOutput));
    ASSERT_TRUE(PumpUntil([&] { return designer.FocusWindow() == hOutput; }, kColdWineDeadlineMs));
    ::SendMessage(hOutput, EM_SETSEL, 0, 5);
    EXPECT_TRUE(designer.Key('C', VK_CONTROL));
    EXPECT_TRUE(PumpUntil([] { return ClipboardText(nullptr) == "Error"; }, kColdWineDeadlineMs))
        << "the clipboard holds \"" << ClipboardText(nullptr) << "\"";
    EXPECT_EQ(0u, designer.Close());
    EXPECT_EQ("Ab", folder.Read("chat_api.h")) << "the keys in the tree changed the header";
}

// The folder is moved away under the open project: Exit says so, then asks, and Enter stays.
TEST(Designer, ExitAfterAFailedSaveAsksAndByDefaultKeepsTheProgramOpenWithTheEdit)
{
    CTestFolder folder("designer-exit");
    ASSERT_TRUE(::CreateDirectory(folder.Path("project").c_str(), nullptr));
    const std::string strChat = folder.Path("project\\chat.kvs");
    folder.Write("project\\chat.kvs", FileBytes("example\\chat.kvs"));
    ProjectRecord project;
    CString strMessage;
    ASSERT_TRUE(ReadProjectFile(strChat.c_str(), &project, &strMessage));
    CDesignerProcess designer("\"" + strChat + "\"");
    ASSERT_TRUE(designer.MainWindow());
    ASSERT_TRUE(DeletePacket(designer, std::string(project.packets[0].name)));
    const size_t nItems = designer.TreeItems().size();
    ASSERT_TRUE(::MoveFile(folder.Path("project").c_str(), folder.Path("moved").c_str()));

    ::PostMessage(designer.MainWindow(), WM_CLOSE, 0, 0);
    EXPECT_NE(std::string::npos, AnswerMessageBox(designer).find("chat.kvs")) << "the failure is told first";
    HWND hQuestion = designer.WaitForDialog();
    ASSERT_TRUE(hQuestion);
    EXPECT_NE(std::string::npos, CDesignerProcess::MessageText(hQuestion).find("Try Again"));
    designer.Key(VK_RETURN);
    ASSERT_TRUE(WaitUntilGone(hQuestion));
    EXPECT_TRUE(::IsWindow(designer.MainWindow())) << "the program stays";
    EXPECT_EQ(nItems, designer.TreeItems().size()) << "with the edit";

    ASSERT_TRUE(::MoveFile(folder.Path("moved").c_str(), folder.Path("project").c_str()));
    EXPECT_EQ(0u, designer.Close());
    ProjectRecord saved;
    ASSERT_TRUE(ReadProjectFile(strChat.c_str(), &saved, &strMessage));
    EXPECT_EQ(project.packets.GetSize() - 1, saved.packets.GetSize());
}

// The designer runs in the project's folder, where File > Open leaves it, from a program folder
// whose settings name stub compiler tools. A cmd.exe or cl.exe planted beside the project must not
// be the one Compile starts: the system's cmd runs the stubs.
TEST(Designer, CompileStartsTheSystemCmdAndTheToolsOnThePathAndNoneBesideTheProject)
{
    CTestFolder folder("designer-planted");
    for (const char* pszFolder : {"program", "program\\config", "project"})
        ASSERT_TRUE(::CreateDirectory(folder.Path(pszFolder).c_str(), nullptr));
    ASSERT_TRUE(::CopyFile("kestova.exe", folder.Path("program\\kestova.exe").c_str(), TRUE));
    for (const char* pszFolder : {"lib", "make"})
        std::filesystem::copy(pszFolder, folder.Path("program\\") + pszFolder,
                              std::filesystem::copy_options::recursive);
    const CString strStubs = WriteStubTools((folder.Path() + "\\").c_str());
    folder.Write("program\\config\\config.ini",
                 "[Global]\r\ncompiler_path=" + std::string((LPCTSTR)strStubs) + "\\vcvars32.bat\r\n");
    folder.Write("project\\chat.kvs", FileBytes("example\\chat.kvs"));
    for (const char* pszPlanted : {"project\\cmd.exe", "project\\cl.exe"})
        ASSERT_TRUE(::CopyFile("kestova_planted_recorder.exe", folder.Path(pszPlanted).c_str(), TRUE));

    CDesignerProcess designer("chat.kvs", folder.Path("program\\kestova.exe"), folder.Path("project").c_str());
    ASSERT_TRUE(designer.MainWindow());
    ASSERT_TRUE(designer.ClickItem("chat"));
    ::PostMessage(designer.MainWindow(), WM_COMMAND, kCompile, 0);
    EXPECT_TRUE(WaitForFile(strStubs + "\\args.txt")) << designer.OutputText();
    for (const char* pszRan : {"project\\cmd.exe.ran", "project\\cl.exe.ran"})
        EXPECT_TRUE(folder.Read(pszRan).empty()) << pszRan;
    EXPECT_EQ(0u, designer.Close());
}

// A menu text's shortcut, "Ctrl+Shift+U" or "F2", as an accelerator's key and modifiers; FALSE for none.
BOOL ShortcutOf(const std::string& text, ACCEL& key)
{
    const size_t nTab = text.find('\t');
    if (nTab == std::string::npos)
        return FALSE;
    std::string rest = text.substr(nTab + 1);
    key.fVirt = FVIRTKEY;
    for (const auto& [prefix, flag] :
         {std::pair<std::string, BYTE>{"Ctrl+", FCONTROL}, {"Shift+", FSHIFT}, {"Alt+", FALT}})
        if (rest.compare(0, prefix.size(), prefix) == 0)
        {
            key.fVirt |= flag;
            rest.erase(0, prefix.size());
        }
    key.key = rest.size() == 1 ? (WORD)rest[0] : (WORD)(VK_F1 + std::atoi(rest.c_str() + 1) - 1);
    return rest.size() == 1 || rest[0] == 'F';
}

// Every item of the menu and its popups with a shortcut in its text; the shortcut's command must be the item's.
void ExpectShortcutsInTable(HMENU hMenu, const std::vector<ACCEL>& table)
{
    for (int i = 0; i < ::GetMenuItemCount(hMenu); ++i)
    {
        if (HMENU hPopup = ::GetSubMenu(hMenu, i))
        {
            ExpectShortcutsInTable(hPopup, table);
            continue;
        }
        char szText[256] = "";
        ::GetMenuString(hMenu, i, szText, sizeof szText, MF_BYPOSITION);
        ACCEL key = {};
        // "Del" is the editor's own key: as an accelerator it would take Delete from every edit box.
        if (!ShortcutOf(szText, key))
            continue;
        const UINT nId = ::GetMenuItemID(hMenu, i);
        const auto found =
            std::find_if(table.begin(), table.end(),
                         [&](const ACCEL& accel) { return accel.key == key.key && accel.fVirt == key.fVirt; });
        EXPECT_TRUE(found != table.end() && found->cmd == nId) << szText;
    }
}

TEST(Designer, TheKeysDoWhatTheMenusPrintAndTheOleFailureHasASentence)
{
    HMODULE hProgram = ::LoadLibraryEx("kestova.exe", nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_TRUE(hProgram);
    char szText[256] = "";
    EXPECT_GT(::LoadString(hProgram, 100, szText, sizeof szText), 10);
    HACCEL hAccel = ::LoadAccelerators(hProgram, MAKEINTRESOURCE(128));
    ASSERT_TRUE(hAccel);
    std::vector<ACCEL> table(::CopyAcceleratorTable(hAccel, nullptr, 0));
    ::CopyAcceleratorTable(hAccel, table.data(), (int)table.size());
    HMENU hMenu = ::LoadMenu(hProgram, MAKEINTRESOURCE(128));
    ASSERT_TRUE(hMenu);
    ExpectShortcutsInTable(hMenu, table);
    ::DestroyMenu(hMenu);
    ::DestroyAcceleratorTable(hAccel);
    ::FreeLibrary(hProgram);
}

// Alt+F4 ends the program wherever the focus is: the platform's tree control kept system keys to itself.
TEST(Designer, AltF4EndsTheProgramFromTheTreeAsFromAnEditor)
{
    CTestFolder folder("designer-alt-f4");
    const std::string strChat = CopyExample(folder, "chat.kvs");
    for (const bool bTree : {true, false})
    {
        CDesignerProcess designer("\"" + strChat + "\"");
        ASSERT_TRUE(designer.ClickItem("chat"));
        HWND hClient = ::FindWindowEx(designer.MainWindow(), nullptr, "MDIClient", nullptr);
        if (!bTree)
            ASSERT_TRUE(designer.ClickWindow(::GetWindow(hClient, GW_CHILD)));
        ASSERT_TRUE(PumpUntil(
            [&]
            {
                const HWND hFocus = designer.FocusWindow();
                return bTree ? hFocus == designer.Tree() : ::IsChild(hClient, hFocus) != FALSE;
            },
            kColdWineDeadlineMs));
        ASSERT_TRUE(designer.KeyEndingTheProgram(VK_F4, VK_MENU));
        EXPECT_EQ(0u, designer.WaitForExit()) << (bTree ? "from the tree" : "from an editor");
    }
}

TEST(Designer, LoadExampleProjectStartsInTheExampleFolder)
{
    CDesignerProcess designer;
    ASSERT_TRUE(designer.MainWindow());
    ASSERT_TRUE(designer.MenuKeys('F', 'L'));
    HWND hDialog = designer.WaitForDialog("Open");
    ASSERT_TRUE(hDialog);
    ASSERT_TRUE(designer.TypeIntoFocus(hDialog, "chat.kvs"));
    ASSERT_TRUE(designer.Key(VK_RETURN));
    const std::vector<TreeItemSeen> expected = ExpectedTree({"example\\chat.kvs"});
    ExpectTree(expected, TreeOnceItHas(designer, expected.size()));
    EXPECT_EQ(0u, designer.Close());
}

// Another program closes the designer while a long Save All writes: the close waits for the save, then
// ends the program with the edit saved once and nothing left beside the file.
TEST(Designer, ACloseSentDuringALongSaveEndsTheProgramAfterItWithTheEditSavedOnce)
{
    ForgetRecentFiles();
    CTestFolder folder("designer-close-during-save");
    const std::string strPath = folder.Path("Large.kvs");
    CString strError;
    ASSERT_TRUE(WriteProjectFile(LargeProject(3000, 30), strPath.c_str(), &strError));
    CDesignerProcess designer("\"" + strPath + "\"");
    ASSERT_TRUE(designer.MainWindow());
    ASSERT_TRUE(DeletePacket(designer, "Packet0"));
    const std::string strTemporary = strPath + ".tmp";
    ASSERT_TRUE(designer.Key('S', VK_CONTROL));
    ASSERT_TRUE(PumpUntil([&] { return ::GetFileAttributes(strTemporary.c_str()) != INVALID_FILE_ATTRIBUTES; },
                          kColdWineDeadlineMs))
        << "the save began";
    ASSERT_TRUE(::SendNotifyMessage(designer.MainWindow(), WM_CLOSE, 0, 0));
    EXPECT_EQ(0u, designer.WaitForExit()) << "the program ended";
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributes(strTemporary.c_str()));
    ProjectRecord saved;
    CString strMessage;
    ASSERT_TRUE(ReadProjectFile(strPath.c_str(), &saved, &strMessage)) << strMessage;
    EXPECT_EQ(2999, saved.packets.GetSize());
    EXPECT_STREQ("Packet1", saved.packets[0].name);
}

// Logging off asks as Exit does: a project that cannot be saved is told, then Cancel keeps the session,
// the designer and the edit; once it can be saved, the query saves it before the session ends.
TEST(Designer, TheSessionEndAsksAsExitDoesCancelKeepsTheEditAndAnEndSavesIt)
{
    CTestFolder folder("designer-session-end");
    ASSERT_TRUE(::CreateDirectory(folder.Path("project").c_str(), nullptr));
    const std::string strChat = folder.Path("project\\chat.kvs");
    folder.Write("project\\chat.kvs", FileBytes("example\\chat.kvs"));
    ProjectRecord project;
    CString strMessage;
    ASSERT_TRUE(ReadProjectFile(strChat.c_str(), &project, &strMessage));
    CDesignerProcess designer("\"" + strChat + "\"");
    ASSERT_TRUE(designer.MainWindow());
    ASSERT_TRUE(DeletePacket(designer, std::string(project.packets[0].name)));
    const size_t nItems = designer.TreeItems().size();
    ASSERT_TRUE(::MoveFile(folder.Path("project").c_str(), folder.Path("moved").c_str()));
    const HWND hMain = designer.MainWindow();
    const auto query = [hMain]
    {
        DWORD_PTR nAnswer = 0;
        if (!::SendMessageTimeout(hMain, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL, 120000, &nAnswer))
            return DWORD_PTR(~0u);
        return nAnswer;
    };

    std::atomic<DWORD_PTR> nAnswer{~0u};
    std::thread system([&] { nAnswer = query(); });
    EXPECT_NE(std::string::npos, AnswerMessageBox(designer).find("chat.kvs")) << "the failure is told first";
    HWND hQuestion = designer.WaitForDialog();
    EXPECT_TRUE(hQuestion);
    if (hQuestion)
        ::PostMessage(hQuestion, WM_COMMAND, IDCANCEL, 0);
    system.join();
    EXPECT_EQ(0u, nAnswer.load()) << "Cancel refuses the session's end";
    ::SendMessageTimeout(hMain, WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF, SMTO_NORMAL, kColdWineDeadlineMs, nullptr);
    EXPECT_TRUE(::IsWindow(hMain)) << "the program stays";
    EXPECT_EQ(nItems, designer.TreeItems().size()) << "with the edit";

    ASSERT_TRUE(::MoveFile(folder.Path("moved").c_str(), folder.Path("project").c_str()));
    EXPECT_EQ(1u, query()) << "saved, the session may end";
    ::SendMessageTimeout(hMain, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_NORMAL, kColdWineDeadlineMs, nullptr);
    ProjectRecord saved;
    ASSERT_TRUE(ReadProjectFile(strChat.c_str(), &saved, &strMessage));
    EXPECT_EQ(project.packets.GetSize() - 1, saved.packets.GetSize()) << "saved before the session ended";
    EXPECT_EQ(0u, designer.Close());
}

namespace
{
// Tabs through the dialog until the focus is on the control: a click there could lose to the dialog's first
// activation, which gives the focus back to the control that had it.
bool TabTo(const CDesignerProcess& designer, HWND hDialog, HWND hControl)
{
    for (int nTabs = 0; nTabs < 16; nTabs++)
    {
        HWND hFocus = nullptr;
        const auto settled = [&]
        {
            hFocus = designer.FocusWindow();
            return ::IsChild(hDialog, hFocus) != FALSE;
        };
        if (!PumpUntil(settled, kColdWineDeadlineMs))
            return false;
        if (hFocus == hControl)
            return true;
        const HWND hBefore = hFocus;
        if (!designer.Key(VK_TAB) || !PumpUntil([&] { return designer.FocusWindow() != hBefore; }, kColdWineDeadlineMs))
            return false;
    }
    return false;
}
}  // namespace

// The New Project dialog's folder browser closes on Alt+F4 from its tree as from its buttons, and only it closes.
TEST(Designer, AltF4ClosesTheFolderBrowserFromItsTreeAsFromItsButtons)
{
    CDesignerProcess designer;
    ASSERT_TRUE(designer.MainWindow());
    ASSERT_TRUE(designer.Key('N', VK_CONTROL));
    HWND hDialog = designer.WaitForDialog("New Project");
    ASSERT_TRUE(hDialog);
    for (const bool bTree : {true, false})
    {
        ASSERT_TRUE(designer.ClickWindow(::GetDlgItem(hDialog, kBrowseButton)));
        HWND hBrowse = nullptr, hTree = nullptr;
        ASSERT_TRUE(PumpUntil(
            [&]
            {
                hBrowse = ::GetForegroundWindow();
                hTree = hBrowse != hDialog ? TreeViewOf(hBrowse) : nullptr;
                return hTree != nullptr;
            },
            kColdWineDeadlineMs));
        if (bTree)
            ASSERT_TRUE(TabTo(designer, hBrowse, hTree));
        else
            ASSERT_TRUE(PumpUntil(
                [&]
                {
                    const HWND hFocus = designer.FocusWindow();
                    return hFocus != hTree && ::IsChild(hBrowse, hFocus);
                },
                kColdWineDeadlineMs));
        ASSERT_TRUE(designer.KeyEndingTheProgram(VK_F4, VK_MENU));
        EXPECT_TRUE(WaitUntilGone(hBrowse)) << (bTree ? "from the tree" : "from a button");
        EXPECT_TRUE(::IsWindow(hDialog));
    }
    EXPECT_EQ(0u, designer.Close());
}
