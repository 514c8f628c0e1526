// RibbonGroupPopupTests.cpp: a group reduced to its button and the popup that button opens, under real clicks and
// keys; what the ribbon's own controls collection keeps and unlinks.
#include "KTCommandBarKeyboardTip.h"
#include "KTCommandBars.h"
#include "KTCommandBarsDefs.h"
#include "KTCommandBarsOptions.h"
#include "KTControls.h"
#include "KTDrawObjects.h"
#include "KTKeyboardTips.h"
#include "KTPaintManager.h"
#include "KTCommandBarList.h"
#include "KTRibbonBar.h"
#include "KTRibbonControlTab.h"
#include "KTRibbonGroupControlPopup.h"
#include "KTRibbonGroupPopupBar.h"
#include "KTRibbonPainter.h"
#include "KTRibbonQuickAccess.h"
#include "KTRibbonRes.h"
#include "KTRibbonTab.h"
#include "KTRibbonTabPopupToolBar.h"
#include "MessagePump.h"
#include "OffScreenImage.h"
#include "RibbonInputFrame.h"
#include "SolidIcon.h"
#include "TestInput.h"
#include "TestRibbonGroup.h"

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

namespace
{
// Two wide groups on the first tab: the row has room for one of them and the second one's button.
class RibbonGroupPopup : public ::testing::Test
{
protected:
    RibbonGroupPopup() : m_pBar(m_frame.GetRibbon()), m_input(m_pBar->GetSafeHwnd())
    {
        m_pWide = AddGroup({"Cut", "Copy"}, 200);
        m_pReduced = AddGroup({"Bold", "Italic", "Underline"}, 210);
        m_pReduced->SetCaption("Font");
        m_pBar->OnRecalcLayout();
        PumpMessages();
    }

    CTestRibbonGroup* AddGroup(std::vector<const char*> captions, int nFirstId)
    {
        CTestRibbonGroup* pGroup = m_frame.AddGroup(0, captions, nFirstId);
        pGroup->m_nWidth = 350;
        pGroup->m_bCollapsible = true;
        return pGroup;
    }

    CKTRibbonGroupControlPopup* Button() const { return m_pReduced->GetControlPopup(); }
    CKTRibbonGroupPopupBar* Popup() const { return dynamic_cast<CKTRibbonGroupPopupBar*>(Button()->GetCommandBar()); }
    bool IsPopupShown() const { return Popup() && Popup()->IsVisible(); }

    void OpenPopup()
    {
        ASSERT_TRUE(m_input.Click(Button()->GetRect().CenterPoint()));
        ASSERT_TRUE(PumpUntil([&] { return IsPopupShown(); }));
    }

    // Minimises the ribbon and drops its first tab down by a click; NULL when it did not show.
    CKTRibbonTabPopupToolBar* DropDownFirstTab()
    {
        m_pBar->SetMinimized(TRUE);
        PumpMessages();
        CKTRibbonControlTab* pTabs = m_pBar->GetControlTab();
        if (!m_input.Click(pTabs->GetTab(0)->GetRect().CenterPoint()) ||
            !PumpUntil([&] { return pTabs->GetCommandBar() && pTabs->GetCommandBar()->IsVisible(); }))
            return NULL;
        return dynamic_cast<CKTRibbonTabPopupToolBar*>(pTabs->GetCommandBar());
    }

    CRibbonInputFrame m_frame;
    CKTRibbonBar* m_pBar;
    CTestInput m_input;
    CTestRibbonGroup* m_pWide;
    CTestRibbonGroup* m_pReduced;
};
}  // namespace

