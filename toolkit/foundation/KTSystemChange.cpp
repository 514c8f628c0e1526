// KTSystemChange.cpp: refreshing the shared colours, fonts, icons and visual style, then every sink.
#include "KTSystemChange.h"

#include <algorithm>

#include "KTColorManager.h"
#include "KTDrawObjects.h"
#include "KTGlobalAuxData.h"
#include "KTImageManager.h"

#ifndef WM_THEMECHANGED
#define WM_THEMECHANGED 0x031A
#endif

namespace
{
// Top-level, so that the system's broadcasts reach it; unowned and never shown.
class CSystemChangeWatcher : public CWnd
{
public:
    BOOL Create() { return CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP, CRect(0, 0, 0, 0), NULL, 0); }

protected:
    LRESULT WindowProc(UINT nMessage, WPARAM wParam, LPARAM lParam) override
    {
        KTSystemChange()->ApplyMessage(nMessage);
        return CWnd::WindowProc(nMessage, wParam, lParam);
    }
};
}  // namespace

void CKTSystemChange::Advise(IKTSystemChangeSink* pSink)
{
    if (!pSink || IsAdvised(pSink))
        return;
    m_sinks.push_back(pSink);
    UpdateWatcher();
}

void CKTSystemChange::Unadvise(IKTSystemChangeSink* pSink)
{
    m_sinks.erase(std::remove(m_sinks.begin(), m_sinks.end(), pSink), m_sinks.end());
    UpdateWatcher();
}

BOOL CKTSystemChange::IsAdvised(const IKTSystemChangeSink* pSink) const
{
    return std::find(m_sinks.begin(), m_sinks.end(), pSink) != m_sinks.end();
}

void CKTSystemChange::UpdateWatcher()
{
    if (m_sinks.empty())
    {
        if (m_pWatcher && m_pWatcher->GetSafeHwnd())
            m_pWatcher->DestroyWindow();
        m_pWatcher.reset();
        return;
    }
    if (m_pWatcher)
        return;
    auto pWatcher = std::make_unique<CSystemChangeWatcher>();
    if (pWatcher->Create())
        m_pWatcher = std::move(pWatcher);
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
