// KTControlAccessible.cpp: names, roles, states, places and actions of controls and bars for screen readers.
#include "KTControlAccessible.h"

#include "KTCommandBar.h"
#include "KTControl.h"
#include "KTControls.h"
#include "KTDrawHelpers.h"
#include "KTPopupBar.h"

namespace
{
const char kDefaultAction[] = "Click";
const long kStateSelected = STATE_SYSTEM_FOCUSED | STATE_SYSTEM_HOTTRACKED | STATE_SYSTEM_SELECTED;

BOOL IsBarHidden(CKTCommandBar* pBar) { return !pBar->GetSafeHwnd() || !pBar->IsWindowVisible(); }
}  // namespace

CString CKTControlAccessible::NameOf(CKTControl* pControl)
{
    CString strName = pControl->GetCaption();
    CKTDrawHelpers::StripMnemonics(strName);
    if (strName.IsEmpty())
        return pControl->GetTooltip();
    CString strShortcut = pControl->GetShortcutText();
    return strShortcut.IsEmpty() ? strName : strName + "\t" + strShortcut;
}

HRESULT CKTControlAccessible::GetAccessibleParent(IDispatch** ppdispParent)
{
    CKTCommandBar* pBar = m_pControl->GetParent();
    return pBar ? PutObject(pBar->GetAccessible(), ppdispParent) : E_FAIL;
}

HRESULT CKTControlAccessible::GetAccessibleChildCount(long* pcountChildren)
{
    *pcountChildren = m_pControl->GetCommandBar() ? 1 : 0;
    return S_OK;
}

HRESULT CKTControlAccessible::GetAccessibleChild(VARIANT varChild, IDispatch** ppdispChild)
{
    CKTCommandBar* pPopup = m_pControl->GetCommandBar();
    if (GetChildIndex(&varChild) != 1 || !pPopup)
        return E_INVALIDARG;
    return PutObject(pPopup->GetAccessible(), ppdispChild);
}

HRESULT CKTControlAccessible::GetAccessibleName(VARIANT varChild, BSTR* pszName)
{
    return IsSelf(varChild) ? PutText(NameOf(m_pControl), pszName) : E_INVALIDARG;
}

HRESULT CKTControlAccessible::GetAccessibleDescription(VARIANT varChild, BSTR* pszDescription)
{
    return IsSelf(varChild) ? PutText(m_pControl->GetDescription(), pszDescription) : E_INVALIDARG;
}

HRESULT CKTControlAccessible::GetAccessibleRole(VARIANT varChild, VARIANT* pvarRole)
{
    if (!IsSelf(varChild))
        return E_INVALIDARG;
    CKTCommandBar* pBar = m_pControl->GetParent();
    int nBarType = pBar ? pBar->GetType() : ktBarTypePopup;
    if (nBarType != ktBarTypeNormal && nBarType != ktBarTypeRibbon)
        return PutLong(ROLE_SYSTEM_MENUITEM, pvarRole);
    return PutLong(m_pControl->GetCommandBar() ? ROLE_SYSTEM_BUTTONMENU : ROLE_SYSTEM_PUSHBUTTON, pvarRole);
}

HRESULT CKTControlAccessible::GetAccessibleState(VARIANT varChild, VARIANT* pvarState)
{
    if (!IsSelf(varChild))
        return E_INVALIDARG;
    CKTCommandBar* pBar = m_pControl->GetParent();
    long nState = STATE_SYSTEM_FOCUSABLE;
    if (m_pControl->GetSelected() != ktSelectionNone)
        nState |= kStateSelected;
    if (!m_pControl->IsVisible() || !pBar || IsBarHidden(pBar))
        nState |= STATE_SYSTEM_INVISIBLE;
    if (!m_pControl->IsEnabled() && !m_pControl->IsCustomizeMode())
        nState |= STATE_SYSTEM_UNAVAILABLE;
    if (m_pControl->GetChecked() > 0)
        nState |= STATE_SYSTEM_CHECKED;
    if (m_pControl->GetPressed())
        nState |= STATE_SYSTEM_PRESSED;
    if (m_pControl->GetCommandBar())
        nState |= STATE_SYSTEM_HASPOPUP;
    return PutLong(nState, pvarState);
}

HRESULT CKTControlAccessible::GetAccessibleDefaultAction(VARIANT varChild, BSTR* pszDefaultAction)
{
    return IsSelf(varChild) ? PutText(kDefaultAction, pszDefaultAction) : E_INVALIDARG;
}

HRESULT CKTControlAccessible::AccessibleDoDefaultAction(VARIANT varChild)
{
    if (!IsSelf(varChild))
        return E_INVALIDARG;
    CKTSmartPtr<CKTControl> pHold(m_pControl);
    m_pControl->OnClick(TRUE);
    return S_OK;
}

HRESULT CKTControlAccessible::AccessibleSelect(long, VARIANT varChild)
{
    if (!IsSelf(varChild))
        return E_INVALIDARG;
    CKTCommandBar* pBar = m_pControl->GetParent();
    if (pBar && pBar->GetSafeHwnd())
    {
        pBar->SetTrackingMode(ktTrackingOn, FALSE, TRUE);
        pBar->SetSelected(m_pControl->GetIndex(), TRUE);
    }
    return S_OK;
}

HRESULT CKTControlAccessible::AccessibleLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight,
                                                 VARIANT varChild)
{
    if (!IsSelf(varChild))
        return E_INVALIDARG;
    return PutBarLocation(m_pControl->GetRect(), pxLeft, pyTop, pcxWidth, pcyHeight);
}

