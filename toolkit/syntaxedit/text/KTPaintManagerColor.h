// One colour with a standard value and a custom value that overrides it when set.
// Classes: CKTPaintManagerColor.
#pragma once

#include <windows.h>

class CKTPaintManagerColor
{
public:
    enum : COLORREF { kNone = COLORREF(-1) };

    CKTPaintManagerColor() = default;

    COLORREF GetStandardColor() const { return m_clrStandard; }
    COLORREF GetCustomColor() const { return m_clrCustom; }
    COLORREF GetColor() const { return m_clrCustom != kNone ? m_clrCustom : m_clrStandard; }
    operator COLORREF() const { return GetColor(); }

    void SetStandardValue(COLORREF clr) { m_clrStandard = clr; }
    void SetCustomValue(COLORREF clr) { m_clrCustom = clr; }
    BOOL IsDefaultValue() const { return m_clrCustom == kNone; }
    BOOL IsEmpty() const { return GetColor() == kNone; }

private:
    COLORREF m_clrStandard = kNone; // the theme's colour
    COLORREF m_clrCustom = kNone;   // the user's override, kNone when unset
};
