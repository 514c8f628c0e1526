// KTControl.cpp: a control's texts, state, managers, selection and execution.
#include "KTControl.h"

#include "KTCommandBar.h"
#include "KTCommandBars.h"
#include "KTCommandBarsOptions.h"
#include "KTControlAccessible.h"
#include "KTControlAction.h"
#include "KTControls.h"
#include "KTPopupBar.h"
#include "KTImageManager.h"
#include "KTPaintManager.h"
#include "KTResourceManager.h"
#include "KTSoundPlayer.h"

IMPLEMENT_DYNCREATE(CKTControl, CCmdTarget)

CKTControl::CKTControl() = default;

CKTControl::~CKTControl() { SetAction(NULL); }

CKTAccessible* CKTControl::GetAccessible()
{
    if (!m_pAccessible)
        m_pAccessible = CreateAccessible();
    return m_pAccessible.get();
}

std::unique_ptr<CKTAccessible> CKTControl::CreateAccessible()
{
    return std::unique_ptr<CKTAccessible>(new CKTControlAccessible(this));
}

CString CKTControl::GetCaption() const
{
    if (!m_strCustomCaption.IsEmpty())
        return m_strCustomCaption;
    if (!m_strCaption.IsEmpty() || !m_pAction)
        return m_strCaption;
    return m_pAction->GetCaption().IsEmpty() ? m_pAction->GetTooltip() : m_pAction->GetCaption();
}

CString CKTControl::GetDescription() const
{
    if (!m_strDescription.IsEmpty() || !m_pAction)
        return m_strDescription;
    return m_pAction->GetDescription();
}

CString CKTControl::GetTooltip() const
{
    if (!m_strTooltip.IsEmpty() || !m_pAction)
        return m_strTooltip;
    return m_pAction->GetTooltip();
}

CString CKTControl::GetTooltip(CPoint, CRect* pRect, INT_PTR* pToolId) const
{
    *pRect = m_rcControl;
    *pToolId = m_nId;
    return GetTooltip();
}

CString CKTControl::GetShortcutText() const
{
    if (!m_strShortcutText.IsEmpty())
        return m_strShortcutText;
    if (m_pAction && !m_pAction->GetShortcutText().IsEmpty())
        return m_pAction->GetShortcutText();
    return m_strShortcutTextAuto;
}

void CKTControl::SetCaption(LPCSTR lpszCaption)
{
    CString strCaption = lpszCaption;
    int nTab = strCaption.Find('\t');
    if (nTab >= 0)
    {
        CString strShortcut = strCaption.Mid(nTab + 1);
        strCaption = strCaption.Left(nTab);
        if (m_strShortcutTextAuto != strShortcut)
        {
            m_strShortcutTextAuto = strShortcut;
            DelayLayoutParent();
        }
    }
    if (m_strCaption != strCaption)
    {
        m_strCaption = strCaption;
        DelayLayoutParent();
    }
}

void CKTControl::SetCaptionFromResource(UINT nId)
{
    CString strCaption;
    if (KTResourceManager()->LoadString(&strCaption, nId))
        SetCaption(strCaption);
}

void CKTControl::SetPrompt(LPCSTR lpszPrompt)
{
    CString strPrompt = lpszPrompt;
    int nLineFeed = strPrompt.Find('\n');
    CString strThird;
    BOOL bThird = FALSE;
    if (nLineFeed < 0)
        m_strDescription = strPrompt;
    else
    {
        m_strDescription = strPrompt.Left(nLineFeed);
        CString strRest = strPrompt.Mid(nLineFeed + 1);
        int nSecond = strRest.Find('\n');
        bThird = nSecond >= 0;
        m_strTooltip = bThird ? strRest.Left(nSecond) : strRest;
        strThird = strRest.Mid(nSecond + 1);
    }
    // A control without a caption of its own still gets a name to show.
    if (m_strCaption.IsEmpty())
        m_strCaption = bThird ? strThird : m_strTooltip;
}

void CKTControl::SetID(int nId)
{
    if (m_nId == nId)
        return;
    CString strPrompt;
    if (nId > 0 && KTResourceManager()->LoadString(&strPrompt, nId))
        SetPrompt(strPrompt);
    m_nId = nId;
}

