// KTCommandBarExchange.cpp: the saved form of every bar kind, gated by the schema stored with it.
#include "KTCommandBar.h"
#include "KTCommandBarAnimator.h"
#include "KTCommandBarList.h"
#include "KTCommandBars.h"
#include "KTControl.h"
#include "KTControls.h"
#include "KTPopupBar.h"
#include "KTPropExchange.h"
#include "KTToolBar.h"

namespace
{

// Bars other than toolbars that come without an id of their own are numbered from here on each save.
const UINT kFirstGeneratedId = 0x1000000;

void PX_UInt(CKTPropExchange* pPX, LPCSTR lpszName, UINT& nValue)
{
    int n = (int)nValue;
    PX_Int(pPX, lpszName, n, 0);
    nValue = (UINT)n;
}

void PX_Flags(CKTPropExchange* pPX, LPCSTR lpszName, DWORD& dwValue)
{
    int n = (int)dwValue;
    PX_Int(pPX, lpszName, n, 0);
    dwValue = (DWORD)n;
}

}  // namespace

void CKTCommandBar::DoPropExchange(CKTPropExchange* pPX)
{
    const UINT nSchema = pPX->GetSchema();
    PX_Int(pPX, "Type", m_nBarType, ktBarTypeNormal);
    PX_Int(pPX, "Position", m_nBarPosition, ktBarTop);
    PX_UInt(pPX, "BarID", m_nBarID);
    PX_Flags(pPX, "Flags", m_dwFlags);
    PX_Flags(pPX, "Style", m_dwStyle);
    PX_String(pPX, "Title", m_strTitle, "");
    PX_Bool(pPX, "Customizable", m_bCustomizable, TRUE);
    PX_Int(pPX, "MRUWidth", m_nMRUWidth, 0);
    if (nSchema > 2)
        PX_Size(pPX, "IconSize", m_szIcons, CSize(0, 0));
    if (pPX->IsLoading() && pPX->m_pParams)
        m_pCommandBars = pPX->m_pParams->pCommandBars;
    if (nSchema > 17)
    {
        PX_Size(pPX, "ButtonSize", m_szButtons, CSize(0, 0));
        PX_Bool(pPX, "ShowTextBelowIcons", m_nTextBelowIcons, 2);
        BOOL bAnimation = IsAnimationEnabled();
        PX_Bool(pPX, "EnableAnimation", bAnimation, FALSE);
        if (pPX->IsLoading())
            m_pAnimator->EnableAnimation(bAnimation);
    }
    if (nSchema > 18)
        PX_Int(pPX, "DefaultButtonStyle", m_nDefaultButtonStyle, ktButtonAutomatic);
    CKTPropExchangeSection section(pPX->GetSection("Controls"));
    if (pPX->IsLoading())
    {
        SetControls(KTMakeCounted<CKTControls>());
        m_pControls->SetCommandBars(m_pCommandBars);
    }
    m_pControls->DoPropExchange(section);
}

void CKTCommandBar::GenerateCommandBarList(DWORD& nId, CKTCommandBarList* pList, KT_PROPEXCHANGE_PARAMS* pParams)
{
    if (pList->Lookup(this))
        return;
    // An id another listed bar already has would link that bar's controls to this one on loading.
    if (!AsToolBar() && (m_nBarID == 0 || m_nBarID >= kFirstGeneratedId || pList->FindBar(m_nBarID)))
        m_nBarID = nId++;
    pList->Add(this);
    if (!m_pControls.IsNull())
        m_pControls->GenerateCommandBarList(nId, pList, pParams);
}

void CKTCommandBar::RestoreCommandBarList(CKTCommandBarList* pList)
{
    if (!m_pControls.IsNull())
        m_pControls->RestoreCommandBarList(pList);
}

void CKTToolBar::DoPropExchange(CKTPropExchange* pPX)
{
    CKTCommandBar::DoPropExchange(pPX);
    const UINT nSchema = pPX->GetSchema();
    PX_Bool(pPX, "BuiltIn", m_bBuiltIn, TRUE);
    PX_Bool(pPX, "TearOff", m_bTearOff, FALSE);
    if (nSchema > 6)
        PX_Bool(pPX, "Closeable", m_bCloseable, TRUE);
    if (nSchema > 7)
        PX_Bool(pPX, "ContextMenuPresent", m_bContextMenuPresent, TRUE);
    if (nSchema > 16)
        PX_Bool(pPX, "CustomizeDialogPresent", m_bCustomizeDialogPresent, TRUE);
    // Older states saved the menu bar as closeable, which it never was.
    if (pPX->IsLoading() && nSchema <= 16 && m_nBarType == ktBarTypeMenuBar)
        m_bCloseable = FALSE;
}

BOOL CKTToolBar::IsCustomized() const { return m_pControls.IsNull() || m_pControls->IsChanged(); }

void CKTToolBar::TakeSavedState(CKTToolBar* pLoaded)
{
    m_strTitle = pLoaded->m_strTitle;
    m_dwFlags = pLoaded->m_dwFlags;
    m_dwStyle = pLoaded->m_dwStyle;
    m_nMRUWidth = pLoaded->m_nMRUWidth;
    m_bCloseable = pLoaded->m_bCloseable;
    m_bCustomizable = pLoaded->m_bCustomizable;
    m_szIcons = pLoaded->m_szIcons;
    m_szButtons = pLoaded->m_szButtons;
    m_nTextBelowIcons = pLoaded->m_nTextBelowIcons;
    m_nDefaultButtonStyle = pLoaded->m_nDefaultButtonStyle;
    CKTSmartPtr<CKTControls> pOriginal = m_pControls.IsNull() ? NULL : m_pControls->GetOriginalControls();
    // Sharing the loaded popup bars keeps the links the load restored.
    CKTSmartPtr<CKTControls> pControls = CKTSmartPtr<CKTControls>::Adopt(pLoaded->m_pControls->Duplicate(FALSE));
    SetControls(pControls);
    // A state saved without its original controls compares against the program's own.
    if (!pControls->GetOriginalControls() && !pOriginal.IsNull())
        pControls->SetOriginalControls(pOriginal);
    // A bar that cannot go where it was saved stays where the program put it.
    if (pLoaded->m_nBarPosition == m_nBarPosition || !SetPosition(pLoaded->m_nBarPosition))
        OnRecalcLayout();
}

void CKTPopupBar::DoPropExchange(CKTPropExchange* pPX)
{
    CKTCommandBar::DoPropExchange(pPX);
    const UINT nSchema = pPX->GetSchema();
    PX_Bool(pPX, "TearOffPopup", m_bTearOffPopup, FALSE);
    PX_String(pPX, "TearOffCaption", m_strTearOffCaption, "");
    PX_UInt(pPX, "TearOffId", m_nTearOffId);
    PX_Int(pPX, "TearOffWidth", m_nTearOffWidth, 0);
    if (nSchema > 3)
    {
        PX_Rect(pPX, "Borders", m_rcBorders, CRect(2, 4, 2, 4));
        PX_Bool(pPX, "ShowShadow", m_bShowShadow, TRUE);
    }
    if (nSchema > 8)
        PX_Bool(pPX, "DoubleGripper", m_bDoubleGripper, FALSE);
    if (pPX->IsLoading() && nSchema < 20)
        SetShowGripper(TRUE);
    if (nSchema > 18)
        PX_Bool(pPX, "ContextMenu", m_bContextMenu, FALSE);
}
