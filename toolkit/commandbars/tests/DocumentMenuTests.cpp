// DocumentMenuTests.cpp: the menu bar shows the menu of the active child's document type, in an MDI frame with
// two document templates, children activated by real clicks.
#include "CommandBarsTestsRes.h"
#include "FrameFixture.h"
#include "KTCommandBars.h"
#include "KTControl.h"
#include "KTControls.h"
#include "KTMenuBar.h"
#include "MessagePump.h"
#include "TestInput.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace
{

class CTestDocument : public CDocument
{
    DECLARE_DYNCREATE(CTestDocument)
};
IMPLEMENT_DYNCREATE(CTestDocument, CDocument)

class CTestDocumentView : public CView
{
    DECLARE_DYNCREATE(CTestDocumentView)
public:
    void OnDraw(CDC*) override {}
};
IMPLEMENT_DYNCREATE(CTestDocumentView, CView)

// The application keeps its templates for the whole program: each is made once.
CDocTemplate* Template(UINT nId)
{
    static std::map<UINT, CDocTemplate*> templates;
    CDocTemplate*& pTemplate = templates[nId];
    if (!pTemplate)
    {
        pTemplate = new CMultiDocTemplate(nId, RUNTIME_CLASS(CTestDocument), RUNTIME_CLASS(CMDIChildWnd),
                                          RUNTIME_CLASS(CTestDocumentView));
        AfxGetApp()->AddDocTemplate(pTemplate);
    }
    return pTemplate;
}

class DocumentMenuTest : public CFrameFixture
{
protected:
    void SetUp() override
    {
        CFrameFixture::SetUp();
        if (HasFatalFailure())
            return;
        m_pFrame->m_bCustomizeCommand = TRUE;
        AfxGetApp()->m_pMainWnd = m_pFrame;
        m_pMenuBar = m_pCommandBars->GetMenuBar();
    }
    void TearDown() override
    {
        AfxGetApp()->CloseAllDocuments(TRUE);
        PumpMessages();
        AfxGetApp()->m_pMainWnd = NULL;
        CFrameFixture::TearDown();
    }

    // A new document of the type; its child frame becomes the active one.
    CFrameWnd* OpenDocument(UINT nType)
    {
        CDocument* pDocument = Template(nType)->OpenDocumentFile(NULL);
        if (!pDocument)
            return NULL;
        POSITION pos = pDocument->GetFirstViewPosition();
        CView* pView = pDocument->GetNextView(pos);
        return pView ? pView->GetParentFrame() : NULL;
    }
    std::vector<CString> Captions() const
    {
        std::vector<CString> captions;
        for (int i = 0; i < m_pMenuBar->GetControlCount(); i++)
            if (!m_pMenuBar->GetControl(i)->IsTemporary())
                captions.push_back(m_pMenuBar->GetControl(i)->GetCaption());
        return captions;
    }
    bool Shows(UINT nMenuId) const
    {
        return PumpUntil([this, nMenuId] { return m_pMenuBar->GetCurrentMenuId() == nMenuId; });
    }
    // A real click activates the child: on the first child's caption, which the child cascaded after it leaves
    // uncovered, or into the second's view by its far corner, which lies beyond the first.
    static bool ClickUncovered(CFrameWnd* pChild, bool bFirst)
    {
        CRect rcWindow;
        pChild->GetWindowRect(rcWindow);
        CPoint pt = bFirst ? CPoint(rcWindow.left + 40, rcWindow.top + ::GetSystemMetrics(SM_CYFRAME) + 4)
                           : rcWindow.BottomRight() - CSize(15, 15);
        pChild->ScreenToClient(&pt);
        CTestInput input(pChild->GetSafeHwnd());
        return input.Click(pt);
    }

    CKTMenuBar* m_pMenuBar = NULL;
};

const std::vector<CString> kFrameMenu = {"&File", "&Edit", "&Test"};
const std::vector<CString> kTextMenu = {"&File", "&Text", "&Window"};
const std::vector<CString> kPacketMenu = {"&File", "&Packet", "&Edit", "&Window"};

}  // namespace

