// The themed tab control in a window: the keys that walk its tabs, clicks and the notifications they send, caption
// cutting, the arrow window's place under each look, deleting tabs, and a quit during an arrow press; the default
// look's styled tabs and pane, drawn into memory bitmaps.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "InputBuilder.h"
#include "KBTabBaseTheme.h"
#include "KBTabCtrl.h"
#include "KBTabCtrlArrowWnd.h"
#include "KBThemeManager.h"
#include "KTDrawObjects.h"
#include "LoopInput.h"
#include "MemoryCanvas.h"
#include "MessagePump.h"
#include "MessageRecorder.h"
#include "NearColor.h"
#include "TestApp.h"
#include "TestInput.h"

// A look that notes every record it was told of, as it stood then.
class CRecordingTabTheme : public CKBTabBaseTheme
{
public:
    using CKBTabBaseTheme::CKBTabBaseTheme;
    void OnItemInserted(CKBTabCtrlItem& item) override { s_told.push_back(item); }
    static std::vector<CKBTabCtrlItem> s_told;
};
std::vector<CKBTabCtrlItem> CRecordingTabTheme::s_told;

class CRecordingTabThemeFactory : public CKBThemeManagerStyleFactory
{
    DECLARE_DYNCREATE(CRecordingTabThemeFactory)
public:
    CKBThemeManagerStyle* CreateTheme(int nTheme) override { return new CRecordingTabTheme(nTheme); }
};
IMPLEMENT_DYNCREATE(CRecordingTabThemeFactory, CKBThemeManagerStyleFactory)

namespace
{
const UINT kTabCtrlId = 1012;

// Puts the basic controls' look back when a test changed it.
struct ThemeScope
{
    explicit ThemeScope(int nTheme) { KBThemeManager()->SetTheme(nTheme); }
    ~ThemeScope() { KBThemeManager()->SetTheme(kbThemeDefault); }
};

class ThemedTabCtrl : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CString strClass = AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW), HBRUSH(COLOR_BTNFACE + 1));
        ASSERT_TRUE(m_host.CreateEx(0, strClass, "Tabs", WS_POPUP | WS_CAPTION | WS_VISIBLE | WS_CLIPCHILDREN,
                                    CRect(100, 100, 520, 360), nullptr, 0));
        ASSERT_TRUE(m_tabs.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(10, 10, 410, 240), &m_host, kTabCtrlId));
        for (const char* pszLabel : {"First", "Second", "Third"})
            AddPage(pszLabel);
        m_tabs.InitialUpdate();
    }
    void TearDown() override
    {
        if (m_host.GetSafeHwnd())
            m_host.DestroyWindow();
    }

    void AddPage(const char* pszLabel)
    {
        auto pPage = std::make_unique<CEdit>();
        ASSERT_TRUE(
            pPage->Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(0, 0, 10, 10), &m_host, 100 + m_pages.size()));
        ASSERT_TRUE(m_tabs.InsertItem(-1, pszLabel, pPage.get()));
        m_pages.push_back(std::move(pPage));
    }
    bool Shows(int nPage) const
    {
        for (size_t i = 0; i < m_pages.size(); ++i)
            if (bool(::IsWindowVisible(m_pages[i]->GetSafeHwnd())) != (int(i) == nPage))
                return false;
        return m_tabs.GetCurSel() == nPage && m_tabs.GetActiveIndex() == nPage;
    }
    // Keys as the application's loop takes them, translated before dispatch.
    bool PressKeys(WORD wKey, unsigned nModifiers, const std::function<bool()>& done)
    {
        ::SetForegroundWindow(m_host.GetSafeHwnd());
        std::vector<INPUT> inputs;
        InputBuilder::AddModifiers(inputs, nModifiers, true);
        InputBuilder::AddKey(inputs, wKey, true);
        InputBuilder::AddKey(inputs, wKey, false);
        InputBuilder::AddModifiers(inputs, nModifiers, false);
        if (::SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT)) != inputs.size())
            return false;
        return WaitFor([&] { return BOOL(done()); });
    }
    int TextWidth(const CString& strText)
    {
        CClientDC dc(&m_tabs);
        CKTFontDC font(&dc, m_tabs.GetFont());
        return dc.GetTextExtent(strText).cx;
    }
    int CaptionWidth(const CString& strText)
    {
        CClientDC dc(&m_tabs);
        CKTFontDC font(&dc, m_tabs.GetFont());
        return m_tabs.MeasureCaption(&dc, strText, FALSE);
    }
    CString Shown(int nTab) const
    {
        char szText[64] = {};
        TCITEM tci = {TCIF_TEXT};
        tci.pszText = szText;
        tci.cchTextMax = sizeof(szText);
        m_tabs.CTabCtrl::GetItem(nTab, &tci);
        return szText;
    }

    std::vector<std::unique_ptr<CEdit>> m_pages;
    CKBTabCtrl m_tabs;
    CWnd m_host;
};
}  // namespace

