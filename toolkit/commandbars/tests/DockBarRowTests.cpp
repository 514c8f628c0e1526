// DockBarRowTests.cpp: bars dropped on the top dock bar share rows, start rows of their own, and wrap.
#include "FrameFixture.h"
#include "KTCommandBars.h"
#include "KTCommandBarsOptions.h"
#include "KTControlCustom.h"
#include "KTControls.h"
#include "KTCustomizeMode.h"
#include "KTDialogBar.h"
#include "KTDockBar.h"
#include "KTDrawObjects.h"
#include "KTMenuBar.h"
#include "KTPaintManager.h"
#include "KTPopupBar.h"
#include "KTThemeStyle2.h"
#include "MessagePump.h"
#include "ModalDrag.h"
#include "PixelImage.h"
#include "TestFrame.h"

#include <afxres.h>
#include <gtest/gtest.h>

#include <functional>

// A tool bar that counts its whole redraws and tells whether a layout waits for the idle update.
class CRedrawCountingToolBar : public CKTToolBar
{
    DECLARE_DYNCREATE(CRedrawCountingToolBar)
public:
    void Redraw(LPCRECT lpRect, BOOL bAnimate) override
    {
        m_nWholeRedraws += lpRect == NULL;
        CKTToolBar::Redraw(lpRect, bAnimate);
    }
    BOOL IsLayoutPending() const { return (m_dwPendingUpdate & ktPendingLayout) != 0; }

    int m_nWholeRedraws = 0;
};
IMPLEMENT_DYNCREATE(CRedrawCountingToolBar, CKTToolBar)

namespace
{
class DockBarRowTest : public CFrameFixture
{
protected:
    DockBarRowTest() : CFrameFixture(0, TRUE) {}
    void SetUp() override
    {
        CFrameFixture::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        m_pTop = m_pCommandBars->GetDockBar(ktBarTop);
        m_pSecond = m_pCommandBars->Add("Second", ktBarTop);
        ASSERT_TRUE(m_pSecond != NULL);
        for (int nId : {ID_FILE_NEW, ID_FILE_OPEN, ID_EDIT_CUT})
            m_pSecond->GetControls()->Add(ktControlButton, nId)->SetCaption("Wide caption");
        Relayout();
    }
    void Relayout()
    {
        m_pCommandBars->RecalcFrameLayout();
        PumpMessages();
    }
    CRect Rect(CWnd* pWnd) const { return CKTWindowRect(pWnd); }
    // Docks Second at a screen rectangle of its own size whose top-left is given.
    void DockSecondAt(CPoint ptTopLeft)
    {
        m_pCommandBars->DockCommandBar(m_pSecond, CRect(ptTopLeft, Rect(m_pSecond).Size()), m_pTop);
        Relayout();
    }

    CKTDockBar* m_pTop = NULL;
    CKTToolBar* m_pSecond = NULL;
};

const COLORREF kUnpainted = RGB(255, 0, 255);

// What the drawing leaves on a picture of the window's client size that starts out unpainted.
CPixelImage Drawn(CWnd* pWnd, const std::function<void(CDC*)>& draw)
{
    const CRect rc = CKTClientRect(pWnd);
    CKTDibSection dib(rc.Size());
    CKTCompatibleDC dc(NULL, dib.GetHandle());
    dc.FillSolidRect(rc, kUnpainted);
    draw(&dc);
    ::GdiFlush();
    return CPixelImage::FromDC(dc.GetSafeHdc(), rc);
}

// The controls a bar hides because its row is too short for them.
int CountHiddenForRoom(CKTCommandBar* pBar)
{
    int nHidden = 0;
    for (int i = 0; i < pBar->GetControlCount(); i++)
        nHidden += pBar->GetControl(i)->GetHideFlags() == ktHideWrap;
    return nHidden;
}

bool ShowsExpandButton(CKTCommandBar* pBar)
{
    CKTControl* pExpand = pBar->GetControls()->FindControl(KT_ID_TOOLBAR_EXPAND);
    return pExpand && pExpand->IsVisible();
}

CPixelImage Printed(CWnd* pWnd, LPARAM lFlags)
{
    return Drawn(pWnd, [&](CDC* pDC) { pWnd->SendMessage(WM_PRINTCLIENT, (WPARAM)pDC->GetSafeHdc(), lFlags); });
}
}  // namespace

