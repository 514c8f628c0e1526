// DialogBarTests.cpp: a dialog bar hosting an edit box: its caption strip, edges and sizes, with real input.
#include "DistinctColours.h"
#include "FrameFixture.h"
#include "KTCommandBars.h"
#include "KTControls.h"
#include "KTDialogBar.h"
#include "KTDialogBarCaption.h"
#include "KTDrawObjects.h"
#include "KTPopupBar.h"
#include "KTThemeStyle0.h"
#include "KTThemeStyle1.h"
#include "KTThemeStyle2.h"
#include "KTThemeVisualStyles.h"
#include "LoopInput.h"
#include "MessagePump.h"
#include "ModalDrag.h"
#include "NearColor.h"
#include "PixelImage.h"
#include "TestInput.h"
#include "TestSurface.h"

#include <afxres.h>

#include <gtest/gtest.h>

namespace
{
class DialogBarTest : public CFrameFixture
{
protected:
    void SetUp() override
    {
        CFrameFixture::SetUp();
        m_pBar = dynamic_cast<CKTDialogBar*>(m_pCommandBars->Add("Find", ktBarLeft, RUNTIME_CLASS(CKTDialogBar)));
        ASSERT_TRUE(m_pBar != NULL);
        ASSERT_TRUE(m_edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 10, 10), m_pBar, 100));
        m_pBar->SetChild(&m_edit);
        m_pBar->SetDockedSize(CSize(120, 150));
        Relayout();
    }
    void TearDown() override
    {
        m_edit.DestroyWindow();
        CFrameFixture::TearDown();
    }

    void Relayout()
    {
        m_pCommandBars->RecalcFrameLayout();
        m_pBar->OnRecalcLayout();
        PumpMessages();
    }
    CKTControl* Control(UINT nId) const { return m_pBar->GetControls()->FindControl(nId); }
    int GripperWidth() const { return m_pBar->GetPaintManager()->DrawAltGripper(NULL, m_pBar, FALSE).cx; }
    LRESULT HitTest(CPoint ptScreen) const
    {
        return m_pBar->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(ptScreen.x, ptScreen.y));
    }

    CKTDialogBar* m_pBar = NULL;
    CEdit m_edit;
};
}  // namespace

TEST_F(DialogBarTest, TheChildFillsTheRoomBelowTheCaptionAndTheCloseButtonEndsIt)
{
    const int nCaption = m_pBar->GetCaptionHeight();
    ASSERT_GT(nCaption, 3);
    CRect rcEdit = CKTWindowRect(&m_edit);
    m_pBar->ScreenToClient(rcEdit);
    EXPECT_EQ(CRect(CPoint(3, 3 + nCaption), CSize(120, 150)), rcEdit);

    CKTControl* pClose = Control(KT_ID_TOOLBAR_CLOSE);
    ASSERT_TRUE(pClose && pClose->IsVisible());
    EXPECT_EQ(CSize(16, 16), pClose->GetRect().Size());
    EXPECT_EQ(CKTClientRect(m_pBar).right - 3, pClose->GetRect().right);
    auto* pCaption = dynamic_cast<CKTDialogBarCaptionControl*>(Control(KT_ID_DIALOGBAR_CAPTION));
    ASSERT_TRUE(pCaption != NULL);
    EXPECT_EQ(CString("Find"), pCaption->GetCaption()) << "the bar's title when it has no caption";
    EXPECT_FALSE(pCaption->IsCaptionEnabled()) << "an empty caption popup offers nothing";
    EXPECT_EQ(3 + GripperWidth(), pCaption->GetRect().left) << "after the gripper";
    EXPECT_EQ(pClose->GetRect().left, pCaption->GetRect().right);
    CRect rcCaption = CKTWindowRect(m_pBar);
    EXPECT_EQ(1, m_pBar->IsPointInside(rcCaption.left + 5, rcCaption.top + 5));
    EXPECT_EQ(-2, m_pBar->IsPointInside(rcCaption.left + 5, rcCaption.top + nCaption + 10));

    CTestInput input(m_pBar->GetSafeHwnd());
    ASSERT_TRUE(input.Click(pCaption->GetRect().CenterPoint()));
    EXPECT_EQ(-1, m_pBar->GetPopuped()) << "nothing opens";
    m_pBar->GetCaptionPopup()->GetControls()->Add(ktControlButton, ID_FILE_NEW)->SetCaption("&New");
    Relayout();
    ASSERT_TRUE(pCaption->IsCaptionEnabled());
    ASSERT_TRUE(input.Click(pCaption->GetRect().CenterPoint()));
    ASSERT_TRUE(PumpUntil([this] { return m_pBar->GetCaptionPopup()->IsVisible(); }, kColdWineDeadlineMs));
    CPoint ptBelow(pCaption->GetRect().left, pCaption->GetRect().bottom);
    m_pBar->ClientToScreen(&ptBelow);
    CRect rcPopup = CKTWindowRect(m_pBar->GetCaptionPopup());
    EXPECT_EQ(ptBelow.x, rcPopup.left) << "under the caption's left end";
    EXPECT_NEAR(ptBelow.y, rcPopup.top, 2) << "the theme may widen what the popup keeps clear";
    ASSERT_TRUE(input.Key(VK_ESCAPE));
    ASSERT_TRUE(PumpUntil([this] { return !m_pBar->GetCaptionPopup()->IsVisible(); }, kColdWineDeadlineMs));
    ASSERT_TRUE(input.Click(pClose->GetRect().CenterPoint()));
    EXPECT_TRUE(PumpUntil([this] { return !m_pBar->IsVisible(); }, kColdWineDeadlineMs));
    EXPECT_TRUE(::IsWindow(m_edit.GetSafeHwnd())) << "the child is the host's";

    m_pBar->SetVisible(TRUE);
    m_pBar->SetCloseable(FALSE);
    Relayout();
    EXPECT_FALSE(Control(KT_ID_TOOLBAR_CLOSE)->IsVisible()) << "not closeable: no close button";
}

