// RibbonSystemMenuTests.cpp: the system button and its menu: the recent files of the application, the bottom row
// placed from the right edge, a pick running its command, Esc closing it, a double click closing the frame.
#include "KTCommandBars.h"
#include "KTCommandBarsDefs.h"
#include "KTCommandBarsOptions.h"
#include "KTControlPopup.h"
#include "KTControls.h"
#include "KTDrawObjects.h"
#include "KTPaintManager.h"
#include "KTRibbonBar.h"
#include "KTRibbonControlTab.h"
#include "KTRibbonSystemButton.h"
#include "KTRibbonSystemPopupBarPage.h"
#include "MessagePump.h"
#include "OffScreenImage.h"
#include "PixelImage.h"
#include "RibbonInputFrame.h"
#include "TestInput.h"

#include <afxadv.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <utility>

namespace
{
// A bottom-row button of a fixed width.
class CFixedButton : public CKTRibbonControlSystemPopupBarButton
{
public:
    explicit CFixedButton(int nWidth) : m_nFixed(nWidth) {}
    CSize GetSize(CDC*) override { return CSize(m_nFixed, 22); }

private:
    int m_nFixed;
};

CKTSmartPtr<CKTRibbonSystemPopupBar> MakeMenu(CKTRibbonBar* pBar, int nItemWidth)
{
    CKTSmartPtr<CKTRibbonSystemPopupBar> pMenu = KTMakeCounted<CKTRibbonSystemPopupBar>();
    pMenu->SetCommandBars(pBar->GetCommandBars());
    CKTControl* pItem = pMenu->GetControls()->Add(KTMakeCounted<CKTRibbonControlSystemPopupBarListItem>(), 250);
    pItem->SetCaption("&New");
    pItem->SetWidth(nItemWidth);
    for (int nWidth : {50, 40, 60})
        pMenu->GetControls()->Add(KTMakeCounted<CFixedButton>(nWidth), 260 + nWidth);
    return pMenu;
}

// The application's recent files while it lives.
class CRecentFiles
{
public:
    explicit CRecentFiles(std::vector<const char*> paths)
    {
        m_pOld = m_pApp->m_pRecentFileList;
        m_pApp->m_pRecentFileList = new CRecentFileList(0, "Ribbon Tests", "File%d", 4);
        for (auto it = paths.rbegin(); it != paths.rend(); ++it)
            m_pApp->m_pRecentFileList->Add(*it);
    }
    ~CRecentFiles()
    {
        delete m_pApp->m_pRecentFileList;
        m_pApp->m_pRecentFileList = m_pOld;
    }

private:
    CWinApp* m_pApp = AfxGetApp();
    CRecentFileList* m_pOld;
};
}  // namespace

TEST(RibbonSystemMenu, BottomRowButtonsStandFromTheRightEdgeLeftwards)
{
    CRibbonInputFrame frame;
    CKTSmartPtr<CKTRibbonSystemPopupBar> pMenu = MakeMenu(frame.GetRibbon(), 300 - 12);
    const CSize sz = pMenu->CalcDynamicLayout(0, 0);
    ASSERT_EQ(300, sz.cx);
    std::vector<CRect> rects;
    for (int i = 1; i <= 3; i++)
        rects.push_back(pMenu->GetControl(i)->GetRect());
    EXPECT_EQ((std::vector<CRect>{CRect(133, sz.cy - 25, 183, sz.cy - 3), CRect(189, sz.cy - 25, 229, sz.cy - 3),
                                  CRect(235, sz.cy - 25, 295, sz.cy - 3)}),
              rects);

    // Without them the menu is a popup bar with its own borders.
    CKTSmartPtr<CKTRibbonSystemPopupBar> pPlain = KTMakeCounted<CKTRibbonSystemPopupBar>();
    pPlain->SetCommandBars(frame.GetCommandBars());
    pPlain->GetControls()->Add(KTMakeCounted<CKTRibbonControlSystemPopupBarListItem>(), 250);
    EXPECT_EQ(CSize(6 + 300 + 6, 18 + 21 + 29), pPlain->CalcDynamicLayout(0, 0));
}