int CKTControl::GetStyle() const
{
    if (m_nCustomStyle != -1)
        return m_nCustomStyle;
    if (m_nStyle != ktButtonAutomatic)
        return m_nStyle;
    if (m_nFallbackStyle != ktButtonAutomatic)
        return m_nFallbackStyle;
    return m_pParent ? m_pParent->GetDefaultButtonStyle() : ktButtonAutomatic;
}

int CKTControl::GetIconId() const
{
    if (m_nCustomIconId != 0)
        return m_nCustomIconId;
    if (m_nIconId > 0)
        return m_nIconId;
    if (m_pAction)
        return m_pAction->GetIconId() > 0 ? m_pAction->GetIconId() : m_pAction->GetID();
    return m_nId;
}

CKTImageManagerIcon* CKTControl::GetImage(int nWidth) const
{
    int nIconId = GetIconId();
    CKTImageManager* pImageManager = GetImageManager();
    return nIconId > 0 && pImageManager ? pImageManager->GetImage(nIconId, nWidth) : NULL;
}

CKTImageManagerIcon* CKTControl::GetToolBarImage(int nWidth) const
{
    const int nStyle = GetStyle();
    const BOOL bIconStyle = (nStyle == ktButtonAutomatic && GetType() != ktControlPopup) || nStyle == ktButtonIcon ||
                            nStyle == ktButtonIconAndCaption || nStyle == ktButtonIconAndCaptionBelow;
    return bIconStyle ? GetImage(nWidth) : NULL;
}

KTToolBarLayout CKTControl::GetToolBarLayout() const
{
    if (IsDrawnByItself() && !(m_pParent && m_pParent->GetType() == ktBarTypePopup))
        return ktToolBarLayoutOwnDrawing;
    const int nType = GetType();
    // A field lays out its own label and box.
    if (nType == ktControlEdit || nType == ktControlComboBox)
        return ktToolBarLayoutByStyle;
    if (GetStyle() == ktButtonIconAndCaptionBelow)
        return ktToolBarLayoutCaptionBelow;
    if (nType == ktControlCheckBox || nType == ktControlRadioButton)
        return ktToolBarLayoutMark;
    if (m_pParent && m_pParent->IsTextBelowIcons() && GetToolBarImage(GetIconSize().cx))
        return ktToolBarLayoutTextBelowIcon;
    return ktToolBarLayoutByStyle;
}

BOOL CKTControl::IsCaptionVisible() const
{
    if (m_pParent && m_pParent->GetType() == ktBarTypePopup)
        return TRUE;
    if (GetCaption().IsEmpty())
        return FALSE;
    // Below an icon or beside a mark the caption shows whatever the style says; a control drawing itself shows none.
    const KTToolBarLayout nLayout = GetToolBarLayout();
    if (nLayout == ktToolBarLayoutOwnDrawing)
        return FALSE;
    if (nLayout != ktToolBarLayoutByStyle)
        return TRUE;
    switch (GetStyle())
    {
    case ktButtonCaption:
    case ktButtonIconAndCaption:
    case ktButtonIconAndCaptionBelow:  // a field's label
        return TRUE;
    case ktButtonIcon:
        return FALSE;
    }
    switch (GetTraits().nAutoCaption)
    {
    case ktAutoCaptionWithoutIcon:
        return GetImage(GetIconSize().cx) == NULL;
    case ktAutoCaptionAlways:
        return TRUE;
    default:
        return FALSE;
    }
}

int CKTControl::GetEnabled() const
{
    if (m_nEnabled != -1 || !m_pAction)
        return m_nEnabled;
    return m_pAction->GetEnabled();
}

void CKTControl::SetEnabled(int nEnabled)
{
    if (m_nEnabled == nEnabled)
        return;
    m_nEnabled = nEnabled;
    RedrawParent(FALSE);
}

int CKTControl::GetChecked() const
{
    if (m_nChecked != -1 || !m_pAction)
        return m_nChecked;
    return m_pAction->GetChecked();
}

void CKTControl::SetChecked(int nChecked)
{
    if (m_nChecked == nChecked)
        return;
    m_nChecked = nChecked;
    RedrawParent(FALSE);
}

