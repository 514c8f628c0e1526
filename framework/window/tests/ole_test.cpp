// OLE data transfer: cached data comes back as copies, and a drop reaches
// the view registered for it with the offered text.
#include <gtest/gtest.h>
#include <cstring>
#include "afxole.h"
#include "TestApp.h"

namespace
{

HGLOBAL GlobalText(const char* psz)
{
    HGLOBAL hGlobal = ::GlobalAlloc(GMEM_MOVEABLE, strlen(psz) + 1);
    strcpy((char*)::GlobalLock(hGlobal), psz);
    ::GlobalUnlock(hGlobal);
    return hGlobal;
}

std::string TextOf(HGLOBAL hGlobal)
{
    std::string str = (const char*)::GlobalLock(hGlobal);
    ::GlobalUnlock(hGlobal);
    return str;
}

class CDropView : public CView
{
public:
    std::string m_strDropped;
    CPoint m_ptDrop;
    int m_nLeaves = 0;
    void OnDraw(CDC*) override {}
    BOOL m_bFailing = FALSE;  // its drag handlers run out of memory
    DWORD OnDragEnter(COleDataObject* pDataObject, DWORD, CPoint) override
    {
        if (m_bFailing)
            AfxThrowMemoryException();
        return pDataObject->IsDataAvailable(CF_TEXT) ? DROPEFFECT_COPY : DROPEFFECT_NONE;
    }
    DWORD OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override
    {
        return OnDragEnter(pDataObject, dwKeyState, point);
    }
    void OnDragLeave() override { m_nLeaves++; }
    BOOL OnDrop(COleDataObject* pDataObject, DWORD, CPoint point) override
    {
        HGLOBAL hText = pDataObject->GetGlobalData(CF_TEXT);
        if (!hText)
            return FALSE;
        m_strDropped = TextOf(hText);
        ::GlobalFree(hText);
        m_ptDrop = point;
        return TRUE;
    }

protected:
    void PostNcDestroy() override {}
};

}  // namespace

TEST(OleData, CachedTextComesBackAsTheCallersOwnCopy)
{
    ASSERT_TRUE(AfxOleInit());
    COleDataSource source;
    source.CacheGlobalData(CF_TEXT, GlobalText("dragged text"));
    COleDataObject data;
    data.Attach(source.GetDataObject());
    EXPECT_TRUE(data.IsDataAvailable(CF_TEXT));
    EXPECT_FALSE(data.IsDataAvailable(CF_HDROP));
    HGLOBAL hFirst = data.GetGlobalData(CF_TEXT);
    HGLOBAL hSecond = data.GetGlobalData(CF_TEXT);
    ASSERT_TRUE(hFirst && hSecond);
    EXPECT_NE(hFirst, hSecond);
    EXPECT_EQ("dragged text", TextOf(hFirst));
    ::GlobalFree(hFirst);
    ::GlobalFree(hSecond);
    EXPECT_EQ(nullptr, data.GetGlobalData(CF_HDROP));
}

TEST(OleData, UnreadableCachedBlockGivesNoData)
{
    ASSERT_TRUE(AfxOleInit());
    COleDataSource source;
    // A discarded block: its handle is valid but it has no memory to read.
    HGLOBAL hDiscarded = ::GlobalAlloc(GMEM_MOVEABLE, 0);
    ASSERT_NE(nullptr, hDiscarded);
    source.CacheGlobalData(CF_TEXT, hDiscarded);
    COleDataObject data;
    data.Attach(source.GetDataObject());
    HGLOBAL hCopy = data.GetGlobalData(CF_TEXT);
    EXPECT_EQ(nullptr, hCopy) << "an unreadable copy was handed out as data";
    if (hCopy)
        ::GlobalFree(hCopy);
}

// A view registered for drops in a window of its own, and text offered to it.
class OleDropTarget : public ::testing::Test
{
protected:
    CWnd m_parent;
    CDropView m_view;
    COleDropTarget m_target;
    COleDataSource m_source;
    IDataObject* m_pData = nullptr;
    void SetUp() override
    {
        ASSERT_TRUE(AfxOleInit());
        theApp.m_messages.clear();
        ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0), "drop parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100,
                                      100, 300, 200, nullptr, nullptr));
        ASSERT_TRUE(m_view.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(10, 10, 200, 150), &m_parent, 1));
        ASSERT_TRUE(m_target.Register(&m_view));
        m_source.CacheGlobalData(CF_TEXT, GlobalText("dropped"));
        m_pData = m_source.GetDataObject();
    }
    void TearDown() override
    {
        if (m_pData)
            m_pData->Release();
        m_target.Revoke();
        m_view.DestroyWindow();
        m_parent.DestroyWindow();
    }
    // The screen point of a point in the view.
    POINTL ScreenPoint(int x, int y)
    {
        CPoint point(x, y);
        m_view.ClientToScreen(&point);
        return {point.x, point.y};
    }
};

TEST_F(OleDropTarget, DropReachesTheRegisteredViewInClientCoordinates)
{
    POINTL pt = ScreenPoint(30, 40);
    IDropTarget* pTarget = m_target.GetDropTarget();
    DWORD dwEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    ASSERT_EQ(S_OK, pTarget->DragEnter(m_pData, MK_LBUTTON, pt, &dwEffect));
    EXPECT_EQ((DWORD)DROPEFFECT_COPY, dwEffect);
    dwEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    ASSERT_EQ(S_OK, pTarget->Drop(m_pData, 0, pt, &dwEffect));
    EXPECT_EQ((DWORD)DROPEFFECT_COPY, dwEffect);
    EXPECT_EQ("dropped", m_view.m_strDropped);
    EXPECT_EQ(CPoint(30, 40), m_view.m_ptDrop);
}

TEST_F(OleDropTarget, FailingHandlerRefusesTheDragAndTellsTheUser)
{
    m_view.m_bFailing = TRUE;
    POINTL pt = ScreenPoint(30, 40);
    IDropTarget* pTarget = m_target.GetDropTarget();
    DWORD dwEffect = DROPEFFECT_COPY;
    EXPECT_EQ(S_OK, pTarget->DragEnter(m_pData, MK_LBUTTON, pt, &dwEffect));
    EXPECT_EQ((DWORD)DROPEFFECT_NONE, dwEffect);
    ASSERT_EQ(1u, theApp.m_messages.size());
    EXPECT_EQ("Out of memory.", std::string(theApp.m_messages[0]));
    dwEffect = DROPEFFECT_COPY;
    EXPECT_EQ(S_OK, pTarget->Drop(m_pData, 0, pt, &dwEffect));
    EXPECT_EQ((DWORD)DROPEFFECT_NONE, dwEffect);
    EXPECT_TRUE(m_view.m_strDropped.empty());
}
