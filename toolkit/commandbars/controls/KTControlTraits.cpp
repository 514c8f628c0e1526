// KTControlTraits.cpp: the traits of each control type, and how the factory makes each.
#include "KTCommandBarsDefs.h"

#include "KTCommandBar.h"
#include "KTControlButton.h"
#include "KTControlCheckBox.h"
#include "KTControlComboBox.h"
#include "KTControlCustom.h"
#include "KTControlEdit.h"
#include "KTControlGallery.h"
#include "KTControlLabel.h"
#include "KTControlPopup.h"
#include "KTControlRecentFileList.h"
#include "KTControlToolbars.h"
#include "KTControlWindowList.h"
#include "KTControlWorkspaceActions.h"

namespace
{
// A few command ids stand for lists that the button type fills in itself.
CKTControl* CreateButton(int nId)
{
    if (nId == (int)KT_ID_FILE_MRU_FIRST || nId == (int)KT_ID_RECENT_FILE_LIST)
        return new CKTControlRecentFileList;
    if (nId == (int)KT_ID_TOOLBARS_LIST)
        return new CKTControlToolbars;
    if (nId == (int)KT_ID_WINDOW_LIST)
        return new CKTControlWindowList;
    if (nId == KT_ID_WORKSPACE_ACTIONS)
        return new CKTControlWorkspaceActions;
    return new CKTControlButton;
}

// Each of these types is its own class.
template <class TControl>
CKTControl* Create(int)
{
    return new TControl;
}

const KT_CONTROL_TRAITS g_traits[] = {
    {ktControlButton, ktAutoCaptionWithoutIcon, FALSE, FALSE, CreateButton},
    {ktControlPopup, ktAutoCaptionAlways, TRUE, FALSE, Create<CKTControlPopup>},
    {ktControlButtonPopup, ktAutoCaptionWithoutIcon, TRUE, FALSE, Create<CKTControlPopup>},
    {ktControlSplitButtonPopup, ktAutoCaptionWithoutIcon, TRUE, FALSE, Create<CKTControlPopup>},
    {ktControlComboBox, ktAutoCaptionNever, FALSE, TRUE, Create<CKTControlComboBox>},
    {ktControlEdit, ktAutoCaptionNever, FALSE, FALSE, Create<CKTControlEdit>},
    {ktControlCustom, ktAutoCaptionWithoutIcon, FALSE, FALSE, Create<CKTControlCustom>},
    {ktControlLabel, ktAutoCaptionAlways, FALSE, FALSE, Create<CKTControlLabel>},
    {ktControlCheckBox, ktAutoCaptionAlways, FALSE, FALSE, Create<CKTControlCheckBox>},
    {ktControlGallery, ktAutoCaptionNever, FALSE, FALSE, Create<CKTControlGallery>},
    {ktControlRadioButton, ktAutoCaptionAlways, FALSE, FALSE, Create<CKTControlRadioButton>},
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