BOOL CKTControl::IsVisible(DWORD dwSkipFlags) const
{
    if (m_pAction && !m_pAction->IsVisible())
        return FALSE;
    return (m_dwHideFlags & ~dwSkipFlags) == 0;
}

BOOL CKTControl::IsOnCompositedCaption() const { return m_pParent && m_pParent->IsCompositedCaptionRect(m_rcControl); }

void CKTControl::SetHideFlags(DWORD dwFlags)
{
    if (dwFlags == m_dwHideFlags)
        return;
    m_dwHideFlags = dwFlags;
    UpdateWindowVisibility();
}

BOOL CKTControl::SetHideFlag(DWORD dwFlag, BOOL bSet)
{
    DWORD dwFlags = bSet ? (m_dwHideFlags | dwFlag) : (m_dwHideFlags & ~dwFlag);
    if (dwFlags == m_dwHideFlags)
        return FALSE;
    SetHideFlags(dwFlags);
    return TRUE;
}

void CKTControl::SetVisible(BOOL bVisible)
{
    if (SetHideFlag(ktHideGeneric, !bVisible))
        DelayLayoutParent();
}

void CKTControl::SetBeginGroup(BOOL bBeginGroup)
{
    if (m_bBeginGroup == bBeginGroup)
        return;
    m_bBeginGroup = bBeginGroup;
    DelayLayoutParent();
}

void CKTControl::SetControls(CKTControls* pControls, int nIndex)
{
    m_pControls = pControls;
    m_nIndex = nIndex;
}

CKTCommandBars* CKTControl::GetCommandBars() const
{
    if (m_pParent)
        return m_pParent->GetCommandBars();
    return m_pControls ? m_pControls->GetCommandBars() : NULL;
}

void CKTControl::SetAction(CKTControlAction* pAction)
{
    if (m_pAction == pAction)
        return;
    if (m_pAction)
    {
        m_pAction->RemoveControl(this);
        m_pAction = NULL;
        m_nEnabled = 1;
        m_nChecked = 0;
    }
    if (!pAction)
        return;
    m_pAction = pAction;
    pAction->AddControl(this);
    m_nEnabled = -1;
    m_nChecked = -1;
    m_nId = pAction->GetID();
    m_strCaption.Empty();
    m_strTooltip.Empty();
    m_strDescription.Empty();
    m_strCategory.Empty();
    m_strShortcutText.Empty();
}

CKTPaintManager* CKTControl::GetPaintManager() const
{
    if (m_pParent)
        return m_pParent->GetPaintManager();
    CKTCommandBars* pCommandBars = GetCommandBars();
    return pCommandBars ? pCommandBars->GetPaintManager() : CKTPaintManager::GetGlobal();
}

CKTImageManager* CKTControl::GetImageManager() const
{
    if (m_pParent)
        return m_pParent->GetImageManager();
    CKTCommandBars* pCommandBars = GetCommandBars();
    return pCommandBars ? pCommandBars->GetImageManager() : KTImageManager();
}

CSize CKTControl::GetSize(CDC* pDC) { return GetPaintManager()->DrawControl(pDC, this, FALSE); }

void CKTControl::Draw(CDC* pDC) { GetPaintManager()->DrawControl(pDC, this, TRUE); }

CSize CKTControl::GetIconSize() const { return m_pParent ? m_pParent->GetIconSize() : CSize(16, 16); }

CSize CKTControl::GetButtonSize() const { return m_pParent ? m_pParent->GetButtonSize() : CSize(22, 22); }

void CKTControl::RedrawParent(BOOL bAnimate)
{
    if (m_pParent && m_pParent->GetSafeHwnd())
        m_pParent->Redraw(m_rcControl, bAnimate);
}

void CKTControl::DelayLayoutParent()
{
    if (m_pParent)
        m_pParent->DelayLayout();
}

BOOL CKTControl::IsCursorOver() const
{
    if (!m_pParent || !m_pParent->GetSafeHwnd())
        return FALSE;
    CPoint pt;
    ::GetCursorPos(&pt);
    m_pParent->ScreenToClient(&pt);
    return m_rcControl.PtInRect(pt);
}

BOOL CKTControl::IsCustomizeMode() const { return m_pParent && m_pParent->IsCustomizeMode(); }