TEST_F(ThemedTabCtrl, CtrlTabWrapsToTheFirstTabAndShiftF6FromTheFirstSelectsTheLast)
{
    ASSERT_TRUE(m_tabs.ActivateItem(2));
    ASSERT_TRUE(Shows(2));
    m_pages[2]->SetFocus();
    EXPECT_TRUE(PressKeys(VK_TAB, CTestInput::kControl, [&] { return Shows(0); })) << "from the last to the first";
    EXPECT_EQ(m_tabs.GetSafeHwnd(), ::GetFocus()) << "the control takes the focus";
    EXPECT_TRUE(PressKeys(VK_F6, CTestInput::kShift, [&] { return Shows(2); })) << "from the first to the last";
    EXPECT_TRUE(PressKeys(VK_F6, CTestInput::kNone, [&] { return Shows(0); }));
}

TEST_F(ThemedTabCtrl, AClickShowsTheTabsWindowAndTellsTheParentBeforeAndAfter)
{
    CRect rcTab;
    m_tabs.CTabCtrl::GetItemRect(1, &rcTab);
    CMessageRecorder recorder({m_host.GetSafeHwnd()},
                              {CKBTabBase::kbTabNotifyChanging, CKBTabBase::kbTabNotifyChanged});
    CTestInput input(m_tabs.GetSafeHwnd());
    ASSERT_TRUE(input.Click(rcTab.CenterPoint()));
    EXPECT_TRUE(Shows(1));
    EXPECT_EQ(m_pages[1]->GetSafeHwnd(), ::GetFocus());
    EXPECT_TRUE(recorder.Matches({{CKBTabBase::kbTabNotifyChanging, kSent | kWParam | kLParam, kTabCtrlId,
                                   LPARAM(static_cast<CTabCtrl*>(&m_tabs)), 0},
                                  {CKBTabBase::kbTabNotifyChanged, kSent | kWParam, kTabCtrlId, 0, 0}}));
    CRect rcPage;
    m_pages[1]->GetWindowRect(&rcPage);
    m_tabs.ScreenToClient(&rcPage);
    EXPECT_EQ(m_tabs.GetChildRect(), rcPage) << "the window fills the display area";
}

