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

const int ktVisualStateActive = 1;  // the one state drawn of grippers, captions and frames

enum KTThemeProperty
{
    ktTmtFlatMenus = 1001,
    ktTmtTextColor = 3803,
    ktTmtEdgeHighlightColor = 3805,
    ktTmtEdgeShadowColor = 3806,
};
