// The settings pane hosted in a window: records loaded into its pages, changes written back or refused.
#include <gtest/gtest.h>

#include "DialogDriver.h"
#include "KTPropertyGridInplaceList.h"
#include "KTPropertyGridView.h"
#include "ProtocolSettingsPane.h"
#include "SelectedRecords.h"
#include "TestApp.h"
#include "TestFolder.h"
#include "TestInput.h"
#include "model/FixedText.h"
#include "model/Vocabulary.h"
#include "project/ProjectFile.h"
#include "validation/DesignValidator.h"

namespace
{

FieldRecord Field(const char* pszName, const char* pszType, int nUnit = 0)
{
    FieldRecord field;
    CopyFixedText(field.name, pszName);
    CopyFixedText(field.dataType, pszType);
    field.unit = nUnit;
    return field;
}

PacketRecord Packet(const char* pszName, const char* pszType)
{
    PacketRecord packet;
    CopyFixedText(packet.name, pszName);
    CopyFixedText(packet.packetType, pszType);
    return packet;
}

class CFakeSelection : public ISettingsSelection
{
public:
    SettingsTarget m_target;
    CString m_strRenamed;
    SettingsTarget Resolve() override { return m_target; }
    void RenameSelected(LPCTSTR pszName) override { m_strRenamed = pszName; }
};

class SettingsPaneTest : public ::testing::Test
{
protected:
    ProjectRecord m_project;
    CProtocolSettingsPane m_pane;
    CFakeSelection m_selection;

    void SetUp() override
    {
        CopyFixedText(m_project.name, "demo");
        m_project.packets.Add(Packet("Submit", "0x0000001A"));
        m_project.packets.Add(Packet("Query", "0x00000002"));
        FieldRecordArray& fields = m_project.packets[0].fields;
        fields.Add(Field("count", "unsigned int"));
        fields.Add(Field("text", "char []"));
        fields.Add(Field("list", "char *"));
        fields.Add(Field("later", "unsigned char"));
        ASSERT_TRUE(m_pane.Create(AfxRegisterWndClass(0), "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 400),
                                  MainFrameForTests(), 1234));
        m_pane.SetSelection(&m_selection);
    }
    void TearDown() override { m_pane.DestroyWindow(); }

    CKTPropertyGridItem* Item(CProtocolSettingsPane::EPage page, LPCSTR pszCaption)
    {
        return m_pane.Page(page).GetGridView()->GetCategories()->FindItemByCaption(pszCaption);
    }
    CKTPropertyGridItem* FieldItem(LPCSTR pszCaption) { return Item(CProtocolSettingsPane::kFieldPage, pszCaption); }
    // The user's edit of an item, as the grid reports it to the pane.
    std::string Change(CKTPropertyGridItem* pItem, LPCSTR pszValue)
    {
        return AnswerRefusal([&] { pItem->OnValueChanged(pszValue); });
    }
    void SelectPacket(INT_PTR nPacket)
    {
        m_selection.m_target = {&m_project, &m_project.packets[nPacket]};
        m_pane.LoadPacket(m_project.packets[nPacket]);
    }
    FieldRecord& SelectField(INT_PTR nField)
    {
        FieldRecordArray& fields = m_project.packets[0].fields;
        m_selection.m_target = {&m_project, &m_project.packets[0], &fields, nField};
        m_pane.LoadField(fields[nField], fields);
        return fields[nField];
    }
    std::vector<std::string> ListOf(CKTPropertyGridItem* pItem)
    {
        std::vector<std::string> texts;
        for (int i = 0; i < pItem->GetConstraints()->GetCount(); i++)
            texts.push_back((LPCSTR)pItem->GetConstraints()->GetAt(i));
        return texts;
    }
};

}  // namespace

