// RibbonLookTests.cpp: theme 6 draws the ribbon's face, tabs, groups, their buttons, the quick access toolbar's
// area and band and the caption from the tests' style images (each part one colour), the caption on faked glass too;
// switching themes leaves no GDI objects, and without a style everything draws plainly. A tab lit under the pointer
// goes out once the pointer moves on, leaves the bar or the bar enters tracking.
#include "FakeGlassRegion.h"
#include "GuiLeakCheck.h"
#include "InputBuilder.h"
#include "KTCommandBars.h"
#include "KTCommandBarsDefs.h"
#include "KTControlPopup.h"
#include "KTControls.h"
#include "KTDrawObjects.h"
#include "KTImageManager.h"
#include "KTRibbonBar.h"
#include "KTRibbonControlTab.h"
#include "KTRibbonGroupControlPopup.h"
#include "KTRibbonQuickAccess.h"
#include "KTRibbonSystemButton.h"
#include "KTRibbonTab.h"
#include "KTRibbonThemePainter.h"
#include "LoadedStyle.h"
#include "MessagePump.h"
#include "OffScreenImage.h"
#include "PixelImage.h"
#include "RibbonTestFrame.h"
#include "TestInput.h"
#include "TestRibbonGroup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

// Draws through the ribbon's painter as a collapsed group's button or a group's option button does.
class CPainterButton : public CKTControlPopup
{
public:
    explicit CPainterButton(BOOL bOption) : m_bOption(bOption) {}
    CSize GetSize(CDC* pDC) override { return Paint(pDC, FALSE); }
    void Draw(CDC* pDC) override { Paint(pDC, TRUE); }

private:
    CSize Paint(CDC* pDC, BOOL bDraw)
    {
        IKTRibbonPainter* pPainter = static_cast<CKTRibbonBar*>(GetParent())->GetRibbonPainter();
        return m_bOption ? pPainter->DrawOptionButton(pDC, this, bDraw)
                         : pPainter->DrawGroupPopupButton(pDC, this, bDraw);
    }

    BOOL m_bOption;
};

// A test group that can also hold painter buttons.
class CButtonsGroup : public CTestRibbonGroup
{
    DECLARE_DYNCREATE(CButtonsGroup)
public:
    CKTControl* AddPainterButton(BOOL bOption)
    {
        CKTControl* pControl = m_pParentBar->GetControls()->Add(KTMakeCounted<CPainterButton>(bOption), 0);
        pControl->SetRibbonGroup(this);
        m_controls.push_back(pControl);
        return pControl;
    }
};
IMPLEMENT_DYNCREATE(CButtonsGroup, CTestRibbonGroup)

// A test group that counts how often it is painted.
class CCountingGroup : public CTestRibbonGroup
{
    DECLARE_DYNCREATE(CCountingGroup)
public:
    int m_nDraws = 0;
    void Draw(CDC* pDC, CRect rcClip) override
    {
        m_nDraws++;
        CTestRibbonGroup::Draw(pDC, rcClip);
    }
};
IMPLEMENT_DYNCREATE(CCountingGroup, CTestRibbonGroup)

namespace
{
// The tests' images, part by part.
COLORREF Tab(int nPart) { return RGB(250, 40 * nPart, 0); }  // the upper half of RIBBONTAB's part
COLORREF GroupClient(int nPart) { return RGB(120, 40 + 100 * nPart, 20); }
COLORREF GroupCaption(int nPart) { return RGB(20, 40 + 100 * nPart, 120); }
COLORREF ScrollRight(int nPart) { return RGB(90, 30 + 60 * nPart, 210); }
COLORREF ScrollRightGlyph(int nPart) { return RGB(140, 30 + 60 * nPart, 240); }
COLORREF QuickAccessButton(int nPart) { return RGB(60, 20 + 70 * nPart, 160); }
COLORREF QuickAccessMore(int nPart) { return RGB(160, 20 + 70 * nPart, 60); }
COLORREF ContextTab(int nPart) { return RGB(5, 30 + 50 * nPart, 95); }
COLORREF ContextGroupClient(int nPart) { return RGB(195, 95 + 100 * nPart, 5); }
const COLORREF kGroups = RGB(30, 160, 90);
const COLORREF kContextGroups = RGB(95, 5, 195);
const COLORREF kCaptionCenterActive = RGB(10, 220, 10);
const COLORREF kCaptionLeftActive = RGB(220, 10, 10);
const COLORREF kCaptionRightActive = RGB(10, 10, 220);
const COLORREF kSystemMenu = RGB(200, 60, 140);
const COLORREF kSystemMenuButton = RGB(40, 200, 180);  // part 0: not selected
const COLORREF kMorePopup = RGB(230, 150, 30);
const COLORREF kQuickAccessArea = RGB(180, 60, 140);
const COLORREF kQuickAccessFrame = RGB(15, 200, 200);
const COLORREF kQuickAccessAreaOnGlass = RGB(40, 140, 180);
const COLORREF kContextSeparator = RGB(33, 66, 99);
const COLORREF kContextHeaderBlue = RGB(150, 40, 170);  // the style has no header image of another colour
COLORREF GroupButton(int nPart) { return RGB(70, 30 + 60 * nPart, 30); }
COLORREF OptionButton(int nPart) { return RGB(210, 120, 30 + 50 * nPart); }
// The application button's faces: FRAMESYSTEMBUTTON's parts are 38 pixels square, FRAMESYSTEMBUTTON52's 52.
COLORREF SystemFace(int nPart) { return RGB(25, 90 + 60 * nPart, 215); }
COLORREF LargeSystemFace(int nPart) { return RGB(215, 90 + 60 * nPart, 25); }
const int kSystemFace = 38;
COLORREF ToolBarButton22(int nPart) { return RGB(60 + 40 * nPart, 10, 200); }
COLORREF ToolBarButton50(int nPart) { return RGB(60 + 40 * nPart, 90, 200); }
// The joined row's images: 0 single, 1 left, 2 right, 3 centre; 22 rows a state.
COLORREF Joined(int nImage, int nState) { return RGB(40 + 50 * nImage, 210, 20 + 40 * nState); }
// A joined split button's command image from the run's left end and drop-down image at its right end, by row.
COLORREF JoinedSplitCommand(int nRow) { return RGB(100, 20 + 30 * nRow, 170); }
COLORREF JoinedSplitDropDown(int nRow) { return RGB(160, 20 + 30 * nRow, 100); }
// The same inside a run: the command image where the button does not start it, the drop-down where it does not end it.
COLORREF JoinedSplitCommandInside(int nRow) { return RGB(40, 20 + 30 * nRow, 170); }
COLORREF JoinedSplitDropDownInside(int nRow) { return RGB(160, 20 + 30 * nRow, 40); }

COLORREF StyleColor(LPCSTR lpszKey) { return KTStyleResourceSet()->GetColor("Ribbon", lpszKey); }

// Waits for the window to show the colour at the point; returns the colour it shows then.
COLORREF WaitForPixel(CWnd* pWnd, CPoint pt, COLORREF clr)
{
    COLORREF clrShown = CLR_INVALID;
    PumpUntil(
        [&]
        {
            clrShown = CPixelImage::FromWindow(pWnd->GetSafeHwnd()).Pixel(pt.x, pt.y);
            return clrShown == clr;
        });
    return clrShown;
}

// What the painter fills a popup of the bar's size with, read back from a bitmap.
COLORREF GroupsBackgroundPixel(CKTRibbonBar* pBar, CPoint pt)
{
    auto fill = [&](CDC* pDC) { pBar->GetRibbonPainter()->FillGroupsBackground(pDC, pBar->GetSelectedTab(), pBar); };
    return DrawOffScreen(CKTClientRect(pBar).Size(), fill).Pixel(pt.x, pt.y);
}

// An icon of one colour, small unless a size is given, destroyed with the object.
class CSolidIcon
{
public:
    explicit CSolidIcon(COLORREF clr, int cx = ::GetSystemMetrics(SM_CXSMICON),
                        int cy = ::GetSystemMetrics(SM_CYSMICON))
    {
        const std::vector<DWORD> colour(static_cast<size_t>(cx) * cy,
                                        (GetRValue(clr) << 16) | (GetGValue(clr) << 8) | GetBValue(clr));
        const std::vector<BYTE> mask(static_cast<size_t>((cx + 15) / 16 * 2) * cy, 0);
        HBITMAP hColour = ::CreateBitmap(cx, cy, 1, 32, colour.data());
        HBITMAP hMask = ::CreateBitmap(cx, cy, 1, 1, mask.data());
        ICONINFO info = {TRUE, 0, 0, hMask, hColour};
        m_hIcon = ::CreateIconIndirect(&info);
        ::DeleteObject(hMask);
        ::DeleteObject(hColour);
    }
    ~CSolidIcon()
    {
        if (m_hIcon)
            ::DestroyIcon(m_hIcon);
    }
    CSolidIcon(const CSolidIcon&) = delete;
    CSolidIcon& operator=(const CSolidIcon&) = delete;
    HICON Get() const { return m_hIcon; }

private:
    HICON m_hIcon = NULL;
};

void MoveMouse(CWnd* pWnd, CPoint pt)
{
    pWnd->ClientToScreen(&pt);
    std::vector<INPUT> inputs;
    InputBuilder::AddMove(inputs, pt);
    ASSERT_TRUE(CTestInput(pWnd->GetSafeHwnd()).Send(inputs));
}

// Takes the mouse off the bar and waits for the bar to let its hot tab and control go.
void LeaveBar(CRibbonTestFrame& frame)
{
    CRect rc;
    frame.GetWindow()->GetClientRect(rc);
    MoveMouse(frame.GetWindow(), CPoint(rc.left + 10, rc.bottom - 10));
    CKTRibbonBar* pBar = frame.GetRibbon();
    EXPECT_TRUE(PumpUntil([&] { return !pBar->GetControlTab()->GetHighlightedItem() && pBar->GetSelected() == -1; }))
        << "the bar still has a hot tab or a selected control";
}

// What a minimised ribbon's second tab, dropped down, shows right of its one group once it shows the colour.
COLORREF DroppedDownTabPixel(COLORREF clr)
{
    CRibbonTestFrame frame;
    CKTRibbonBar* pBar = frame.GetRibbon();
    CKTRibbonControlTab* pTabs = pBar->GetControlTab();
    pTabs->GetTab(1)->GetGroups()->Add(RUNTIME_CLASS(CTestRibbonGroup), "Tables", 1)->AddControl(ktControlButton, 300);
    pBar->SetMinimized(TRUE);
    PumpMessages();
    auto shown = [pTabs]
    {
        CKTCommandBar* pPopup = pTabs->GetCommandBar();
        return pPopup && pPopup->GetSafeHwnd() && pPopup->IsWindowVisible();
    };
    CTestInput input(pBar->GetSafeHwnd());
    if (!input.Click(pTabs->GetTab(1)->GetRect().CenterPoint()) || !PumpUntil(shown))
        return CLR_INVALID;
    CKTCommandBar* pPopup = pTabs->GetCommandBar();
    const CRect rc = CKTClientRect(pPopup);
    const COLORREF clrShown = WaitForPixel(pPopup, CPoint(rc.right - 20, rc.CenterPoint().y), clr);
    if (input.Key(VK_ESCAPE))
        PumpUntil([&] { return !shown(); });
    return clrShown;
}

class RibbonLook : public ::testing::Test
{
protected:
    RibbonLook() { CKTPaintManager::SetTheme(ktCommandBarsThemeRibbon); }
    ~RibbonLook() override { CKTPaintManager::SetTheme(ktCommandBarsThemeClassic); }

