// Dialogs from in-memory templates: data exchange with radio groups, combo
// and list boxes; a control that updates itself through reflection; the
// file dialog run modally and answered.
#include <gtest/gtest.h>
#include "afxdlgs.h"
#include "TestApp.h"

namespace
{

enum
{
    IDC_EDIT = 10,
    IDC_RADIO1 = 20,
    IDC_RADIO2,
    IDC_RADIO3,
    IDC_COMBO = 30,
    IDC_LIST = 40,
    IDC_SELF = 50
};

// Writes a dialog template the way the resource compiler lays it out.
class CTemplateWriter
{
public:
    CTemplateWriter(LPCWSTR pszTitle, int cx, int cy, DWORD dwStyle = WS_POPUP | WS_CAPTION)
    {
        DLGTEMPLATE dlg{};
        dlg.style = dwStyle | DS_SETFONT;
        dlg.cx = (short)cx;
        dlg.cy = (short)cy;
        Append(&dlg, sizeof dlg);
        Word(0);  // no menu
        Word(0);  // the dialog class
        String(pszTitle);
        Word(8);
        String(L"MS Shell Dlg");
    }
    void Item(WORD wClassAtom, LPCWSTR pszText, DWORD dwStyle, WORD wId, short x, short y, short cx, short cy)
    {
        Align();
        DLGITEMTEMPLATE item{};
        item.style = dwStyle | WS_CHILD | WS_VISIBLE;
        item.x = x;
        item.y = y;
        item.cx = cx;
        item.cy = cy;
        item.id = wId;
        Append(&item, sizeof item);
        Word(0xFFFF);
        Word(wClassAtom);
        String(pszText);
        Word(0);  // no creation data
        reinterpret_cast<DLGTEMPLATE*>(m_bytes.data())->cdit++;
    }
    LPCDLGTEMPLATE Get() const { return reinterpret_cast<LPCDLGTEMPLATE>(m_bytes.data()); }

private:
    void Append(const void* p, size_t cb)
    {
        const BYTE* pb = static_cast<const BYTE*>(p);
        m_bytes.insert(m_bytes.end(), pb, pb + cb);
    }
    void Word(WORD w) { Append(&w, sizeof w); }
    void String(LPCWSTR psz) { Append(psz, (wcslen(psz) + 1) * sizeof(WCHAR)); }
    void Align()
    {
        while (m_bytes.size() % 4)
            m_bytes.push_back(0);
    }
    std::vector<BYTE> m_bytes;
};

const WORD kButton = 0x80, kEdit = 0x81, kListBox = 0x83, kComboBox = 0x85;

// A button that keeps its own caption up to date at idle.
class CSelfUpdatingButton : public CButton
{
public:
    int m_nUpdates = 0;

protected:
    afx_msg void OnUpdateSelf(CCmdUI* pCmdUI)
    {
        m_nUpdates++;
        pCmdUI->SetText("updated");
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSelfUpdatingButton, CButton)
ON_UPDATE_COMMAND_UI_REFLECT(OnUpdateSelf)
END_MESSAGE_MAP()

class CMemoryDialog : public CDialog
{
public:
    CString m_strText = "initial";
    int m_nRadio = 1;
    CString m_strCombo = "beta";
    int m_nList = 2;
    CSelfUpdatingButton m_btnSelf;

protected:
    BOOL OnInitDialog() override
    {
        for (const char* psz : {"alpha", "beta", "gamma"})
        {
            SendDlgItemMessage(IDC_COMBO, CB_ADDSTRING, 0, (LPARAM)psz);
            SendDlgItemMessage(IDC_LIST, LB_ADDSTRING, 0, (LPARAM)psz);
        }
        return CDialog::OnInitDialog();
    }
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_EDIT, m_strText);
        DDX_Radio(pDX, IDC_RADIO1, m_nRadio);
        DDX_CBString(pDX, IDC_COMBO, m_strCombo);
        DDX_LBIndex(pDX, IDC_LIST, m_nList);
        DDX_Control(pDX, IDC_SELF, m_btnSelf);
    }
};