TEST_F(DialogBarTest, AFloatingBarSizesFromItsCornersButNeverBelowItsMinimum)
{
    ASSERT_TRUE(m_pCommandBars->FloatCommandBar(m_pBar));
    PumpMessages();
    CRect rc = CKTWindowRect(m_pBar);
    EXPECT_EQ(CSize(206, 206 + m_pBar->GetCaptionHeight()), rc.Size()) << "the floating size with margins and caption";
    EXPECT_EQ(HTTOPLEFT, HitTest(rc.TopLeft() + CSize(1, 1)));
    EXPECT_EQ(HTBOTTOMRIGHT, HitTest(rc.BottomRight() - CSize(1, 1)));
    EXPECT_EQ(HTLEFT, HitTest(CPoint(rc.left + 1, rc.CenterPoint().y)));
    EXPECT_EQ(HTBOTTOM, HitTest(CPoint(rc.CenterPoint().x, rc.bottom - 1)));

    CPoint ptCorner = rc.BottomRight() - CSize(1, 1);
    ASSERT_TRUE(DragAtOnce(m_pBar->GetSafeHwnd(), ptCorner, ptCorner + CSize(30, 20)));
    EXPECT_EQ(CSize(230, 220), m_pBar->GetFloatingSize());
    EXPECT_EQ(rc.Size() + CSize(30, 20), CKTWindowRect(m_pBar).Size());
    EXPECT_EQ(rc.TopLeft(), CKTWindowRect(m_pBar).TopLeft()) << "the opposite corner stays";

    // From the left edge, far from the corner pressed last, so the press is no double click.
    rc = CKTWindowRect(m_pBar);
    CPoint ptLeft(rc.left + 1, rc.CenterPoint().y);
    ASSERT_TRUE(DragAtOnce(m_pBar->GetSafeHwnd(), ptLeft, CPoint(rc.right - 40, ptLeft.y)));
    EXPECT_EQ(rc, CKTWindowRect(m_pBar)) << "narrower than 50 is refused";
    ASSERT_TRUE(
        DragAtOnce(m_pBar->GetSafeHwnd(), CPoint(rc.right - 1, rc.top + 60), CPoint(rc.right - 60, rc.top + 60)));
    EXPECT_EQ(rc.Width() - 59, CKTWindowRect(m_pBar).Width()) << "while a smaller step is taken";
}

// Under the visual styles a floating dialog bar keeps the classic body, a raised face within a dark edge, rather
// than the tool bar's styled face in a small window frame.
TEST_F(DialogBarTest, UnderTheVisualStylesAFloatingBarKeepsTheClassicBody)
{
    CKTSmartPtr<CKTThemeVisualStyles> pTheme = MakeThemeWithDistinctColours<CKTThemeVisualStyles>();
    ASSERT_TRUE(pTheme->IsThemed()) << "this system runs with visual styles on";
    m_pBar->SetPaintManager(pTheme);
    ASSERT_TRUE(m_pCommandBars->FloatCommandBar(m_pBar));
    PumpMessages();
    m_pBar->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    CPixelImage shown = CPixelImage::FromWindow(m_pBar->GetSafeHwnd());
    const CSize sz = CKTClientRect(m_pBar).Size();
    ASSERT_EQ(sz, CSize(shown.Width(), shown.Height()));
    EXPECT_EQ(Distinct(COLOR_BTNFACE), shown.Pixel(0, sz.cy / 2)) << "the outer edge, light side";
    EXPECT_EQ(Distinct(COLOR_3DDKSHADOW), shown.Pixel(sz.cx - 1, sz.cy / 2)) << "the outer edge, dark side";
    EXPECT_EQ(Distinct(COLOR_3DDKSHADOW), shown.Pixel(sz.cx / 2, sz.cy - 1));
    EXPECT_EQ(Distinct(COLOR_BTNHIGHLIGHT), shown.Pixel(1, sz.cy / 2)) << "raised within it";
    EXPECT_EQ(Distinct(COLOR_BTNSHADOW), shown.Pixel(sz.cx - 2, sz.cy / 2));
    m_pBar->SetPaintManager(NULL);
}