    static CTestRibbonGroup* AddGroup(CKTRibbonTab* pTab, int nWidth)
    {
        CKTRibbonTabGroups* pGroups = pTab->GetGroups();
        auto* pGroup = static_cast<CTestRibbonGroup*>(
            pGroups->Add(RUNTIME_CLASS(CTestRibbonGroup), "&Clipboard", pGroups->GetCount() + 1));
        pGroup->m_nWidth = nWidth;
        pGroup->AddControl(ktControlButton, 100 + pGroup->GetIndex());
        return pGroup;
    }

    static CCountingGroup* AddCountingGroup(CKTRibbonTab* pTab)
    {
        CKTRibbonTabGroups* pGroups = pTab->GetGroups();
        auto* pGroup =
            static_cast<CCountingGroup*>(pGroups->Add(RUNTIME_CLASS(CCountingGroup), "&Edit", pGroups->GetCount() + 1));
        pGroup->AddControl(ktControlButton, 100 + pGroup->GetIndex());
        return pGroup;
    }

    static CButtonsGroup* AddButtonsGroup(CKTRibbonTab* pTab)
    {
        CKTRibbonTabGroups* pGroups = pTab->GetGroups();
        return static_cast<CButtonsGroup*>(
            pGroups->Add(RUNTIME_CLASS(CButtonsGroup), "&Font", pGroups->GetCount() + 1));
    }

    static void Relayout(CKTRibbonBar* pBar)
    {
        pBar->OnRecalcLayout();
        pBar->Redraw();
        PumpMessages();
    }

    CLoadedStyle m_style{"STYLE_INI"};
};

// The application button, with an empty menu that the button holds.
CKTControl* AddApplicationButton(CKTRibbonBar* pBar)
{
    CKTSmartPtr<CKTRibbonSystemPopupBar> pMenu = KTMakeCounted<CKTRibbonSystemPopupBar>();
    pMenu->SetCommandBars(pBar->GetCommandBars());
    return pBar->AddSystemButton("&File", pMenu);
}
}  // namespace

TEST_F(RibbonLook, FaceTabsAndGroupsComeFromTheStyleImages)
{
    CRibbonTestFrame frame;
    CKTRibbonBar* pBar = frame.GetRibbon();
    CKTRibbonControlTab* pTabs = pBar->GetControlTab();
    CKTRibbonGroup* pGroup = AddGroup(pTabs->GetTab(0), 120);
    Relayout(pBar);

    const CRect rcSelected = pTabs->GetTab(0)->GetRect(), rcOther = pTabs->GetTab(1)->GetRect();
    EXPECT_EQ(Tab(3), WaitForPixel(pBar, rcSelected.TopLeft() + CPoint(2, 2), Tab(3)));
    // Only the selected and the hot tab have a background: the others show the ribbon's face.
    EXPECT_EQ(StyleColor("RibbonFace"), WaitForPixel(pBar, rcOther.TopLeft() + CPoint(2, 2), StyleColor("RibbonFace")));
    const CRect rcTabRow = pBar->GetTabRowRect();
    EXPECT_EQ(StyleColor("RibbonFace"),
              WaitForPixel(pBar, CPoint(rcTabRow.right - 3, rcTabRow.top + 3), StyleColor("RibbonFace")));
    // The caption strip of a frame that draws its own caption.
    const CRect rcCaption = pBar->GetCaptionRect();
    EXPECT_EQ(kCaptionCenterActive, WaitForPixel(pBar, CPoint(3, rcCaption.top + 2), kCaptionCenterActive));

    const CRect rcGroups = pBar->GetGroupsRect(), rcGroup = pGroup->GetRect();
    EXPECT_EQ(kGroups, WaitForPixel(pBar, CPoint(rcGroups.right - 20, rcGroups.CenterPoint().y), kGroups));
    EXPECT_EQ(GroupClient(0), WaitForPixel(pBar, CPoint(rcGroup.right - 2, rcGroup.top + 2), GroupClient(0)));
    EXPECT_EQ(GroupCaption(0), WaitForPixel(pBar, CPoint(rcGroup.left + 2, rcGroup.bottom - 2), GroupCaption(0)));
    // The caption's text lies in the caption band, in the style's caption text colour over the band's image.
    CPixelImage shown = CPixelImage::FromWindow(pBar->GetSafeHwnd());
    const int nCaption = pBar->GetRibbonPainter()->GetGroupCaptionHeight();
    int nText = 0;
    for (int x = rcGroup.left; x < rcGroup.right; x++)
        for (int y = rcGroup.bottom - nCaption; y < rcGroup.bottom; y++)
            nText += shown.Pixel(x, y) != GroupCaption(0);
    EXPECT_GT(nText, 10);
}

TEST_F(RibbonLook, TheHotTabAndAMinimisedRibbonShowTheirParts)
{
    CRibbonTestFrame frame;
    CKTRibbonBar* pBar = frame.GetRibbon();
    const CRect rcOther = pBar->GetControlTab()->GetTab(1)->GetRect();
    MoveMouse(pBar, rcOther.CenterPoint());
    EXPECT_EQ(Tab(1), WaitForPixel(pBar, rcOther.TopLeft() + CPoint(2, 2), Tab(1)));
    // Resting on the selected tab: selected and hot.
    const CRect rcSelected = pBar->GetControlTab()->GetTab(0)->GetRect();
    MoveMouse(pBar, rcSelected.CenterPoint());
    EXPECT_EQ(Tab(4), WaitForPixel(pBar, rcSelected.TopLeft() + CPoint(2, 2), Tab(4)));

    pBar->SetMinimized(TRUE);
    PumpUntil([&] { return !pBar->IsGroupsVisible(); });
    CRect rc;
    pBar->GetClientRect(rc);
    const COLORREF clrShadow = StyleColor("MinimizedFrameEdgeShadow");
    const COLORREF clrHighlight = StyleColor("MinimizedFrameEdgeHighLight");
    EXPECT_EQ(clrShadow, WaitForPixel(pBar, CPoint(rc.right - 3, rc.bottom - 2), clrShadow));
    EXPECT_EQ(clrHighlight, WaitForPixel(pBar, CPoint(rc.right - 3, rc.bottom - 1), clrHighlight));
    LeaveBar(frame);
}

// From the keys on, the bar leads and the tab under the pointer goes out, so that it is not taken for the one the
// keys reach.
TEST_F(RibbonLook, EnteringTrackingPutsTheHotTabOut)
{
    CRibbonTestFrame frame;
    CKTRibbonBar* pBar = frame.GetRibbon();
    CKTRibbonControlTab* pTabs = pBar->GetControlTab();
    MoveMouse(pBar, pTabs->GetTab(1)->GetRect().CenterPoint());
    ASSERT_TRUE(PumpUntil([&] { return pTabs->GetHighlightedItem() == pTabs->GetTab(1); }));
    pBar->SetTrackingMode(ktTrackingOn, FALSE, TRUE);
    EXPECT_EQ(NULL, pTabs->GetHighlightedItem());
    pBar->SetTrackingMode(ktTrackingNone);
    LeaveBar(frame);
}

TEST_F(RibbonLook, ScrollButtonsTakeTheirPartAndGlyphByState)
{
    CRibbonTestFrame frame(300, 300);
    CKTRibbonBar* pBar = frame.GetRibbon();
    for (int i = 0; i < 3; i++)
        AddGroup(pBar->GetControlTab()->GetTab(0), 150);
    Relayout(pBar);
    CKTControl* pRight = pBar->GetGroupsScroller()->GetScrollButton(FALSE);
    ASSERT_EQ(0u, pRight->GetHideFlags() & ktHideScroll);
    const CRect rc = pRight->GetRect();
    EXPECT_EQ(ScrollRight(0), WaitForPixel(pBar, rc.TopLeft() + CPoint(1, 1), ScrollRight(0)));
    EXPECT_EQ(ScrollRightGlyph(0), WaitForPixel(pBar, rc.CenterPoint(), ScrollRightGlyph(0)));
    MoveMouse(pBar, rc.CenterPoint() + CPoint(0, 8));
    EXPECT_EQ(ScrollRight(1), WaitForPixel(pBar, rc.TopLeft() + CPoint(1, 1), ScrollRight(1)));
    EXPECT_EQ(ScrollRightGlyph(1), WaitForPixel(pBar, rc.CenterPoint(), ScrollRightGlyph(1)));
    LeaveBar(frame);
}