TEST_F(DockBarRowTest, ABarDroppedBesideAnotherSharesItsRowAndLeavingRemovesItsOwnRow)
{
    CKTToolBar* pStandard = m_pFrame->m_pStandard;
    CKTMenuBar* pMenuBar = m_pCommandBars->GetMenuBar();
    ASSERT_EQ(Rect(pStandard).bottom, Rect(m_pSecond).top) << "an added bar starts a last row";
    const int nThreeRows = Rect(m_pTop).Height();

    DockSecondAt(CPoint(Rect(pStandard).right + 30, Rect(pStandard).top));
    EXPECT_EQ(Rect(pStandard).top, Rect(m_pSecond).top) << "one row";
    EXPECT_GE(Rect(m_pSecond).left, Rect(pStandard).right);
    EXPECT_EQ(Rect(pStandard).left, Rect(m_pTop).left + 0) << "Standard keeps its place";
    EXPECT_LT(Rect(m_pTop).Height(), nThreeRows) << "the emptied row went";
    EXPECT_EQ(Rect(m_pTop).Width(), Rect(pMenuBar).Width()) << "the stretched menu bar spans its row";

    // Dropped at Standard's own place, the later bar is pushed along behind it.
    DockSecondAt(Rect(pStandard).TopLeft());
    EXPECT_EQ(Rect(pStandard).top, Rect(m_pSecond).top);
    EXPECT_TRUE(Rect(m_pSecond).left == Rect(pStandard).right || Rect(pStandard).left == Rect(m_pSecond).right)
        << "side by side, not over each other";
}

TEST_F(DockBarRowTest, TheStretchedMenuBarSitsAloneAndARowEdgeMakesANewRow)
{
    CKTToolBar* pStandard = m_pFrame->m_pStandard;
    CKTMenuBar* pMenuBar = m_pCommandBars->GetMenuBar();
    DockSecondAt(CPoint(Rect(pMenuBar).left + 200, Rect(pMenuBar).top));
    const CRect rcMenu = Rect(pMenuBar), rcSecond = Rect(m_pSecond);
    EXPECT_FALSE(rcSecond.top < rcMenu.bottom && rcMenu.top < rcSecond.bottom) << "not on the menu bar's row";
    EXPECT_EQ(Rect(m_pTop).Width(), rcMenu.Width());

    // A centre exactly on the edge between the menu bar's and Standard's rows.
    const CRect rcStandard = Rect(pStandard);
    CRect rc(CPoint(rcStandard.left + 100, 0), Rect(m_pSecond).Size());
    rc.OffsetRect(0, rcStandard.top - rc.CenterPoint().y);
    m_pCommandBars->DockCommandBar(m_pSecond, rc, m_pTop);
    Relayout();
    EXPECT_NE(Rect(pStandard).top, Rect(m_pSecond).top) << "a row of its own";
}

TEST_F(DockBarRowTest, AnEmptyBarSpansItsRowAlongEitherDockButNotWhenFloating)
{
    CKTToolBar* pEmpty = m_pCommandBars->Add("Empty", ktBarTop);
    ASSERT_TRUE(pEmpty != NULL);
    Relayout();
    EXPECT_EQ(Rect(m_pTop).Width(), Rect(pEmpty).Width());
    CKTDockBar* pLeft = m_pCommandBars->GetDockBar(ktBarLeft);
    m_pCommandBars->DockCommandBar(pEmpty, ktBarLeft);
    Relayout();
    EXPECT_EQ(Rect(pLeft).Height(), Rect(pEmpty).Height());
    m_pCommandBars->FloatCommandBar(pEmpty);
    Relayout();
    EXPECT_LT(CKTClientRect(pEmpty).Width(), 60);
}

