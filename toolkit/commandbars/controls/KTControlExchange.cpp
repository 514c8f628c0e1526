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

}  // namespace

void CKTControl::DoPropExchange(CKTPropExchange* pPX)
{
    const UINT nSchema = pPX->GetSchema();
    PX_Int(pPX, "Type", m_nType, ktControlButton);
    PX_Int(pPX, "Id", m_nId, -1);
    CKTCommandBars* pCommandBars = GetParamsCommandBars(pPX);
    if (pPX->IsLoading() && pCommandBars)
        SetAction(pCommandBars->FindAction(m_nId));
    PX_Int(pPX, "IconId", m_nIconId, 0);
    PX_Bool(pPX, "BeginGroup", m_bBeginGroup, FALSE);
    PX_Int(pPX, "Tag", m_nTag, 0);
    PX_Flags(pPX, "Flags", m_dwFlags);
    PX_Flags(pPX, "HideFlags", m_dwHideFlags);
    PX_String(pPX, "Caption", m_strCaption, "");
    PX_String(pPX, "ShortcutText", m_strShortcutText, "");
    PX_String(pPX, "TooltipText", m_strTooltip, "");
    PX_String(pPX, "DescriptionText", m_strDescription, "");
    PX_String(pPX, "Parameter", m_strParameter, "");
    PX_Int(pPX, "CustomIconId", m_nCustomIconId, 0);
    PX_String(pPX, "CustomCaption", m_strCustomCaption, "");
    if (nSchema > 1)
        PX_String(pPX, "Category", m_strCategory, "");
    if (m_nCustomIconId > 0)
    {
        // Loaded icons wait beside the bars, so that a failed load changes no image.
        CKTImageManager* pImages = pPX->IsLoading() && pPX->m_pParams ? pPX->m_pParams->pLoadedIcons
                                   : pCommandBars                     ? pCommandBars->GetImageManager()
                                                                      : NULL;
        CKTPropExchangeSection section(pPX->GetSection("CustomIcon"));
        if (pImages)
            pImages->ExchangeIconSet((UINT)m_nCustomIconId, section);
    }
    if (nSchema > 3)
    {
        ExchangeTemplateIds(pPX, "DocTemplatesExcluded", m_excludedTemplates);
        ExchangeTemplateIds(pPX, "DocTemplatesAssigned", m_assignedTemplates);
        PX_Bool(pPX, "DefaultItem", m_bDefaultItem, FALSE);
    }
    if (nSchema > 6)
        PX_Bool(pPX, "CloseSubMenuOnClick", m_bCloseSubMenuOnClick, TRUE);
    if (nSchema > 7)
        PX_Int(pPX, "CustomStyle", m_nCustomStyle, -1);
    if (pPX->IsLoading() && nSchema < 18 && m_nCustomStyle == 0)
        m_nCustomStyle = -1;
    if (nSchema > 16)
        PX_Int(pPX, "HelpId", m_nHelpId, 0);
    if (nSchema > 17)
        PX_Int(pPX, "Style", m_nStyle, 0);
    if (nSchema > 18)
    {
        PX_Int(pPX, "Width", m_nWidth, 0);
        PX_Int(pPX, "Height", m_nHeight, 0);
        PX_Int(pPX, "ExecuteOnPressInterval", m_nExecuteOnPressInterval, 0);
    }
    if (nSchema > 22)
        PX_String(pPX, "ShortcutTextAuto", m_strShortcutTextAuto, "");
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
