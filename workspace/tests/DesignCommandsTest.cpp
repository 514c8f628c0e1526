// The packet and field commands and the settings pane in a loaded frame: real dialogs answered from
// inside their own loops, records and tree items checked together.
#include "DesignerFrameTest.h"

#include "DialogInput.h"
#include "KestovaDialogsRes.h"
#include "WorkspaceRes.h"

#include <functional>

namespace
{

// The next dialog or box with the title, filled and confirmed from a timer inside its own loop.
struct PendingAnswer
{
    std::string title;
    std::function<void(HWND)> fill;
    std::string text;  // a message box's text
    bool bAnswered = false;
};
PendingAnswer g_answer;

void CALLBACK AnswerTick(HWND, UINT, UINT_PTR idEvent, DWORD)
{
    HWND hWnd = ::FindWindow("#32770", g_answer.title.c_str());
    if (!hWnd || !::IsWindowVisible(hWnd))
        return;
    ::KillTimer(nullptr, idEvent);
    if (g_answer.fill)
        g_answer.fill(hWnd);
    char szText[512] = "";
    ::GetDlgItemText(hWnd, 0xFFFF, szText, sizeof szText);
    g_answer.text = szText;
    g_answer.bAnswered = true;
    ::PostMessage(hWnd, WM_COMMAND, IDOK, 0);
}

// Runs the action, answering what it shows; the box's text, empty when nothing was answered.
std::string Answering(const char* pszTitle, std::function<void(HWND)> fill, const std::function<void()>& action)
{
    g_answer = PendingAnswer();
    g_answer.title = pszTitle;
    g_answer.fill = std::move(fill);
    const UINT_PTR nTimer = ::SetTimer(nullptr, 0, 50, AnswerTick);
    action();
    if (!g_answer.bAnswered)
        ::KillTimer(nullptr, nTimer);
    return g_answer.bAnswered ? g_answer.text : std::string();
}

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
