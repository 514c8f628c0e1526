// ImageManagerTests.cpp: PNG decoding, icon sets, derived images, resampling and drawing.
#include <gtest/gtest.h>

#include <afx.h>

#include "FoundationTestsRes.h"
#include "KTImageManager.h"
#include "KTPropExchange.h"
#include "KTResourceManager.h"
#include "KTDrawObjects.h"
#include "TestSurface.h"

namespace
{

void ExpectPixel(const CKTAlphaBitmap& image, int x, int y, COLORREF clr, BYTE alpha)
{
    COLORREF clrActual = 0;
    BYTE alphaActual = 0;
    ASSERT_TRUE(image.GetPixel(x, y, clrActual, alphaActual));
    EXPECT_EQ(alpha, alphaActual) << "alpha at " << x << "," << y;
    if (alpha)
    {
        EXPECT_TRUE(NearColor(clr, clrActual, 2)) << std::hex << clrActual << " at " << x << "," << y;
    }
}

BOOL LoadPngResource(UINT nID, CKTAlphaBitmap& image)
{
    DWORD cb = 0;
    const void* pData = KTResourceManager()->LoadResourceData(MAKEINTRESOURCEA(nID), "PNG", &cb);
    return pData && image.LoadPng(pData, cb);
}

}  // namespace

TEST(PngDecoding, ResourceDecodesToPremultipliedThirtyTwoBitPixels)
{
    CKTAlphaBitmap image;
    ASSERT_TRUE(LoadPngResource(IDR_TEST_PIXELS, image));
    EXPECT_EQ(3, image.GetWidth());
    EXPECT_EQ(2, image.GetHeight());
    BITMAP bm = {};
    ASSERT_TRUE(::GetObject(image.GetHandle(), sizeof(bm), &bm));
    EXPECT_EQ(32, bm.bmBitsPixel);
    ExpectPixel(image, 0, 0, RGB(255, 0, 0), 255);
    ExpectPixel(image, 1, 0, RGB(0, 255, 0), 128);
    ExpectPixel(image, 2, 0, 0, 0);
    ExpectPixel(image, 0, 1, RGB(255, 255, 255), 255);
    ExpectPixel(image, 2, 1, RGB(10, 20, 30), 255);
    // The raw bits: bottom row first, blue-green-red-alpha, premultiplied.
    const BYTE* pBits = image.GetBits();
    EXPECT_EQ(30, pBits[8]);
    EXPECT_EQ(10, pBits[10]);
    const BYTE* pHalfGreen = pBits + 3 * 4 + 4;
    EXPECT_EQ(128, pHalfGreen[1]);
    EXPECT_EQ(128, pHalfGreen[3]);
}

TEST(PngDecoding, BrokenDataIsRefused)
{
    CKTAlphaBitmap image;
    EXPECT_FALSE(image.LoadPng(nullptr, 0));
    const char notPng[] = "certainly not an image";
    EXPECT_FALSE(image.LoadPng(notPng, sizeof(notPng)));
    DWORD cb = 0;
    const BYTE* pData =
        static_cast<const BYTE*>(KTResourceManager()->LoadResourceData(MAKEINTRESOURCEA(IDR_TEST_PIXELS), "PNG", &cb));
    ASSERT_NE(nullptr, pData);
    EXPECT_FALSE(image.LoadPng(pData, cb / 2)) << "a truncated file";
    EXPECT_TRUE(image.IsEmpty());
    // A header that claims a huge image must not be allocated.
    std::vector<BYTE> huge(pData, pData + cb);
    huge[16] = 0x7F;  // width's high byte
    EXPECT_FALSE(image.LoadPng(huge.data(), huge.size()));
}

TEST(ImageManager, PngStripGivesEachIdItsSlice)
{
    CKTImageManager manager;
    UINT ids[] = {100, 0, 101};
    ASSERT_TRUE(manager.SetIcons(IDR_TEST_STRIP, ids, 3, CSize(4, 4)));
    CKTImageManagerIcon* pRed = manager.GetImage(100, 4);
    CKTImageManagerIcon* pBlue = manager.GetImage(101, 4);
    ASSERT_NE(nullptr, pRed);
    ASSERT_NE(nullptr, pBlue);
    EXPECT_EQ(4, pRed->m_nWidth);
    EXPECT_EQ(4, pRed->m_nHeight);
    ExpectPixel(pRed->GetImage(ktImageNormal), 3, 3, RGB(255, 0, 0), 255);
    ExpectPixel(pBlue->GetImage(ktImageNormal), 0, 0, RGB(0, 0, 255), 255);
    EXPECT_EQ(nullptr, manager.GetImage(0, 4));
    EXPECT_EQ(nullptr, manager.GetImage(555, 16));
    EXPECT_FALSE(manager.SetIcons(4711, ids, 3, CSize(4, 4))) << "no such resource";
}

