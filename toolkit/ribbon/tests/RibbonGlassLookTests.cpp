// RibbonGlassLookTests.cpp: what theme 6 draws on the frame's caption keeps its alpha on (faked) glass, read back
// from a 32-bit surface: the glass stays clear, the quick access toolbar's buttons do not, and its captions are
// composed by the visual styles.
#include "FakeGlassRegion.h"
#include "KTCommandBars.h"
#include "KTCommandBarsDefs.h"
#include "KTControls.h"
#include "KTDrawObjects.h"
#include "KTEditField.h"
#include "KTPaintManager.h"
#include "KTRibbonBar.h"
#include "KTRibbonControlTab.h"
#include "KTRibbonGroup.h"
#include "KTRibbonGroupControlPopup.h"
#include "KTRibbonTab.h"
#include "KTWinThemeWrapper.h"
#include "LoadedStyle.h"
#include "MessagePump.h"
#include "RibbonTestFrame.h"

#include <gtest/gtest.h>

#include <uxtheme.h>

#include <string>
#include <vector>

namespace
{
const DWORD kBackground = 0x00123456;                        // what the surface holds before the bar draws: no alpha
const COLORREF kQuickAccessButtonIdle = RGB(60, 20, 160);    // RIBBONQUICKACCESSBUTTON part 0
const COLORREF kQuickAccessAreaOnGlass = RGB(40, 140, 180);  // RIBBONQUICKACCESSAREADWM
const COLORREF kGroupOnToolbar = RGB(45, 170, 50);           // RIBBONGROUPQUICKACCESS part 0
// Split button images by state: TOOLBARBUTTONSSPLIT22 and TOOLBARBUTTONSSPLITDROPDOWN22; TOOLBARBUTTONDROPDOWNGLYPH.
COLORREF SplitCommand(int nState) { return RGB(30 + 35 * nState, 115, 235); }
COLORREF SplitDropDown(int nState) { return RGB(235, 115, 30 + 35 * nState); }
COLORREF DropDownGlyph(int nPart) { return RGB(230, 30 + 40 * nPart, 160); }

// The bar drawn into a 32-bit surface of its client size over a known background.
class CGlassPicture
{
public:
    explicit CGlassPicture(CKTRibbonBar* pBar) : m_rc(CKTClientRect(pBar)), m_dib(m_rc.Size())
    {
        DWORD* pBits = m_dib.GetBits();
        for (int i = 0; pBits && i < m_rc.Width() * m_rc.Height(); i++)
            pBits[i] = kBackground;
        CKTCompatibleDC dc(NULL, m_dib.GetHandle());
        pBar->DrawCommandBar(&dc, m_rc);
        ::GdiFlush();
    }

    DWORD Pixel(CPoint pt) const { return m_dib.GetBits()[pt.y * m_rc.Width() + pt.x]; }
    static BYTE Alpha(DWORD dw) { return static_cast<BYTE>(dw >> 24); }
    static COLORREF Color(DWORD dw) { return RGB((dw >> 16) & 0xFF, (dw >> 8) & 0xFF, dw & 0xFF); }
    int CountColor(const CRect& rc, COLORREF clr) const
    {
        int nCount = 0;
        for (int y = rc.top; y < rc.bottom; y++)
            for (int x = rc.left; x < rc.right; x++)
                nCount += Color(Pixel(CPoint(x, y))) == clr;
        return nCount;
    }

private:
    CRect m_rc;
    CKTDibSection m_dib;
};

// Records the text the visual styles draw while it lives.
class CThemeTextRecorder : public IKTVisualStyleSpy
{
public:
    struct Text
    {
        std::string strClass;
        int nPart, nState;
        DWORD dwOptions;
        CRect rc;
    };

    CThemeTextRecorder() : m_pPrevious(CKTWinThemeWrapper::SetSpy(this)) {}
    ~CThemeTextRecorder() { CKTWinThemeWrapper::SetSpy(m_pPrevious); }
    CThemeTextRecorder(const CThemeTextRecorder&) = delete;
    CThemeTextRecorder& operator=(const CThemeTextRecorder&) = delete;

