// Documents with embedded objects: the view's one selected item, its verbs in
// a menu entry, and a verb command reaching the object's server.
#include <gtest/gtest.h>
#include "afxole.h"
#include "afxres.h"
#include "TestOleServer.h"

#include <set>

namespace
{

// Selects the items it is told to; never shown.
class CSelectingView : public CView
{
public:
    std::set<const CObject*> m_selected;
    BOOL IsSelected(const CObject* pDocItem) const override { return m_selected.count(pDocItem) != 0; }
    void OnDraw(CDC*) override {}

protected:
    void PostNcDestroy() override {}
};

class CContainerDoc : public COleDocument
{
public:
    CContainerDoc() { m_bAutoDelete = FALSE; }
    ~CContainerDoc() override
    {
        if (m_pView)
            RemoveView(m_pView);
    }
    void Attach(CSelectingView* pView)
    {
        m_pView = pView;
        AddView(pView);
    }
    CSelectingView* m_pView = nullptr;
};

struct MenuEntry
{
    CString strText;
    UINT nState;
    HMENU hSubMenu;
};

MenuEntry EntryAt(CMenu& menu, int nPos)
{
    MenuEntry entry;
    menu.GetMenuString((UINT)nPos, entry.strText, MF_BYPOSITION);
    entry.nState = menu.GetMenuState((UINT)nPos, MF_BYPOSITION);
    entry.hSubMenu = ::GetSubMenu(menu.GetSafeHmenu(), nPos);
    return entry;
}

class OleDocument : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(AfxOleInit());
        m_doc.Attach(&m_view);
    }

    COleClientItem* NewEmbeddedItem()
    {
        auto* pItem = new COleClientItem(&m_doc);
        EXPECT_TRUE(pItem->CreateNewItem(CTestOleServer::kClsid, OLERENDER_NONE));
        return pItem;
    }

    CTestOleServer m_server{{L"&Edit", L"&Open", L"&Play"}, L"Shape"};
    CSelectingView m_view;
    CContainerDoc m_doc;
};

}  // namespace

TEST_F(OleDocument, ThePrimarySelectedItemIsTheOnlyOneTheViewSelects)
{
    auto* pFirst = new COleClientItem(&m_doc);
    auto* pSecond = new COleClientItem(&m_doc);
    EXPECT_EQ(nullptr, m_doc.GetPrimarySelectedItem(&m_view));
    m_view.m_selected.insert(pSecond);
    EXPECT_EQ(pSecond, m_doc.GetPrimarySelectedItem(&m_view));
    m_view.m_selected.insert(pFirst);
    EXPECT_EQ(nullptr, m_doc.GetPrimarySelectedItem(&m_view)) << "two selected items name no primary one";
    delete pFirst;
    m_view.m_selected.erase(pFirst);
    EXPECT_EQ(pSecond, m_doc.GetPrimarySelectedItem(&m_view)) << "a deleted item leaves the document";
    EXPECT_EQ(m_doc.GetPrimarySelectedItem(nullptr), nullptr);
}

TEST_F(OleDocument, AnEmbeddedObjectListsItsVerbsAsAPopupEntryNamedByItsType)
{
    ASSERT_TRUE(m_server.IsRegistered());
    COleClientItem* pItem = NewEmbeddedItem();
    ASSERT_NE(nullptr, pItem->m_lpObject);
    EXPECT_EQ(OT_EMBEDDED, pItem->GetType());
    CString strType;
    pItem->GetUserType(USERCLASSTYPE_SHORT, strType);
    EXPECT_STREQ("Shape", strType);

    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    AfxOleSetEditMenu(pItem, &menu, 0, ID_OLE_VERB_FIRST, ID_OLE_VERB_LAST);
    ASSERT_EQ(1u, menu.GetMenuItemCount());
    MenuEntry entry = EntryAt(menu, 0);
    ASSERT_NE(nullptr, entry.hSubMenu);
    EXPECT_NE(-1, entry.strText.Find("Shape")) << entry.strText;
    EXPECT_EQ(0u, entry.nState & (MF_GRAYED | MF_DISABLED));
    CMenu* pVerbs = CMenu::FromHandle(entry.hSubMenu);
    ASSERT_EQ(3u, pVerbs->GetMenuItemCount());
    for (int i = 0; i < 3; i++)
        EXPECT_EQ(ID_OLE_VERB_FIRST + (UINT)i, pVerbs->GetMenuItemID(i));
    EXPECT_STREQ("&Open", EntryAt(*pVerbs, 1).strText);
}

TEST_F(OleDocument, WithoutAnItemTheEntryIsTheDisabledObjectEntry)
{
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    AfxOleSetEditMenu(nullptr, &menu, 0, ID_OLE_VERB_FIRST, ID_OLE_VERB_LAST);
    ASSERT_EQ(1u, menu.GetMenuItemCount());
    MenuEntry entry = EntryAt(menu, 0);
    EXPECT_EQ(nullptr, entry.hSubMenu);
    EXPECT_NE(0u, entry.nState & MF_GRAYED);
    EXPECT_NE(-1, entry.strText.Find("Object")) << entry.strText;
}

TEST_F(OleDocument, AVerbCommandRunsThatVerbOfTheSelectedItemOnly)
{
    COleClientItem* pItem = NewEmbeddedItem();
    EXPECT_FALSE(m_doc.OnCmdMsg(ID_OLE_VERB_FIRST + 2, CN_COMMAND, nullptr, nullptr))
        << "no selected item: the command is left to others";
    EXPECT_TRUE(m_server.GetVerbsRun().empty());
    m_view.m_selected.insert(pItem);
    EXPECT_TRUE(m_doc.OnCmdMsg(ID_OLE_VERB_FIRST + 2, CN_COMMAND, nullptr, nullptr));
    EXPECT_TRUE(m_doc.OnCmdMsg(ID_OLE_VERB_FIRST, CN_COMMAND, nullptr, nullptr));
    EXPECT_EQ((std::vector<LONG>{2, 0}), m_server.GetVerbsRun());
}

TEST_F(OleDocument, ClosingTheDocumentLetsEveryObjectGo)
{
    NewEmbeddedItem();
    NewEmbeddedItem();
    EXPECT_EQ(2, m_server.GetLiveObjects());
    m_doc.DeleteContents();
    EXPECT_EQ(0, m_server.GetLiveObjects());
    EXPECT_EQ(nullptr, m_doc.GetStartPosition());
}
