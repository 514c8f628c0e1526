// The leak check catches a GDI object, a window and a menu left behind, and passes clean code.
#include "GuiLeakCheck.h"
#include "PlainWindow.h"

TEST(GuiHandleCount, FindsTheStockObjects)
{
    CGuiHandleCount count = CGuiHandleCount::Take();
    EXPECT_GE(count.gdiByType[OBJ_BRUSH], 7);  // white, light grey, grey, dark grey, black, hollow, DC
    EXPECT_GE(count.gdiByType[OBJ_PEN], 4);    // white, black, null, DC
    EXPECT_GE(count.gdiByType[OBJ_FONT], 6);
}

TEST(GuiLeakCheck, CatchesAPlantedGdiObject)
{
    CGuiLeakCheck check;
    HPEN hPen = ::CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
    ::testing::AssertionResult result = check.NoLeaks();
    EXPECT_FALSE(result);
    EXPECT_STREQ("left behind: 1 pen", result.message());
    ::DeleteObject(hPen);
    EXPECT_TRUE(check.NoLeaks());
}

TEST(GuiLeakCheck, CatchesAPlantedWindowAndMenu)
{
    CPlainWindow warmUp;  // the class, the thread's first window and its DC cache stay for good
    CGuiLeakCheck check;
    HWND hWnd = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    HMENU hMenu = ::CreatePopupMenu();
    EXPECT_STREQ("left behind: 1 window(s), 1 menu(s)", check.NoLeaks().message());
    ::DestroyWindow(hWnd);
    ::DestroyMenu(hMenu);
    EXPECT_TRUE(check.NoLeaks());
}

// Wine makes a window for the thread when the thread is first activated, which may come from the display
// after the count began: it once made a planted window count as two.
TEST(GuiLeakCheck, CountsNoWindowTheSystemMakesForTheThreadWhenItIsActivated)
{
    HWND hFirst = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ::ShowWindow(hFirst, SW_SHOWNOACTIVATE);
    CGuiLeakCheck check;
    ASSERT_TRUE(::SetForegroundWindow(hFirst));
    EXPECT_TRUE(check.NoLeaks());
    ::DestroyWindow(hFirst);
}

TEST(GuiLeakCheck, PassesCodeThatFreesWhatItMade)
{
    {
        CPlainWindow warmUp;
    }
    CGuiLeakCheck check;
    {
        CPlainWindow window(RGB(9, 9, 9));
        HDC hdc = ::GetDC(window.Handle());
        HFONT hFont = ::CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Tahoma");
        HGDIOBJ hOld = ::SelectObject(hdc, hFont);
        ::TextOutA(hdc, 2, 2, "x", 1);
        ::SelectObject(hdc, hOld);
        ::DeleteObject(hFont);
        ::ReleaseDC(window.Handle(), hdc);
    }
    EXPECT_TRUE(check.NoLeaks());
}
