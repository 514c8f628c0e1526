// KTSystemChange.cpp: refreshing the shared colours, fonts, icons and visual style, then every sink.
#include "KTSystemChange.h"

#include <algorithm>

#include "KTColorManager.h"
#include "KTDrawObjects.h"
#include "KTGlobalAuxData.h"
#include "KTImageManager.h"

void CKTSystemChange::Advise(IKTSystemChangeSink* pSink)
{
    if (!pSink || IsAdvised(pSink))
        return;
    m_sinks.push_back(pSink);
}

void CKTSystemChange::Unadvise(IKTSystemChangeSink* pSink)
{
    m_sinks.erase(std::remove(m_sinks.begin(), m_sinks.end(), pSink), m_sinks.end());
}

BOOL CKTSystemChange::IsAdvised(const IKTSystemChangeSink* pSink) const
{
    return std::find(m_sinks.begin(), m_sinks.end(), pSink) != m_sinks.end();
}

BOOL CKTSystemChange::ApplyMessage(UINT nMessage)
{
    switch (nMessage)
    {
    case WM_SYSCOLORCHANGE:
        Apply(ktSystemChangeColors);
        return TRUE;
    case WM_SETTINGCHANGE:
        Apply(ktSystemChangeSettings);
        return TRUE;
    case WM_THEMECHANGED:
        Apply(ktSystemChangeVisualStyle);
        return TRUE;
    default:
        return FALSE;
    }
}

void CKTSystemChange::Apply(KTSystemChangeKind nKind)
{
    RefreshShared(nKind);
    // A sink may unadvise another (or itself) while it repaints.
    const std::vector<IKTSystemChangeSink*> sinks = m_sinks;
    for (IKTSystemChangeSink* pSink : sinks)
        if (IsAdvised(pSink))
            pSink->OnSystemChange(nKind);
}

void CKTSystemChange::RefreshShared(KTSystemChangeKind nKind)
{
    if (nKind != ktSystemChangeSettings)
    {
        // The colour manager reads the visual style's colour scheme too.
        KTGlobalAuxData()->UpdateSysColors();
        KTImageManager()->RefreshAll();
        KTRebuildHalftoneBrush();
    }
    if (nKind != ktSystemChangeColors)
        KTGlobalAuxData()->UpdateFonts();
}

CKTSystemChange* KTSystemChange()
{
    static CKTSystemChange changes;
    return &changes;
}