CTemplateWriter MakeTemplate()
{
    CTemplateWriter writer(L"In memory", 200, 140);
    writer.Item(kEdit, L"", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, IDC_EDIT, 5, 5, 100, 12);
    writer.Item(kButton, L"One", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, IDC_RADIO1, 5, 20, 50, 10);
    writer.Item(kButton, L"Two", BS_AUTORADIOBUTTON, IDC_RADIO2, 5, 32, 50, 10);
    writer.Item(kButton, L"Three", BS_AUTORADIOBUTTON, IDC_RADIO3, 5, 44, 50, 10);
    writer.Item(kComboBox, L"", CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP | WS_GROUP, IDC_COMBO, 5, 58, 100, 60);
    writer.Item(kListBox, L"", WS_BORDER | WS_VSCROLL | LBS_NOTIFY | WS_TABSTOP, IDC_LIST, 110, 5, 80, 60);
    writer.Item(kButton, L"Self", BS_PUSHBUTTON | WS_TABSTOP, IDC_SELF, 110, 80, 50, 14);
    return writer;
}

}  // namespace

TEST(MemoryDialog, DataExchangeFillsAndReadsEveryKindOfControl)
{
    CTemplateWriter writer = MakeTemplate();
    CMemoryDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(writer.Get(), MainFrameForTests()));
    CString strText;
    dlg.GetDlgItemText(IDC_EDIT, strText);
    EXPECT_EQ("initial", std::string(strText));
    EXPECT_EQ((UINT)BST_CHECKED, dlg.IsDlgButtonChecked(IDC_RADIO2));
    EXPECT_EQ(1, (int)dlg.SendDlgItemMessage(IDC_COMBO, CB_GETCURSEL));
    EXPECT_EQ(2, (int)dlg.SendDlgItemMessage(IDC_LIST, LB_GETCURSEL));
    EXPECT_EQ(&dlg.m_btnSelf, CWnd::FromHandlePermanent(::GetDlgItem(dlg.m_hWnd, IDC_SELF)));

    dlg.SetDlgItemText(IDC_EDIT, "changed");
    dlg.CheckRadioButton(IDC_RADIO1, IDC_RADIO3, IDC_RADIO3);
    dlg.SetDlgItemText(IDC_COMBO, "typed");
    dlg.SendDlgItemMessage(IDC_LIST, LB_SETCURSEL, 0);
    ASSERT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ("changed", std::string(dlg.m_strText));
    EXPECT_EQ(2, dlg.m_nRadio);
    EXPECT_EQ("typed", std::string(dlg.m_strCombo));
    EXPECT_EQ(0, dlg.m_nList);
    dlg.DestroyWindow();
    EXPECT_EQ(nullptr, dlg.m_btnSelf.m_hWnd) << "the subclassed control let go of its window";
}

TEST(MemoryDialog, ControlUpdatesItselfThroughReflectionAtIdle)
{
    CTemplateWriter writer = MakeTemplate();
    CMemoryDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(writer.Get(), MainFrameForTests()));
    dlg.UpdateDialogControls(&dlg, TRUE);
    EXPECT_EQ(1, dlg.m_btnSelf.m_nUpdates);
    CString strText;
    dlg.m_btnSelf.GetWindowText(strText);
    EXPECT_EQ("updated", std::string(strText));
    EXPECT_TRUE(dlg.m_btnSelf.IsWindowEnabled()) << "a control that updates itself is not disabled";
    dlg.DestroyWindow();
}

TEST(MemoryDialog, ModalFromMemoryEndsWithTheButtonsResult)
{
    CTemplateWriter writer = MakeTemplate();
    CMemoryDialog dlg;
    dlg.InitModalIndirect(writer.Get(), MainFrameForTests());
    RunFromTimer([&] { return dlg.m_hWnd && ::PostMessage(dlg.m_hWnd, WM_COMMAND, IDCANCEL, 0); });
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ(nullptr, dlg.m_hWnd);
    EXPECT_TRUE(MainFrameForTests()->IsWindowEnabled()) << "the owner is enabled again";
}