// Each state is one part of four, top to bottom: the button's lowest pixel shows the same part as its highest.
TEST_F(RibbonLook, TheQuickAccessDropDownTakesItsPartByState)
{
    CRibbonTestFrame frame(300, 300);
    CKTRibbonBar* pBar = frame.GetRibbon();
    AddGroup(pBar->GetControlTab()->GetTab(0), 100);
    Relayout(pBar);
    CKTControl* pDropDown = pBar->GetQuickAccessPopup();
    ASSERT_TRUE(pDropDown->IsVisible());
    const CRect rc = pDropDown->GetRect();
    auto expectPart = [&](int nPart)
    {
        EXPECT_EQ(QuickAccessButton(nPart), WaitForPixel(pBar, rc.TopLeft() + CPoint(1, 1), QuickAccessButton(nPart)));
        EXPECT_EQ(QuickAccessButton(nPart),
                  WaitForPixel(pBar, CPoint(rc.left + 1, rc.bottom - 1), QuickAccessButton(nPart)));
    };
    expectPart(0);
    MoveMouse(pBar, rc.CenterPoint());
    expectPart(1);
    CTestInput input(pBar->GetSafeHwnd());
    ASSERT_TRUE(input.Click(rc.CenterPoint()));
    ASSERT_TRUE(PumpUntil([&] { return pDropDown->IsPopuped(); }));
    expectPart(2);
    ASSERT_TRUE(input.Key(VK_ESCAPE));
    ASSERT_TRUE(PumpUntil([&] { return !pDropDown->IsPopuped(); }));
    // The bar takes tracking back with the drop-down selected; a second Esc ends it.
    ASSERT_TRUE(input.Key(VK_ESCAPE));
    ASSERT_TRUE(PumpUntil([&] { return pBar->GetTrackingMode() == 0; }));
    LeaveBar(frame);

    // The "more" button draws from its own image the same way.
    CKTControl* pMore = pBar->GetQuickAccessMore();
    pMore->SetRect(CRect(0, 0, 13, 22));
    const CPixelImage more = DrawOffScreen(CSize(13, 22), [&](CDC* pDC)
                                           { pBar->GetRibbonPainter()->DrawQuickAccessButton(pDC, pMore, TRUE); });
    EXPECT_EQ(QuickAccessMore(0), more.Pixel(1, 1));
    EXPECT_EQ(QuickAccessMore(0), more.Pixel(1, 21));
}

TEST_F(RibbonLook, TheGroupUnderTheMouseLightsAndOnlyItRepaints)
{
    CRibbonTestFrame frame;
    CKTRibbonBar* pBar = frame.GetRibbon();
    CKTRibbonTab* pTab = pBar->GetControlTab()->GetTab(0);
    CCountingGroup* pGroups[3] = {AddCountingGroup(pTab), AddCountingGroup(pTab), AddCountingGroup(pTab)};
    Relayout(pBar);
    const int nCaption = pBar->GetRibbonPainter()->GetGroupCaptionHeight();
    auto clientPoint = [](CKTRibbonGroup* pGroup)
    { return CPoint(pGroup->GetRect().right - 3, pGroup->GetRect().top + 3); };
    auto expectLit = [&](CKTRibbonGroup* pGroup, int nPart)
    {
        const CRect rc = pGroup->GetRect();
        EXPECT_EQ(GroupClient(nPart), WaitForPixel(pBar, clientPoint(pGroup), GroupClient(nPart)));
        EXPECT_EQ(GroupCaption(nPart), WaitForPixel(pBar, CPoint(rc.left + 2, rc.bottom - 2), GroupCaption(nPart)));
    };
    // Empty room of a group, below its one button and above its caption.
    auto restPoint = [&](CKTRibbonGroup* pGroup)
    { return CPoint(pGroup->GetRect().right - 6, pGroup->GetRect().bottom - nCaption - 4); };

    expectLit(pGroups[0], 0);
    const int nThirdDraws = pGroups[2]->m_nDraws;
    MoveMouse(pBar, restPoint(pGroups[0]));
    expectLit(pGroups[0], 1);
    EXPECT_EQ(GroupClient(0), WaitForPixel(pBar, clientPoint(pGroups[1]), GroupClient(0)));
    MoveMouse(pBar, restPoint(pGroups[1]));
    expectLit(pGroups[1], 1);
    expectLit(pGroups[0], 0);
    EXPECT_EQ(nThirdDraws, pGroups[2]->m_nDraws) << "a group the mouse never met is not repainted";

    // Over its button the group stays lit; from there onto the tabs it goes dark.
    MoveMouse(pBar, pGroups[1]->GetAt(0)->GetRect().CenterPoint());
    ASSERT_TRUE(PumpUntil([&] { return pBar->GetSelected() == pGroups[1]->GetAt(0)->GetIndex(); }));
    expectLit(pGroups[1], 1);
    MoveMouse(pBar, pTab->GetRect().CenterPoint());
    expectLit(pGroups[1], 0);

    MoveMouse(pBar, restPoint(pGroups[2]));
    expectLit(pGroups[2], 1);
    LeaveBar(frame);
    expectLit(pGroups[2], 0);
}

TEST_F(RibbonLook, AContextTabTakesItsColoursImages)
{
    CRibbonTestFrame frame;
    CKTRibbonBar* pBar = frame.GetRibbon();
    CKTRibbonTab* pTab = pBar->GetControlTab()->GetTab(2);
    pTab->SetContextTab(1, "Tools");
    CKTRibbonGroup* pGroup = AddGroup(pTab, 120);
    pBar->GetControlTab()->SetSelectedItem(pTab);
    Relayout(pBar);
    ASSERT_EQ(pTab, pBar->GetSelectedTab());
    const CRect rcTab = pTab->GetRect(), rcGroups = pBar->GetGroupsRect(), rcGroup = pGroup->GetRect();
    EXPECT_EQ(ContextTab(3), WaitForPixel(pBar, rcTab.TopLeft() + CPoint(2, 2), ContextTab(3)));
    EXPECT_EQ(kContextGroups,
              WaitForPixel(pBar, CPoint(rcGroups.right - 20, rcGroups.CenterPoint().y), kContextGroups));
    EXPECT_EQ(ContextGroupClient(0),
              WaitForPixel(pBar, CPoint(rcGroup.right - 2, rcGroup.top + 2), ContextGroupClient(0)));
}

// The headers are drawn in order while the style has their colour's image; the first it lacks ends them.
TEST_F(RibbonLook, ContextHeadersStopAtTheFirstColourWithoutAnImage)
{
    CRibbonTestFrame frame;
    CKTRibbonBar* pBar = frame.GetRibbon();
    auto blueHeaderShown = [&](int nFirstColour, int nSecondColour)
    {
        pBar->GetControlTab()->GetTab(1)->SetContextTab(nFirstColour, "Tools");
        pBar->GetControlTab()->GetTab(2)->SetContextTab(nSecondColour, "Format");
        Relayout(pBar);
        const CKTRibbonContextHeaders& headers = pBar->GetContextHeaders();
        EXPECT_EQ(2, headers.GetCount());
        const KT_RIBBONCONTEXTHEADER* pBlue = headers.GetAt(nFirstColour == 1 ? 0 : 1);
        auto draw = [&](CDC* pDC) { pBar->GetRibbonPainter()->DrawContextHeaders(pDC, pBar); };
        return DrawOffScreen(CKTClientRect(pBar).Size(), draw).Pixel(pBlue->rc.right - 2, pBlue->rc.top + 2) ==
               kContextHeaderBlue;
    };
    EXPECT_TRUE(blueHeaderShown(1, 7));
    EXPECT_FALSE(blueHeaderShown(7, 1)) << "after an orange header, which has no image";
}

TEST_F(RibbonLook, TheFramesCaptionWithAndWithoutGlass)
{
    CRibbonTestFrame frame(600, 400);
    CKTRibbonBar* pBar = frame.GetRibbon();
    CFakeGlassRegion* pRegion = CFakeGlassRegion::Attach(pBar, FALSE);
    frame.GetWindow()->SetForegroundWindow();
    ASSERT_TRUE(PumpUntil([&] { return ::GetActiveWindow() == frame.GetWindow()->GetSafeHwnd(); }));
    // The strip starts under the frame's left border: the bar shows the rest of the left image.
    const CRect rc = pBar->GetCaptionRect();
    const int y = rc.CenterPoint().y;
    ASSERT_LT(-rc.left, 5) << "the frame's border is narrower than the left image";
    EXPECT_EQ(kCaptionLeftActive, WaitForPixel(pBar, CPoint(0, y), kCaptionLeftActive));
    EXPECT_EQ(kCaptionCenterActive, WaitForPixel(pBar, CPoint(rc.left + 20, rc.top + 1), kCaptionCenterActive));
    EXPECT_EQ(kCaptionRightActive, WaitForPixel(pBar, CPoint(rc.right + rc.left - 1, y), kCaptionRightActive));

    // On glass the strip is black for the frame to show through, and a maximised frame's title is white.
    pRegion->m_bGlass = TRUE;
    frame.GetWindow()->ShowWindow(SW_MAXIMIZE);
    pBar->Redraw();
    const CRect rcMax = pBar->GetCaptionRect();
    EXPECT_EQ(RGB(0, 0, 0), WaitForPixel(pBar, CPoint(1, rcMax.top + 1), RGB(0, 0, 0)));
    EXPECT_TRUE(
        PumpUntil([&] { return CPixelImage::FromWindow(pBar->GetSafeHwnd()).CountNear(RGB(255, 255, 255), 0) > 0; }));
}

