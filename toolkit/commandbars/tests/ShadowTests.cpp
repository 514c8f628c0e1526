// ShadowTests.cpp: popup shadows: the strips' places and styles on a themed frame, and their alpha ramps.
#include "CommandBarsTestApp.h"
#include "CommandBarsTestsRes.h"
#include "KTColorManager.h"
#include "KTCommandBars.h"
#include "KTCommandBarsOptions.h"
#include "KTControl.h"
#include "KTControls.h"
#include "KTMenuBar.h"
#include "KTPaintManager.h"
#include "KTShadowImage.h"
#include "KTShadowWindow.h"
#include "MessagePump.h"
#include "NearColor.h"
#include "PixelImage.h"
#include "TestFrame.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
DWORD Alpha(DWORD dw) { return dw >> 24; }

// The live strips in the order they were made.
std::vector<CKTShadowWindow*> Strips(CKTShadowWindowManager* pManager = KTShadowManager())
{
    std::vector<CKTShadowWindow*> strips;
    const CKTShadowList& list = pManager->GetShadows();
    for (POSITION pos = list.GetHeadPosition(); pos;)
        strips.push_back(list.GetNext(pos));
    return strips;
}

// Turns the system's drop shadows on for the test, as a user with shadows would have them.
class CDropShadowSetting
{
public:
    CDropShadowSetting()
    {
        ::SystemParametersInfo(SPI_GETDROPSHADOW, 0, &m_bOld, 0);
        ::SystemParametersInfo(SPI_SETDROPSHADOW, 0, (PVOID)TRUE, 0);
    }
    ~CDropShadowSetting() { ::SystemParametersInfo(SPI_SETDROPSHADOW, 0, (PVOID)(INT_PTR)m_bOld, 0); }
    CDropShadowSetting(const CDropShadowSetting&) = delete;
    CDropShadowSetting& operator=(const CDropShadowSetting&) = delete;

private:
    BOOL m_bOld = FALSE;
};

// The sizes a stand-in for the system's layered-window update was asked to draw.
std::vector<CSize> g_layeredSizes;

BOOL WINAPI RecordLayeredUpdate(HWND, HDC, POINT*, SIZE* pSize, HDC, POINT*, COLORREF, BLENDFUNCTION*, DWORD dwFlags)
{
    if (pSize && dwFlags == ULW_ALPHA)
        g_layeredSizes.push_back(CSize(*pSize));
    return TRUE;
}

// A frame with its first menu open, the paint manager's shadow options changed for the test.
class CShadowFrame
{
public:
    explicit CShadowFrame(DWORD dwShadowOptions) : m_pFrame(CTestFrame::Create(4))
    {
        if (!m_pFrame)
            return;
        m_dwOldOptions = PaintManager()->m_dwShadowOptions;
        PaintManager()->m_dwShadowOptions = dwShadowOptions;
    }
    ~CShadowFrame()
    {
        if (!m_pFrame)
            return;
        PaintManager()->m_dwShadowOptions = m_dwOldOptions;
        m_pFrame->GetCommandBars()->GetMenuBar()->SetPopuped(-1);
        m_pFrame->DestroyWindow();
        PumpMessages();
    }
    CShadowFrame(const CShadowFrame&) = delete;
    CShadowFrame& operator=(const CShadowFrame&) = delete;

    // The open popup, or NULL when it would not open.
    CKTCommandBar* OpenMenu()
    {
        if (!m_pFrame)
            return NULL;
        PumpMessages();
        CKTMenuBar* pMenuBar = m_pFrame->GetCommandBars()->GetMenuBar();
        return pMenuBar->SetPopuped(0) ? pMenuBar->GetControl(0)->GetCommandBar() : NULL;
    }

    CKTPaintManager* PaintManager() const { return m_pFrame->GetCommandBars()->GetPaintManager(); }

    CTestFrame* m_pFrame;

private:
    DWORD m_dwOldOptions = 0;
};
}  // namespace

TEST(ShadowImage, RampsDarkenTowardsThePopupAndSoftenAtTheCorners)
{
    const COLORREF clr = RGB(200, 100, 40);
    std::vector<DWORD> vertical = KTBuildShadowImage(4, 10, FALSE, clr, FALSE);
    // Below the corner block: by column, 4 next to the popup.
    EXPECT_EQ(0x78000000u | (200u << 16) | (100u << 8) | 40u, vertical[6 * 4 + 0]) << "alpha 15 x 2 x 4, full colour";
    EXPECT_EQ(30u, Alpha(vertical[6 * 4 + 3]));
    EXPECT_EQ(6u, Alpha(vertical[0 * 4 + 3])) << "outer top corner: 3 x 2 x 1 x 1";
    EXPECT_EQ(96u, Alpha(vertical[3 * 4 + 0])) << "inner corner cell: 3 x 2 x 4 x 4";

    std::vector<DWORD> horizontal = KTBuildShadowImage(12, 4, TRUE, clr, TRUE);
    EXPECT_EQ(60u, Alpha(horizontal[0 * 12 + 6])) << "half strength, row next to the popup: 15 x 1 x 4";
    EXPECT_EQ(15u, Alpha(horizontal[3 * 12 + 6]));
    EXPECT_EQ(Alpha(horizontal[2 * 12 + 1]), Alpha(horizontal[2 * 12 + 10])) << "the ends mirror each other";
    EXPECT_EQ(3u, Alpha(horizontal[3 * 12 + 0]));
}

