// DynamicClassesTest.cpp: the bar classes the designer registers are found and made by name.
#include "KTRibbonBar.h"
#include "WrenfoldApp.h"

#include <gtest/gtest.h>

TEST(DynamicClasses, TheRibbonBarIsMadeByItsName)
{
    CwrenfoldApp::RegisterDynamicClasses();
    CwrenfoldApp::RegisterDynamicClasses();  // a second call adds nothing twice
    CRuntimeClass* pClass = CRuntimeClass::FromName("CKTRibbonBar");
    ASSERT_EQ(RUNTIME_CLASS(CKTRibbonBar), pClass);
    // Listed once: a second entry would turn the by-name list into a loop.
    int nSteps = 0;
    for (CRuntimeClass* p = pClass->m_pNextClass; p && nSteps < 100000; p = p->m_pNextClass)
        nSteps++;
    EXPECT_LT(nSteps, 100000);

    CKTSmartPtr<CKTCommandBar> pBar =
        CKTSmartPtr<CKTCommandBar>::Adopt(dynamic_cast<CKTCommandBar*>(pClass->CreateObject()));
    ASSERT_FALSE(pBar.IsNull());
    EXPECT_TRUE(pBar->IsRibbonBar());
    EXPECT_EQ(ktBarTypeRibbon, pBar->GetType());
}
