// KTPaintManagerColor.cpp: setting and serialising colour values.
#include "KTPaintManagerColor.h"

void CKTPaintManagerColor::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar << m_clrStandardValue << m_clrCustomValue;
    else
        ar >> m_clrStandardValue >> m_clrCustomValue;
}

void CKTPaintManagerColorGradient::SetStandardValue(COLORREF clrLightValue, COLORREF clrDarkValue, float fFactor)
{
    clrLight.SetStandardValue(clrLightValue);
    clrDark.SetStandardValue(clrDarkValue);
    fGradientFactor = fFactor;
}

void CKTPaintManagerColorGradient::SetStandardValue(COLORREF clr) { SetStandardValue(clr, clr, 0.5f); }

void CKTPaintManagerColorGradient::SetStandardValue(const CKTPaintManagerColorGradient& grc)
{
    SetStandardValue(grc.clrLight.GetColor(), grc.clrDark.GetColor(), grc.fGradientFactor);
}

void CKTPaintManagerColorGradient::SetCustomValue(COLORREF clrLightValue, COLORREF clrDarkValue)
{
    clrLight.SetCustomValue(clrLightValue);
    clrDark.SetCustomValue(clrDarkValue);
}

void CKTPaintManagerColorGradient::Serialize(CArchive& ar)
{
    clrLight.Serialize(ar);
    clrDark.Serialize(ar);
    if (ar.IsStoring())
        ar << fGradientFactor;
    else
        ar >> fGradientFactor;
}
