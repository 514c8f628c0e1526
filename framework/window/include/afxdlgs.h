// Standard dialogs: CFileDialog, CColorDialog, CFontDialog, CPropertyPage,
// CPropertySheet.
#pragma once
#include <vector>
#include "afxwin.h"
#include "afxcmn.h"
#include <commdlg.h>
#include <prsht.h>

class CFileDialog : public CDialog
{
    DECLARE_DYNAMIC(CFileDialog)
public:
    OPENFILENAME m_ofn{};

    // lpszFilter uses '|' between its parts, as "Text(*.txt)|*.txt||".
    explicit CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = nullptr, LPCTSTR lpszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR lpszFilter = nullptr,
                         CWnd* pParentWnd = nullptr);
    INT_PTR DoModal() override;
    CString GetPathName() const { return m_szFileName; }
    CString GetFileName() const;
    CString GetFileExt() const;
    CString GetFileTitle() const;
    BOOL GetReadOnlyPref() const { return (m_ofn.Flags & OFN_READONLY) != 0; }
    POSITION GetStartPosition() const;
    CString GetNextPathName(POSITION& pos) const;

protected:
    BOOL m_bOpenFileDialog;
    CString m_strFilter;  // the filter with '\0' separators
    CString m_strDefExt;
    TCHAR m_szFileName[_MAX_PATH * 4]{};
    TCHAR m_szFileTitle[_MAX_PATH]{};
};

class CColorDialog : public CDialog
{
    DECLARE_DYNAMIC(CColorDialog)
public:
    CHOOSECOLOR m_cc{};

    explicit CColorDialog(COLORREF clrInit = 0, DWORD dwFlags = 0, CWnd* pParentWnd = nullptr);
    INT_PTR DoModal() override;
    COLORREF GetColor() const { return m_cc.rgbResult; }
    void SetCurrentColor(COLORREF clr) { m_cc.rgbResult = clr; }
    static COLORREF* PASCAL GetSavedCustomColors();
};

class CFontDialog : public CDialog
{
    DECLARE_DYNAMIC(CFontDialog)
public:
    CHOOSEFONT m_cf{};
    LOGFONT m_lf{};

    explicit CFontDialog(LPLOGFONT lplfInitial = nullptr, DWORD dwFlags = CF_EFFECTS | CF_SCREENFONTS,
                         CDC* pdcPrinter = nullptr, CWnd* pParentWnd = nullptr);
    INT_PTR DoModal() override;
    void GetCurrentFont(LPLOGFONT lplf) const { *lplf = m_lf; }
    CString GetFaceName() const { return m_lf.lfFaceName; }
    int GetSize() const { return m_cf.iPointSize; }
    COLORREF GetColor() const { return m_cf.rgbColors; }
    int GetWeight() const { return (int)m_lf.lfWeight; }
    BOOL IsItalic() const { return m_lf.lfItalic != 0; }
    BOOL IsBold() const { return m_lf.lfWeight >= FW_SEMIBOLD; }
};

// The print and print-setup dialog; frees the device settings and DC it holds.
class CPrintDialog : public CDialog
{
    DECLARE_DYNAMIC(CPrintDialog)
public:
    PRINTDLG m_pd{};

    explicit CPrintDialog(BOOL bPrintSetupOnly,
                          DWORD dwFlags = PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE |
                                          PD_NOSELECTION,
                          CWnd* pParentWnd = nullptr);
    ~CPrintDialog() override;
    INT_PTR DoModal() override;
    // The default printer without asking.
    BOOL GetDefaults();
    HDC GetPrinterDC() const { return m_pd.hDC; }
    CString GetDeviceName() const;
};

class CPropertySheet;

class CPropertyPage : public CDialog
{
    DECLARE_DYNAMIC(CPropertyPage)
public:
    PROPSHEETPAGE m_psp{};

    explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);
    explicit CPropertyPage(LPCTSTR lpszTemplateName, UINT nIDCaption = 0);
    // A page from a template in memory, which must outlive the page's window.
    explicit CPropertyPage(LPCDLGTEMPLATE lpDialogTemplate, UINT nIDCaption = 0);
    ~CPropertyPage() override;

    void CancelToClose();
    void SetModified(BOOL bChanged = TRUE);
    CPropertySheet* GetParentSheet() const { return m_pSheet; }

    virtual BOOL OnApply();
    virtual void OnReset();
    void OnOK() override;
    void OnCancel() override;
    virtual BOOL OnSetActive();
    virtual BOOL OnKillActive();
    virtual BOOL OnQueryCancel();

protected:
    CPropertySheet* m_pSheet = nullptr;  // set while the sheet runs
    CString m_strCaption;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    void CommonConstruct(LPCTSTR lpszTemplateName, UINT nIDCaption);
    friend class CPropertySheet;
    friend UINT CALLBACK AfxPropPageCallback(HWND, UINT, LPPROPSHEETPAGE);
};

class CPropertySheet : public CWnd
{
    DECLARE_DYNAMIC(CPropertySheet)
public:
    PROPSHEETHEADER m_psh{};

    CPropertySheet() { CommonConstruct(nullptr, 0); }
    explicit CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    explicit CPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    ~CPropertySheet() override;

    void AddPage(CPropertyPage* pPage);
    void RemovePage(CPropertyPage* pPage);
    void RemovePage(int nPage);
    int GetPageCount() const { return (int)m_pages.size(); }
    CPropertyPage* GetPage(int nPage) const { return m_pages[nPage]; }
    int GetPageIndex(CPropertyPage* pPage) const;
    CPropertyPage* GetActivePage() const;
    int GetActiveIndex() const;
    BOOL SetActivePage(int nPage);
    BOOL SetActivePage(CPropertyPage* pPage) { return SetActivePage(GetPageIndex(pPage)); }
    void SetTitle(LPCTSTR lpszText, UINT nStyle = 0);
    CTabCtrl* GetTabControl() const;

    virtual INT_PTR DoModal();
    BOOL ContinueModal() override;
    virtual BOOL Create(CWnd* pParentWnd = nullptr, DWORD dwStyle = (DWORD)-1, DWORD dwExStyle = 0);
    void EndDialog(int nEndID);
    BOOL PressButton(int nButton) { return (BOOL)SendMessage(PSM_PRESSBUTTON, nButton); }
    virtual BOOL OnInitDialog();
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    CWnd* m_pParentWnd = nullptr;

protected:
    std::vector<CPropertyPage*> m_pages;  // not owned
    std::vector<PROPSHEETPAGE> m_ppsp;    // built for PropertySheet()
    CString m_strCaption;
    BOOL m_bModeless = FALSE;
    void CommonConstruct(CWnd* pParentWnd, UINT iSelectPage);
    void BuildPropPageArray();
    // The system's modeless sheet, made over its owner; FALSE when it could not be made.
    BOOL CreateSheetWindow(HWND hWndParent);
    friend int CALLBACK AfxPropSheetCallback(HWND, UINT, LPARAM);
    afx_msg LRESULT HandleInitDialog(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()
};