// An empty bar takes only the room its row's other bars leave, and however short it is measured it keeps its
// block, so its gripper stays to be grabbed.
TEST_F(DockBarRowTest, AnEmptyBarInASharedRowTakesTheRoomLeftAndNeverShrinksBelowItsBlock)
{
    CKTToolBar* pStandard = m_pFrame->m_pStandard;
    CKTToolBar* pEmpty = m_pCommandBars->Add("Empty", ktBarTop);
    ASSERT_TRUE(pEmpty != NULL);
    Relayout();
    const CRect rcStandard = Rect(pStandard);
    const CRect rcDrop(CPoint(rcStandard.left + rcStandard.Width() / 2, rcStandard.top), CSize(30, 30));
    m_pCommandBars->DockCommandBar(pEmpty, rcDrop, m_pTop);
    Relayout();
    ASSERT_EQ(rcStandard.top, Rect(pEmpty).top) << "one row";
    EXPECT_EQ(rcStandard, Rect(pStandard)) << "Standard keeps its room";
    EXPECT_EQ(rcStandard.right, Rect(pEmpty).left);
    EXPECT_EQ(Rect(m_pTop).right, Rect(pEmpty).right) << "the empty bar spans the rest";

    const CRect rcBorders = pEmpty->GetPaintManager()->GetCommandBarBorders(pEmpty);
    const DWORD kModes[] = {LM_HORZ | LM_HORZDOCK, LM_VERTDOCK, LM_HORZ | LM_HORZDOCK | LM_STRETCH};
    for (DWORD dwMode : kModes)
    {
        const CSize sz = pEmpty->CalcDockingLayout(1, dwMode);
        const BOOL bVert = (dwMode & LM_VERTDOCK) != 0;
        EXPECT_GE(bVert ? sz.cy : sz.cx, 22 + (bVert ? rcBorders.Height() : rcBorders.Width())) << dwMode;
    }
}

// Only a bar that shows nothing fills the room its row leaves: a window on a dialog bar is something to show
// even with its caption hidden, and two empty bars in one row share the room rather than overlap.
TEST_F(DockBarRowTest, OnlyEmptyBarsFillTheirRowAndTwoOfThemNeverOverlap)
{
    const CRect rcStandard = Rect(m_pFrame->m_pStandard);
    auto* pDialog = dynamic_cast<CKTDialogBar*>(m_pCommandBars->Add("Find", ktBarTop, RUNTIME_CLASS(CKTDialogBar)));
    ASSERT_TRUE(pDialog != NULL);
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 10, 10), pDialog, 100));
    pDialog->SetChild(&edit);
    pDialog->SetDockedSize(CSize(120, 24));
    pDialog->SetShowCaption(FALSE);
    const CPoint ptDrop(rcStandard.right + 60, rcStandard.top);
    m_pCommandBars->DockCommandBar(pDialog, CRect(ptDrop, CSize(130, 30)), m_pTop);
    Relayout();
    ASSERT_EQ(rcStandard.top, Rect(pDialog).top) << "one row";
    EXPECT_EQ(ptDrop.x, Rect(pDialog).left) << "the dialog bar stays where it was dropped";
    pDialog->SetChild(NULL);
    edit.DestroyWindow();
    m_pCommandBars->Remove(pDialog);

    CKTToolBar* pFirst = m_pCommandBars->Add("First empty", ktBarTop);
    CKTToolBar* pSecond = m_pCommandBars->Add("Second empty", ktBarTop);
    ASSERT_TRUE(pFirst && pSecond);
    m_pCommandBars->DockCommandBar(pFirst, CRect(CPoint(rcStandard.right + 10, rcStandard.top), CSize(30, 30)), m_pTop);
    Relayout();
    m_pCommandBars->DockCommandBar(pSecond, CRect(CPoint(rcStandard.right + 200, rcStandard.top), CSize(30, 30)),
                                   m_pTop);
    Relayout();
    ASSERT_EQ(rcStandard.top, Rect(pFirst).top);
    ASSERT_EQ(rcStandard.top, Rect(pSecond).top);
    EXPECT_EQ(Rect(pFirst).right, Rect(pSecond).left) << "the first ends where the second begins";
    EXPECT_EQ(Rect(m_pTop).right, Rect(pSecond).right);
}

TEST_F(DockBarRowTest, ARowTooShortForBarsThatCannotShrinkWrapsItsLastBarOntoAFurtherLine)
{
    CKTToolBar* pStandard = m_pFrame->m_pStandard;
    pStandard->SetFlags(0, ktBarFlagWrap);
    m_pSecond->SetFlags(0, ktBarFlagWrap);
    DockSecondAt(CPoint(Rect(pStandard).right + 30, Rect(pStandard).top));
    ASSERT_EQ(Rect(pStandard).top, Rect(m_pSecond).top);
    const int nNeeded = Rect(m_pSecond).right - Rect(m_pTop).left;
    m_pFrame->SetWindowPos(NULL, 0, 0, nNeeded - 40, 400, SWP_NOMOVE | SWP_NOZORDER);
    Relayout();
    EXPECT_EQ(Rect(pStandard).bottom, Rect(m_pSecond).top) << "the last bar went to the next line";
    EXPECT_LE(Rect(m_pSecond).right, Rect(m_pTop).right) << "on its own line it keeps its dropped place if it can";
}

