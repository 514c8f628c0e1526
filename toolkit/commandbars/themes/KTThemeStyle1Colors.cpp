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

// The colour manager derives its colours 30-62 for the panes and tabs; the bars read several of
// those indexes in other roles (popup face, menu text, disabled text), so they are set here from
// the system colours that suit each role, keeping the user's scheme.
const KT_ROLECOLOR g_roles[] = {
    {30, COLOR_BTNFACE, COLOR_WINDOW, 85},        // bar face, icon column
    {31, COLOR_HIGHLIGHT, COLOR_WINDOW, 30},      // hot fill
    {32, COLOR_HIGHLIGHT, COLOR_HIGHLIGHT, 100},  // hot border
    {33, COLOR_HIGHLIGHT, COLOR_WINDOW, 50},      // pressed fill
    {35, COLOR_GRAYTEXT, COLOR_GRAYTEXT, 100},    // disabled menu text and marks
    {36, COLOR_HIGHLIGHT, COLOR_WINDOW, 15},      // checked fill
    {37, COLOR_HIGHLIGHT, COLOR_HIGHLIGHT, 100},  // checked border
    {38, COLOR_BTNSHADOW, COLOR_WINDOW, 85},      // gripper lines
    {39, COLOR_BTNSHADOW, COLOR_WINDOW, 70},      // separators
    {40, COLOR_GRAYTEXT, COLOR_WINDOW, 70},       // disabled icon silhouette
    {41, COLOR_WINDOW, COLOR_BTNFACE, 85},        // popup face
    {42, COLOR_BTNFACE, COLOR_BTNSHADOW, 70},     // icon column beside rarely used commands
    {43, COLOR_BTNSHADOW, COLOR_BTNTEXT, 80},     // popup border
    {44, COLOR_MENUTEXT, COLOR_MENUTEXT, 100},    // menu text
    {45, COLOR_MENUTEXT, COLOR_MENUTEXT, 100},    // hot or checked text
    {46, COLOR_BTNTEXT, COLOR_BTNTEXT, 100},      // bar text
    {47, COLOR_BTNTEXT, COLOR_BTNTEXT, 100},      // pressed text
    {50, COLOR_HIGHLIGHT, COLOR_HIGHLIGHT, 100},  // pressed border
    {51, COLOR_HIGHLIGHT, COLOR_WINDOW, 10},      // indeterminate fill
    {52, COLOR_BTNSHADOW, COLOR_BTNSHADOW, 100},  // check box border
    {53, COLOR_BTNFACE, COLOR_BTNSHADOW, 80},     // edit box on a menu
    {56, COLOR_BTNFACE, COLOR_WINDOW, 70},        // menu label face
    {58, COLOR_GRAYTEXT, COLOR_GRAYTEXT, 100},    // border of a disabled checked control
    {60, COLOR_GRAYTEXT, COLOR_GRAYTEXT, 100},    // disabled bar text
    {61, COLOR_BTNSHADOW, COLOR_BTNSHADOW, 100},  // floating bar frame
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
