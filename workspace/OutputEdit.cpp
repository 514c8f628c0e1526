// The output pane's edit: read-only, scrolled both ways, with margins.
#include "OutputEdit.h"

#include "KTPaintManager.h"

namespace
{

// The menus' font, so that the output reads like the bars around it.
HGDIOBJ OutputFont()
{
    const HGDIOBJ hFont = CKTPaintManager::GetGlobal()->GetRegularFont()->GetSafeHandle();
    return hFont ? hFont : ::GetStockObject(DEFAULT_GUI_FONT);
}

}  // namespace

BEGIN_MESSAGE_MAP(COutputEdit, COfficeBorderControl<CEdit>)
ON_WM_CREATE()
END_MESSAGE_MAP()

// Without scrolling as it fills, the edit refuses a line added below its last visible row.
BOOL COutputEdit::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style |= ES_AUTOVSCROLL;
    return COfficeBorderControl<CEdit>::PreCreateWindow(cs);
}

int COutputEdit::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (COfficeBorderControl<CEdit>::OnCreate(lpCreateStruct) == -1)
        return -1;
    ModifyStyleEx(0, WS_EX_STATICEDGE);
    SendMessage(WM_SETFONT, (WPARAM)OutputFont(), TRUE);
    ModifyStyle(0, WS_HSCROLL | WS_VSCROLL);
    SendMessage(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(10, 5));
    SendMessage(EM_SETREADONLY, TRUE);
    // Lines are appended, which the system edit holds to its first limit of some 30,000 characters.
    SetLimitText(0);
    SetWindowText(m_strEarlyLines);
    m_strEarlyLines.Empty();
    return 0;
}

void COutputEdit::AddLine(const CString& strLine)
{
    if (!GetSafeHwnd())
    {
        m_strEarlyLines += strLine + "\r\n";
        return;
    }
    // Appended where the text ends: setting the whole text again costs the system edit far more.
    const int nEnd = GetWindowTextLength();
    SetSel(nEnd, nEnd, TRUE);
    ReplaceSel(strLine + "\r\n", FALSE);
    LineScroll(GetLineCount());
}