TEST_F(RibbonGroupPopup, TheLastGroupIsReducedToItsButtonAndGrowsBack)
{
    ASSERT_TRUE(Button() != NULL);
    EXPECT_FALSE(m_pWide->IsCollapsed());
    ASSERT_TRUE(m_pReduced->IsCollapsed());
    EXPECT_TRUE(Button()->IsVisible());
    EXPECT_FALSE(m_pWide->GetControlPopup()->IsVisible());
    for (int i = 0; i < m_pReduced->GetCount(); i++)
        EXPECT_FALSE(m_pReduced->GetAt(i)->IsVisible()) << i;
    // The button fills the group, which takes no more room than the button.
    const CRect rcGroup = m_pReduced->GetRect(), rcButton = Button()->GetRect();
    EXPECT_EQ(rcGroup.left + 2, rcButton.left);
    EXPECT_EQ(rcGroup.top + 2, rcButton.top);
    EXPECT_EQ(rcGroup.bottom - 2, rcButton.bottom);
    EXPECT_EQ(m_pReduced->GetFullControlHeight(), rcButton.Height());
    EXPECT_EQ(rcButton.right + 3, rcGroup.right);
    EXPECT_EQ(CString("Font"), Button()->GetCaption());
    EXPECT_EQ(m_pReduced->GetID(), (UINT)Button()->GetID());
    EXPECT_EQ(m_pBar, Button()->GetParent());
    // Only the selected tab shows it.
    m_pBar->GetControlTab()->SetSelectedItem(m_pBar->GetControlTab()->GetTab(1));
    EXPECT_FALSE(Button()->IsVisible());
    m_pBar->GetControlTab()->SetSelectedItem(m_pBar->GetControlTab()->GetTab(0));

    m_frame.SetClientWidth(800);
    ASSERT_TRUE(PumpUntil([&] { return !m_pReduced->IsCollapsed(); }));
    EXPECT_FALSE(Button()->IsVisible());
    EXPECT_TRUE(m_pReduced->GetAt(2)->IsVisible());
    EXPECT_EQ(350 + 5, m_pReduced->GetRect().Width());
}

TEST_F(RibbonGroupPopup, TheButtonOpensTheWholeGroupAndAPickRunsItsCommand)
{
    OpenPopup();
    EXPECT_TRUE(Button()->IsPopuped());
    CKTRibbonGroup* pCopy = Popup()->GetGroupCopy();
    ASSERT_TRUE(pCopy != NULL);
    EXPECT_FALSE(pCopy->IsCollapsed());
    ASSERT_EQ(3, pCopy->GetCount());
    EXPECT_EQ(210, pCopy->GetAt(0)->GetID());
    EXPECT_EQ(Popup(), pCopy->GetAt(2)->GetParent());
    EXPECT_TRUE(pCopy->GetAt(2)->IsVisible());
    // The group's full width under its button (at the edge the paint manager gives popups), as tall as a group.
    CRect rcButton = Button()->GetRect();
    Button()->AdjustExcludeRect(rcButton, FALSE);
    m_pBar->ClientToScreen(&rcButton);
    const CRect rcPopup = CKTWindowRect(Popup());
    EXPECT_EQ(CSize(2 + 3 + 350, pCopy->GetRowHeight()), rcPopup.Size());
    EXPECT_EQ(rcButton.bottom, rcPopup.top);
    EXPECT_EQ(rcButton.left, rcPopup.left);
    EXPECT_EQ(CRect(0, 0, 355, rcPopup.Height()), pCopy->GetRect());

    CTestInput popupInput(Popup()->GetSafeHwnd());
    ASSERT_TRUE(popupInput.Click(pCopy->GetAt(1)->GetRect().CenterPoint()));
    ASSERT_TRUE(PumpUntil([&] { return !m_frame.m_commands.empty(); }));
    EXPECT_EQ((std::vector<UINT>{211}), m_frame.m_commands);
    ASSERT_TRUE(PumpUntil([&] { return !IsPopupShown(); }));
    EXPECT_FALSE(Button()->IsPopuped());
}

TEST_F(RibbonGroupPopup, EscAndAnOutsideClickCloseItRunningNothing)
{
    OpenPopup();
    ASSERT_TRUE(m_input.Key(VK_ESCAPE));
    ASSERT_TRUE(PumpUntil([&] { return !IsPopupShown(); }));

    OpenPopup();
    CRect rcClient;
    m_frame.GetWindow()->GetClientRect(rcClient);
    CTestInput outside(m_frame.GetSafeHwnd());
    ASSERT_TRUE(outside.Click(CPoint(rcClient.right - 20, rcClient.bottom - 20)));
    ASSERT_TRUE(PumpUntil([&] { return !IsPopupShown(); }));
    EXPECT_FALSE(Button()->IsPopuped());
    EXPECT_TRUE(m_frame.m_commands.empty());
}

