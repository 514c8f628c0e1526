// OleVerbListTests.cpp: a menu's OLE-verb place shows the verbs of the object selected in the active view, and a
// pick runs the verb in the object's server; in the test frame with real input.
#include "CommandBarsTestsRes.h"
#include "FrameFixture.h"
#include "KTCommandBar.h"
#include "KTCommandBars.h"
#include "KTControlAction.h"
#include "KTControlOleItems.h"
#include "KTControls.h"
#include "KTPopupBar.h"
#include "MessagePump.h"
#include "TestInput.h"
#include "TestOleServer.h"

#include <afxole.h>
#include <afxres.h>
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace
{
// Selects the items it is told to.
class CSelectingView : public CView
{
public:
    std::set<const CObject*> m_selected;
    BOOL IsSelected(const CObject* pDocItem) const override { return m_selected.count(pDocItem) != 0; }
    void OnDraw(CDC*) override {}
};

class CContainerDoc : public COleDocument
{
public:
    CContainerDoc() { m_bAutoDelete = FALSE; }
};

// An item whose object is a picture only: it has no verbs to offer.
class CStaticItem : public COleClientItem
{
public:
    using COleClientItem::COleClientItem;
    void MakeStatic() { m_nItemType = OT_STATIC; }
};

class OleVerbListTest : public CFrameFixture
{
protected:
    void SetUp() override
    {
        CFrameFixture::SetUp();
        ASSERT_TRUE(AfxOleInit());
        m_pServer = std::make_unique<CTestOleServer>(Verbs(), L"Shape");
        ASSERT_TRUE(m_pServer->IsRegistered());
        CMDIChildWnd* pChild = new CMDIChildWnd;
        ASSERT_TRUE(pChild->Create(NULL, "Drawing", WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, CFrameWnd::rectDefault,
                                   m_pFrame));
        m_pView = new CSelectingView;
        ASSERT_TRUE(m_pView->Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 100), pChild,
                                    AFX_IDW_PANE_FIRST, NULL));
        m_doc.AddView(m_pView);
        pChild->SetActiveView(m_pView);
        m_pFrame->MDIActivate(pChild);
        PumpMessages();
        m_pItem = new CStaticItem(&m_doc);
        ASSERT_TRUE(m_pItem->CreateNewItem(CTestOleServer::kClsid, OLERENDER_NONE));
    }
    // A menu with the verbs' place between two commands, shown under the tool bar.
    CKTSmartPtr<CKTPopupBar> ShowEditMenu()
    {
        CMenu menu;
        EXPECT_TRUE(menu.CreatePopupMenu());
        menu.AppendMenu(MF_STRING, ID_TEST_ENABLED, "&Paste");
        menu.AppendMenu(MF_STRING, ID_OLE_VERB_FIRST, "<<OLE VERBS GO HERE>>");
        menu.AppendMenu(MF_STRING, ID_TEST_TOGGLE, "&Links");
        CKTSmartPtr<CKTPopupBar> pPopup = CKTPopupBar::CreatePopupBar(m_pCommandBars);
        pPopup->LoadMenu(&menu, TRUE);
        CRect rc;
        m_pFrame->m_pStandard->GetWindowRect(&rc);
        EXPECT_TRUE(pPopup->PopupAt(rc.left + 40, rc.bottom + 10));
        PumpMessages();
        return pPopup;
    }
    CPoint Centre(CKTCommandBar* pBar, CKTControl* pControl) const
    {
        CPoint pt = pControl->GetRect().CenterPoint();
        pBar->MapWindowPoints(m_pFrame->m_pStandard, &pt, 1);
        return pt;
    }

    virtual std::vector<std::wstring> Verbs() const { return {L"&Edit", L"&Open", L"&Play"}; }
    const std::vector<LONG>& VerbsRun() const { return m_pServer->GetVerbsRun(); }

    std::unique_ptr<CTestOleServer> m_pServer;
    CContainerDoc m_doc;
    CSelectingView* m_pView = NULL;
    CStaticItem* m_pItem = NULL;
};

class SingleVerbListTest : public OleVerbListTest
{
protected:
    std::vector<std::wstring> Verbs() const override { return {L"&Play"}; }
};
}  // namespace

