// KTDockingPaneTheme7.cpp: theme 2 with plain framed strips and its own caption face.
#include "KTDockingPaneTheme7.h"

#include "KTDrawHelpers.h"

CKTDockingPaneTheme7::CKTDockingPaneTheme7()
{
    m_nCaptionGap = 3;
    m_bDrawGripper = FALSE;
    m_bRoundedCaption = FALSE;
}

void CKTDockingPaneTheme7::RefreshMetrics()
{
    CKTDockingPaneTheme2::RefreshMetrics();
    LOGFONTA lf = CKTDrawHelpers::GetNonClientFont(&NONCLIENTMETRICSA::lfSmCaptionFont);
    lstrcpynA(lf.lfFaceName, "Arial", LF_FACESIZE);
    SetCaptionFont(lf, FALSE);
}