TEST_F(SettingsPaneTest, BlankPageIsShownUntilSomethingIsLoaded)
{
    EXPECT_TRUE(m_pane.Page(CProtocolSettingsPane::kBlankPage).IsWindowVisible());
    EXPECT_FALSE(m_pane.Page(CProtocolSettingsPane::kFieldPage).IsWindowVisible());
    SelectField(0);
    EXPECT_TRUE(m_pane.Page(CProtocolSettingsPane::kFieldPage).IsWindowVisible());
    EXPECT_FALSE(m_pane.Page(CProtocolSettingsPane::kBlankPage).IsWindowVisible());
}

TEST_F(SettingsPaneTest, FocusGoesToTheVisiblePage)
{
    SelectPacket(0);
    m_pane.SetFocus();
    CWnd* pFocus = CWnd::GetFocus();
    CKTPropertyGrid& page = m_pane.Page(CProtocolSettingsPane::kPacketPage);
    ASSERT_NE(nullptr, pFocus);
    EXPECT_TRUE(pFocus == &page || page.IsChild(pFocus)) << "the hidden pages never keep the focus";
}

TEST_F(SettingsPaneTest, PacketNameIsCheckedRestoredAndRenamed)
{
    SelectPacket(0);
    CKTPropertyGridItem* pName = Item(CProtocolSettingsPane::kPacketPage, "Name");
    EXPECT_EQ("invalid packet name!", Change(pName, "_________________________"));
    EXPECT_EQ("Submit", std::string(pName->GetValue()));
    EXPECT_EQ("", Change(pName, "Submit___________________")) << "its own name changes nothing";
    EXPECT_EQ("packet Query already exist!", Change(pName, "Query____________________"));
    EXPECT_STREQ("Submit", m_project.packets[0].name);
    EXPECT_EQ("packet query already exist!", Change(pName, "query____________________"))
        << "packet names differ by more than their case";
    EXPECT_EQ("", Change(pName, "SUBMIT___________________")) << "its own name in other letters is a rename";
    EXPECT_STREQ("SUBMIT", m_project.packets[0].name);
    EXPECT_EQ("", Change(pName, "Login____________________"));
    EXPECT_STREQ("Login", m_project.packets[0].name);
    EXPECT_EQ("Login", std::string(m_selection.m_strRenamed));
}

TEST_F(SettingsPaneTest, PacketTypeComparesHexValuesLeavingItselfOut)
{
    SelectPacket(0);
    CKTPropertyGridItem* pType = Item(CProtocolSettingsPane::kPacketPage, "Type");
    EXPECT_EQ("", Change(pType, "0x1A______")) << "fewer leading zeros are the same packet's own type";
    EXPECT_STREQ("0x1A", m_project.packets[0].packetType);
    EXPECT_EQ("packet type 0x002 already exist!", Change(pType, "0x002_____"));
    EXPECT_EQ("invalid packet type!", Change(pType, "0x________"));
    EXPECT_STREQ("0x1A", m_project.packets[0].packetType);
}

TEST_F(SettingsPaneTest, PointerFieldLoadsWithEarlierNonStringFieldsOnly)
{
    SelectField(2);
    EXPECT_EQ(std::vector<std::string>{"count"}, ListOf(FieldItem("Related Count")));
    EXPECT_EQ(std::vector<std::string>{"count"}, ListOf(FieldItem("Related Length")));
    EXPECT_FALSE(FieldItem("Max Length")->GetReadOnly());
    EXPECT_FALSE(FieldItem("Max Count")->GetReadOnly());
    EXPECT_FALSE(FieldItem("Related Count")->GetReadOnly());
    EXPECT_FALSE(FieldItem("Attribute")->GetReadOnly());
    EXPECT_TRUE(FieldItem("Variant")->GetReadOnly()) << "fix length has no variant";
    EXPECT_TRUE(FieldItem("Tag")->GetReadOnly());
    SelectField(0);
    EXPECT_TRUE(ListOf(FieldItem("Related Count")).empty()) << "the first field has nothing before it";
    EXPECT_TRUE(FieldItem("Max Length")->GetReadOnly());
}

