// KTPropertyGridToolBar.cpp: loading the sort toolbar's buttons and showing the current order.
#include "KTPropertyGridToolBar.h"

#include <commctrl.h>

#include <vector>

#include "KTPropertyGridDefs.h"
#include "KTPropertyGridRes.h"
#include "KTResourceManager.h"

namespace
{

const LPCSTR kToolBarType = MAKEINTRESOURCE(241);

// The layout a toolbar resource starts with; the button ids follow it.
struct ToolBarResource
{
    WORD wVersion;
    WORD wWidth;
    WORD wHeight;
    WORD wCount;
};

}  // namespace

BOOL CKTPropertyGridToolBar::Create(CWnd* pGrid)
{
    DWORD dwStyle = WS_CHILD | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_NORESIZE | CCS_NOPARENTALIGN;
    if (!CreateEx(0, TOOLBARCLASSNAME, "", dwStyle, CRect(0, 0, 0, 0), pGrid, KT_IDR_PROPERTYGRID_TOOLBAR))
        return FALSE;
    return LoadButtons();
}

BOOL CKTPropertyGridToolBar::LoadButtons()
{
    DWORD cbData = 0;
    HMODULE hModule = NULL;
    auto* pLayout = static_cast<const ToolBarResource*>(KTResourceManager()->LoadResourceData(
        MAKEINTRESOURCE(KT_IDR_PROPERTYGRID_TOOLBAR), kToolBarType, &cbData, &hModule));
    if (!pLayout || cbData < sizeof(ToolBarResource) ||
        cbData < sizeof(ToolBarResource) + pLayout->wCount * sizeof(WORD))
        return FALSE;
    const WORD* pIds = reinterpret_cast<const WORD*>(pLayout + 1);
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    SendMessage(TB_SETBITMAPSIZE, 0, MAKELONG(pLayout->wWidth, pLayout->wHeight));
    TBADDBITMAP bitmap = {hModule, KT_IDR_PROPERTYGRID_TOOLBAR};
    SendMessage(TB_ADDBITMAP, pLayout->wCount, reinterpret_cast<LPARAM>(&bitmap));
    std::vector<TBBUTTON> buttons(pLayout->wCount);
    for (WORD i = 0; i < pLayout->wCount; i++)
        buttons[i] = TBBUTTON{static_cast<int>(i), static_cast<int>(pIds[i]), TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0};
    return static_cast<BOOL>(SendMessage(TB_ADDBUTTONS, buttons.size(), reinterpret_cast<LPARAM>(buttons.data())));
}

void CKTPropertyGridToolBar::ShowSortOrder(int nOrder)
{
    BYTE nCategorized = TBSTATE_ENABLED | (nOrder == ktGridSortCategorized ? TBSTATE_CHECKED : 0);
    BYTE nAlphabetical = TBSTATE_ENABLED | (nOrder == ktGridSortAlphabetical ? TBSTATE_CHECKED : 0);
    SendMessage(TB_SETSTATE, KT_ID_PROPERTYGRID_CATEGORIZED, MAKELONG(nCategorized, 0));
    SendMessage(TB_SETSTATE, KT_ID_PROPERTYGRID_ALPHABETICAL, MAKELONG(nAlphabetical, 0));
}
