// Pixels read back from a window, the screen and a memory DC, and a screenshot written as a PNG.
#include "MessagePump.h"
#include "NearColor.h"
#include "PixelImage.h"
#include "PlainWindow.h"
#include "Screenshot.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace
{

const COLORREF kBlue = RGB(20, 90, 200);
const COLORREF kOrange = RGB(250, 140, 20);

uint32_t BigEndian(const std::string& bytes, size_t nAt)
{
    uint32_t nValue = 0;
    for (size_t i = 0; i < 4; i++)
        nValue = (nValue << 8) | static_cast<unsigned char>(bytes[nAt + i]);
    return nValue;
}

}  // namespace

TEST(PixelImage, ReadsWhatTheWindowShows)
{
    CPlainWindow window(kBlue, {40, 40, 240, 190});
    CPlainWindow child(kOrange, {50, 40, 90, 70}, window.Handle());
    ::SetForegroundWindow(window.Handle());
    PumpMessages();
    CPixelImage image = CPixelImage::FromWindow(window.Handle());
    RECT rc;
    ::GetClientRect(window.Handle(), &rc);
    ASSERT_EQ(rc.right, image.Width());
    ASSERT_EQ(rc.bottom, image.Height());
    EXPECT_EQ(kBlue, image.Pixel(5, 5));
    EXPECT_EQ(kOrange, image.Pixel(60, 50));
    EXPECT_EQ(40 * 30, image.CountNear(kOrange, 0));
    EXPECT_EQ(CLR_INVALID, image.Pixel(rc.right, 0));
}

TEST(PixelImage, ReadsAMemoryDCWithinATolerance)
{
    HDC hdc = ::CreateCompatibleDC(nullptr);
    HBITMAP hBitmap = ::CreateBitmap(8, 4, 1, 32, nullptr);
    HGDIOBJ hOld = ::SelectObject(hdc, hBitmap);
    const RECT rcAll = {0, 0, 8, 4}, rcRight = {4, 0, 8, 4};
    HBRUSH hOrange = ::CreateSolidBrush(kOrange), hBlue = ::CreateSolidBrush(RGB(22, 88, 200));
    ::FillRect(hdc, &rcAll, hOrange);
    ::FillRect(hdc, &rcRight, hBlue);
    CPixelImage image = CPixelImage::FromDC(hdc, {2, 0, 8, 4});
    ::SelectObject(hdc, hOld);
    ::DeleteObject(hBitmap);
    ::DeleteObject(hOrange);
    ::DeleteObject(hBlue);
    ::DeleteDC(hdc);

    EXPECT_EQ(6, image.Width());
    EXPECT_EQ(kOrange, image.Pixel(1, 3));
    EXPECT_TRUE(NearColor(image.Pixel(2, 0), kBlue, 2));
    EXPECT_FALSE(NearColor(image.Pixel(2, 0), kBlue, 1));
    EXPECT_EQ(16, image.CountNear(kBlue));
}

TEST(PixelImage, ScreenshotIsAPngOfTheWholeWindow)
{
    CPlainWindow window(kOrange, {40, 40, 200, 160});
    ::SetForegroundWindow(window.Handle());
    PumpMessages();
    const std::string strPath = SaveScreenshot(window.Handle(), "support-screenshot");
    ASSERT_FALSE(strPath.empty());
    std::ifstream file(strPath, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    ASSERT_GT(bytes.size(), 24u);
    EXPECT_EQ(std::string("\x89PNG\r\n\x1a\n", 8), bytes.substr(0, 8));
    EXPECT_EQ(160u, BigEndian(bytes, 16));  // the header chunk's width and height
    EXPECT_EQ(120u, BigEndian(bytes, 20));
}
