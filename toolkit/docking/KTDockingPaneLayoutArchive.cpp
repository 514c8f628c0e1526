// KTDockingPaneLayoutArchive.cpp: writing a layout to an archive, and reading one back with every reference
// checked before the layout is taken over.
#include <algorithm>

#include "KTDockingPane.h"
#include "KTDockingPaneClientNode.h"
#include "KTDockingPaneLayoutData.h"
#include "KTDockingPaneManager.h"
#include "KTDockingPaneSplitterContainer.h"
#include "KTPropExchange.h"

namespace
{
CString SectionName(int nNumber)
{
    CString strName;
    strName.Format("Pane-%d", nNumber);
    return strName;
}

// Hands the load map to every section opened below while it lives.
class CLoadMapScope
{
public:
    CLoadMapScope(CKTPropExchange* pPX, CKTDockingPaneLoadMap* pMap) : m_pPX(pPX), m_pOld(pPX->m_pCallerData)
    {
        pPX->m_pCallerData = pMap;
    }
    ~CLoadMapScope() { m_pPX->m_pCallerData = m_pOld; }
    CLoadMapScope(const CLoadMapScope&) = delete;
    CLoadMapScope& operator=(const CLoadMapScope&) = delete;

private:
    CKTPropExchange* m_pPX;
    void* m_pOld;
};
}  // namespace

void CKTDockingPaneLayoutData::Serialize(CArchive& ar)
{
    CKTPropExchangeArchive px(ar);
    if (px.IsLoading())
        Load(&px);
    else
        Save(&px);
}

BOOL CKTDockingPaneLayoutData::Save(CKTPropExchange* pPX)
{
    pPX->EmptySection();
    Normalize();
    {
        CKTPropExchangeSection summary(pPX->GetSection("Summary"));
        long nCount = long(m_nodes.size());
        PX_Long(summary, "Panes", nCount);
        summary->ExchangeSchema();
        pPX->m_nSchema = summary->GetSchema();
    }
    // Panes first, in pane-list order, then the other nodes in node-list order.
    std::vector<CKTDockingPaneNode*> order;
    for (const DockingPaneInfo& info : m_panes)
        order.push_back(info.pPane);
    for (CKTDockingPaneNode* pNode : GetNodeList())
        if (pNode->GetType() != ktPaneTypePane)
            order.push_back(pNode);
    for (size_t i = 0; i < order.size(); ++i)
    {
        order[i]->m_nNumber = int(i + 1);
        CKTPropExchangeSection section(pPX->GetSection(SectionName(order[i]->m_nNumber)));
        int nType = order[i]->GetType();
        PX_Int(section, "Type", nType, -1);
    }
    for (CKTDockingPaneNode* pNode : order)
    {
        CKTPropExchangeSection section(pPX->GetSection(SectionName(pNode->m_nNumber)));
        pNode->DoPropExchange(section);
    }
    CKTPropExchangeSection summary(pPX->GetSection("Summary"));
    long nTop = m_pTopContainer ? m_pTopContainer->m_nNumber : 0;
    long nClient = m_pClient ? m_pClient->m_nNumber : 0;
    PX_Long(summary, "TopContainer", nTop);
    PX_Long(summary, "Client", nClient);
    return !pPX->IsFailed();
}

BOOL CKTDockingPaneLayoutData::Load(CKTPropExchange* pPX)
{
    if (!pPX->OnBeforeExchange())
        return FALSE;
    auto aside = KTMakeCounted<CKTDockingPaneLayoutData>(m_pManager);
    if (!aside->LoadInto(pPX))
        return FALSE;
    Free();
    TakeOver(*aside);
    return TRUE;
}

void CKTDockingPaneLayoutData::TakeOver(CKTDockingPaneLayoutData& other)
{
    m_nodes.swap(other.m_nodes);
    m_panes.swap(other.m_panes);
    m_panels.swap(other.m_panels);
    m_pTopContainer = std::exchange(other.m_pTopContainer, nullptr);
    m_pClient = std::exchange(other.m_pClient, nullptr);
    for (const auto& pNode : m_nodes)
        pNode->SetLayout(this);
}

BOOL CKTDockingPaneLayoutData::LoadInto(CKTPropExchange* pPX)
{
    Free();
    int nCount = 0;
    {
        CKTPropExchangeSection summary(pPX->GetSection("Summary"));
        PX_Int(summary, "Panes", nCount, 0);
        if (nCount < 2)
            return FALSE;
        summary->ExchangeSchema();
        pPX->m_nSchema = summary->GetSchema();
    }
    CKTDockingPaneLoadMap map;
    return LoadNodes(pPX, nCount, map) && LoadRoots(pPX, map);
}

BOOL CKTDockingPaneLayoutData::LoadNodes(CKTPropExchange* pPX, int nCount, CKTDockingPaneLoadMap& map)
{
    for (int i = 1; i <= nCount; ++i)
    {
        CKTPropExchangeSection section(pPX->GetSection(SectionName(i)));
        int nType = -1;
        PX_Int(section, "Type", nType, -1);
        CKTDockingPaneNode* pNode = m_pManager->OnCreatePane(nType, this);
        if (!pNode || pPX->IsFailed())
            return FALSE;
        pNode->m_nNumber = i;
        map[i] = pNode;
    }
    CLoadMapScope scope(pPX, &map);
    for (CKTDockingPaneNode* pNode : GetNodeList())
    {
        CKTPropExchangeSection section(pPX->GetSection(SectionName(pNode->m_nNumber)));
        if (!pNode->DoPropExchange(section) || pPX->IsFailed())
            return FALSE;
    }
    return TRUE;
}

BOOL CKTDockingPaneLayoutData::LoadRoots(CKTPropExchange* pPX, const CKTDockingPaneLoadMap& map)
{
    CKTPropExchangeSection summary(pPX->GetSection("Summary"));
    int nTop = 0, nClient = 0;
    PX_Int(summary, "TopContainer", nTop, 0);
    PX_Int(summary, "Client", nClient, 0);
    auto itTop = map.find(nTop);
    auto itClient = map.find(nClient);
    if (pPX->IsFailed() || itTop == map.end() || itClient == map.end())
        return FALSE;
    if (itTop->second->GetType() != ktPaneTypeSplitterContainer || itTop->second->GetParentContainer() ||
        itClient->second->GetType() != ktPaneTypeClient || !itTop->second->ContainsPane(itClient->second))
        return FALSE;
    m_pTopContainer = static_cast<CKTDockingPaneSplitterContainer*>(itTop->second);
    m_pClient = static_cast<CKTDockingPaneClientNode*>(itClient->second);
    return TRUE;
}
