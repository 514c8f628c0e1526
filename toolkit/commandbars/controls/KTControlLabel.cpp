// KTControlLabel.cpp: labels skip the keyboard, update themselves and stay where they are.
#include "KTControlLabel.h"

IMPLEMENT_DYNCREATE(CKTControlLabel, CKTControl)

CKTControlLabel::CKTControlLabel()
{
    m_nType = ktControlLabel;
    m_dwFlags = ktFlagSkipFocus | ktFlagManualUpdate | ktFlagNoMovable;
}

// A press on a label only ever moves it, and only while the bars are customised: it has no command to run.
void CKTControlLabel::OnClick(BOOL bKeyboard, CPoint pt)
{
    if (bKeyboard || !m_pParent || !IsEnabled() || !IsCustomizeMode() || !IsCustomizeMovable())
        return;
    OnCustomizeClick(pt);
}
