// KTControlFieldExchange.cpp: the saved form of the edit, combo-box, gallery and custom controls and of the combo's
// list.
#include "KTCommandBarList.h"
#include "KTCommandBars.h"
#include "KTControlComboBox.h"
#include "KTControlComboBoxList.h"
#include "KTControlCustom.h"
#include "KTControlEdit.h"
#include "KTControlGallery.h"
#include "KTPropExchange.h"
#include "KTToolBar.h"

#include <vector>

namespace
{

void PX_Flags(CKTPropExchange* pPX, LPCSTR lpszName, DWORD& dwValue)
{
    int nValue = (int)dwValue;
    PX_Int(pPX, lpszName, nValue, 0);
    dwValue = (DWORD)nValue;
}

// The hosted window of the id: still the site frame's child, or already moved onto one of its bars (a bar's own
// fields answer that they are part of it, and are never taken).
HWND FindHostedWindow(CKTCommandBars* pCommandBars, int nControlId)
{
    CWnd* pSite = pCommandBars->GetSite();
    if (pSite && pSite->GetSafeHwnd())
        if (HWND hWnd = ::GetDlgItem(pSite->GetSafeHwnd(), nControlId))
            return hWnd;
    for (int i = 0; i < pCommandBars->GetCount(); i++)
    {
        HWND hBar = pCommandBars->GetAt(i)->GetSafeHwnd();
        HWND hWnd = hBar ? ::GetDlgItem(hBar, nControlId) : NULL;
        if (hWnd && !KTIsBarPart(hWnd))
            return hWnd;
    }
    return NULL;
}

// The hint and the shell's completion, set through the field so that a loaded field completes.
void ExchangeHintAndCompletion(CKTPropExchange* pPX, CKTEditField& field)
{
    CString strHint = field.GetOwnEditHint();
    PX_String(pPX, "EditHint", strHint, "");
    DWORD dwShellFlags = field.GetShellAutoCompleteFlags();
    PX_Flags(pPX, "ShellAutoCompleteFlags", dwShellFlags);
    if (!pPX->IsLoading())
        return;
    field.SetEditHint(strHint);
    field.SetShellAutoComplete(dwShellFlags);
}

void ExchangeEditStyle(CKTPropExchange* pPX, CKTEditField& field)
{
    DWORD dwStyle = field.GetEditStyle();
    PX_Flags(pPX, "EditStyle", dwStyle);
    field.SetEditStyle(dwStyle);
}

}  // namespace

void CKTControlEdit::DoPropExchange(CKTPropExchange* pPX)
{
    CKTControl::DoPropExchange(pPX);
    const UINT nSchema = pPX->GetSchema();
    if (nSchema > 5)
    {
        PX_Bool(pPX, "HasLabel", m_bHasLabel, FALSE);
        PX_Int(pPX, "Width", m_nWidth, 0);
    }
    if (nSchema > 7)
        PX_Bool(pPX, "ReadOnly", m_bReadOnly, FALSE);
    if (nSchema > 8)
        ExchangeHintAndCompletion(pPX, m_field);
    if (nSchema > 16)
        ExchangeEditStyle(pPX, m_field);
    if (nSchema > 18)
        PX_Bool(pPX, "ShowSpinButtons", m_bShowSpinButtons, FALSE);
}

void CKTControlComboBox::DoPropExchange(CKTPropExchange* pPX)
{
    CKTControlPopup::DoPropExchange(pPX);
    const UINT nSchema = pPX->GetSchema();
    BOOL bDropDown = m_bDropDown;
    PX_Bool(pPX, "DropDown", bDropDown, TRUE);
    PX_Int(pPX, "Width", m_nWidth, 0);
    PX_Int(pPX, "ComboStyle", m_nComboStyle, 0);
    if (nSchema > 8)
    {
        ExchangeHintAndCompletion(pPX, m_field);
        PX_Bool(pPX, "AutoComplete", m_bAutoComplete, FALSE);
        PX_Int(pPX, "EditIconId", m_nEditIconId, 0);
        PX_Int(pPX, "DropDownItemCount", m_nDropDownItemCount, 12);
    }
    if (nSchema > 16)
        ExchangeEditStyle(pPX, m_field);
    if (pPX->IsLoading())
        SetDropDown(bDropDown);
}

void CKTControlComboBoxList::DoPropExchange(CKTPropExchange* pPX)
{
    CKTControlComboBoxPopupBar::DoPropExchange(pPX);
    CKTPropExchangeSection section(pPX->GetSection("Items"));
    CString strName;
    if (!pPX->IsLoading())
    {
        const int nCount = GetCount();
        section->WriteCount((DWORD)nCount);
        for (int i = 0; i < nCount; i++)
        {
            CString strItem;
            GetText(i, strItem);
            strName.Format("Item%i", i);
            PX_String(section, strName, strItem, "");
        }
        return;
    }
    // A damaged count ends at the archive's end, which fails the exchange before the list changes.
    std::vector<CString> items;
    const DWORD dwCount = section->ReadCount();
    for (DWORD i = 0; i < dwCount && !section->IsFailed(); i++)
    {
        CString strItem;
        strName.Format("Item%lu", i);
        PX_String(section, strName, strItem, "");
        items.push_back(strItem);
    }
    if (section->IsFailed() || !CreateListBox())
        return;
    SendMessage(LB_RESETCONTENT);
    for (const CString& strItem : items)
        AddString(strItem);
}

void CKTControlCustom::DoPropExchange(CKTPropExchange* pPX)
{
    CKTControlButton::DoPropExchange(pPX);
    // Earlier versions saved these controls with the type they were asked for.
    if (pPX->IsLoading())
        m_nType = KTStoredControlType(m_nType);
    PX_Rect(pPX, "Borders", m_rcBorders, CRect(0, 0, 0, 0));
    PX_Size(pPX, "ControlSize", m_szControl, CSize(0, 0));
    PX_Int(pPX, "VerticalOptions", m_nVertOptions, ktVertHideControl);
    if (pPX->GetSchema() <= 5)
        return;
    int nControlId = m_hWndChild && ::IsWindow(m_hWndChild) ? ::GetDlgCtrlID(m_hWndChild) : 0;
    PX_Int(pPX, "ControlId", nControlId, 0);
    // The window is looked up once the load is known to be sound, so a refused one moves no window.
    if (pPX->IsLoading())
        m_nSavedControlId = nControlId;
}

void CKTControlCustom::RestoreCommandBarList(CKTCommandBarList* pList)
{
    CKTControlButton::RestoreCommandBarList(pList);
    CKTCommandBars* pCommandBars = GetCommandBars();
    if (m_nSavedControlId == 0 || !pCommandBars)
        return;
    if (HWND hWnd = FindHostedWindow(pCommandBars, m_nSavedControlId))
        SetControl(hWnd);
    m_nSavedControlId = 0;
}

void CKTControlGallery::DoPropExchange(CKTPropExchange* pPX)
{
    CKTControlPopup::DoPropExchange(pPX);
    PX_Bool(pPX, "ShowLabels", m_bShowLabels, TRUE);
    PX_Bool(pPX, "ShowBorders", m_bShowBorders, TRUE);
    PX_Bool(pPX, "ShowScrollBar", m_bShowScrollBar, TRUE);
    PX_Rect(pPX, "GalleryMargin", m_rcMargin, CRect(0, 0, 0, 0));
    if (pPX->IsLoading())
        RepositionItems();
}
