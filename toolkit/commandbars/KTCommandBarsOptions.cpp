// KTCommandBarsOptions.cpp: keyboard cues and the commands personalised menus hide.
#include "KTCommandBarsOptions.h"

#include "KTCommandBar.h"
#include "KTCommandBars.h"
#include "KTControl.h"

void CKTCommandBarsOptions::ShowKeyboardCues(int nMode)
{
    m_nShowKeyboardCues = nMode;
    if (!m_pCommandBars)
        return;
    m_pCommandBars->SetKeyboardCuesInUse(FALSE);
    m_pCommandBars->SetKeyboardCuesVisible(nMode != 1);
    BOOL bSystemCues = TRUE;
    if (nMode == 2 && ::SystemParametersInfo(SPI_GETKEYBOARDCUES, 0, &bSystemCues, 0) && !bSystemCues)
    {
        m_pCommandBars->SetKeyboardCuesInUse(TRUE);
        m_pCommandBars->SetKeyboardCuesVisible(FALSE);
    }
}

BOOL CKTCommandBarsOptions::IsCommandHidden(UINT nId) const
{
    return m_hiddenCommands.count(nId) && !m_usedCommands.count(nId);
}

void CKTCommandBarsOptions::SetCommandUsed(UINT nId)
{
    if (!IsCommandHidden(nId))
        return;
    m_usedCommands.insert(nId);
    bDirty = TRUE;
}

BOOL CKTCommandBarsOptions::IsControlHidden(CKTControl* pControl) const
{
    if (IsCommandHidden(pControl->GetID()))
        return TRUE;
    if (!bAutoHideUnusedPopups || !KTIsPopupType(pControl->GetType()))
        return FALSE;
    CKTCommandBar* pPopup = pControl->GetCommandBar();
    if (!pPopup || pPopup->GetControlCount() == 0)
        return TRUE;
    for (int i = 0; i < pPopup->GetControlCount(); i++)
        if (!IsControlHidden(pPopup->GetControl(i)))
            return FALSE;
    return TRUE;
}
