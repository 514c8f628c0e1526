// Mark lists per type: sorted search, insertion, enumeration and row adjustment.
#include "KTSyntaxEditLineMarks.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

// The shared pointer of type-3 parameters; frees it when the last holder goes.
class CKTSyntaxEditLineMarkPtrBox : public CCmdTarget
{
public:
    CKTSyntaxEditLineMarkPtrBox(void* p, KT_EDIT_LINEMARK_PARAM::PFNRELEASE pfnRelease)
        : m_p(p), m_pfnRelease(pfnRelease)
    {
    }
    ~CKTSyntaxEditLineMarkPtrBox() override
    {
        if (m_pfnRelease)
            m_pfnRelease(m_p);
        else if (m_p)
            free(m_p);
    }

    void* GetPtr() const { return m_p; }

private:
    void* m_p;
    KT_EDIT_LINEMARK_PARAM::PFNRELEASE m_pfnRelease;  // NULL: plain memory release
};

// --- KT_EDIT_LINEMARK_PARAM -------------------------------------------------

KT_EDIT_LINEMARK_PARAM::KT_EDIT_LINEMARK_PARAM() : dwType(lmpNone), dValue(0.0) {}

KT_EDIT_LINEMARK_PARAM::KT_EDIT_LINEMARK_PARAM(const KT_EDIT_LINEMARK_PARAM& other) = default;
KT_EDIT_LINEMARK_PARAM& KT_EDIT_LINEMARK_PARAM::operator=(const KT_EDIT_LINEMARK_PARAM& other) = default;
KT_EDIT_LINEMARK_PARAM::~KT_EDIT_LINEMARK_PARAM() = default;

void KT_EDIT_LINEMARK_PARAM::Clear()
{
    dwType = lmpNone;
    dValue = 0.0;
    ptrBox.Release();
}

void KT_EDIT_LINEMARK_PARAM::SetInt(int nNew)
{
    Clear();
    dwType = lmpInt;
    nValue = nNew;
}

void KT_EDIT_LINEMARK_PARAM::SetDouble(double dNew)
{
    Clear();
    dwType = lmpDouble;
    dValue = dNew;
}

void KT_EDIT_LINEMARK_PARAM::SetPtr(void* p, PFNRELEASE pfnRelease)
{
    Clear();
    dwType = lmpPtr;
    ptrBox = KTMakeCounted<CKTSyntaxEditLineMarkPtrBox>(p, pfnRelease);
}

void* KT_EDIT_LINEMARK_PARAM::GetPtr() const { return dwType == lmpPtr && ptrBox ? ptrBox->GetPtr() : NULL; }

// --- CKTSyntaxEditLineMarksList ---------------------------------------------

KT_EDIT_LINEMARK_ENTRY* CKTSyntaxEditLineMarksList::GetAt(int index) const
{
    if (index < 0 || index >= GetCount())
        return NULL;
    return m_arMarks[index].get();
}

int CKTSyntaxEditLineMarksList::FindExact(int nLine) const
{
    int index = FindAtOrAfter(nLine);
    return index >= 0 && m_arMarks[index]->nLine == nLine ? index : -1;
}

int CKTSyntaxEditLineMarksList::FindAtOrAfter(int nLine) const
{
    auto it = std::lower_bound(m_arMarks.begin(), m_arMarks.end(), nLine,
                               [](const std::unique_ptr<KT_EDIT_LINEMARK_ENTRY>& e, int k) { return e->nLine < k; });
    return it == m_arMarks.end() ? -1 : int(it - m_arMarks.begin());
}

int CKTSyntaxEditLineMarksList::FindAtOrBefore(int nLine) const
{
    auto it = std::upper_bound(m_arMarks.begin(), m_arMarks.end(), nLine,
                               [](int k, const std::unique_ptr<KT_EDIT_LINEMARK_ENTRY>& e) { return k < e->nLine; });
    return int(it - m_arMarks.begin()) - 1;
}

void CKTSyntaxEditLineMarksList::Add(int nLine, const KT_EDIT_LINEMARK_PARAM& param)
{
    int index = FindAtOrAfter(nLine);
    if (index >= 0 && m_arMarks[index]->nLine == nLine)
    {
        m_arMarks[index]->lmParam = param;
        return;
    }
    auto pEntry = std::make_unique<KT_EDIT_LINEMARK_ENTRY>();
    pEntry->nLine = nLine;
    pEntry->lmParam = param;
    m_arMarks.insert(index < 0 ? m_arMarks.end() : m_arMarks.begin() + index, std::move(pEntry));
}

void CKTSyntaxEditLineMarksList::RemoveAt(int index)
{
    if (index >= 0 && index < GetCount())
        m_arMarks.erase(m_arMarks.begin() + index);
}

void CKTSyntaxEditLineMarksList::Adjust(int nLo, int nHi, int nDelta, BOOL bDelete)
{
    std::vector<std::unique_ptr<KT_EDIT_LINEMARK_ENTRY>> arKept;
    arKept.reserve(m_arMarks.size());
    for (auto& pEntry : m_arMarks)
    {
        if (pEntry->nLine >= nLo)
        {
            if (bDelete && pEntry->nLine < nHi)
                continue;
            pEntry->nLine += nDelta;
        }
        arKept.push_back(std::move(pEntry));
    }
    m_arMarks.swap(arKept);
}