// The paint manager makes the ribbon's painter on the first ask and keeps it; theme 6 draws from its own images.
TEST(RibbonPainterChoice, ThePaintManagerKeepsOnePainterAndTheRibbonThemeDrawsWithItsImages)
{
    CKTRibbonPainterMaker maker;
    CKTSmartPtr<CKTPaintManager> pPlain = CKTPaintManager::CreateTheme(ktCommandBarsThemeStyleResources);
    IKTRibbonPainter* pPainter = pPlain->GetRibbonPainter(maker);
    EXPECT_EQ(pPainter, pPlain->GetRibbonPainter(maker));
    EXPECT_FALSE(pPainter->HighlightsGroups()) << "the plain look";

    CKTSmartPtr<CKTPaintManager> pRibbon = CKTPaintManager::CreateTheme(ktCommandBarsThemeRibbon);
    auto* pThemed = dynamic_cast<CKTRibbonThemePainter*>(pRibbon->GetRibbonPainter(maker));
    ASSERT_NE(nullptr, pThemed);
    EXPECT_EQ(pRibbon.GetInterface(), static_cast<CKTPaintManager*>(pThemed->GetTheme()));
    EXPECT_TRUE(pThemed->HighlightsGroups());
}

// A window's client filled with the face takes the ribbon's face, all of it and only it; without the style's face,
// the bars' face.
TEST_F(RibbonLook, AClientFilledWithTheFaceTakesTheRibbonsFace)
{
    CKTSmartPtr<CKTThemeRibbon> pTheme = KTMakeCounted<CKTThemeRibbon>();
    pTheme->RefreshMetrics();
    CKTRibbonThemePainter painter;
    painter.SetTheme(pTheme);
    CRibbonTestFrame frame;
    CKTRibbonBar* pBar = frame.GetRibbon();
    const CRect rc = CKTClientRect(pBar);
    ASSERT_FALSE(rc.IsRectEmpty());
    auto fill = [&]
    { return DrawOffScreen(rc.Size() + CSize(2, 2), [&](CDC* pDC) { painter.FillClientFace(pDC, pBar); }); };
    CPixelImage image = fill();
    EXPECT_EQ(StyleColor("RibbonFace"), image.Pixel(0, 0));
    EXPECT_EQ(StyleColor("RibbonFace"), image.Pixel(rc.right - 1, rc.bottom - 1));
    EXPECT_EQ(RGB(0, 0, 0), image.Pixel(rc.right, rc.bottom)) << "nothing beyond the client";

    pTheme->m_clrRibbonFace.SetStandardValue(CKTPaintManagerColor::COLORREF_NULL);
    EXPECT_EQ(pTheme->GetColor(COLOR_BTNFACE), fill().Pixel(rc.CenterPoint().x, rc.CenterPoint().y));
}

TEST_F(RibbonLook, TheTabStripFollowsTheThemesHeightFontAndTextColours)
{
    CKTSmartPtr<CKTThemeRibbon> pTheme = KTMakeCounted<CKTThemeRibbon>();
    pTheme->m_nFontHeight = 30;
    pTheme->RefreshMetrics();
    CKTRibbonThemePainter painter;
    painter.SetTheme(pTheme);
    CKTTabPainter* pTabs = painter.GetRibbonTabPainter();
    EXPECT_GT(pTheme->m_nTabHeight, 23);
    EXPECT_EQ(pTheme->m_nTabHeight + 1, pTabs->GetAppearanceSet()->GetButtonHeight(NULL));
    LOGFONTA lfRibbon = {}, lfTabs = {};
    ASSERT_TRUE(pTheme->m_fontRibbon.GetLogFont(&lfRibbon));
    ASSERT_TRUE(pTabs->GetFont(FALSE)->GetLogFont(&lfTabs));
    EXPECT_EQ(lfRibbon.lfHeight, lfTabs.lfHeight);
    EXPECT_EQ(StyleColor("TabNormalText"), (COLORREF)pTabs->GetColorSet()->m_clrTextNormal);
    EXPECT_EQ(StyleColor("TabSelectedText"), (COLORREF)pTabs->GetColorSet()->m_clrTextSelected);

    // A new theme with a smaller font: the strip follows it.
    CKTSmartPtr<CKTThemeRibbon> pSmaller = KTMakeCounted<CKTThemeRibbon>();
    pSmaller->RefreshMetrics();
    painter.SetTheme(pSmaller);
    pTabs = painter.GetRibbonTabPainter();
    EXPECT_EQ(pSmaller->m_nTabHeight + 1, pTabs->GetAppearanceSet()->GetButtonHeight(NULL));
    ASSERT_TRUE(pSmaller->m_fontRibbon.GetLogFont(&lfRibbon));
    ASSERT_TRUE(pTabs->GetFont(FALSE)->GetLogFont(&lfTabs));
    EXPECT_EQ(lfRibbon.lfHeight, lfTabs.lfHeight);

    // Another style under the same theme and font: the theme's refresh reaches the strip's text colours.
    const COLORREF clrStyleSelected = StyleColor("TabSelectedText");
    EXPECT_EQ(clrStyleSelected, (COLORREF)pTabs->GetColorSet()->m_clrTextSelected);
    CLoadedStyle partial("STYLE_PARTIAL_INI");
    ASSERT_TRUE(partial.IsLoaded());
    pSmaller->RefreshMetrics();
    pTabs = painter.GetRibbonTabPainter();
    CKTRibbonThemePainter fresh;
    fresh.SetTheme(pSmaller);
    CKTTabColorSet* pDefaults = fresh.GetRibbonTabPainter()->GetColorSet();
    EXPECT_EQ((COLORREF)pDefaults->m_clrTextSelected, (COLORREF)pTabs->GetColorSet()->m_clrTextSelected);
    EXPECT_EQ((COLORREF)pDefaults->m_clrTextNormal, (COLORREF)pTabs->GetColorSet()->m_clrTextNormal);
    EXPECT_NE(clrStyleSelected, (COLORREF)pDefaults->m_clrTextSelected);

    EXPECT_STREQ("", CKTRibbonThemePainter::ContextColorName(0));
    EXPECT_STREQ("BLUE", CKTRibbonThemePainter::ContextColorName(1));
    EXPECT_STREQ("ORANGE", CKTRibbonThemePainter::ContextColorName(7));
    EXPECT_STREQ("", CKTRibbonThemePainter::ContextColorName(8));
}

TEST_F(RibbonLook, SwitchingThemesRepaintsAndLeavesNoGdiObjects)
{
    CRibbonTestFrame frame;
    CKTRibbonBar* pBar = frame.GetRibbon();
    const CRect rcGroups = pBar->GetGroupsRect();
    const CPoint pt(rcGroups.right - 20, rcGroups.CenterPoint().y);
    auto switchTo = [&](KTCommandBarsTheme nTheme)
    {
        CKTPaintManager::SetTheme(nTheme);
        frame.GetCommandBars()->RedrawCommandBars();
        PumpMessages();
    };
    switchTo(ktCommandBarsThemeClassic);
    switchTo(ktCommandBarsThemeRibbon);
    EXPECT_EQ(kGroups, WaitForPixel(pBar, pt, kGroups));
    CGuiLeakCheck check;
    for (int i = 0; i < 50; i++)
    {
        switchTo(ktCommandBarsThemeClassic);
        switchTo(ktCommandBarsThemeRibbon);
    }
    EXPECT_TRUE(check.NoLeaks());
    switchTo(ktCommandBarsThemeClassic);
    const COLORREF clrPlain = ::GetSysColor(COLOR_WINDOW);
    EXPECT_EQ(clrPlain, WaitForPixel(pBar, pt, clrPlain));
}

// Without a style the face is the bars' own face, not an unset colour.
TEST(RibbonLookWithoutStyle, TheFaceIsTheBarsFace)
{
    CKTPaintManager::SetTheme(ktCommandBarsThemeRibbon);
    {
        CRibbonTestFrame frame;
        CKTRibbonBar* pBar = frame.GetRibbon();
        const CRect rcTabRow = pBar->GetTabRowRect();
        const CPoint pt(rcTabRow.right - 3, rcTabRow.top + 3);
        auto fill = [&](CDC* pDC) { CKTPaintManager::GetGlobal()->FillCommandBarEntry(pDC, pBar); };
        const COLORREF clrFace = DrawOffScreen(CKTClientRect(pBar).Size(), fill).Pixel(pt.x, pt.y);
        EXPECT_EQ(clrFace, WaitForPixel(pBar, pt, clrFace));
    }
    CKTPaintManager::SetTheme(ktCommandBarsThemeClassic);
}

namespace
{
// A system menu of an entry, the recent files' caption and a bottom-row button.
struct CStyledSystemMenu
{
    explicit CStyledSystemMenu(CKTRibbonBar* pBar) : pMenu(KTMakeCounted<CKTRibbonSystemPopupBar>())
    {
        pMenu->SetCommandBars(pBar->GetCommandBars());
        pMenu->GetControls()->Add(KTMakeCounted<CKTRibbonControlSystemPopupBarListItem>(), 250)->SetCaption("&New");
        pCaption = pMenu->GetControls()->Add(KTMakeCounted<CKTRibbonControlSystemPopupBarListCaption>(), 0);
        pCaption->SetCaption("Recent");
        pExit = pMenu->GetControls()->Add(KTMakeCounted<CKTRibbonControlSystemPopupBarButton>(), 251);
        pExit->SetCaption("E&xit");
    }

    // The face along the bottom border, the caption's two edge lines and the bottom-row button's image.
    void ExpectStyledParts()
    {
        const CRect rcClient = CKTClientRect(pMenu);
        EXPECT_EQ(kSystemMenu, WaitForPixel(pMenu, CPoint(20, rcClient.bottom - 8), kSystemMenu)) << "the border";
        const CRect rcCaption = pCaption->GetRect();
        for (int nLine : {2, 1})
        {
            const COLORREF clrLine =
                StyleColor(nLine == 2 ? "RecentFileListEdgeShadow" : "RecentFileListEdgeHighLight");
            EXPECT_EQ(clrLine, WaitForPixel(pMenu, CPoint(rcCaption.right - 3, rcCaption.bottom - nLine), clrLine))
                << "the caption's edge " << nLine;
        }
        const CRect rcExit = pExit->GetRect();
        EXPECT_EQ(kSystemMenuButton, WaitForPixel(pMenu, rcExit.TopLeft() + CPoint(1, 1), kSystemMenuButton));
    }

