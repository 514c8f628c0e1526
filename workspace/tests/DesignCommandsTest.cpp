// The packet and field commands and the settings pane in a loaded frame: real dialogs answered from
// inside their own loops, records and tree items checked together.
#include "DesignerFrameTest.h"

#include "ClipboardText.h"
#include "DialogAnswer.h"
#include "DialogInput.h"
#include "FrameKeys.h"
#include "KTDockingPane.h"
#include "KTPropertyGridInplaceEdit.h"
#include "KTPropertyGridView.h"
#include "KestovaDialogsRes.h"
#include "MessagePump.h"
#include "MessageRecorder.h"
#include "ProjectTreeItems.h"
#include "SampleDesigns.h"
#include "TestInput.h"
#include "WorkspaceRes.h"
#include "project/ProjectFile.h"

#include <set>

namespace
{

class DesignCommandsTest : public DesignerFrameTest
{
protected:
    ProjectRecord& OpenProject()
    {
        m_pFrame->ReadSolutionFile(ExampleNamed(m_folder, "design").c_str());
        return *m_pFrame->m_projects.back();
    }
    // The user's edit of a settings item, as its grid reports it; the refusal's text, if one came.
    std::string Change(CKTPropertyGridItem* pItem, const char* pszValue)
    {
        return Answering("ERROR!", nullptr, [&] { pItem->OnValueChanged(pszValue); });
    }
    // Clicks the item's value and types the text after what it holds, leaving its edit open.
    CKTPropertyGridInplaceEdit& TypeAtTheEnd(CProtocolSettingsPane::EPage page, LPCSTR pszCaption, const char* pszText)
    {
        CKTPropertyGridView* pView = m_pFrame->m_wndSettings.Page(page).GetGridView();
        CTestInput input(pView->GetSafeHwnd());
        EXPECT_TRUE(input.Click(Item(page, pszCaption)->GetValueRect().CenterPoint()));
        EXPECT_TRUE(input.Key(VK_HOME));
        for (int i = Item(page, pszCaption)->GetValue().GetLength(); i > 0; i--)
            EXPECT_TRUE(input.Key(VK_RIGHT));
        EXPECT_TRUE(input.Text(pszText));
        return m_pFrame->m_wndSettings.Page(page).GetInplaceEdit();
    }
    // The first field of the packet selected, a digit typed after its Max Length and taken back with Ctrl+Z
    // in the edit, which keeps the focus, and nothing written; the packet's tree item.
    HTREEITEM TypeAndTakeBackInTheFirstFieldsMaxLength(const PacketRecord& packet)
    {
        const CString strLength(packet.fields[0].maxLength);
        EXPECT_STREQ("char []", packet.fields[0].dataType);
        const HTREEITEM hPacket = FirstChildOf("design", "Packet");
        Tree().Expand(hPacket, TVE_EXPAND);
        Select(Tree().GetChildItem(hPacket));
        CKTPropertyGridInplaceEdit& length = TypeAtTheEnd(CProtocolSettingsPane::kFieldPage, "Max Length", "0");
        EXPECT_EQ(strLength + "0", EditText(length));
        CTestInput keys(length.GetSafeHwnd());
        EXPECT_TRUE(keys.Key('Z', CTestInput::kControl));
        EXPECT_EQ(strLength, EditText(length)) << "Ctrl+Z takes the typed digit back";
        EXPECT_EQ(length.GetSafeHwnd(), ::GetFocus());
        EXPECT_STREQ(strLength, packet.fields[0].maxLength) << "and writes nothing";
        return hPacket;
    }
    static CString EditText(const CWnd& wnd)
    {
        CString strText;
        wnd.GetWindowText(strText);
        return strText.TrimRight('_');  // a name's mask pads it to its length
    }
};

}  // namespace