// Its layout is a popup bar's inside the menu's own borders: a rarely used command waits behind the expand row.
TEST(RibbonSystemMenu, ARarelyUsedCommandWaitsBehindTheExpandRowInsideTheMenusBorders)
{
    CRibbonInputFrame frame;
    CKTCommandBarsOptions* pOptions = frame.GetCommandBars()->GetCommandBarsOptions();
    pOptions->bAlwaysShowFullMenus = FALSE;
    pOptions->SetCommandHidden(251);
    CKTSmartPtr<CKTRibbonSystemPopupBar> pMenu = MakeMenu(frame.GetRibbon(), 300 - 12);
    CKTControl* pRare = pMenu->GetControls()->Add(KTMakeCounted<CKTRibbonControlSystemPopupBarListItem>(), 251);
    const CSize sz = pMenu->CalcDynamicLayout(0, 0);
    EXPECT_FALSE(pRare->IsVisible());
    CKTControl* pExpand = pMenu->GetControls()->FindControl(KT_ID_POPUPBAR_EXPAND);
    ASSERT_TRUE(pExpand != NULL);
    EXPECT_TRUE(pExpand->IsVisible());
    const CRect rcBorders = CKTRibbonSystemPopupBar::s_rcBorders;
    EXPECT_EQ(rcBorders.left, pExpand->GetRect().left);
    EXPECT_EQ(sz.cx - rcBorders.right, pExpand->GetRect().right);
    EXPECT_EQ(sz.cy - rcBorders.bottom, pExpand->GetRect().bottom) << "above the bottom row";
    EXPECT_EQ(CPoint(rcBorders.left, rcBorders.top), pMenu->GetControl(0)->GetRect().TopLeft());
    EXPECT_EQ(sz.cy - 3, pMenu->GetControl(3)->GetRect().bottom) << "the bottom row keeps its place";
}

TEST(RibbonSystemMenu, AClickShowsTheRecentFilesAndAPickRunsIt)
{
    CRecentFiles recent({"C:\\work\\alpha.kst", "C:\\work\\beta.kst"});
    CRibbonInputFrame frame;
    CKTRibbonBar* pBar = frame.GetRibbon();
    CKTSmartPtr<CKTRibbonSystemPopupBar> pMenu = MakeMenu(pBar, 120);
    CKTControl* pCaption = pMenu->GetControls()->Add(KTMakeCounted<CKTRibbonControlSystemRecentFileList>(), 0, NULL, 1);
    pCaption->SetCaption("Recent Documents");
    CKTControl* pButton = pBar->AddSystemButton("&File", pMenu);
    PumpMessages();
    EXPECT_EQ(0, pButton->GetIndex());
    EXPECT_EQ(pBar->GetQuickAccessHeight() + pBar->GetTabsHeight() - 3, pButton->GetRect().Width());
    EXPECT_LE(pButton->GetRect().right, pBar->GetControlTab()->GetRect().left) << "the tabs start after it";

    CTestInput input(pBar->GetSafeHwnd());
    ASSERT_TRUE(input.Click(pButton->GetRect().CenterPoint()));
    ASSERT_TRUE(PumpUntil([&] { return pMenu->IsVisible(); }));
    // The caption starts the second column; the files follow it, numbered.
    ASSERT_EQ(2 + 3 + 2, pMenu->GetControlCount());
    CKTControl* pFirst = pMenu->GetControl(2);
    EXPECT_EQ(0xE110, pFirst->GetID());
    // Files outside the current folder keep their full path.
    EXPECT_EQ("&1 C:\\work\\alpha.kst", pFirst->GetCaption());
    EXPECT_EQ("C:\\work\\alpha.kst", pFirst->GetParameter());
    EXPECT_EQ("&2 C:\\work\\beta.kst", pMenu->GetControl(3)->GetCaption());
    EXPECT_GT(pCaption->GetRect().left, pMenu->GetControl(0)->GetRect().left);
    EXPECT_EQ(pCaption->GetRect().left, pFirst->GetRect().left);
    EXPECT_EQ(CSize(300, 21), pFirst->GetRect().Size());
    CRect rcButton = pButton->GetRect(), rcMenu;
    pBar->ClientToScreen(&rcButton);
    pMenu->GetWindowRect(rcMenu);
    EXPECT_EQ(rcButton.bottom - 18, rcMenu.top) << "over the large button's lower part";

    CTestInput menuInput(pMenu->GetSafeHwnd());
    ASSERT_TRUE(menuInput.Click(pMenu->GetControl(3)->GetRect().CenterPoint()));
    ASSERT_TRUE(PumpUntil([&] { return !frame.m_commands.empty(); }));
    EXPECT_EQ((std::vector<UINT>{0xE111}), frame.m_commands);
    EXPECT_FALSE(pMenu->IsVisible());

    // Opened again, Esc closes it and runs nothing.
    ASSERT_TRUE(input.Click(pButton->GetRect().CenterPoint()));
    ASSERT_TRUE(PumpUntil([&] { return pMenu->IsVisible(); }));
    EXPECT_EQ(2 + 3 + 2, pMenu->GetControlCount()) << "the files are listed once";
    ASSERT_TRUE(input.Key(VK_ESCAPE));
    ASSERT_TRUE(PumpUntil([&] { return !pMenu->IsVisible(); }));
    EXPECT_EQ(1u, frame.m_commands.size());
}

