// KTToolBarCloseButton.cpp: the close button of a floating tool bar's caption.
#include "KTToolBarCloseButton.h"

#include "KTCommandBar.h"
#include "KTControls.h"
#include "KTPaintManager.h"

IMPLEMENT_DYNCREATE(CKTToolBarCloseButton, CKTControlButton)

namespace
{
const int KT_CAPTION_CLOSE = 2;  // the paint manager's special button kinds
}

CKTToolBarCloseButton::CKTToolBarCloseButton()
{
    m_dwFlags = ktFlagSkipFocus | ktFlagManualUpdate | ktFlagNoMovable;
    m_strCaption = "Close";
}

CKTControl* CKTToolBarCloseButton::FindOrCreate(CKTCommandBar* pBar)
{
    CKTControls* pControls = pBar->GetControls();
    if (CKTControl* pFound = pControls->FindControl(KT_ID_TOOLBAR_CLOSE))
        return pFound;
    return pControls->Add(KTMakeCounted<CKTToolBarCloseButton>(), KT_ID_TOOLBAR_CLOSE, NULL, -1, TRUE);
}

void CKTToolBarCloseButton::Draw(CDC* pDC)
{
    GetPaintManager()->DrawExpandButton(pDC, KT_CAPTION_CLOSE, this, m_pParent, TRUE, CSize(0, 0), FALSE);
}

void CKTToolBarCloseButton::OnExecute()
{
    if (m_pParent)
        m_pParent->SetVisible(FALSE);
}
