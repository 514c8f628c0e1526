// StyleAndSharedDataTests.cpp: style colours and images, shared colours and fonts, colour values.
#include <gtest/gtest.h>

#include <afx.h>

#include "KTGlobalAuxData.h"
#include "KTPaintManagerColor.h"
#include "KTStyleResourceSet.h"
#include "TestSurface.h"

TEST(StyleResourceSet, NothingWithoutAModule)
{
    CKTStyleResourceSet set;
    EXPECT_FALSE(set.IsLoaded());
    EXPECT_EQ(static_cast<COLORREF>(-1), set.GetColor("Ribbon", "RecentFileListBackground"));
    EXPECT_EQ(nullptr, set.GetImage("FRAME"));
    EXPECT_EQ(KTStyleResourceSet(), KTStyleResourceSet());
}

TEST(StyleResourceSet, ColoursFromTheIniText)
{
    CKTStyleResourceSet set;
    ASSERT_TRUE(set.SetStyleModule(::GetModuleHandleA(NULL), "STYLE_INI"));
    EXPECT_TRUE(set.IsLoaded());
    EXPECT_EQ(RGB(255, 240, 16), set.GetColor("Ribbon", "RecentFileListBackground")) << "%i reads hexadecimal too";
    EXPECT_EQ(RGB(9, 9, 9), set.GetColor("other", "color")) << "names regardless of case";
    EXPECT_EQ(static_cast<COLORREF>(-1), set.GetColor("Ribbon", "RecentFileListEdgeShadow")) << "two numbers only";
    EXPECT_EQ(static_cast<COLORREF>(-1), set.GetColor("Ribbon", "Missing"));
    EXPECT_EQ(static_cast<COLORREF>(-1), set.GetColor("Other", "RecentFileListBackground"))
        << "keys of another section";
    set.SetStyleModule(NULL, NULL);
    EXPECT_FALSE(set.IsLoaded());
}

TEST(StyleResourceSet, ImagesAreCachedByName)
{
    CKTStyleResourceSet set;
    set.SetStyleModule(::GetModuleHandleA(NULL), "STYLE_INI");
    CKTStyleImage* pImage = set.GetImage("FRAME");
    ASSERT_NE(nullptr, pImage);
    EXPECT_EQ(pImage, set.GetImage("frame"));
    EXPECT_EQ(nullptr, set.GetImage(NULL));
    EXPECT_EQ(nullptr, set.GetImage("NO_SUCH_IMAGE"));
    EXPECT_EQ(6, pImage->GetWidth());
    EXPECT_EQ(12, pImage->GetHeight());
    EXPECT_EQ(CRect(0, 6, 6, 12), pImage->GetSource(1, 2));
    EXPECT_EQ(CRect(0, 0, 6, 4), pImage->GetSource(0, 3));
    CKTStyleImage empty;
    EXPECT_EQ(CRect(0, 0, 0, 0), empty.GetSource(0, 2));
    EXPECT_EQ(0, empty.GetWidth());
}

TEST(StyleImage, MarginsKeepTheirSizeWhenStretched)
{
    CKTStyleResourceSet set;
    set.SetStyleModule(::GetModuleHandleA(NULL), "STYLE_INI");
    CKTStyleImage* pImage = set.GetImage("FRAME");
    ASSERT_NE(nullptr, pImage);
    CTestSurface surface(40, 30, 32, RGB(0, 0, 0));
    pImage->DrawImagePart(surface.DC(), CRect(0, 0, 40, 30), pImage->GetSource(1, 2), 1, 1, 1, 1);
    EXPECT_EQ(RGB(255, 0, 0), surface.Pixel(0, 15)) << "left margin";
    EXPECT_EQ(RGB(255, 0, 0), surface.Pixel(39, 15)) << "right margin";
    EXPECT_EQ(RGB(255, 0, 0), surface.Pixel(20, 29)) << "bottom margin";
    EXPECT_EQ(RGB(0, 0, 255), surface.Pixel(1, 1)) << "one pixel in is the middle already";
    EXPECT_EQ(RGB(0, 0, 255), surface.Pixel(20, 15));
}