    CKTSmartPtr<CKTRibbonSystemPopupBar> pMenu;
    CKTControl* pCaption = nullptr;
    CKTControl* pExit = nullptr;
};
}  // namespace

TEST_F(RibbonLook, TheSystemMenuShowsItsFaceItsRecentFileColumnAndItsBottomRowButtons)
{
    CRibbonTestFrame frame;
    CKTRibbonBar* pBar = frame.GetRibbon();
    CStyledSystemMenu menu(pBar);
    CKTControl* pButton = pBar->AddSystemButton("&File", menu.pMenu);
    PumpMessages();
    CTestInput input(pBar->GetSafeHwnd());
    ASSERT_TRUE(input.Click(pButton->GetRect().CenterPoint()));
    ASSERT_TRUE(PumpUntil([&] { return menu.pMenu->IsVisible(); }));

    menu.ExpectStyledParts();
    const CRect rcCaption = menu.pCaption->GetRect();
    ASSERT_GT(rcCaption.left, menu.pMenu->GetControl(0)->GetRect().left) << "the caption starts the second column";
    const COLORREF clrColumn = StyleColor("RecentFileListBackground");
    EXPECT_EQ(clrColumn, WaitForPixel(menu.pMenu, CPoint(rcCaption.right - 3, rcCaption.top + 3), clrColumn))
        << "under the caption's text";
    ASSERT_TRUE(input.Key(VK_ESCAPE));
    ASSERT_TRUE(PumpUntil([&] { return !menu.pMenu->IsVisible(); }));
}

TEST_F(RibbonLook, ASystemMenuOpenedByNoRibbonKeepsItsFaceItsCaptionsEdgeAndItsButtonsImage)
{
    CRibbonTestFrame frame;
    CStyledSystemMenu menu(frame.GetRibbon());
    const CRect rcFrame = CKTWindowRect(frame.GetWindow());
    ASSERT_TRUE(menu.pMenu->PopupAt(rcFrame.left + 40, rcFrame.top + 60));
    ASSERT_TRUE(PumpUntil([&] { return menu.pMenu->IsVisible(); }));
    ASSERT_EQ(nullptr, menu.pMenu->GetOpeningControl());
    menu.ExpectStyledParts();
    frame.GetCommandBars()->ClosePopups();
    ASSERT_TRUE(PumpUntil([&] { return !menu.pMenu->IsVisible(); }));
}

TEST_F(RibbonLook, TheMoreButtonsPopupTakesItsOwnFrameImage)
{
    CRibbonTestFrame frame(300);
    CKTRibbonBar* pBar = frame.GetRibbon();
    CTestRibbonGroup* pGroup = AddGroup(pBar->GetControlTab()->GetTab(0), 100);
    for (int i = 0; i < 12; i++)
        pBar->AddToQuickAccess(pGroup->GetAt(0))->SetCaption("Command");
    Relayout(pBar);
    CKTControl* pMore = pBar->GetQuickAccessMore();
    ASSERT_TRUE(pMore->IsVisible());
    CTestInput input(pBar->GetSafeHwnd());
    ASSERT_TRUE(input.Click(pMore->GetRect().CenterPoint()));
    ASSERT_TRUE(PumpUntil([&] { return pMore->GetCommandBar() && pMore->GetCommandBar()->IsVisible(); }));
    EXPECT_EQ(kMorePopup, WaitForPixel(pMore->GetCommandBar(), CPoint(1, 1), kMorePopup));
    ASSERT_TRUE(input.Key(VK_ESCAPE));
    ASSERT_TRUE(PumpUntil([&] { return !pMore->GetCommandBar()->IsVisible(); }));
}

TEST_F(RibbonLook, TheQuickAccessToolbarsAreaInTheCaptionAndItsBandBelow)
{
    CRibbonTestFrame frame(400, 300);
    CKTRibbonBar* pBar = frame.GetRibbon();
    CKTRibbonGroup* pGroup = AddGroup(pBar->GetControlTab()->GetTab(0), 100);
    pBar->AddToQuickAccess(pGroup->GetAt(0));
    Relayout(pBar);
    const CRect rcAbove = pBar->GetQuickAccessRect();
    // The area reaches a little left of the toolbar, over the caption strip's image.
    const CPoint ptArea(rcAbove.left - 8, rcAbove.CenterPoint().y);
    EXPECT_EQ(kQuickAccessArea, WaitForPixel(pBar, ptArea, kQuickAccessArea));

    pBar->SetQuickAccessBelow(TRUE);
    Relayout(pBar);
    const CRect rcBelow = pBar->GetQuickAccessRect();
    ASSERT_GT(rcBelow.top, pBar->GetGroupsRect().top);
    EXPECT_EQ(kQuickAccessFrame,
              WaitForPixel(pBar, CPoint(rcBelow.right - 4, rcBelow.CenterPoint().y), kQuickAccessFrame));
    EXPECT_EQ(kCaptionCenterActive, WaitForPixel(pBar, ptArea, kCaptionCenterActive)) << "no area once it is below";
}

TEST_F(RibbonLook, TheQuickAccessAreaOnTheFramesCaptionWithAndWithoutGlass)
{
    CRibbonTestFrame frame(600, 400);
    CKTRibbonBar* pBar = frame.GetRibbon();
    CKTRibbonGroup* pGroup = AddGroup(pBar->GetControlTab()->GetTab(0), 100);
    pBar->AddToQuickAccess(pGroup->GetAt(0));
    CFakeGlassRegion* pRegion = CFakeGlassRegion::Attach(pBar, FALSE);
    Relayout(pBar);
    auto areaPoint = [&]
    {
        const CRect rc = pBar->GetQuickAccessRect();
        return CPoint(rc.left - 8, pBar->GetCaptionRect().top + 4);
    };
    EXPECT_EQ(kQuickAccessArea, WaitForPixel(pBar, areaPoint(), kQuickAccessArea));
    pRegion->m_bGlass = TRUE;
    pRegion->RefreshFrame();
    EXPECT_EQ(kQuickAccessAreaOnGlass, WaitForPixel(pBar, areaPoint(), kQuickAccessAreaOnGlass));
}

TEST_F(RibbonLook, TheFramesSmallIconStandsInTheCaptionWithoutASystemButton)
{
    CRibbonTestFrame frame(600, 400);
    CKTRibbonBar* pBar = frame.GetRibbon();
    CFakeGlassRegion::Attach(pBar, FALSE);
    const COLORREF clrIcon = RGB(13, 201, 77);
    CSolidIcon icon(clrIcon);
    ASSERT_TRUE(icon.Get());
    frame.GetWindow()->SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon.Get()));
    pBar->Redraw();
    const CRect rc = pBar->GetCaptionRect();
    const CPoint ptIcon(rc.left + 10 + ::GetSystemMetrics(SM_CXSMICON) / 2, rc.CenterPoint().y);
    EXPECT_EQ(clrIcon, WaitForPixel(pBar, ptIcon, clrIcon));

    AddApplicationButton(pBar);
    Relayout(pBar);
    EXPECT_TRUE(PumpUntil([&] { return CPixelImage::FromWindow(pBar->GetSafeHwnd()).CountNear(clrIcon, 0) == 0; }));
    frame.GetWindow()->SendMessage(WM_SETICON, ICON_SMALL, 0);
}

// Controls of the ribbon outside its groups take the style's ribbon text colour while idle, and only then.
TEST_F(RibbonLook, IdleControlsOutsideTheGroupsTakeTheRibbonTextColour)
{
    CRibbonTestFrame frame;
    CKTRibbonBar* pBar = frame.GetRibbon();
    CKTRibbonGroup* pGroup = AddGroup(pBar->GetControlTab()->GetTab(0), 100);
    CKTControl* pCopy = pBar->AddToQuickAccess(pGroup->GetAt(0));
    Relayout(pBar);
    CKTPaintManager* pTheme = pBar->GetPaintManager();
    const COLORREF clrRibbonText = StyleColor("RibbonText");
    EXPECT_EQ(clrRibbonText, pTheme->GetColor(pTheme->GetControlTextColor(pCopy)));
    EXPECT_NE(clrRibbonText, pTheme->GetColor(pTheme->GetControlTextColor(pGroup->GetAt(0))));
    MoveMouse(pBar, pCopy->GetRect().CenterPoint());
    ASSERT_TRUE(PumpUntil([&] { return pCopy->GetSelected() != 0; }));
    EXPECT_NE(clrRibbonText, pTheme->GetColor(pTheme->GetControlTextColor(pCopy)));
    LeaveBar(frame);
}

TEST_F(RibbonLook, KeyboardTrackingAndContextRunsMarkTheirTabs)
{
    CRibbonTestFrame frame;
    CKTRibbonBar* pBar = frame.GetRibbon();
    CKTRibbonTab* pContext = pBar->GetControlTab()->GetTab(2);
    pContext->SetContextTab(1, "Tools");
    Relayout(pBar);
    ASSERT_TRUE(pContext->GetContextHeader());
    const CRect rcContext = pContext->GetRect();
    EXPECT_EQ(kContextSeparator, WaitForPixel(pBar, CPoint(rcContext.left, rcContext.top + 3), kContextSeparator));
    EXPECT_EQ(kContextSeparator, WaitForPixel(pBar, CPoint(rcContext.right, rcContext.top + 3), kContextSeparator));

    // Alt puts the ribbon in tracking mode: its selected tab takes the keyboard's part.
    const CRect rcSelected = pBar->GetControlTab()->GetTab(0)->GetRect();
    CTestInput input(frame.GetWindow()->GetSafeHwnd());
    ASSERT_TRUE(input.Key(VK_MENU));
    ASSERT_TRUE(PumpUntil([&] { return pBar->GetTrackingMode() != 0; }));
    EXPECT_EQ(Tab(5), WaitForPixel(pBar, rcSelected.TopLeft() + CPoint(2, 2), Tab(5)));
    ASSERT_TRUE(input.Key(VK_ESCAPE));
    ASSERT_TRUE(input.Key(VK_ESCAPE));
    ASSERT_TRUE(PumpUntil([&] { return pBar->GetTrackingMode() == 0; }));
    EXPECT_EQ(Tab(3), WaitForPixel(pBar, rcSelected.TopLeft() + CPoint(2, 2), Tab(3)));
}

