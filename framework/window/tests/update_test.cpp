// Command updates of a window's controls: a control that updates itself
// keeps its command to itself unless it lets the routing go on.
#include <gtest/gtest.h>
#include "afxwin.h"
#include "TestApp.h"

namespace
{

const UINT kCheckId = 0x7100;

// A check box that shows, in its text, that it updated itself.
class CSelfUpdatingCheck : public CButton
{
public:
    BOOL m_bPassOn = FALSE;

protected:
    afx_msg void OnUpdateSelf(CCmdUI* pCmdUI)
    {
        pCmdUI->SetText("updated by itself");
        if (m_bPassOn)
            pCmdUI->ContinueRouting();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSelfUpdatingCheck, CButton)
ON_UPDATE_COMMAND_UI_REFLECT(OnUpdateSelf)
END_MESSAGE_MAP()

// The command's owner: it disables the command.
class CDisablingTarget : public CCmdTarget
{
protected:
    afx_msg void OnUpdateCheck(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDisablingTarget, CCmdTarget)
ON_UPDATE_COMMAND_UI(kCheckId, OnUpdateCheck)
END_MESSAGE_MAP()

class CHostWnd : public CWnd
{
public:
    CSelfUpdatingCheck m_check;
    BOOL Create()
    {
        return CreateEx(0, AfxRegisterWndClass(0), "host", WS_POPUP | WS_VISIBLE, 100, 100, 300, 100, nullptr,
                        nullptr) &&
               m_check.Create("check", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, CRect(10, 10, 200, 30), this, kCheckId);
    }
};

CString TextOf(CWnd& wnd)
{
    CString str;
    wnd.GetWindowText(str);
    return str;
}

}  // namespace

TEST(ReflectedUpdate, StopsTheRouteUnlessTheControlContinuesIt)
{
    CHostWnd host;
    ASSERT_TRUE(host.Create());
    CDisablingTarget target;
    host.UpdateDialogControls(&target, FALSE);
    EXPECT_EQ("updated by itself", std::string(TextOf(host.m_check)));
    EXPECT_TRUE(host.m_check.IsWindowEnabled()) << "the owner was not asked";

    host.m_check.SetWindowText("check");
    host.m_check.m_bPassOn = TRUE;
    host.UpdateDialogControls(&target, FALSE);
    EXPECT_EQ("updated by itself", std::string(TextOf(host.m_check)));
    EXPECT_FALSE(host.m_check.IsWindowEnabled()) << "the owner was asked as well";
}