TEST(PopupShadows, AnOpenPopupCastsLayeredStripsBesideItAndTheyGoWithIt)
{
    CDropShadowSetting shadows;
    CTestFrame* pFrame = CTestFrame::Create(4);
    ASSERT_TRUE(pFrame != NULL);
    PumpMessages();
    CKTMenuBar* pMenuBar = pFrame->GetCommandBars()->GetMenuBar();
    ASSERT_TRUE(pMenuBar->SetPopuped(0));
    CKTCommandBar* pPopup = pMenuBar->GetControl(0)->GetCommandBar();
    CRect rcPopup;
    pPopup->GetWindowRect(rcPopup);

    const std::vector<CKTShadowWindow*> strips = Strips();
    ASSERT_EQ(4u, strips.size()) << "the popup's two strips, then its menu entry's";
    ASSERT_TRUE(KTShadowManager()->IsLayered());
    CRect rcBelow, rcRight, rcEntryRight;
    strips[0]->GetWindowRect(rcBelow);
    strips[1]->GetWindowRect(rcRight);
    EXPECT_EQ(CRect(rcPopup.left + 4, rcPopup.bottom, rcPopup.right + 4, rcPopup.bottom + 4), rcBelow);
    EXPECT_EQ(CRect(rcPopup.right, rcPopup.top + 4, rcPopup.right + 4, rcPopup.bottom), rcRight);
    CRect rcEntry = pMenuBar->GetControl(0)->GetRect();
    pMenuBar->ClientToScreen(rcEntry);
    strips[3]->GetWindowRect(rcEntryRight);
    EXPECT_EQ(CRect(rcEntry.right, rcEntry.top + 4, rcEntry.right + 4, rcEntry.bottom), rcEntryRight);
    for (CKTShadowWindow* pStrip : strips)
    {
        EXPECT_EQ((DWORD)(WS_EX_LAYERED | WS_EX_TOOLWINDOW), pStrip->GetExStyle() & (WS_EX_LAYERED | WS_EX_TOOLWINDOW));
        EXPECT_TRUE(pStrip->IsWindowVisible());
    }

    pMenuBar->SetPopuped(-1);
    EXPECT_TRUE(KTShadowManager()->GetShadows().IsEmpty()) << "closing the popup removes its strips";
    pFrame->DestroyWindow();
    PumpMessages();
}

TEST(PopupShadows, TheSystemMenuIconOfAMaximisedChildCastsNoShadowOfItsOwn)
{
    CDropShadowSetting shadows;
    CTestFrame* pFrame = CTestFrame::Create(4);
    ASSERT_TRUE(pFrame != NULL);
    CMDIChildWnd* pChild = new CMDIChildWnd;
    ASSERT_TRUE(
        pChild->Create(NULL, "Child", WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, CFrameWnd::rectDefault, pFrame));
    pChild->MDIMaximize();
    CKTMenuBar* pMenuBar = pFrame->GetCommandBars()->GetMenuBar();
    ASSERT_TRUE(
        PumpUntil([pMenuBar] { return pMenuBar->GetControls()->FindControl(KT_ID_MDI_SYSMENU) != NULL; }, 2000));
    CKTControl* pIcon = pMenuBar->GetControls()->FindControl(KT_ID_MDI_SYSMENU);
    ASSERT_TRUE(pMenuBar->SetPopuped(pIcon->GetIndex()));
    EXPECT_EQ(2u, Strips().size()) << "only the menu's own strips";
    pMenuBar->SetPopuped(-1);
    pFrame->DestroyWindow();
    PumpMessages();
}