TEST_F(RibbonLook, GroupAndOptionButtonsTakeTheirPartByState)
{
    CRibbonTestFrame frame;
    CKTRibbonBar* pBar = frame.GetRibbon();
    CButtonsGroup* pGroup = AddButtonsGroup(pBar->GetControlTab()->GetTab(0));
    CKTControl* pGroupButton = pGroup->AddPainterButton(FALSE);
    CKTControl* pOption = pGroup->AddPainterButton(TRUE);
    Relayout(pBar);
    CKTScreenDC dc;
    EXPECT_EQ(CSize(15, 14), pOption->GetSize(&dc));

    for (CKTControl* pButton : {pGroupButton, pOption})
    {
        auto part = [&](int nPart) { return pButton == pOption ? OptionButton(nPart) : GroupButton(nPart); };
        const CRect rc = pButton->GetRect();
        const CPoint ptFace = rc.TopLeft() + CPoint(1, 1);
        EXPECT_EQ(part(0), WaitForPixel(pBar, ptFace, part(0)));
        MoveMouse(pBar, rc.CenterPoint());
        EXPECT_EQ(part(1), WaitForPixel(pBar, ptFace, part(1)));
    }
    LeaveBar(frame);
}

// A group's own option button: its parts by state, and the caption's text centred in what the button leaves.
TEST_F(RibbonLook, AGroupsOptionButtonLightsAndTheCaptionStandsClearOfIt)
{
    CRibbonTestFrame frame;
    CKTRibbonBar* pBar = frame.GetRibbon();
    CKTRibbonGroup* pGroup = AddGroup(pBar->GetControlTab()->GetTab(0), 160);
    pGroup->ShowOptionButton(TRUE);
    Relayout(pBar);
    CKTControl* pOption = pGroup->GetControlOptionButton();
    const CRect rc = pOption->GetRect();
    const CPoint ptFace = rc.TopLeft() + CPoint(1, 1);
    EXPECT_EQ(OptionButton(0), WaitForPixel(pBar, ptFace, OptionButton(0)));

    const CRect rcGroup = pGroup->GetRect();
    const int nCaption = pBar->GetRibbonPainter()->GetGroupCaptionHeight();
    CPixelImage shown = CPixelImage::FromWindow(pBar->GetSafeHwnd());
    int xFirst = rcGroup.right, xLast = rcGroup.left;
    for (int x = rcGroup.left; x < rc.left; x++)
        for (int y = rcGroup.bottom - nCaption; y < rcGroup.bottom; y++)
            if (shown.Pixel(x, y) != GroupCaption(0))
            {
                xFirst = std::min(xFirst, x);
                xLast = std::max(xLast, x);
            }
    ASSERT_LT(xFirst, xLast) << "the caption's text shows";
    // Glyphs sit unevenly in their cells: nearer the narrowed centre than the whole band's is what tells.
    const int xText = (xFirst + xLast) / 2;
    const int xNarrowed = (rcGroup.left + rcGroup.right - nCaption - 1) / 2, xWhole = rcGroup.CenterPoint().x;
    EXPECT_LT(std::abs(xText - xNarrowed), std::abs(xText - xWhole)) << xText << " " << xNarrowed;

    MoveMouse(pBar, rc.CenterPoint());
    EXPECT_EQ(OptionButton(1), WaitForPixel(pBar, ptFace, OptionButton(1)));
    LeaveBar(frame);
    EXPECT_EQ(OptionButton(0), WaitForPixel(pBar, ptFace, OptionButton(0)));
}

TEST_F(RibbonLook, AJoinedRowTakesEachButtonsImageByItsPlaceAndState)
{
    CRibbonTestFrame frame;
    CKTRibbonBar* pBar = frame.GetRibbon();
    CKTRibbonGroup* pGroup = AddGroup(pBar->GetControlTab()->GetTab(0), 120);
    for (int i = 1; i < 4; i++)
        pGroup->AddControl(ktControlButton, 200 + i);
    pGroup->GetAt(3)->SetBeginGroup(TRUE);
    pGroup->SetControlsJoined(TRUE);
    CKTControl* pCopy = pBar->AddToQuickAccess(pGroup->GetAt(0));
    Relayout(pBar);

    // A run of three (left, centre, right), then one that begins a group alone.
    const int images[] = {1, 3, 2, 0};
    for (int i = 0; i < 4; i++)
    {
        const CPoint pt = pGroup->GetAt(i)->GetRect().TopLeft() + CPoint(1, 1);
        EXPECT_EQ(Joined(images[i], 0), WaitForPixel(pBar, pt, Joined(images[i], 0))) << i;
    }
    const CRect rcHot = pGroup->GetAt(1)->GetRect();
    MoveMouse(pBar, rcHot.CenterPoint());
    EXPECT_EQ(Joined(3, 1), WaitForPixel(pBar, rcHot.TopLeft() + CPoint(1, 1), Joined(3, 1)));
    // The quick access toolbar's copy belongs to no group there: a plain button.
    ASSERT_TRUE(pCopy->IsVisible());
    const COLORREF clrCopy =
        CPixelImage::FromWindow(pBar->GetSafeHwnd()).Pixel(pCopy->GetRect().left + 1, pCopy->GetRect().top + 1);
    for (int nImage = 0; nImage < 4; nImage++)
        EXPECT_NE(Joined(nImage, 0), clrCopy) << nImage;
    LeaveBar(frame);
}

TEST_F(RibbonLook, AJoinedSplitButtonTakesItsRunsImagesOneRowDown)
{
    CRibbonTestFrame frame;
    CKTRibbonBar* pBar = frame.GetRibbon();
    CKTRibbonGroup* pGroup = AddButtonsGroup(pBar->GetControlTab()->GetTab(0));
    CKTControl* pSplit = pGroup->AddControl(ktControlSplitButtonPopup, 300);
    pGroup->SetControlsJoined(TRUE);
    Relayout(pBar);
    // Alone in its run it starts and ends it; its command half hot is command state 0 and drop-down state 4.
    const CRect rc = pSplit->GetRect();
    MoveMouse(pBar, CPoint(rc.left + 4, rc.CenterPoint().y));
    const CPoint ptCommand(rc.left + 3, rc.top + 3), ptDropDown(rc.right - 3, rc.top + 3);
    EXPECT_EQ(JoinedSplitCommand(1), WaitForPixel(pBar, ptCommand, JoinedSplitCommand(1)));
    EXPECT_EQ(JoinedSplitDropDown(5), WaitForPixel(pBar, ptDropDown, JoinedSplitDropDown(5)));
    LeaveBar(frame);
}

// A run of three split buttons: each half's image by the button's place in the run, a state row lower than the plain
// images'; a large button in the run splits side by side too.
TEST_F(RibbonLook, AJoinedRunOfSplitButtonsTakesTheImagesOfEachPlace)
{
    CRibbonTestFrame frame;
    CKTRibbonBar* pBar = frame.GetRibbon();
    CKTRibbonGroup* pGroup = AddButtonsGroup(pBar->GetControlTab()->GetTab(0));
    for (int i = 0; i < 3; i++)
        pGroup->AddControl(ktControlSplitButtonPopup, 300 + i)->SetChecked(TRUE);
    pGroup->GetAt(2)->SetStyle(ktButtonIconAndCaptionBelow);
    pGroup->SetControlsJoined(TRUE);
    Relayout(pBar);
    // Checked and idle: command state 2 and drop-down state 4, so rows 3 and 5.
    const COLORREF commands[] = {JoinedSplitCommand(3), JoinedSplitCommandInside(3), JoinedSplitCommandInside(3)};
    const COLORREF dropDowns[] = {JoinedSplitDropDownInside(5), JoinedSplitDropDownInside(5), JoinedSplitDropDown(5)};
    for (int i = 0; i < 3; i++)
    {
        SCOPED_TRACE(i);
        const CRect rc = pGroup->GetAt(i)->GetRect();
        for (const int y : {rc.top + 3, rc.bottom - 4})
        {
            EXPECT_EQ(commands[i], WaitForPixel(pBar, CPoint(rc.left + 3, y), commands[i]));
            EXPECT_EQ(dropDowns[i], WaitForPixel(pBar, CPoint(rc.right - 3, y), dropDowns[i]));
        }
    }
}

// Theme 6 writes a group's caption in its ribbon font, without the access-key mark: a long caption widens the group
// just enough to show it whole.
TEST_F(RibbonLook, AGroupIsAsWideAsItsCaptionInTheRibbonFont)
{
    CRibbonTestFrame frame;
    CKTRibbonBar* pBar = frame.GetRibbon();
    auto* pPainter = dynamic_cast<CKTRibbonThemePainter*>(pBar->GetRibbonPainter());
    ASSERT_TRUE(pPainter && pPainter->GetTheme());
    CKTRibbonGroup* pGroup =
        pBar->GetControlTab()->GetTab(0)->GetGroups()->Add(NULL, "&Paragraph and Line Spacing", 40);
    pGroup->AddControl(ktControlButton, 300);
    Relayout(pBar);
    CKTScreenDC dc;
    CKTFontDC font(&dc, &pPainter->GetTheme()->m_fontRibbon);
    const int nText = dc.GetTextExtent("Paragraph and Line Spacing").cx;
    ASSERT_GT(nText, pGroup->GetAt(0)->GetRect().Width() + 20) << "the test wants a caption wider than the button";
    EXPECT_GE(pGroup->GetRect().Width(), nText);
    EXPECT_LT(pGroup->GetRect().Width(), nText + 20);
}

