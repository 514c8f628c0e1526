// KTTabColorSetFactory.h: makes the colour set of an id.
#pragma once

#include <memory>

#include "KTTabColorSet.h"

// Sets 2, 4, 8, 16 and 32 by their own classes; 1 and any other id the default set.
std::unique_ptr<CKTTabColorSet> KTCreateTabColorSet(int nColor);