namespace
{

// A page whose only control is filled and read through data exchange.
class CMemoryPage : public CPropertyPage
{
public:
    CString m_strText = "from the page's object";
    int m_nApplied = 0;
    int m_nKeysSeen = 0;
    explicit CMemoryPage(LPCDLGTEMPLATE lpTemplate) : CPropertyPage(lpTemplate) {}
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_KEYDOWN && pMsg->wParam == 'Q')
            m_nKeysSeen++;
        return CPropertyPage::PreTranslateMessage(pMsg);
    }
    BOOL OnApply() override
    {
        m_nApplied++;
        return CPropertyPage::OnApply();
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, IDC_EDIT, m_strText); }
};

}  // namespace

TEST(MemoryDialog, PropertyPageFromMemoryIsShownInASheet)
{
    CTemplateWriter writer(L"Memory page", 180, 60, WS_CHILD | WS_CAPTION);
    writer.Item(kEdit, L"", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, IDC_EDIT, 5, 5, 120, 12);
    CMemoryPage page(writer.Get());
    CPropertySheet sheet("Sheet", MainFrameForTests());
    sheet.AddPage(&page);
    CString strShown, strTab;
    RunFromTimer(
        [&]
        {
            if (!sheet.m_hWnd || !page.m_hWnd)
                return FALSE;
            page.GetDlgItemText(IDC_EDIT, strShown);
            char szTab[32] = "";
            TCITEM item{};
            item.mask = TCIF_TEXT;
            item.pszText = szTab;
            item.cchTextMax = sizeof szTab;
            TabCtrl_GetItem(PropSheet_GetTabControl(sheet.m_hWnd), 0, &item);
            strTab = szTab;
            page.SetDlgItemText(IDC_EDIT, "typed in the sheet");
            ::SendMessage(sheet.m_hWnd, PSM_PRESSBUTTON, PSBTN_OK, 0);
            return TRUE;
        });
    EXPECT_EQ(IDOK, sheet.DoModal());
    EXPECT_EQ("from the page's object", std::string(strShown));
    EXPECT_EQ("Memory page", std::string(strTab)) << "the template's caption names the tab";
    EXPECT_EQ(1, page.m_nApplied);
    EXPECT_EQ("typed in the sheet", std::string(page.m_strText));
}

