// The colour list of the option pages: sixteen named colours, an automatic entry on top and a custom entry at the end.
#include "KTSyntaxEditColorComboBox.h"

#include <commdlg.h>

#include "KTColorManager.h"
#include "KTDrawObjects.h"
#include "KTResourceManager.h"
#include "KTSyntaxEditRes.h"

BEGIN_MESSAGE_MAP(CKTSyntaxEditColorComboBox, CComboBox)
ON_WM_CREATE()
ON_WM_MOUSEWHEEL()
ON_CONTROL_REFLECT(CBN_CLOSEUP, OnCloseUp)
END_MESSAGE_MAP()

namespace
{
struct KT_NAMED_COLOR
{
    UINT nIDString;
    COLORREF clr;
};

const KT_NAMED_COLOR kStandardColors[] = {
    {KT_IDS_EDIT_COLOR_BLACK, 0x000000},  {KT_IDS_EDIT_COLOR_WHITE, 0xFFFFFF},
    {KT_IDS_EDIT_COLOR_MAROON, 0x000080}, {KT_IDS_EDIT_COLOR_DARK_GREEN, 0x008000},
    {KT_IDS_EDIT_COLOR_OLIVE, 0x008080},  {KT_IDS_EDIT_COLOR_DARK_BLUE, 0x800000},
    {KT_IDS_EDIT_COLOR_PURPLE, 0x800080}, {KT_IDS_EDIT_COLOR_TEAL, 0x808000},
    {KT_IDS_EDIT_COLOR_GRAY25, 0xC0C0C0}, {KT_IDS_EDIT_COLOR_GRAY50, 0x808080},
    {KT_IDS_EDIT_COLOR_RED, 0x0000FF},    {KT_IDS_EDIT_COLOR_GREEN, 0x00FF00},
    {KT_IDS_EDIT_COLOR_YELLOW, 0x00FFFF}, {KT_IDS_EDIT_COLOR_BLUE, 0xFF0000},
    {KT_IDS_EDIT_COLOR_PINK, 0xFF00FF},   {KT_IDS_EDIT_COLOR_TURQUOISE, 0xFFFF00},
};

const int kSwatchSize = 11;

int ItemHeight() { return ::GetSystemMetrics(SM_CYVTHUMB) - ::GetSystemMetrics(SM_CYEDGE); }

// The automatic entry's resource holds a tooltip after a line feed.
CString EntryText(LPCTSTR pszText, UINT nIDDefault)
{
    CString strText(pszText ? pszText : "");
    if (!pszText)
        KTResourceManager()->LoadString(&strText, nIDDefault);
    const int nBreak = strText.Find('\n');
    return nBreak < 0 ? strText : strText.Left(nBreak);
}

int ColorSum(COLORREF clr) { return GetRValue(clr) + GetGValue(clr) + GetBValue(clr); }
}  // namespace

int CKTSyntaxEditColorComboBox::AddColor(COLORREF clr, UINT nIDString)
{
    CString strName;
    KTResourceManager()->LoadString(&strName, nIDString);
    if (strName.IsEmpty())
        return -1;
    const int nIndex = AddString(strName);
    if (nIndex < 0)
        return -1;
    SetItemData(nIndex, clr);
    return nIndex;
}

void CKTSyntaxEditColorComboBox::FillStandardColors()
{
    SetItemHeight(-1, ItemHeight());
    ResetContent();
    m_clrAutomatic = m_clrCustom = kNoColor;
    for (const KT_NAMED_COLOR& color : kStandardColors)
        AddColor(color.clr, color.nIDString);
    SetCurSel(0);
}

// An existing entry keeps its place and takes the new colour; kNoColor removes it. nIndex -1 appends.
int CKTSyntaxEditColorComboBox::SetSpecialEntry(COLORREF& clrEntry, int nIndex, COLORREF clr, LPCTSTR pszText,
                                                UINT nIDDefault)
{
    const CString strText = EntryText(pszText, nIDDefault);
    const int nFound = clrEntry == kNoColor ? -1 : FindStringExact(-1, strText);
    if (clr == kNoColor)
    {
        clrEntry = kNoColor;
        return nFound < 0 ? -1 : DeleteString(nFound);
    }
    const int nAt = nFound >= 0 ? nFound : InsertString(nIndex, strText);
    if (nAt < 0)
        return -1;
    SetItemData(nAt, clr);
    clrEntry = clr;
    RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    return nAt;
}

