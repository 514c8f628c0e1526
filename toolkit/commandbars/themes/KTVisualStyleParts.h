// KTVisualStyleParts.h: the visual-style part, state and property numbers the command bars draw with.
#pragma once

// The system headers here name the properties but not these classes' parts.
enum KTToolbarPart
{
    ktToolbarBackground = 0,
    ktToolbarButton = 1,
    ktToolbarSplitButton = 3,
    ktToolbarSplitDropDown = 4,
    ktToolbarSeparator = 5,
    ktToolbarSeparatorVert = 6,
};

enum KTToolbarState
{
    ktToolbarNormal = 1,
    ktToolbarHot = 2,
    ktToolbarPressed = 3,
    ktToolbarDisabled = 4,
    ktToolbarChecked = 5,
    ktToolbarHotChecked = 6,
};

enum KTRebarPart
{
    ktRebarBackground = 0,
    ktRebarGripper = 1,
    ktRebarGripperVert = 2,
    ktRebarBand = 3,
};

enum KTWindowPart
{
    ktWindowSmallCaption = 2,
    ktWindowSmallFrameLeft = 10,
    ktWindowSmallFrameRight = 11,
    ktWindowSmallFrameBottom = 12,
};

// "COMBOBOX" part 1 and "SPIN" parts 1 and 2 take the toolbar's four states.
const int ktComboBoxDropDownButton = 1;
const int ktSpinUp = 1;
const int ktSpinDown = 2;

const int ktVisualStateActive = 1;  // the one state drawn of grippers, captions and frames

enum KTThemeProperty
{
    ktTmtFlatMenus = 1001,
    ktTmtBorderColor = 3801,
    ktTmtTextColor = 3803,
    ktTmtEdgeHighlightColor = 3805,
    ktTmtEdgeShadowColor = 3806,
};