TEST(ImageManager, PlainBitmapStripLosesItsGreyBackground)
{
    CKTImageManager manager;
    UINT ids[] = {30, 31};
    ASSERT_TRUE(manager.SetIcons(IDR_TEST_BITMAP_ONLY, ids, 2, CSize(4, 4)));
    const CKTAlphaBitmap& image = manager.GetImage(30, 4)->GetImage(ktImageNormal);
    ExpectPixel(image, 0, 0, 0, 0);
    ExpectPixel(image, 1, 0, RGB(255, 0, 0), 255);
    ExpectPixel(image, 3, 3, 0, 0);
    ExpectPixel(manager.GetImage(31, 4)->GetImage(ktImageNormal), 0, 0, RGB(0, 0, 255), 255);
}

TEST(ImageManager, AlphaBitmapResourceIsPremultipliedOnLoad)
{
    CKTAlphaBitmap strip;
    ASSERT_TRUE(CKTImageManager::LoadStrip(IDR_TEST_ALPHA_BITMAP, strip));
    ExpectPixel(strip, 0, 0, RGB(200, 100, 50), 128);
    ExpectPixel(strip, 1, 0, RGB(255, 0, 0), 255);
    EXPECT_EQ(100, strip.GetBits()[2]) << "red 200 at half alpha";
}

TEST(ImageManager, WidthsPickExactNearestSmallestLargest)
{
    CKTImageManager manager;
    CKTAlphaBitmap image;
    ASSERT_TRUE(LoadPngResource(IDR_TEST_STRIP, image));
    UINT id = 7;
    manager.SetIcons(image, &id, 1, CSize(4, 4));
    CKTAlphaBitmap big;
    big.Scale(image, 32, 16);
    EXPECT_TRUE(manager.SetIcon(CKTImageManagerIconHandle(big.GetHandle()), 7, CSize(0, 0)));
    EXPECT_EQ(4, manager.GetImage(7, 0)->m_nWidth);
    EXPECT_EQ(32, manager.GetImage(7, 1)->m_nWidth);
    EXPECT_EQ(32, manager.GetImage(7, 24)->m_nWidth);
    EXPECT_EQ(4, manager.GetImage(7, 10)->m_nWidth);
    EXPECT_EQ(32, manager.GetImage(7, 32)->m_nWidth);
}

TEST(ImageManagerIcon, StatesFallBackToNormalAndHot)
{
    CKTImageManager manager;
    CKTAlphaBitmap image;
    ASSERT_TRUE(LoadPngResource(IDR_TEST_STRIP, image));
    UINT ids[] = {1, 2};
    manager.SetIcons(image, ids, 2, CSize(4, 4));
    manager.SetIcons(image, ids + 1, 1, CSize(4, 4), ktImageHot);  // red slice as hot image of 2
    CKTImageManagerIcon* pIcon = manager.GetImage(2, 4);
    ASSERT_NE(nullptr, pIcon);
    EXPECT_NE(pIcon->GetIcon().GetBitmap(), pIcon->GetHotIcon().GetBitmap());
    EXPECT_EQ(pIcon->GetHotIcon().GetBitmap(), pIcon->GetCheckedIcon().GetBitmap());
    EXPECT_EQ(pIcon->GetHotIcon().GetBitmap(), pIcon->GetPressedIcon().GetBitmap());
    CKTImageManagerIcon* pPlain = manager.GetImage(1, 4);
    EXPECT_EQ(pPlain->GetIcon().GetBitmap(), pPlain->GetPressedIcon().GetBitmap());
    EXPECT_FALSE(pPlain->HasDisabledIcon());
    EXPECT_TRUE(pPlain->GetDisabledIcon(FALSE).IsEmpty()) << "nothing derived unless asked";
    EXPECT_FALSE(pPlain->GetDisabledIcon(TRUE).IsEmpty());
}

