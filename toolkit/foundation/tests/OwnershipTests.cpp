// OwnershipTests.cpp: every wrapper gives back the modules, handles and GDI objects it owns.
#include <gtest/gtest.h>

#include <vector>

#include "KTAccessible.h"
#include "KTDrawObjects.h"
#include "KTImageManager.h"
#include "KTSystemLibrary.h"
#include "KTWinThemeWrapper.h"
#include "FoundationTestsRes.h"
#include "GuiLeakCheck.h"

namespace
{

// A system module nothing else in the tests loads.
const char g_szSpareModule[] = "oledlg.dll";

}  // namespace

TEST(Ownership, LibraryIsFreedWithItsWrapper)
{
    ASSERT_EQ(nullptr, ::GetModuleHandleA(g_szSpareModule));
    {
        CKTSystemLibrary library(g_szSpareModule);
        ASSERT_TRUE(library.IsLoaded());
        EXPECT_NE(nullptr, ::GetModuleHandleA(g_szSpareModule));
        FARPROC pfn = NULL;
        EXPECT_FALSE(library.GetProc("KTNoSuchEntryPoint", pfn));
        EXPECT_EQ(nullptr, pfn);
    }
    EXPECT_EQ(nullptr, ::GetModuleHandleA(g_szSpareModule));
    CKTSystemLibrary missing("kt-no-such-module.dll");
    EXPECT_FALSE(missing.IsLoaded());
}

TEST(Ownership, AccessibilityLibraryGoesWithTheSupport)
{
    HMODULE hBefore = ::GetModuleHandleA("oleacc.dll");
    {
        CKTAccessibleSupport support;
        support.LresultFromObject(IID_IUnknown, 0, NULL);
        EXPECT_NE(nullptr, ::GetModuleHandleA("oleacc.dll"));
    }
    EXPECT_EQ(hBefore, ::GetModuleHandleA("oleacc.dll"));
}

TEST(Ownership, ImagesAreDeletedWithTheirManager)
{
    std::vector<HGDIOBJ> handles;
    {
        CKTImageManager manager;
        UINT ids[] = {1, 2};
        ASSERT_TRUE(manager.SetIcons(IDR_TEST_STRIP, ids, 2, CSize(4, 4)));
        CKTImageManagerIcon* pIcon = manager.GetImage(1, 4);
        handles.push_back(pIcon->GetIcon().GetBitmap());
        HGDIOBJ hFirstFaded = pIcon->GetFadedIcon().GetBitmap();
        manager.RefreshAll();
        EXPECT_EQ(0u, ::GetObjectType(hFirstFaded)) << "a refresh deletes the derived images";
        handles.push_back(pIcon->GetDisabledIcon(TRUE).GetBitmap());
        handles.push_back(pIcon->GetShadowIcon().GetBitmap());
        handles.push_back(manager.GetImage(2, 4)->GetIcon().GetBitmap());
        for (HGDIOBJ h : handles)
            EXPECT_EQ(static_cast<DWORD>(OBJ_BITMAP), ::GetObjectType(h));
    }
    for (HGDIOBJ h : handles)
        EXPECT_EQ(0u, ::GetObjectType(h));
}

TEST(Ownership, ThemeHandleIsClosedWithTheWrapper)
{
    CKTWinThemeWrapper probe;
    if (!probe.IsAppThemed())
        GTEST_SKIP() << "visual styles are off in this session";
    HKTTHEME hTheme = NULL;
    {
        CKTWinThemeWrapper theme;
        ASSERT_TRUE(theme.OpenThemeData(NULL, "BUTTON"));
        hTheme = theme.GetThemeHandle();
        EXPECT_TRUE(theme.OpenThemeData(NULL, "WINDOW")) << "the previous handle is closed first";
        EXPECT_NE(nullptr, theme.GetThemeHandle());
    }
    EXPECT_NE(nullptr, hTheme);
}

TEST(Ownership, CompatibleDCsGiveBackTheirBitmapAndLeaveNoContext)
{
    CGuiLeakCheck check;
    HBITMAP hBitmap = ::CreateBitmap(4, 4, 1, 32, NULL);
    ASSERT_NE(nullptr, hBitmap);
    {
        CKTCompatibleDC dc(NULL, hBitmap);
        ASSERT_NE(nullptr, dc.GetSafeHdc());
        EXPECT_EQ(hBitmap, ::GetCurrentObject(dc.GetSafeHdc(), OBJ_BITMAP));
        CKTCompatibleDC second(NULL, hBitmap);
        EXPECT_EQ(nullptr, second.GetSafeHdc()) << "a bitmap is selected into one context at a time";
    }
    {
        CKTCompatibleDC again(NULL, hBitmap);
        EXPECT_NE(nullptr, again.GetSafeHdc()) << "the first context let the bitmap go";
    }
    EXPECT_TRUE(::DeleteObject(hBitmap)) << "and so did the second: the bitmap is free to delete";
    EXPECT_TRUE(check.NoLeaks());
}

TEST(Ownership, ScreenDCGetsItsFontBackAndIsReleased)
{
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(100, "Tahoma"));
    {
        CKTScreenDC warmUp;  // the screen's context is cached once used
    }
    CGuiLeakCheck check;
    {
        CKTScreenDC screen;
        ASSERT_NE(nullptr, screen.GetSafeHdc());
        HGDIOBJ hScreenFont = ::GetCurrentObject(screen.GetSafeHdc(), OBJ_FONT);
        {
            CKTFontDC selected(&screen, &font);
            EXPECT_EQ(font.GetSafeHandle(), ::GetCurrentObject(screen.GetSafeHdc(), OBJ_FONT));
        }
        EXPECT_EQ(hScreenFont, ::GetCurrentObject(screen.GetSafeHdc(), OBJ_FONT)) << "the screen got its own font back";
    }
    EXPECT_TRUE(check.NoLeaks());
}
