// KTIconState.h: which picture of an icon a control state shows, as themes 0 and 1 choose it.
#pragma once

#include "KTPaintManager.h"

enum KTIconState
{
    ktIconDisabled,
    ktIconIndeterminate,  // enabled, checked value 2, not pressed: drawn as disabled
    ktIconPopuped,
    ktIconChecked,
    ktIconNormal,
    ktIconPressed,
    ktIconHot,
};

inline KTIconState KTGetIconState(const KT_CONTROLSTATE& state)
{
    if (!state.bEnabled)
        return ktIconDisabled;
    if (state.nChecked == 2 && !state.nPressed)
        return ktIconIndeterminate;
    if (state.bPopuped)
        return ktIconPopuped;
    if (state.nChecked)
        return ktIconChecked;
    if (!state.bSelected && !state.nPressed)
        return ktIconNormal;
    if (state.IsPressedOpen() || (state.nPressed && state.bSelected))
        return ktIconPressed;
    return ktIconHot;
}