TEST_F(SettingsPaneTest, UnitThroughTlvAndBackTakesCharPointerOutAndIn)
{
    FieldRecord& field = SelectField(2);
    EXPECT_EQ("", Change(FieldItem("Unit"), "TLV"));
    EXPECT_EQ(2, field.unit);
    EXPECT_STREQ("unsigned int", field.dataType);
    EXPECT_EQ("unsigned int", std::string(FieldItem("Data Type")->GetValue()));
    auto types = ListOf(FieldItem("Data Type"));
    EXPECT_EQ(types.end(), std::find(types.begin(), types.end(), "char *"));
    EXPECT_FALSE(FieldItem("Tag")->GetReadOnly());
    Change(FieldItem("Unit"), "byte");
    EXPECT_EQ("char *", ListOf(FieldItem("Data Type")).back());
}

TEST_F(SettingsPaneTest, ATlvPointerFieldLoadsShowingWhatItHolds)
{
    m_project.packets[0].fields[2].unit = UNIT_TLV;
    const FieldRecord& field = SelectField(2);
    EXPECT_EQ("char *", std::string(FieldItem("Data Type")->GetValue()));
    auto types = ListOf(FieldItem("Data Type"));
    EXPECT_EQ(types.end(), std::find(types.begin(), types.end(), "char *"));
    EXPECT_STREQ("char *", field.dataType) << "loading a page changes no record";
}

TEST_F(SettingsPaneTest, ListItemsTakeOnlyTheirOwnTexts)
{
    FieldRecord& field = SelectField(0);
    EXPECT_EQ("invalid unit!", Change(FieldItem("Unit"), "bytes"));
    EXPECT_EQ(0, field.unit) << "free text never maps to another unit";
    EXPECT_EQ("byte", std::string(FieldItem("Unit")->GetValue()));
    Change(FieldItem("Data Type"), "unsigned");
    EXPECT_STREQ("unsigned int", field.dataType);
    EXPECT_EQ("unsigned int", std::string(FieldItem("Data Type")->GetValue()));
    EXPECT_EQ("invalid type!", Change(FieldItem("Type"), "Packet Type"));
    EXPECT_EQ(0, field.type);
    Change(FieldItem("Data Type"), "unsigned short int");
    EXPECT_STREQ("2", field.maxLength);
    EXPECT_TRUE(FieldItem("Max Length")->GetReadOnly());
}

TEST_F(SettingsPaneTest, BitWidthIsANumberFromOneToThirtyOne)
{
    FieldRecord& field = SelectField(3);
    Change(FieldItem("Unit"), "byte");
    Change(FieldItem("Data Type"), "char []");
    EXPECT_EQ("", Change(FieldItem("Max Length"), "+9x"));
    Change(FieldItem("Unit"), "bit");
    EXPECT_STREQ("9", field.maxLength) << "a width kept as typed reads as its number once the unit is bit";
    EXPECT_EQ("9", std::string(FieldItem("Max Length")->GetValue()));
    EXPECT_EQ("invalid field max length!", Change(FieldItem("Max Length"), "32"));
    EXPECT_EQ("invalid field max length!", Change(FieldItem("Max Length"), "0"));
    EXPECT_EQ("invalid field max length!", Change(FieldItem("Max Length"), "-5"));
    EXPECT_EQ("invalid field max length!", Change(FieldItem("Max Length"), "x1"));
    EXPECT_EQ("", Change(FieldItem("Max Length"), "12abc"));
    EXPECT_STREQ("12", field.maxLength) << "the width as the design's check reads it";
    EXPECT_EQ("12", std::string(FieldItem("Max Length")->GetValue()));
    EXPECT_STREQ("unsigned short int", field.dataType);
    EXPECT_EQ("unsigned short int", std::string(FieldItem("Data Type")->GetValue()));
}