    void OnDrawThemeBackground(LPCSTR, int, int, const RECT&) override {}
    void OnDrawThemeText(LPCSTR lpszClassList, int nPart, int nState, DWORD dwOptions, const RECT& rc) override
    {
        m_texts.push_back({lpszClassList, nPart, nState, dwOptions, rc});
    }
    // The control captions: the frame's own title glows through the "WINDOW" class.
    std::vector<Text> Captions() const
    {
        std::vector<Text> captions;
        for (const Text& text : m_texts)
            if (text.strClass == "GLOBALS")
                captions.push_back(text);
        return captions;
    }

private:
    IKTVisualStyleSpy* m_pPrevious;
    std::vector<Text> m_texts;
};

// The alpha of the middle of a window's client area as painted.
BYTE PaintedAlpha(HWND hWnd)
{
    ::RedrawWindow(hWnd, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    const CKTClientRect rc(hWnd);
    CKTDibSection dib(rc.Size());
    CKTCompatibleDC dc(NULL, dib.GetHandle());
    HDC hWindowDC = ::GetDC(hWnd);
    ::BitBlt(dc.GetSafeHdc(), 0, 0, rc.Width(), rc.Height(), hWindowDC, 0, 0, SRCCOPY);
    ::ReleaseDC(hWnd, hWindowDC);
    ::GdiFlush();
    return static_cast<BYTE>(dib.GetBits()[rc.Height() / 2 * rc.Width() + rc.Width() / 2] >> 24);
}

class RibbonGlassLook : public ::testing::Test
{
protected:
    RibbonGlassLook()
    {
        CKTPaintManager::SetTheme(ktCommandBarsThemeRibbon);
        CKTRibbonTabGroups* pGroups = m_pBar->GetControlTab()->GetTab(0)->GetGroups();
        m_pGroup = pGroups->Add(RUNTIME_CLASS(CKTRibbonGroup), "&Clipboard", 1);
        m_pQuickAccess = AddToToolbar(ktControlButton, 100);
        m_pRegion = CFakeGlassRegion::Attach(m_pBar, FALSE);
    }
    ~RibbonGlassLook() override { CKTPaintManager::SetTheme(ktCommandBarsThemeClassic); }

    // A copy on the quick access toolbar of a new control of the group.
    CKTControl* AddToToolbar(int nType, int nId)
    {
        CKTControl* pControl = m_pGroup->AddControl(nType, nId);
        pControl->SetCaption("Paste");
        return m_pBar->AddToQuickAccess(pControl);
    }

    void SetGlass(BOOL bGlass)
    {
        m_pRegion->m_bGlass = bGlass;
        m_pRegion->RefreshFrame();
        m_pBar->OnRecalcLayout();
        PumpMessages();
    }

    CLoadedStyle m_style{"STYLE_INI"};
    CRibbonTestFrame m_frame{600, 400};
    CKTRibbonBar* m_pBar = m_frame.GetRibbon();
    CKTRibbonGroup* m_pGroup = NULL;
    CKTControl* m_pQuickAccess = NULL;
    CFakeGlassRegion* m_pRegion = NULL;
};
}  // namespace

TEST_F(RibbonGlassLook, TheQuickAccessToolbarOnTheCaptionWithAndWithoutGlass)
{
    CKTControl* pDropDown = m_pBar->GetQuickAccessPopup();
    const COLORREF clrText = KTStyleResourceSet()->GetColor("Ribbon", "RibbonText");
    const CRect rcCaption = m_pBar->GetCaptionRect();
    const CPoint ptStrip(rcCaption.CenterPoint().x, rcCaption.top + 1);

    // Without glass the caption's own image covers the strip and the toolbar's caption is plain text.
    SetGlass(FALSE);
    ASSERT_TRUE(m_pQuickAccess && m_pQuickAccess->IsVisible() && pDropDown->IsVisible());
    EXPECT_FALSE(pDropDown->IsOnCompositedCaption());
    EXPECT_FALSE(m_pQuickAccess->IsOnCompositedCaption());
    {
        CThemeTextRecorder recorder;
        CGlassPicture picture(m_pBar);
        const DWORD dwButton = picture.Pixel(pDropDown->GetRect().TopLeft() + CPoint(1, 1));
        EXPECT_EQ(kQuickAccessButtonIdle, CGlassPicture::Color(dwButton));
        EXPECT_EQ(255, CGlassPicture::Alpha(dwButton));
        EXPECT_EQ(255, CGlassPicture::Alpha(picture.Pixel(ptStrip)));
        EXPECT_TRUE(recorder.Captions().empty());
        EXPECT_GT(picture.CountColor(m_pQuickAccess->GetRect(), clrText), 0);
    }

    // On glass the strip is clear (black without alpha) and the button's image brings its alpha into the surface.
    SetGlass(TRUE);
    ASSERT_TRUE(m_pBar->IsDwmEnabled());
    EXPECT_TRUE(m_pQuickAccess->IsOnCompositedCaption());
    EXPECT_TRUE(pDropDown->IsOnCompositedCaption());
    EXPECT_FALSE(m_pBar->GetControlTab()->IsOnCompositedCaption()) << "the tab row lies below the caption";
    CThemeTextRecorder recorder;
    CGlassPicture picture(m_pBar);
    const DWORD dwButton = picture.Pixel(pDropDown->GetRect().TopLeft() + CPoint(1, 1));
    EXPECT_EQ(kQuickAccessButtonIdle, CGlassPicture::Color(dwButton));
    EXPECT_EQ(255, CGlassPicture::Alpha(dwButton));
    EXPECT_EQ(0u, picture.Pixel(ptStrip));

    // Plain text leaves no alpha and would let the glass through: the visual styles compose the toolbar's caption in
    // its own colour (Wine composes no alpha itself, so the request is read back, and the colour).
    const std::vector<CThemeTextRecorder::Text> captions = recorder.Captions();
    ASSERT_EQ(1u, captions.size());
    EXPECT_EQ(0, captions[0].nPart);
    EXPECT_EQ(0, captions[0].nState);
    EXPECT_EQ(static_cast<DWORD>(DTT_TEXTCOLOR | DTT_COMPOSITED), captions[0].dwOptions);
    CRect rcMeet;
    EXPECT_TRUE(rcMeet.IntersectRect(captions[0].rc, m_pQuickAccess->GetRect()));
    EXPECT_GT(picture.CountColor(m_pQuickAccess->GetRect(), clrText), 0);
}

// The system paints an edit without alpha, which glass would show through: there each paint ends by making it opaque.
TEST_F(RibbonGlassLook, AnEditOnTheToolbarIsMadeOpaqueOnGlass)
{
    CKTControl* pEdit = AddToToolbar(ktControlEdit, 101);
    SetGlass(FALSE);
    ASSERT_TRUE(pEdit && pEdit->IsVisible());
    CKTEditField* pField = dynamic_cast<IKTEditFieldOwner*>(pEdit)->GetField();
    ASSERT_TRUE(pField->GetSafeHwnd());
    EXPECT_FALSE(pField->GetWnd()->IsOpaqueFix());
    EXPECT_EQ(0, PaintedAlpha(pField->GetSafeHwnd())) << "what the system's painting leaves";

    SetGlass(TRUE);
    EXPECT_TRUE(pField->GetWnd()->IsOpaqueFix());
    EXPECT_EQ(255, PaintedAlpha(pField->GetSafeHwnd()));

    SetGlass(FALSE);
    EXPECT_FALSE(pField->GetWnd()->IsOpaqueFix()) << "the glass went";
}

// The layout that moves the edit onto the caption, or off it, decides by where it goes, not where it was.
TEST_F(RibbonGlassLook, AnEditMovedOntoTheCaptionIsMadeOpaqueByTheMove)
{
    CKTControl* pEdit = AddToToolbar(ktControlEdit, 101);
    m_pBar->SetQuickAccessBelow(TRUE);
    SetGlass(TRUE);
    CKTEditField* pField = dynamic_cast<IKTEditFieldOwner*>(pEdit)->GetField();
    ASSERT_TRUE(pEdit->IsVisible() && pField->GetSafeHwnd());
    ASSERT_FALSE(pEdit->IsOnCompositedCaption());
    EXPECT_FALSE(pField->GetWnd()->IsOpaqueFix());

    m_pBar->SetQuickAccessBelow(FALSE);
    ASSERT_TRUE(pEdit->IsOnCompositedCaption());
    EXPECT_TRUE(pField->GetWnd()->IsOpaqueFix());
    m_pBar->SetQuickAccessBelow(TRUE);
    ASSERT_FALSE(pEdit->IsOnCompositedCaption());
    EXPECT_FALSE(pField->GetWnd()->IsOpaqueFix());
}

// The images in the caption strip keep their alpha on glass, and their transparent corners (magenta in the tests'
// images) show the area behind them: a group put on the toolbar, and a split button's halves and glyph.
TEST_F(RibbonGlassLook, AGroupAndASplitButtonOnTheToolbarKeepTheirImagesOnGlass)
{
    CKTControl* pGroupCopy = m_pBar->AddToQuickAccess(m_pGroup->GetControlPopup());
    CKTControl* pSplit = AddToToolbar(ktControlSplitButtonPopup, 102);
    pSplit->SetChecked(1);
    SetGlass(TRUE);
    ASSERT_TRUE(pGroupCopy && pGroupCopy->IsVisible() && pSplit->IsVisible());
    ASSERT_TRUE(pGroupCopy->IsOnCompositedCaption() && pSplit->IsOnCompositedCaption());
    CGlassPicture picture(m_pBar);
    auto expectOpaque = [&](CPoint pt, COLORREF clr, const char* lpszWhat)
    {
        const DWORD dw = picture.Pixel(pt);
        EXPECT_EQ(clr, CGlassPicture::Color(dw)) << lpszWhat;
        EXPECT_EQ(255, CGlassPicture::Alpha(dw)) << lpszWhat;
    };

    const CRect rcGroup = pGroupCopy->GetRect();
    expectOpaque(CPoint(rcGroup.left + 1, rcGroup.bottom - 2), kGroupOnToolbar, "the group's own face");
    expectOpaque(rcGroup.TopLeft(), kQuickAccessAreaOnGlass, "the face's transparent corner");

    // Checked and idle: command state 2, drop-down state 4.
    const CRect rcSplit = pSplit->GetRect();
    const CPoint ptDropDown(rcSplit.right - 2, rcSplit.bottom - 3);
    expectOpaque(CPoint(rcSplit.left + 2, rcSplit.bottom - 3), SplitCommand(2), "the command half");
    expectOpaque(ptDropDown, SplitDropDown(4), "the drop-down half");
    expectOpaque(rcSplit.TopLeft(), kQuickAccessAreaOnGlass, "the command half's transparent corner");
    expectOpaque(
        CPoint(rcSplit.right - m_pBar->GetPaintManager()->m_nSplitButtonDropDownWidth / 2, rcSplit.CenterPoint().y),
        DropDownGlyph(0), "the drop-down glyph");
}