int CKTSyntaxEditColorComboBox::SetAutomaticColor(COLORREF clr, LPCTSTR pszText)
{
    return SetSpecialEntry(m_clrAutomatic, 0, clr, pszText, KT_IDS_EDIT_AUTOMATIC_COLOR);
}

int CKTSyntaxEditColorComboBox::SetCustomColor(COLORREF clr, LPCTSTR pszText)
{
    return SetSpecialEntry(m_clrCustom, -1, clr, pszText, KT_IDS_EDIT_CUSTOM_COLOR);
}

int CKTSyntaxEditColorComboBox::FindColor(COLORREF clr) const
{
    const int nCount = GetCount();
    for (int i = 0; i < nCount; i++)
        if ((COLORREF)GetItemData(i) == clr)
            return i;
    return -1;
}

int CKTSyntaxEditColorComboBox::SelectColor(COLORREF clr)
{
    int nIndex = FindColor(clr);
    if (nIndex < 0)
        nIndex = SetCustomColor(clr);
    if (nIndex >= 0)
        SetCurSel(nIndex);
    return nIndex;
}

COLORREF CKTSyntaxEditColorComboBox::GetSelectedColor() const
{
    const int nIndex = GetCurSel();
    return nIndex < 0 ? kNoColor : (COLORREF)GetItemData(nIndex);
}

int CKTSyntaxEditColorComboBox::PickColor()
{
    static COLORREF s_customColors[16] = {};
    CHOOSECOLOR cc{};
    cc.lStructSize = sizeof cc;
    cc.hwndOwner = GetSafeHwnd();
    cc.rgbResult = GetSelectedColor() == kNoColor ? 0 : GetSelectedColor();
    cc.lpCustColors = s_customColors;
    cc.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!::ChooseColor(&cc))
        return -1;
    // A colour the list already names needs no custom entry.
    SetCustomColor(FindColor(cc.rgbResult) >= 0 ? kNoColor : cc.rgbResult);
    return SelectColor(cc.rgbResult);
}

void CKTSyntaxEditColorComboBox::NotifyParent(UINT nCode)
{
    CWnd* pTarget = GetOwner() ? GetOwner() : GetParent();
    if (pTarget && pTarget->GetSafeHwnd())
        pTarget->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), nCode), (LPARAM)GetSafeHwnd());
}

int CKTSyntaxEditColorComboBox::GetDroppedListSelection() const
{
    if (!GetDroppedState())
        return -1;
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (!::GetComboBoxInfo(GetSafeHwnd(), &info) || !info.hwndList)
        return -1;
    return (int)::SendMessage(info.hwndList, LB_GETCURSEL, 0, 0);
}

BOOL CKTSyntaxEditColorComboBox::OnKeyDown(UINT nKey)
{
    const BOOL bDropped = GetDroppedState();
    if (bDropped && (nKey == VK_RETURN || nKey == VK_SPACE))
    {
        m_nPendingIndex = GetDroppedListSelection();
        ShowDropDown(FALSE);
        NotifyParent(CBN_SELENDOK);
        return TRUE;
    }
    if (bDropped && nKey == VK_ESCAPE)
    {
        ShowDropDown(FALSE);
        NotifyParent(CBN_SELENDCANCEL);
        return TRUE;
    }
    if (!bDropped && (nKey == VK_UP || nKey == VK_DOWN))
    {
        m_nPendingIndex = GetCurSel();
        ShowDropDown(TRUE);
        return TRUE;
    }
    return FALSE;
}

BOOL CKTSyntaxEditColorComboBox::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && OnKeyDown((UINT)pMsg->wParam))
        return TRUE;
    return CComboBox::PreTranslateMessage(pMsg);
}

void CKTSyntaxEditColorComboBox::OnCloseUp()
{
    if (m_nPendingIndex != -1 && m_nPendingIndex != GetCurSel())
        SetCurSel(m_nPendingIndex);
    m_nPendingIndex = -1;
}

// The list repaints once after the wheel instead of flickering at each line.
BOOL CKTSyntaxEditColorComboBox::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (!GetDroppedState() || !::GetComboBoxInfo(GetSafeHwnd(), &info) || !info.hwndList)
        return (BOOL)Default();
    ::SendMessage(info.hwndList, WM_SETREDRAW, FALSE, 0);
    const BOOL bResult = (BOOL)Default();
    ::SendMessage(info.hwndList, WM_SETREDRAW, TRUE, 0);
    ::RedrawWindow(info.hwndList, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    return bResult;
}

int CKTSyntaxEditColorComboBox::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CComboBox::OnCreate(lpCreateStruct) == -1)
        return -1;
    FillStandardColors();
    return 0;
}