// An entry's text takes the colour of the theme's slot for its state, not the slot's number read as a colour.
TEST(RibbonSystemMenu, AnEntrysTextTakesTheColourOfItsState)
{
    CRibbonInputFrame frame;
    CKTRibbonBar* pBar = frame.GetRibbon();
    CKTSmartPtr<CKTRibbonSystemPopupBar> pMenu = MakeMenu(pBar, 120);
    CKTControl* pButton = pBar->AddSystemButton("&File", pMenu);
    PumpMessages();
    CTestInput input(pBar->GetSafeHwnd());
    ASSERT_TRUE(input.Click(pButton->GetRect().CenterPoint()));
    ASSERT_TRUE(PumpUntil([&] { return pMenu->IsVisible(); }));
    CKTPaintManager* pTheme = pMenu->GetPaintManager();
    const int nSlot = pTheme->GetControlTextColor(pMenu->GetControl(0));
    ASSERT_LT(nSlot, KTCOLOR_COUNT);
    const COLORREF clrText = RGB(0, 160, 80);
    pTheme->SetCustomColor(nSlot, clrText);
    pMenu->Invalidate();
    EXPECT_TRUE(PumpUntil([&] { return CPixelImage::FromWindow(pMenu->GetSafeHwnd()).CountNear(clrText) > 0; }));
    pTheme->SetCustomColor(nSlot, static_cast<COLORREF>(-1));
    ASSERT_TRUE(input.Key(VK_ESCAPE));
    ASSERT_TRUE(PumpUntil([&] { return !pMenu->IsVisible(); }));
}

TEST(RibbonSystemMenu, WithoutRecentFilesTheListAddsNothing)
{
    CRecentFiles recent({});
    CRibbonInputFrame frame;
    CKTSmartPtr<CKTRibbonSystemPopupBar> pMenu = MakeMenu(frame.GetRibbon(), 120);
    pMenu->GetControls()->Add(KTMakeCounted<CKTRibbonControlSystemRecentFileList>(), 0);
    pMenu->CalcDynamicLayout(0, 0);
    EXPECT_EQ(5, pMenu->GetControlCount());
}

TEST(RibbonSystemMenu, ADoubleClickOnTheButtonClosesTheFrame)
{
    // The input is known handled once a window of the program reads the key sent after it: with the frame gone,
    // this one takes the keyboard, as a program's other window would.
    CRibbonInputFrame other;
    CRibbonInputFrame frame;
    CKTSmartPtr<CKTRibbonSystemPopupBar> pMenu = MakeMenu(frame.GetRibbon(), 120);
    CKTControl* pButton = frame.GetRibbon()->AddSystemButton("&File", pMenu);
    PumpMessages();
    CTestInput input(frame.GetRibbon()->GetSafeHwnd());
    ASSERT_TRUE(input.DoubleClick(pButton->GetRect().CenterPoint()));
    ASSERT_TRUE(PumpUntil([&] { return !frame.GetSafeHwnd(); }));
    EXPECT_EQ((std::vector<UINT>{SC_CLOSE}), frame.m_sysCommands);
}