TEST_F(DocumentMenuTest, EachTypesChildShowsItsOwnMenuAndCustomisationsSurviveTheSwitches)
{
    CFrameWnd* pText = OpenDocument(IDR_TEXTDOC);
    ASSERT_TRUE(pText != NULL);
    ASSERT_TRUE(Shows(IDR_TEXTDOC)) << m_pMenuBar->GetCurrentMenuId();
    EXPECT_EQ(kTextMenu, Captions());
    CFrameWnd* pPacket = OpenDocument(IDR_PACKETDOC);
    ASSERT_TRUE(pPacket != NULL);
    ASSERT_TRUE(Shows(IDR_PACKETDOC));
    EXPECT_EQ(kPacketMenu, Captions());
    EXPECT_EQ(NULL, ::GetMenu(m_pFrame->GetSafeHwnd())) << "the frame never shows a menu of its own";

    // The user takes Packet off the packet menu; the text menu keeps its own controls meanwhile.
    m_pMenuBar->GetControls()->Remove(m_pMenuBar->GetControl(1));
    ASSERT_TRUE(ClickUncovered(pText, true));
    ASSERT_TRUE(Shows(IDR_TEXTDOC));
    EXPECT_EQ(kTextMenu, Captions());
    ASSERT_TRUE(ClickUncovered(pPacket, false));
    ASSERT_TRUE(Shows(IDR_PACKETDOC));
    EXPECT_EQ(std::vector<CString>({"&File", "&Edit", "&Window"}), Captions());
    EXPECT_TRUE(m_pMenuBar->IsCustomized());
    CKTDocumentMenu* pTextMenu = m_pMenuBar->GetDocumentMenus().Lookup(IDR_TEXTDOC);
    ASSERT_TRUE(pTextMenu != NULL);
    EXPECT_EQ(CString("Text"), pTextMenu->GetDocumentName());
    EXPECT_EQ(CString("Text Document"), pTextMenu->GetFileTypeName());

    // Asking whether a reset would do anything leaves the packet menu on the bar.
    EXPECT_TRUE(m_pMenuBar->IsResetEnabled());
    EXPECT_EQ(IDR_PACKETDOC, m_pMenuBar->GetCurrentMenuId());
    ASSERT_TRUE(m_pMenuBar->Reset(FALSE));
    EXPECT_EQ(kPacketMenu, Captions()) << "reset brings back the menu of the type shown";

    AfxGetApp()->CloseAllDocuments(TRUE);
    ASSERT_TRUE(Shows(IDR_TESTFRAME)) << "with no child the bar shows the frame's menu again";
    EXPECT_EQ(kFrameMenu, Captions());
    EXPECT_EQ(NULL, m_pMenuBar->GetDocumentMenus().Lookup(IDR_TESTFRAME)) << "the bar's own menu lives in the bar";
    CKTDocumentMenu* pPacketMenu = m_pMenuBar->GetDocumentMenus().Lookup(IDR_PACKETDOC);
    ASSERT_TRUE(pPacketMenu != NULL);

    CKTSmartPtr<CKTCommandBar> pClone = CKTSmartPtr<CKTCommandBar>::Adopt(m_pMenuBar->Clone(TRUE));
    CKTMenuBar* pCloneBar = static_cast<CKTMenuBar*>(pClone.GetInterface());
    EXPECT_EQ((UINT)IDR_TESTFRAME, pCloneBar->GetResourceId());
    EXPECT_EQ(pPacketMenu, pCloneBar->GetDocumentMenus().Lookup(IDR_PACKETDOC)) << "a copy shares the type's menu";
}

TEST_F(DocumentMenuTest, WithoutTheCustomiseCommandOneSetOfControlsFollowsTheType)
{
    m_pFrame->m_bCustomizeCommand = FALSE;
    ASSERT_TRUE(OpenDocument(IDR_PACKETDOC) != NULL);
    ASSERT_TRUE(Shows(IDR_PACKETDOC));
    EXPECT_EQ(kPacketMenu, Captions());
    EXPECT_TRUE(m_pMenuBar->GetDocumentMenus().IsEmpty());
    EXPECT_FALSE(m_pMenuBar->IsCustomized()) << "the bar compares with the menu it shows, not the frame's";
    AfxGetApp()->CloseAllDocuments(TRUE);
    ASSERT_TRUE(Shows(IDR_TESTFRAME));
    EXPECT_EQ(kFrameMenu, Captions());
}

TEST_F(DocumentMenuTest, AMaximisedChildsWindowButtonsTakeTheirTipsFromTheirStrings)
{
    CFrameWnd* pText = OpenDocument(IDR_TEXTDOC);
    ASSERT_TRUE(pText != NULL);
    static_cast<CMDIChildWnd*>(pText)->MDIMaximize();
    ASSERT_TRUE(PumpUntil([this] { return m_pMenuBar->GetControls()->FindControl(KT_ID_MDI_CLOSE) != NULL; }));
    const struct
    {
        UINT nId;
        const char* pszTip;
    } kTips[] = {{KT_ID_MDI_MINIMIZE, "Minimize Window"},
                 {KT_ID_MDI_RESTORE, "Restore Window"},
                 {KT_ID_MDI_CLOSE, "Close Window"}};
    for (const auto& tip : kTips)
    {
        CKTControl* pButton = m_pMenuBar->GetControls()->FindControl(tip.nId);
        ASSERT_TRUE(pButton != NULL) << tip.pszTip;
        EXPECT_EQ(CString(tip.pszTip), pButton->GetTooltip());
    }
    EXPECT_EQ(kTextMenu, Captions()) << "the buttons sit beside the document's menu";
}

namespace
{
// Bars of an application whose text documents share the packet documents' menu.
class CSharedMenuBars : public CKTCommandBars
{
    DECLARE_DYNCREATE(CSharedMenuBars)

public:
    UINT GetActiveDocTemplate() const override
    {
        const UINT nId = CKTCommandBars::GetActiveDocTemplate();
        return nId == IDR_TEXTDOC ? IDR_PACKETDOC : nId;
    }
};
IMPLEMENT_DYNCREATE(CSharedMenuBars, CKTCommandBars)

class SharedMenuTest : public DocumentMenuTest
{
protected:
    SharedMenuTest() { m_pCommandBarsClass = RUNTIME_CLASS(CSharedMenuBars); }
};
}  // namespace

TEST_F(SharedMenuTest, TheBarsClassDecidesWhichTypesMenuAChildShows)
{
    ASSERT_TRUE(OpenDocument(IDR_TEXTDOC) != NULL);
    EXPECT_TRUE(Shows(IDR_PACKETDOC)) << m_pMenuBar->GetCurrentMenuId();
}