// What the design cannot use is named by its check before code is generated, not refused here.
TEST_F(SettingsPaneTest, LengthsCountsAndRelatedFieldsAreKeptAsTyped)
{
    FieldRecord& field = SelectField(2);
    EXPECT_EQ("", Change(FieldItem("Max Length"), "ten"));
    EXPECT_STREQ("ten", field.maxLength);
    // The project file cannot hold these: each is put back with a word.
    EXPECT_EQ("invalid field max length!", Change(FieldItem("Max Length"), "1\x01"));
    EXPECT_STREQ("ten", field.maxLength);
    EXPECT_EQ("ten", std::string(FieldItem("Max Length")->GetValue()));
    EXPECT_EQ("", Change(FieldItem("Max Count"), "four"));
    EXPECT_STREQ("four", field.maxCount);
    EXPECT_EQ("invalid field max count!", Change(FieldItem("Max Count"), "4\x01"));
    EXPECT_STREQ("four", field.maxCount);
    EXPECT_EQ("", Change(FieldItem("Related Count"), "later"));
    EXPECT_STREQ("later", field.relatedCountField);
    EXPECT_EQ("invalid related field!", Change(FieldItem("Related Count"), "a\x01"));
    EXPECT_STREQ("later", field.relatedCountField);
    EXPECT_EQ("field count already exist!", Change(FieldItem("Name"), "count____________________"));
}

TEST_F(SettingsPaneTest, TypedTextsAreSavedReopenedAndNamedByTheDesignCheck)
{
    FieldRecord kind = Field("kind", "unsigned int");
    kind.type = FIELD_PACKET_TYPE;
    CopyFixedText(kind.maxLength, "4");
    m_project.headerFields.Add(kind);
    FieldRecordArray& fields = m_project.packets[0].fields;
    CopyFixedText(fields[0].maxLength, "4");
    CopyFixedText(fields[1].maxLength, "8");
    CopyFixedText(fields[3].maxLength, "1");
    SelectField(2);
    Change(FieldItem("Max Length"), "ten");
    Change(FieldItem("Attribute"), "variant length");
    Change(FieldItem("Variant"), "select a related field");
    Change(FieldItem("Related Length"), "later");
    Change(FieldItem("Max Count"), "four");
    Change(FieldItem("Related Count"), "nosuch");

    const CTestFolder folder("settings");
    const std::string path = folder.Path("demo.kvs");
    CString error, message;
    ASSERT_TRUE(WriteProjectFile(m_project, path.c_str(), &error)) << error;
    ProjectRecord read;
    ASSERT_TRUE(ReadProjectFile(path.c_str(), &read, &message)) << message;
    FieldRecord& field = read.packets[0].fields[2];
    EXPECT_STREQ("ten", field.maxLength);
    EXPECT_STREQ("later", field.relatedLengthField);
    EXPECT_STREQ("four", field.maxCount);
    EXPECT_STREQ("nosuch", field.relatedCountField);

    // The check names the first text it cannot use; each put right brings the next.
    const auto problem = [&]
    {
        CString line;
        return ValidateDesign(read, &line) ? std::string() : std::string(line);
    };
    const std::string place = "Error: project demo, packet Submit, field list: ";
    const std::string end = ", please redesign your protocol!";
    EXPECT_EQ(place + "the max length of a \"char *\" field must be a number from 1 to 65535, not \"ten\"" + end,
              problem());
    CopyFixedText(field.maxLength, "8");
    EXPECT_EQ(place + "the related length field \"later\" is not an earlier field of the same packet" + end, problem());
    CopyFixedText(field.relatedLengthField, "count");
    EXPECT_EQ(place + "the max count of a \"char *\" field must be a number from 1 to 65535, not \"four\"" + end,
              problem());
    CopyFixedText(field.maxCount, "4");
    EXPECT_EQ(place + "the related count field \"nosuch\" is not an earlier field of the same packet" + end, problem());
}

