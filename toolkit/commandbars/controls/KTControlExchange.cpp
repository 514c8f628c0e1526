// KTControlExchange.cpp: the saved form of controls and control collections, gated by the schema stored with them.
#include "KTCommandBar.h"
#include "KTCommandBarList.h"
#include "KTCommandBars.h"
#include "KTControl.h"
#include "KTControlAction.h"
#include "KTControlButton.h"
#include "KTControlPopup.h"
#include "KTControls.h"
#include "KTImageManager.h"
#include "KTPropExchange.h"

#include <variant>

namespace
{

// A set of document-template ids in the archive's own serialised form: a count, then the ids.
class CTemplateIds : public CObject
{
public:
    explicit CTemplateIds(std::set<UINT>& ids) : m_ids(ids) {}
    void Serialize(CArchive& ar) override
    {
        DWORD dwCount = (DWORD)m_ids.size();
        if (ar.IsStoring())
        {
            ar << dwCount;
            for (UINT nId : m_ids)
                ar << (DWORD)nId;
            return;
        }
        ar >> dwCount;
        std::set<UINT> loaded;
        // A damaged count ends at the archive's end, which throws.
        for (DWORD i = 0; i < dwCount; i++)
        {
            DWORD dwId = 0;
            ar >> dwId;
            loaded.insert(dwId);
        }
        m_ids.swap(loaded);
    }

private:
    std::set<UINT>& m_ids;
};

// Copies inside copies past this are taken for damage rather than recursed into.
const int kMaxCopyDepth = 4;

void PX_Flags(CKTPropExchange* pPX, LPCSTR lpszName, DWORD& dwValue)
{
    int nValue = (int)dwValue;
    PX_Int(pPX, lpszName, nValue, 0);
    dwValue = (DWORD)nValue;
}

void ExchangeTemplateIds(CKTPropExchange* pPX, LPCSTR lpszName, std::set<UINT>& ids)
{
    if (!pPX->IsLoading() && pPX->IsAllowDefaultValues() && ids.empty())
        return;
    CTemplateIds wrapper(ids);
    if (!PX_Serialize(pPX, lpszName, &wrapper) && pPX->IsLoading())
        AfxThrowArchiveException(CArchiveException::badIndex);
}

CKTCommandBars* GetParamsCommandBars(CKTPropExchange* pPX)
{
    return pPX->m_pParams ? pPX->m_pParams->pCommandBars : NULL;
}

// One saved key of a control: stored from its first schema on, read back as its default when the archive lacks it.
struct CControlKey
{
    LPCSTR lpszName;
    std::variant<int CKTControl::*, DWORD CKTControl::*, CString CKTControl::*> pMember;
    int nDefault;  // for numbers and truth values
    UINT nFirstSchema;
    BOOL bTruth = FALSE;  // an int saved as a truth value
    LPCSTR lpszDefault = "";
};

template <size_t nCount>
void ExchangeKeys(CKTPropExchange* pPX, CKTControl* pControl, const CControlKey (&keys)[nCount])
{
    for (const CControlKey& key : keys)
    {
        if (pPX->GetSchema() < key.nFirstSchema)
            continue;
        if (auto ppInt = std::get_if<int CKTControl::*>(&key.pMember))
            key.bTruth ? PX_Bool(pPX, key.lpszName, pControl->**ppInt, key.nDefault)
                       : PX_Int(pPX, key.lpszName, pControl->**ppInt, key.nDefault);
        else if (auto ppFlags = std::get_if<DWORD CKTControl::*>(&key.pMember))
            PX_Flags(pPX, key.lpszName, pControl->**ppFlags);
        else
            PX_String(pPX, key.lpszName, pControl->*std::get<CString CKTControl::*>(key.pMember), key.lpszDefault);
    }
}

}  // namespace