TEST(RibbonSystemMenu, ACommandsPageOpensBesideItLevelWithTheFirstRowAndCoversTheColumn)
{
    CRibbonInputFrame frame;
    CKTRibbonBar* pBar = frame.GetRibbon();
    CKTSmartPtr<CKTRibbonSystemPopupBar> pMenu = MakeMenu(pBar, 120);
    for (int i = 0; i < 6; i++)
        pMenu->GetControls()->Add(KTMakeCounted<CKTRibbonControlSystemPopupBarListItem>(), 240 + i, NULL, 1);
    CKTSmartPtr<CKTRibbonSystemPopupBarPage> pPage = KTMakeCounted<CKTRibbonSystemPopupBarPage>();
    pPage->SetCommandBars(pBar->GetCommandBars());
    pPage->GetControls()->Add(ktControlButton, 270, "Quick print");
    auto* pPrint = static_cast<CKTControlPopup*>(pMenu->GetControls()->Add(ktControlPopup, 251, "&Print", 1));
    pPrint->SetCommandBar(pPage);
    CKTControl* pButton = pBar->AddSystemButton("&File", pMenu);
    PumpMessages();

    CTestInput input(pBar->GetSafeHwnd());
    ASSERT_TRUE(input.Click(pButton->GetRect().CenterPoint()));
    ASSERT_TRUE(PumpUntil([&] { return pMenu->IsVisible(); }));
    CTestInput menuInput(pMenu->GetSafeHwnd());
    ASSERT_TRUE(menuInput.Click(pPrint->GetRect().CenterPoint()));
    ASSERT_TRUE(PumpUntil([&] { return pPage->IsVisible(); }));

    const CRect rcMenu = CKTWindowRect(pMenu), rcPage = CKTWindowRect(pPage);
    CRect rcPrint = pPrint->GetRect();
    pMenu->ClientToScreen(rcPrint);
    CPoint ptFirstRow(0, CKTRibbonSystemPopupBar::s_rcBorders.top + 1);
    pMenu->ClientToScreen(&ptFirstRow);
    EXPECT_EQ(ptFirstRow.y, rcPage.top) << "level with the menu's first row, not with the command";
    EXPECT_EQ(rcPrint.right, rcPage.left) << "beside the command, over the menu's edge";
    EXPECT_GE(rcPage.Height(), rcMenu.Height() - 29 - 18 - 2) << "as tall as the menu's inside";
    pBar->GetCommandBars()->ClosePopups();
}

namespace
{
class CLargeMenu : public CKTRibbonSystemPopupBar
{
public:
    CSize GetIconSize() const override { return CSize(32, 32); }
    CSize GetButtonSize() const override { return CSize(40, 40); }
};
}  // namespace

TEST(RibbonSystemMenu, BottomRowButtonsKeepSmallSizesInAMenuOfLargeOnes)
{
    CRibbonInputFrame frame;
    CKTSmartPtr<CLargeMenu> pMenu = KTMakeCounted<CLargeMenu>();
    pMenu->SetCommandBars(frame.GetCommandBars());
    CKTControl* pExit = pMenu->GetControls()->Add(KTMakeCounted<CKTRibbonControlSystemPopupBarButton>(), 280);
    CKTControl* pItem = pMenu->GetControls()->Add(ktControlButton, 281);
    EXPECT_EQ(CSize(22, 22), pExit->GetButtonSize());
    EXPECT_EQ(CSize(16, 16), pExit->GetIconSize());
    EXPECT_EQ(CSize(40, 40), pItem->GetButtonSize()) << "other controls take the menu's";
}

namespace
{
CPixelImage DrawnEntry(CKTControl* pItem, LPCSTR lpszCaption)
{
    pItem->SetCaption(lpszCaption);
    return DrawOffScreen(pItem->GetRect().Size(), [pItem](CDC* pDC) { pItem->Draw(pDC); });
}
}  // namespace

