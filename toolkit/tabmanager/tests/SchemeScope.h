// Forces the colour manager's scheme for one scope.
#pragma once

#include "KTColorManager.h"

class CSchemeScope
{
public:
    explicit CSchemeScope(int nScheme) { KTColorManager()->SetLunaTheme(nScheme); }
    ~CSchemeScope() { KTColorManager()->SetLunaTheme(ktSystemThemeAuto); }
    CSchemeScope(const CSchemeScope&) = delete;
    CSchemeScope& operator=(const CSchemeScope&) = delete;
};
