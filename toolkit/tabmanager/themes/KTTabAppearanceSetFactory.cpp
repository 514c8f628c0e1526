// KTTabAppearanceSetFactory.cpp: makes the appearance set of an id.
#include "KTTabAppearanceSetFactory.h"

#include "KTTabAppearanceSet0.h"
#include "KTTabAppearanceSet10.h"
#include "KTTabAppearanceSet3.h"
#include "KTTabAppearanceSet8.h"
#include "KTTabAppearanceSetFlat.h"

std::unique_ptr<CKTTabAppearanceSet> KTCreateTabAppearanceSet(int nAppearance)
{
    switch (nAppearance)
    {
    case 1:
        return std::make_unique<CKTTabAppearanceSet1>();
    case 2:
        return std::make_unique<CKTTabAppearanceSet2>();
    case 3:
        return std::make_unique<CKTTabAppearanceSet3>();
    case 4:
        return std::make_unique<CKTTabAppearanceSet4>();
    case 5:
        return std::make_unique<CKTTabAppearanceSet5>();
    case 6:
        return std::make_unique<CKTTabAppearanceSet6>();
    case 7:
        return std::make_unique<CKTTabAppearanceSet7>();
    case 8:
        return std::make_unique<CKTTabAppearanceSet8>();
    case 9:
        return std::make_unique<CKTTabAppearanceSet9>();
    case 10:
        return std::make_unique<CKTTabAppearanceSet10>();
    default:
        return std::make_unique<CKTTabAppearanceSet0>();
    }
}