// A recent file's number is its access key: the entry differs from the plain number by the underline alone. An
// '&' of the path, doubled in the caption, shows once.
TEST(RibbonSystemMenu, AnEntrysAmpersandMarksItsKeyAndAPathsOwnShowsOnce)
{
    CRibbonInputFrame frame;
    CKTSmartPtr<CKTRibbonSystemPopupBar> pMenu = MakeMenu(frame.GetRibbon(), 300);
    CKTControl* pItem = pMenu->GetControl(0);
    pItem->SetRect(CRect(0, 0, 300, 21));
    const CPixelImage shown = DrawnEntry(pItem, "&1 C:\\a&&b.kst");
    const CPixelImage plain = DrawnEntry(pItem, "1 C:\\a&&b.kst");
    int nTop = INT_MAX, nBottom = INT_MIN;
    for (int y = 0; y < shown.Height(); y++)
        for (int x = 0; x < shown.Width(); x++)
            if (shown.Pixel(x, y) != plain.Pixel(x, y))
                nTop = std::min(nTop, y), nBottom = std::max(nBottom, y);
    ASSERT_LE(nTop, nBottom) << "no underline";
    EXPECT_LE(nBottom - nTop, 1);

    CKTPaintManager* pTheme = pItem->GetPaintManager();
    const CPixelImage once =
        DrawOffScreen(pItem->GetRect().Size(),
                      [&](CDC* pDC)
                      {
                          pItem->SetCaption("");
                          pItem->Draw(pDC);
                          CKTFontDC font(pDC, pTheme->GetRegularFont());
                          pDC->SetTextColor(pTheme->GetColor(pTheme->GetControlTextColor(pItem)));
                          CRect rc = pItem->GetRect();
                          rc.left += 7;
                          pDC->DrawText("1 C:\\a&b.kst", rc, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
                      });
    EXPECT_EQ(0, once.CountDiffering(plain));
}

// In the frame's help mode the menu answers as any bar: an entry that opens a popup and has no topic of its own is
// a menu.
TEST(RibbonSystemMenu, InHelpModeTheMenuAnswersTheHitTestAsAnyBar)
{
    CRibbonInputFrame frame;
    CKTRibbonBar* pBar = frame.GetRibbon();
    CKTSmartPtr<CKTRibbonSystemPopupBar> pMenu = MakeMenu(pBar, 120);
    CKTControl* pSend = pMenu->GetControls()->Add(ktControlPopup, 0, NULL, 1);
    pSend->SetCaption("&Send");
    CKTControl* pButton = pBar->AddSystemButton("&File", pMenu);
    PumpMessages();
    CTestInput input(pBar->GetSafeHwnd());
    ASSERT_TRUE(input.Click(pButton->GetRect().CenterPoint()));
    ASSERT_TRUE(PumpUntil([&] { return pMenu->IsVisible(); }));
    CPoint pt = pSend->GetRect().CenterPoint();
    pMenu->ClientToScreen(&pt);
    frame.GetWindow()->m_bHelpMode = CFrameWnd::helpActive;
    EXPECT_EQ(HTMENU, (int)pMenu->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y)));
    frame.GetWindow()->m_bHelpMode = CFrameWnd::helpInactive;
    pBar->GetCommandBars()->ClosePopups();
}

// The column's caption stands at its top, over its two lines.
TEST(RibbonSystemMenu, TheColumnsCaptionStandsAtItsTop)
{
    CKTSmartPtr<CKTControl> pCaption = KTMakeCounted<CKTRibbonControlSystemPopupBarListCaption>();
    pCaption->SetCaption("Recent Documents");
    pCaption->SetRect(CRect(0, 0, 300, 27));
    const CPixelImage drawn = DrawOffScreen(CSize(300, 27),
                                            [&](CDC* pDC)
                                            {
                                                pDC->SetBkMode(OPAQUE);
                                                pDC->SetBkColor(RGB(255, 255, 255));
                                                pCaption->Draw(pDC);
                                            });
    int nFirst = -1;
    for (int y = 0; y < 27 && nFirst < 0; y++)
        for (int x = 0; x < 300 && nFirst < 0; x++)
            if (drawn.Pixel(x, y) != RGB(0, 0, 0))
                nFirst = y;
    EXPECT_EQ(0, nFirst);
}

