// KTControlTraits.cpp: the traits of each control type, and how the factory makes each.
#include "KTCommandBarsDefs.h"

#include "KTCommandBar.h"
#include "KTControlButton.h"
#include "KTControlPopup.h"
#include "KTControlRecentFileList.h"
#include "KTControlToolbars.h"
#include "KTControlWorkspaceActions.h"

namespace
{
// A few command ids stand for lists that the button type fills in itself.
CKTControl* CreateButton(int nId)
{
    if (nId == (int)KT_ID_FILE_MRU_FIRST)
        return new CKTControlRecentFileList;
    if (nId == (int)KT_ID_TOOLBARS_LIST)
        return new CKTControlToolbars;
    if (nId == KT_ID_WORKSPACE_ACTIONS)
        return new CKTControlWorkspaceActions;
    return new CKTControlButton;
}

CKTControl* CreatePopup(int) { return new CKTControlPopup; }
CKTControl* CreatePlainButton(int) { return new CKTControlButton; }

const KT_CONTROL_TRAITS g_traits[] = {
    {ktControlButton, ktAutoCaptionWithoutIcon, FALSE, FALSE, CreateButton},
    {ktControlPopup, ktAutoCaptionAlways, TRUE, FALSE, CreatePopup},
    {ktControlButtonPopup, ktAutoCaptionWithoutIcon, TRUE, FALSE, CreatePopup},
    {ktControlSplitButtonPopup, ktAutoCaptionWithoutIcon, TRUE, FALSE, CreatePopup},
    {ktControlComboBox, ktAutoCaptionNever, FALSE, TRUE, NULL},
    {ktControlEdit, ktAutoCaptionNever, FALSE, FALSE, NULL},
    {ktControlCustom, ktAutoCaptionNever, FALSE, FALSE, NULL},
    {ktControlLabel, ktAutoCaptionAlways, FALSE, FALSE, CreatePlainButton},
    {ktControlCheckBox, ktAutoCaptionAlways, FALSE, FALSE, CreatePlainButton},
    {ktControlGallery, ktAutoCaptionNever, FALSE, FALSE, NULL},
    {ktControlRadioButton, ktAutoCaptionAlways, FALSE, FALSE, CreatePlainButton},
};

const KT_CONTROL_TRAITS g_unknown = {0, ktAutoCaptionNever, FALSE, FALSE, NULL};
}  // namespace

const KT_CONTROL_TRAITS& KTControlTraits(int nType)
{
    for (const KT_CONTROL_TRAITS& traits : g_traits)
        if (traits.nType == nType)
            return traits;
    return g_unknown;
}