TEST_F(DesignCommandsTest, AddPacketAndAddFieldAppendTheRecordAndItsTreeItem)
{
    ProjectRecord& project = OpenProject();
    const INT_PTR nPackets = project.packets.GetSize();
    Select(BranchOf("design", "Packet"));
    Answering(
        "Add Packet",
        [](HWND h)
        {
            TypeInto(h, IDC_EDIT_NAME, "Extra");
            TypeInto(h, IDC_EDIT_PACKET_TYPE, "7F");
        },
        [&] { RunCommand(ID_PACKET_ADD); });
    ASSERT_EQ(nPackets + 1, project.packets.GetSize());
    PacketRecord& extra = project.packets[nPackets];
    EXPECT_STREQ("Extra", extra.name);
    EXPECT_STREQ("0x7F", extra.packetType);
    const HTREEITEM hExtra = ChildNamed(Tree(), BranchOf("design", "Packet"), "Extra");
    ASSERT_TRUE(hExtra);

    Select(hExtra);
    EXPECT_TRUE(PageShown(CProtocolSettingsPane::kPacketPage));
    EXPECT_STREQ("Extra", Item(CProtocolSettingsPane::kPacketPage, "Name")->GetValue());
    Answering(
        "Add Field", [](HWND h) { TypeInto(h, IDC_EDIT_NAME, "size"); }, [&] { RunCommand(ID_FIELD_ADD); });
    ASSERT_EQ(1, extra.fields.GetSize());
    EXPECT_STREQ("size", extra.fields[0].name);
    const HTREEITEM hSize = ChildNamed(Tree(), hExtra, "size");
    ASSERT_TRUE(hSize);
    Select(hSize);
    EXPECT_STREQ("size", Item(CProtocolSettingsPane::kFieldPage, "Name")->GetValue());
    EXPECT_TRUE(DesignerTestApp().m_messages.empty());
}

// A big project's packet shows its fields only once expanded: a field added before that joins them,
// each shown once.
TEST_F(DesignCommandsTest, AFieldAddedToABigProjectsUnexpandedPacketJoinsAllItsFields)
{
    const int nPackets = int(CProjectTreeFill::kFieldsAtOnceItems / 3) + 1;
    CString strError;
    ASSERT_TRUE(WriteProjectFile(LargeProject(nPackets, 2), m_folder.Path("Large.kvs").c_str(), &strError));
    m_pFrame->ReadSolutionFile(m_folder.Path("Large.kvs").c_str());
    ASSERT_FALSE(m_pFrame->m_projects.empty());
    const HTREEITEM hPacket = FirstChildOf("Large", "Packet");
    ASSERT_TRUE(hPacket);
    ASSERT_FALSE(Tree().GetChildItem(hPacket)) << "the fields wait for the packet to open";
    Select(hPacket);
    Answering(
        "Add Field", [](HWND h) { TypeInto(h, IDC_EDIT_NAME, "extra"); }, [&] { RunCommand(ID_FIELD_ADD); });
    Tree().Expand(hPacket, TVE_EXPAND);
    std::vector<CString> captions;
    for (HTREEITEM hField = Tree().GetChildItem(hPacket); hField; hField = Tree().GetNextSiblingItem(hField))
        captions.push_back(Tree().GetItemText(hField));
    EXPECT_EQ((std::vector<CString>{"field0", "field1", "extra"}), captions);
    EXPECT_EQ(3, m_pFrame->m_projects.back()->packets[0].fields.GetSize());
}

TEST_F(DesignCommandsTest, APacketRenamedOnThePaneTakesItsTreeItemAlongAndADuplicateIsRefused)
{
    ProjectRecord& project = OpenProject();
    ASSERT_GE(project.packets.GetSize(), 2);
    const CString strFirst(project.packets[0].name), strSecond(project.packets[1].name);
    const HTREEITEM hFirst = FirstChildOf("design", "Packet");
    Select(hFirst);
    CKTPropertyGridItem* pName = Item(CProtocolSettingsPane::kPacketPage, "Name");

    EXPECT_EQ("packet " + std::string(strSecond) + " already exist!", Change(pName, strSecond + "____"));
    EXPECT_EQ(strFirst, pName->GetValue()) << "the old name returns";
    EXPECT_EQ(strFirst, project.packets[0].name);
    EXPECT_EQ(strFirst, Tree().GetItemText(hFirst));

    EXPECT_EQ("", Change(pName, "Renamed____"));
    EXPECT_STREQ("Renamed", project.packets[0].name);
    EXPECT_EQ(CString("Renamed"), Tree().GetItemText(hFirst));
}

// A packet the model knows by another name than its tree item's: Delete Field leaves both as they are.
TEST_F(DesignCommandsTest, DeleteFieldKeepsTheTreeItemOfAFieldWhosePacketIsNotFound)
{
    ProjectRecord& project = OpenProject();
    PacketRecord& packet = project.packets[0];
    const INT_PTR nFields = packet.fields.GetSize();
    ASSERT_GT(nFields, 0);
    const HTREEITEM hPacket = FirstChildOf("design", "Packet");
    Tree().Expand(hPacket, TVE_EXPAND);
    const HTREEITEM hField = Tree().GetChildItem(hPacket);
    ASSERT_TRUE(hField);
    const CString strField = Tree().GetItemText(hField);
    Select(hField);
    packet.name.Assign("Elsewhere", 9);

    const std::string strAsked = Answering("WARNING!", nullptr, [&] { RunCommand(ID_FIELD_DELETE); });
    EXPECT_EQ("", strAsked) << "nothing to delete, nothing to ask";
    EXPECT_EQ(hField, ChildNamed(Tree(), hPacket, strField)) << "the field's item stays";
    EXPECT_EQ(nFields, packet.fields.GetSize());
}