TEST_F(ThemedTabCtrl, DeletingTabsActivatesANeighbourAndTheLastLeavesNone)
{
    HWND hWndMiddle = m_pages[1]->GetSafeHwnd();
    ASSERT_TRUE(m_tabs.ActivateItem(1));
    EXPECT_TRUE(m_tabs.DeleteItem(1));
    EXPECT_FALSE(::IsWindow(hWndMiddle)) << "deleted with its window";
    EXPECT_EQ(1, m_tabs.GetCurSel()) << "the tab now at that place";
    EXPECT_EQ(m_pages[2]->GetSafeHwnd(), m_tabs.GetItemWnd(1)->GetSafeHwnd());
    EXPECT_TRUE(m_tabs.DeleteItem(1, FALSE));
    EXPECT_TRUE(::IsWindow(m_pages[2]->GetSafeHwnd())) << "kept, only hidden";
    EXPECT_FALSE(m_pages[2]->IsWindowVisible());
    EXPECT_EQ(0, m_tabs.GetActiveIndex()) << "the last one left";

    EXPECT_TRUE(m_tabs.DeleteItem(0));
    EXPECT_EQ(0, m_tabs.GetItemCount());
    EXPECT_EQ(-1, m_tabs.GetActiveIndex());
    EXPECT_EQ(-1, m_tabs.GetCurSel());
    EXPECT_TRUE(m_tabs.GetChildRect().IsRectEmpty());
    EXPECT_FALSE(m_tabs.DeleteItem(0));
    m_tabs.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

TEST_F(ThemedTabCtrl, CaptionsAreCutToFitAndTheCuttingEndsWhereNothingCanShrink)
{
    EXPECT_EQ(TextWidth("W") + 13, CaptionWidth("W")) << "a one-character label is one pixel wider";
    EXPECT_EQ(TextWidth("WW") + 12, CaptionWidth("WW"));

    m_tabs.SetTruncateCaptions(TRUE);
    EXPECT_EQ("First", Shown(0)) << "a control wide enough cuts nothing";
    EXPECT_EQ("Third", Shown(2));

    m_tabs.SetItemLabel(0, "A caption far too long to fit beside the others");
    m_tabs.SetItemLabel(1, "Another caption that is much too long as well");
    const CString strFirst = Shown(0), strSecond = Shown(1);
    EXPECT_EQ("...", strFirst.Right(3));
    EXPECT_EQ("...", strSecond.Right(3));
    CRect rcClient;
    m_tabs.GetClientRect(&rcClient);
    EXPECT_LE(4 + CaptionWidth(strFirst) + CaptionWidth(strSecond) + CaptionWidth(Shown(2)), rcClient.Width());

    // Too narrow for even the ellipses: every caption shrinks as far as it can, and the cutting returns.
    m_tabs.SetWindowPos(nullptr, 0, 0, 12, 200, SWP_NOMOVE | SWP_NOZORDER);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ("...", Shown(i).Right(3)) << i;

    m_tabs.SetTruncateCaptions(FALSE);
    EXPECT_EQ("Third", Shown(2)) << "the labels come back whole";
    EXPECT_EQ(m_tabs.GetItemLabel(0), Shown(0));
}

TEST_F(ThemedTabCtrl, TheArrowWindowShowsOnlyUnderTheFlatAndGradientLooksOnASingleUncutRow)
{
    auto arrowsShown = [&]
    {
        m_tabs.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        CWnd* pArrows = m_tabs.GetArrowWnd();
        return pArrows->GetSafeHwnd() && pArrows->IsWindowVisible();
    };
    EXPECT_FALSE(arrowsShown()) << "never under the default look";
    for (int nTheme : {kbThemeFlat, kbThemeOffice})
    {
        SCOPED_TRACE(nTheme);
        ThemeScope theme(nTheme);
        EXPECT_TRUE(arrowsShown());
        CRect rcArrows, rcClient;
        m_tabs.GetArrowWnd()->GetWindowRect(&rcArrows);
        m_tabs.ScreenToClient(&rcArrows);
        m_tabs.GetClientRect(&rcClient);
        EXPECT_EQ(rcClient.right, rcArrows.right) << "at the row's right end";
        EXPECT_TRUE(m_tabs.GetArrowWnd()->GetButtonState(CKBTabBaseTheme::kbButtonRight) &
                    CKBTabBaseTheme::kbButtonDisabled)
            << "nothing to scroll while every tab fits";
        m_tabs.SetTruncateCaptions(TRUE);
        EXPECT_FALSE(arrowsShown()) << "hidden while captions are cut";
        m_tabs.SetTruncateCaptions(FALSE);
        m_tabs.ModifyStyle(0, TCS_MULTILINE);
        EXPECT_FALSE(arrowsShown()) << "hidden on a multi-line control";
        m_tabs.ModifyStyle(TCS_MULTILINE, 0);
    }
}

TEST_F(ThemedTabCtrl, AQuitDuringAnArrowPressEndsThePressAndReachesTheOuterLoop)
{
    ThemeScope theme(kbThemeFlat);
    for (int i = 0; i < 8; ++i)
        AddPage("Another page");
    m_tabs.ActivateItem(0);  // the row scrolls back to its start
    m_tabs.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    CKBTabCtrlArrowWnd* pArrows = m_tabs.GetArrowWnd();
    ASSERT_TRUE(pArrows->GetSafeHwnd() && pArrows->IsWindowVisible());
    ASSERT_FALSE(pArrows->GetButtonState(CKBTabBaseTheme::kbButtonRight) & CKBTabBaseTheme::kbButtonDisabled);
    const CPoint pt = pArrows->GetButtonRect(CKBTabBaseTheme::kbButtonRight).CenterPoint();

    CLoopInput input(pArrows->GetSafeHwnd());
    QuitPumped();
    ASSERT_TRUE(input.Press(pt).AwaitCapture().Quit(7).AwaitNoCapture().Release().Run());
    WPARAM nCode = 0;
    EXPECT_TRUE(QuitPumped(&nCode)) << "the quit was posted again for the loop outside the press";
    EXPECT_EQ(7u, nCode);
    EXPECT_GT(m_tabs.HitTest(CPoint(5, 10)), 0) << "the held arrow scrolled the row";
    EXPECT_EQ(0u, pArrows->GetButtonState(CKBTabBaseTheme::kbButtonRight) & CKBTabBaseTheme::kbButtonPressed);
}

TEST_F(ThemedTabCtrl, TheControlsOwnScrollArrowsBecomeTheArrowWindowAndGoBackWithTheDefaultLook)
{
    ThemeScope theme(kbThemeFlat);
    m_tabs.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    CKBTabCtrlArrowWnd* pArrows = m_tabs.GetArrowWnd();
    ASSERT_TRUE(pArrows->GetSafeHwnd()) << "a window of its own while every tab fits";
    for (int i = 0; i < 8; ++i)
        AddPage("Another page");
    m_tabs.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HWND hOwnArrows = ::FindWindowEx(m_tabs.GetSafeHwnd(), nullptr, UPDOWN_CLASS, nullptr);
    ASSERT_TRUE(hOwnArrows) << "the overflowing row made the control's own arrows";
    EXPECT_EQ(hOwnArrows, pArrows->GetSafeHwnd());
    int nShown = 0;
    for (HWND hChild = ::GetWindow(m_tabs.GetSafeHwnd(), GW_CHILD); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
        nShown += ::IsWindowVisible(hChild) ? 1 : 0;
    EXPECT_EQ(2, nShown) << "the shown page and one set of arrows";

    KBThemeManager()->SetTheme(kbThemeDefault);
    m_tabs.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(nullptr, pArrows->GetSafeHwnd());
    EXPECT_TRUE(::IsWindow(hOwnArrows));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hOwnArrows)) << "the control has its arrows back";
}

