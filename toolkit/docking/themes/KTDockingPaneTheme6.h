// KTDockingPaneTheme6.h: gradient captions with the scheme colours of the system's visual style.
//
// Classes: CKTDockingPaneTheme6.
#pragma once

#include "KTDockingPaneTheme1.h"

class CKTDockingPaneTheme6 : public CKTDockingPaneTheme1
{
public:
    CKTDockingPaneTheme6();

    void RefreshMetrics() override;

protected:
    // The visual style's scheme, or ktSystemThemeNone under the classic look.
    static int CurrentScheme();
};
