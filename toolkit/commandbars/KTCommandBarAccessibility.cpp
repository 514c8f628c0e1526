// KTCommandBarAccessibility.cpp: a bar's accessible object, and the objects a screen reader asks the bar's window for.
#include "KTCommandBar.h"

#include "KTControl.h"
#include "KTControlAccessible.h"
#include "KTControls.h"

namespace
{
// Object ids from 1 below this name a control by its command id.
const LONG kControlObjectLimit = 0xFFFFFF;
}  // namespace

CKTAccessible* CKTCommandBar::GetAccessible()
{
    if (!m_pAccessible)
        m_pAccessible.reset(new CKTCommandBarAccessible(this));
    return m_pAccessible.get();
}

LRESULT CKTCommandBar::OnGetObject(WPARAM wParam, LPARAM lParam)
{
    LONG nObject = static_cast<LONG>(lParam);
    CKTAccessible* pAccessible = NULL;
    if (nObject == OBJID_CLIENT || nObject == OBJID_MENU)
        pAccessible = GetAccessible();
    else if (nObject >= 1 && nObject < kControlObjectLimit)
    {
        CKTControl* pControl = m_pControls->FindControl(nObject);
        if (!pControl)
            return Default();
        pAccessible = pControl->GetAccessible();
    }
    else
        return Default();
    LRESULT lResult = pAccessible->LresultFromObject(__uuidof(IAccessible), wParam, pAccessible);
    return lResult ? lResult : (LRESULT)E_FAIL;
}
