// KTControlLabel.cpp: labels skip the keyboard, update themselves and stay where they are.
#include "KTControlLabel.h"

IMPLEMENT_DYNCREATE(CKTControlLabel, CKTControl)

CKTControlLabel::CKTControlLabel()
{
    m_nType = ktControlLabel;
    m_dwFlags = ktFlagSkipFocus | ktFlagManualUpdate | ktFlagNoMovable;
}