TEST_F(DialogBarTest, EscapeDuringACornerDragLeavesTheBarAtTheSizeItReached)
{
    ASSERT_TRUE(m_pCommandBars->FloatCommandBar(m_pBar));
    PumpMessages();
    const CRect rc = CKTWindowRect(m_pBar);
    CPoint ptFrom = rc.BottomRight() - CSize(1, 1), ptTo = ptFrom + CSize(25, 25);
    m_pBar->ScreenToClient(&ptFrom);
    m_pBar->ScreenToClient(&ptTo);
    CLoopInput escaped(m_pBar->GetSafeHwnd());
    ASSERT_TRUE(escaped.Press(ptFrom)
                    .AwaitCapture()
                    .Move(ptTo)
                    .Await([this, rc] { return CKTWindowRect(m_pBar).Size() != rc.Size(); })
                    .Key(VK_ESCAPE)
                    .Release()
                    .Run());
    EXPECT_EQ(rc.Size() + CSize(25, 25), CKTWindowRect(m_pBar).Size()) << "Esc undoes nothing";
    EXPECT_EQ(rc.TopLeft(), CKTWindowRect(m_pBar).TopLeft());
}

TEST_F(DialogBarTest, ADockedBarSizesFromTheEdgeFacingTheFrame)
{
    CRect rc = CKTWindowRect(m_pBar);
    EXPECT_EQ(HTRIGHT, HitTest(CPoint(rc.right - 1, rc.CenterPoint().y))) << "docked at the left";
    CPoint ptEdge(rc.right - 1, rc.CenterPoint().y);
    ASSERT_TRUE(DragAtOnce(m_pBar->GetSafeHwnd(), ptEdge, ptEdge + CSize(40, 0)));
    EXPECT_EQ(CSize(160, 150), m_pBar->GetDockedSize());
}

// The theme's dialog-bar gripper stands raised at the left of the caption strip, which starts after it; a bar
// without a gripper gives the strip the room.
TEST_F(DialogBarTest, TheGripperStandsBeforeTheCaption)
{
    CKTSmartPtr<CKTThemeStyle0> pTheme = KTMakeCounted<CKTThemeStyle0>();
    pTheme->RefreshMetrics();
    m_pBar->SetPaintManager(pTheme);
    Relayout();
    const CSize szGripper = pTheme->DrawAltGripper(NULL, m_pBar, FALSE);
    ASSERT_EQ(6, szGripper.cx);
    EXPECT_EQ(3 + szGripper.cx, Control(KT_ID_DIALOGBAR_CAPTION)->GetRect().left);
    const COLORREF clrLight = pTheme->GetColor(COLOR_BTNHIGHLIGHT), clrShadow = pTheme->GetColor(COLOR_BTNSHADOW);
    ASSERT_FALSE(NearColor(clrLight, clrShadow));
    const int y = 3 + m_pBar->GetCaptionHeight() / 2;
    CPixelImage shown = CPixelImage::FromWindow(m_pBar->GetSafeHwnd());
    EXPECT_TRUE(NearColor(clrLight, shown.Pixel(3, y)));
    EXPECT_TRUE(NearColor(clrShadow, shown.Pixel(5, y)));
    EXPECT_TRUE(NearColor(clrLight, shown.Pixel(4, 3)));

    m_pBar->SetShowGripper(FALSE);
    Relayout();
    EXPECT_EQ(3, Control(KT_ID_DIALOGBAR_CAPTION)->GetRect().left);
    CPixelImage bare = CPixelImage::FromWindow(m_pBar->GetSafeHwnd());
    EXPECT_FALSE(NearColor(clrShadow, bare.Pixel(5, y)));
    m_pBar->SetPaintManager(NULL);
}