TEST_F(DockBarRowTest, BarsSharingARowAreAllAsThickAsItsThickestBar)
{
    CKTToolBar* pStandard = m_pFrame->m_pStandard;
    const int nThin = Rect(pStandard).Height();
    CWnd field;
    ASSERT_TRUE(field.CreateEx(0, "STATIC", "", WS_POPUP, CRect(0, 0, 10, 10), m_pFrame, 0));
    auto* pTall = static_cast<CKTControlCustom*>(m_pSecond->GetControls()->Add(ktControlCustom, 1001));
    pTall->SetControl(field.GetSafeHwnd());
    pTall->SetSize(CSize(40, nThin + 12));
    DockSecondAt(CPoint(Rect(pStandard).right + 30, Rect(pStandard).top));
    ASSERT_EQ(Rect(pStandard).top, Rect(m_pSecond).top) << "one row";
    ASSERT_GT(Rect(m_pSecond).Height(), nThin);
    EXPECT_EQ(Rect(m_pSecond).Height(), Rect(pStandard).Height());
    m_pSecond->GetControls()->Remove(pTall);
}

TEST_F(DockBarRowTest, DraggingABarOntoAnotherRowJoinsIt)
{
    CKTToolBar* pStandard = m_pFrame->m_pStandard;
    const CRect rcSecond = Rect(m_pSecond);
    const CPoint ptFrom(rcSecond.left + 4, rcSecond.CenterPoint().y);
    const CPoint ptTo(Rect(pStandard).right + 60, Rect(pStandard).CenterPoint().y);
    ASSERT_TRUE(DragAtOnce(m_pSecond->GetSafeHwnd(), ptFrom, ptTo));
    Relayout();
    EXPECT_EQ(ktBarTop, m_pSecond->GetPosition());
    EXPECT_EQ(Rect(pStandard).top, Rect(m_pSecond).top) << "joined Standard's row";
    EXPECT_GT(Rect(m_pSecond).left, Rect(pStandard).right);
}

TEST_F(DockBarRowTest, TheExpandButtonListsTheClippedControlsAndTheBarsOfTheWholeRow)
{
    CKTToolBar* pStandard = m_pFrame->m_pStandard;
    DockSecondAt(CPoint(Rect(pStandard).right + 30, Rect(pStandard).top));
    m_pFrame->SetWindowPos(NULL, 0, 0, Rect(pStandard).Width() + 80, 400, SWP_NOMOVE | SWP_NOZORDER);
    Relayout();
    ASSERT_EQ(Rect(pStandard).top, Rect(m_pSecond).top) << "bars that may hide buttons shrink instead of wrapping";
    int nClipped = 0;
    for (CKTToolBar* pBar : {pStandard, m_pSecond})
        for (int i = 0; i < pBar->GetControlCount(); i++)
            nClipped += pBar->GetControl(i)->GetHideFlags() == ktHideWrap;
    ASSERT_GT(nClipped, 0);

    CKTSmartPtr<CKTPopupBar> pPopup = CKTPopupBar::CreatePopupBar(m_pCommandBars);
    m_pCommandBars->AddClippedControls(pStandard, pPopup);
    EXPECT_EQ(nClipped, pPopup->GetControlCount());
    pPopup->GetControls()->RemoveAll();
    m_pCommandBars->AddToolbarListControls(pStandard, pPopup);
    ASSERT_EQ(2, pPopup->GetControlCount());
    EXPECT_EQ(CString("Standard"), pPopup->GetControl(0)->GetCaption());
    EXPECT_EQ(CString("Second"), pPopup->GetControl(1)->GetCaption());
}

