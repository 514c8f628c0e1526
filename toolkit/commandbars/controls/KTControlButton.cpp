// KTControlButton.cpp: buttons execute through the press loop on tool bars and on release in menus.
#include "KTControlButton.h"

#include "KTCommandBar.h"
#include "KTControls.h"

IMPLEMENT_DYNCREATE(CKTControlButton, CKTControl)

void CKTControlButton::OnClick(BOOL bKeyboard, CPoint pt)
{
    if (!IsEnabled() || !m_pParent)
        return;
    if (IsCustomizeMode())
    {
        OnCustomizeClick(pt);
        return;
    }
    if (bKeyboard)
    {
        OnExecute();
        return;
    }
    if (m_pParent->GetType() == ktBarTypePopup)
        return;
    if (ClickToolBarButton(m_rcControl))
    {
        OnExecute();
        if (m_nPressed)
        {
            m_nPressed = 0;
            RedrawParent(TRUE);
        }
    }
}

void CKTControlButton::OnLButtonUp(CPoint pt)
{
    if (!IsEnabled() || !m_pParent)
        return;
    if (m_pParent->GetType() == ktBarTypePopup || m_pParent->GetPosition() == ktBarPopup)
        OnExecute();
}
