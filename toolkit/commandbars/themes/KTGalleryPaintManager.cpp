// KTGalleryPaintManager.cpp: scroll-bar metrics of galleries from the system.
#include "KTGalleryPaintManager.h"

void CKTGalleryPaintManager::RefreshMetrics()
{
    m_cxHScroll = ::GetSystemMetrics(SM_CXHSCROLL);
    m_cyHScroll = ::GetSystemMetrics(SM_CYHSCROLL);
    m_cyVScroll = ::GetSystemMetrics(SM_CYVSCROLL);
    m_cxVScroll = ::GetSystemMetrics(SM_CXVSCROLL);
    m_themeScrollBar.OpenThemeData(NULL, "SCROLLBAR");
}