// A keyboard user's road through the dialog: the type field entered by Tab takes the typed digits over its zeros.
TEST_F(DesignCommandsTest, AddPacketTakesTheTypeTypedAfterTabAndEnterConfirmsIt)
{
    ProjectRecord& project = OpenProject();
    const INT_PTR nPackets = project.packets.GetSize();
    Select(BranchOf("design", "Packet"));
    CFrameKeys dialogKeys;  // Tab and Enter reach the dialog as its own loop hands them on
    Answering(
        "Add Packet",
        [](HWND h)
        {
            CTestInput input(::GetDlgItem(h, IDC_EDIT_NAME));
            EXPECT_TRUE(input.Text("Ciao"));  // the example already has a "Bye"
            EXPECT_TRUE(input.Key(VK_TAB));
            EXPECT_TRUE(input.Text("22222222"));
            const std::string strType = TextOf(h, IDC_EDIT_PACKET_TYPE);
            EXPECT_EQ("0x22222222", strType);
            // A refused type would hold the test in the refusal's box: cancel instead.
            EXPECT_TRUE(input.Key(strType == "0x22222222" ? VK_RETURN : VK_ESCAPE));
        },
        [&] { RunCommand(ID_PACKET_ADD); });
    ASSERT_EQ(nPackets + 1, project.packets.GetSize());
    EXPECT_STREQ("Ciao", project.packets[nPackets].name);
    EXPECT_STREQ("0x22222222", project.packets[nPackets].packetType);
}

// A keyboard user's road to the packet and field commands: Alt, the menu's letter, then the entry's.
TEST_F(DesignCommandsTest, ThePacketAndFieldMenusOpenTheirAddDialogsByTheirLetters)
{
    OpenProject();
    const struct
    {
        const char* pszBranch;
        WORD wMenuLetter;
        const char* pszDialog;
        UINT nCommand;
    } menus[] = {{"Packet", 'A', "Add Packet", ID_PACKET_ADD}, {"Head", 'I', "Add Field", ID_FIELD_ADD}};
    CFrameKeys frameKeys;
    for (const auto& menu : menus)
    {
        Select(BranchOf("design", menu.pszBranch));
        CTestInput input(Tree().GetSafeHwnd());
        CMessageRecorder commands({m_pFrame->GetSafeHwnd()}, {WM_COMMAND});
        const auto ran = [&]
        {
            for (const CRecordedMessage& msg : commands.Messages())
                if (LOWORD(msg.wParam) == menu.nCommand)
                    return true;
            return false;
        };
        const CRect rcShown = ShownAt(menu.pszDialog,
                                      [&]
                                      {
                                          EXPECT_TRUE(input.Key(VK_MENU));
                                          EXPECT_TRUE(input.Key(menu.wMenuLetter));
                                          EXPECT_TRUE(input.Key('A'));
                                          EXPECT_TRUE(PumpUntil(ran)) << menu.pszDialog;
                                      });
        EXPECT_FALSE(rcShown.IsRectEmpty()) << menu.pszDialog;
    }
}

// The page on show follows what the project dialogs change, so a later edit starts from the stored values.
TEST_F(DesignCommandsTest, TheProjectPageShowsWhatProjectPropertiesStored)
{
    ProjectRecord& project = OpenProject();
    Select(ProjectItem("design"));
    ASSERT_EQ(0, project.basedProtocol);
    Answering(
        "Project Properties", [](HWND h) { Click(h, IDC_RADIO_UDP); }, [&] { RunCommand(ID_PROJECT_PROPERTIES); });
    ASSERT_EQ(1, project.basedProtocol);
    EXPECT_STREQ("UDP", Item(CProtocolSettingsPane::kProjectPage, "Based Protocol")->GetValue());
}

