// TestStyleModule.h: the tests' style module (resources/teststyle), loaded for the object's life.
//
// Classes: CTestStyleModule.
#pragma once

#include <windows.h>

// Built beside the test programs, which run in their own folder.
class CTestStyleModule
{
public:
    CTestStyleModule() : m_hModule(::LoadLibraryA("kestova_test_style.dll")) {}
    ~CTestStyleModule()
    {
        if (m_hModule)
            ::FreeLibrary(m_hModule);
    }
    CTestStyleModule(const CTestStyleModule&) = delete;
    CTestStyleModule& operator=(const CTestStyleModule&) = delete;

    HMODULE Get() const { return m_hModule; }

private:
    HMODULE m_hModule;  // owned; NULL when the module is missing
};