// The caption strip is as high as the theme's dialog-bar caption, with or without its gripper, and the close button
// stands in its middle.
TEST_F(DialogBarTest, TheCaptionStripIsAsHighAsTheThemeMakesIt)
{
    auto expectStrip = [this](int nThemeHeight)
    {
        EXPECT_EQ(3 + nThemeHeight, m_pBar->GetCaptionHeight());
        EXPECT_EQ(150 + 3 + 3 + m_pBar->GetCaptionHeight(), CKTWindowRect(m_pBar).Height());
        EXPECT_EQ(3 + nThemeHeight / 2, Control(KT_ID_TOOLBAR_CLOSE)->GetRect().CenterPoint().y);
    };
    const int nClassic = m_pBar->GetPaintManager()->DrawCommandBarGripper(NULL, m_pBar, FALSE).cy;
    ASSERT_GE(nClassic, 22);
    expectStrip(nClassic);
    m_pBar->SetShowGripper(FALSE);
    Relayout();
    expectStrip(nClassic);

    CKTSmartPtr<CKTThemeStyle2> pTheme = KTMakeCounted<CKTThemeStyle2>();
    pTheme->RefreshMetrics();
    m_pBar->SetPaintManager(pTheme);
    Relayout();
    const int nStyle2 = pTheme->DrawCommandBarGripper(NULL, m_pBar, FALSE).cy;
    ASSERT_GE(nStyle2, 25);
    expectStrip(nStyle2);
    m_pBar->SetPaintManager(NULL);
}

// A bar whose width its caption decides shows the whole caption, drop-down mark beside it, even when the caption
// font is wider than the bars' own.
TEST_F(DialogBarTest, ANarrowBarWidensToItsCaptionInTheFontItIsDrawnIn)
{
    CKTSmartPtr<CKTThemeStyle0> pTheme = KTMakeCounted<CKTThemeStyle0>();
    pTheme->RefreshMetrics();
    CFont* pCaptionFont = pTheme->GetSmallCaptionFont();
    pCaptionFont->DeleteObject();
    ASSERT_TRUE(pCaptionFont->CreatePointFont(160, "Tahoma"));
    m_pBar->SetPaintManager(pTheme);
    m_pBar->SetCaption("Find and Replace");
    m_pBar->GetCaptionPopup()->GetControls()->Add(ktControlButton, ID_FILE_NEW)->SetCaption("&New");
    m_pBar->SetDockedSize(CSize(20, 150));
    Relayout();

    CClientDC dc(m_pBar);
    auto textWidth = [&dc](CFont* pFont)
    {
        CKTFontDC font(&dc, pFont);
        return dc.GetTextExtent("Find and Replace").cx;
    };
    const int nDrawnWidth = textWidth(pCaptionFont);
    ASSERT_GT(nDrawnWidth, textWidth(pTheme->GetRegularFont())) << "the caption font is the wider";
    auto* pCaption = dynamic_cast<CKTDialogBarCaptionControl*>(Control(KT_ID_DIALOGBAR_CAPTION));
    ASSERT_TRUE(pCaption != NULL && pCaption->IsCaptionEnabled());
    EXPECT_GE(pCaption->GetRect().Width(), 2 + nDrawnWidth + 15) << "the text between its insets and the mark";
    m_pBar->SetPaintManager(NULL);
}

// Whoever asks a theme for a bar's gripper gets the dialog-bar gripper for a dialog bar, in its size and its pixels,
// not the docked tool bar's.
TEST_F(DialogBarTest, TheBarGripperOfADialogBarIsItsOwnGripper)
{
    auto check = [&](CKTPaintManager* pTheme, const char* pszTheme)
    {
        const CSize szAlt = pTheme->DrawAltGripper(NULL, m_pBar, FALSE);
        EXPECT_EQ(szAlt, pTheme->DrawCommandBarGripper(NULL, m_pBar, FALSE)) << pszTheme;
        CTestSurface alt(40, 40, kPaper), bar(40, 40, kPaper);
        pTheme->DrawAltGripper(alt.DC(), m_pBar, TRUE);
        pTheme->DrawCommandBarGripper(bar.DC(), m_pBar, TRUE);
        int nDrawn = 0, nDiffering = 0;
        for (int y = 0; y < 40; y++)
            for (int x = 0; x < 40; x++)
            {
                nDrawn += alt.Pixel(x, y) != kPaper;
                nDiffering += alt.Pixel(x, y) != bar.Pixel(x, y);
            }
        EXPECT_GT(nDrawn, 0) << pszTheme;
        EXPECT_EQ(0, nDiffering) << pszTheme;
    };
    check(MakeThemeWithDistinctColours<CKTThemeStyle0>(), "default");
    check(MakeThemeWithDistinctColours<CKTThemeStyle1>(), "flat");
}