HRESULT CKTControlAccessible::PutBarLocation(CRect rc, long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight) const
{
    CKTCommandBar* pBar = m_pControl->GetParent();
    if (!pBar || !pBar->GetSafeHwnd())
        return E_FAIL;
    pBar->ClientToScreen(&rc);
    return PutLocation(rc, pxLeft, pyTop, pcxWidth, pcyHeight);
}

HRESULT CKTControlAccessible::AccessibleHitTest(long xLeft, long yTop, VARIANT* pvarChild)
{
    CKTCommandBar* pBar = m_pControl->GetParent();
    if (!pBar || !pBar->GetSafeHwnd())
        return S_FALSE;
    CRect rcBar;
    pBar->GetWindowRect(&rcBar);
    if (!rcBar.PtInRect(CPoint(xLeft, yTop)))
        return S_FALSE;
    PutLong(CHILDID_SELF, pvarChild);
    CPoint pt(xLeft, yTop);
    pBar->ScreenToClient(&pt);
    return m_pControl->GetRect().PtInRect(pt) ? S_OK : S_FALSE;
}

CKTCommandBarAccessible::CKTCommandBarAccessible(CKTCommandBar* pBar)
    : CKTWindowAccessible(pBar, "", ROLE_SYSTEM_TOOLBAR, 0), m_pBar(pBar)
{
}

HRESULT CKTCommandBarAccessible::GetAccessibleParent(IDispatch** ppdispParent)
{
    CKTPopupBar* pPopup = m_pBar ? m_pBar->AsPopupBar() : NULL;
    if (pPopup && pPopup->GetOpeningControl())
        return PutObject(pPopup->GetOpeningControl()->GetAccessible(), ppdispParent);
    return CKTWindowAccessible::GetAccessibleParent(ppdispParent);
}

HRESULT CKTCommandBarAccessible::GetAccessibleChildCount(long* pcountChildren)
{
    *pcountChildren = m_pBar->GetControlCount();
    return S_OK;
}

CKTControl* CKTCommandBarAccessible::ChildOf(const VARIANT& varChild) const
{
    return m_pBar->GetControl(GetChildIndex(&varChild) - 1);
}

HRESULT CKTCommandBarAccessible::GetAccessibleChild(VARIANT varChild, IDispatch** ppdispChild)
{
    CKTControl* pControl = ChildOf(varChild);
    return pControl ? PutObject(pControl->GetAccessible(), ppdispChild) : E_INVALIDARG;
}

HRESULT CKTCommandBarAccessible::GetAccessibleName(VARIANT varChild, BSTR* pszName)
{
    if (IsSelf(varChild))
        return PutText(m_pBar->GetTitle(), pszName);
    CKTControl* pControl = ChildOf(varChild);
    return pControl ? PutText(CKTControlAccessible::NameOf(pControl), pszName) : E_INVALIDARG;
}

HRESULT CKTCommandBarAccessible::GetAccessibleRole(VARIANT varChild, VARIANT* pvarRole)
{
    if (!IsSelf(varChild))
        return ChildOf(varChild) ? PutLong(ROLE_SYSTEM_MENUITEM, pvarRole) : E_INVALIDARG;
    switch (m_pBar->GetType())
    {
    case ktBarTypeMenuBar:
        return PutLong(ROLE_SYSTEM_MENUBAR, pvarRole);
    case ktBarTypePopup:
        return PutLong(ROLE_SYSTEM_MENUPOPUP, pvarRole);
    }
    return PutLong(ROLE_SYSTEM_TOOLBAR, pvarRole);
}

HRESULT CKTCommandBarAccessible::GetAccessibleState(VARIANT varChild, VARIANT* pvarState)
{
    long nState = IsBarHidden(m_pBar) ? STATE_SYSTEM_INVISIBLE : 0;
    if (IsSelf(varChild))
        return PutLong(nState, pvarState);
    CKTControl* pControl = ChildOf(varChild);
    if (!pControl)
        return E_INVALIDARG;
    nState |= STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE;
    if (pControl->GetIndex() == m_pBar->GetSelected())
        nState |= kStateSelected;
    return PutLong(nState, pvarState);
}

HRESULT CKTCommandBarAccessible::AccessibleLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight,
                                                    VARIANT varChild)
{
    if (IsSelf(varChild))
        return CKTWindowAccessible::AccessibleLocation(pxLeft, pyTop, pcxWidth, pcyHeight, varChild);
    CKTControl* pControl = ChildOf(varChild);
    if (!pControl)
        return E_INVALIDARG;
    if (!m_pBar->GetSafeHwnd())
        return E_FAIL;
    CRect rc = pControl->GetRect();
    // Mapped, not offset: a right-to-left bar's client x runs from its right edge.
    m_pBar->ClientToScreen(&rc);
    return PutLocation(rc, pxLeft, pyTop, pcxWidth, pcyHeight);
}

HRESULT CKTCommandBarAccessible::AccessibleHitTest(long xLeft, long yTop, VARIANT* pvarChild)
{
    CRect rcBar;
    m_pBar->GetWindowRect(&rcBar);
    if (!rcBar.PtInRect(CPoint(xLeft, yTop)))
        return S_FALSE;
    CPoint pt(xLeft, yTop);
    m_pBar->ScreenToClient(&pt);
    CKTControl* pControl = m_pBar->GetControls()->HitTest(pt);
    return pControl ? PutObject(pControl->GetAccessible(), pvarChild) : PutLong(CHILDID_SELF, pvarChild);
}
