// KBThemeManager.cpp: theme styles, their factory, the hosts and the manager.
#include "KBThemeManager.h"

#include <algorithm>

#include "KTColorManager.h"

CKBThemeManagerStyle::CKBThemeManagerStyle(int nTheme) : m_nTheme(nTheme) {}

CKBThemeManagerStyle::~CKBThemeManagerStyle() = default;

void CKBThemeManagerStyle::RefreshMetrics()
{
    CKTColorManager* pColors = KTColorManager();
    m_clrFace = pColors->GetColor(COLOR_WINDOW);
    m_clrDisabled = pColors->GetColor(COLOR_BTNFACE);
    m_clrText = pColors->GetColor(COLOR_WINDOWTEXT);
    m_clrBorder = pColors->GetColor(m_nTheme == kbThemeOffice ? KTCOLOR_FLAT_BORDER : COLOR_BTNSHADOW);
    m_clrBorderHot = pColors->GetColor(m_nTheme == kbThemeOffice ? KTCOLOR_HIGHLIGHT_BORDER : COLOR_BTNSHADOW);
}

void CKBThemeManagerStyle::DrawFrame(CDC* pDC, CRect rc, BOOL bHot) const
{
    if (m_nTheme == kbThemeDefault)
    {
        pDC->DrawEdge(rc, EDGE_SUNKEN, BF_RECT);
        return;
    }
    COLORREF clr = bHot ? m_clrBorderHot : m_clrBorder;
    pDC->Draw3dRect(rc, clr, clr);
}

void CKBThemeManagerStyle::FillBackground(CDC* pDC, const CRect& rc, BOOL bEnabled) const
{
    pDC->FillSolidRect(rc, bEnabled ? m_clrFace : m_clrDisabled);
}

IMPLEMENT_DYNCREATE(CKBThemeManagerStyleFactory, CObject)

CKBThemeManagerStyle* CKBThemeManagerStyleFactory::CreateTheme(int nTheme) { return new CKBThemeManagerStyle(nTheme); }

CKBThemeManagerStyleHostBase::CKBThemeManagerStyleHostBase() : m_hWndHost(NULL) { KBThemeManager()->AddHost(this); }

CKBThemeManagerStyleHostBase::~CKBThemeManagerStyleHostBase() { KBThemeManager()->RemoveHost(this); }

void CKBThemeManagerStyleHostBase::OnCreate(CWnd* pWnd) { m_hWndHost = pWnd ? pWnd->GetSafeHwnd() : NULL; }

void CKBThemeManagerStyleHostBase::OnPreCreateWindow(CWnd* /*pWnd*/)
{
    m_hWndHost = NULL;  // the window comes with OnCreate
}

void CKBThemeManagerStyleHostBase::OnPreSubclassWindow(CWnd* pWnd) { OnCreate(pWnd); }

void CKBThemeManagerStyleHostBase::OnThemeChanged()
{
    if (m_hWndHost && ::IsWindow(m_hWndHost))
        ::RedrawWindow(m_hWndHost, NULL, NULL, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE);
}

CKBThemeManagerStyleHost::CKBThemeManagerStyleHost(CRuntimeClass* pFactoryClass)
{
    CObject* pObject = pFactoryClass ? pFactoryClass->CreateObject() : NULL;
    m_pFactory.reset(dynamic_cast<CKBThemeManagerStyleFactory*>(pObject));
    if (!m_pFactory)
    {
        delete pObject;  // not a factory: the plain one serves
        m_pFactory = std::make_unique<CKBThemeManagerStyleFactory>();
    }
}

CKBThemeManagerStyleHost::~CKBThemeManagerStyleHost() = default;

CKBThemeManagerStyle* CKBThemeManagerStyleHost::GetSafeTheme()
{
    int nTheme = KBThemeManager()->GetTheme();
    if (m_pStyle && m_pStyle->GetTheme() == nTheme)
        return m_pStyle.get();
    m_pStyle.reset(m_pFactory->CreateTheme(nTheme));
    if (m_pStyle)
        m_pStyle->RefreshMetrics();
    return m_pStyle.get();
}

void CKBThemeManagerStyleHost::OnThemeChanged()
{
    m_pStyle.reset();
    CKBThemeManagerStyleHostBase::OnThemeChanged();
}

CKBThemeManager::CKBThemeManager() : m_nTheme(kbThemeDefault) {}

void CKBThemeManager::SetTheme(int nTheme)
{
    m_nTheme = nTheme;
    for (CKBThemeManagerStyleHostBase* pHost : std::vector<CKBThemeManagerStyleHostBase*>(m_hosts))
        pHost->OnThemeChanged();
}

void CKBThemeManager::AddHost(CKBThemeManagerStyleHostBase* pHost) { m_hosts.push_back(pHost); }

void CKBThemeManager::RemoveHost(CKBThemeManagerStyleHostBase* pHost)
{
    m_hosts.erase(std::remove(m_hosts.begin(), m_hosts.end(), pHost), m_hosts.end());
}

CKBThemeManager* KBThemeManager()
{
    static CKBThemeManager manager;
    return &manager;
}
