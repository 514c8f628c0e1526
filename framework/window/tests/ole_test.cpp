// OLE data transfer: cached data comes back as copies, and a drop reaches
// the view registered for it with the offered text.
#include <gtest/gtest.h>
#include <cstring>
#include "afxole.h"
#include "testapp.h"

namespace {

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

class CDropView : public CView {
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

TEST(OleDropTarget, DropReachesTheRegisteredViewInClientCoordinates)
{
    ASSERT_TRUE(AfxOleInit());
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "drop parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100,
                                100, 300, 200, nullptr, nullptr));
    CDropView view;
    ASSERT_TRUE(view.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(10, 10, 200, 150), &parent, 1));
    COleDropTarget target;
    ASSERT_TRUE(target.Register(&view));

    COleDataSource source;
    source.CacheGlobalData(CF_TEXT, GlobalText("dropped"));
    IDataObject* pData = source.GetDataObject();
    CPoint ptScreen(30, 40);
    view.ClientToScreen(&ptScreen);
    POINTL pt = {ptScreen.x, ptScreen.y};
    IDropTarget* pTarget = target.GetDropTarget();
    DWORD dwEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    ASSERT_EQ(S_OK, pTarget->DragEnter(pData, MK_LBUTTON, pt, &dwEffect));
    EXPECT_EQ((DWORD)DROPEFFECT_COPY, dwEffect);
    dwEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    ASSERT_EQ(S_OK, pTarget->Drop(pData, 0, pt, &dwEffect));
    EXPECT_EQ((DWORD)DROPEFFECT_COPY, dwEffect);
    EXPECT_EQ("dropped", view.m_strDropped);
    EXPECT_EQ(CPoint(30, 40), view.m_ptDrop);
    pData->Release();
    target.Revoke();
    view.DestroyWindow();
    parent.DestroyWindow();
}

TEST(OleDropTarget, FailingHandlerRefusesTheDragAndTellsTheUser)
{
    ASSERT_TRUE(AfxOleInit());
    theApp.m_messages.clear();
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "drop parent", WS_OVERLAPPEDWINDOW, 100, 100, 300, 200,
                                nullptr, nullptr));
    CDropView view;
    view.m_bFailing = TRUE;
    ASSERT_TRUE(view.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(10, 10, 200, 150), &parent, 1));
    COleDropTarget target;
    ASSERT_TRUE(target.Register(&view));
    COleDataSource source;
    source.CacheGlobalData(CF_TEXT, GlobalText("dropped"));
    IDataObject* pData = source.GetDataObject();
    POINTL pt = {120, 130};
    DWORD dwEffect = DROPEFFECT_COPY;
    EXPECT_EQ(S_OK, target.GetDropTarget()->DragEnter(pData, MK_LBUTTON, pt, &dwEffect));
    EXPECT_EQ((DWORD)DROPEFFECT_NONE, dwEffect);
    ASSERT_EQ(1u, theApp.m_messages.size());
    EXPECT_EQ("Out of memory.", std::string(theApp.m_messages[0]));
    dwEffect = DROPEFFECT_COPY;
    EXPECT_EQ(S_OK, target.GetDropTarget()->Drop(pData, 0, pt, &dwEffect));
    EXPECT_EQ((DWORD)DROPEFFECT_NONE, dwEffect);
    EXPECT_TRUE(view.m_strDropped.empty());
    pData->Release();
    target.Revoke();
    view.DestroyWindow();
    parent.DestroyWindow();
}