TEST(ImageManagerIcon, DerivedImagesFollowTheNormalOne)
{
    CKTImageManager manager;
    CKTAlphaBitmap image;
    ASSERT_TRUE(LoadPngResource(IDR_TEST_PIXELS, image));
    UINT id = 9;
    manager.SetIcons(image, &id, 1, CSize(3, 2));
    CKTImageManagerIcon* pIcon = manager.GetImage(9, 3);
    pIcon->CreateDisabledIcon(RGB(255, 255, 255), RGB(0, 0, 0));
    CKTAlphaBitmap disabled;
    disabled.LoadBitmap(pIcon->GetDisabledIcon(FALSE).GetBitmap(), static_cast<COLORREF>(-1));
    ExpectPixel(disabled, 0, 1, RGB(255, 255, 255), 255);  // white stays light
    ExpectPixel(disabled, 1, 1, RGB(0, 0, 0), 255);        // black stays dark
    ExpectPixel(disabled, 0, 0, RGB(76, 76, 76), 255);     // red's luminance
    ExpectPixel(disabled, 2, 0, 0, 0);                     // transparent stays so

    CKTAlphaBitmap shadow;
    shadow.LoadBitmap(pIcon->GetShadowIcon().GetBitmap(), static_cast<COLORREF>(-1));
    ExpectPixel(shadow, 0, 0, ::GetSysColor(COLOR_BTNSHADOW), 127);
    HBITMAP hFaded = pIcon->GetFadedIcon().GetBitmap();
    EXPECT_NE(nullptr, hFaded);
    manager.RefreshAll();
    EXPECT_TRUE(pIcon->GetDisabledIcon(FALSE).IsEmpty()) << "a refresh drops derived images";
}

TEST(ImageManagerIcon, DrawBlendsOverTheBackground)
{
    CKTAlphaBitmap image;
    ASSERT_TRUE(LoadPngResource(IDR_TEST_PIXELS, image));
    CKTImageManagerIcon icon(1, 3, 2);
    icon.SetImage(std::move(image), ktImageNormal);
    CTestSurface surface(10, 10, 32, RGB(0, 0, 0));
    icon.DrawNormal(surface.DC(), CPoint(2, 2));
    EXPECT_EQ(RGB(255, 0, 0), surface.Pixel(2, 2));
    EXPECT_TRUE(NearColor(RGB(0, 128, 0), surface.Pixel(3, 2), 2));
    EXPECT_EQ(RGB(0, 0, 0), surface.Pixel(4, 2)) << "transparent pixels leave the background";
    icon.DrawMono(surface.DC(), CPoint(6, 6), icon.GetIcon(), CSize(0, 0), RGB(0, 0, 255));
    EXPECT_EQ(RGB(0, 0, 255), surface.Pixel(6, 6));
    EXPECT_EQ(RGB(0, 0, 0), surface.Pixel(8, 6));
}

TEST(ImageManagerIcon, IconsAreMeasuredScaledAndOwnedByTheCaller)
{
    CKTAlphaBitmap image;
    ASSERT_TRUE(LoadPngResource(IDR_TEST_STRIP, image));
    HICON hIcon = image.CreateIcon();
    ASSERT_NE(nullptr, hIcon);
    EXPECT_EQ(CSize(8, 4), CKTImageManagerIcon::GetExtent(hIcon));
    EXPECT_EQ(CSize(0, 0), CKTImageManagerIcon::GetExtent(NULL));
    HICON hHalf = CKTImageManagerIcon::ScaleToFit(hIcon, CSize(8, 4), 4);
    ASSERT_NE(nullptr, hHalf);
    EXPECT_EQ(CSize(4, 2), CKTImageManagerIcon::GetExtent(hHalf));
    HICON hCopy = CKTImageManagerIcon::ScaleToFit(hIcon, CSize(8, 4), 8);
    EXPECT_NE(nullptr, hCopy);
    EXPECT_NE(hIcon, hCopy);
    EXPECT_EQ(nullptr, CKTImageManagerIcon::ScaleToFit(hIcon, CSize(0, 4), 8));
    CKTAlphaBitmap back;
    ASSERT_TRUE(back.LoadIcon(hHalf));
    ExpectPixel(back, 0, 0, RGB(255, 0, 0), 255);
    ExpectPixel(back, 3, 1, RGB(0, 0, 255), 255);
    ::DestroyIcon(hIcon);
    ::DestroyIcon(hHalf);
    ::DestroyIcon(hCopy);
}

namespace
{

// The two pixels of a 2 x 1 icon's colour bitmap, left first, as stored.
std::vector<RGBQUAD> IconColourPixels(HICON hIcon)
{
    std::vector<RGBQUAD> pixels(2);
    ICONINFO info = {};
    if (!::GetIconInfo(hIcon, &info))
        return {};
    BITMAPINFO bmi = {};
    bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), 2, 1, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    CKTScreenDC screen;
    int nLines = ::GetDIBits(screen.GetSafeHdc(), info.hbmColor, 0, 1, pixels.data(), &bmi, DIB_RGB_COLORS);
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    return nLines == 1 ? pixels : std::vector<RGBQUAD>();
}

}  // namespace

