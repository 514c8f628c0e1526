// KTTabColorSetFactory.cpp: makes the colour set of an id.
#include "KTTabColorSetFactory.h"

#include "KTTabColorSet16.h"
#include "KTTabColorSet2.h"
#include "KTTabColorSet32.h"
#include "KTTabColorSet8.h"
#include "KTTabColorSet4.h"
#include "KTTabColorSetDefault.h"

std::unique_ptr<CKTTabColorSet> KTCreateTabColorSet(int nColor)
{
    switch (nColor)
    {
    case 2:
        return std::make_unique<CKTTabColorSet2>();
    case 8:
        return std::make_unique<CKTTabColorSet8>();
    case 32:
        return std::make_unique<CKTTabColorSet32>();
    case 4:
        return std::make_unique<CKTTabColorSet4>();
    case 16:
        return std::make_unique<CKTTabColorSet16>();
    default:
        return std::make_unique<CKTTabColorSetDefault>();
    }
}
