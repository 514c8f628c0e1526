// Control bars in a frame: a rebar takes the top edge through WM_SIZEPARENT
// and holds a bar in a band; the client pane fills what is left.
#include <gtest/gtest.h>
#include "afxext.h"
#include "afxpriv.h"

namespace
{

class CRebarFrame : public CFrameWnd
{
public:
    CReBar m_wndReBar;
    CStatic m_wndBand;
    CStatic m_wndPane;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        if (CFrameWnd::OnCreate(lpcs) == -1)
            return -1;
        if (!m_wndReBar.Create(this))
            return -1;
        m_wndBand.Create("band", WS_CHILD | WS_VISIBLE, CRect(0, 0, 120, 26), this, 1);
        m_wndPane.Create("pane", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), this, AFX_IDW_PANE_FIRST);
        return m_wndReBar.AddBar(&m_wndBand, "Tools") ? 0 : -1;
    }
    void PostNcDestroy() override {}
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRebarFrame, CFrameWnd)
ON_WM_CREATE()
END_MESSAGE_MAP()

CRect RectIn(CWnd* pParent, CWnd* pChild)
{
    CRect rect;
    pChild->GetWindowRect(&rect);
    pParent->ScreenToClient(&rect);
    return rect;
}

}  // namespace

TEST(ControlBar, RebarTakesTheTopEdgeAndHoldsItsBand)
{
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_COOL_CLASSES | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&icc);
    CRebarFrame frame;
    ASSERT_TRUE(frame.Create(nullptr, "rebar frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(10, 10, 410, 310)));
    frame.RecalcLayout();
    EXPECT_EQ(1u, frame.m_wndReBar.GetBandCount());
    EXPECT_EQ(frame.m_wndReBar.m_hWnd, ::GetParent(frame.m_wndBand.m_hWnd));
    CRect client;
    frame.GetClientRect(&client);
    CRect bar = RectIn(&frame, &frame.m_wndReBar);
    EXPECT_EQ(0, bar.top);
    EXPECT_GE(bar.Height(), 26);
    EXPECT_EQ(client.Width(), bar.Width());
    CRect pane = RectIn(&frame, &frame.m_wndPane);
    EXPECT_EQ(bar.bottom, pane.top) << "the pane starts under the rebar";
    EXPECT_EQ(client.bottom, pane.bottom);
    frame.DestroyWindow();
}