TEST(ImageManagerIcon, TranslucentPixelsKeepTheirColourThroughIcons)
{
    // An icon as the system makes them: straight alpha in its colour bitmap.
    LPBYTE pBits = NULL;
    HBITMAP hColour = CKTAlphaBitmap::Create32BPPDIBSection(NULL, 2, 1, &pBits);
    ASSERT_NE(nullptr, hColour);
    const BYTE straight[8] = {50, 100, 200, 128, 30, 20, 10, 255};
    memcpy(pBits, straight, sizeof(straight));
    const WORD maskBits[1] = {0};
    HBITMAP hMask = ::CreateBitmap(2, 1, 1, 1, maskBits);
    ICONINFO info = {TRUE, 0, 0, hMask, hColour};
    HICON hIcon = ::CreateIconIndirect(&info);
    ::DeleteObject(hMask);
    ::DeleteObject(hColour);
    ASSERT_NE(nullptr, hIcon);

    CKTAlphaBitmap image;
    ASSERT_TRUE(image.LoadIcon(hIcon));
    ExpectPixel(image, 0, 0, RGB(200, 100, 50), 128);
    ExpectPixel(image, 1, 0, RGB(10, 20, 30), 255);
    ::DestroyIcon(hIcon);

    HICON hBack = image.CreateIcon();
    ASSERT_NE(nullptr, hBack);
    std::vector<RGBQUAD> pixels = IconColourPixels(hBack);
    ::DestroyIcon(hBack);
    ASSERT_EQ(2u, pixels.size());
    EXPECT_EQ(128, pixels[0].rgbReserved);
    EXPECT_TRUE(NearColor(RGB(200, 100, 50), RGB(pixels[0].rgbRed, pixels[0].rgbGreen, pixels[0].rgbBlue), 2))
        << "the icon we make keeps straight alpha: " << int(pixels[0].rgbRed);
}

TEST(ImageManager, OldStyleIconKeepsItsMask)
{
    BYTE andBits[4 * 4 / 8 * 2 + 8] = {};
    BYTE xorBits[sizeof(andBits)] = {};
    andBits[0] = 0x80;  // top-left pixel transparent (rows are WORD aligned)
    HICON hIcon = ::CreateIcon(NULL, 4, 4, 1, 1, andBits, xorBits);
    ASSERT_NE(nullptr, hIcon);
    CKTAlphaBitmap image;
    ASSERT_TRUE(image.LoadIcon(hIcon));
    ExpectPixel(image, 0, 0, 0, 0);
    ExpectPixel(image, 1, 0, RGB(0, 0, 0), 255);
    ::DestroyIcon(hIcon);
}

TEST(ImageManager, BitmapPixelAndDibSection)
{
    LPBYTE pBits = NULL;
    HBITMAP hBitmap = CKTImageManager::Create32BPPDIBSection(NULL, 2, 2, &pBits);
    ASSERT_NE(nullptr, hBitmap);
    ASSERT_NE(nullptr, pBits);
    BITMAP bm = {};
    ::GetObject(hBitmap, sizeof(bm), &bm);
    EXPECT_EQ(32, bm.bmBitsPixel);
    EXPECT_EQ(1, bm.bmPlanes);
    pBits[0] = 30, pBits[1] = 20, pBits[2] = 10;  // bottom-left pixel
    EXPECT_EQ(RGB(10, 20, 30), CKTImageManager::GetBitmapPixel(hBitmap, 0, 1));
    ::DeleteObject(hBitmap);
    EXPECT_EQ(nullptr, CKTImageManager::Create32BPPDIBSection(NULL, 0, 2, &pBits));
}

TEST(ImageManager, IconSetExchangeRoundTrip)
{
    CKTImageManager source;
    UINT ids[] = {20, 21};
    ASSERT_TRUE(source.SetIcons(IDR_TEST_STRIP, ids, 2, CSize(4, 4)));
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        CKTPropExchangeArchive px(ar);
        source.ExchangeIconSet(21, &px);
    }
    file.SeekToBegin();
    CKTImageManager target;
    {
        CArchive ar(&file, CArchive::load);
        CKTPropExchangeArchive px(ar);
        target.ExchangeIconSet(21, &px);
        EXPECT_FALSE(px.IsFailed());
    }
    CKTImageManagerIcon* pIcon = target.GetImage(21, 4);
    ASSERT_NE(nullptr, pIcon);
    ExpectPixel(pIcon->GetImage(ktImageNormal), 2, 2, RGB(0, 0, 255), 255);
    EXPECT_TRUE(pIcon->GetImage(ktImageHot).IsEmpty());
}