TEST_F(RibbonLook, AGroupPopupFillsItsClientFromTheTabsGroupsImage)
{
    CRibbonTestFrame frame;
    CKTRibbonBar* pBar = frame.GetRibbon();
    const CRect rc = CKTClientRect(pBar);
    EXPECT_EQ(kGroups, GroupsBackgroundPixel(pBar, CPoint(0, 0))) << "the image's edge lies outside";
    EXPECT_EQ(kGroups, GroupsBackgroundPixel(pBar, rc.CenterPoint()));
}

TEST_F(RibbonLook, TheTabStripKeepsTheThemesFontWhenTheRibbonFontIsReplaced)
{
    CKTSmartPtr<CKTThemeRibbon> pTheme = KTMakeCounted<CKTThemeRibbon>();
    pTheme->RefreshMetrics();
    LOGFONTA lfStandard = {};
    ASSERT_TRUE(pTheme->m_fontRibbon.GetLogFont(&lfStandard));
    LOGFONTA lfBig = lfStandard;
    lfBig.lfHeight = lfStandard.lfHeight * 2;
    pTheme->m_fontRibbon.DeleteObject();
    ASSERT_TRUE(pTheme->m_fontRibbon.CreateFontIndirect(&lfBig));
    pTheme->m_fontRibbon.m_bStandardFont = FALSE;
    pTheme->RefreshMetrics();
    CKTRibbonThemePainter painter;
    painter.SetTheme(pTheme);
    LOGFONTA lfTabs = {};
    ASSERT_TRUE(painter.GetRibbonTabPainter()->GetFont(FALSE)->GetLogFont(&lfTabs));
    EXPECT_EQ(lfStandard.lfHeight, lfTabs.lfHeight);
}

// The dropped-down tab fills behind its groups as a collapsed group's popup does.
TEST_F(RibbonLook, ADroppedDownTabShowsTheGroupsImage) { EXPECT_EQ(kGroups, DroppedDownTabPixel(kGroups)); }

// Without a style the new parts draw plainly rather than not at all.
TEST(RibbonLookWithoutStyle, ButtonsAndPopupBackgroundsDrawPlainly)
{
    CKTPaintManager::SetTheme(ktCommandBarsThemeRibbon);
    {
        CRibbonTestFrame frame;
        CKTRibbonBar* pBar = frame.GetRibbon();
        const CRect rc = CKTClientRect(pBar);
        EXPECT_EQ(::GetSysColor(COLOR_WINDOW), GroupsBackgroundPixel(pBar, rc.CenterPoint()));

        auto* pGroup = static_cast<CButtonsGroup*>(
            pBar->GetControlTab()->GetTab(0)->GetGroups()->Add(RUNTIME_CLASS(CButtonsGroup), "&Font", 1));
        CKTControl* pButton = pGroup->AddPainterButton(FALSE);
        pBar->OnRecalcLayout();
        pBar->Redraw();
        const CRect rcButton = pButton->GetRect();
        const COLORREF clrFace = ::GetSysColor(COLOR_3DFACE);
        EXPECT_EQ(clrFace, WaitForPixel(pBar, rcButton.TopLeft() + CPoint(2, 2), clrFace));
    }
    CKTPaintManager::SetTheme(ktCommandBarsThemeClassic);
}

// Without the style's image the dropped-down tab has the plain groups background, not none.
TEST(RibbonLookWithoutStyle, ADroppedDownTabFillsPlainly)
{
    CKTPaintManager::SetTheme(ktCommandBarsThemeRibbon);
    const COLORREF clrPlain = ::GetSysColor(COLOR_WINDOW);
    const COLORREF clrShown = DroppedDownTabPixel(clrPlain);
    CKTPaintManager::SetTheme(ktCommandBarsThemeClassic);
    EXPECT_EQ(clrPlain, clrShown);
}

// A style without the application button's faces leaves only the face out: the button's icon still shows, on nothing.
TEST(RibbonLookWithoutStyle, TheApplicationButtonKeepsItsIconWithoutItsFaces)
{
    CKTPaintManager::SetTheme(ktCommandBarsThemeRibbon);
    COLORREF clrCentre = CLR_INVALID, clrAside = CLR_INVALID;
    const COLORREF clrOwn = RGB(201, 13, 77);
    const UINT nIcon = 9252;
    {
        CRibbonTestFrame frame(600, 400);
        CKTRibbonBar* pBar = frame.GetRibbon();
        CFakeGlassRegion::Attach(pBar, FALSE);
        CKTControl* pButton = AddApplicationButton(pBar);
        pButton->SetIconId(nIcon);
        CSolidIcon own(clrOwn, 32, 32);
        if (pBar->GetImageManager()->SetIcon(CKTImageManagerIconHandle(own.Get()), nIcon, CSize(32, 32)))
        {
            const CPixelImage shown =
                DrawOffScreen(CSize(56, 56), [&](CDC* pDC)
                              { pBar->GetRibbonPainter()->DrawSystemButton(pDC, pButton, CRect(0, 0, 56, 56)); });
            clrCentre = shown.Pixel(28, 28);
            clrAside = shown.Pixel(3, 28);
        }
        pBar->GetImageManager()->RemoveIcon(nIcon);
    }
    CKTPaintManager::SetTheme(ktCommandBarsThemeClassic);
    EXPECT_EQ(clrOwn, clrCentre);
    EXPECT_EQ(RGB(0, 0, 0), clrAside) << "no face and no plain button behind it";
}

// The application button on a caption the ribbon draws: the style's face at its own size, centred, by state, and the
// frame's large icon over it.
TEST_F(RibbonLook, TheApplicationButtonShowsItsFaceByStateUnderTheFramesLargeIcon)
{
    CRibbonTestFrame frame(600, 400);
    CKTRibbonBar* pBar = frame.GetRibbon();
    CFakeGlassRegion::Attach(pBar, FALSE);
    const COLORREF clrIcon = RGB(13, 77, 201);
    CSolidIcon icon(clrIcon, 32, 32);
    ASSERT_TRUE(icon.Get());
    frame.GetWindow()->SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon.Get()));
    CKTControl* pButton = AddApplicationButton(pBar);
    Relayout(pBar);

    const CRect rc = pButton->GetRect();
    ASSERT_GT(rc.Height(), kSystemFace + 2) << "room around the face";
    ASSERT_LE(rc.Height(), 54) << "the small face";
    const CPoint ptCentre = rc.CenterPoint();
    const CPoint ptFace(ptCentre.x - 18, ptCentre.y);  // on the face, clear of the 32-pixel icon
    EXPECT_EQ(clrIcon, WaitForPixel(pBar, ptCentre, clrIcon));
    EXPECT_EQ(SystemFace(0), WaitForPixel(pBar, ptFace, SystemFace(0)));
    EXPECT_NE(SystemFace(0), CPixelImage::FromWindow(pBar->GetSafeHwnd()).Pixel(ptCentre.x - 20, ptCentre.y))
        << "the face is not stretched";

    MoveMouse(pBar, ptCentre);
    EXPECT_EQ(SystemFace(1), WaitForPixel(pBar, ptFace, SystemFace(1)));
    LeaveBar(frame);
    EXPECT_EQ(SystemFace(0), WaitForPixel(pBar, ptFace, SystemFace(0)));
    frame.GetWindow()->SendMessage(WM_SETICON, ICON_BIG, 0);
}

// With the tabs off, the button is a small one in the caption the ribbon draws, as big as what it shows there: the
// frame's large icon lies wholly inside it.
TEST_F(RibbonLook, TheSmallApplicationButtonHoldsTheFramesLargeIcon)
{
    CRibbonTestFrame frame(600, 400);
    CKTRibbonBar* pBar = frame.GetRibbon();
    CFakeGlassRegion::Attach(pBar, FALSE);
    const COLORREF clrIcon = RGB(13, 77, 201);
    CSolidIcon icon(clrIcon, 32, 32);
    ASSERT_TRUE(icon.Get());
    frame.GetWindow()->SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon.Get()));
    CKTControl* pButton = AddApplicationButton(pBar);
    pBar->SetTabsVisible(FALSE);
    Relayout(pBar);
    ASSERT_TRUE(pButton->IsVisible());
    ASSERT_FALSE(pButton->IsCaptionVisible()) << "its icon alone";

    // Drawn with room around the button, so that what it draws outside shows too.
    const CPoint ptOffset(40, 40);
    const CRect rc = pButton->GetRect() + ptOffset;
    const CPixelImage shown = DrawOffScreen(CSize(rc.right + 40, rc.bottom + 40), [&](CDC* pDC)
                                            { pBar->GetRibbonPainter()->DrawSystemButton(pDC, pButton, rc); });
    EXPECT_EQ(32 * 32, shown.CountNear(clrIcon, 0));
    int nInside = 0;
    for (int y = rc.top; y < rc.bottom; y++)
        for (int x = rc.left; x < rc.right; x++)
            nInside += shown.Pixel(x, y) == clrIcon;
    EXPECT_EQ(32 * 32, nInside) << "the icon inside the button's rectangle " << rc.Width() << " x " << rc.Height();
    frame.GetWindow()->SendMessage(WM_SETICON, ICON_BIG, 0);
}

namespace
{
// A ribbon frame that comes up under the resting pointer, which lights the tab there; the frame's caption and the
// application button then move the row, so that the lit tab no longer lies under the pointer.
class RibbonLookUnderThePointer : public RibbonLook
{
protected:
    RibbonLookUnderThePointer()
    {
        CRibbonTestFrame probe;
        CKTRibbonBar* pProbe = probe.GetRibbon();
        MoveMouse(pProbe, pProbe->GetControlTab()->GetTab(1)->GetRect().CenterPoint());
    }