// --- CKTSyntaxEditLineMarksManager ------------------------------------------

IMPLEMENT_DYNAMIC(CKTSyntaxEditLineMarksManager, CCmdTarget)

CKTSyntaxEditLineMarksManager::ListPtr CKTSyntaxEditLineMarksManager::Find(LPCSTR pszType) const
{
    auto it = m_mapLists.find(pszType ? pszType : "");
    return it == m_mapLists.end() ? ListPtr() : it->second;
}

CKTSyntaxEditLineMarksManager::ListPtr CKTSyntaxEditLineMarksManager::FindOrCreate(LPCSTR pszType)
{
    ListPtr& slot = m_mapLists[pszType ? pszType : ""];
    if (!slot)
        slot = KTMakeCounted<CKTSyntaxEditLineMarksList>();
    return slot;
}

void CKTSyntaxEditLineMarksManager::AddLineMark(int nLine, LPCSTR pszType, const KT_EDIT_LINEMARK_PARAM* pParam)
{
    FindOrCreate(pszType)->Add(nLine, pParam ? *pParam : KT_EDIT_LINEMARK_PARAM());
}

void CKTSyntaxEditLineMarksManager::DeleteLineMark(int nLine, LPCSTR pszType)
{
    if (ListPtr pList = Find(pszType))
        pList->RemoveAt(pList->FindExact(nLine));
}

void CKTSyntaxEditLineMarksManager::ToggleLineMark(int nLine, LPCSTR pszType, const KT_EDIT_LINEMARK_PARAM* pParam)
{
    if (HasLineMark(nLine, pszType))
        DeleteLineMark(nLine, pszType);
    else
        AddLineMark(nLine, pszType, pParam);
}

BOOL CKTSyntaxEditLineMarksManager::HasLineMark(int nLine, LPCSTR pszType, KT_EDIT_LINEMARK_PARAM* pParam) const
{
    ListPtr pList = Find(pszType);
    KT_EDIT_LINEMARK_ENTRY* pEntry = pList ? pList->GetAt(pList->FindExact(nLine)) : NULL;
    if (!pEntry)
        return FALSE;
    if (pParam)
        *pParam = pEntry->lmParam;
    return TRUE;
}

int CKTSyntaxEditLineMarksManager::FindPrevLineMark(int& nLine, LPCSTR pszType) const
{
    ListPtr pList = Find(pszType);
    int index = pList ? pList->FindAtOrBefore(nLine) : -1;
    if (index < 0)
    {
        nLine = -1;
        return 0;
    }
    nLine = pList->GetAt(index)->nLine;
    return index + 1;
}

int CKTSyntaxEditLineMarksManager::FindNextLineMark(int& nLine, LPCSTR pszType) const
{
    ListPtr pList = Find(pszType);
    int index = pList ? pList->FindAtOrAfter(nLine) : -1;
    if (index < 0)
    {
        nLine = -1;
        return 0;
    }
    int nFound = pList->GetAt(index)->nLine;
    nLine = nFound == INT_MAX ? -1 : nFound;
    return index + 1;
}

int CKTSyntaxEditLineMarksManager::FindLastLineMark(LPCSTR pszType) const
{
    int nLine = INT_MAX - 1;
    return FindPrevLineMark(nLine, pszType);
}

int CKTSyntaxEditLineMarksManager::HasMarksOfType(LPCSTR pszType) const { return Find(pszType) ? -1 : 0; }

KT_EDIT_LINEMARK_ENTRY* CKTSyntaxEditLineMarksManager::GetNextLineMark(int& nPosition, LPCSTR pszType) const
{
    ListPtr pList = Find(pszType);
    if (!pList || nPosition == 0)
        return NULL;
    int index = nPosition == -1 ? 0 : nPosition - 1;
    KT_EDIT_LINEMARK_ENTRY* pEntry = pList->GetAt(index);
    nPosition = pEntry && index + 1 < pList->GetCount() ? index + 2 : 0;
    return pEntry;
}

KT_EDIT_LINEMARK_ENTRY* CKTSyntaxEditLineMarksManager::GetLineMarkAt(int nPosition, LPCSTR pszType) const
{
    ListPtr pList = Find(pszType);
    return pList ? pList->GetAt(nPosition - 1) : NULL;
}

int CKTSyntaxEditLineMarksManager::GetCount(LPCSTR pszType) const
{
    ListPtr pList = Find(pszType);
    return pList ? pList->GetCount() : 0;
}

void CKTSyntaxEditLineMarksManager::RemoveAll(LPCSTR pszType)
{
    if (ListPtr pList = Find(pszType))
        pList->RemoveAll();
}

void CKTSyntaxEditLineMarksManager::AdjustLineMarks(int nLine1, int nLine2, int nAction)
{
    BOOL bDelete = nAction == actDelete;
    int nSpan = std::abs(nLine2 - nLine1);
    int nLo = std::min(nLine1, nLine2);
    int nHi = std::max(nLine1, nLine2);
    for (auto& item : m_mapLists)
        item.second->Adjust(nLo, nHi, bDelete ? -nSpan : nSpan, bDelete);
}
