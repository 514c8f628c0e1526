// A themed-border control: the system frame goes, a one-pixel frame in the theme's colours takes
// its place, and a control with a wider frame of its own shows the window colour inside it.
#include <gtest/gtest.h>

#include "KTColorManager.h"
#include "KTPaintManager.h"
#include "MessagePump.h"
#include "NearColor.h"
#include "OfficeBorderControl.h"
#include "OfficeBorderTheme.h"
#include "PixelImage.h"

namespace
{

struct BorderedEdit
{
    CWnd parent;
    COfficeBorderControl<CEdit> edit;

    explicit BorderedEdit(DWORD dwExStyle)
    {
        parent.CreateEx(0, "STATIC", "", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, CRect(40, 40, 240, 140), nullptr, 0);
        edit.CreateEx(dwExStyle, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 10, 110, 40), &parent, 1);
        edit.RedrawWindow(nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
        PumpMessages();
    }
    ~BorderedEdit() { parent.DestroyWindow(); }

    CPixelImage Shown() const
    {
        CRect rc;
        edit.GetWindowRect(&rc);
        return CPixelImage::FromScreen(rc);
    }
};

}  // namespace

TEST(OfficeBorderControl, TheSunkenFrameBecomesOnePixelInTheThemesColours)
{
    BorderedEdit control(WS_EX_CLIENTEDGE);
    ASSERT_TRUE(control.edit.GetSafeHwnd());
    EXPECT_FALSE(control.edit.GetStyle() & WS_BORDER);
    EXPECT_FALSE(control.edit.GetExStyle() & WS_EX_CLIENTEDGE);
    CRect rcWindow, rcClient;
    control.edit.GetWindowRect(&rcWindow);
    control.edit.GetClientRect(&rcClient);
    EXPECT_EQ(rcWindow.Width() - 2, rcClient.Width());

    const CPixelImage shown = control.Shown();
    const COLORREF clrTopLeft = ThemedBorderColor(TRUE);
    EXPECT_TRUE(NearColor(shown.Pixel(0, 0), clrTopLeft, 0));
    EXPECT_TRUE(NearColor(shown.Pixel(shown.Width() / 2, 0), clrTopLeft, 0));
    EXPECT_TRUE(NearColor(shown.Pixel(0, shown.Height() / 2), clrTopLeft, 0));
    const COLORREF clrBottomRight = ThemedBorderColor(FALSE);
    EXPECT_TRUE(NearColor(shown.Pixel(shown.Width() - 1, shown.Height() / 2), clrBottomRight, 0));
    EXPECT_TRUE(NearColor(shown.Pixel(shown.Width() / 2, shown.Height() - 1), clrBottomRight, 0));
}

TEST(OfficeBorderControl, AWiderFrameShowsTheWindowColourInsideTheThemedOne)
{
    BorderedEdit control(WS_EX_STATICEDGE);
    const CPixelImage shown = control.Shown();
    EXPECT_TRUE(NearColor(shown.Pixel(1, 1), ::GetSysColor(COLOR_WINDOW), 0));
    EXPECT_TRUE(NearColor(shown.Pixel(shown.Width() - 2, shown.Height() - 2), ::GetSysColor(COLOR_WINDOW), 0));
}

TEST(OfficeBorderControl, ASwitchOfTheCommandBarsThemeShowsAtTheNextFramePaint)
{
    BorderedEdit control(WS_EX_CLIENTEDGE);
    CKTPaintManager::SetTheme(ktCommandBarsThemeFlatScheme);
    control.edit.RedrawWindow(nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    PumpMessages();
    const CPixelImage shown = control.Shown();
    CKTPaintManager::SetTheme(ktCommandBarsThemeClassic);
    const COLORREF clrFlat = KTColorManager()->GetColor(
        CKTPaintManager::CreateTheme(ktCommandBarsThemeFlatScheme)->GetBorderColorIndex(TRUE));
    ASSERT_NE(clrFlat, ::GetSysColor(COLOR_BTNHIGHLIGHT)) << "the flat colour must differ from the sunken look's";
    EXPECT_TRUE(NearColor(shown.Pixel(0, 0), clrFlat, 0));
    EXPECT_TRUE(NearColor(shown.Pixel(0, shown.Height() / 2), clrFlat, 0));
    EXPECT_TRUE(NearColor(shown.Pixel(shown.Width() - 1, shown.Height() / 2), clrFlat, 0)) << "the right edge";
    EXPECT_TRUE(NearColor(shown.Pixel(shown.Width() / 2, shown.Height() - 1), clrFlat, 0)) << "the bottom edge";
}

// A control bound to an existing window, as a dialog binds its template's controls, never sees WM_CREATE: it keeps
// its own frame, and only a later frame recalculation adds the one-pixel frame inside it.
TEST(OfficeBorderControl, AControlSubclassedAfterItExistsKeepsItsFrameUntilTheFrameIsRecalculated)
{
    CWnd parent;
    parent.CreateEx(0, "STATIC", "", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, CRect(40, 40, 240, 140), nullptr, 0);
    HWND hEdit = ::CreateWindowEx(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE, 10, 10, 120, 30,
                                  parent.GetSafeHwnd(), nullptr, nullptr, nullptr);
    ASSERT_TRUE(hEdit);
    auto clientOnScreen = [hEdit]
    {
        CRect rcClient;
        ::GetClientRect(hEdit, &rcClient);
        ::MapWindowPoints(hEdit, nullptr, reinterpret_cast<POINT*>(&rcClient), 2);
        return rcClient;
    };
    const CRect rcOwnClient = clientOnScreen();
    COfficeBorderControl<CEdit> edit;
    ASSERT_TRUE(edit.SubclassWindow(hEdit));
    EXPECT_TRUE(edit.GetExStyle() & WS_EX_CLIENTEDGE);
    EXPECT_EQ(rcOwnClient, clientOnScreen());

    edit.SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    EXPECT_TRUE(edit.GetExStyle() & WS_EX_CLIENTEDGE);
    EXPECT_EQ(CRect(rcOwnClient.left + 1, rcOwnClient.top + 1, rcOwnClient.right - 1, rcOwnClient.bottom - 1),
              clientOnScreen());
    parent.DestroyWindow();
}