TEST_F(RibbonGroupPopup, TheButtonHasTheGroupsKeyboardTipAndItsLetterOpensThePopup)
{
    CKTCommandBars* pCommandBars = m_pBar->GetCommandBars();
    pCommandBars->GetCommandBarsOptions()->bShowKeyboardTips = TRUE;
    m_pBar->GetControlTab()->GetTab(0)->SetCaption("&Home");
    m_pReduced->SetCaption("&Font");
    PumpMessages();
    ASSERT_TRUE(m_input.Key(VK_MENU));
    ASSERT_TRUE(PumpUntil([&] { return pCommandBars->GetKeyboardTips()->GetLevel() == 1; }));
    ASSERT_TRUE(m_input.Key('H'));
    ASSERT_TRUE(PumpUntil([&] { return pCommandBars->GetKeyboardTips()->GetLevel() == 2; }));
    // The reduced group's buttons are out of sight: its button stands for them.
    std::vector<CKTControl*> targets;
    for (auto& pTip : pCommandBars->GetKeyboardTips()->GetTips())
        targets.push_back(dynamic_cast<CKTControl*>(pTip->GetTarget()));
    EXPECT_EQ((std::vector<CKTControl*>{m_pWide->GetAt(0), m_pWide->GetAt(1), Button()}), targets);

    ASSERT_TRUE(m_input.Key('F'));
    ASSERT_TRUE(PumpUntil([&] { return IsPopupShown(); }));
    ASSERT_TRUE(m_input.Key(VK_ESCAPE));
    ASSERT_TRUE(PumpUntil([&] { return !IsPopupShown(); }));
    m_pBar->SetTrackingMode(ktTrackingNone);
}

// In a minimised ribbon's dropped-down tab, a collapsed group's button draws its caption with its letter underlined,
// below an icon or without one, and that letter opens the group.
TEST_F(RibbonGroupPopup, ACollapsedGroupsButtonInADroppedDownTabUnderlinesItsLetterAndTakesIt)
{
    m_pReduced->SetCaption("&Font");
    m_pReduced->SetID(300);
    m_pBar->SetMinimized(TRUE);
    PumpMessages();
    CKTRibbonControlTab* pTabs = m_pBar->GetControlTab();
    for (bool bIcon : {false, true})
    {
        SCOPED_TRACE(bIcon);
        std::unique_ptr<CSolidIcons> pIcon(bIcon ? new CSolidIcons(300, 1, RGB(30, 160, 90), m_pBar->GetIconSize().cx)
                                                 : NULL);
        ASSERT_TRUE(m_input.Click(pTabs->GetTab(0)->GetRect().CenterPoint()));
        ASSERT_TRUE(PumpUntil([&] { return pTabs->GetCommandBar() && pTabs->GetCommandBar()->IsVisible(); }));
        auto* pTabPopup = dynamic_cast<CKTRibbonTabPopupToolBar*>(pTabs->GetCommandBar());
        ASSERT_TRUE(pTabPopup != NULL);
        CKTRibbonGroupControlPopup* pButton = pTabPopup->GetTabCopy()->GetGroups()->GetAt(1)->GetControlPopup();
        ASSERT_TRUE(pButton->IsVisible());
        ASSERT_EQ(bIcon, pButton->GetImage(m_pBar->GetIconSize().cx) != NULL);
        EXPECT_TRUE(pButton->IsCaptionVisible());
        const CRect rc = pButton->GetRect();
        const auto draw = [&] { return DrawOffScreen(rc.BottomRight(), [&](CDC* pDC) { pButton->Draw(pDC); }); };
        const CPixelImage underlined = draw();
        pButton->SetCaption("Font");
        const CPixelImage plain = draw();
        pButton->SetCaption("&Font");
        int nRowsApart = 0;
        for (int y = rc.top; y < rc.bottom; y++)
            for (int x = rc.left; x < rc.right; x++)
                if (underlined.Pixel(x, y) != plain.Pixel(x, y))
                {
                    nRowsApart++;
                    break;
                }
        EXPECT_GE(nRowsApart, 1) << "the letter is underlined";
        EXPECT_LE(nRowsApart, 2) << "by a line, nothing more";

        ASSERT_TRUE(m_input.Key('F'));
        EXPECT_TRUE(PumpUntil([&] { return pButton->IsPopuped(); })) << "F opens the group";
        m_pBar->GetCommandBars()->ClosePopups();
        ASSERT_TRUE(PumpUntil([&] { return !pTabs->GetCommandBar() || !pTabs->GetCommandBar()->IsVisible(); }));
        m_pBar->SetTrackingMode(ktTrackingNone);
        PumpMessages();
    }
}