BOOL CKTControl::OnSetSelected(int nSelected)
{
    if (m_nSelected == nSelected)
        return FALSE;
    if (KTIsKeyboardSelection(nSelected) && m_pParent && m_pParent->GetSelected() != m_nIndex)
        m_pParent->SetPopuped(-1);
    m_nSelected = nSelected;
    if (m_pParent)
        m_pParent->OnControlSelected(nSelected != ktSelectionNone, this);
    if (IsEnabled() || nSelected == ktSelectionNone || KTIsKeyboardSelection(nSelected))
        RedrawParent(nSelected == ktSelectionNone);
    return TRUE;
}

BOOL CKTControl::OnLButtonDblClk(CPoint pt)
{
    OnClick(FALSE, pt);
    return TRUE;
}

void CKTControl::OnMouseHover()
{
    if (!m_pParent)
        return;
    BOOL bWasOpen = m_pParent->GetPopuped() != -1;
    m_pParent->SetPopuped(-1);
    if (bWasOpen && m_pParent->GetTrackingMode() == ktTrackingPopup && m_pParent->GetPosition() != ktBarPopup)
        m_pParent->SetTrackingMode(ktTrackingNone);
}

void CKTControl::OnActionChanged(int nProperty)
{
    if (nProperty == ktActionVisible)
        UpdateWindowVisibility();
}

void CKTControl::OnRemoved()
{
    SetAction(NULL);
    UpdateWindowVisibility();
}

LRESULT CKTControl::NotifySite(int nCode)
{
    KT_NMCONTROL notify = {};
    LRESULT lResult = NotifySiteEx(nCode, &notify);
    if (lResult || !m_pParent)
        return lResult;
    CWnd* pSite = m_pParent->GetOwnerSite();
    if (!pSite || !pSite->GetSafeHwnd())
        return 0;
    AFX_NOTIFY routed = {&lResult, &notify.hdr};
    if (!pSite->OnCmdMsg(m_nId, MAKELONG(nCode, WM_NOTIFY), &routed, NULL))
        return 0;
    // The handler's answer; a handler that took it and answered 0 still counts as taken.
    return lResult ? lResult : TRUE;
}

LRESULT CKTControl::NotifySiteEx(int nCode, KT_NMCONTROL* pNotify)
{
    pNotify->hdr = {NULL, (UINT_PTR)m_nId, (UINT)nCode};
    pNotify->pControl = this;
    if (!m_pParent)
        return 0;
    CWnd* pSite = m_pParent->GetOwnerSite();
    if (!pSite || !pSite->GetSafeHwnd())
        return 0;
    return pSite->SendMessage(KTWM_CONTROLNOTIFY, m_nId, (LPARAM)pNotify);
}

void CKTControl::ExecuteCommand()
{
    if (m_nId == 0 || !m_pParent)
        return;
    if (NotifySite(KTN_EXECUTE))
        return;
    CWnd* pSite = m_pParent->GetOwnerSite();
    if (pSite && pSite->GetSafeHwnd())
        pSite->SendMessage(WM_COMMAND, (WPARAM)m_nId, 0);
}

BOOL CKTControl::ReturnCommand()
{
    CKTPopupBar* pPopup = m_nId && m_pParent ? m_pParent->AsPopupBar() : NULL;
    if (!pPopup || !pPopup->TakeReturnCommand(m_nId))
        return FALSE;
    // The caller's loop waits for the chain to close, whatever the control's own close setting.
    if (CKTCommandBars* pCommandBars = GetCommandBars())
        pCommandBars->ClosePopups();
    else
        pPopup->GetRootParent()->SetTrackingMode(ktTrackingNone);
    return TRUE;
}

void CKTControl::MarkUsed()
{
    CKTCommandBars* pCommandBars = GetCommandBars();
    if (!pCommandBars)
        return;
    pCommandBars->SetCommandUsed(m_nId);
    CKTPopupBar* pPopup = m_pParent ? m_pParent->AsPopupBar() : NULL;
    if (CKTControl* pOpening = pPopup ? pPopup->GetOpeningControl() : NULL)
        pCommandBars->SetCommandUsed(pOpening->GetID());
}

