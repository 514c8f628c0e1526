// KTThemeStyle1Colors.cpp: the toolkit colours in the roles the flat themes give them.
#include "KTThemeStyle1.h"

#include "KTColorManager.h"

namespace
{
// A toolkit colour as a blend of two system colours, n percent of the first.
struct KT_ROLECOLOR
{
    int nIndex;
    int nFirst;
    int nSecond;
    int nWeight;
};

// The colour manager's blends suit the panes and tabs; the flat bars want their own blends for
// the same roles, still made from the system colours so that they keep the user's scheme.
const KT_ROLECOLOR g_roles[] = {
    {KTCOLOR_TOOLBAR_FACE, COLOR_BTNFACE, COLOR_WINDOW, 85},
    {KTCOLOR_HIGHLIGHT, COLOR_HIGHLIGHT, COLOR_WINDOW, 30},
    {KTCOLOR_HIGHLIGHT_BORDER, COLOR_HIGHLIGHT, COLOR_HIGHLIGHT, 100},
    {KTCOLOR_HIGHLIGHT_PUSHED, COLOR_HIGHLIGHT, COLOR_WINDOW, 50},
    {KTCOLOR_POPUP_DISABLED_TEXT, COLOR_GRAYTEXT, COLOR_GRAYTEXT, 100},
    {KTCOLOR_HIGHLIGHT_CHECKED, COLOR_HIGHLIGHT, COLOR_WINDOW, 15},
    {KTCOLOR_HIGHLIGHT_CHECKED_BORDER, COLOR_HIGHLIGHT, COLOR_HIGHLIGHT, 100},
    {KTCOLOR_GRIPPER, COLOR_BTNSHADOW, COLOR_WINDOW, 85},
    {KTCOLOR_SEPARATOR, COLOR_BTNSHADOW, COLOR_WINDOW, 70},
    {KTCOLOR_DISABLED_ICON, COLOR_GRAYTEXT, COLOR_WINDOW, 70},
    {KTCOLOR_POPUP_FACE, COLOR_WINDOW, COLOR_BTNFACE, 85},
    {KTCOLOR_POPUP_HIDDEN_COLUMN, COLOR_BTNFACE, COLOR_BTNSHADOW, 70},
    {KTCOLOR_POPUP_BORDER, COLOR_BTNSHADOW, COLOR_BTNTEXT, 80},
    {KTCOLOR_POPUP_TEXT, COLOR_MENUTEXT, COLOR_MENUTEXT, 100},
    {KTCOLOR_HIGHLIGHT_TEXT, COLOR_MENUTEXT, COLOR_MENUTEXT, 100},
    {KTCOLOR_TOOLBAR_TEXT, COLOR_BTNTEXT, COLOR_BTNTEXT, 100},
    {KTCOLOR_HIGHLIGHT_PUSHED_TEXT, COLOR_BTNTEXT, COLOR_BTNTEXT, 100},
    {KTCOLOR_HIGHLIGHT_PUSHED_BORDER, COLOR_HIGHLIGHT, COLOR_HIGHLIGHT, 100},
    {KTCOLOR_CONTROL_FACE, COLOR_HIGHLIGHT, COLOR_WINDOW, 10},
    {KTCOLOR_BAR_EDGE, COLOR_BTNSHADOW, COLOR_BTNSHADOW, 100},
    {KTCOLOR_POPUP_EDIT, COLOR_BTNFACE, COLOR_BTNSHADOW, 80},
    {KTCOLOR_POPUP_LABEL, COLOR_BTNFACE, COLOR_WINDOW, 70},
    {KTCOLOR_DISABLED_CHECKED_BORDER, COLOR_GRAYTEXT, COLOR_GRAYTEXT, 100},
    {KTCOLOR_DISABLED_TEXT, COLOR_GRAYTEXT, COLOR_GRAYTEXT, 100},
    {KTCOLOR_FLOATING_FRAME, COLOR_BTNSHADOW, COLOR_BTNSHADOW, 100},
};
const int kRoleCount = sizeof(g_roles) / sizeof(g_roles[0]);
}  // namespace

void CKTThemeStyle1::RefreshMetrics()
{
    CKTPaintManager::RefreshMetrics();
    int indexes[kRoleCount];
    COLORREF colors[kRoleCount];
    for (int i = 0; i < kRoleCount; i++)
    {
        const KT_ROLECOLOR& role = g_roles[i];
        indexes[i] = role.nIndex;
        colors[i] = CKTColorManager::BlendColors(GetColor(role.nFirst), GetColor(role.nSecond), role.nWeight);
    }
    SetColors(kRoleCount, indexes, colors);
}