TEST(PopupShadows, ClosingASubMenuRemovesOnlyItsStripsAndLeavesTheOthersInOrder)
{
    CDropShadowSetting shadows;
    CTestFrame* pFrame = CTestFrame::Create(4);
    ASSERT_TRUE(pFrame != NULL);
    PumpMessages();
    CKTMenuBar* pMenuBar = pFrame->GetCommandBars()->GetMenuBar();
    CKTCommandBar* pPopup = pMenuBar->GetControl(0)->GetCommandBar();
    CKTControl* pSubEntry = pPopup->GetControls()->Add(ktControlPopup, 0);
    pSubEntry->SetCaption("More");
    pSubEntry->GetCommandBar()->GetControls()->Add(ktControlButton, ID_TEST_ENABLED)->SetCaption("Enabled");
    ASSERT_TRUE(pMenuBar->SetPopuped(0));
    const std::vector<CKTShadowWindow*> before = Strips();
    ASSERT_EQ(4u, before.size());

    ASSERT_TRUE(pPopup->SetPopuped(pSubEntry->GetIndex()));
    const std::vector<CKTShadowWindow*> opened = Strips();
    ASSERT_EQ(6u, opened.size()) << "the sub-menu's two strips follow";
    EXPECT_EQ(before, std::vector<CKTShadowWindow*>(opened.begin(), opened.begin() + 4));
    EXPECT_EQ(pSubEntry->GetCommandBar(), opened[4]->GetOwnerBar());

    pPopup->SetPopuped(-1);
    EXPECT_EQ(before, Strips()) << "the menu's strips stay, in the order they were made";
    pMenuBar->SetPopuped(-1);
    pFrame->DestroyWindow();
    PumpMessages();
}

TEST(PopupShadowManager, StripsAreDrawnThroughTheLayeredFunctionItFoundOrArePlainWithoutOne)
{
    CDropShadowSetting shadows;
    CShadowFrame frame(0);
    CKTCommandBar* pPopup = frame.OpenMenu();
    ASSERT_TRUE(pPopup != NULL);
    CRect rcPopup;
    pPopup->GetWindowRect(rcPopup);

    g_layeredSizes.clear();
    CKTShadowWindowManager layered(RecordLayeredUpdate);
    layered.SetShadow(pPopup, NULL);
    ASSERT_EQ(2u, Strips(&layered).size());
    EXPECT_EQ(std::vector<CSize>({CSize(rcPopup.Width(), 4), CSize(4, rcPopup.Height() - 4)}), g_layeredSizes)
        << "each strip's image goes through the function given";
    layered.RemoveShadow(pPopup);

    // A system without the function: no strips, unless the options ask for shadows anyway.
    CKTShadowWindowManager plain(NULL);
    EXPECT_FALSE(plain.IsLayered());
    plain.SetShadow(pPopup, NULL);
    EXPECT_TRUE(Strips(&plain).empty());
    frame.PaintManager()->m_dwShadowOptions = 1;
    plain.SetShadow(pPopup, NULL);
    const std::vector<CKTShadowWindow*> strips = Strips(&plain);
    ASSERT_EQ(2u, strips.size());
    CRect rcRight;
    strips[1]->GetWindowRect(rcRight);
    EXPECT_EQ(CRect(rcPopup.right, rcPopup.top + 2, rcPopup.right + 2, rcPopup.bottom), rcRight) << "two pixels wide";
    EXPECT_EQ(0u, strips[1]->GetExStyle() & WS_EX_LAYERED);
    const CPixelImage image = CPixelImage::FromWindow(strips[1]->GetSafeHwnd());
    EXPECT_TRUE(NearColor(KTColorManager()->GetColor(COLOR_BTNSHADOW), image.Pixel(1, rcRight.Height() / 2), 8));
    plain.RemoveShadow(pPopup);
    EXPECT_TRUE(Strips(&plain).empty());
}

TEST(PopupShadows, StripsKeepTheirSavedBitsOnlyWhileTheOptionsAllowThem)
{
    CDropShadowSetting shadows;
    CShadowFrame frame(0);
    ASSERT_TRUE(frame.m_pFrame != NULL);
    CKTCommandBarsOptions* pOptions = frame.m_pFrame->GetCommandBars()->GetCommandBarsOptions();
    for (BOOL bSaveBits : {TRUE, FALSE})
    {
        pOptions->bUseSystemSaveBitsStyle = bSaveBits;
        ASSERT_TRUE(frame.OpenMenu() != NULL);
        const std::vector<CKTShadowWindow*> strips = Strips();
        ASSERT_FALSE(strips.empty());
        for (CKTShadowWindow* pStrip : strips)
            EXPECT_EQ(bSaveBits ? (DWORD)(CS_SAVEBITS | CS_OWNDC) : 0u,
                      ::GetClassLong(pStrip->GetSafeHwnd(), GCL_STYLE) & (CS_SAVEBITS | CS_OWNDC))
                << "saved bits " << bSaveBits;
        frame.m_pFrame->GetCommandBars()->GetMenuBar()->SetPopuped(-1);
    }
}