void CKTControl::DoPropExchange(CKTPropExchange* pPX)
{
    static const CControlKey kIdentity[] = {
        {"Type", &CKTControl::m_nType, ktControlButton, 0},
        {"Id", &CKTControl::m_nId, -1, 0},
    };
    static const CControlKey kLook[] = {
        {"IconId", &CKTControl::m_nIconId, 0, 0},
        {"BeginGroup", &CKTControl::m_bBeginGroup, FALSE, 0, TRUE},
        {"Tag", &CKTControl::m_nTag, 0, 0},
        {"Flags", &CKTControl::m_dwFlags, 0, 0},
        {"HideFlags", &CKTControl::m_dwHideFlags, 0, 0},
        {"Caption", &CKTControl::m_strCaption, 0, 0},
        {"ShortcutText", &CKTControl::m_strShortcutText, 0, 0},
        {"TooltipText", &CKTControl::m_strTooltip, 0, 0},
        {"DescriptionText", &CKTControl::m_strDescription, 0, 0},
        {"Parameter", &CKTControl::m_strParameter, 0, 0},
        {"CustomIconId", &CKTControl::m_nCustomIconId, 0, 0},
        {"CustomCaption", &CKTControl::m_strCustomCaption, 0, 0},
        {"Category", &CKTControl::m_strCategory, 0, 2},
    };
    static const CControlKey kBehaviour[] = {
        {"DefaultItem", &CKTControl::m_bDefaultItem, FALSE, 4, TRUE},
        {"CloseSubMenuOnClick", &CKTControl::m_bCloseSubMenuOnClick, TRUE, 7, TRUE},
        {"CustomStyle", &CKTControl::m_nCustomStyle, -1, 8},
        {"HelpId", &CKTControl::m_nHelpId, 0, 17},
        {"Style", &CKTControl::m_nStyle, 0, 18},
        {"Width", &CKTControl::m_nWidth, 0, 19},
        {"Height", &CKTControl::m_nHeight, 0, 19},
        {"ExecuteOnPressInterval", &CKTControl::m_nExecuteOnPressInterval, 0, 19},
        {"ShortcutTextAuto", &CKTControl::m_strShortcutTextAuto, 0, 23},
    };
    ExchangeKeys(pPX, this, kIdentity);
    CKTCommandBars* pCommandBars = GetParamsCommandBars(pPX);
    if (pPX->IsLoading() && pCommandBars)
        SetAction(pCommandBars->FindAction(m_nId));
    ExchangeKeys(pPX, this, kLook);
    if (m_nCustomIconId > 0)
        ExchangeCustomIcon(pPX, pCommandBars);
    if (pPX->GetSchema() > 3)
    {
        ExchangeTemplateIds(pPX, "DocTemplatesExcluded", m_excludedTemplates);
        ExchangeTemplateIds(pPX, "DocTemplatesAssigned", m_assignedTemplates);
    }
    ExchangeKeys(pPX, this, kBehaviour);
    if (pPX->IsLoading() && pPX->GetSchema() < 18 && m_nCustomStyle == 0)
        m_nCustomStyle = -1;
}

void CKTControl::ExchangeCustomIcon(CKTPropExchange* pPX, CKTCommandBars* pCommandBars)
{
    // Loaded icons wait beside the bars, so that a failed load changes no image.
    CKTImageManager* pImages = pPX->IsLoading() && pPX->m_pParams ? pPX->m_pParams->pLoadedIcons
                               : pCommandBars                     ? pCommandBars->GetImageManager()
                                                                  : NULL;
    CKTPropExchangeSection section(pPX->GetSection("CustomIcon"));
    if (pImages)
        pImages->ExchangeIconSet((UINT)m_nCustomIconId, section);
}

void CKTControl::GenerateCommandBarList(DWORD& nId, CKTCommandBarList* pList, KT_PROPEXCHANGE_PARAMS* pParams)
{
    if (CKTCommandBar* pBar = GetCommandBar())
        pBar->GenerateCommandBarList(nId, pList, pParams);
}

void CKTControl::RestoreCommandBarList(CKTCommandBarList* pList)
{
    if (CKTCommandBar* pBar = GetCommandBar())
        pBar->RestoreCommandBarList(pList);
}

void CKTControlButton::DoPropExchange(CKTPropExchange* pPX)
{
    CKTControl::DoPropExchange(pPX);
    if (pPX->GetSchema() < 18)
        PX_Int(pPX, "Style", m_nStyle, 0);
}

void CKTControlPopup::DoPropExchange(CKTPropExchange* pPX)
{
    CKTControl::DoPropExchange(pPX);
    int nBarId = pPX->IsLoading() || m_pCommandBar.IsNull() ? 0 : (int)m_pCommandBar->GetBarID();
    PX_Int(pPX, "CommandBarId", nBarId, 0);
    if (pPX->IsLoading())
        m_nCommandBarId = (UINT)nBarId;
    const UINT nSchema = pPX->GetSchema();
    if (nSchema > 4 && nSchema < 18)
        PX_Int(pPX, "Style", m_nStyle, 0);
}