TEST_F(DockBarRowTest, PrintingTheDockBarDrawsItsFaceAndWithItsChildrenEachBarInItsPlace)
{
    const CPixelImage face =
        Drawn(m_pTop, [this](CDC* pDC) { m_pCommandBars->GetPaintManager()->FillDockBar(pDC, m_pTop); });
    const CPixelImage printed = Printed(m_pTop, PRF_CLIENT);
    EXPECT_EQ(0, printed.CountNear(kUnpainted, 0)) << "the whole face is printed";
    EXPECT_EQ(0, printed.CountDiffering(face));

    const CPixelImage bar = Printed(m_pSecond, PRF_CLIENT);
    const CPixelImage withBars = Printed(m_pTop, PRF_CLIENT | PRF_CHILDREN);
    CRect rcBar = Rect(m_pSecond);
    m_pTop->ScreenToClient(&rcBar);
    int nDiffering = 0, nOverFace = 0;
    for (int y = 0; y < bar.Height(); y++)
        for (int x = 0; x < bar.Width(); x++)
        {
            const COLORREF clr = withBars.Pixel(rcBar.left + x, rcBar.top + y);
            nDiffering += clr != bar.Pixel(x, y);
            nOverFace += clr != face.Pixel(rcBar.left + x, rcBar.top + y);
        }
    EXPECT_EQ(0, nDiffering) << "the bar prints at its place in the dock bar";
    EXPECT_GT(nOverFace, 0) << "over the face";
}

// The options button that toolbars show whatever room they have: the menu bar shows it too.
TEST_F(DockBarRowTest, TheMenuBarShowsTheOptionsButtonAsToolbarsDo)
{
    ASSERT_TRUE(m_pCommandBars->GetCommandBarsOptions()->bShowExpandButtonAlways);
    CKTMenuBar* pMenuBar = m_pCommandBars->GetMenuBar();
    ASSERT_EQ(0, CountHiddenForRoom(pMenuBar));
    ASSERT_EQ(0, CountHiddenForRoom(m_pFrame->m_pStandard));
    EXPECT_TRUE(ShowsExpandButton(m_pFrame->m_pStandard));
    ASSERT_TRUE(ShowsExpandButton(pMenuBar));
    CKTControl* pExpand = pMenuBar->GetControls()->FindControl(KT_ID_TOOLBAR_EXPAND);
    const CRect rcExpand = pExpand->GetRect();
    EXPECT_GE(rcExpand.left, pMenuBar->GetControl(pMenuBar->GetControlCount() - 2)->GetRect().right)
        << "after the entries";
    EXPECT_LE(rcExpand.right, CKTClientRect(pMenuBar).right);

    m_pCommandBars->GetCommandBarsOptions()->bShowExpandButtonAlways = FALSE;
    Relayout();
    EXPECT_FALSE(ShowsExpandButton(pMenuBar)) << "its entries fit";
    m_pCommandBars->GetCommandBarsOptions()->bShowExpandButtonAlways = TRUE;
}

// The theme places the options button at the end of the row: theme 2 gives it a strip of the bar's whole height, or,
// on a bar docked at the side, of its whole width at the bottom.
TEST_F(DockBarRowTest, TheOptionsButtonStandsWhereTheThemePutsIt)
{
    ASSERT_TRUE(m_pCommandBars->GetCommandBarsOptions()->bShowExpandButtonAlways);
    CKTToolBar* pStandard = m_pFrame->m_pStandard;
    auto expandRect = [pStandard] { return pStandard->GetControls()->FindControl(KT_ID_TOOLBAR_EXPAND)->GetRect(); };
    CKTSmartPtr<CKTThemeStyle2> pTheme = KTMakeCounted<CKTThemeStyle2>();
    pTheme->RefreshMetrics();
    pStandard->SetPaintManager(pTheme);
    Relayout();
    CSize sz = CKTClientRect(pStandard).Size();
    EXPECT_EQ(CRect(sz.cx - 12, 0, sz.cx, sz.cy), expandRect());

    CKTDockBar* pLeft = m_pCommandBars->GetDockBar(ktBarLeft);
    m_pCommandBars->DockCommandBar(pStandard, CRect(CKTWindowRect(pLeft).TopLeft(), CSize(30, 200)), pLeft);
    Relayout();
    ASSERT_EQ(ktBarLeft, pStandard->GetPosition());
    sz = CKTClientRect(pStandard).Size();
    EXPECT_EQ(CRect(0, sz.cy - 12, sz.cx, sz.cy), expandRect());
    pStandard->SetPaintManager(NULL);
}