TEST(StyleImage, TransparentColourOfAnImageWithoutAlpha)
{
    CTestSurface source(4, 4, 32, RGB(255, 0, 255));
    source.DC()->FillSolidRect(1, 1, 2, 2, RGB(0, 128, 0));
    HBITMAP hBitmap = static_cast<HBITMAP>(::GetCurrentObject(source.DC()->GetSafeHdc(), OBJ_BITMAP));
    CKTStyleImage image;
    ASSERT_TRUE(image.LoadBitmap(hBitmap));
    EXPECT_FALSE(image.IsAlphaImage());
    CTestSurface target(4, 4, 32, RGB(1, 1, 1));
    image.DrawImage(target.DC(), CRect(0, 0, 4, 4), CRect(0, 0, 4, 4), CRect(0, 0, 0, 0), RGB(255, 0, 255));
    EXPECT_EQ(RGB(1, 1, 1), target.Pixel(0, 0));
    EXPECT_EQ(RGB(0, 128, 0), target.Pixel(1, 1));
    image.DrawImageWithFlags(target.DC(), CRect(0, 0, 4, 4), CRect(0, 0, 4, 4), CRect(0, 0, 0, 0),
                             static_cast<COLORREF>(-1), 0);
    EXPECT_EQ(RGB(255, 0, 255), target.Pixel(0, 0)) << "no transparent colour: drawn opaque";
}

TEST(GlobalAuxData, ColoursAndFontsOfTheSystem)
{
    CKTGlobalAuxData* pData = KTGlobalAuxData();
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), pData->clrBtnFace);
    EXPECT_EQ(::GetSysColor(COLOR_3DDKSHADOW), pData->clrBtnDkShadow);
    EXPECT_EQ(::GetSysColor(COLOR_INACTIVECAPTIONTEXT), pData->clrInactiveCaptionText);
    EXPECT_EQ(::GetSysColor(COLOR_MENUBAR), pData->clrToolkit[0]);
    LOGFONTA lf = {};
    ASSERT_TRUE(pData->fntVert.GetLogFont(&lf));
    EXPECT_EQ(2700, lf.lfEscapement);
    ASSERT_TRUE(pData->fntBold.GetLogFont(&lf));
    EXPECT_EQ(FW_BOLD, lf.lfWeight);
    EXPECT_GT(pData->nTextHeight, 6);
}

TEST(PaintManagerColor, CustomWinsStandardStaysUnderneath)
{
    CKTPaintManagerColor clr;
    EXPECT_EQ(static_cast<COLORREF>(-1), clr.GetColor());
    clr.SetStandardValue(RGB(1, 2, 3));
    clr.SetCustomValue(RGB(9, 9, 9));
    clr.SetStandardValue(RGB(4, 5, 6));
    EXPECT_EQ(RGB(9, 9, 9), static_cast<COLORREF>(clr));
    clr.SetDefaultValue();
    EXPECT_EQ(RGB(4, 5, 6), clr.GetColor());
}

TEST(PaintManagerColor, GradientSettersAndSerialisation)
{
    CKTPaintManagerColorGradient grc;
    EXPECT_EQ(0.5f, grc.fGradientFactor);
    grc.SetStandardValue(RGB(10, 10, 10), RGB(20, 20, 20), 0.25f);
    grc.clrDark.SetCustomValue(RGB(30, 30, 30));
    CKTPaintManagerColorGradient copy;
    copy.SetStandardValue(grc);
    EXPECT_EQ(RGB(30, 30, 30), copy.clrDark.GetStandardColor()) << "the effective colour is copied";
    EXPECT_EQ(0.25f, copy.fGradientFactor);
    copy.SetStandardValue(RGB(7, 7, 7));
    EXPECT_EQ(RGB(7, 7, 7), copy.clrLight.GetColor());
    EXPECT_EQ(0.5f, copy.fGradientFactor);

    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        grc.Serialize(ar);
    }
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    CKTPaintManagerColorGradient loaded;
    loaded.Serialize(ar);
    EXPECT_EQ(RGB(30, 30, 30), loaded.clrDark.GetColor());
    EXPECT_EQ(RGB(20, 20, 20), loaded.clrDark.GetStandardColor());
    EXPECT_EQ(0.25f, loaded.fGradientFactor);
}