    // FALSE when the tab never lit or still lies under the pointer.
    bool ComeUpUnderThePointer()
    {
        m_pFrame = std::make_unique<CRibbonTestFrame>();
        m_pBar = m_pFrame->GetRibbon();
        CKTRibbonControlTab* pTabs = m_pBar->GetControlTab();
        // The system tells a window that appears under the pointer so; Wine waits for the pointer to move and drops
        // a move to where it already is, so the pointer steps a pixel aside and back.
        CPoint ptRest;
        ::GetCursorPos(&ptRest);
        std::vector<INPUT> inputs;
        InputBuilder::AddMove(inputs, ptRest + CPoint(1, 0));
        InputBuilder::AddMove(inputs, ptRest);
        if (!CTestInput(m_pBar->GetSafeHwnd()).Send(inputs) ||
            !PumpUntil([&] { return pTabs->GetHighlightedItem() == pTabs->GetTab(1); }))
            return false;
        CFakeGlassRegion::Attach(m_pBar, FALSE);
        m_pMenu = KTMakeCounted<CKTRibbonSystemPopupBar>();
        m_pMenu->SetCommandBars(m_pBar->GetCommandBars());
        m_pButton = m_pBar->AddSystemButton("&File", m_pMenu);
        Relayout(m_pBar);
        m_pBar->ScreenToClient(&ptRest);
        return !pTabs->GetTab(1)->GetRect().PtInRect(ptRest);
    }

    bool TabGoesOut() const
    {
        return PumpUntil([&] { return !m_pBar->GetControlTab()->GetHighlightedItem(); });
    }

    std::unique_ptr<CRibbonTestFrame> m_pFrame;
    CKTRibbonBar* m_pBar = NULL;
    CKTSmartPtr<CKTRibbonSystemPopupBar> m_pMenu;
    CKTControl* m_pButton = NULL;
};
}  // namespace

TEST_F(RibbonLookUnderThePointer, TheLitTabGoesOutOnTheApplicationButtonAndOffTheBar)
{
    ASSERT_TRUE(ComeUpUnderThePointer());
    MoveMouse(m_pBar, m_pButton->GetRect().CenterPoint());
    EXPECT_TRUE(PumpUntil([&] { return m_pBar->GetSelected() == m_pButton->GetIndex(); }));
    EXPECT_TRUE(TabGoesOut()) << "lit with the pointer on the application button";
    LeaveBar(*m_pFrame);
}

TEST_F(RibbonLookUnderThePointer, TheLitTabGoesOutWhenThePointerLeavesTheBarStraightAway)
{
    ASSERT_TRUE(ComeUpUnderThePointer());
    CRect rc;
    m_pFrame->GetWindow()->GetClientRect(rc);
    MoveMouse(m_pFrame->GetWindow(), CPoint(rc.left + 10, rc.bottom - 10));
    EXPECT_TRUE(TabGoesOut());
}

// Given room beyond 54 pixels both ways the button takes the large face; a control's own icon replaces the frame's,
// and one wider than 32 pixels stands alone.
TEST_F(RibbonLook, TheApplicationButtonsLargeFaceAndTheControlsOwnIcon)
{
    CRibbonTestFrame frame(600, 400);
    CKTRibbonBar* pBar = frame.GetRibbon();
    CFakeGlassRegion::Attach(pBar, FALSE);
    CKTControl* pButton = AddApplicationButton(pBar);
    auto draw = [&](CRect rc)
    {
        return DrawOffScreen(CSize(60, 60),
                             [&](CDC* pDC) { pBar->GetRibbonPainter()->DrawSystemButton(pDC, pButton, rc); });
    };
    // 56 x 56: the 52-pixel face from x = 2; 55 x 54: the small face from x = 8.
    const CPixelImage large = draw(CRect(0, 0, 56, 56));
    EXPECT_EQ(LargeSystemFace(0), large.Pixel(3, 28));
    EXPECT_EQ(RGB(0, 0, 0), large.Pixel(1, 28));
    const CPixelImage small = draw(CRect(0, 0, 55, 54));
    EXPECT_EQ(SystemFace(0), small.Pixel(9, 27));
    EXPECT_EQ(RGB(0, 0, 0), small.Pixel(3, 27));

    const UINT nIcon = 9251;
    pButton->SetIconId(nIcon);
    const COLORREF clrOwn = RGB(201, 13, 77), clrWide = RGB(77, 201, 13);
    CSolidIcon own(clrOwn, 32, 32), wide(clrWide, 48, 48);
    ASSERT_TRUE(pBar->GetImageManager()->SetIcon(CKTImageManagerIconHandle(own.Get()), nIcon, CSize(32, 32)));
    const CPixelImage withIcon = draw(CRect(0, 0, 56, 56));
    EXPECT_EQ(clrOwn, withIcon.Pixel(28, 28));
    EXPECT_EQ(LargeSystemFace(0), withIcon.Pixel(3, 28));

    ASSERT_TRUE(pBar->GetImageManager()->SetIcon(CKTImageManagerIconHandle(wide.Get()), nIcon, CSize(48, 48)));
    const CPixelImage alone = draw(CRect(0, 0, 56, 56));
    EXPECT_EQ(clrWide, alone.Pixel(28, 28));
    EXPECT_EQ(clrWide, alone.Pixel(5, 28));
    EXPECT_EQ(RGB(0, 0, 0), alone.Pixel(3, 28)) << "no face behind an icon that fills it";
    pBar->GetImageManager()->RemoveIcon(nIcon);
}

// While the frame keeps its own caption the application button is one of the bar's buttons, there and where the
// system menu draws it again over its top.
TEST_F(RibbonLook, WithoutTheFramesCaptionTheApplicationButtonIsAnOrdinaryButton)
{
    CRibbonTestFrame frame(600, 400);
    CKTRibbonBar* pBar = frame.GetRibbon();
    CKTSmartPtr<CKTRibbonSystemPopupBar> pMenu = KTMakeCounted<CKTRibbonSystemPopupBar>();
    pMenu->SetCommandBars(pBar->GetCommandBars());
    pMenu->GetControls()->Add(KTMakeCounted<CKTRibbonControlSystemPopupBarListItem>(), 250)->SetCaption("&New");
    CKTControl* pButton = pBar->AddSystemButton("&File", pMenu);
    Relayout(pBar);
    ASSERT_FALSE(pBar->IsFrameThemeEnabled());
    const CRect rc = pButton->GetRect();
    auto entry = [&](int nPart) { return rc.Height() < 33 ? ToolBarButton22(nPart) : ToolBarButton50(nPart); };
    const CPoint ptCorner = rc.TopLeft() + CPoint(1, 1);
    ASSERT_GE(ptCorner.y, 0);
    EXPECT_EQ(kCaptionCenterActive, WaitForPixel(pBar, ptCorner, kCaptionCenterActive)) << "idle: no face of its own";
    EXPECT_EQ(0, CPixelImage::FromWindow(pBar->GetSafeHwnd()).CountNear(SystemFace(0), 0));
    MoveMouse(pBar, rc.CenterPoint());
    EXPECT_EQ(entry(0), WaitForPixel(pBar, ptCorner, entry(0)));

    CTestInput input(pBar->GetSafeHwnd());
    ASSERT_TRUE(input.Click(rc.CenterPoint()));
    ASSERT_TRUE(PumpUntil([&] { return pMenu->IsVisible(); }));
    CRect rcInMenu = rc;
    pBar->ClientToScreen(&rcInMenu);
    pMenu->ScreenToClient(&rcInMenu);
    ASSERT_GT(rcInMenu.bottom, 2) << "the menu reaches up over the button";
    EXPECT_EQ(entry(2), WaitForPixel(pMenu, CPoint(rcInMenu.left + 1, rcInMenu.bottom - 2), entry(2)));
    EXPECT_NE(entry(2), CPixelImage::FromWindow(pMenu->GetSafeHwnd()).Pixel(rcInMenu.left + 1, rcInMenu.bottom + 1))
        << "drawn where the button lies, not at its place on the ribbon";
    ASSERT_TRUE(input.Key(VK_ESCAPE));
    ASSERT_TRUE(PumpUntil([&] { return !pMenu->IsVisible(); }));
    // The button keeps the keyboard's selection until a second Esc.
    ASSERT_TRUE(input.Key(VK_ESCAPE));
    LeaveBar(frame);
}

// A collapsed group's button is as wide as two lines of text less 3, at least 42, and three controls high.
TEST_F(RibbonLook, ACollapsedGroupsButtonTakesTheThemesSize)
{
    CRibbonTestFrame frame;
    CKTRibbonBar* pBar = frame.GetRibbon();
    CTestRibbonGroup* pGroup = AddGroup(pBar->GetControlTab()->GetTab(0), 900);
    pGroup->m_bCollapsible = true;
    Relayout(pBar);
    ASSERT_TRUE(pGroup->IsCollapsed());
    const CKTPaintManager* pTheme = pBar->GetPaintManager();
    EXPECT_EQ(CSize(std::max(2 * pTheme->GetTextHeight() - 3, 42), 3 * pTheme->m_nFixedControlHeight),
              pGroup->GetControlPopup()->GetRect().Size());

    // A large font widens it beyond the least width.
    CKTSmartPtr<CKTThemeRibbon> pLarge = KTMakeCounted<CKTThemeRibbon>();
    pLarge->m_nFontHeight = 30;
    pLarge->RefreshMetrics();
    CKTRibbonThemePainter painter;
    painter.SetTheme(pLarge);
    CKTScreenDC dc;
    EXPECT_EQ(CSize(2 * pLarge->GetTextHeight() - 3, 3 * pLarge->m_nFixedControlHeight),
              painter.DrawGroupPopupButton(&dc, pGroup->GetControlPopup(), FALSE));
}
