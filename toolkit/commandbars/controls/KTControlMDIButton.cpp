// KTControlMDIButton.cpp: the window buttons of a maximised MDI child, drawn with Marlett glyphs.
#include "KTControlMDIButton.h"

#include "KTDrawObjects.h"
#include "KTMenuBar.h"
#include "KTPaintManager.h"
#include "KTResourceManager.h"

IMPLEMENT_DYNCREATE(CKTControlMDIButton, CKTControlButton)

CKTControlMDIButton::CKTControlMDIButton()
{
    m_dwFlags |= ktFlagRightAlign | ktFlagSkipFocus | ktFlagManualUpdate | ktFlagNoMovable;
}

CString CKTControlMDIButton::GetTooltip() const
{
    // The button's string is its tip as it stands, not a prompt with the tip after a line feed.
    CString strTip;
    if (CKTControlButton::GetTooltip().IsEmpty() && KTResourceManager()->LoadString(&strTip, m_nId))
        return strTip;
    return CKTControlButton::GetTooltip();
}

void CKTControlMDIButton::Draw(CDC* pDC)
{
    CKTPaintManager* pPaintManager = GetPaintManager();
    pPaintManager->DrawControlState(pDC, this);
    CFont font;
    const int nPointSize = ::MulDiv(80, 96, pDC->GetDeviceCaps(LOGPIXELSX));
    if (!font.CreatePointFont(nPointSize, "Marlett"))
        return;
    CKTFontDC fontDC(pDC, &font, pPaintManager->GetColor(pPaintManager->GetControlTextColor(this)));
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    CRect rc = GetRect();
    pDC->DrawText(GetParameter(), rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    pDC->SetBkMode(nOldMode);
}

void CKTControlMDIButton::OnExecute()
{
    CKTMenuBar* pMenuBar = m_pParent ? m_pParent->AsMenuBar() : NULL;
    HWND hChild = pMenuBar ? pMenuBar->GetActiveMdiChild() : NULL;
    if (!hChild)
        return;
    const UINT nCommand = m_nId == KT_ID_MDI_CLOSE ? SC_CLOSE : m_nId == KT_ID_MDI_RESTORE ? SC_RESTORE : SC_MINIMIZE;
    ::PostMessage(hChild, WM_SYSCOMMAND, nCommand, 0);
}
