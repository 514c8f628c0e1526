// Menus, image lists and common controls free what they own; a form view is
// a dialog template laid out as the frame's pane.
#include <gtest/gtest.h>
#include "afxcmn.h"
#include "afxext.h"
#include "TestApp.h"

namespace
{

class CTestForm : public CFormView
{
    DECLARE_DYNCREATE(CTestForm)
public:
    CString m_strText = "form text";
    CTestForm() : CFormView(IDD_PAGE1) {}

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, IDC_PAGE_EDIT, m_strText); }
};
IMPLEMENT_DYNCREATE(CTestForm, CFormView)

class CFormFrame : public CFrameWnd
{
protected:
    void PostNcDestroy() override {}
};

}  // namespace

TEST(Ownership, MenuAndImageListGoWithTheirWrapper)
{
    HMENU hMenu;
    {
        CMenu menu;
        ASSERT_TRUE(menu.LoadMenu(IDR_MAINFRAME));
        hMenu = menu.m_hMenu;
        EXPECT_TRUE(::IsMenu(hMenu));
        EXPECT_NE(nullptr, menu.GetSubMenu(0));
    }
    EXPECT_FALSE(::IsMenu(hMenu));
    AfxDeleteTempMaps();
    {
        CMenu menu;
        ASSERT_TRUE(menu.CreatePopupMenu());
        hMenu = menu.m_hMenu;
        ASSERT_TRUE(menu.CreatePopupMenu());
        EXPECT_FALSE(::IsMenu(hMenu)) << "a menu made anew frees the one it held";
    }

    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR32 | ILC_MASK, 2, 2));
    HICON hIcon = ::LoadIcon(nullptr, IDI_APPLICATION);
    EXPECT_EQ(0, images.Add(hIcon));
    EXPECT_EQ(1, images.GetImageCount());
    HIMAGELIST hList = images.Detach();
    EXPECT_EQ(nullptr, images.m_hImageList);
    EXPECT_EQ(1, ImageList_GetImageCount(hList)) << "a detached list is the caller's";
    ImageList_Destroy(hList);
}

TEST(Ownership, CommonControlsAreCreatedAndDestroyedWithTheirObjects)
{
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_TAB_CLASSES | ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&icc);
    CWnd parent;
    ASSERT_TRUE(
        parent.CreateEx(0, AfxRegisterWndClass(0), "controls", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr));
    HWND hTab, hRich;
    {
        CTabCtrl tab;
        ASSERT_TRUE(tab.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 100), &parent, 1));
        tab.InsertItem(0, "first");
        tab.InsertItem(1, "second");
        EXPECT_EQ(2, tab.GetItemCount());
        EXPECT_EQ(0, tab.SetCurSel(1)) << "the previous selection comes back";
        EXPECT_EQ(1, tab.GetCurSel());
        CRichEditCtrl rich;
        ASSERT_TRUE(rich.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE, CRect(0, 100, 200, 180), &parent, 2));
        rich.SetWindowText("rich");
        EXPECT_EQ(4, rich.GetTextLength());
        hTab = tab.m_hWnd;
        hRich = rich.m_hWnd;
    }
    EXPECT_FALSE(::IsWindow(hTab));
    EXPECT_FALSE(::IsWindow(hRich));
    parent.DestroyWindow();
}

TEST(FormView, TemplateBecomesTheFramesPaneWithItsData)
{
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CTestForm);
    CFormFrame frame;
    ASSERT_TRUE(frame.Create(nullptr, "form frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(50, 50, 450, 350), nullptr,
                             nullptr, 0, &context));
    CTestForm* pForm = dynamic_cast<CTestForm*>(frame.GetDescendantWindow(AFX_IDW_PANE_FIRST, TRUE));
    ASSERT_NE(nullptr, pForm);
    EXPECT_TRUE(pForm->GetStyle() & WS_CHILD);
    EXPECT_FALSE(pForm->GetStyle() & WS_CAPTION);
    frame.InitialUpdateFrame(nullptr, TRUE);
    CString strText;
    pForm->GetDlgItemText(IDC_PAGE_EDIT, strText);
    EXPECT_EQ("form text", std::string(strText));
    frame.RecalcLayout();
    CRect client, pane;
    frame.GetClientRect(&client);
    pForm->GetWindowRect(&pane);
    frame.ScreenToClient(&pane);
    EXPECT_EQ(client, pane);
    frame.DestroyWindow();
}