TEST_F(SettingsPaneTest, TagRewrittenWithFewerZerosIsItsOwn)
{
    FieldRecordArray& fields = m_project.packets[0].fields;
    fields[0].unit = 2;
    CopyFixedText(fields[0].tlvTag, "0x00000005");
    fields[3].unit = 2;
    CopyFixedText(fields[3].tlvTag, "0x0000001A");
    FieldRecord& field = SelectField(3);
    EXPECT_EQ("", Change(FieldItem("Tag"), "0x1A______"));
    EXPECT_STREQ("0x1A", field.tlvTag);
    EXPECT_EQ("tag value 0x5 already exist!", Change(FieldItem("Tag"), "0x5_______"));
}

TEST_F(SettingsPaneTest, SelectionFindsRecordsByCaptionAndShowsTheirPage)
{
    m_project.headerFields.Add(Field("count", "unsigned short int"));
    SelectedItem item{&m_project, 5, "list", "Submit"};
    LoadSelectedPage(m_pane, item);
    EXPECT_TRUE(m_pane.Page(CProtocolSettingsPane::kFieldPage).IsWindowVisible());
    EXPECT_EQ("char *", std::string(FieldItem("Data Type")->GetValue()));
    const SettingsTarget packetField = FindSelectedRecords(item);
    EXPECT_EQ(&m_project.packets[0].fields[2], packetField.Field());

    item = {&m_project, 2, "count", ""};
    EXPECT_EQ(&m_project.headerFields[0], FindSelectedRecords(item).Field()) << "header and packet names never mix";
    LoadSelectedPage(m_pane, item);
    EXPECT_EQ("unsigned short int", std::string(FieldItem("Data Type")->GetValue()));

    item = {&m_project, 5, "missing", "Submit"};
    EXPECT_EQ(nullptr, FindSelectedRecords(item).Field());
    LoadSelectedPage(m_pane, item);
    EXPECT_EQ("unsigned short int", std::string(FieldItem("Data Type")->GetValue())) << "the page keeps its values";

    LoadSelectedPage(m_pane, {&m_project, 0, "demo", ""});
    EXPECT_TRUE(m_pane.Page(CProtocolSettingsPane::kProjectPage).IsWindowVisible());
    EXPECT_TRUE(Item(CProtocolSettingsPane::kProjectPage, "Name")->GetReadOnly());
    EXPECT_TRUE(Item(CProtocolSettingsPane::kProjectPage, "Location")->GetReadOnly());
    LoadSelectedPage(m_pane, {&m_project, 3, "Packet", "demo"});
    EXPECT_TRUE(m_pane.Page(CProtocolSettingsPane::kBlankPage).IsWindowVisible());
}

TEST_F(SettingsPaneTest, UnitChosenInTheDropDownStoresTlvAndDropsCharPointer)
{
    FieldRecord& field = SelectField(2);
    // Above the frame's other children, so that the clicks reach it.
    m_pane.SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    CKTPropertyGridView* pView = m_pane.Page(CProtocolSettingsPane::kFieldPage).GetGridView();
    CRect rcRow;
    pView->GetItemRect(FieldItem("Unit")->GetIndex(), rcRow);
    CTestInput input(pView->GetSafeHwnd());
    ASSERT_TRUE(input.Click(CPoint(40, rcRow.CenterPoint().y)));
    ASSERT_TRUE(input.Key(VK_F4));
    CKTPropertyGridInplaceList& list = m_pane.Page(CProtocolSettingsPane::kFieldPage).GetInplaceList();
    ASSERT_TRUE(WaitFor([&] { return list.GetSafeHwnd() && list.IsWindowVisible(); }));
    CTestInput listInput(list.GetSafeHwnd());
    EXPECT_TRUE(listInput.Key(VK_END));
    EXPECT_TRUE(listInput.Key(VK_RETURN));
    ASSERT_TRUE(WaitFor([&] { return field.unit == 2; }));
    EXPECT_STREQ("unsigned int", field.dataType);
    auto types = ListOf(FieldItem("Data Type"));
    EXPECT_EQ(types.end(), std::find(types.begin(), types.end(), "char *"));
}
