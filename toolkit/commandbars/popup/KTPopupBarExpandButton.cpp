// KTPopupBarExpandButton.cpp: the row at the bottom of a personalised menu that shows its rarely used commands.
#include "KTPopupBarExpandButton.h"

#include "KTPaintManager.h"
#include "KTPopupBar.h"

IMPLEMENT_DYNCREATE(CKTPopupBarExpandButton, CKTControlButton)

namespace
{
const int kMenuExpandKind = 1;  // the paint manager's show-all row
}

CKTPopupBarExpandButton::CKTPopupBarExpandButton()
{
    m_nId = KT_ID_POPUPBAR_EXPAND;
    m_dwFlags = ktFlagSkipFocus | ktFlagManualUpdate | ktFlagNoMovable | ktFlagTooltipInPopup;
}

void CKTPopupBarExpandButton::OnExecute()
{
    if (CKTPopupBar* pPopup = m_pParent ? m_pParent->AsPopupBar() : NULL)
        pPopup->ExpandBar();
}

void CKTPopupBarExpandButton::Draw(CDC* pDC)
{
    GetPaintManager()->DrawExpandButton(pDC, kMenuExpandKind, this, m_pParent, TRUE, CSize(0, 0), TRUE);
}
