// LoadedStyle.h: the process-wide style taken from the tests' style module for one scope.
//
// Classes: CLoadedStyle.
#pragma once

#include "KTStyleResourceSet.h"
#include "TestStyleModule.h"

// One INI text of the tests' module, unloaded again after.
class CLoadedStyle
{
public:
    explicit CLoadedStyle(LPCSTR lpszIni) { m_bLoaded = KTStyleResourceSet()->SetStyleModule(m_module.Get(), lpszIni); }
    ~CLoadedStyle() { KTStyleResourceSet()->SetStyleModule(NULL, NULL); }
    CLoadedStyle(const CLoadedStyle&) = delete;
    CLoadedStyle& operator=(const CLoadedStyle&) = delete;
    BOOL IsLoaded() const { return m_bLoaded; }

private:
    CTestStyleModule m_module;
    BOOL m_bLoaded = FALSE;
};
