// KTControlCustomize.cpp: a control while the bars are customised: whether it moves, and a press that drags it.
#include "KTControl.h"

#include "KTCommandBar.h"
#include "KTCommandBars.h"
#include "KTCustomizeMode.h"

BOOL CKTControl::IsCustomizeMovable() const
{
    if (!m_pParent)
        return FALSE;
    if (m_pParent->IsCustomizable() && !(m_dwFlags & ktFlagNoMovable))
        return TRUE;
    CKTCommandBars* pCommandBars = GetCommandBars();
    return pCommandBars && pCommandBars->IsCustomizeMoveAll();
}

void CKTControl::OnCustomizeClick(CPoint pt)
{
    m_pParent->SetPopuped(-1);
    m_pParent->SetSelected(-1);
    if (CKTCommandBars* pCommandBars = GetCommandBars())
        pCommandBars->GetCustomize()->DragControl(this, pt);
}

void CKTControl::OnCustomizeDragOver(CKTControl*, CPoint)
{
    if (!m_pParent)
        return;
    m_pParent->SetPopuped(-1);
    m_pParent->SetSelected(-1);
}
