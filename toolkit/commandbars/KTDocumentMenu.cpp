// KTDocumentMenu.cpp: one document type's menu controls, named after the application's template of that type.
#include "KTDocumentMenu.h"

#include "KTControls.h"

CKTDocumentMenu::CKTDocumentMenu(CKTCommandBars* pCommandBars, UINT nId)
    : m_pControls(KTMakeCounted<CKTControls>()), m_nId(nId)
{
    m_pControls->SetCommandBars(pCommandBars);
    m_hIcon = ::LoadIcon(AfxGetResourceHandle(), MAKEINTRESOURCE(nId));
    CWinApp* pApp = AfxGetApp();
    POSITION pos = pApp ? pApp->GetFirstDocTemplatePosition() : NULL;
    while (pos)
    {
        CDocTemplate* pTemplate = pApp->GetNextDocTemplate(pos);
        if (pTemplate->m_nIDResource != nId)
            continue;
        pTemplate->GetDocString(m_strDocumentName, CDocTemplate::docName);
        pTemplate->GetDocString(m_strFileTypeName, CDocTemplate::regFileTypeName);
        return;
    }
}

CKTDocumentMenu::~CKTDocumentMenu() = default;

CKTDocumentMenu* CKTDocumentMenuMap::Lookup(UINT nId) const
{
    auto it = m_entries.find(nId);
    return it == m_entries.end() ? NULL : it->second.GetInterface();
}
