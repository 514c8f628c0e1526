// KTCommandBarsOptionsExchange.cpp: the options' stored form, gated by the schema it was stored with.
#include "KTCommandBarsOptions.h"

#include "KTCommandBars.h"
#include "KTPaintManager.h"
#include "KTPropExchange.h"

#include <afxtempl.h>

namespace
{
const int kSchema = 23;

// The commands as one serialised id-to-BOOL map; loading keeps the ids marked TRUE.
void ExchangeCommandsBlob(CKTPropExchange* pPX, LPCSTR lpszName, std::set<UINT>& commands)
{
    CMap<UINT, UINT, BOOL, BOOL> map;
    if (!pPX->IsLoading())
    {
        for (UINT nId : commands)
            map.SetAt(nId, TRUE);
        PX_Serialize(pPX, lpszName, &map);
        return;
    }
    // A damaged blob leaves the commands as they were.
    if (!PX_Serialize(pPX, lpszName, &map))
        return;
    commands.clear();
    UINT nId = 0;
    BOOL bValue = FALSE;
    for (POSITION pos = map.GetStartPosition(); pos;)
    {
        map.GetNextAssoc(pos, nId, bValue);
        if (bValue)
            commands.insert(nId);
    }
}
}  // namespace

void CKTCommandBarsOptions::ExchangeCommands(CKTPropExchange* pPX, LPCSTR lpszName, std::set<UINT>& commands)
{
    if (!pPX->IsLoading() && pPX->IsAllowDefaultValues() && commands.empty())
        return;
    if (pPX->IsUseBlob())
        return ExchangeCommandsBlob(pPX, lpszName, commands);
    CKTPropExchangeSection section(pPX->GetSection(lpszName));
    if (!section)
        return;
    CString strKey;
    if (pPX->IsLoading())
    {
        commands.clear();
        DWORD dwCount = section->ReadCount();
        for (DWORD i = 0; i < dwCount && !section->IsFailed(); i++)
        {
            int nId = 0;
            strKey.Format("Item%i", (int)i);
            PX_Int(section, strKey, nId, 0);
            commands.insert((UINT)nId);
        }
        return;
    }
    section->WriteCount((DWORD)commands.size());
    int i = 0;
    for (UINT nId : commands)
    {
        int nValue = (int)nId;
        strKey.Format("Item%i", i++);
        PX_Int(section, strKey, nValue, 0);
    }
}

void CKTCommandBarsOptions::DoPropExchange(CKTPropExchange* pPX, BOOL bUserOnly)
{
    int nSchema = kSchema;
    PX_Int(pPX, "Schema", nSchema, kSchema);
    PX_Bool(pPX, "AlwaysShowFullMenus", bAlwaysShowFullMenus, TRUE);
    PX_Bool(pPX, "ShowFullAfterDelay", bShowFullAfterDelay, TRUE);
    PX_Bool(pPX, "ToolBarScreenTips", bToolBarScreenTips, TRUE);
    PX_Bool(pPX, "ToolBarAccelTips", bToolBarAccelTips, FALSE);
    PX_Bool(pPX, "LargeIcons", bLargeIcons, FALSE);
    if (nSchema > 7)
        ExchangeCommands(pPX, "UsedCommands", m_usedCommands);
    if (nSchema > 7 || bUserOnly)
        PX_Int(pPX, "Animation", nAnimationType, 0);
    if (bUserOnly)
        return;
    PX_Bool(pPX, "SyncFloatingBars", bSyncFloatingBars, TRUE);
    PX_Bool(pPX, "ShowExpandButtonAlways", bShowExpandButtonAlways, TRUE);
    PX_Size(pPX, "IconsSize", szIcons, CSize(0, 0));
    PX_Size(pPX, "LargeIconsSize", szLargeIcons, CSize(0, 0));
    ExchangeCommands(pPX, "HiddenCommands", m_hiddenCommands);
    CKTPaintManager* pPaintManager = m_pCommandBars ? m_pCommandBars->GetPaintManager() : CKTPaintManager::GetGlobal();
    KT_ICONOPTIONS* pIcons = pPaintManager->GetIconOptions();
    PX_Bool(pPX, "IconsWithShadow", pIcons->bIconsWithShadow, FALSE);
    PX_Bool(pPX, "UseDisabledIcons", pIcons->bUseDisabledIcons, TRUE);
    PX_Bool(pPX, "UseFadedIcons", pIcons->bFadedIcons, TRUE);
    if (nSchema > 7)
    {
        // Stored twice by design: a sequential reader must read both copies.
        PX_Bool(pPX, "SyncFloatingBars", bSyncFloatingBars, TRUE);
        PX_Bool(pPX, "ShowExpandButtonAlways", bShowExpandButtonAlways, TRUE);
        PX_Bool(pPX, "DblClickFloat", bDblClickFloat, FALSE);
        PX_Bool(pPX, "ShowTextBelowIcons", bShowTextBelowIcons, FALSE);
        PX_Bool(pPX, "AltDragCustomization", bAltDragCustomization, TRUE);
        PX_Bool(pPX, "AutoHideUnusedPopups", bAutoHideUnusedPopups, TRUE);
        PX_Size(pPX, "PopupIconsSize", szPopupIcons, CSize(0, 0));
    }
    if (nSchema > 8)
    {
        PX_Int(pPX, "KeyboardCuesUse", nKeyboardCuesUse, 1);
        int nShow = m_nShowKeyboardCues;
        PX_Int(pPX, "KeyboardCuesShow", nShow, 0);
        if (pPX->IsLoading())
            ShowKeyboardCues(nShow);
    }
}

void CKTCommandBarsOptions::Serialize(CArchive& ar)
{
    CKTPropExchangeArchive px(ar);
    DoPropExchange(&px, FALSE);
}
