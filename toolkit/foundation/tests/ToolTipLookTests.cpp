// ToolTipLookTests.cpp: a shown tip holds every line of its tool whole, and nothing above the first.
#include <gtest/gtest.h>

#include <vector>

#include "KTToolTipController.h"
#include "PixelImage.h"
#include "TestWindows.h"

namespace
{

const char kPath[] = "C:\\Projects\\Alpha\\messages.def";

// Left half: a tab's tip, its caption over its path; right half: the path alone, as a one-line tip.
class CToolsWnd : public CTestParent
{
public:
    CToolsWnd() : CTestParent(300, 100) {}
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override
    {
        CRect rect;
        GetClientRect(&rect);
        if (point.x < rect.Width() / 2)
        {
            CKTToolTipController::FillInToolInfoEx(pTI, m_hWnd, rect, 1, kPath, "messages.def", NULL, 0);
            return 1;
        }
        CKTToolTipController::FillInToolInfoEx(pTI, m_hWnd, rect, 2, kPath, NULL, NULL, 0);
        return 2;
    }
};

class CScopedController : public CKTToolTipController
{
public:
    ~CScopedController() override {}
};

// The rows of the tip's inside (its one-pixel border left out) that hold dark text pixels.
std::vector<int> TextRows(const CPixelImage& image)
{
    std::vector<int> arrRows;
    for (int y = 1; y + 1 < image.Height(); y++)
    {
        for (int x = 1; x + 1 < image.Width(); x++)
        {
            const COLORREF clr = image.Pixel(x, y);
            if (GetRValue(clr) + GetGValue(clr) + GetBValue(clr) < 3 * 96)
            {
                arrRows.push_back(y);
                break;
            }
        }
    }
    return arrRows;
}

// The heights of the runs of consecutive text rows: one per line of text.
std::vector<int> LineHeights(const std::vector<int>& arrRows)
{
    std::vector<int> arrHeights;
    for (size_t i = 0; i < arrRows.size(); i++)
    {
        if (i == 0 || arrRows[i] != arrRows[i - 1] + 1)
            arrHeights.push_back(0);
        arrHeights.back()++;
    }
    return arrHeights;
}

class ToolTipLook : public ::testing::Test
{
protected:
    // Points at the tool with the real cursor, as the tip window checks it, and reads the shown tip back.
    CPixelImage ShowTip(CPoint pt)
    {
        CPoint ptScreen = pt;
        m_wnd.ClientToScreen(&ptScreen);
        ::SetCursorPos(ptScreen.x, ptScreen.y);
        m_controller.FilterToolTipMessage(&m_wnd, WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
        // Wine shows a window's painting only once its thread waits: read until the painted text is there.
        const HWND hTip = m_controller.GetToolTipWnd();
        CPixelImage image = CPixelImage::FromScreen(CRect());
        const auto shown = [&]
        {
            if (!::IsWindowVisible(hTip) || ::GetUpdateRect(hTip, NULL, FALSE))
                return false;
            CRect rc;
            ::GetWindowRect(hTip, rc);
            image = CPixelImage::FromScreen(rc);
            return !TextRows(image).empty();
        };
        EXPECT_TRUE(PumpUntil(shown, kColdWineDeadlineMs));
        m_controller.CancelToolTips();
        PumpMessages();
        return image;
    }

    CToolsWnd m_wnd;
    CScopedController m_controller;
};

}  // namespace

TEST_F(ToolTipLook, TitleAndTextShowWholeWithNoBandAbove)
{
    std::vector<int> arrAlone = TextRows(ShowTip(CPoint(200, 20)));
    CPixelImage image = ShowTip(CPoint(20, 20));
    std::vector<int> arrBoth = TextRows(image);
    ASSERT_EQ(1u, LineHeights(arrAlone).size());
    ASSERT_EQ(2u, LineHeights(arrBoth).size());
    EXPECT_EQ(LineHeights(arrAlone)[0], LineHeights(arrBoth)[1]) << "the path under the title is cut off";
    // The first line starts as high in either tip, and about as far from the top as the last ends from the bottom.
    EXPECT_EQ(arrAlone.front(), arrBoth.front()) << "a blank band above the text";
    const int nAbove = arrBoth.front() - 1, nBelow = image.Height() - 2 - arrBoth.back();
    EXPECT_LE(nAbove, nBelow + 3) << "a blank band above the text";
}
