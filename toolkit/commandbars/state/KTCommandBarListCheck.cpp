// KTCommandBarListCheck.cpp: whether a loaded list of bars may be used, checked before any of it is.
#include "KTCommandBarList.h"

#include "KTCommandBar.h"
#include "KTControlPopup.h"
#include "KTControls.h"
#include "KTMenuBar.h"

#include <deque>
#include <vector>

namespace
{

// Deeper menus than this are taken for damage: each level is a window and a recursion when shown.
const int kMaxPopupDepth = 64;

BOOL IsBarKindSound(const CKTCommandBar* pBar)
{
    const int nPosition = pBar->GetPosition();
    if (nPosition < ktBarTop || nPosition > ktBarNone)
        return FALSE;
    // A ribbon keeps no place in its state: it is always the frame's menu bar.
    if (pBar->IsKindOf(RUNTIME_CLASS(CKTMenuBar)))
        return pBar->GetType() == ktBarTypeRibbon ||
               (pBar->GetType() == ktBarTypeMenuBar && nPosition <= ktBarFloating);
    // A tool bar made from a menu keeps the menu's kind, and floats with its entries in a column.
    if (pBar->IsKindOf(RUNTIME_CLASS(CKTToolBar)))
        return (pBar->GetType() == ktBarTypeNormal || pBar->GetType() == ktBarTypePopup) && nPosition <= ktBarFloating;
    return pBar->IsPopupBar() && pBar->GetType() == ktBarTypePopup;
}

// Appends to links the list index of each bar the controls name; FALSE when a control is unsound.
BOOL CollectLinks(const CKTControls* pControls, const CKTCommandBarList& list, std::vector<int>& links)
{
    for (; pControls; pControls = pControls->GetOriginalControls())
        for (int i = 0; i < pControls->GetCount(); i++)
        {
            CKTControl* pControl = pControls->GetAt(i);
            const int nType = pControl->GetType();
            CKTControlPopup* pPopup = pControl->AsControlPopup();
            if (nType < ktControlButton || nType > ktControlRadioButton || (KTIsPopupType(nType) && !pPopup))
                return FALSE;
            const UINT nBarId = pPopup ? pPopup->GetSavedCommandBarId() : 0;
            if (nBarId == 0)
                continue;
            // A bar the list lacks is no damage: the control keeps the popup bar it has.
            CKTCommandBar* pTarget = list.FindBar(nBarId);
            if (!pTarget)
                continue;
            if (!pTarget->IsPopupBar())
                return FALSE;
            for (int j = 0; j < list.GetCount(); j++)
                if (list.GetAt(j) == pTarget)
                    links.push_back(j);
        }
    return TRUE;
}

// Kahn's walk: every bar leaves the queue only when no link leads to it, so a cycle leaves bars behind.
BOOL IsNestingSound(const std::vector<std::vector<int>>& links)
{
    const size_t nBars = links.size();
    std::vector<int> incoming(nBars, 0), depth(nBars, 0);
    for (const auto& targets : links)
        for (int j : targets)
            incoming[j]++;
    std::deque<int> ready;
    for (size_t i = 0; i < nBars; i++)
        if (incoming[i] == 0)
            ready.push_back((int)i);
    size_t nDone = 0;
    for (; !ready.empty(); nDone++)
    {
        const int i = ready.front();
        ready.pop_front();
        for (int j : links[i])
        {
            depth[j] = depth[j] > depth[i] + 1 ? depth[j] : depth[i] + 1;
            if (depth[j] > kMaxPopupDepth)
                return FALSE;
            if (--incoming[j] == 0)
                ready.push_back(j);
        }
    }
    return nDone == nBars;
}

}  // namespace

BOOL KTIsCommandBarListSound(const CKTCommandBarList& list)
{
    std::vector<std::vector<int>> links(list.GetCount());
    for (int i = 0; i < list.GetCount(); i++)
    {
        const CKTCommandBar* pBar = list.GetAt(i);
        if (!IsBarKindSound(pBar) || !CollectLinks(pBar->GetControls(), list, links[i]))
            return FALSE;
        if (const CKTMenuBar* pMenuBar = dynamic_cast<const CKTMenuBar*>(pBar))
            for (const auto& entry : pMenuBar->GetDocumentMenus().GetEntries())
                if (!CollectLinks(entry.second->GetControls(), list, links[i]))
                    return FALSE;
    }
    return IsNestingSound(links);
}