// Controls that handle keys before the dialog does (colour lists, list tips) need the modal sheet's
// messages to pass the framework's pre-translation, as a dialog's do.
TEST(MemoryDialog, AModalSheetPreTranslatesItsMessagesAndCancelAppliesNothing)
{
    CTemplateWriter writer(L"Keys page", 180, 60, WS_CHILD | WS_CAPTION);
    writer.Item(kEdit, L"", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, IDC_EDIT, 5, 5, 120, 12);
    CMemoryPage page(writer.Get());
    CPropertySheet sheet("Sheet", MainFrameForTests());
    sheet.AddPage(&page);
    int nStep = 0;
    RunFromTimer(
        [&]
        {
            if (!page.m_hWnd)
                return FALSE;
            if (nStep++ == 0)
            {
                ::PostMessage(page.GetDlgItem(IDC_EDIT)->m_hWnd, WM_KEYDOWN, 'Q', 0);
                return FALSE;
            }
            ::SendMessage(sheet.m_hWnd, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
            return TRUE;
        });
    EXPECT_EQ(IDCANCEL, sheet.DoModal());
    EXPECT_EQ(1, page.m_nKeysSeen);
    EXPECT_EQ(0, page.m_nApplied);
    EXPECT_EQ(nullptr, sheet.m_hWnd);
    EXPECT_TRUE(MainFrameForTests()->IsWindowEnabled());
}

// The system put sheets at the screen's corner, away from the frame that every other dialog opens over.
TEST(MemoryDialog, AModalSheetOpensCentredOnItsOwner)
{
    CTemplateWriter writer(L"Placed page", 180, 60, WS_CHILD | WS_CAPTION);
    CMemoryPage page(writer.Get());
    CWnd* pFrame = MainFrameForTests();
    CRect rcBefore;
    pFrame->GetWindowRect(&rcBefore);
    pFrame->MoveWindow(150, 110, 700, 500);
    CPropertySheet sheet("Sheet", pFrame);
    sheet.AddPage(&page);
    CRect rcSheet;
    RunFromTimer(
        [&]
        {
            if (!sheet.m_hWnd || !sheet.IsWindowVisible())
                return FALSE;
            sheet.GetWindowRect(&rcSheet);
            ::SendMessage(sheet.m_hWnd, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
            return TRUE;
        });
    EXPECT_EQ(IDCANCEL, sheet.DoModal());
    CRect rcFrame;
    pFrame->GetWindowRect(&rcFrame);
    EXPECT_NEAR(rcFrame.CenterPoint().x, rcSheet.CenterPoint().x, 1);
    EXPECT_NEAR(rcFrame.CenterPoint().y, rcSheet.CenterPoint().y, 1);
    pFrame->MoveWindow(rcBefore);
}

namespace
{

// Presses a button of the system dialog that is active, once it is up.
std::function<BOOL()> PressOnActiveDialog(int nButton)
{
    return [nButton]
    {
        HWND hDlg = ::GetActiveWindow();
        char szClass[16] = "";
        ::GetClassName(hDlg, szClass, sizeof szClass);
        if (lstrcmp(szClass, "#32770") != 0 || !::GetDlgItem(hDlg, nButton))
            return FALSE;
        ::PostMessage(hDlg, WM_COMMAND, (WPARAM)nButton, 0);
        return TRUE;
    };
}

}  // namespace

TEST(CommonDialog, ColourDialogStartsFromTheGivenColour)
{
    CColorDialog dlg(RGB(10, 200, 30), CC_FULLOPEN, MainFrameForTests());
    RunFromTimer(PressOnActiveDialog(IDOK));
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(RGB(10, 200, 30), dlg.GetColor());
}

TEST(CommonDialog, FontDialogReturnsTheChosenFont)
{
    LOGFONT lf{};
    lf.lfHeight = -13;
    lstrcpy(lf.lfFaceName, "Arial");
    CFontDialog dlg(&lf, CF_SCREENFONTS, nullptr, MainFrameForTests());
    RunFromTimer(PressOnActiveDialog(IDOK));
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_FALSE(dlg.GetFaceName().IsEmpty());
    EXPECT_GT(dlg.GetSize(), 0) << "the size comes back in tenths of a point";
}

TEST(FileDialog, ModalSaveDialogReturnsTheChosenName)
{
    char szPath[MAX_PATH];
    ::GetFullPathName("kfw_window_chosen.tst", MAX_PATH, szPath, nullptr);
    CFileDialog dlg(FALSE, "tst", nullptr, OFN_HIDEREADONLY, "Test Files (*.tst)|*.tst|All Files (*.*)|*.*||",
                    MainFrameForTests());
    RunFromTimer(
        [&]
        {
            // The file name box of the system's dialog, once it is up and active.
            HWND hDlg = ::GetActiveWindow();
            ::SetDlgItemText(hDlg, cmb13, szPath);
            ::SetDlgItemText(hDlg, edt1, szPath);
            return PressOnActiveDialog(IDOK)();
        });
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_STRCASEEQ(szPath, dlg.GetPathName());
    EXPECT_EQ("kfw_window_chosen.tst", std::string(dlg.GetFileName()));
    EXPECT_EQ("tst", std::string(dlg.GetFileExt()));
    EXPECT_EQ("kfw_window_chosen", std::string(dlg.GetFileTitle()));
}
