// KTTabAppearanceSetFactory.cpp: makes the appearance set of an id.
#include "KTTabAppearanceSetFactory.h"

#include "KTTabAppearanceSet0.h"
#include "KTTabAppearanceSet3.h"

std::unique_ptr<CKTTabAppearanceSet> KTCreateTabAppearanceSet(int nAppearance)
{
    switch (nAppearance)
    {
    case 1:
        return std::make_unique<CKTTabAppearanceSet1>();
    case 3:
        return std::make_unique<CKTTabAppearanceSet3>();
    default:
        return std::make_unique<CKTTabAppearanceSet0>();
    }
}