void CKTControlPopup::RestoreCommandBarList(CKTCommandBarList* pList)
{
    CKTCommandBar* pBar = m_nCommandBarId ? pList->FindBar(m_nCommandBarId) : NULL;
    if (!pBar)
        return;
    SetCommandBar(pBar);
    m_nCommandBarId = 0;
    pBar->RestoreCommandBarList(pList);
}

void CKTControls::DoPropExchange(CKTPropExchange* pPX)
{
    BOOL bOriginal = !m_pOriginalControls.IsNull() && pPX->m_pParams && pPX->m_pParams->bSaveOriginalControls;
    BOOL bCustomized = FALSE;
    if (pPX->IsLoading())
        LoadControls(pPX);
    else
        StoreControls(pPX);
    if (pPX->GetSchema() <= 2)
        return;
    PX_Bool(pPX, "OriginalControls", bOriginal, FALSE);
    if (bOriginal)
        ExchangeCopy(pPX, "OriginalControls", m_pOriginalControls);
    PX_Bool(pPX, "CustomizedControls", bCustomized, FALSE);
    if (bCustomized && pPX->IsLoading())
    {
        CKTSmartPtr<CKTControls> pScratch;
        ExchangeCopy(pPX, "CustomizedControls", pScratch);
    }
}

void CKTControls::ExchangeCopy(CKTPropExchange* pPX, LPCSTR lpszSection, CKTSmartPtr<CKTControls>& pCopy)
{
    if (pPX->IsLoading())
    {
        if (m_nCopyDepth >= kMaxCopyDepth)
            AfxThrowArchiveException(CArchiveException::badIndex);
        pCopy = KTMakeCounted<CKTControls>();
        pCopy->m_pCommandBars = m_pCommandBars;
        pCopy->m_nCopyDepth = m_nCopyDepth + 1;
    }
    CKTPropExchangeSection section(pPX->GetSection(lpszSection));
    pCopy->DoPropExchange(section);
}

void CKTControls::StoreControls(CKTPropExchange* pPX)
{
    DWORD dwCount = 0;
    for (const auto& pControl : m_controls)
        dwCount += pControl->IsTemporary() ? 0 : 1;
    std::unique_ptr<CKTPropExchangeEnumerator, void (*)(CKTPropExchangeEnumerator*)> pEnum(
        pPX->GetEnumerator("Control"), [](CKTPropExchangeEnumerator* p) { p->Release(); });
    POSITION pos = pEnum->GetPosition(dwCount);
    for (const auto& pControl : m_controls)
    {
        if (pControl->IsTemporary())
            continue;
        CKTPropExchangeSection section(pEnum->GetNext(pos));
        CObject* pObject = pControl.GetInterface();
        if (section->ExchangeObjectInstance(pObject, RUNTIME_CLASS(CKTControl)))
            pControl->DoPropExchange(section);
    }
}

void CKTControls::LoadControls(CKTPropExchange* pPX)
{
    RemoveAll();
    std::unique_ptr<CKTPropExchangeEnumerator, void (*)(CKTPropExchangeEnumerator*)> pEnum(
        pPX->GetEnumerator("Control"), [](CKTPropExchangeEnumerator* p) { p->Release(); });
    POSITION pos = pEnum->GetPosition();
    while (pos)
    {
        CKTPropExchangeSection section(pEnum->GetNext(pos));
        CObject* pObject = NULL;
        if (!section || !section->ExchangeObjectInstance(pObject, RUNTIME_CLASS(CKTControl)))
            AfxThrowArchiveException(CArchiveException::badClass);
        CKTSmartPtr<CKTControl> pControl = CKTSmartPtr<CKTControl>::Adopt(static_cast<CKTControl*>(pObject));
        m_controls.push_back(pControl);
        pControl->SetControls(this, (int)m_controls.size() - 1);
        pControl->DoPropExchange(section);
    }
    RefreshIndexes();
}

void CKTControls::GenerateCommandBarList(DWORD& nId, CKTCommandBarList* pList, KT_PROPEXCHANGE_PARAMS* pParams)
{
    for (const CKTControls* pControls = this; pControls; pControls = pControls->m_pOriginalControls)
    {
        for (const auto& pControl : pControls->m_controls)
            if (!pControl->IsTemporary())
                pControl->GenerateCommandBarList(nId, pList, pParams);
        if (!pParams->bSaveOriginalControls)
            break;
    }
}

void CKTControls::RestoreCommandBarList(CKTCommandBarList* pList)
{
    for (const CKTControls* pControls = this; pControls; pControls = pControls->m_pOriginalControls)
        for (const auto& pControl : pControls->m_controls)
            pControl->RestoreCommandBarList(pList);
}