TEST_F(ThemedTabCtrl, ATabsRecordKeepsItsWindowsStylesAndATooltipThatStartsAsTheLabel)
{
    const CKBTabCtrlItem* pFirst = m_tabs.GetItem(0);
    EXPECT_EQ("First", pFirst->m_strTooltip);
    EXPECT_TRUE(pFirst->m_dwStyle & WS_VISIBLE) << "noted as the window was when added";
    EXPECT_FALSE(m_pages[0]->GetStyle() & WS_VISIBLE) << "though it is hidden now";
    EXPECT_EQ(m_pages[0]->GetExStyle(), pFirst->m_dwExStyle);
    for (COLORREF clr : pFirst->m_arrColors)
        EXPECT_EQ(COLORREF(-1), clr);

    EXPECT_TRUE(m_tabs.SetItemLabel(1, "Renamed", "The renamed tab"));
    EXPECT_EQ("Renamed", m_tabs.GetItemLabel(m_pages[1].get())) << "the label of a window's tab";
    EXPECT_EQ("The renamed tab", m_tabs.GetItem(1)->m_strTooltip);
    EXPECT_EQ("Renamed", Shown(1));
    EXPECT_TRUE(m_tabs.SetItemLabel(1, "Again"));
    EXPECT_EQ("Again", m_tabs.GetItem(1)->m_strTooltip) << "without a tooltip it follows the label";
    EXPECT_EQ("", m_tabs.GetItemLabel(&m_host)) << "a window without a tab";
    EXPECT_FALSE(m_tabs.SetItemLabel(3, "None"));
}