// A group's option button draws an arrow only, though it carries the group's caption: in a dropped-down tab the
// caption's letter, with no icon for the group's id, runs nothing.
TEST_F(RibbonGroupPopup, AnOptionButtonInADroppedDownTabTakesNoLetter)
{
    m_pWide->SetCaption("&Edit");
    m_pWide->SetID(300);
    m_pWide->ShowOptionButton(TRUE);
    CKTRibbonTabPopupToolBar* pTabPopup = DropDownFirstTab();
    ASSERT_TRUE(pTabPopup != NULL);
    CKTControl* pOption = pTabPopup->GetTabCopy()->GetGroups()->GetAt(0)->GetControlOptionButton();
    ASSERT_TRUE(pOption && pOption->IsVisible());
    ASSERT_TRUE(pOption->GetImage(m_pBar->GetIconSize().cx) == NULL);
    ASSERT_TRUE(m_input.Key('E'));
    PumpMessages();
    EXPECT_TRUE(m_frame.m_commands.empty());
    m_pBar->GetCommandBars()->ClosePopups();
    m_pBar->SetTrackingMode(ktTrackingNone);
    PumpMessages();
}

// The caption's '&' is measured nowhere, and drawn, underlining its letter, only while the cues show, as the paint
// manager answers them: on a collapsed group's button and on the tabs. A group's caption band, whose letter nothing
// takes, never underlines it.
TEST_F(RibbonGroupPopup, AGroupsCaptionAndTheTabsFollowThePaintManagersCues)
{
    CKTPaintManager* pPaintManager = m_pBar->GetPaintManager();
    IKTRibbonPainter* pPainter = m_pBar->GetRibbonPainter();
    ASSERT_TRUE(dynamic_cast<CKTRibbonPlainPainter*>(pPainter) != NULL);
    const auto measure = [&](LPCSTR lpszCaption)
    {
        Button()->SetCaption(lpszCaption);
        CSize sz;
        DrawOffScreen(CSize(1, 1), [&](CDC* pDC) { sz = pPainter->DrawGroupPopupButton(pDC, Button(), FALSE); });
        return sz;
    };
    EXPECT_EQ(measure("Paragraph and text settings"), measure("Paragraph and text &settings"));

    const CRect rcBand = m_pWide->GetRect();
    const CRect rcTabs = m_pBar->GetControlTab()->GetRect();
    // Rows of the band (drawn alone) and of the tab strip (drawn with the ribbon) where the two captions differ.
    const auto rowsApart = [&](int nCues, LPCSTR lpszLetter, LPCSTR lpszPlain)
    {
        pPaintManager->m_nShowKeyboardCues = nCues;
        std::vector<CPixelImage> images;
        for (LPCSTR lpszCaption : {lpszLetter, lpszPlain})
        {
            m_pWide->SetCaption(lpszCaption);
            m_pBar->GetControlTab()->GetTab(0)->SetCaption(lpszCaption);
            images.push_back(DrawOffScreen(rcBand.BottomRight(), [&](CDC* pDC) { pPainter->DrawGroup(pDC, m_pWide); }));
            images.push_back(
                DrawOffScreen(rcTabs.BottomRight(), [&](CDC* pDC) { m_pBar->DrawCommandBar(pDC, rcTabs); }));
        }
        std::pair<int, int> rows(0, 0);
        for (int nPart = 0; nPart < 2; nPart++)
        {
            const CRect rc = nPart == 0 ? rcBand : rcTabs;
            for (int y = rc.top; y < rc.bottom; y++)
                for (int x = rc.left; x < rc.right; x++)
                    if (images[nPart].Pixel(x, y) != images[nPart + 2].Pixel(x, y))
                    {
                        (nPart == 0 ? rows.first : rows.second)++;
                        break;
                    }
        }
        return rows;
    };
    EXPECT_EQ(std::make_pair(0, 0), rowsApart(0, "&Edit", "Edit")) << "cues hidden: no '&', no underline";
    const std::pair<int, int> shown = rowsApart(1, "&Edit", "Edit");
    EXPECT_EQ(0, shown.first) << "the band shows no letter";
    EXPECT_GE(shown.second, 1) << "the tab underlines the letter";
    pPaintManager->m_nShowKeyboardCues = -1;
}