namespace
{
// Theme 6 while it lives.
class CRibbonThemeScope
{
public:
    CRibbonThemeScope() { CKTPaintManager::SetTheme(ktCommandBarsThemeRibbon); }
    ~CRibbonThemeScope() { CKTPaintManager::SetTheme(ktCommandBarsThemeClassic); }
};

// Alt and the letter, with the keyboard tips off so that the letter goes to the ribbon's controls.
void TypeLetter(CKTRibbonBar* pBar, CTestInput& input, WORD nKey)
{
    ASSERT_TRUE(input.Key(VK_MENU));
    ASSERT_TRUE(PumpUntil([&] { return pBar->GetSelected() == pBar->GetControlTab()->GetIndex(); }));
    ASSERT_TRUE(input.Key(nKey));
    PumpMessages();
}
}  // namespace

// Theme 6 draws the button as a tool-bar button with its caption, or as its icon alone while the ribbon draws the
// frame: its letter opens the menu only where the caption shows.
TEST(RibbonSystemMenu, TheButtonsLetterOpensTheMenuOnlyWhereItsCaptionShows)
{
    CRibbonThemeScope theme;
    CRibbonInputFrame frame;
    CKTRibbonBar* pBar = frame.GetRibbon();
    pBar->GetCommandBars()->GetCommandBarsOptions()->bShowKeyboardTips = FALSE;
    CKTSmartPtr<CKTRibbonSystemPopupBar> pMenu = MakeMenu(pBar, 120);
    CKTControl* pButton = pBar->AddSystemButton("&File", pMenu);
    PumpMessages();
    CTestInput input(pBar->GetSafeHwnd());
    TypeLetter(pBar, input, 'F');
    ASSERT_TRUE(PumpUntil([&] { return pMenu->IsVisible(); })) << "the caption shows";
    ASSERT_TRUE(input.Key(VK_ESCAPE));
    ASSERT_TRUE(PumpUntil([&] { return !pMenu->IsVisible(); }));
    pBar->SetTrackingMode(ktTrackingNone);

    pBar->EnableFrameTheme(TRUE);
    ASSERT_TRUE(PumpUntil([&] { return pBar->GetFrameRegion() && pButton->IsVisible(); }));
    PumpMessages();
    EXPECT_FALSE(pButton->IsCaptionVisible()) << "its icon alone";
    TypeLetter(pBar, input, 'F');
    EXPECT_FALSE(pMenu->IsVisible());
    EXPECT_FALSE(pButton->IsPopuped());
    EXPECT_TRUE(frame.m_commands.empty());
    pBar->SetTrackingMode(ktTrackingNone);
}

// The plain look draws the button's caption, whose letter the button takes, with that letter underlined while the cues
// show; while they are hidden, neither the '&' nor the underline shows.
TEST(RibbonSystemMenu, ThePlainButtonUnderlinesTheLetterItTakesAsTheCuesSay)
{
    CRibbonInputFrame frame;
    CKTRibbonBar* pBar = frame.GetRibbon();
    CKTSmartPtr<CKTRibbonSystemPopupBar> pMenu = MakeMenu(pBar, 120);
    CKTControl* pButton = pBar->AddSystemButton("&File", pMenu);
    PumpMessages();
    ASSERT_TRUE(pButton->IsCaptionVisible()) << "its letter counts";
    CKTPaintManager* pPaintManager = pBar->GetPaintManager();
    const CRect rc = pButton->GetRect();
    const auto draw = [&](LPCSTR lpszCaption, int nCues)
    {
        pPaintManager->m_nShowKeyboardCues = nCues;
        pButton->SetCaption(lpszCaption);
        // Over the bar's face, as the bar draws its controls.
        return DrawOffScreen(CSize(rc.right, rc.bottom),
                             [&](CDC* pDC)
                             {
                                 pDC->SetBkMode(TRANSPARENT);
                                 pButton->Draw(pDC);
                             });
    };
    const int nHidden = draw("&File", 0).CountDiffering(draw("File", 0));
    const int nShown = draw("&File", 1).CountDiffering(draw("File", 1));
    pPaintManager->m_nShowKeyboardCues = -1;
    EXPECT_EQ(0, nHidden) << "cues hidden: no '&', no underline";
    EXPECT_GT(nShown, 0) << "cues shown: the F underlined";
}