// A measured row knows nothing of what its last commit clipped: grown in one step, the bars of a row that was
// too short stand side by side at once.
TEST_F(DockBarRowTest, BarsOfAClippedRowThatGrowsInOneStepStandSideBySide)
{
    m_pCommandBars->GetCommandBarsOptions()->bShowExpandButtonAlways = FALSE;
    CKTToolBar* pStandard = m_pFrame->m_pStandard;
    DockSecondAt(Rect(pStandard).TopLeft());
    ASSERT_EQ(Rect(pStandard).top, Rect(m_pSecond).top);
    CKTToolBar* pFirst = Rect(pStandard).left < Rect(m_pSecond).left ? pStandard : m_pSecond;
    CKTToolBar* pNext = pFirst == pStandard ? m_pSecond : pStandard;
    ASSERT_EQ(Rect(pFirst).right, Rect(pNext).left);
    const CRect rcFrame = Rect(m_pFrame);

    m_pFrame->SetWindowPos(NULL, 0, 0, 160, rcFrame.Height(), SWP_NOMOVE | SWP_NOZORDER);
    Relayout();
    ASSERT_GT(CountHiddenForRoom(pFirst), 0) << "the first bar is clipped";
    ASSERT_TRUE(ShowsExpandButton(pFirst));

    m_pFrame->SetWindowPos(NULL, 0, 0, rcFrame.Width() + 400, rcFrame.Height(), SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(0, CountHiddenForRoom(pFirst));
    EXPECT_FALSE(ShowsExpandButton(pFirst));
    EXPECT_EQ(Rect(pFirst).right, Rect(pNext).left) << "no gap left for an options button that went";
    m_pCommandBars->GetCommandBarsOptions()->bShowExpandButtonAlways = TRUE;
}

// Measuring a bar leaves its options button as the last commit placed it.
TEST_F(DockBarRowTest, MeasuringAClippedBarLeavesItsOptionsButtonAlone)
{
    m_pCommandBars->GetCommandBarsOptions()->bShowExpandButtonAlways = FALSE;
    CKTToolBar* pStandard = m_pFrame->m_pStandard;
    const CRect rcFrame = Rect(m_pFrame);
    m_pFrame->SetWindowPos(NULL, 0, 0, 100, rcFrame.Height(), SWP_NOMOVE | SWP_NOZORDER);
    Relayout();
    ASSERT_TRUE(ShowsExpandButton(pStandard));
    CKTControl* pExpand = pStandard->GetControls()->FindControl(KT_ID_TOOLBAR_EXPAND);
    const CRect rcExpand = pExpand->GetRect();

    const CSize szWide = pStandard->CalcDockingLayout(2000, LM_HORZ | LM_HORZDOCK | KT_LM_HIDEWRAP);
    EXPECT_TRUE(pExpand->IsVisible()) << "the commit's button stays";
    EXPECT_EQ(rcExpand, pExpand->GetRect());
    EXPECT_EQ(szWide, pStandard->CalcDockingLayout(2000, LM_HORZ | LM_HORZDOCK | KT_LM_HIDEWRAP | LM_COMMIT))
        << "what was measured is what the commit takes";
    EXPECT_FALSE(pExpand->IsVisible());
    m_pCommandBars->GetCommandBarsOptions()->bShowExpandButtonAlways = TRUE;
}

// A measured row keeps room for its first control and the options button, so that the shortest row it is
// given holds both once committed; a bar with a single control needs no such room.
TEST_F(DockBarRowTest, TheShortestMeasuredRowHoldsTheFirstControlAndTheOptionsButton)
{
    m_pCommandBars->GetCommandBarsOptions()->bShowExpandButtonAlways = FALSE;
    const DWORD dwMode = LM_HORZ | LM_HORZDOCK | KT_LM_HIDEWRAP;
    const CSize szMeasured = m_pSecond->CalcDockingLayout(1, dwMode);
    const CSize szCommitted = m_pSecond->CalcDockingLayout(1, dwMode | LM_COMMIT);
    ASSERT_TRUE(ShowsExpandButton(m_pSecond));
    EXPECT_EQ(szCommitted, szMeasured);

    while (m_pSecond->GetControlCount() > 1)
        m_pSecond->GetControls()->Remove(m_pSecond->GetControl(m_pSecond->GetControlCount() - 1));
    const CSize szAlone = m_pSecond->CalcDockingLayout(1, dwMode | LM_COMMIT);
    EXPECT_FALSE(ShowsExpandButton(m_pSecond));
    EXPECT_EQ(szAlone, m_pSecond->CalcDockingLayout(1, dwMode));
    m_pCommandBars->GetCommandBarsOptions()->bShowExpandButtonAlways = TRUE;
}

// A too narrow frame: Standard, which may hide what does not fit, hides it behind its options button; the menu bar
// may not, and wraps its entries; while the bars are customised every control stays in reach, wrapped.
TEST_F(DockBarRowTest, ANarrowRowHidesOnlyForBarsThatMayHideAndOutsideCustomising)
{
    CKTToolBar* pStandard = m_pFrame->m_pStandard;
    CKTMenuBar* pMenuBar = m_pCommandBars->GetMenuBar();
    for (LPCSTR lpszEntry : {"&View", "&Window"})
        pMenuBar->GetControls()->Add(ktControlPopup, 0)->SetCaption(lpszEntry);
    Relayout();
    const int nMenuRow = Rect(pMenuBar).Height(), nStandardRow = Rect(pStandard).Height();
    m_pFrame->SetWindowPos(NULL, 0, 0, 120, 400, SWP_NOMOVE | SWP_NOZORDER);
    Relayout();
    EXPECT_GT(CountHiddenForRoom(pStandard), 0);
    EXPECT_EQ(nStandardRow, Rect(pStandard).Height());
    EXPECT_EQ(0, CountHiddenForRoom(pMenuBar));
    EXPECT_GT(Rect(pMenuBar).Height(), nMenuRow) << "the entries wrap onto further rows";
    EXPECT_TRUE(ShowsExpandButton(pMenuBar)) << "the options button shows always, nothing hides behind it";

    m_pCommandBars->GetCustomize()->SetOn(TRUE);
    Relayout();
    EXPECT_EQ(0, CountHiddenForRoom(pStandard));
    EXPECT_GT(Rect(pStandard).Height(), nStandardRow);
    m_pCommandBars->GetCustomize()->SetOn(FALSE);
    Relayout();
    EXPECT_GT(CountHiddenForRoom(pStandard), 0);
}

// A layout the bar commits is the one its pending layout asked for: the bit clears with one redraw, so the idle
// update does not lay the frame out again; a layout that only measures leaves it. Docked and floating alike.
TEST_F(DockBarRowTest, ACommittedLayoutTakesThePendingOneWithOneRedrawAndAMeasureLeavesIt)
{
    auto* pBar = static_cast<CRedrawCountingToolBar*>(
        m_pCommandBars->Add("Counting", ktBarTop, RUNTIME_CLASS(CRedrawCountingToolBar)));
    ASSERT_TRUE(pBar != NULL);
    pBar->GetControls()->Add(ktControlButton, ID_FILE_NEW)->SetCaption("New");
    Relayout();
    for (const DWORD dwMode : {(DWORD)(LM_HORZ | LM_HORZDOCK), (DWORD)(LM_HORZ | LM_MRUWIDTH)})
    {
        SCOPED_TRACE(dwMode & LM_HORZDOCK ? "docked" : "floating");
        if (!(dwMode & LM_HORZDOCK))
        {
            ASSERT_TRUE(pBar->SetPosition(ktBarFloating));
            PumpMessages();
        }
        const int nLength = (dwMode & LM_HORZDOCK) ? Rect(m_pFrame).Width() : -1;
        pBar->DelayLayout();
        pBar->m_nWholeRedraws = 0;
        pBar->CalcDynamicLayout(nLength, dwMode);
        EXPECT_TRUE(pBar->IsLayoutPending());
        EXPECT_EQ(0, pBar->m_nWholeRedraws);
        pBar->CalcDynamicLayout(nLength, dwMode | LM_COMMIT);
        EXPECT_FALSE(pBar->IsLayoutPending());
        EXPECT_EQ(1, pBar->m_nWholeRedraws);
        pBar->CalcDynamicLayout(nLength, dwMode | LM_COMMIT);
        EXPECT_EQ(1, pBar->m_nWholeRedraws) << "nothing pending, nothing more to redraw";
    }
}

TEST_F(DockBarRowTest, AMeasuringPassOfTheFrameCountsTheDockBarsRows)
{
    // A frame that snaps to its bars asks for this total: without the rows it would shrink over them.
    CKTDockBar* pBottom = m_pCommandBars->GetDockBar(ktBarBottom);
    const int nRows = Rect(m_pTop).Height() + (pBottom->IsWindowVisible() ? Rect(pBottom).Height() : 0);
    ASSERT_GT(Rect(m_pTop).Height(), 0);
    CRect rcMeasured;
    m_pFrame->RepositionBars(0, 0xffff, AFX_IDW_PANE_FIRST, reposQuery, &rcMeasured, NULL, FALSE);
    EXPECT_EQ(nRows, rcMeasured.Height());
}