// Dialogs open over the frame, as message boxes do, not at the screen's corner over the menu bar.
TEST_F(DesignCommandsTest, TheProjectAndRecordDialogsOpenCentredOnTheFrame)
{
    OpenProject();
    m_pFrame->MoveWindow(120, 90, 900, 700);
    CRect rcFrame;
    m_pFrame->GetWindowRect(&rcFrame);
    const auto expectCentred = [&](const char* pszTitle, UINT nCommand)
    {
        const CRect rcDialog = ShownAt(pszTitle, [&] { RunCommand(nCommand); });
        ASSERT_FALSE(rcDialog.IsRectEmpty()) << pszTitle << " did not show";
        EXPECT_NEAR(rcFrame.CenterPoint().x, rcDialog.CenterPoint().x, 1) << pszTitle;
        EXPECT_NEAR(rcFrame.CenterPoint().y, rcDialog.CenterPoint().y, 1) << pszTitle;
    };
    expectCentred("New Project", ID_PROJECT_NEW);
    expectCentred("Open", ID_PROJECT_OPEN);
    Select(BranchOf("design", "Packet"));
    expectCentred("Add Packet", ID_PACKET_ADD);
    Select(BranchOf("design", "Head"));
    expectCentred("Add Field", ID_FIELD_ADD);
}

namespace
{

std::string g_strBoxCaption;
bool g_bBoxSeen = false;

BOOL CALLBACK ReadAndCloseBox(HWND hWnd, LPARAM)
{
    char szClass[16] = "", szCaption[64] = "";
    ::GetClassName(hWnd, szClass, sizeof szClass);
    if (lstrcmp(szClass, "#32770") != 0 || !::IsWindowVisible(hWnd))
        return TRUE;
    ::GetWindowText(hWnd, szCaption, sizeof szCaption);
    g_strBoxCaption = szCaption;
    g_bBoxSeen = true;
    ::PostMessage(hWnd, WM_COMMAND, IDOK, 0);
    return FALSE;
}

// Whatever box the thread shows is read and closed, so a wrong caption fails the test instead of hanging it.
void CALLBACK CloseBoxTick(HWND, UINT, UINT_PTR idEvent, DWORD)
{
    ::EnumThreadWindows(::GetCurrentThreadId(), ReadAndCloseBox, 0);
    if (g_bBoxSeen)
        ::KillTimer(nullptr, idEvent);
}

}  // namespace

// The framework's own boxes (the save prompt, a missing recent or help file) carry the program's title.
TEST_F(DesignCommandsTest, AFrameworkMessageBoxIsCaptionedWithTheProgramsTitle)
{
    g_strBoxCaption.clear();
    g_bBoxSeen = false;
    ::SetTimer(nullptr, 0, 50, CloseBoxTick);
    DesignerTestApp().CWinApp::DoMessageBox("the file is gone", MB_OK, 0);
    EXPECT_EQ("Kestova", g_strBoxCaption);
}

// The frame's shortcuts for the editors' text leave a settings value being typed to its own edit keys.
// A floating pane is a window of its own, not one of the frame's children: its text box takes its keys too.
TEST_F(DesignCommandsTest, EditKeysInAFloatingSettingsPaneEditItToo)
{
    PacketRecord& packet = OpenProject().packets[0];
    CKTDockingPaneManager& panes = m_pFrame->m_paneManager;
    ASSERT_TRUE(panes.FloatPane(panes.FindPane(ID_PANE_SETTINGS), CRect(300, 300, 600, 600)));
    CFrameKeys frameKeys;
    TypeAndTakeBackInTheFirstFieldsMaxLength(packet);
}

TEST_F(DesignCommandsTest, EditKeysInASettingsValueEditItAndCommitNothing)
{
    PacketRecord& packet = OpenProject().packets[0];
    const CString strPacket(packet.name);
    CFrameKeys frameKeys;
    const HTREEITEM hPacket = TypeAndTakeBackInTheFirstFieldsMaxLength(packet);

    Select(hPacket);
    ASSERT_TRUE(SetClipboardText(nullptr, "Pasted"));
    CKTPropertyGridInplaceEdit& name = TypeAtTheEnd(CProtocolSettingsPane::kPacketPage, "Name", "Q");
    CTestInput nameKeys(name.GetSafeHwnd());
    EXPECT_TRUE(nameKeys.Key('V', CTestInput::kControl));
    EXPECT_TRUE(nameKeys.Key(VK_INSERT, CTestInput::kShift));
    EXPECT_EQ(strPacket + "QPastedPasted", EditText(name)) << "Ctrl+V and Shift+Ins paste into the edit";
    m_pFrame->SendMessage(WM_COMMAND, ID_EDIT_UNDO);
    EXPECT_STREQ(strPacket, packet.name)
        << "not committed before Enter, by an Undo that has no editor to act on either";
    EXPECT_TRUE(nameKeys.Key(VK_RETURN));
    EXPECT_STREQ(strPacket + "QPastedPasted", packet.name);
}

