// Something dragged over the tab client by OLE drag and drop, from a real source with real input.
#include <gtest/gtest.h>

#include <afxole.h>

#include <atomic>
#include <cstring>

#include "LoopInput.h"
#include "TabClientFrame.h"

namespace
{
// Starts a real OLE drag of some text when pressed, and keeps the effect the drop gave.
class CDragSource : public CWnd
{
public:
    CDragSource()
    {
        CreateEx(0, AfxRegisterWndClass(0), "Kestova drag source", WS_POPUP | WS_BORDER | WS_VISIBLE,
                 CRect(720, 600, 820, 660), NULL, 0);
    }
    ~CDragSource() override { DestroyWindow(); }

    std::atomic<bool> m_bDragging{false};
    DROPEFFECT m_dropEffect = DROPEFFECT_COPY;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message != WM_LBUTTONDOWN)
            return CWnd::WindowProc(message, wParam, lParam);
        COleDataSource source;
        HGLOBAL hText = ::GlobalAlloc(GMEM_MOVEABLE, 5);
        if (!hText)
            return 0;
        std::memcpy(::GlobalLock(hText), "text", 5);
        ::GlobalUnlock(hText);
        source.CacheGlobalData(CF_TEXT, hText);
        m_bDragging = true;
        m_dropEffect = source.DoDragDrop(DROPEFFECT_COPY);
        m_bDragging = false;
        return 0;
    }
};
}  // namespace

TEST(TabClientOleDrag, HoveringATabActivatesItsChildAndTheClientTakesNoDrop)
{
    ASSERT_TRUE(AfxOleInit());
    CTabClientFrame frame;
    CTabTestChild* pFirst = frame.AddChild("Child 1");
    frame.AddChild("Child 2");
    HWND hTarget = pFirst->GetSafeHwnd();
    HWND hClient = frame.m_wndClient.GetSafeHwnd();
    ASSERT_NE(hTarget, ::GetWindow(hClient, GW_CHILD)) << "the newest child is the active one";
    CDragSource source;
    CPoint ptTab = frame.CentreOf(frame.m_wndClient.FindItem(hTarget));
    frame.m_wndClient.ClientToScreen(&ptTab);
    source.ScreenToClient(&ptTab);
    CLoopInput input(source.GetSafeHwnd());
    ASSERT_TRUE(input.Press(CPoint(20, 20))
                    .Await([&source] { return source.m_bDragging.load(); })
                    .Move(CPoint(30, 30))
                    .Move(ptTab)
                    .Await([hClient, hTarget] { return ::GetWindow(hClient, GW_CHILD) == hTarget; })
                    .Release()
                    .Run());
    EXPECT_EQ(hTarget, reinterpret_cast<HWND>(frame.m_wndClient.SendMessage(WM_MDIGETACTIVE)));
    EXPECT_EQ(static_cast<DROPEFFECT>(DROPEFFECT_NONE), source.m_dropEffect);
    EXPECT_FALSE(source.m_bDragging.load());
}
