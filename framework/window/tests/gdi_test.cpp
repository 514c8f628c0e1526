// GDI wrappers: each frees what it owns, never what it borrows; the
// geometry types; selection through the scoped DCs.
#include <gtest/gtest.h>
#include "afxwin.h"
#include "afxpriv.h"

TEST(GdiOwnership, CreatedObjectsAreDeletedWithTheirWrapper)
{
    HGDIOBJ hPen, hBrush, hFont, hBitmap, hRgn;
    {
        CPen pen(PS_SOLID, 1, RGB(255, 0, 0));
        CBrush brush(RGB(0, 255, 0));
        CFont font;
        ASSERT_TRUE(font.CreatePointFont(90, "Tahoma"));
        CBitmap bitmap;
        ASSERT_TRUE(bitmap.CreateBitmap(4, 4, 1, 32, nullptr));
        CRgn rgn;
        ASSERT_TRUE(rgn.CreateRectRgn(0, 0, 10, 10));
        hPen = pen.m_hObject;
        hBrush = brush.m_hObject;
        hFont = font.m_hObject;
        hBitmap = bitmap.m_hObject;
        hRgn = rgn.m_hObject;
        EXPECT_EQ(OBJ_PEN, (int)::GetObjectType(hPen));
        EXPECT_EQ(OBJ_BRUSH, (int)::GetObjectType(hBrush));
        EXPECT_EQ(OBJ_FONT, (int)::GetObjectType(hFont));
        EXPECT_EQ(OBJ_BITMAP, (int)::GetObjectType(hBitmap));
        EXPECT_EQ(OBJ_REGION, (int)::GetObjectType(hRgn));
    }
    EXPECT_EQ(0u, ::GetObjectType(hPen));
    EXPECT_EQ(0u, ::GetObjectType(hBrush));
    EXPECT_EQ(0u, ::GetObjectType(hFont));
    EXPECT_EQ(0u, ::GetObjectType(hBitmap));
    EXPECT_EQ(0u, ::GetObjectType(hRgn));
}

TEST(GdiOwnership, DetachedAndBorrowedHandlesSurvive)
{
    HPEN hPen = ::CreatePen(PS_SOLID, 2, RGB(0, 0, 255));
    {
        CPen* pTemp = CPen::FromHandle(hPen);
        ASSERT_NE(nullptr, pTemp);
        EXPECT_EQ(hPen, (HPEN)*pTemp);
        EXPECT_GT(AfxGetTempObjectCount(), 0);
        AfxDeleteTempMaps();
        EXPECT_EQ(0, AfxGetTempObjectCount());
    }
    EXPECT_EQ(OBJ_PEN, (int)::GetObjectType(hPen)) << "a temporary wrapper freed a borrowed pen";
    {
        CPen pen;
        pen.Attach(hPen);
        EXPECT_EQ(&pen, CPen::FromHandle(hPen)) << "an attached wrapper is the permanent one";
        EXPECT_EQ(hPen, pen.Detach());
    }
    EXPECT_EQ(OBJ_PEN, (int)::GetObjectType(hPen)) << "a detached wrapper freed its former pen";
    ::DeleteObject(hPen);
}

TEST(GdiOwnership, ObjectMadeAnewFreesTheOneItHeld)
{
    CBrush brush(RGB(1, 2, 3));
    HGDIOBJ hFirstBrush = brush.m_hObject;
    ASSERT_TRUE(brush.CreateSolidBrush(RGB(4, 5, 6)));
    EXPECT_EQ(0u, ::GetObjectType(hFirstBrush));
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    HDC hFirstDC = dc.m_hDC;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    EXPECT_EQ(0u, ::GetObjectType(hFirstDC));
    EXPECT_EQ(OBJ_MEMDC, (int)::GetObjectType(dc.m_hDC));
}

TEST(GdiOwnership, MemoryDcRestoresAndFreesWhatItSelected)
{
    CClientDC screen(nullptr);
    HDC hMemDC;
    HGDIOBJ hBitmap;
    {
        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(&screen));
        hMemDC = dc.m_hDC;
        CBitmap bitmap;
        ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen, 8, 8));
        hBitmap = bitmap.m_hObject;
        CBitmap* pOld = dc.SelectObject(&bitmap);
        ASSERT_NE(nullptr, pOld);
        dc.FillSolidRect(0, 0, 8, 8, RGB(10, 20, 30));
        EXPECT_EQ(RGB(10, 20, 30), dc.GetPixel(3, 3));
        EXPECT_EQ(&bitmap, dc.GetCurrentBitmap());
        dc.SelectObject(pOld);
    }
    EXPECT_EQ(0u, ::GetObjectType(hMemDC));
    EXPECT_EQ(0u, ::GetObjectType(hBitmap));
    AfxDeleteTempMaps();
}

TEST(GdiOwnership, PointFontHeightFollowsTheScreenResolution)
{
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(120, "Arial"));
    LOGFONT lf;
    ASSERT_NE(0, font.GetLogFont(&lf));
    CClientDC dc(nullptr);
    EXPECT_EQ(-::MulDiv(12, dc.GetDeviceCaps(LOGPIXELSY), 72), lf.lfHeight);
    EXPECT_STREQ("Arial", lf.lfFaceName);
}

TEST(Geometry, RectangleOperations)
{
    CRect rect(10, 20, 110, 70);
    EXPECT_EQ(100, rect.Width());
    EXPECT_EQ(50, rect.Height());
    EXPECT_EQ(CPoint(60, 45), rect.CenterPoint());
    rect.DeflateRect(5, 5);
    EXPECT_EQ(CRect(15, 25, 105, 65), rect);
    rect.OffsetRect(CPoint(-15, -25));
    EXPECT_EQ(CPoint(0, 0), rect.TopLeft());
    EXPECT_TRUE(rect.PtInRect(CPoint(89, 39)));
    EXPECT_FALSE(rect.PtInRect(CPoint(90, 40)));
    CRect other(50, 30, 200, 200);
    EXPECT_EQ(CRect(50, 30, 90, 40), rect & other);
    EXPECT_EQ(CRect(0, 0, 200, 200), rect | other);
    rect.MoveToXY(5, 6);
    EXPECT_EQ(CRect(5, 6, 95, 46), rect);
    CRect flipped(10, 10, 0, 0);
    flipped.NormalizeRect();
    EXPECT_EQ(CRect(0, 0, 10, 10), flipped);
    EXPECT_EQ(CSize(3, 4), CPoint(5, 7) - CPoint(2, 3));
    EXPECT_EQ(CPoint(-1, 2), CPoint(MAKELPARAM(-1, 2)));
}
