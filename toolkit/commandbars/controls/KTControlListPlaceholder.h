// KTControlListPlaceholder.h: what every menu place holder shares: it makes room for its items each time its popup is
// laid out, and it stands only on menus.
//
// Classes: CKTControlListPlaceholder.
#pragma once

#include "KTControlButton.h"

#include <functional>

class CKTControlListPlaceholder : public CKTControlButton
{
    DECLARE_DYNAMIC(CKTControlListPlaceholder)
public:
    // Its items make sense in a menu only: on a tool bar they would spread over the bar.
    BOOL IsCustomizeDropAllowed(CKTCommandBar* pBar) const override;

protected:
    // The place holder's own items: the temporary controls right after it that the test claims.
    void RemoveListItems(const std::function<BOOL(CKTControl*)>& isItem);
    // Takes the old items away; FALSE in customise mode, where the place holder shows itself instead.
    BOOL ClearListForItems(const std::function<BOOL(CKTControl*)>& isItem);
};