TEST(ThemedTabCtrlTheme, IsToldOfEveryNewTabsRecord)
{
    CRecordingTabTheme::s_told.clear();
    CString strClass = AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW), HBRUSH(COLOR_BTNFACE + 1));
    CWnd host;
    ASSERT_TRUE(host.CreateEx(0, strClass, "Tabs", WS_POPUP | WS_VISIBLE, CRect(100, 100, 400, 300), nullptr, 0));
    CKBTabCtrl tabs(RUNTIME_CLASS(CRecordingTabThemeFactory));
    ASSERT_TRUE(tabs.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200), &host, kTabCtrlId));
    CEdit first, second;
    ASSERT_TRUE(first.Create(WS_CHILD, CRect(0, 0, 10, 10), &host, 100));
    ASSERT_TRUE(second.Create(WS_CHILD, CRect(0, 0, 10, 10), &host, 101));
    ASSERT_TRUE(tabs.InsertItem(-1, "Second", &second));
    ASSERT_TRUE(tabs.InsertItem(0, "First", &first));
    ASSERT_EQ(2u, CRecordingTabTheme::s_told.size());
    EXPECT_EQ(&second, CRecordingTabTheme::s_told[0].m_pWnd);
    EXPECT_EQ(&first, CRecordingTabTheme::s_told[1].m_pWnd);
    EXPECT_EQ("First", CRecordingTabTheme::s_told[1].m_strTooltip) << "told of the record as it is made";
    host.DestroyWindow();
}

namespace
{
std::unique_ptr<CKBTabBaseTheme> StyledDefaultLook()
{
    auto pTheme = std::make_unique<CKBTabBaseTheme>(kbThemeDefault);
    pTheme->RefreshMetrics();
    return pTheme;
}
}  // namespace

// The control paints itself with top tabs only; for the other sides the look draws the tab a top tab would
// show, turned so that its outer edge faces away from the page.
TEST(ThemedTabCtrlTheme, TheStyledDefaultLookTurnsTheTopTabToEachSide)
{
    std::unique_ptr<CKBTabBaseTheme> pTheme = StyledDefaultLook();
    ASSERT_FALSE(pTheme->PaintsNatively(TCS_BOTTOM)) << "the prefix runs with visual styles on";
    const CRect rcTop(10, 10, 60, 30), rcClient(0, 0, 80, 80);
    CMemoryCanvas top(CSize(80, 80));
    top.DC()->FillSolidRect(rcTop, pTheme->m_clrPage);
    pTheme->DrawTab(top.DC(), rcTop, TRUE, kbTabTop, rcClient);
    CPixelImage upright = top.Image();
    const struct
    {
        int nPosition;
        CRect rc;
        CPoint (*at)(int nAlong, int nOut);  // where a pixel of the upright tab lands
    } sides[] = {
        {kbTabBottom, CRect(10, 10, 60, 30), [](int a, int o) { return CPoint(10 + a, 29 - o); }},
        {kbTabLeft, CRect(10, 10, 30, 60), [](int a, int o) { return CPoint(10 + o, 10 + a); }},
        {kbTabRight, CRect(10, 10, 30, 60), [](int a, int o) { return CPoint(29 - o, 10 + a); }},
    };
    for (const auto& side : sides)
    {
        CMemoryCanvas canvas(CSize(80, 80));
        pTheme->DrawTab(canvas.DC(), side.rc, TRUE, side.nPosition, rcClient);
        CPixelImage image = canvas.Image();
        int nDiffering = 0;
        for (int a = 0; a < rcTop.Width(); a++)
            for (int o = 0; o < rcTop.Height(); o++)
            {
                CPoint pt = side.at(a, o);
                nDiffering += !NearColor(upright.Pixel(rcTop.left + a, rcTop.top + o), image.Pixel(pt.x, pt.y), 4);
            }
        EXPECT_EQ(0, nDiffering) << "side " << side.nPosition;
        EXPECT_EQ(side.rc, canvas.Drawn()) << "side " << side.nPosition;
    }
}

TEST(ThemedTabCtrlTheme, TheStyledDefaultLookLaysThePaneOverTheWholeControlAndPastItsTabSide)
{
    std::unique_ptr<CKBTabBaseTheme> pTheme = StyledDefaultLook();
    const CRect rcClient(10, 10, 110, 90);
    const struct
    {
        int nPosition;
        CRect rcHeader, rcPane;
    } sides[] = {
        {kbTabBottom, CRect(10, 70, 110, 90), CRect(10, 10, 110, 91)},
        {kbTabLeft, CRect(10, 10, 30, 90), CRect(9, 10, 110, 90)},
        {kbTabRight, CRect(90, 10, 110, 90), CRect(10, 10, 111, 90)},
    };
    for (const auto& side : sides)
    {
        CMemoryCanvas canvas(CSize(120, 100));
        pTheme->DrawHeader(canvas.DC(), side.rcHeader, side.nPosition, rcClient);
        EXPECT_EQ(side.rcPane, canvas.Drawn()) << "side " << side.nPosition;
    }
}