void CKTControl::OnExecute()
{
    KTSoundPlayer()->Play(ktSoundMenuCommand);
    m_nPressed = m_pParent && m_pParent->GetPosition() == ktBarPopup ? 0 : 2;
    if (ReturnCommand())
        return;
    CKTSmartPtr<CKTControl> pHold(this);
    MarkUsed();
    if (m_bCloseSubMenuOnClick && m_pParent)
        if (CKTCommandBars* pCommandBars = GetCommandBars())
            pCommandBars->ClosePopups();
    ExecuteCommand();
    if (!m_bCloseSubMenuOnClick || m_nPressed)
    {
        m_nPressed = 0;
        if (m_pParent && m_pParent->GetSafeHwnd())
        {
            m_pParent->IdleUpdate();
            RedrawParent(FALSE);
        }
    }
}

void CKTControl::Copy(CKTControl* pFrom, BOOL bRecursive)
{
    m_nId = pFrom->m_nId;
    SetAction(pFrom->m_pAction);
    m_nTag = pFrom->m_nTag;
    m_dwFlags = pFrom->m_dwFlags;
    m_nType = pFrom->m_nType;
    m_strCaption = pFrom->m_strCaption;
    m_strShortcutText = pFrom->m_strShortcutText;
    m_strShortcutTextAuto = pFrom->m_strShortcutTextAuto;
    m_strTooltip = pFrom->m_strTooltip;
    m_strDescription = pFrom->m_strDescription;
    m_strParameter = pFrom->m_strParameter;
    m_nCustomIconId = pFrom->m_nCustomIconId;
    m_nIconId = pFrom->m_nIconId;
    m_nHelpId = pFrom->m_nHelpId;
    m_bTemporary = pFrom->m_bTemporary;
    m_strCustomCaption = pFrom->m_strCustomCaption;
    m_strCategory = pFrom->m_strCategory;
    m_dwHideFlags = pFrom->m_dwHideFlags;
    m_bDefaultItem = pFrom->m_bDefaultItem;
    m_nEnabled = pFrom->m_nEnabled;
    m_nChecked = pFrom->m_nChecked;
    m_nCustomStyle = pFrom->m_nCustomStyle;
    m_nStyle = pFrom->m_nStyle;
    m_nWidth = std::max(pFrom->m_nWidth, GetCustomizeMinWidth());
    m_nHeight = pFrom->m_nHeight;
    m_bBeginGroup = pFrom->m_bBeginGroup;
    m_bCloseSubMenuOnClick = pFrom->m_bCloseSubMenuOnClick;
    m_nExecuteOnPressInterval = pFrom->m_nExecuteOnPressInterval;
    m_assignedTemplates = pFrom->m_assignedTemplates;
    m_excludedTemplates = pFrom->m_excludedTemplates;
}

CKTControl* CKTControl::Clone(BOOL bRecursive)
{
    CKTControl* pClone = static_cast<CKTControl*>(GetRuntimeClass()->CreateObject());
    pClone->Copy(this, bRecursive);
    return pClone;
}

BOOL CKTControl::Compare(CKTControl* pOther)
{
    return GetStyle() == pOther->GetStyle() && m_nType == pOther->m_nType && m_nId == pOther->m_nId &&
           m_dwFlags == pOther->m_dwFlags && m_bBeginGroup == pOther->m_bBeginGroup &&
           GetIconId() == pOther->GetIconId() && GetCaption() == pOther->GetCaption() &&
           GetTooltip() == pOther->GetTooltip() && GetDescription() == pOther->GetDescription() &&
           m_strCustomCaption == pOther->m_strCustomCaption && m_nCustomStyle == pOther->m_nCustomStyle &&
           m_strParameter == pOther->m_strParameter &&
           (m_dwHideFlags & ktHideCustomize) == (pOther->m_dwHideFlags & ktHideCustomize) &&
           m_nWidth == pOther->m_nWidth;
}

BOOL CKTControl::UpdateDocTemplate(UINT nActiveTemplate)
{
    BOOL bHide = (!m_assignedTemplates.empty() && !m_assignedTemplates.count(nActiveTemplate)) ||
                 m_excludedTemplates.count(nActiveTemplate);
    if (m_assignedTemplates.empty() && m_excludedTemplates.empty())
        return FALSE;
    return SetHideFlag(ktHideDocTemplate, bHide);
}
