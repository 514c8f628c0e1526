// KTPaintManagerColor.h: a colour with a standard value and a custom override, and gradients of them.
//
// Classes: CKTPaintManagerColor, CKTPaintManagerColorGradient.
#pragma once

#include <afx.h>
#include <windows.h>

// The effective colour is the custom value unless it is -1, else the standard one.
class CKTPaintManagerColor
{
public:
    CKTPaintManagerColor() : m_clrStandardValue(COLORREF_NULL), m_clrCustomValue(COLORREF_NULL) {}
    explicit CKTPaintManagerColor(COLORREF clr) : m_clrStandardValue(clr), m_clrCustomValue(COLORREF_NULL) {}

    static const COLORREF COLORREF_NULL = static_cast<COLORREF>(-1);

    operator COLORREF() const { return GetColor(); }
    COLORREF GetColor() const { return IsCustomValue() ? m_clrCustomValue : m_clrStandardValue; }
    COLORREF GetStandardColor() const { return m_clrStandardValue; }
    BOOL IsCustomValue() const { return m_clrCustomValue != COLORREF_NULL; }
    BOOL IsDefaultValue() const { return GetColor() == COLORREF_NULL; }

    // The custom value stays as it is.
    void SetStandardValue(COLORREF clr) { m_clrStandardValue = clr; }
    void SetCustomValue(COLORREF clr) { m_clrCustomValue = clr; }
    void SetDefaultValue() { m_clrCustomValue = COLORREF_NULL; }

    void Serialize(CArchive& ar);

private:
    COLORREF m_clrStandardValue;  // given by the paint manager
    COLORREF m_clrCustomValue;    // given by the user, -1 when none
};

// Light and dark ends and the factor that places the middle colour.
class CKTPaintManagerColorGradient
{
public:
    CKTPaintManagerColorGradient() : fGradientFactor(0.5f) {}

    void SetStandardValue(COLORREF clrLight, COLORREF clrDark, float fFactor = 0.5f);
    void SetStandardValue(COLORREF clr);
    // Takes the other gradient's effective colours and factor as standard values.
    void SetStandardValue(const CKTPaintManagerColorGradient& grc);
    void SetCustomValue(COLORREF clrLight, COLORREF clrDark);

    void Serialize(CArchive& ar);

    CKTPaintManagerColor clrLight;
    CKTPaintManagerColor clrDark;
    float fGradientFactor;  // 0.5 is a straight blend
};