// The toolbar's copy is a control of no group: it looks like the toolbar's others and finds its group by id.
TEST_F(RibbonGroupPopup, ItsCopyOnTheQuickAccessToolbarOpensTheGroup)
{
    CKTControl* pQuick = m_pBar->AddToQuickAccess(Button());
    PumpMessages();
    ASSERT_TRUE(pQuick->IsVisible());
    EXPECT_EQ(CString("Font"), pQuick->GetCaption());
    EXPECT_LT(pQuick->GetRect().Height(), Button()->GetRect().Height());
    auto popup = [&] { return dynamic_cast<CKTRibbonGroupPopupBar*>(pQuick->GetCommandBar()); };
    ASSERT_TRUE(m_input.Click(pQuick->GetRect().CenterPoint()));
    ASSERT_TRUE(PumpUntil([&] { return popup() && popup()->IsVisible(); }));
    ASSERT_EQ(3, popup()->GetGroupCopy()->GetCount());
    EXPECT_EQ(212, popup()->GetGroupCopy()->GetAt(2)->GetID());
    ASSERT_TRUE(m_input.Key(VK_ESCAPE));
    ASSERT_TRUE(PumpUntil([&] { return !popup()->IsVisible(); }));
}

// The toolbar's copy comes and goes with its group; loaded, it finds its group by id again, or stays without one.
TEST_F(RibbonGroupPopup, ItsCopyOnTheQuickAccessToolbarFollowsTheGroupAndFindsItAgainOnLoading)
{
    CKTControl* pQuick = m_pBar->AddToQuickAccess(Button());
    m_pReduced->SetVisible(FALSE);
    m_pBar->OnRecalcLayout();
    EXPECT_FALSE(pQuick->IsVisible());
    m_pReduced->SetVisible(TRUE);
    m_pBar->OnRecalcLayout();
    EXPECT_TRUE(pQuick->IsVisible());

    CKTCommandBarList list;
    auto loaded = [&](UINT nId)
    {
        auto* pLoaded = static_cast<CKTRibbonGroupControlPopup*>(
            m_pBar->GetQuickAccessControls()->InsertAt(KTMakeCounted<CKTRibbonGroupControlPopup>()));
        pLoaded->SetID(nId);
        pLoaded->SetCaption("Loaded");
        pLoaded->RestoreCommandBarList(&list);
        return pLoaded;
    };
    EXPECT_EQ(m_pReduced, loaded(m_pReduced->GetID())->GetGroup());
    CKTRibbonGroupControlPopup* pStray = loaded(4321);
    EXPECT_EQ(NULL, pStray->GetGroup());
    m_pBar->OnRecalcLayout();
    EXPECT_TRUE(pStray->IsVisible());
}

// A right click on a group's caption line offers the group, through its button, to the quick access toolbar.
TEST_F(RibbonGroupPopup, AGroupsCaptionLineOpensItsButtonsMenu)
{
    const CRect rcGroup = m_pWide->GetRect();
    ASSERT_TRUE(m_frame.MenuKeys(CPoint(rcGroup.CenterPoint().x, rcGroup.bottom - 3), true, {VK_ESCAPE}));
    CKTControl* pAdd = m_frame.m_pMenuHeld->GetControls()->FindControl(KT_ID_RIBBON_ADDQUICKACCESS);
    ASSERT_TRUE(pAdd != NULL);
    EXPECT_TRUE(pAdd->IsVisible());
    EXPECT_TRUE(pAdd->IsEnabled());
}

TEST_F(RibbonGroupPopup, AMinimisedRibbonsTabReducesItsGroupsAsTheRibbonDoes)
{
    CKTRibbonTabPopupToolBar* pTabPopup = DropDownFirstTab();
    ASSERT_TRUE(pTabPopup != NULL);
    CKTRibbonGroup* pCopy = pTabPopup->GetTabCopy()->GetGroups()->GetAt(1);
    ASSERT_TRUE(pCopy->IsCollapsed());
    EXPECT_EQ(pTabPopup, pCopy->GetControlPopup()->GetParent());
    EXPECT_TRUE(pCopy->GetControlPopup()->IsVisible());
}