class RefusalHoldsTheProgramTest : public DesignCommandsTest, public ::testing::WithParamInterface<UINT>
{
protected:
    // The frame and the floating frame of whichever pane floats.
    std::set<HWND> TopLevelWindows() const
    {
        return {m_pFrame->GetSafeHwnd(), ::GetAncestor(Tree().GetSafeHwnd(), GA_ROOT),
                ::GetAncestor(m_pFrame->m_wndSettings.GetSafeHwnd(), GA_ROOT)};
    }
    // Scrolled into view first: the tree of a small frame or pane shows few of the example's items.
    CPoint ItemMiddle(HTREEITEM hItem) const
    {
        Tree().EnsureVisible(hItem);
        CRect rcItem;
        EXPECT_TRUE(Tree().GetItemRect(hItem, &rcItem, TRUE));
        return rcItem.CenterPoint();
    }
    // A real click on the tree item, sent while the box has the input: the system delivers it wherever it lands.
    void ClickThroughTheBox(HWND hBox, HTREEITEM hItem) const
    {
        CPoint pt = ItemMiddle(hItem);
        Tree().ClientToScreen(&pt);
        ::SetWindowPos(hBox, nullptr, pt.x + 40, pt.y + 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        ::ScreenToClient(hBox, &pt);
        CTestInput input(hBox);
        EXPECT_TRUE(input.Click(pt));
    }
};

// A bit field's width typed too wide and refused while one pane floats: until the box is answered nothing else
// of the program takes input, so a click on another field in the tree reaches nothing, and the page the box
// leaves is the refused field's, showing its stored width before the box shows.
TEST_P(RefusalHoldsTheProgramTest, AndTheFieldsPageIsWholeBeforeTheBoxShows)
{
    ProjectRecord& project = OpenProject();
    CKTDockingPaneManager& panes = m_pFrame->m_paneManager;
    m_pFrame->MoveWindow(40, 40, 700, 560);
    ASSERT_TRUE(panes.FloatPane(panes.FindPane(GetParam()), CRect(760, 60, 1020, 460)));
    const HTREEITEM hHead = BranchOf("design", "Head");
    const HTREEITEM hPacket = FirstChildOf("design", "Packet");
    Tree().Expand(hHead, TVE_EXPAND);
    Tree().Expand(hPacket, TVE_EXPAND);
    const HTREEITEM hChannel = ChildNamed(Tree(), hHead, "channel");
    const HTREEITEM hUser = ChildNamed(Tree(), hPacket, "user");
    Select(hChannel);
    const FieldRecord& channel = project.headerFields[2];
    ASSERT_STREQ("7", channel.maxLength);

    CTestInput keys(TypeAtTheEnd(CProtocolSettingsPane::kFieldPage, "Max Length", "40").GetSafeHwnd());
    std::vector<HWND> enabledWhileWaiting;
    CString strShownWhileWaiting;
    const std::string strText = Answering(
        "ERROR!",
        [&](HWND hBox)
        {
            for (HWND hWnd : TopLevelWindows())
                if (::IsWindowEnabled(hWnd))
                    enabledWhileWaiting.push_back(hWnd);
            strShownWhileWaiting = Item(CProtocolSettingsPane::kFieldPage, "Max Length")->GetValue();
            ClickThroughTheBox(hBox, hUser);
        },
        [&] { EXPECT_TRUE(keys.Key(VK_RETURN)); });
    PumpMessages();

    EXPECT_EQ("invalid field max length!", strText);
    EXPECT_TRUE(enabledWhileWaiting.empty()) << "the frame and its floating frame are disabled while the box waits";
    EXPECT_EQ(CString("7"), strShownWhileWaiting) << "the stored width is back before the box shows";
    EXPECT_EQ(hChannel, Tree().GetSelectedItem()) << "the click while the box waited reached nothing";
    EXPECT_STREQ("unsigned char", Item(CProtocolSettingsPane::kFieldPage, "Data Type")->GetValue());
    EXPECT_STREQ("7", channel.maxLength);
    for (HWND hWnd : TopLevelWindows())
        EXPECT_TRUE(::IsWindowEnabled(hWnd)) << "all take input again once it is answered";
    EXPECT_EQ(::GetAncestor(m_pFrame->m_wndSettings.GetSafeHwnd(), GA_ROOT), ::GetActiveWindow())
        << "the frame that owned the box gives the keyboard back to the pane the width was typed in";
    CTestInput treeInput(Tree().GetSafeHwnd());
    EXPECT_TRUE(treeInput.Click(ItemMiddle(hUser)));
    EXPECT_EQ(hUser, Tree().GetSelectedItem()) << "the same click now selects the other field";
}

INSTANTIATE_TEST_SUITE_P(EitherPaneFloating, RefusalHoldsTheProgramTest,
                         ::testing::Values(ID_PANE_SETTINGS, ID_PANE_PROJECT_TREE));