BOOL CKTSyntaxEditColorComboBox::PreCreateWindow(CREATESTRUCT& cs)
{
    m_bFillOnSubclass = FALSE;
    return CComboBox::PreCreateWindow(cs);
}

void CKTSyntaxEditColorComboBox::PreSubclassWindow()
{
    CComboBox::PreSubclassWindow();
    if (m_bFillOnSubclass)
        FillStandardColors();
}

void CKTSyntaxEditColorComboBox::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    lpMeasureItemStruct->itemWidth = 0;
    lpMeasureItemStruct->itemHeight = ItemHeight();
}

void CKTSyntaxEditColorComboBox::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if ((int)lpDrawItemStruct->itemID < 0)
        return;
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    CKTColorManager* pColors = KTColorManager();
    const BOOL bDisabled = (lpDrawItemStruct->itemState & ODS_DISABLED) != 0;
    const BOOL bSelected = (lpDrawItemStruct->itemState & ODS_SELECTED) != 0;
    COLORREF clrText = pColors->GetColor(COLOR_WINDOWTEXT);
    COLORREF clrFill = pColors->GetColor(COLOR_WINDOW);
    if (bDisabled)
    {
        clrText = pColors->GetColor(COLOR_GRAYTEXT);
        clrFill = pColors->GetColor(COLOR_BTNFACE);
    }
    else if (bSelected)
    {
        clrText = pColors->GetColor(COLOR_HIGHLIGHTTEXT);
        clrFill = pColors->GetColor(COLOR_HIGHLIGHT);
    }
    CRect rcItem(lpDrawItemStruct->rcItem);
    pDC->FillSolidRect(rcItem, clrFill);
    if ((lpDrawItemStruct->itemState & ODS_FOCUS) && !bDisabled)
        pDC->DrawFocusRect(rcItem);

    CRect rcInner(rcItem);
    rcInner.DeflateRect(2, 2);
    const CRect rcSwatch(rcInner.left, rcInner.top, rcInner.left + kSwatchSize, rcInner.top + kSwatchSize);
    const COLORREF clrSwatch = bDisabled ? pColors->GetColor(COLOR_BTNFACE) : (COLORREF)lpDrawItemStruct->itemData;
    pDC->FillSolidRect(rcSwatch, clrSwatch);
    pDC->Draw3dRect(rcSwatch, bDisabled ? pColors->GetColor(COLOR_GRAYTEXT) : pColors->GetColor(COLOR_WINDOWTEXT),
                    bDisabled ? pColors->GetColor(COLOR_GRAYTEXT) : pColors->GetColor(COLOR_WINDOWTEXT));

    CString strName;
    GetLBText((int)lpDrawItemStruct->itemID, strName);
    CRect rcText(rcSwatch.right + 4, rcItem.top, rcItem.right, rcItem.bottom);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF clrOldText = pDC->SetTextColor(clrText);
    pDC->DrawText(strName, rcText, DT_SINGLELINE | DT_VCENTER);
    pDC->SetTextColor(clrOldText);
    pDC->SetBkMode(nOldMode);
}

int CKTSyntaxEditColorComboBox::CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct)
{
    const COLORREF clr1 = (COLORREF)lpCompareItemStruct->itemData1;
    const COLORREF clr2 = (COLORREF)lpCompareItemStruct->itemData2;
    if (clr1 == clr2)
        return 0;
    if (ColorSum(clr1) != ColorSum(clr2))
        return ColorSum(clr1) < ColorSum(clr2) ? -1 : 1;
    if (GetBValue(clr1) != GetBValue(clr2))
        return GetBValue(clr1) > GetBValue(clr2) ? -1 : 1;
    if (GetGValue(clr1) != GetGValue(clr2))
        return GetGValue(clr1) > GetGValue(clr2) ? -1 : 1;
    return GetRValue(clr1) > GetRValue(clr2) ? -1 : 1;
}

void AFXAPI DDX_ColorCombo(CDataExchange* pDX, int nIDC, COLORREF& clr)
{
    HWND hCombo = pDX->PrepareCtrl(nIDC);
    CKTSyntaxEditColorComboBox* pCombo = dynamic_cast<CKTSyntaxEditColorComboBox*>(CWnd::FromHandlePermanent(hCombo));
    if (!pCombo)
        return;
    if (!pDX->m_bSaveAndValidate)
    {
        pCombo->SelectColor(clr);
        return;
    }
    if (pCombo->GetCurSel() >= 0)
        clr = pCombo->GetSelectedColor();
}