TEST_F(OleVerbListTest, TheSelectedObjectsVerbsOpenFromItsEntryAndAPickRunsTheVerb)
{
    m_pView->m_selected.insert(m_pItem);
    CKTSmartPtr<CKTPopupBar> pPopup = ShowEditMenu();
    CKTControls* pControls = pPopup->GetControls();
    ASSERT_EQ(4, pControls->GetCount()) << "Paste, the place, the object's entry, Links";
    ASSERT_TRUE(pControls->GetAt(1)->IsKindOf(RUNTIME_CLASS(CKTControlOleItems)));
    EXPECT_FALSE(pControls->GetAt(1)->IsVisible()) << "the place hides behind the entry";
    CKTControl* pEntry = pControls->GetAt(2);
    EXPECT_EQ(ktControlPopup, pEntry->GetType());
    EXPECT_TRUE(pEntry->IsTemporary());
    EXPECT_NE(-1, pEntry->GetCaption().Find("Shape")) << pEntry->GetCaption();
    CKTCommandBar* pVerbs = pEntry->GetCommandBar();
    ASSERT_TRUE(pVerbs != NULL);
    ASSERT_EQ(3, pVerbs->GetControls()->GetCount());
    EXPECT_EQ((int)ID_OLE_VERB_FIRST + 1, pVerbs->GetControls()->GetAt(1)->GetID());

    CTestInput input(m_pFrame->m_pStandard->GetSafeHwnd());
    ASSERT_TRUE(input.Click(Centre(pPopup, pEntry)));
    ASSERT_TRUE(PumpUntil([&] { return pVerbs->IsVisible() != FALSE; }));
    ASSERT_TRUE(input.Click(Centre(pVerbs, pVerbs->GetControls()->GetAt(1))));
    ASSERT_TRUE(PumpUntil([&] { return !VerbsRun().empty(); }));
    EXPECT_EQ(std::vector<LONG>{1}, VerbsRun()) << "&Open is verb 1";

    ASSERT_TRUE(pPopup->PopupAt(100, 100));
    PumpMessages();
    EXPECT_EQ(4, pControls->GetCount()) << "the entry is made again, not added twice";
    pPopup->SetTrackingMode(ktTrackingNone);
}

TEST_F(OleVerbListTest, VerbsShowTheirOwnNamesWhenControlsShareActions)
{
    m_pCommandBars->EnableActions(TRUE);
    m_pCommandBars->CreateAction(ID_OLE_VERB_FIRST)->SetCaption("&Edit Another Kind");
    m_pView->m_selected.insert(m_pItem);
    CKTSmartPtr<CKTPopupBar> pPopup = ShowEditMenu();
    ASSERT_EQ(4, pPopup->GetControls()->GetCount());
    CKTCommandBar* pVerbs = pPopup->GetControls()->GetAt(2)->GetCommandBar();
    ASSERT_TRUE(pVerbs != NULL);
    EXPECT_EQ(CString("&Edit"), pVerbs->GetControl(0)->GetCaption());
    EXPECT_EQ(CString("&Play"), pVerbs->GetControl(2)->GetCaption());
    pPopup->SetTrackingMode(ktTrackingNone);
    m_pCommandBars->EnableActions(FALSE);
}

// Only an object that offers verbs gets an entry: no greyed stand-in is left in the menu.
TEST_F(OleVerbListTest, WithoutASelectedObjectWithVerbsTheMenuHoldsNoEntryForThem)
{
    CKTSmartPtr<CKTPopupBar> pPopup = ShowEditMenu();
    CKTControls* pControls = pPopup->GetControls();
    ASSERT_EQ(3, pControls->GetCount()) << "Paste, the place, Links";
    EXPECT_FALSE(pControls->GetAt(1)->IsVisible()) << "the place never shows itself outside customising";
    EXPECT_EQ((int)ID_TEST_TOGGLE, pControls->GetAt(2)->GetID());
    pPopup->SetTrackingMode(ktTrackingNone);

    // A picture-only object offers no verbs either.
    m_pItem->MakeStatic();
    m_pView->m_selected.insert(m_pItem);
    pPopup = ShowEditMenu();
    ASSERT_EQ(3, pPopup->GetControls()->GetCount());
    EXPECT_FALSE(pPopup->GetControls()->GetAt(1)->IsVisible());
    pPopup->SetTrackingMode(ktTrackingNone);

    // Nor does one whose verbs cannot be read (no object behind it): no greyed stand-in.
    m_pView->m_selected = {new CStaticItem(&m_doc)};
    pPopup = ShowEditMenu();
    ASSERT_EQ(3, pPopup->GetControls()->GetCount());
    EXPECT_FALSE(pPopup->GetControls()->GetAt(1)->IsVisible());
    pPopup->SetTrackingMode(ktTrackingNone);
}

TEST_F(SingleVerbListTest, AnObjectWithOneVerbGetsOneEntryThatRunsIt)
{
    m_pView->m_selected.insert(m_pItem);
    CKTSmartPtr<CKTPopupBar> pPopup = ShowEditMenu();
    ASSERT_EQ(4, pPopup->GetControls()->GetCount()) << "the single verb is an entry of its own, not left out";
    CKTControl* pEntry = pPopup->GetControls()->GetAt(2);
    EXPECT_EQ(ktControlButton, pEntry->GetType());
    EXPECT_EQ((int)ID_OLE_VERB_FIRST, pEntry->GetID());
    EXPECT_NE(-1, pEntry->GetCaption().Find("Play")) << pEntry->GetCaption();
    EXPECT_TRUE(pEntry->GetEnabled());
    CTestInput input(m_pFrame->m_pStandard->GetSafeHwnd());
    ASSERT_TRUE(input.Click(Centre(pPopup, pEntry)));
    ASSERT_TRUE(PumpUntil([&] { return !VerbsRun().empty(); }));
    EXPECT_EQ(std::vector<LONG>{0}, VerbsRun());
}
